#include "drill/CDrill.h"

#include "foundation/RandomSource.h"
#include "number/OperatorCodes.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>

namespace kelvo {
namespace {

// Question k is k＋1=, kept as the mistake-book entry 100 + k from `firstBook` on.
std::vector<CDrillQuestion> Questions(int32_t count, int32_t firstBook) {
    CValueLimit limit;
    limit.Init(0, 100, 1, 1);
    std::vector<CDrillQuestion> questions;
    for (int32_t k = 0; k < count; ++k) {
        auto question = std::make_shared<CExprValue>();
        const std::array<CExprValue::OperandValue, 2> operands{{{Op::None, k}, {Op::Plus, 1}}};
        question->CreateFrom(operands, k + 1);
        questions.push_back({{u"加1", std::move(question), limit}, k >= firstBook ? 100 + k : 0});
    }
    return questions;
}

int32_t WrongChoice(const CDrillSlot& slot) {
    return 1 - slot.choices.RightIndex;
}

class CDrillTest : public ::testing::Test {
protected:
    void SetUp() override { SeedRandom(5); }
    void TearDown() override { UseClockForRandomReseed(); }
};

TEST_F(CDrillTest, ScoreAndGradeFollowTheWrongCount) {
    static constexpr std::array<const char16_t*, 31> kGrades{
        u"状元", u"榜眼", u"探花", u"进士", u"同进士", u"举人", u"秀才", u"童生",
        u"童生", u"童生", u"童生", u"启蒙", u"启蒙",   u"启蒙", u"启蒙", u"启蒙",
        u"婴儿", u"婴儿", u"婴儿", u"婴儿", u"婴儿",   u"婴儿", u"婴儿", u"婴儿",
        u"婴儿", u"婴儿", u"婴儿", u"婴儿", u"婴儿",   u"婴儿", u"婴儿"};
    for (int32_t wrong = 0; wrong <= 30; ++wrong) {
        EXPECT_EQ(DrillScore(wrong), static_cast<int32_t>(std::floor((30 - wrong) / 0.3 + 1e-9)))
            << wrong;
        EXPECT_EQ(GradeName(wrong), kGrades[static_cast<size_t>(wrong)]) << wrong;
    }
}

// 30 review questions from the tenth on: 0–9 right, 10–19 wrong, 20–29 right
// but 25–29 unanswered.
TEST_F(CDrillTest, AScriptedDrillIsGradedAndRecorded) {
    struct ModeCase {
        int32_t mode;
        std::optional<int32_t> timeLimit;
        std::optional<int32_t> secondsUsed;
    };
    for (const ModeCase& c :
         {ModeCase{CDrill::kTimeLimited, 60, 42}, ModeCase{CDrill::kTimed, std::nullopt, 42},
          ModeCase{CDrill::kScoreOnly, std::nullopt, std::nullopt}}) {
        SCOPED_TRACE(c.mode);
        CDrill drill;
        drill.SetMode(c.mode);
        drill.Prepare(u"加1", Questions(30, 10), false);
        ASSERT_TRUE(drill.IsReady());
        EXPECT_FALSE(drill.Choose(0, 0)) << "before the start";
        drill.Start();
        for (int32_t k = 0; k < 25; ++k) {
            const CDrillSlot& slot = drill.Slots()[static_cast<size_t>(k)];
            EXPECT_EQ(slot.choices.Values[static_cast<size_t>(slot.choices.RightIndex)], k + 1);
            // A second thought replaces the first.
            ASSERT_TRUE(drill.Choose(k, slot.choices.RightIndex));
            ASSERT_TRUE(drill.Choose(k, k / 10 == 1 ? WrongChoice(slot) : slot.choices.RightIndex));
        }
        EXPECT_FALSE(drill.Choose(0, -1));
        EXPECT_FALSE(drill.Choose(30, 0));
        drill.Start();
        EXPECT_EQ(drill.Wrong(), 15) << "a restart keeps the answers";
        drill.Finish();
        EXPECT_FALSE(drill.IsRunning());
        EXPECT_FALSE(drill.IsReady());
        EXPECT_FALSE(drill.Choose(0, 0)) << "after the finish";

        const CDrillRecord record = drill.Record(60, 42);
        const CDrillResult& result = record.result;
        EXPECT_EQ(result.kind, u"加1");
        EXPECT_EQ(result.mode, c.mode);
        EXPECT_EQ(result.timeLimit, c.timeLimit);
        EXPECT_EQ(result.secondsUsed, c.secondsUsed);
        EXPECT_EQ(result.right, 15);
        EXPECT_EQ(result.wrong, 15);
        EXPECT_EQ(result.score, 50);
        EXPECT_EQ(result.grade, u"启蒙");
        ASSERT_EQ(record.missed.size(), 15U);
        for (size_t m = 0; m < record.missed.size(); ++m) {
            const CDrillSlot& slot = drill.Slots()[m < 10 ? m + 10 : m + 15];
            EXPECT_EQ(record.missed[m].kept.question, slot.question.kept.question);
            EXPECT_EQ(record.missed[m].answer, m < 10 ? std::optional(slot.choices.Answer(
                                                            static_cast<size_t>(WrongChoice(slot))))
                                                      : std::nullopt);
        }
        EXPECT_EQ(record.reviewedRight, (std::vector<int64_t>{120, 121, 122, 123, 124}));
    }
}

TEST_F(CDrillTest, ThirtyFramesCountWhateverTheNumberOfQuestions) {
    struct SizeCase {
        int32_t questions;
        size_t slots;
        bool ready;
    };
    for (const SizeCase& c :
         {SizeCase{0, 0, false}, SizeCase{4, 4, true}, SizeCase{45, 30, true}}) {
        CDrill drill;
        drill.Prepare(u"加1", Questions(c.questions, c.questions), true);
        EXPECT_EQ(drill.Slots().size(), c.slots) << c.questions;
        EXPECT_EQ(drill.IsReady(), c.ready) << c.questions;
        drill.Start();
        for (size_t k = 0; k < drill.Slots().size(); ++k) {
            drill.Choose(static_cast<int32_t>(k), drill.Slots()[k].choices.RightIndex);
        }
        drill.Finish();
        EXPECT_EQ(drill.Wrong(), 30 - static_cast<int32_t>(c.slots)) << c.questions;
    }
}

// Question k (k＋1=) is typed 2 s after the one before it is done: 0–9 right,
// 10–19 wrong and retyped 5 s later, 20–24 also retyped wrong once first,
// 25–29 not reached.
TEST_F(CDrillTest, ATypedDrillTakesTheRightAnswerBeforeGoingOnAndKeepsTheFirstAnswerAndItsTime) {
    int64_t now = 0;
    CDrill drill([&now] { return now; });
    drill.SetAnswerMode(CDrill::kTyping);
    drill.SetTarget(4);
    drill.Prepare(u"加1", Questions(30, 30), false);
    EXPECT_EQ(drill.Type(1), CDrill::Typed::Ignored) << "before the start";
    drill.Start();
    drill.SetAnswerMode(CDrill::kChoosing);
    EXPECT_EQ(drill.AnswerMode(), CDrill::kTyping) << "a running drill keeps its answer mode";
    EXPECT_FALSE(drill.Choose(0, drill.Slots()[0].choices.RightIndex));
    for (int32_t k = 0; k < 25; ++k) {
        ASSERT_EQ(drill.Current(), k);
        now += 2000;
        const int32_t right = k + 1;
        if (k < 10) {
            EXPECT_EQ(drill.Type(right), CDrill::Typed::Right);
            continue;
        }
        EXPECT_EQ(drill.Type(right + 3), CDrill::Typed::Wrong);
        now += 5000;
        if (k >= 20) {
            EXPECT_EQ(drill.Type(right + 1), CDrill::Typed::StillWrong);
        }
        EXPECT_EQ(drill.Type(right), CDrill::Typed::Corrected);
    }
    EXPECT_EQ(drill.Current(), 25);
    now = 150000;
    drill.Finish();
    EXPECT_EQ(drill.Current(), std::nullopt);
    EXPECT_EQ(drill.Type(26), CDrill::Typed::Ignored) << "after the finish";
    EXPECT_EQ(drill.Wrong(), 20);
    EXPECT_DOUBLE_EQ(drill.RightPerMinute().value(), 4.0);
    EXPECT_TRUE(drill.ReachesTarget());
    drill.SetTarget(5);
    EXPECT_FALSE(drill.ReachesTarget());

    const CDrillRecord record = drill.Record(60, 60);
    EXPECT_EQ(record.result.answerMode, CDrill::kTyping);
    EXPECT_EQ(record.result.millisecondsUsed, 150000);
    EXPECT_EQ(record.result.target, 5);
    ASSERT_EQ(record.answers.size(), 30U);
    ASSERT_EQ(record.missed.size(), 20U);
    for (size_t k = 0; k < 30; ++k) {
        const auto right = static_cast<int32_t>(k) + 1;
        const CTimedAnswer& answer = record.answers[k];
        EXPECT_EQ(answer.answer, k < 10   ? std::optional(right)
                                 : k < 25 ? std::optional(right + 3)
                                          : std::nullopt)
            << k;
        // Retyping counts to the question retyped, not to the next one.
        EXPECT_EQ(answer.milliseconds, k < 25 ? std::optional(2000) : std::nullopt) << k;
    }
    EXPECT_EQ(record.missed[0].answer, 14);
}

TEST_F(CDrillTest, ChoicesAreTimedFromTheLastAnswerAndTheRateNeedsTime) {
    int64_t now = 1000;
    CDrill drill([&now] { return now; });
    drill.Prepare(u"加1", Questions(30, 30), false);
    drill.Start();
    EXPECT_EQ(drill.Type(1), CDrill::Typed::Ignored) << "a choosing drill";
    now += 3000;
    drill.Choose(4, 0);
    now += 1000;
    drill.Choose(4, 1);
    drill.Choose(7, 0);
    EXPECT_EQ(drill.Slots()[4].milliseconds, 3000) << "the first click counts";
    EXPECT_EQ(drill.Slots()[7].milliseconds, 1000);
    now += 2000;
    drill.Finish();
    const int32_t right =
        (drill.Slots()[4].IsRight() ? 1 : 0) + (drill.Slots()[7].IsRight() ? 1 : 0);
    EXPECT_DOUBLE_EQ(drill.RightPerMinute().value(), right * 10.0) << "2 right in 6 s";

    CDrill instant([] { return 5; });
    instant.Prepare(u"加1", Questions(30, 30), false);
    instant.Start();
    instant.Finish();
    EXPECT_EQ(instant.RightPerMinute(), std::nullopt);
    EXPECT_FALSE(instant.ReachesTarget());
}

// Question 0 is 17÷5=3……2, the others as Questions gives them.
std::vector<CDrillQuestion> DivisionFirst() {
    std::vector<CDrillQuestion> questions = Questions(30, 30);
    auto division = std::make_shared<CExprValue>();
    const std::array<CExprValue::OperandValue, 2> operands{{{Op::None, 17}, {Op::Divide, 5}}};
    division->CreateFrom(operands, 3);
    questions[0].kept.question = division;
    return questions;
}

// Each case types answers to 17÷5 in turn and names what each one did; the
// first is kept, with its remainder.
TEST_F(CDrillTest, ARemainderQuestionCountsOnlyWithBothNumbersRight) {
    struct Case {
        const char* name;
        std::vector<CAnswer> typed;
        std::vector<CDrill::Typed> outcomes;
    };
    using T = CDrill::Typed;
    const std::vector<Case> cases{
        {"right", {{3, 2}}, {T::Right}},
        {"wrong quotient", {{2, 2}, {3, 2}}, {T::Wrong, T::Corrected}},
        {"wrong remainder", {{3, 1}, {3}, {3, 2}}, {T::Wrong, T::StillWrong, T::Corrected}},
        {"no remainder", {{3}, {2, 7}, {3, 2}}, {T::Wrong, T::StillWrong, T::Corrected}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CDrill drill;
        drill.SetAnswerMode(CDrill::kTyping);
        drill.Prepare(u"除法", DivisionFirst(), false);
        drill.Start();
        for (size_t k = 0; k < c.typed.size(); ++k) {
            EXPECT_EQ(drill.Current(), 0) << "no going on before it is right";
            EXPECT_EQ(drill.Type(c.typed[k]), c.outcomes[k]) << k;
        }
        EXPECT_EQ(drill.Current(), 1);
        drill.Finish();
        const CDrillRecord record = drill.Record(0, 0);
        EXPECT_EQ(record.result.answerMode, CDrill::kTyping);
        EXPECT_EQ(record.answers[0].answer, c.typed.front());
        if (c.outcomes.front() == T::Right) {
            EXPECT_EQ(record.result.wrong, 29);
        } else {
            EXPECT_EQ(record.result.wrong, 30);
            EXPECT_EQ(record.missed.front().answer, c.typed.front());
        }
    }
}

// A wrong choice of 17÷5 is kept whole, remainder and all.
TEST_F(CDrillTest, AChosenRemainderAnswerIsKeptWithItsRemainder) {
    CDrill drill;
    drill.Prepare(u"除法", DivisionFirst(), true);
    drill.Start();
    ASSERT_TRUE(drill.Choose(0, WrongChoice(drill.Slots()[0])));
    drill.Finish();
    const CDrillRecord record = drill.Record(0, 0);
    EXPECT_EQ(record.missed.front().answer, CAnswer(2, 7)) << "the teaching slip of 17÷5";
    EXPECT_EQ(record.answers.front().answer->Text(), u"2……7");
}

} // namespace
} // namespace kelvo
