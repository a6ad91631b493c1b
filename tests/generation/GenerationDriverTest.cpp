#include "generation/GenerationDriver.h"
#include "TemplateFactory.h"
#include "foundation/RandomSource.h"
#include "foundation/RuntimeError.h"
#include "foundation/UserInterfaceYield.h"
#include "generation/CInfoReceiver.h"
#include "generation/CTemplateRun.h"
#include "generation/TemplateExpansion.h"
#include "support/QuestionChecks.h"

#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <string>
#include <vector>

namespace kelvo {
namespace {

using testing::MakeOperand;
using testing::MakeTemplate;
using testing::MeetsCbr;
using testing::QuestionText;
using testing::Range;

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

// The share of built questions with a property of the units digits, as the
// builder's draw gives it: the value it solves for first (the first operand of a
// sum, the difference of a subtraction) is uniform in first..last, then the other
// operand's units digit is uniform among those that do not carry (only 0 when its
// step is a multiple of 10). Enumerates every first value and fitting digit.
double PredictedShare(int32_t first, int32_t last, bool otherEndsInZero,
                      const std::function<bool(int32_t, int32_t)>& holds) {
    double share = 0;
    for (int32_t v = first; v <= last; ++v) {
        const int32_t fitting = otherEndsInZero ? 1 : 10 - v % 10;
        for (int32_t digit = 0; digit < fitting; ++digit) {
            if (holds(v % 10, digit)) {
                share += 1.0 / (last - first + 1) / fitting;
            }
        }
    }
    return share;
}

TEST_F(GenerationDriverTest, NoCarryAndNoBorrowQuestionsAppearInTheirShare) {
    struct Case {
        const char* kind;
        std::shared_ptr<CExpression> question;
        const char* property;
        std::function<bool(int32_t, int32_t)> holds; // on the question's a and b
        double predicted;
    };
    const auto endsInNine = [](int32_t a, int32_t) { return a % 10 == 9; };
    const auto endsInZero = [](int32_t, int32_t b) { return b % 10 == 0; };
    const Case cases[] = {
        {"100..999 + 10..990 tens, no carry",
         MakeTemplate({{100, 999}, {10, 990, 10}}, {Op::Plus}, {0, 10000}, Cbr::NoCarry),
         "a ends in 9", endsInNine, PredictedShare(100, 999, true, endsInNine)},
        {"100..999 - 10..990 tens, no borrow",
         MakeTemplate({{100, 999}, {10, 990, 10}}, {Op::Minus}, {0, 10000}, Cbr::NoBorrow),
         "a ends in 9", endsInNine,
         PredictedShare(0, 989, true, [](int32_t d, int32_t b) { return (d + b) % 10 == 9; })},
        {"100..999 + 100..999, no carry",
         MakeTemplate({{100, 999}, {100, 999}}, {Op::Plus}, {0, 10000}, Cbr::NoCarry),
         "b ends in 0", endsInZero, PredictedShare(100, 999, false, endsInZero)},
        {"100..999 + 100..999, no carry",
         MakeTemplate({{100, 999}, {100, 999}}, {Op::Plus}, {0, 10000}, Cbr::NoCarry),
         "a ends in 9", endsInNine, PredictedShare(100, 999, false, endsInNine)},
    };
    constexpr int32_t wanted = 5000;
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.kind) + ": " + c.property);
        int32_t generated = 0;
        const QuestionList questions = GenerateQuestions({c.question}, wanted, &generated, nullptr);
        ASSERT_EQ(generated, wanted);
        const int32_t cbr = c.question->Operands()[1]->CbrSetting();
        int32_t having = 0;
        for (int32_t k = 1; k <= generated; ++k) {
            const auto values = questions.Item(k)->OperandValues();
            const int32_t a = values[0][1];
            const int32_t b = values[1][1];
            EXPECT_TRUE(MeetsCbr(cbr, a, b)) << a << " " << b;
            having += c.holds(a, b) ? 1 : 0;
        }
        EXPECT_NEAR(static_cast<double>(having) / generated, c.predicted, 0.02);
    }
}

// Without a grid the list is one column: no question follows itself.
TEST_F(GenerationDriverTest, ShortListIsShuffledThenRepeatedInRoundsOfItsQuestions) {
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
        const int32_t roundStart = (k - 1) / 7 * 7 + 1;
        int32_t inRound = 0;
        for (int32_t i = roundStart; i <= roundStart + 6 && i <= 20; ++i) {
            inRound += questions.Item(i) == questions.Item(k) ? 1 : 0;
        }
        EXPECT_EQ(inRound, 1) << "entry " << k;
        EXPECT_TRUE(distinct.contains(QuestionText(*questions.Item(k)))) << "entry " << k;
        EXPECT_NE(questions.Item(k), questions.Item(k - 1)) << "entry " << k;
    }
}

