#include "foundation/RandomSource.h"
#include "foundation/TextNumber.h"
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

// A decimal as written: its digits as a whole number, and how many of them
// stand after the point.
struct Written {
    int64_t digits = 0;
    int32_t places = 0;
};

int64_t Power(int32_t exponent) {
    int64_t power = 1;
    for (int32_t k = 0; k < exponent; ++k) {
        power *= 10;
    }
    return power;
}

// Reads "12.05" as {1205, 2}; nothing for a text a textbook would not write
// (".5", "5.", "05", no digits).
std::optional<Written> Read(std::u16string_view text) {
    Written number;
    const size_t point = text.find(u'.');
    const std::u16string_view whole = text.substr(0, point);
    if (whole.empty() || (whole.size() > 1 && whole[0] == u'0')) {
        return std::nullopt;
    }
    const std::u16string_view fraction =
        point == std::u16string_view::npos ? std::u16string_view() : text.substr(point + 1);
    if (point != std::u16string_view::npos && fraction.empty()) {
        return std::nullopt;
    }
    for (const std::u16string_view part : {whole, fraction}) {
        for (const char16_t digit : part) {
            if (digit < u'0' || digit > u'9') {
                return std::nullopt;
            }
            number.digits = number.digits * 10 + (digit - u'0');
        }
    }
    number.places = static_cast<int32_t>(fraction.size());
    return number;
}

// The exact value of x op y, or nothing when it is negative or not a
// decimal of at most `places` places; as digits at exactly that many places.
std::optional<int64_t> Worked(Written x, int32_t code, Written y, int32_t places) {
    // x op y = numerator / denominator, then scaled to `places`.
    int64_t numerator = 0;
    int64_t denominator = 1;
    const int32_t common = std::max(x.places, y.places);
    const int64_t xs = x.digits * Power(common - x.places);
    const int64_t ys = y.digits * Power(common - y.places);
    switch (code) {
    case Op::Plus:
        numerator = xs + ys;
        denominator = Power(common);
        break;
    case Op::Minus:
        numerator = xs - ys;
        denominator = Power(common);
        break;
    case Op::Times:
        numerator = x.digits * y.digits;
        denominator = Power(x.places + y.places);
        break;
    default:
        numerator = xs;
        denominator = ys;
        break;
    }
    numerator *= Power(places);
    if (numerator < 0 || denominator == 0 || numerator % denominator != 0) {
        return std::nullopt;
    }
    return numerator / denominator;
}

bool InRange(int64_t digits, const CValueLimit& limit) {
    return limit.LowerLimit() <= digits && digits <= limit.UpperLimit() &&
           digits % limit.MultipleOf() == 0;
}

// Every preset decimal sheet, read back as a pupil reads it: each question
// worked out again in exact decimals, each operand written with exactly its
// places, each answer without a trailing zero.
TEST(DecimalKindsTest, EveryDecimalPresetAsksExactQuestionsInItsPlaces) {
    CPreCreatedQuestions presets;
    presets.Load();
    int32_t decimalPresets = 0;
    for (int32_t i = 1; i <= presets.Questions().Count(); ++i) {
        const CQuestionData& kind = *presets.Questions().Item(i);
        if (!kind.IsDecimal()) {
            continue;
        }
        ++decimalPresets;
        const CDecimalUnits& places = kind.DecimalPlaces();
        for (const uint64_t seed : {7u, 20261209u}) {
            const CSeededRandom drawn(seed);
            const CQuestionSet set = MakeQuestions(kind, 200, nullptr);
            ASSERT_EQ(set.questions.Count(), 200) << i;
            for (int32_t q = 1; q <= set.questions.Count(); ++q) {
                const CExprValue& question = *set.questions.Item(q);
                const std::u16string left = question.LeftPartToString().ToString();
                const auto values = question.OperandValues();
                const size_t sign = left.find(OperatorText(values[1][0]));
                const auto x = Read(std::u16string_view(left).substr(0, sign));
                const auto y =
                    Read(std::u16string_view(left).substr(sign + 1, left.size() - sign - 2));
                const auto answer = Read(question.ResultText());
                ASSERT_TRUE(x && y && answer) << i << ' ' << q;
                EXPECT_EQ(x->places, places.operands[0]) << i;
                EXPECT_EQ(y->places, places.operands[1]) << i;
                EXPECT_TRUE(InRange(x->digits, *kind.Limit1()) &&
                            InRange(y->digits, *kind.Limit2()));
                if (kind.Rules().isPowerOfTenSecond) {
                    EXPECT_TRUE(y->digits == 10 || y->digits == 100 || y->digits == 1000);
                }
                EXPECT_LE(answer->places, places.result) << i;
                EXPECT_TRUE(answer->places == 0 || answer->digits % 10 != 0) << i;
                const auto worked = Worked(*x, values[1][0], *y, places.result);
                ASSERT_TRUE(worked.has_value()) << i;
                EXPECT_EQ(*worked, answer->digits * Power(places.result - answer->places)) << i;
                EXPECT_TRUE(InRange(*worked, *kind.ResultLimit())) << i;
            }
        }
    }
    EXPECT_EQ(decimalPresets, 7);
}

