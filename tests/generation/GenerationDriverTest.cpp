#include "generation/GenerationDriver.h"
#include "TemplateFactory.h"
#include "foundation/RandomSource.h"
#include "foundation/RuntimeError.h"
#include "foundation/UserInterfaceYield.h"
#include "generation/CInfoReceiver.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace kelvo {
namespace {

using testing::MakeTemplate;
using testing::QuestionText;

// Records the calls as "Start 生成了试题", "Stopped", and counts Process calls
// in between as one "Process xN" entry.
class RecordingReceiver : public CInfoReceiver {
public:
    void Start(const std::u16string& info) override { Record(u"Start " + info); }
    void Process(int32_t info) override {
        ++m_processed;
        m_lastProcessed = info;
    }
    void Stopped() override { Record(u"Stopped"); }

    std::vector<std::u16string> Calls() {
        FlushProcessed();
        return m_calls;
    }
    int32_t LastProcessed() const { return m_lastProcessed; }

private:
    void Record(const std::u16string& call) {
        FlushProcessed();
        m_calls.push_back(call);
    }
    void FlushProcessed() {
        if (m_processed > 0) {
            m_calls.push_back(u"Process x" + DecimalText(m_processed));
            m_processed = 0;
        }
    }

    std::vector<std::u16string> m_calls;
    int32_t m_processed = 0;
    int32_t m_lastProcessed = 0;
};

class GenerationDriverTest : public ::testing::Test {
protected:
    void SetUp() override { SeedRandom(11); }
    void TearDown() override {
        SetYieldHook(nullptr);
        UseClockForRandomReseed();
    }
};

// 10000 combinations, every one admissible.
std::shared_ptr<CExpression> HundredByHundred() {
    return MakeTemplate({{0, 99}, {0, 99}}, {Op::Plus}, {0, 10000});
}

TEST_F(GenerationDriverTest, TenThousandCombinationsAreEnumeratedAndMoreAreBuilt) {
    QuestionList questions;
    auto enumerated = MakeTemplate({{1, 100}, {1, 100}}, {Op::Plus}, {0, 10000});
    auto built = MakeTemplate({{0, 100}, {1, 100}}, {Op::Plus}, {0, 10000});
    ASSERT_EQ(enumerated->GetPermCombineTimes(), 10000u);
    ASSERT_EQ(built->GetPermCombineTimes(), 10100u);
    EXPECT_FALSE(enumerated->CreateInstances(questions, 10, nullptr));
    EXPECT_TRUE(built->CreateInstances(questions, 10, nullptr));
    EXPECT_EQ(questions.Count(), 20);
}

TEST_F(GenerationDriverTest, ShortListIsShuffledThenRepeatedFromItsStart) {
    auto seven = MakeTemplate({{0, 6}, {0, 0}}, {Op::Plus}, {0, 6});
    int32_t generated = -1;
    const QuestionList questions = GenerateQuestions({seven}, 20, &generated, nullptr);
    EXPECT_EQ(generated, 7);
    ASSERT_EQ(questions.Count(), 20);
    std::set<std::u16string> distinct;
    for (int32_t k = 1; k <= 7; ++k) {
        distinct.insert(QuestionText(*questions.Item(k)));
    }
    EXPECT_EQ(distinct.size(), 7u);
    for (int32_t k = 8; k <= 20; ++k) {
        EXPECT_EQ(questions.Item(k), questions.Item((k - 1) % 7 + 1)) << "entry " << k;
    }
}

TEST_F(GenerationDriverTest, EveryTemplateGetsTheWantedNumber) {
    auto plus = MakeTemplate({{0, 9}, {0, 9}}, {Op::Plus}, {0, 20});
    auto minus = MakeTemplate({{0, 9}, {0, 9}}, {Op::Minus}, {0, 20});
    int32_t generated = 0;
    const QuestionList questions = GenerateQuestions({plus, minus}, 20, &generated, nullptr);
    EXPECT_EQ(generated, 40);
    ASSERT_EQ(questions.Count(), 40);
    std::set<std::u16string> texts;
    for (int32_t k = 1; k <= 40; ++k) {
        texts.insert(QuestionText(*questions.Item(k)));
    }
    EXPECT_EQ(texts.size(), 40u);
}

TEST_F(GenerationDriverTest, NoTemplatesGiveAnEmptyList) {
    RecordingReceiver receiver;
    int32_t generated = -1;
    const QuestionList questions = GenerateQuestions({}, 1000, &generated, &receiver);
    EXPECT_EQ(questions.Count(), 0);
    EXPECT_EQ(generated, 0);
    EXPECT_TRUE(receiver.Calls().empty());
}

TEST_F(GenerationDriverTest, ProgressIsBracketedFromAThousandOn) {
    RecordingReceiver few;
    GenerateQuestions({HundredByHundred()}, 999, nullptr, &few);
    EXPECT_EQ(few.Calls(), std::vector<std::u16string>{u"Process x999"});
    EXPECT_EQ(few.LastProcessed(), 999);

    RecordingReceiver many;
    GenerateQuestions({HundredByHundred(), HundredByHundred()}, 1000, nullptr, &many);
    EXPECT_EQ(many.Calls(),
              (std::vector<std::u16string>{u"Start 生成了试题", u"Process x1000", u"Stopped",
                                           u"Start 生成了试题", u"Process x1000", u"Stopped",
                                           u"Start 打乱顺序", u"Stopped"}));
}

TEST_F(GenerationDriverTest, TemplateWithoutQuestionsSkipsTheShuffle) {
    RecordingReceiver receiver;
    auto impossible = MakeTemplate({{0, 9}, {0, 9}}, {Op::Plus}, {50, 60});
    int32_t generated = -1;
    const QuestionList questions = GenerateQuestions({impossible}, 5000, &generated, &receiver);
    EXPECT_EQ(questions.Count(), 0);
    EXPECT_EQ(generated, 0);
    EXPECT_EQ(receiver.Calls(), (std::vector<std::u16string>{u"Start 生成了试题", u"Stopped"}));
}

TEST_F(GenerationDriverTest, EnumeratedTemplateNeverRepeatsAQuestion) {
    int32_t generated = 0;
    const QuestionList questions =
        GenerateQuestions({HundredByHundred()}, 100000, &generated, nullptr);
    EXPECT_EQ(generated, 10000);
    ASSERT_EQ(questions.Count(), 100000);
    std::set<std::u16string> texts;
    for (int32_t k = 1; k <= generated; ++k) {
        texts.insert(QuestionText(*questions.Item(k)));
    }
    EXPECT_EQ(texts.size(), 10000u);
}

TEST_F(GenerationDriverTest, LoopsYieldAtTheirIntervals) {
    int yields = 0;
    SetYieldHook([&yields] { ++yields; });
    // Generation yields after questions 200, 400, ..., 2000; the shuffle at entry 2000.
    GenerateQuestions({HundredByHundred()}, 2001, nullptr, nullptr);
    EXPECT_EQ(yields, 11);
}

// A window disables itself on Start; an error in the middle of the work must
// still enable it again, and the error must reach the caller.
TEST_F(GenerationDriverTest, ErrorAfterStartStillSendsStopped) {
    class FailingReceiver : public RecordingReceiver {
    public:
        void Process(int32_t info) override {
            RecordingReceiver::Process(info);
            if (info == 500) {
                RaiseError(ErrorNumber::Overflow);
            }
        }
    };
    FailingReceiver generating;
    EXPECT_THROW(GenerateQuestions({HundredByHundred()}, 1000, nullptr, &generating),
                 CRuntimeError);
    EXPECT_EQ(generating.Calls(),
              (std::vector<std::u16string>{u"Start 生成了试题", u"Process x500", u"Stopped"}));

    RecordingReceiver shuffling;
    int yields = 0;
    SetYieldHook([&yields] {
        if (++yields == 11) { // the first yield of the shuffle
            RaiseError(ErrorNumber::SubscriptOutOfRange);
        }
    });
    EXPECT_THROW(GenerateQuestions({HundredByHundred()}, 2001, nullptr, &shuffling), CRuntimeError);
    EXPECT_EQ(shuffling.Calls(),
              (std::vector<std::u16string>{u"Start 生成了试题", u"Process x2001", u"Stopped",
                                           u"Start 打乱顺序", u"Stopped"}));
}

TEST_F(GenerationDriverTest, LongListIsOnlyShuffled) {
    QuestionList questions;
    auto question = std::make_shared<CExprValue>();
    for (int i = 0; i < 30; ++i) {
        questions.Add(question);
    }
    ShuffleAndFill(questions, 1, 30, 20, nullptr);
    EXPECT_EQ(questions.Count(), 30);
}

} // namespace
} // namespace kelvo