// Templates that share the first operand, as the operand panel makes them.
TemplateList Expanded(const std::vector<Range>& operands,
                      const std::vector<std::u16string>& operatorSets, Range result) {
    OperandList list;
    for (const Range& range : operands) {
        list.push_back(MakeOperand(range));
    }
    std::u16string error;
    TemplateList templates;
    for (OperandList& expanded : ExpandTemplates(list, operatorSets, error)) {
        auto expression = std::make_shared<CExpression>();
        expression->Init(std::move(expanded), MakeOperand(result));
        templates.push_back(expression);
    }
    return templates;
}

TEST_F(GenerationDriverTest, TemplatesShareTheWantedNumber) {
    const std::u16string every = u"＋－×÷";
    const struct {
        TemplateList templates;
        size_t templateCount;
    } cases[] = {
        {Expanded({{0, 200}, {0, 200}}, {u"＋－×"}, {0, 200}), 3},
        {Expanded({{1, 100}, {1, 100}, {1, 100}, {1, 100}}, {every, every, every}, {0, 10000}), 64},
    };
    for (const auto& c : cases) {
        ASSERT_EQ(c.templates.size(), c.templateCount);
        int32_t generated = 0;
        GenerationEnd end = GenerationEnd::GaveUp;
        const QuestionList questions =
            GenerateQuestions(c.templates, 5000, &generated, nullptr, &end);
        EXPECT_EQ(generated, 5000) << c.templateCount << " templates";
        EXPECT_EQ(questions.Count(), 5000);
        EXPECT_EQ(end, GenerationEnd::Complete);
    }
}

// Each template's part of the sheet is its part of what the templates yield
// when asked one by one.
TEST_F(GenerationDriverTest, TheMixFollowsWhatEachTemplateYields) {
    const Range r{1, 100};
    const std::vector<std::vector<int32_t>> operators = {
        {Op::Plus, Op::Plus, Op::Plus},   // yields nearly always
        {Op::Plus, Op::Plus, Op::Times},  // about a third of the attempts
        {Op::Times, Op::Minus, Op::Times} // under a tenth
    };
    constexpr int32_t Wanted = 20000;
    TemplateList templates;
    std::vector<double> yields;
    for (const auto& codes : operators) {
        templates.push_back(MakeTemplate({r, r, r, r}, codes, {0, 10000}));
        QuestionList alone;
        templates.back()->CreateInstances(alone, Wanted, nullptr);
        yields.push_back(alone.Count());
    }
    int32_t generated = 0;
    const QuestionList questions = GenerateQuestions(templates, Wanted, &generated, nullptr);
    ASSERT_EQ(generated, Wanted);
    std::vector<double> made(operators.size(), 0);
    for (int32_t k = 1; k <= generated; ++k) {
        const auto& values = questions.Item(k)->OperandValues();
        for (size_t t = 0; t < operators.size(); ++t) {
            made[t] += values[1][0] == operators[t][0] && values[2][0] == operators[t][1] &&
                       values[3][0] == operators[t][2];
        }
    }
    const double totalYield = yields[0] + yields[1] + yields[2];
    for (size_t t = 0; t < operators.size(); ++t) {
        EXPECT_NEAR(made[t] / Wanted, yields[t] / totalYield, 0.03) << "template " << t;
    }
}

TEST_F(GenerationDriverTest, ATemplateThatYieldsNothingDoesNotStarveTheOthers) {
    auto plus = MakeTemplate({{0, 200}, {0, 200}}, {Op::Plus}, {0, 400});
    // Every product of these operands is above the value ceiling.
    auto never = MakeTemplate({{101, 250}, {101, 250}}, {Op::Times}, {0, 10000});
    int32_t generated = 0;
    GenerationEnd end = GenerationEnd::GaveUp;
    GenerateQuestions({never, plus}, 3000, &generated, nullptr, &end);
    EXPECT_EQ(generated, 3000);
    EXPECT_EQ(end, GenerationEnd::Complete);
}

