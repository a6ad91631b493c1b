#include "foundation/TextNumber.h"
#include "foundation/RuntimeError.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <string_view>

namespace kelvo {
namespace {

ErrorNumber ErrorOf(std::u16string_view text) {
    try {
        (void)TextToInt32(text);
    } catch (const CRuntimeError& error) {
        return error.Number();
    }
    return ErrorNumber{0};
}

TEST(TextNumberTest, DecimalTextIsPlain) {
    EXPECT_EQ(DecimalText(0), u"0");
    EXPECT_EQ(DecimalText(10000), u"10000");
    EXPECT_EQ(DecimalText(-42), u"-42");
    EXPECT_EQ(DecimalText(std::numeric_limits<int32_t>::min()), u"-2147483648");
}

// A scaled number as a textbook writes it, after what the text already holds.
TEST(TextNumberTest, ScaledTextHasALeadingZeroAndNoTrailingZeros) {
    struct Case {
        int32_t value;
        int32_t exponent;
        std::u16string_view text;
    };
    const Case cases[] = {
        {0, 0, u"0"},
        {7, 0, u"7"},
        {35, -2, u"3500"},
        {0, -3, u"0"},
        {3, 2, u"0.03"},
        {30, 2, u"0.3"},
        {250, 2, u"2.5"},
        {400, 2, u"4"},
        {0, 2, u"0"},
        {1205, 2, u"12.05"},
        {5, 3, u"0.005"},
        {1000, 3, u"1"},
        {2147483647, 3, u"2147483.647"},
        {2147483647, 12, u"0.002147483647"},
    };
    for (const Case& c : cases) {
        std::u16string text = u"＝";
        AppendScaledText(text, c.value, c.exponent);
        EXPECT_EQ(text, u"＝" + std::u16string(c.text)) << c.value << ' ' << c.exponent;
    }
}

TEST(TextNumberTest, ChineseNumeralsCountAsHeadingsDo) {
    const std::pair<int32_t, const char16_t*> cases[] = {
        {1, u"一"},         {9, u"九"},          {10, u"十"},           {11, u"十一"},
        {20, u"二十"},      {99, u"九十九"},     {100, u"一百"},        {105, u"一百零五"},
        {110, u"一百一十"}, {1001, u"一千零一"}, {1010, u"一千零一十"}, {9999, u"九千九百九十九"},
        {10000, u"10000"},  {0, u"0"},
    };
    for (const auto& [value, text] : cases) {
        EXPECT_EQ(ChineseNumeral(value), text) << value;
    }
}

TEST(TextNumberTest, SpacesSignsAndFractionsAreAccepted) {
    EXPECT_EQ(TextToInt32(u" 2 "), 2);
    EXPECT_EQ(TextToInt32(u"-7 "), -7);
    EXPECT_EQ(TextToInt32(u"+12"), 12);
    EXPECT_EQ(TextToInt32(u"123456"), 123456);
    EXPECT_EQ(TextToInt32(u".5"), 0);
    EXPECT_EQ(TextToInt32(u"5."), 5);
    EXPECT_EQ(TextToInt32(u"1e3"), 1000);
}

TEST(TextNumberTest, HalvesRoundToTheEvenNeighbour) {
    EXPECT_EQ(TextToInt32(u"7.5"), 8);
    EXPECT_EQ(TextToInt32(u"6.5"), 6);
    EXPECT_EQ(TextToInt32(u"2.5"), 2);
    EXPECT_EQ(TextToInt32(u"3.5"), 4);
    EXPECT_EQ(TextToInt32(u"-2.5"), -2);
    EXPECT_EQ(TextToInt32(u"0.4"), 0);
    EXPECT_EQ(TextToInt32(u"2.51"), 3);
    EXPECT_EQ(RoundToInt32(0.5), 0);
    EXPECT_EQ(RoundToInt32(1.5), 2);
}

TEST(TextNumberTest, TextThatIsNoNumberIsATypeMismatch) {
    for (std::u16string_view text : {u"", u"   ", u".", u"1.2.3", u"abc", u"12a", u"1 2", u"-",
                                     u"1e", u"１２", u"inf", u"nan"}) {
        EXPECT_EQ(ErrorOf(text), ErrorNumber::TypeMismatch)
            << std::string(text.begin(), text.end());
    }
}

TEST(TextNumberTest, NumbersBeyondThirtyTwoBitsOverflow) {
    EXPECT_EQ(TextToInt32(u"2147483647"), std::numeric_limits<int32_t>::max());
    EXPECT_EQ(TextToInt32(u"-2147483648"), std::numeric_limits<int32_t>::min());
    EXPECT_EQ(ErrorOf(u"2147483648"), ErrorNumber::Overflow);
    EXPECT_EQ(ErrorOf(u"99999999999"), ErrorNumber::Overflow);
    EXPECT_EQ(ErrorOf(u"1e400"), ErrorNumber::Overflow);
}

TEST(TextNumberTest, CheckedArithmeticRaisesOverflowInsteadOfWrapping) {
    constexpr int32_t max = std::numeric_limits<int32_t>::max();
    EXPECT_EQ(CheckedAdd(max - 1, 1), max);
    EXPECT_THROW(CheckedAdd(max, 1), CRuntimeError);
    EXPECT_THROW(CheckedSubtract(std::numeric_limits<int32_t>::min(), 1), CRuntimeError);
    EXPECT_THROW(CheckedMultiply(65536, 65536), CRuntimeError);
    EXPECT_THROW(CheckedNarrow(int64_t{max} + 1), CRuntimeError);
    EXPECT_EQ(CRuntimeError(ErrorNumber::Overflow).Description(), u"溢出");
}

} // namespace
} // namespace kelvo
