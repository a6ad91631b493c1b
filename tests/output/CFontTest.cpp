#include "output/CFont.h"
#include "foundation/SettingsFile.h"

#include <gtest/gtest.h>

namespace kelvo {
namespace {

TEST(CFontTest, TheBlockIsEightLinesInItsOrderAndLoadsBack) {
    CFont font;
    font.SetName(u"宋体");
    font.SetSize(12);
    font.SetWeight(700);
    font.SetItalic(true);
    font.SetUnderline(false);
    font.SetStrikethru(true);
    font.SetColor(0x0000FF);
    font.SetCharset(134);
    CSettingsWriter writer;
    font.Save(writer);
    EXPECT_EQ(writer.Bytes(),
              "\xCB\xCE\xCC\xE5\r\n 12 \r\n 700 \r\n 1 \r\n 0 \r\n 1 \r\n 255 \r\n 134 \r\n");

    CSettingsReader reader(writer.Bytes());
    CFont loaded;
    ASSERT_TRUE(loaded.Load(reader));
    EXPECT_EQ(loaded, font);
}

TEST(CFontTest, UnderlineAndStrikeOutAreReadFromTheirOwnLines) {
    CSettingsReader reader("Arial\r\n 10 \r\n 400 \r\n 0 \r\n 0 \r\n 1 \r\n 0 \r\n 0 \r\n");
    CFont font;
    ASSERT_TRUE(font.Load(reader));
    EXPECT_FALSE(font.Italic());
    EXPECT_FALSE(font.Underline());
    EXPECT_TRUE(font.Strikethru());
}

TEST(CFontTest, ADamagedLineKeepsTheFieldsReadBeforeIt) {
    CSettingsReader reader("Arial\r\n 10.5 \r\n 400 \r\n 1 \r\n");
    CFont font;
    EXPECT_FALSE(font.Load(reader));
    EXPECT_EQ(font.Name(), u"Arial");
    EXPECT_EQ(font.Size(), 10);
    EXPECT_EQ(font.Weight(), 400);
    EXPECT_TRUE(font.Italic());
    EXPECT_FALSE(font.Underline());
    EXPECT_EQ(font.Charset(), 0);
}

} // namespace
} // namespace kelvo