// Two enumerated templates: 100 sums and 55 differences, every one handed out
// once before the list repeats.
TEST_F(GenerationDriverTest, EnumeratedTemplatesGiveEveryQuestionOnceBeforeRepeats) {
    auto plus = MakeTemplate({{0, 9}, {0, 9}}, {Op::Plus}, {0, 20});
    auto minus = MakeTemplate({{0, 9}, {0, 9}}, {Op::Minus}, {0, 20});
    int32_t generated = 0;
    const QuestionList questions = GenerateQuestions({plus, minus}, 1000, &generated, nullptr);
    EXPECT_EQ(generated, 155);
    ASSERT_EQ(questions.Count(), 1000);
    std::set<std::u16string> texts;
    for (int32_t k = 1; k <= generated; ++k) {
        texts.insert(QuestionText(*questions.Item(k)));
    }
    EXPECT_EQ(texts.size(), 155u);
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

    // The templates share one job: one bracket, 1000 questions between them.
    RecordingReceiver many;
    GenerateQuestions({HundredByHundred(), HundredByHundred()}, 1000, nullptr, &many);
    EXPECT_EQ(many.Calls(),
              (std::vector<std::u16string>{u"Start 生成了试题", u"Process x1000", u"Stopped",
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

// An operand or a result that admits no value (1..9 in tens) leaves nothing to
// try: not a single attempt, on either path, however large the ranges.
TEST_F(GenerationDriverTest, ATemplateWithAnEmptyOperandGivesNothingAtOnce) {
    const Range any{0, 10000};
    const Range noTens{1, 9, 10};
    const std::shared_ptr<CExpression> cases[] = {
        // Enumerated: its combinations count 0.
        MakeTemplate({any, any, any, noTens}, {Op::Plus, Op::Plus, Op::Plus}, {0, 10000}),
        MakeTemplate({any, any}, {Op::Plus}, noTens),
    };
    int yields = 0;
    SetYieldHook([&yields] { ++yields; });
    for (const auto& expression : cases) {
        int32_t generated = -1;
        GenerateQuestions({expression}, 100000, &generated, nullptr);
        EXPECT_EQ(generated, 0) << testing::Describe(*expression);
        EXPECT_EQ(yields, 0) << testing::Describe(*expression);
    }
}

// Products of 101..250 are all above the ceiling: the template never succeeds.
std::shared_ptr<CExpression> NeverSucceeds() {
    return MakeTemplate({{101, 250}, {101, 250}}, {Op::Times}, {0, 10000});
}

std::shared_ptr<CExpression> AlwaysSucceeds() {
    return MakeTemplate({{0, 200}, {0, 200}}, {Op::Plus}, {0, 400});
}

// The loop yields every 200 attempts, failed ones too, and a template without
// a success in 20000 attempts in a row is given up.
TEST_F(GenerationDriverTest, AHopelessTemplateYieldsAsItGoesAndIsGivenUp) {
    int yields = 0;
    SetYieldHook([&yields] { ++yields; });
    int32_t generated = -1;
    GenerationEnd end = GenerationEnd::Complete;
    GenerateQuestions({NeverSucceeds()}, 100000, &generated, nullptr, &end);
    EXPECT_EQ(generated, 0);
    EXPECT_EQ(end, GenerationEnd::GaveUp);
    EXPECT_EQ(yields, CTemplateRun::HopelessFailureRun / CGenerationJob::YieldInterval);
}

TEST_F(GenerationDriverTest, ACancelStopsAtTheNextYieldAndKeepsTheQuestions) {
    class CancellingReceiver : public RecordingReceiver {
    public:
        bool IsCancelled() const override { return m_cancelled; }
        bool m_cancelled = false;
    };
    CancellingReceiver receiver;
    int yields = 0;
    SetYieldHook([&] { receiver.m_cancelled = ++yields == 3; });
    int32_t generated = -1;
    GenerationEnd end = GenerationEnd::Complete;
    const QuestionList questions =
        GenerateQuestions({AlwaysSucceeds()}, 5000, &generated, &receiver, &end);
    EXPECT_EQ(end, GenerationEnd::Cancelled);
    EXPECT_EQ(generated, 600);
    EXPECT_EQ(questions.Count(), 5000);
    EXPECT_EQ(receiver.LastProcessed(), 600);
}

// A job whose rate, once measured, would need more than a few seconds stops
// with what it has; on a clock that stands still every job runs to its end.
TEST_F(GenerationDriverTest, AJobThatCannotPlausiblyFinishStops) {
    const struct {
        double secondsPerCall;
        GenerationEnd end;
        int32_t made;
    } cases[] = {
        {0.0, GenerationEnd::Complete, 20000},
        // 0.5 s have passed at the fifth yield, after 1000 questions.
        {0.1, GenerationEnd::GaveUp, 1000},
    };
    for (const auto& c : cases) {
        double now = 0;
        CGenerationJob job(nullptr, [&] { return now += c.secondsPerCall; });
        auto expression = AlwaysSucceeds();
        QuestionList questions;
        EXPECT_EQ(job.Run({expression.get()}, 20000, questions), c.end);
        EXPECT_EQ(questions.Count(), c.made);
    }
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
