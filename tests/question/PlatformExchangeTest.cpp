#include "foundation/KeptFile.h"
#include "question/CConfig.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>

namespace kelvo {
namespace {

// Files exchanged between the Linux and the Windows build of Kelvo. Each
// build writes its files into a folder of its own under KELVO_EXCHANGE_FOLDER
// and loads the files the other build wrote there (scripts/windows-core runs
// both in turn); without that folder there is nothing to exchange.
#ifdef _WIN32
constexpr const char* ThisSide = "windows";
constexpr const char* OtherSide = "linux";
#else
constexpr const char* ThisSide = "linux";
constexpr const char* OtherSide = "windows";
#endif

std::optional<std::filesystem::path> ExchangeFolder() {
    const char* folder = std::getenv("KELVO_EXCHANGE_FOLDER");
    if (folder == nullptr || *folder == '\0') {
        return std::nullopt;
    }
    return std::filesystem::path(folder);
}

std::shared_ptr<CValueLimit> Range(int32_t lower, int32_t upper, int32_t multipleOf) {
    auto limit = std::make_shared<CValueLimit>();
    limit->SetLowerLimit(lower);
    limit->SetUpperLimit(upper);
    limit->SetMultipleOf(multipleOf);
    return limit;
}

std::shared_ptr<CFont> Font(std::u16string name, int32_t size, int32_t weight, int32_t charset) {
    auto font = std::make_shared<CFont>();
    font->SetName(std::move(name));
    font->SetSize(size);
    font->SetWeight(weight);
    font->SetUnderline(true);
    font->SetColor(255);
    font->SetCharset(charset);
    return font;
}

// Four operands, Chinese texts in every text line, fonts Windows has.
CConfig ExchangedSettings(const std::filesystem::path& path) {
    CConfig config(path);
    auto question = std::make_shared<CQuestionData>();
    question->SetTitle(u"两位数的加减乘混合（进位）");
    question->AddLimit(Range(10, 99, 1));
    for (const char16_t* pattern : {u"＋$$$", u"$－$$", u"$$×$"}) {
        question->AddOperator(pattern);
        question->AddLimit(Range(2, 50, 2));
    }
    question->SetResultLimit(Range(0, 1000, 5));
    question->SetCbr(1);
    config.SetQuestionData(question);

    auto settings = std::make_shared<COutputSettings>();
    settings->SetTitle(u"  班级：    姓名：    得分：");
    settings->SetRowCount(25);
    settings->SetColumnCount(4);
    settings->SetRowSpacing(2);
    settings->SetColumnSpacing(3);
    settings->SetRowCountPerTitle(25);
    settings->SetIsShowAnswer(true);
    config.SetOutputSettings(settings);

    config.SetOutputFont(Font(u"宋体", 14, 700, 134));
    config.SetTrainingFont(Font(u"微软雅黑", 20, 400, 134));
    config.SetTrainingTime(120);
    return config;
}

// The plan and the saved kinds as the program writes them: UTF-8 JSON with
// line feeds, which neither platform may change on its way to the disk.
struct CExchangedFile {
    const char* name;
    std::string_view bytes;
};
constexpr CExchangedFile KeptFiles[] = {
    {"KelvoPlan.json", R"({
    "format": "kelvo-plan",
    "mixed": true,
    "sections": [
        {
            "count": 20,
            "kind": {
                "cbr": 1,
                "operands": [
                    {"from": 10, "multipleOf": 1, "to": 99},
                    {"from": 1, "multipleOf": 1, "to": 9}
                ],
                "operators": ["＋$$$"],
                "result": {"from": 0, "multipleOf": 1, "to": 100},
                "title": "两位数加一位数（进位）"
            }
        }
    ],
    "version": 1
}
)"},
    {"KelvoKinds.json", R"({
    "format": "kelvo-kinds",
    "kinds": [
        {
            "cbr": 2,
            "operands": [
                {"from": 10, "multipleOf": 1, "to": 99},
                {"from": 2, "multipleOf": 1, "to": 9}
            ],
            "operators": ["$$÷$"],
            "result": {"from": 1, "multipleOf": 1, "to": 99},
            "title": "有余数的除法"
        }
    ],
    "version": 1
}
)"},
};

TEST(PlatformExchangeTest, WritesItsFilesForTheOtherBuild) {
    const auto folder = ExchangeFolder();
    if (!folder) {
        GTEST_SKIP() << "KELVO_EXCHANGE_FOLDER names no folder";
    }
    const auto side = *folder / ThisSide;
    std::filesystem::create_directories(side);
    const auto settings = ExchangedSettings(side / "Kelvo.ini").Bytes();
    ASSERT_TRUE(settings);
    EXPECT_EQ(ReplaceKeptFile(side / "Kelvo.ini", *settings), EFileError::None);
    for (const CExchangedFile& file : KeptFiles) {
        EXPECT_EQ(ReplaceKeptFile(side / file.name, file.bytes), EFileError::None) << file.name;
    }
}

// The other build's Kelvo.ini holds the same bytes as this build writes for
// the same settings, and loads to settings that save back to those bytes.
TEST(PlatformExchangeTest, LoadsTheFilesTheOtherBuildWrote) {
    const auto folder = ExchangeFolder();
    if (!folder) {
        GTEST_SKIP() << "KELVO_EXCHANGE_FOLDER names no folder";
    }
    const auto side = *folder / OtherSide;
    ASSERT_TRUE(std::filesystem::is_directory(side)) << side << ": the other build wrote nothing";

    const CFileRead settings = ReadKeptFile(side / "Kelvo.ini", 1024 * 1024);
    ASSERT_EQ(settings.error, EFileError::None);
    EXPECT_EQ(ExchangedSettings(side / "Kelvo.ini").Bytes(), settings.bytes);
    CConfig loaded(side / "Kelvo.ini");
    ASSERT_TRUE(loaded.Load());
    EXPECT_EQ(loaded.Bytes(), settings.bytes);
    EXPECT_EQ(*loaded.TrainingFont(), *Font(u"微软雅黑", 20, 400, 134));

    for (const CExchangedFile& file : KeptFiles) {
        const CFileRead read = ReadKeptFile(side / file.name, 1024 * 1024);
        EXPECT_EQ(read.error, EFileError::None) << file.name;
        EXPECT_EQ(read.bytes, file.bytes) << file.name;
    }
}

} // namespace
} // namespace kelvo
