#include "foundation/KeptFile.h"
#include "support/TemporaryDirectory.h"

#include <gtest/gtest.h>

#include <fstream>
#include <random>
#include <string>

#include <windows.h>

#include <sddl.h>

namespace kelvo {
namespace {

std::wstring AccessRights(const std::filesystem::path& path) {
    DWORD size = 0;
    ::GetFileSecurityW(path.c_str(), DACL_SECURITY_INFORMATION, nullptr, 0, &size);
    std::string descriptor(size, '\0');
    if (::GetFileSecurityW(path.c_str(), DACL_SECURITY_INFORMATION, descriptor.data(), size,
                           &size) == 0) {
        return {};
    }
    LPWSTR text = nullptr;
    ::ConvertSecurityDescriptorToStringSecurityDescriptorW(
        descriptor.data(), SDDL_REVISION_1, DACL_SECURITY_INFORMATION, &text, nullptr);
    std::wstring rights = text != nullptr ? text : L"";
    ::LocalFree(text);
    return rights;
}

void SetAccessRights(const std::filesystem::path& path, const wchar_t* rights) {
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    ASSERT_NE(::ConvertStringSecurityDescriptorToSecurityDescriptorW(rights, SDDL_REVISION_1,
                                                                     &descriptor, nullptr),
              0);
    ASSERT_NE(::SetFileSecurityW(path.c_str(), DACL_SECURITY_INFORMATION, descriptor), 0);
    ::LocalFree(descriptor);
}

// Windows' counterparts of a folder, a named pipe and a device in a kept
// file's place: none is read, and none holds the program.
TEST(KeptFileWindowsTest, FoldersPipesAndDevicesAreNoKeptFiles) {
    test::CTemporaryDirectory directory;
    std::random_device random;
    const std::wstring pipeName = L"\\\\.\\pipe\\kelvo-test-" + std::to_wstring(random());
    const HANDLE pipe = ::CreateNamedPipeW(pipeName.c_str(), PIPE_ACCESS_DUPLEX,
                                           PIPE_TYPE_BYTE | PIPE_WAIT, 1, 0, 0, 0, nullptr);
    ASSERT_NE(pipe, INVALID_HANDLE_VALUE);

    EXPECT_EQ(ReadKeptFile(directory.Path(), 100).error, EFileError::NotRegular);
    EXPECT_EQ(ReadKeptFile(pipeName, 100).error, EFileError::NotRegular);
    EXPECT_EQ(ReadKeptFile(L"NUL", 100).error, EFileError::NotRegular);
    EXPECT_EQ(ReadKeptFile(directory.Path() / "Kelvo.ini", 100).error, EFileError::NotFound);
    ::CloseHandle(pipe);
}

TEST(KeptFileWindowsTest, TheNewFileKeepsTheOldOnesAttributesAndAccessRights) {
    test::CTemporaryDirectory directory;
    const auto path = directory.Path() / "Kelvo.ini";
    std::ofstream(path, std::ios::binary) << "old";
    ASSERT_NE(::SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_HIDDEN), 0);
    SetAccessRights(path, L"D:P(A;;FA;;;WD)");
    const std::wstring rights = AccessRights(path);

    EXPECT_EQ(ReplaceKeptFile(path, "new\r\n"), EFileError::None);
    EXPECT_EQ(ReadKeptFile(path, 100).bytes, "new\r\n");
    EXPECT_NE(::GetFileAttributesW(path.c_str()) & FILE_ATTRIBUTE_HIDDEN, 0U);
    EXPECT_EQ(AccessRights(path), rights);
}

TEST(KeptFileWindowsTest, AReadOnlyFileIsLeftAsItWasAndNoTemporaryRemains) {
    test::CTemporaryDirectory directory;
    const auto path = directory.Path() / "Kelvo.ini";
    std::ofstream(path, std::ios::binary) << "old";
    ASSERT_NE(::SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_READONLY), 0);

    EXPECT_EQ(ReplaceKeptFile(path, "new\r\n"), EFileError::Denied);
    EXPECT_EQ(ReadKeptFile(path, 100).bytes, "old");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(directory.Path()),
                            std::filesystem::directory_iterator()),
              1);
    ::SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
}

// A link in the kept file's place is neither read nor written through: a
// save puts a file of its own there and leaves the link's target as it was.
TEST(KeptFileWindowsTest, ALinkInTheFilesPlaceIsReplacedAndItsTargetKept) {
    test::CTemporaryDirectory directory;
    const auto path = directory.Path() / "Kelvo.ini";
    const auto target = directory.Path() / "target";
    std::ofstream(target, std::ios::binary) << "target";
    if (::CreateSymbolicLinkW(path.c_str(), target.c_str(), 0) == 0) {
        GTEST_SKIP() << "this system makes no symbolic link here (Wine, or no right to)";
    }

    // Windows opens the link itself and finds no file; Wine finds nothing.
    EXPECT_NE(ReadKeptFile(path, 100).error, EFileError::None);
    EXPECT_EQ(ReplaceKeptFile(path, "new\r\n"), EFileError::None);
    EXPECT_EQ(::GetFileAttributesW(path.c_str()) & FILE_ATTRIBUTE_REPARSE_POINT, 0U);
    EXPECT_EQ(ReadKeptFile(path, 100).bytes, "new\r\n");
    EXPECT_EQ(ReadKeptFile(target, 100).bytes, "target");
}

} // namespace
} // namespace kelvo
