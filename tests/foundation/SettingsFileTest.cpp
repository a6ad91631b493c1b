#include "foundation/SettingsFile.h"
#include "foundation/SettingsText.h"
#include "support/TemporaryDirectory.h"

#include <gtest/gtest.h>

#include <atomic>
#include <fstream>
#include <limits>
#include <thread>

namespace kelvo {
namespace {

std::string Written(void (*write)(CSettingsWriter&)) {
    CSettingsWriter writer;
    write(writer);
    return writer.Bytes();
}

TEST(SettingsFileTest, NumbersAreWrittenWithTheirSpaces) {
    struct Case {
        int32_t value;
        const char* line;
    };
    for (const Case& c : {Case{12, " 12 \r\n"}, Case{0, " 0 \r\n"}, Case{-12, "-12 \r\n"},
                          Case{std::numeric_limits<int32_t>::max(), " 2147483647 \r\n"},
                          Case{std::numeric_limits<int32_t>::min(), "-2147483648 \r\n"}}) {
        CSettingsWriter writer;
        writer.WriteNumber(c.value);
        EXPECT_EQ(writer.Bytes(), c.line);
    }
    EXPECT_EQ(Written([](CSettingsWriter& w) {
                  w.WriteBoolean(true);
                  w.WriteBoolean(false);
              }),
              " 1 \r\n 0 \r\n");
}

TEST(SettingsFileTest, TextIsWrittenInTheChineseCodePage) {
    CSettingsWriter writer;
    writer.WriteText(u"＋$$$");
    writer.WriteText(u"姓名：");
    writer.WriteText(u"");
    EXPECT_EQ(writer.Bytes(), "\xA3\xAB$$$\r\n"
                              "\xD0\xD5\xC3\xFB\xA3\xBA\r\n"
                              "\r\n");
}

TEST(SettingsFileTest, ALineBreakInsideATextCannotShiftTheLinesAfterIt) {
    CSettingsWriter writer;
    writer.WriteText(u"a\r\nb\nc");
    writer.WriteNumber(5);
    CSettingsReader reader(writer.Bytes());
    EXPECT_EQ(reader.ReadText(), u"a  b c");
    EXPECT_EQ(reader.ReadNumber(), 5);
}

TEST(SettingsFileTest, ACharacterOutsideCodePage936SurvivesTheRoundTrip) {
#ifdef _WIN32
    if (EncodeSettingsText(u"\U00020000") == "??") {
        GTEST_SKIP() << "this system has code page 936 but no GB18030 (Wine)";
    }
#endif
    const std::u16string title = u"口算\U00020000€";
    const std::string bytes = EncodeSettingsText(title);
    EXPECT_EQ(bytes.substr(4, 4), "\x95\x32\x82\x36");
    EXPECT_EQ(DecodeSettingsText(bytes), title);
}

TEST(SettingsFileTest, PlainCodePage936TextReadsUnchanged) {
    CSettingsReader reader("\xB5\xC3\xB7\xD6\xA3\xBA\r\n"
                           "\xCB\xCE\xCC\xE5\r\n");
    EXPECT_EQ(reader.ReadText(), u"得分：");
    EXPECT_EQ(reader.ReadText(), u"宋体");
}

// Both platforms' sides give exactly these: each byte that starts no
// character becomes U+FFFD and reading goes on with the next byte.
TEST(SettingsFileTest, BytesThatAreNoCharacterBecomeAReplacementCharacter) {
    struct Case {
        std::string_view bytes;
        std::u16string_view text;
    };
    for (const Case& c : {
             Case{"a\xFF"
                  "b\xB5",
                  u"a\uFFFDb\uFFFD"},
             Case{"\x80\xA3\xAB", u"\uFFFD＋"},
             Case{"\x81\x7F", u"\uFFFD\x7F"},
             Case{"\x81\x30\x81", u"\uFFFD0\uFFFD"},
             Case{"\x84\x31\xA5\x30", u"\uFFFD1\uFFFD0"},
             Case{"\xE3\x32\x9A\x36", u"\uFFFD2\uFFFD6"},
         }) {
        EXPECT_EQ(DecodeSettingsText(c.bytes), c.text) << c.bytes;
    }
}

// Both platforms' sides write "?" for a surrogate without its partner.
TEST(SettingsFileTest, ALoneSurrogateIsWrittenAsAQuestionMark) {
    struct Case {
        std::u16string_view text;
        std::string_view bytes;
    };
    for (const Case& c : {Case{u"x\xD800y", "x?y"}, Case{u"\xDC00宋", "?\xCB\xCE"},
                          Case{u"\xDBFF\xDBFF", "??"}, Case{u"体\xD800", "\xCC\xE5?"}}) {
        EXPECT_EQ(EncodeSettingsText(c.text), c.bytes);
    }
}

TEST(SettingsFileTest, NumberLinesAcceptSpacesAndRoundFractionsHalfToEven) {
    CSettingsReader reader(" 2 \r\n7.5\r\n6.5\r\n  -3  \r\n2.51\r\n");
    EXPECT_EQ(reader.ReadNumber(), 2);
    EXPECT_EQ(reader.ReadNumber(), 8);
    EXPECT_EQ(reader.ReadNumber(), 6);
    EXPECT_EQ(reader.ReadNumber(), -3);
    EXPECT_EQ(reader.ReadNumber(), 3);
}

TEST(SettingsFileTest, BooleanLinesAreTrueWhenNotZero) {
    CSettingsReader reader("2\r\n-1\r\n 0 \r\n0.4\r\n0.0\r\n");
    EXPECT_TRUE(reader.ReadBoolean());
    EXPECT_TRUE(reader.ReadBoolean());
    EXPECT_FALSE(reader.ReadBoolean());
    EXPECT_TRUE(reader.ReadBoolean());
    EXPECT_FALSE(reader.ReadBoolean());
}

TEST(SettingsFileTest, DamagedLinesAndTheEndOfTheFileAreErrors) {
    for (const char* line : {"", "abc", "12a", "2147483648", "-2147483649", "1e10"}) {
        CSettingsReader reader(std::string(line) + "\r\n");
        EXPECT_THROW(reader.ReadNumber(), CSettingsFileError) << line;
    }
    CSettingsReader boolean("yes\r\n");
    EXPECT_THROW(boolean.ReadBoolean(), CSettingsFileError);

    CSettingsReader reader("only\r\n");
    EXPECT_EQ(reader.ReadText(), u"only");
    EXPECT_TRUE(reader.AtEnd());
    EXPECT_THROW(reader.ReadText(), CSettingsFileError);
}

TEST(SettingsFileTest, EmptyLinesAndALastLineWithoutItsEndAreRead) {
    CSettingsReader reader("\r\n\r\nlast");
    EXPECT_EQ(reader.ReadText(), u"");
    EXPECT_EQ(reader.ReadText(), u"");
    EXPECT_EQ(reader.ReadText(), u"last");
    EXPECT_THROW(reader.ReadText(), CSettingsFileError);
}

TEST(SettingsFileTest, ReplacingPutsTheNewFileInPlaceAndLeavesNoTemporary) {
    test::CTemporaryDirectory directory;
    const auto path = directory.Path() / "Kelvo.ini";
    std::ofstream(path, std::ios::binary) << "old";

    EXPECT_TRUE(ReplaceSettingsFile(path, "new\r\n"));
    EXPECT_EQ(ReadSettingsFile(path), "new\r\n");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(directory.Path()),
                            std::filesystem::directory_iterator()),
              1);
}

