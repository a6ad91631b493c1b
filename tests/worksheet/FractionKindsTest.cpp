#include "foundation/RandomSource.h"
#include "foundation/TextNumber.h"
#include "generation/FormQuestionText.h"
#include "number/OperatorCodes.h"
#include "question/CPreCreatedQuestions.h"
#include "question/QuestionTemplates.h"
#include "support/KindFactory.h"
#include "worksheet/AdmittedCount.h"
#include "worksheet/QuestionSet.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <numeric>
#include <optional>
#include <string>

namespace kelvo {
namespace {

using testing::KindRange;
using testing::MakeKind;

// A number as a pupil reads it off the sheet, not yet reduced: "3/5",
// "1又1/2" or "4".
struct Written {
    int64_t numerator = 0;
    int64_t denominator = 1;
    bool isMixed = false;

    bool IsLowest() const { return std::gcd(numerator, denominator) == 1; }
    // a/b < c/d, by cross products.
    bool operator<(const Written& other) const {
        return numerator * other.denominator < other.numerator * denominator;
    }
    bool operator==(const Written& other) const {
        return numerator * other.denominator == other.numerator * denominator;
    }
};

std::optional<int64_t> Digits(std::u16string_view text) {
    if (text.empty() || (text.size() > 1 && text[0] == u'0')) {
        return std::nullopt;
    }
    int64_t value = 0;
    for (const char16_t digit : text) {
        if (digit < u'0' || digit > u'9') {
            return std::nullopt;
        }
        value = value * 10 + (digit - u'0');
    }
    return value;
}

std::optional<Written> Read(std::u16string_view text) {
    Written number;
    const size_t mark = text.find(u'又');
    int64_t whole = 0;
    if (mark != std::u16string_view::npos) {
        const auto digits = Digits(text.substr(0, mark));
        if (!digits || *digits == 0) {
            return std::nullopt;
        }
        whole = *digits;
        number.isMixed = true;
        text.remove_prefix(mark + 1);
    }
    const size_t bar = text.find(u'/');
    const auto top = Digits(text.substr(0, bar));
    const auto bottom =
        bar == std::u16string_view::npos ? std::optional<int64_t>(1) : Digits(text.substr(bar + 1));
    if (!top || !bottom || *bottom == 0 || (number.isMixed && *top >= *bottom)) {
        return std::nullopt;
    }
    number.numerator = whole * *bottom + *top;
    number.denominator = *bottom;
    return number;
}

std::optional<Written> Worked(const Written& x, int32_t code, const Written& y) {
    const auto reduced = [](int64_t n, int64_t d) {
        const int64_t g = std::gcd(n, d);
        return Written{n / g, d / g};
    };
    switch (code) {
    case Op::Plus:
        return reduced(x.numerator * y.denominator + y.numerator * x.denominator,
                       x.denominator * y.denominator);
    case Op::Minus:
        if (x < y) {
            return std::nullopt;
        }
        return reduced(x.numerator * y.denominator - y.numerator * x.denominator,
                       x.denominator * y.denominator);
    case Op::Times:
        return reduced(x.numerator * y.numerator, x.denominator * y.denominator);
    default:
        return reduced(x.numerator * y.denominator, x.denominator * y.numerator);
    }
}

bool HasShape(const Written& x, FractionOperand shape, const CValueLimit& range) {
    if (shape == FractionOperand::Whole) {
        return x.denominator == 1;
    }
    const bool inRange = range.LowerLimit() <= x.denominator && x.denominator <= range.UpperLimit();
    const bool proper = x.numerator < x.denominator;
    return inRange && x.IsLowest() && x.denominator > 1 &&
           proper == (shape == FractionOperand::Proper) &&
           x.numerator < ImproperValueCeiling * x.denominator;
}

// Every preset fraction sheet, read back as a pupil reads it: each operand of
// its shape in lowest terms, each answer worked out again exactly and
// written in lowest terms, as a mixed number where the kind asks for one.
TEST(FractionKindsTest, EveryFractionPresetAsksExactQuestionsInLowestTerms) {
    CPreCreatedQuestions presets;
    presets.Load();
    int32_t fractionPresets = 0;
    for (int32_t i = 1; i <= presets.Questions().Count(); ++i) {
        const CQuestionData& kind = *presets.Questions().Item(i);
        if (!kind.IsFraction()) {
            continue;
        }
        ++fractionPresets;
        const CFractionShape& shape = kind.Fractions();
        const CSeededRandom drawn(20261209u);
        const CQuestionSet set = MakeQuestions(kind, 200, nullptr);
        ASSERT_EQ(set.questions.Count(), 200) << i;
        for (int32_t q = 1; q <= set.questions.Count(); ++q) {
            const CExprValue& question = *set.questions.Item(q);
            if (kind.Form() == QuestionForm::Compare) {
                // "3/4 ＞ 2/3": two different numbers of their shapes, the
                // sign between them right.
                std::u16string answered;
                AppendFormQuestion(question, true, answered);
                const size_t gap = answered.find(u' ');
                const auto x = Read(std::u16string_view(answered).substr(0, gap));
                const auto y = Read(std::u16string_view(answered).substr(gap + 3));
                ASSERT_TRUE(x && y) << i << ' ' << q;
                EXPECT_TRUE(HasShape(*x, shape.operands[0], *kind.Limit1()) &&
                            HasShape(*y, shape.operands[1], *kind.Limit2()))
                    << i << ' ' << q;
                const char16_t sign = *x < *y ? u'＜' : (*y < *x ? u'＞' : u'＝');
                EXPECT_EQ(answered[gap + 1], sign) << i << ' ' << q;
                EXPECT_FALSE(*x == *y) << i << ' ' << q;
                continue;
            }
            const std::u16string left = question.LeftPartToString().ToString();
            const int32_t code = question.OperandValues()[1][0];
            const size_t sign = left.find(OperatorText(code));
            const auto x = Read(std::u16string_view(left).substr(0, sign));
            const auto y = Read(std::u16string_view(left).substr(sign + 1, left.size() - sign - 2));
            const auto answer = Read(question.ResultText());
            ASSERT_TRUE(x && y && answer) << i << ' ' << q;
            EXPECT_TRUE(HasShape(*x, shape.operands[0], *kind.Limit1()) &&
                        HasShape(*y, shape.operands[1], *kind.Limit2()))
                << i << ' ' << q;
            EXPECT_FALSE(x->denominator == 1 && y->denominator == 1) << i;
            EXPECT_TRUE(answer->IsLowest()) << i << ' ' << q;
            EXPECT_EQ(answer->isMixed, shape.result == FractionResult::Mixed &&
                                           answer->numerator > answer->denominator);
            const auto worked = Worked(*x, code, *y);
            ASSERT_TRUE(worked.has_value()) << i << ' ' << q;
            EXPECT_EQ(*worked, *answer) << i << ' ' << q;
            EXPECT_FALSE(*answer < Written{kind.ResultLimit()->LowerLimit()}) << i;
            EXPECT_FALSE(Written{kind.ResultLimit()->UpperLimit()} < *answer) << i;
            if (kind.Rules().isSameDenominator) {
                EXPECT_EQ(x->denominator, y->denominator) << i;
            }
            if (kind.Rules().isDifferentDenominators) {
                EXPECT_NE(x->denominator, y->denominator) << i;
            }
        }
    }
    EXPECT_EQ(fractionPresets, 7);
}

// Small fraction kinds of every operator, shape and rule: the admitted count
// is the number of operand pairs an exact check accepts.
TEST(FractionKindsTest, TheAdmittedCountOfSmallFractionKindsIsExact) {
    using enum FractionOperand;
    struct Case {
        KindRange first;
        KindRange second;
        const char16_t* gap;
        KindRange result;
        CFractionShape shape;
        CQuestionRules rules;
        QuestionForm form = QuestionForm::Calculate;
    };
    const Case cases[] = {
        {{2, 9}, {2, 9}, u"＋－$$", {0, 1}, {{Proper, Proper}, FractionResult::Fraction}, {}},
        {{2, 9}, {2, 9}, u"＋$$$", {0, 2}, {{Proper, Proper}, FractionResult::Whole}, {}},
        {{2, 6}, {2, 6}, u"＋－$$", {0, 5}, {{Improper, Proper}, FractionResult::Mixed}, {}},
        {{1, 3}, {2, 8}, u"$－$$", {0, 3}, {{Whole, Proper}, FractionResult::Fraction}, {}},
        {{2, 8}, {2, 12}, u"$$×$", {0, 4}, {{Proper, Whole}, FractionResult::Fraction}, {}},
        {{2, 7}, {2, 7}, u"$$$÷", {0, 3}, {{Proper, Proper}, FractionResult::Fraction}, {}},
        {{1, 9}, {2, 9}, u"$$$÷", {0, 9}, {{Whole, Whole}, FractionResult::Fraction}, {}},
        {{2, 9},
         {2, 9},
         u"＋－$$",
         {0, 2},
         {{Proper, Proper}, FractionResult::Fraction},
         {.isSameDenominator = true}},
        {{2, 9},
         {2, 9},
         u"＋$$$",
         {0, 2},
         {{Proper, Proper}, FractionResult::Fraction},
         {.isDifferentDenominators = true}},
        {{2, 9},
         {2, 9},
         u"＋－$$",
         {0, 1},
         {{Proper, Proper}, FractionResult::Fraction},
         {},
         QuestionForm::Compare},
        {{2, 6},
         {2, 7},
         u"＋$$$",
         {0, 1},
         {{Improper, Proper}, FractionResult::Fraction},
         {.isSameDenominator = true},
         QuestionForm::Compare},
    };
    for (size_t c = 0; c < std::size(cases); ++c) {
        const Case& kase = cases[c];
        const auto kind = MakeKind({kase.first, kase.second}, {kase.gap}, kase.result);
        kind->SetFractions(kase.shape);
        kind->SetRules(kase.rules);
        kind->SetForm(kase.form);
        // Every value of each operand: a whole number, or any numerator over
        // a denominator of the range, kept only when of the shape.
        const auto values = [&](size_t k, KindRange range) {
            std::vector<Written> all;
            for (int64_t d = range.lower; d <= range.upper; ++d) {
                for (int64_t n = 0; n <= 3 * d; ++n) {
                    const Written x{n, kase.shape.operands.at(k) == Whole ? 1 : d};
                    if (HasShape(x, kase.shape.operands.at(k), *testing::MakeLimit(range)) &&
                        (kase.shape.operands.at(k) != Whole || n == d)) {
                        all.push_back(x);
                    }
                }
            }
            return all;
        };
        int64_t expected = 0;
        // A comparison asks each ordered pair of different numbers once,
        // whatever the operators.
        const std::u16string symbols =
            kase.form == QuestionForm::Compare ? u"＞" : AllowedOperators(kase.gap);
        for (const char16_t symbol : symbols) {
            for (const Written& x : values(0, kase.first)) {
                for (const Written& y : values(1, kase.second)) {
                    if (kase.form == QuestionForm::Compare) {
                        const bool same = x.denominator == y.denominator;
                        expected += !(x == y) && (!kase.rules.isSameDenominator || same);
                        continue;
                    }
                    const auto worked = Worked(x, OperatorCode(std::u16string(1, symbol)), y);
                    const bool bothFractions = x.denominator > 1 && y.denominator > 1;
                    const bool same = x.denominator == y.denominator;
                    const bool denominators =
                        !bothFractions || ((!kase.rules.isSameDenominator || same) &&
                                           (!kase.rules.isDifferentDenominators || !same));
                    expected +=
                        worked && denominators &&
                        (bothFractions || x.denominator > 1 || y.denominator > 1 ||
                         worked->denominator > 1) &&
                        (kase.shape.result != FractionResult::Whole || worked->denominator == 1) &&
                        !(*worked < Written{kase.result.lower}) &&
                        !(Written{kase.result.upper} < *worked);
                }
            }
        }
        const CAdmittedCount admitted = CountAdmittedQuestions(*kind);
        EXPECT_TRUE(admitted.isExact) << c;
        EXPECT_EQ(admitted.count, expected) << c;
        EXPECT_GT(expected, 0) << c;
    }
}

TEST(FractionKindsTest, FractionsAreWrittenAsATextbookWritesThem) {
    const struct {
        int32_t value;
        int32_t unit;
        const char16_t* text;
    } cases[] = {
        {3, FractionUnit(5), u"3/5"},
        {7, FractionUnit(6), u"7/6"},
        {7, MixedFractionUnit(6), u"1又1/6"},
        {5, MixedFractionUnit(6), u"5/6"},
        {23, MixedFractionUnit(10), u"2又3/10"},
        {4, 0, u"4"},
    };
    for (const auto& c : cases) {
        std::u16string text;
        AppendScaledText(text, c.value, c.unit);
        EXPECT_EQ(text, c.text) << c.value << ' ' << c.unit;
        EXPECT_GE(ScaledTextLength(c.value, c.unit), static_cast<int32_t>(text.size()));
    }
}

TEST(FractionKindsTest, KindsFractionsCannotCarryAreSaidInsteadOfASheet) {
    using enum FractionOperand;
    const auto chain = MakeKind({{2, 9}, {2, 9}, {2, 9}}, {u"＋$$$", u"＋$$$"}, {0, 3});
    chain->SetFractions({{Proper, Proper}, FractionResult::Fraction});
    const auto decimal = MakeKind({{2, 9}, {1, 9}}, {u"＋$$$"}, {0, 3});
    decimal->SetFractions({{Proper, Whole}, FractionResult::Fraction});
    decimal->SetDecimalPlaces({{0, 1}, 1});
    const auto compare = MakeKind({{2, 9}, {2, 9}}, {u"＋$$$"}, {0, 3});
    compare->SetFractions({{Proper, Proper}, FractionResult::Fraction});
    compare->SetForm(QuestionForm::FillOperator);
    for (const auto& [kind, message] : {std::pair{chain, FractionOperandsErrorText},
                                        std::pair{decimal, FractionOperandsErrorText},
                                        std::pair{compare, FractionFormErrorText}}) {
        std::u16string error;
        EXPECT_TRUE(QuestionTemplates(*kind, error).empty());
        EXPECT_EQ(error, message);
    }
}

} // namespace
} // namespace kelvo
