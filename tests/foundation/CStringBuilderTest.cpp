#include "foundation/CStringBuilder.h"

#include <gtest/gtest.h>

namespace kelvo {
namespace {

CStringBuilder Holding(std::u16string_view text) {
    CStringBuilder builder;
    builder.Append(text);
    return builder;
}

TEST(CStringBuilderTest, NewBuilderIsEmpty) {
    CStringBuilder builder;
    EXPECT_EQ(builder.Capacity(), 0);
    EXPECT_EQ(builder.Length(), 0);
    EXPECT_EQ(builder.ToString(), u"");
}

TEST(CStringBuilderTest, AppendRepeatsAndGrowsStrictlyAboveTheLength) {
    CStringBuilder builder;
    builder.Append(u"ab", 3);
    EXPECT_EQ(builder.ToString(), u"ababab");
    EXPECT_EQ(builder.Capacity(), 128);
    builder.Append(u"x", 0);
    EXPECT_EQ(builder.Length(), 6);

    EXPECT_EQ(Holding(std::u16string(127, u'a')).Capacity(), 128);
    EXPECT_EQ(Holding(std::u16string(128, u'a')).Capacity(), 256);
}

TEST(CStringBuilderTest, AppendAfterBlanksIsTheBlanksThenTheText) {
    struct Case {
        int32_t blanks;
        std::u16string_view text;
        std::u16string expected;
    };
    const Case cases[] = {
        {3, u"12+3=15", u"ab   12+3=15"},
        {0, u"7", u"ab7"},
        {-2, u"7", u"ab7"},
        {2, u"", u"ab  "},
        {200, u"x", u"ab" + std::u16string(200, u' ') + u"x"},
    };
    for (const Case& c : cases) {
        CStringBuilder builder = Holding(u"ab");
        builder.AppendAfterBlanks(c.blanks, c.text);
        EXPECT_EQ(builder.ToString(), c.expected) << c.blanks;
    }
    // Its own text, across a growth of the buffer.
    CStringBuilder builder = Holding(std::u16string(127, u'a'));
    builder.AppendAfterBlanks(1, builder.View().substr(0, 3));
    EXPECT_EQ(builder.ToString(), std::u16string(127, u'a') + u" aaa");
}

TEST(CStringBuilderTest, InsertPositionsAreOneBasedUpToLengthPlusOne) {
    auto inserted = [](int32_t where) {
        CStringBuilder builder = Holding(u"abc");
        builder.Insert(u"X", where);
        return builder.ToString();
    };
    EXPECT_EQ(inserted(1), u"Xabc");
    EXPECT_EQ(inserted(2), u"aXbc");
    EXPECT_EQ(inserted(4), u"abcX");
    EXPECT_EQ(inserted(5), u"abc");
    EXPECT_EQ(inserted(0), u"abc");

    CStringBuilder builder = Holding(u"ab");
    builder.Insert(u"-", 2, 3);
    EXPECT_EQ(builder.ToString(), u"a---b");
    builder.Insert(u"-", 2, 0);
    EXPECT_EQ(builder.ToString(), u"a---b");
}

TEST(CStringBuilderTest, InsertAcrossAGrowthKeepsTheTail) {
    CStringBuilder builder = Holding(std::u16string(127, u'x') + u"END");
    builder.Insert(u"  ", 1, 10);
    EXPECT_EQ(builder.Length(), 150);
    EXPECT_EQ(builder.ToString(), std::u16string(20, u' ') + std::u16string(127, u'x') + u"END");
}

TEST(CStringBuilderTest, BuildersAppendAndInsertOtherBuildersAndThemselves) {
    CStringBuilder target = Holding(u"[]");
    const CStringBuilder source = Holding(u"12＋5=");
    target.InsertBuilder(source, 2, 2);
    EXPECT_EQ(target.ToString(), u"[12＋5=12＋5=]");
    target.AppendBuilder(source);
    EXPECT_EQ(target.ToString(), u"[12＋5=12＋5=]12＋5=");

    // Long runs force a reallocation; short ones fit a string's own storage,
    // where a moved copy would not keep its address.
    CStringBuilder self = Holding(std::u16string(100, u'a'));
    self.AppendBuilder(self, 2);
    EXPECT_EQ(self.ToString(), std::u16string(300, u'a'));
    self.InsertBuilder(self, 1);
    EXPECT_EQ(self.Length(), 600);
    CStringBuilder few = Holding(u"ab");
    few.InsertBuilder(few, 2);
    EXPECT_EQ(few.ToString(), u"aabb");
    few.AppendBuilder(few, 2);
    EXPECT_EQ(few.ToString(), u"aabbaabbaabb");
}

TEST(CStringBuilderTest, ClearKeepsTheCapacity) {
    CStringBuilder builder = Holding(std::u16string(200, u'a'));
    builder.Clear();
    builder.Append(u"z");
    EXPECT_EQ(builder.ToString(), u"z");
    EXPECT_EQ(builder.Capacity(), 256);
}

} // namespace
} // namespace kelvo
