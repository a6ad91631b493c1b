#include "listening/CListeningRound.h"

#include "FakeSpeaker.h"

#include <gtest/gtest.h>

namespace kelvo {
namespace {

using namespace std::chrono_literals;
using State = CListeningRound::State;
using testing::CFakeSpeaker;

class CListeningRoundTest : public ::testing::Test {
protected:
    // The clock ticks every tenth of a second, as the window's timer does.
    void RunUntil(CListeningRound::Time end) {
        for (; now < end; now += 100ms) {
            round.Update(now);
        }
        round.Update(now);
    }

    CFakeSpeaker speaker;
    CListeningRound round{{u"一加一等于", u"二加二等于", u"三加三等于"}, speaker};
    CListeningRound::Time now{0};
};

TEST_F(CListeningRoundTest, ThePaceCountsFromTheEndOfEachReading) {
    round.SetPace(5s);
    round.Start(now);
    EXPECT_EQ(speaker.spoken.back(), u"第一题，一加一等于");
    RunUntil(3s);
    speaker.speaking = false;
    RunUntil(7900ms);
    EXPECT_EQ(round.Current(), 1);
    RunUntil(8s);
    EXPECT_EQ(round.Current(), 2);
    EXPECT_EQ(speaker.spoken.back(), u"第二题，二加二等于");
}

TEST_F(CListeningRoundTest, PauseResumeRepeatAndStopAsTheTeacherAsks) {
    round.SetPace(4s);
    round.SetReadTwice(true);
    round.Start(now);
    EXPECT_EQ(speaker.spoken.back(), u"第一题，一加一等于。一加一等于");
    speaker.speaking = false;
    RunUntil(2s);
    round.Pause();
    EXPECT_EQ(speaker.stops, 1);
    RunUntil(60s);
    EXPECT_EQ(round.CurrentState(), State::Paused);
    EXPECT_EQ(round.Current(), 1);
    // Going on leaves the whole pace to write.
    round.Resume(now);
    RunUntil(63900ms);
    EXPECT_EQ(round.Current(), 1);
    RunUntil(64s);
    EXPECT_EQ(round.Current(), 2);
    speaker.speaking = false;
    round.Repeat(now);
    EXPECT_EQ(speaker.spoken.size(), 3U);
    EXPECT_EQ(speaker.spoken.back(), speaker.spoken[1]);
    round.Stop();
    EXPECT_EQ(round.CurrentState(), State::Finished);
    round.Repeat(now);
    EXPECT_EQ(speaker.spoken.size(), 3U);
    // A new start begins at the first question.
    round.Start(now);
    EXPECT_EQ(round.Current(), 1);
}

TEST_F(CListeningRoundTest, TheRoundEndsAPaceAfterItsLastQuestion) {
    speaker.finishesAtOnce = true;
    round.SetPace(2s);
    round.Start(now);
    RunUntil(5900ms);
    EXPECT_EQ(round.Current(), 3);
    EXPECT_EQ(round.CurrentState(), State::Reading);
    RunUntil(6s);
    EXPECT_EQ(round.CurrentState(), State::Finished);
    EXPECT_EQ(speaker.spoken.size(), 3U);
}

} // namespace
} // namespace kelvo