// A temporary name planted beforehand, as a link to another file, is never
// written through; the new file keeps the old one's permissions.
TEST(SettingsFileTest, ReplacingKeepsThePermissionsAndFollowsNoPlantedLink) {
#ifdef _WIN32
    GTEST_SKIP() << "Windows keeps attributes and access rights, not these permissions; "
                    "KeptFileWindowsTest checks them";
#endif
    test::CTemporaryDirectory directory;
    const auto path = directory.Path() / "Kelvo.ini";
    const auto victim = directory.Path() / "victim";
    std::ofstream(path, std::ios::binary) << "old";
    std::ofstream(victim, std::ios::binary) << "victim";
    std::filesystem::permissions(path, std::filesystem::perms::owner_read |
                                           std::filesystem::perms::owner_write);
    std::filesystem::create_symlink(victim, directory.Path() / "Kelvo.ini.tmp");

    EXPECT_TRUE(ReplaceSettingsFile(path, "new\r\n"));
    EXPECT_EQ(ReadSettingsFile(path), "new\r\n");
    EXPECT_EQ(ReadSettingsFile(victim), "victim");
    EXPECT_EQ(std::filesystem::status(path).permissions(),
              std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
}

// Two programs saving at once: a reader meanwhile only ever finds one of the
// complete files, never an empty or a half-written one.
TEST(SettingsFileTest, ConcurrentReplacementsLeaveReadersOnlyCompleteFiles) {
    test::CTemporaryDirectory directory;
    const auto path = directory.Path() / "Kelvo.ini";
    const std::string first(40000, 'a');
    const std::string second(30000, 'b');
    ASSERT_TRUE(ReplaceSettingsFile(path, first));
    std::atomic<int> writing{2};
    const auto save = [&](const std::string& bytes) {
        for (int i = 0; i < 100; ++i) {
            ReplaceSettingsFile(path, bytes);
        }
        --writing;
    };
    std::thread one(save, first);
    std::thread two(save, second);
    int torn = 0;
    while (writing > 0) {
        const auto bytes = ReadSettingsFile(path);
        torn += !bytes || (*bytes != first && *bytes != second);
    }
    one.join();
    two.join();
    EXPECT_EQ(torn, 0);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(directory.Path()),
                            std::filesystem::directory_iterator()),
              1);
}

TEST(SettingsFileTest, AFileThatCannotBeWrittenIsReportedAndNothingIsCreated) {
    test::CTemporaryDirectory directory;
    const auto path = directory.Path() / "missing" / "Kelvo.ini";
    EXPECT_FALSE(ReplaceSettingsFile(path, "new\r\n"));
    EXPECT_FALSE(std::filesystem::exists(path.parent_path()));
    EXPECT_EQ(ReadSettingsFile(path), std::nullopt);
}

} // namespace
} // namespace kelvo
