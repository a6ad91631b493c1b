#include "printing/RtfDocument.h"

#include <gtest/gtest.h>

#include <ostream>

namespace kelvo {
namespace {

QByteArray BodyOf(const QString& strText) {
    CWordRange range;
    range.SetText(strText);
    const QByteArray rtf = RtfDocument(range);
    const qsizetype start = rtf.indexOf("\\cf1 ") + 5;
    return rtf.mid(start, rtf.size() - start - 2);
}

struct TextCase {
    const char* name;
    const char16_t* text;
    const char* body;
};

void PrintTo(const TextCase& textCase, std::ostream* pStream) {
    *pStream << textCase.name;
}

class RtfTextTest : public testing::TestWithParam<TextCase> {};

TEST_P(RtfTextTest, TextIsEscapedToAscii) {
    EXPECT_EQ(BodyOf(QString::fromUtf16(GetParam().text)), QByteArray(GetParam().body));
}

INSTANTIATE_TEST_SUITE_P(
    Texts, RtfTextTest,
    testing::Values(TextCase{"fill-in blank", u"12＋(   )=17", "12\\u-245?(   )=17"},
                    TextCase{"title line", u"  姓名：", "  \\u22995?\\u21517?\\u-230?"},
                    TextCase{"CR LF lines", u"a\r\n\r\nb\r\n", "a\\par\n\\par\nb\\par\n"},
                    TextCase{"lone CR and LF", u"a\rb\nc", "a\\par\nb\\par\nc"},
                    TextCase{"RTF specials and tab", u"\\{x}\t", "\\\\\\{x\\}\\tab "},
                    TextCase{"surrogate pair", u"\U0001D7D9", "\\u-10187?\\u-8231?"},
                    TextCase{"Latin-1", u"\u00e9~", "\\u233?~"}));

TEST(RtfDocumentTest, FontAppliesToTheWholeText) {
    CWordRange range;
    range.SetText(QStringLiteral("x"));
    range.Font().SetName(QStringLiteral("宋体"));
    range.Font().SetSize(10.5F);
    range.Font().SetBold(true);
    range.Font().SetUnderline(1);
    range.Font().SetColor(0x3020FF);
    const QByteArray rtf = RtfDocument(range);

    EXPECT_TRUE(rtf.startsWith("{\\rtf1\\ansi"));
    EXPECT_TRUE(rtf.contains("{\\fonttbl{\\f0\\fnil \\u23435?\\u20307?;}}"));
    EXPECT_TRUE(rtf.contains("{\\colortbl;\\red255\\green32\\blue48;}"));
    EXPECT_TRUE(rtf.contains("\\dbch\\af0\\f0\\fs21\\b\\ul\\cf1 x}"));
    EXPECT_TRUE(rtf.contains("\\dntblnsbdb"));
}

TEST(RtfDocumentTest, UnsetFlagsAndSizeAreLeftOut) {
    CWordRange range;
    range.Font().SetItalic(true);
    range.Font().SetStrikeThrough(true);
    EXPECT_TRUE(RtfDocument(range).contains("\\dbch\\af0\\f0\\i\\strike\\cf1 }"));
}

// Latin letters of the mono font are half an em wide; A4 holds 510 pt upright
// and 757 pt on its side, a little less as word processors lay text out.
TEST(RtfDocumentTest, ThePageTurnsAndTheFontShrinksAsTheWidestLineNeeds) {
    struct Case {
        int letters;
        bool landscape;
        const char* size;
    };
    for (const Case& c : {Case{80, false, "\\fs24"}, Case{90, true, "\\fs24"},
                          Case{130, true, "\\fs22"}, Case{300, true, "\\fs18"}}) {
        CWordRange range;
        range.SetText(QStringLiteral("x\r\n") + QString(c.letters, u'x'));
        range.Font().SetName(QStringLiteral("Noto Sans Mono CJK SC"));
        range.Font().SetSize(12);
        const QByteArray rtf = RtfDocument(range);
        EXPECT_EQ(rtf.contains("\\landscape"), c.landscape) << c.letters;
        EXPECT_TRUE(rtf.contains(c.landscape ? "\\paperw16838\\paperh11906"
                                             : "\\paperw11906\\paperh16838"));
        EXPECT_TRUE(rtf.contains(QByteArray(c.size) + "\\cf1 ")) << c.letters;
    }
}

// A circle leaves room for the sign the pupil writes: half as large again as
// the text, measured so when the page is fitted; an answered sheet writes the
// sign in its place, and an estimate keeps its "≈".
TEST(RtfDocumentTest, TheFormsCirclesStandLargerThanTheirText) {
    struct Case {
        QString text;
        const char* body;
    };
    const Case cases[] = {
        {QStringLiteral("8＋5 ○ 9＋3"), "8\\u-245?5 {\\fs36 \\u9675?} 9\\u-245?3"},
        {QStringLiteral("6 ○ 3 ○ 2 = 20"), "6 {\\fs36 \\u9675?} 3 {\\fs36 \\u9675?} 2 = 20"},
        {QStringLiteral("8 ＋ 5 = 13  8＋5 ＞ 12"), "8 \\u-245? 5 = 13  8\\u-245?5 \\u-226? 12"},
        {QStringLiteral("49＋32≈50＋30=80"), "49\\u-245?32\\u8776?50\\u-245?30=80"},
    };
    for (const Case& c : cases) {
        CWordRange range;
        range.SetText(c.text);
        range.Font().SetSize(12);
        EXPECT_TRUE(RtfDocument(range).contains(QByteArray("\\fs24\\cf1 ") + c.body)) << c.body;
    }
    // Ten circles after 60 letters fit upright at their own size, not at half
    // as large again.
    const auto landscape = [](const QString& character) {
        CWordRange range;
        range.SetText(QString(60, u'x') + character.repeated(10));
        range.Font().SetName(QStringLiteral("Noto Sans Mono CJK SC"));
        range.Font().SetSize(12);
        return RtfDocument(range).contains("\\landscape");
    };
    EXPECT_FALSE(landscape(QStringLiteral("□")));
    EXPECT_TRUE(landscape(QStringLiteral("○")));
}

// Each title block keeps with its next line up to its last row.
TEST(RtfDocumentTest, ATitleBlockKeepsTogether) {
    EXPECT_EQ(BodyOf(QStringLiteral("T\r\na\r\nb\r\nT\r\nc")),
              "\\keepn T\\par\na\\par\n\\pard\\plain\\loch\\af0\\hich\\af0\\dbch\\af0\\f0\\cf1 "
              "b\\par\n\\keepn T\\par\n\\pard\\plain\\loch\\af0\\hich\\af0\\dbch\\af0\\f0\\cf1 c");
    EXPECT_FALSE(RtfDocument(CWordRange()).contains("\\keepn"));
}

} // namespace
} // namespace kelvo
