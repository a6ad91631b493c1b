#pragma once

#include <filesystem>
#include <random>
#include <string>

namespace kelvo::test {

// A fresh directory under the system's temporary folder, removed with its
// contents when the object goes; tests never touch a real user's files.
class CTemporaryDirectory {
public:
    CTemporaryDirectory() {
        std::random_device random;
        m_path = std::filesystem::temp_directory_path() /
                 ("kelvo-test-" + std::to_string(random()) + "-" + std::to_string(random()));
        std::filesystem::create_directories(m_path);
    }
    ~CTemporaryDirectory() {
        std::error_code ignored;
        std::filesystem::remove_all(m_path, ignored);
    }
    CTemporaryDirectory(const CTemporaryDirectory&) = delete;
    CTemporaryDirectory& operator=(const CTemporaryDirectory&) = delete;

    const std::filesystem::path& Path() const { return m_path; }

private:
    std::filesystem::path m_path;
};

} // namespace kelvo::test
