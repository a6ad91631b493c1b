#include "foundation/RandomSource.h"
#include "foundation/TextNumber.h"
#include "generation/QuestionForm.h"
#include "number/OperatorCodes.h"
#include "output/CAnswerCellMaker.h"
#include "output/CLineCellMaker.h"
#include "output/FixedWidthMeasure.h"
#include "support/BruteForce.h"
#include "support/KindFactory.h"
#include "worksheet/AdmittedCount.h"
#include "worksheet/QuestionSet.h"
#include "worksheet/Sheet.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <optional>
#include <set>
#include <string>

namespace kelvo {
namespace {

using testing::KeyOf;
using testing::MakeKind;
using testing::QuestionKey;

std::shared_ptr<CQuestionData> AskedAs(std::shared_ptr<CQuestionData> kind, QuestionForm form) {
    kind->SetForm(form);
    return kind;
}

// One step as a child works it, or none where the step is not admissible.
std::optional<int64_t> Step(int64_t x, int32_t code, int64_t y) {
    switch (code) {
    case Op::Plus:
        return x + y;
    case Op::Minus:
        return x >= y ? std::optional(x - y) : std::nullopt;
    case Op::Times:
        return x * y <= 10000 ? std::optional(x * y) : std::nullopt;
    default:
        return y != 0 && x % y == 0 ? std::optional(x / y) : std::nullopt;
    }
}

// Two or three values without parentheses, times and divide first.
std::optional<int64_t> Worked(const std::vector<int64_t>& values,
                              const std::vector<int32_t>& codes) {
    if (values.size() == 2) {
        return Step(values[0], codes[1], values[1]);
    }
    if (IsTimesOrDivide(codes[2]) && !IsTimesOrDivide(codes[1])) {
        const auto right = Step(values[1], codes[2], values[2]);
        return right ? Step(values[0], codes[1], *right) : std::nullopt;
    }
    const auto left = Step(values[0], codes[1], values[1]);
    return left ? Step(*left, codes[2], values[2]) : std::nullopt;
}

// The key as (value, code, value, …, result), split into values and codes.
void Split(const QuestionKey& key, std::vector<int64_t>& values, std::vector<int32_t>& codes) {
    codes = {Op::None};
    values = {key[0]};
    for (size_t k = 1; k + 1 < key.size(); k += 2) {
        codes.push_back(key[k]);
        values.push_back(key[k + 1]);
    }
}

bool UniqueOperators(const QuestionKey& key) {
    std::vector<int64_t> values;
    std::vector<int32_t> codes;
    Split(key, values, codes);
    const auto own = Worked(values, codes);
    int matches = 0;
    const int32_t all[] = {Op::Plus, Op::Minus, Op::Times, Op::Divide};
    for (const int32_t first : all) {
        for (const int32_t second : all) {
            std::vector<int32_t> tried = {Op::None, first, second};
            tried.resize(codes.size());
            const auto other = Worked(values, tried);
            matches += other && own && *other == *own && (values.size() == 3 || second == Op::Plus);
        }
    }
    return matches == 1;
}

int64_t HalfUp(int64_t value, int64_t step) {
    return value % step * 2 >= step ? value - value % step + step : value - value % step;
}

// Two operands: every operand of at least the unit rounds and changes, not
// to 0; a dividend to a multiple of the unit its divisor divides.
bool Estimable(const QuestionKey& key, int64_t unit) {
    const int64_t a = key[0];
    const int32_t code = key[1];
    const int64_t b = key[2];
    const int64_t roundB = b < unit ? b : HalfUp(b, unit);
    int64_t step = unit;
    while (code == Op::Divide && roundB != 0 && step % roundB != 0) {
        step += unit;
    }
    const int64_t roundA = a < unit ? a : HalfUp(a, step);
    const auto changes = [unit](int64_t value, int64_t rounded) {
        return value < unit || (rounded != value && rounded != 0);
    };
    return (a >= unit || b >= unit) && changes(a, roundA) && changes(b, roundB) &&
           Step(roundA, code, roundB).has_value();
}

// Each form admits what trying every question of the kind finds, generation
// gives only those, and the count says how many.
TEST(QuestionFormsTest, FormsAdmitWhatTryingEveryQuestionFinds) {
    struct Case {
        const char* name;
        std::shared_ptr<CQuestionData> kind;
        std::function<bool(const QuestionKey&)> admits;
    };
    const auto all = [](const QuestionKey&) { return true; };
    const auto tens = [](const QuestionKey& key) { return Estimable(key, 10); };
    const auto hundreds = [](const QuestionKey& key) { return Estimable(key, 100); };
    const Case cases[] = {
        {"compare",
         AskedAs(MakeKind({{0, 20}, {0, 20}}, {u"＋－$$"}, {0, 20}), QuestionForm::Compare), all},
        {"compare with remainder",
         AskedAs(MakeKind({{0, 30}, {1, 9}}, {u"$$$÷"}, {0, 30}, Cbr::Remainder),
                 QuestionForm::Compare),
         [](const QuestionKey&) { return false; }},
        {"operators",
         AskedAs(MakeKind({{0, 20}, {0, 20}}, {u"＋－$$"}, {0, 20}), QuestionForm::FillOperator),
         UniqueOperators},
        {"operators of the tables",
         AskedAs(MakeKind({{0, 81}, {1, 9}}, {u"$$×÷"}, {0, 81}), QuestionForm::FillOperator),
         UniqueOperators},
        {"operators of three",
         AskedAs(MakeKind({{1, 9}, {1, 9}, {1, 9}}, {u"＋－×$", u"＋－×÷"}, {0, 40}),
                 QuestionForm::FillOperator),
         UniqueOperators},
        {"tens",
         AskedAs(MakeKind({{1, 99}, {1, 99}}, {u"＋－$$"}, {0, 200}), QuestionForm::EstimateTens),
         tens},
        {"tens times",
         AskedAs(MakeKind({{10, 99}, {2, 9}}, {u"$$×$"}, {0, 1000}), QuestionForm::EstimateTens),
         tens},
        {"tens divided with remainder",
         AskedAs(MakeKind({{100, 999}, {2, 9}}, {u"$$$÷"}, {0, 999}, Cbr::Remainder),
                 QuestionForm::EstimateTens),
         tens},
        {"hundreds divided",
         AskedAs(MakeKind({{100, 999}, {2, 9}}, {u"$$$÷"}, {0, 999}),
                 QuestionForm::EstimateHundreds),
         hundreds},
        {"hundreds",
         AskedAs(MakeKind({{100, 199}, {100, 999, 10}}, {u"＋－$$"}, {0, 2000}),
                 QuestionForm::EstimateHundreds),
         hundreds},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::set<QuestionKey> expected;
        for (const QuestionKey& key : testing::AdmissibleQuestions(*c.kind)) {
            if (c.admits(key)) {
                expected.insert(key);
            }
        }
        const CAdmittedCount admitted = CountAdmittedQuestions(*c.kind);
        EXPECT_TRUE(admitted.isExact);
        EXPECT_EQ(admitted.count, static_cast<int64_t>(expected.size()));
        const CQuestionSet drawn = MakeQuestions(*c.kind, 3000, nullptr);
        std::set<QuestionKey> generated;
        for (int32_t i = 1; i <= drawn.questions.Count(); ++i) {
            generated.insert(KeyOf(*drawn.questions.Item(i)));
        }
        EXPECT_TRUE(
            std::includes(expected.begin(), expected.end(), generated.begin(), generated.end()));
        if (expected.size() <= 3000 && !expected.empty()) {
            EXPECT_EQ(generated, expected);
        }
    }
}

TEST(QuestionFormsTest, EachSignTakesAboutAThirdOfASheetAndTheRightSideStaysNear) {
    const std::shared_ptr<CQuestionData> kinds[] = {
        MakeKind({{0, 20}, {0, 20}}, {u"＋－$$"}, {0, 20}),
        MakeKind({{10, 99}, {10, 99}}, {u"＋－$$"}, {0, 100}),
        MakeKind({{1, 9}, {1, 9}}, {u"$$×$"}, {1, 81}),
    };
    for (const auto& [kind, form] : {std::pair{kinds[0], QuestionForm::Compare},
                                     {kinds[1], QuestionForm::Compare},
                                     {kinds[2], QuestionForm::Compare},
                                     {kinds[0], QuestionForm::CompareQuestions},
                                     {kinds[1], QuestionForm::CompareQuestions},
                                     {kinds[2], QuestionForm::CompareQuestions}}) {
        kind->SetForm(form);
        const std::set<QuestionKey> admissible = testing::AdmissibleQuestions(*kind);
        for (uint64_t seed = 1; seed <= 4; ++seed) {
            const CSeededRandom drawn(seed);
            const CQuestionSet sheet = MakeQuestions(*kind, 200, nullptr);
            ASSERT_EQ(sheet.questions.Count(), 200);
            std::map<std::u16string_view, int> signs;
            for (int32_t i = 1; i <= sheet.questions.Count(); ++i) {
                const CExprValue& question = *sheet.questions.Item(i);
                const int32_t value = question.ResultValue();
                ++signs[ComparisonSign(value, question.Comparand())];
                EXPECT_LE(std::abs(question.Comparand() - value), std::max(value / 10, 2));
                // The right side is another question of the kind, or a number.
                if (const auto& right = question.ComparedQuestion()) {
                    EXPECT_EQ(right->ResultValue(), question.Comparand());
                    EXPECT_NE(KeyOf(*right), KeyOf(question));
                    EXPECT_TRUE(admissible.contains(KeyOf(*right)));
                } else {
                    EXPECT_EQ(form, QuestionForm::Compare);
                }
            }
            for (const std::u16string_view sign : {u"＞", u"＜", u"＝"}) {
                SCOPED_TRACE(seed);
                EXPECT_GE(signs[sign], 50);
                EXPECT_LE(signs[sign], 84);
            }
        }
    }
}

// A comparison of two questions is an ordered pair of different questions
// of the kind, the right one at most a tenth of the left's value (at least 2)
// away; a quotient with a remainder has no value to compare.
TEST(QuestionFormsTest, TwoQuestionComparisonsCountTheNearPairsOfTheKind) {
    const std::shared_ptr<CQuestionData> kinds[] = {
        MakeKind({{0, 12}, {0, 12}}, {u"＋－$$"}, {0, 12}),
        MakeKind({{1, 9}, {1, 9}}, {u"$$×$"}, {1, 81}),
        MakeKind({{2, 2}, {3, 3}}, {u"＋$$$"}, {0, 9}),
    };
    for (const auto& kind : kinds) {
        kind->SetForm(QuestionForm::CompareQuestions);
        const std::set<QuestionKey> questions = testing::AdmissibleQuestions(*kind);
        int64_t pairs = 0;
        for (const QuestionKey& left : questions) {
            for (const QuestionKey& right : questions) {
                pairs += left != right &&
                         std::abs(right.back() - left.back()) <= std::max(left.back() / 10, 2);
            }
        }
        const CAdmittedCount admitted = CountAdmittedQuestions(*kind);
        EXPECT_TRUE(admitted.isExact);
        EXPECT_EQ(admitted.count, pairs);
    }
    for (const QuestionForm form : {QuestionForm::CompareQuestions, QuestionForm::FillOperator}) {
        const auto remainder =
            AskedAs(MakeKind({{0, 30}, {1, 9}}, {u"$$$÷"}, {0, 30}, Cbr::Remainder), form);
        const CQuestionSet drawn = MakeQuestions(*remainder, 10, nullptr);
        EXPECT_FALSE(drawn.HasQuestions());
        EXPECT_EQ(drawn.errorText, RemainderFormErrorText);
    }
}

TEST(QuestionFormsTest, EstimatesRoundHalvesUpAndDividendsToWhatTheDivisorDivides) {
    struct Case {
        std::vector<int32_t> values;
        int32_t code;
        int32_t unit;
        std::optional<std::vector<int32_t>> rounded;
        int32_t result;
    };
    const Case cases[] = {
        {{45, 34}, Op::Plus, 10, {{50, 30}}, 80},       {{44, 35}, Op::Minus, 10, {{40, 40}}, 0},
        {{250, 149}, Op::Plus, 100, {{300, 100}}, 400}, {{298, 3}, Op::Times, 100, {{300, 3}}, 900},
        {{182, 3}, Op::Divide, 10, {{180, 3}}, 60},     {{105, 7}, Op::Divide, 10, {{140, 7}}, 20},
        {{40, 32}, Op::Plus, 10, std::nullopt, 0},      {{12, 7}, Op::Divide, 10, std::nullopt, 0},
        {{7, 3}, Op::Times, 10, std::nullopt, 0},
    };
    for (const Case& c : cases) {
        const std::vector<int32_t> codes = {Op::None, c.code};
        const auto estimate = Estimate(c.values, codes, {}, c.unit);
        ASSERT_EQ(estimate.has_value(), c.rounded.has_value()) << c.values[0];
        if (estimate) {
            EXPECT_EQ(std::vector<int32_t>(estimate->values.begin(), estimate->values.begin() + 2),
                      *c.rounded);
            EXPECT_EQ(estimate->result, c.result);
        }
    }
}

TEST(QuestionFormsTest, TheSheetWritesACircleWhereThePupilAnswers) {
    struct Case {
        std::shared_ptr<CQuestionData> kind;
        std::u16string question;
        std::u16string answered;
    };
    const Case cases[] = {
        {AskedAs(MakeKind({{8, 8}, {5, 5}}, {u"＋$$$"}, {0, 20}), QuestionForm::FillOperator),
         u"8 ○ 5 = 13", u"8 ＋ 5 = 13"},
        {AskedAs(MakeKind({{49, 49}, {32, 32}}, {u"＋$$$"}, {0, 200}), QuestionForm::EstimateTens),
         u"49＋32≈", u"49＋32≈50＋30=80"},
        {AskedAs(MakeKind({{182, 182}, {3, 3}}, {u"$$$÷"}, {0, 100}, Cbr::Remainder),
                 QuestionForm::EstimateTens),
         u"182÷3≈", u"182÷3≈180÷3=60"},
    };
    COutputSettings layout;
    layout.SetRowCount(1);
    layout.SetColumnCount(1);
    for (const Case& c : cases) {
        const CQuestionSet questionSet = MakeQuestions(*c.kind, 1, nullptr);
        layout.SetIsShowAnswer(false);
        EXPECT_EQ(FormatQuestions(questionSet, layout, nullptr), c.question + u"\r\n");
        layout.SetIsShowAnswer(true);
        EXPECT_EQ(FormatQuestions(questionSet, layout, nullptr), c.answered + u"\r\n");
    }
    // 8＋5 and 9＋5 are the only questions, each the other's right side.
    const auto twoQuestions =
        AskedAs(MakeKind({{8, 9}, {5, 5}}, {u"＋$$$"}, {0, 20}), QuestionForm::CompareQuestions);
    const CQuestionSet pair = MakeQuestions(*twoQuestions, 1, nullptr);
    const bool isEightFirst = pair.questions.Item(1)->ResultValue() == 13;
    layout.SetIsShowAnswer(false);
    EXPECT_EQ(FormatQuestions(pair, layout, nullptr),
              isEightFirst ? u"8＋5 ○ 9＋5\r\n" : u"9＋5 ○ 8＋5\r\n");
    layout.SetIsShowAnswer(true);
    EXPECT_EQ(FormatQuestions(pair, layout, nullptr),
              isEightFirst ? u"8＋5 ＜ 9＋5\r\n" : u"9＋5 ＞ 8＋5\r\n");
    const auto compare =
        AskedAs(MakeKind({{8, 8}, {5, 5}}, {u"＋$$$"}, {0, 20}), QuestionForm::Compare);
    const CQuestionSet questionSet = MakeQuestions(*compare, 1, nullptr);
    const int32_t comparand = questionSet.questions.Item(1)->Comparand();
    const std::u16string right = DecimalText(comparand);
    layout.SetIsShowAnswer(false);
    EXPECT_EQ(FormatQuestions(questionSet, layout, nullptr), u"8＋5 ○ " + right + u"\r\n");
    layout.SetIsShowAnswer(true);
    EXPECT_EQ(FormatQuestions(questionSet, layout, nullptr),
              u"8＋5 " + std::u16string(ComparisonSign(13, comparand)) + u" " + right + u"\r\n");
}

// On paper a circle stands for each "○" and holds the sign where answers are
// shown; an estimate leaves room for its rounded calculation. The answer
// sheet of 听算 holds only what the pupil writes.
TEST(QuestionFormsTest, ACellOnPaperHasACircleForEachSignAndRoomForAnEstimate) {
    struct Case {
        std::shared_ptr<CQuestionData> kind;
        std::vector<std::pair<CCellPiece::Kind, std::u16string>> pieces;
        std::u16string written;
    };
    using enum CCellPiece::Kind;
    const Case cases[] = {
        {AskedAs(MakeKind({{8, 8}, {5, 5}}, {u"＋$$$"}, {0, 20}), QuestionForm::FillOperator),
         {{Text, u"8 "}, {Circle, u"＋"}, {Text, u" 5 = 13"}},
         u"＋"},
        {AskedAs(MakeKind({{6, 6}, {3, 3}, {2, 2}}, {u"＋$$$", u"$$×$"}, {0, 20}),
                 QuestionForm::FillOperator),
         {{Text, u"6 "}, {Circle, u"＋"}, {Text, u" 3 "}, {Circle, u"×"}, {Text, u" 2 = 12"}},
         u"＋×"},
        {AskedAs(MakeKind({{49, 49}, {32, 32}}, {u"＋$$$"}, {0, 200}), QuestionForm::EstimateTens),
         {{Text, u"49＋32≈"}, {Result, u"50＋30=80"}},
         u"80"},
        {AskedAs(MakeKind({{8, 9}, {5, 5}}, {u"＋$$$"}, {0, 20}), QuestionForm::CompareQuestions),
         {{Text, u"8＋5 "}, {Circle, u"＜"}, {Text, u" 9＋5"}},
         u"＜"},
    };
    const CFixedWidthMeasure measure;
    const CLineCellMaker maker(measure, {}, false, 5, 10);
    const CAnswerCellMaker answerBox(measure, {}, 5, 10);
    for (const Case& c : cases) {
        // 8＋5 ○ 9＋5 is the first comparison where it comes first.
        const QuestionList questions = MakeQuestions(*c.kind, 2, nullptr).questions;
        const CExprValue& question =
            *questions.Item(questions.Item(1)->ResultValue() == 14 ? 2 : 1);
        EXPECT_EQ(answerBox.Make(question, 0).pieces.front().text, c.written);
        const CCell cell = maker.Make(question, -1);
        ASSERT_EQ(cell.pieces.size(), c.pieces.size());
        for (size_t k = 0; k < c.pieces.size(); ++k) {
            const CCellPiece& piece = cell.pieces[k];
            EXPECT_EQ(piece.kind, c.pieces[k].first);
            EXPECT_EQ(piece.text, c.pieces[k].second);
            EXPECT_GE(piece.width, measure.TextWidth(piece.text, 10));
            EXPECT_LE(piece.x + piece.width, cell.width);
        }
    }
}

// A plan holds sections of different forms, apart or mixed, each question
// written in its own.
TEST(QuestionFormsTest, APlanMixesForms) {
    CSheetPlan plan;
    plan.Add(MakeKind({{0, 20}, {0, 20}}, {u"＋$$$"}, {0, 20}, 0, u"计算"), 12);
    plan.Add(AskedAs(MakeKind({{0, 20}, {0, 20}}, {u"＋－$$"}, {0, 20}, 0, u"比大小"),
                     QuestionForm::Compare),
             8);
    plan.Add(AskedAs(MakeKind({{11, 99}, {11, 99}}, {u"＋$$$"}, {0, 200}, 0, u"估算"),
                     QuestionForm::EstimateTens),
             5);
    plan.Add(AskedAs(MakeKind({{0, 20}, {0, 20}}, {u"＋－$$"}, {0, 20}, 0, u"两边算式"),
                     QuestionForm::CompareQuestions),
             6);
    COutputSettings layout;
    layout.SetColumnCount(5);
    for (const bool mixed : {false, true}) {
        plan.SetIsMixed(mixed);
        const CSheet sheet = DrawSheet(plan, 5, 11, nullptr, nullptr);
        const std::u16string text = FormatSheet(sheet, layout, nullptr);
        EXPECT_EQ(std::count(text.begin(), text.end(), u'='), 12) << mixed;
        EXPECT_EQ(std::count(text.begin(), text.end(), u'○'), 14) << mixed;
        EXPECT_EQ(std::count(text.begin(), text.end(), u'≈'), 5) << mixed;
        // Counting the kinds first draws nothing of the sheet's: a code makes
        // the same sheet again.
        CAdmittedCounts counts;
        EXPECT_EQ(FormatSheet(DrawSheet(plan, 5, 11, &counts, nullptr), layout, nullptr), text);
    }
}

} // namespace
} // namespace kelvo