// Small decimal kinds of every operator and mix of places: the admitted count
// is the number of operand pairs an exact decimal check accepts.
TEST(DecimalKindsTest, TheAdmittedCountOfSmallDecimalKindsIsExact) {
    struct Case {
        KindRange first;
        KindRange second;
        const char16_t* gap;
        KindRange result;
        CDecimalUnits places;
    };
    const Case cases[] = {
        {{1, 40}, {1, 40}, u"＋－$$", {0, 50}, {{1, 1}, 1}},
        {{1, 40}, {1, 90}, u"＋－$$", {0, 500}, {{1, 2}, 2}},
        {{1, 90}, {1, 90}, u"＋$$$", {0, 50}, {{2, 2}, 1}},
        {{1, 30}, {1, 15}, u"$$×$", {0, 400}, {{1, 1}, 2}},
        {{1, 30}, {10, 50, 10}, u"$$×$", {0, 200}, {{1, 0}, 1}},
        {{1, 30}, {1, 15}, u"$$×$", {0, 40}, {{1, 1}, 1}},
        {{1, 60}, {2, 9}, u"$$$÷", {1, 99}, {{1, 0}, 1}},
        {{1, 60}, {1, 9}, u"$$$÷", {1, 60}, {{1, 1}, 0}},
        {{1, 9}, {2, 8}, u"$$$÷", {1, 500}, {{0, 0}, 2}},
        {{1, 90}, {10, 100, 10}, u"$$$÷", {1, 900}, {{1, 0}, 3}},
        {{1, 90}, {1, 9}, u"$$$÷", {1, 90}, {{2, 1}, 1}},
    };
    for (size_t c = 0; c < std::size(cases); ++c) {
        const Case& kase = cases[c];
        const auto kind = MakeKind({kase.first, kase.second}, {kase.gap}, kase.result);
        kind->SetDecimalPlaces(kase.places);
        int64_t expected = 0;
        for (const char16_t symbol : AllowedOperators(kase.gap)) {
            for (int32_t a = kase.first.lower; a <= kase.first.upper; a += kase.first.multipleOf) {
                for (int32_t b = kase.second.lower; b <= kase.second.upper;
                     b += kase.second.multipleOf) {
                    const Written x{a, kase.places.operands[0]};
                    const Written y{b, kase.places.operands[1]};
                    const bool exactPlaces =
                        (x.places == 0 || a % 10 != 0) && (y.places == 0 || b % 10 != 0);
                    const auto worked =
                        Worked(x, OperatorCode(std::u16string(1, symbol)), y, kase.places.result);
                    expected += exactPlaces && worked && InRange(*worked, *kind->ResultLimit());
                }
            }
        }
        const CAdmittedCount admitted = CountAdmittedQuestions(*kind);
        EXPECT_TRUE(admitted.isExact) << c;
        EXPECT_EQ(admitted.count, expected) << c;
        EXPECT_GT(expected, 0) << c;
    }
}

TEST(DecimalKindsTest, DecimalsAreWrittenAsATextbookWritesThem) {
    const struct {
        int32_t value;
        int32_t exponent;
        const char16_t* text;
    } cases[] = {
        {3, 1, u"0.3"},    {25, 1, u"2.5"},  {40, 1, u"4"},      {200, 2, u"2"},
        {125, 2, u"1.25"}, {5, 3, u"0.005"}, {1050, 2, u"10.5"}, {0, 2, u"0"},
        {35, -2, u"3500"}, {0, -1, u"0"},    {7, 0, u"7"},
    };
    for (const auto& c : cases) {
        std::u16string text;
        AppendScaledText(text, c.value, c.exponent);
        EXPECT_EQ(text, c.text) << c.value << ' ' << c.exponent;
    }
}

TEST(DecimalKindsTest, OperatorsDecimalsCannotCarryAreSaidInsteadOfASheet) {
    const auto chain = MakeKind({{1, 9}, {1, 9}, {1, 9}}, {u"$$×$", u"＋$$$"}, {0, 100});
    chain->SetDecimalPlaces({{1, 1, 1}, 2});
    const auto estimate = MakeKind({{11, 99}, {11, 99}}, {u"＋$$$"}, {0, 200});
    estimate->SetDecimalPlaces({{1, 1}, 1});
    estimate->SetForm(QuestionForm::EstimateTens);
    const auto remainder = MakeKind({{11, 99}, {2, 9}}, {u"$$$÷"}, {0, 99}, Cbr::Remainder);
    remainder->SetDecimalPlaces({{1, 0}, 1});
    for (const auto& [kind, message] :
         {std::pair{chain, DecimalOperatorsErrorText}, std::pair{estimate, DecimalFormErrorText},
          std::pair{remainder, DecimalOperatorsErrorText}}) {
        std::u16string error;
        EXPECT_TRUE(QuestionTemplates(*kind, error).empty());
        EXPECT_EQ(error, message);
    }
}

} // namespace
} // namespace kelvo
