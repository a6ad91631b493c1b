#include "foundation/KeptFile.h"
#include "support/TemporaryDirectory.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace kelvo {
namespace {

std::string Contents(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

TEST(KeptFileTest, SettingAsideTakesTheFirstFreeNameAndNeverReplacesAnother) {
    test::CTemporaryDirectory directory;
    const auto path = directory.Path() / "KelvoPlan.json";
    std::ofstream(path, std::ios::binary) << "unreadable";
    const auto taken = [&](const char* suffix) {
        return directory.Path() / (std::string("KelvoPlan.json.damaged-20261208-160400") + suffix);
    };
    std::ofstream(taken(""), std::ios::binary) << "first";
    std::ofstream(taken("-2"), std::ios::binary) << "second";
#ifdef _WIN32
    // Planting a link takes a privilege on Windows; a file takes the name there.
    std::ofstream(taken("-3"), std::ios::binary) << "third";
#else
    std::filesystem::create_symlink(taken(""), taken("-3"));
#endif

    const auto aside = SetAsideKeptFile(path, "20261208-160400");
    ASSERT_TRUE(aside.has_value());
    EXPECT_EQ(*aside, taken("-4"));
    EXPECT_EQ(Contents(*aside), "unreadable");
    EXPECT_FALSE(std::filesystem::exists(path));
    EXPECT_EQ(Contents(taken("")), "first");
    EXPECT_EQ(Contents(taken("-2")), "second");

    EXPECT_EQ(SetAsideKeptFile(path, "20261208-160400"), std::nullopt) << "nothing left to move";

    // A folder cannot be linked; it is renamed to the next free name.
    std::filesystem::create_directory(path);
    EXPECT_EQ(SetAsideKeptFile(path, "20261208-160400"), taken("-5"));
    EXPECT_TRUE(std::filesystem::is_directory(taken("-5")));
}

TEST(KeptFileTest, EveryReasonIsSaidInChinese) {
    const struct {
        EFileError error;
        std::size_t limit;
        const char16_t* text;
    } cases[] = {
        {EFileError::None, 0, u""},
        {EFileError::NotFound, 0, u"文件或文件夹不存在"},
        {EFileError::NotRegular, 0, u"这不是普通文件"},
        {EFileError::TooLarge, 4u << 20u, u"文件太大，超过了 4 MB"},
        {EFileError::TooLarge, 64u << 10u, u"文件太大，超过了 64 KB"},
        {EFileError::Denied, 0, u"没有权限"},
        {EFileError::NoSpace, 0, u"磁盘空间不足"},
        {EFileError::ReadOnly, 0, u"文件所在位置是只读的"},
        {EFileError::Other, 0, u"读写出错"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FileErrorText(c.error, c.limit), c.text) << static_cast<int>(c.error);
    }
    const struct {
        std::errc code;
        EFileError error;
    } codes[] = {
        {std::errc::no_such_file_or_directory, EFileError::NotFound},
        {std::errc::permission_denied, EFileError::Denied},
        {std::errc::no_space_on_device, EFileError::NoSpace},
        {std::errc::read_only_file_system, EFileError::ReadOnly},
        {std::errc::io_error, EFileError::Other},
    };
    for (const auto& c : codes) {
        EXPECT_EQ(FileErrorOf(std::make_error_code(c.code)), c.error) << static_cast<int>(c.code);
    }
}

} // namespace
} // namespace kelvo
