#include "question/CConfig.h"

#include "foundation/SettingsFile.h"
#include "foundation/TextNumber.h"
#include "support/TemporaryDirectory.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <functional>
#include <vector>

#ifndef _WIN32
#include <sys/stat.h>
#endif

namespace kelvo {
namespace {

std::shared_ptr<CValueLimit> Range(int32_t lower, int32_t upper, int32_t multipleOf) {
    auto limit = std::make_shared<CValueLimit>();
    limit->SetLowerLimit(lower);
    limit->SetUpperLimit(upper);
    limit->SetMultipleOf(multipleOf);
    return limit;
}

std::shared_ptr<CFont> Font(std::u16string name, int32_t size, int32_t weight, bool effects,
                            int32_t color, int32_t charset) {
    auto font = std::make_shared<CFont>();
    font->SetName(std::move(name));
    font->SetSize(size);
    font->SetWeight(weight);
    font->SetItalic(effects);
    font->SetUnderline(effects);
    font->SetStrikethru(effects);
    font->SetColor(color);
    font->SetCharset(charset);
    return font;
}

// The state of a first run: the panel of "自己定制题型", the layout boxes'
// default texts, the output box's font and the training defaults.
void SetFirstRunState(CConfig& config) {
    auto question = std::make_shared<CQuestionData>();
    question->AddLimit(Range(1, 10, 1));
    question->AddOperator(u"＋$$$");
    question->AddLimit(Range(1, 10, 1));
    question->SetResultLimit(Range(1, 10, 1));
    config.SetQuestionData(question);

    auto settings = std::make_shared<COutputSettings>();
    settings->SetTitle(u"  姓名：" + std::u16string(19, u' ') + u"时间：" +
                       std::u16string(19, u' ') + u"得分：");
    settings->SetRowCount(10);
    settings->SetColumnCount(5);
    settings->SetRowSpacing(1);
    settings->SetColumnSpacing(6);
    settings->SetRowCountPerTitle(10);
    config.SetOutputSettings(settings);

    config.SetOutputFont(Font(u"宋体", 12, 400, false, 0, 134));
    config.SetTrainingFont(CConfig::DefaultTrainingFont());
    config.SetTrainingTime(60);
}

// A state in which every line differs from what a new object holds.
void SetDistinctState(CConfig& config, int32_t operandCount) {
    const std::u16string patterns[] = {u"＋$$$", u"$－$$", u"$$×$"};
    auto question = std::make_shared<CQuestionData>();
    question->SetTitle(u"题");
    question->AddLimit(Range(3, 30, 10));
    for (int32_t k = 2; k <= operandCount; ++k) {
        question->AddOperator(patterns[k - 2]);
        question->AddLimit(Range(k, 100 * k, 100));
    }
    question->SetResultLimit(Range(5, 900, 10));
    question->SetCbr(2);
    config.SetQuestionData(question);

    auto settings = std::make_shared<COutputSettings>();
    settings->SetTitle(u"T");
    settings->SetRowCount(7);
    settings->SetColumnCount(3);
    settings->SetRowSpacing(2);
    settings->SetColumnSpacing(4);
    settings->SetRowCountPerTitle(5);
    settings->SetIsFillQuestions(true);
    settings->SetIsShowAnswer(true);
    settings->SetCbr(1);
    config.SetOutputSettings(settings);

    config.SetOutputFont(Font(u"宋体", 12, 700, true, 255, 134));
    config.SetTrainingFont(Font(u"Arial", 20, 700, true, 65280, 1));
    config.SetTrainingTime(90);
}

std::string FileBytes(const std::filesystem::path& path) {
    return ReadSettingsFile(path).value_or("<no file>");
}

void WriteFile(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

size_t LineCount(const std::string& bytes) {
    size_t count = 0;
    for (size_t at = bytes.find("\r\n"); at != std::string::npos; at = bytes.find("\r\n", at + 2)) {
        ++count;
    }
    return count;
}

// The first `keep` lines of the file.
std::string FirstLines(const std::string& bytes, size_t keep) {
    size_t end = 0;
    for (size_t i = 0; i < keep; ++i) {
        end = bytes.find("\r\n", end) + 2;
    }
    return bytes.substr(0, end);
}

class CConfigTest : public ::testing::Test {
protected:
    std::filesystem::path Path() const { return m_directory.Path() / "Kelvo.ini"; }

    test::CTemporaryDirectory m_directory;
};

TEST_F(CConfigTest, WithoutAFileTheTrainingDefaultsApply) {
    CConfig config(Path());
    EXPECT_FALSE(config.Load());
    EXPECT_EQ(config.QuestionData(), nullptr);
    EXPECT_EQ(config.OutputSettings(), nullptr);
    EXPECT_EQ(config.OutputFont(), nullptr);
    ASSERT_NE(config.TrainingFont(), nullptr);
    EXPECT_EQ(*config.TrainingFont(), *Font(u"Verdana", 14, 400, false, 0, 0));
    EXPECT_EQ(config.TrainingTime(), 60);
}

TEST_F(CConfigTest, AnEmptyFileLoadsAsFalseWithTheTrainingDefaults) {
    WriteFile(Path(), "");
    CConfig config(Path());
    EXPECT_FALSE(config.Load());
    EXPECT_EQ(config.QuestionData(), nullptr);
    EXPECT_EQ(*config.TrainingFont(), *CConfig::DefaultTrainingFont());
    EXPECT_EQ(config.TrainingTime(), 60);
}

// Neither is read: a folder would throw a read error through the stream and a
// named pipe would wait for a writer for ever. Windows keeps no named pipe
// among the files of a folder.
TEST_F(CConfigTest, AFolderOrANamedPipeNamedKelvoIniLoadsAsNoFile) {
    const std::function<void(const std::filesystem::path&)> makers[] = {
        [](const auto& path) { std::filesystem::create_directory(path); },
#ifndef _WIN32
        [](const auto& path) { ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0); },
#endif
    };
    for (const auto& make : makers) {
        make(Path());
        CConfig config(Path());
        EXPECT_FALSE(config.Load());
        EXPECT_EQ(config.QuestionData(), nullptr);
        EXPECT_EQ(*config.TrainingFont(), *CConfig::DefaultTrainingFont());
        std::filesystem::remove(Path());
    }
}

TEST_F(CConfigTest, TheFirstRunFileHasExactlyTheDocumentedBytes) {
    const std::string reference = "\r\n"
                                  " 2 \r\n"
                                  " 1 \r\n 10 \r\n 1 \r\n"
                                  "\xA3\xAB$$$\r\n"
                                  " 1 \r\n 10 \r\n 1 \r\n"
                                  " 1 \r\n 10 \r\n 1 \r\n"
                                  " 0 \r\n"
                                  "  \xD0\xD5\xC3\xFB\xA3\xBA"
                                  "                   "
                                  "\xCA\xB1\xBC\xE4\xA3\xBA"
                                  "                   "
                                  "\xB5\xC3\xB7\xD6\xA3\xBA\r\n"
                                  " 10 \r\n 5 \r\n 1 \r\n 6 \r\n 10 \r\n 0 \r\n 0 \r\n 0 \r\n"
                                  "\xCB\xCE\xCC\xE5\r\n"
                                  " 12 \r\n 400 \r\n 0 \r\n 0 \r\n 0 \r\n 0 \r\n 134 \r\n"
                                  "Verdana\r\n"
                                  " 14 \r\n 400 \r\n 0 \r\n 0 \r\n 0 \r\n 0 \r\n 0 \r\n"
                                  " 60 \r\n";
    CConfig config(Path());
    SetFirstRunState(config);
    config.Save();
    EXPECT_EQ(FileBytes(Path()), reference);
    EXPECT_EQ(LineCount(reference), 39u);
}

TEST_F(CConfigTest, TheFileGrowsByFourLinesPerOperandAndLoadsBack) {
    for (const auto& [operands, lines] :
         {std::pair{2, 39u}, std::pair{3, 43u}, std::pair{4, 47u}}) {
        CConfig saved(Path());
        SetDistinctState(saved, operands);
        saved.Save();
        EXPECT_EQ(LineCount(FileBytes(Path())), lines);

        CConfig loaded(Path());
        ASSERT_TRUE(loaded.Load()) << operands;
        CConfig again(m_directory.Path() / "again.ini");
        again.SetQuestionData(loaded.QuestionData());
        again.SetOutputSettings(loaded.OutputSettings());
        again.SetOutputFont(loaded.OutputFont());
        again.SetTrainingFont(loaded.TrainingFont());
        again.SetTrainingTime(loaded.TrainingTime());
        again.Save();
        EXPECT_EQ(FileBytes(again.Path()), FileBytes(Path()));
        EXPECT_EQ(*loaded.TrainingFont(), *saved.TrainingFont());
        EXPECT_EQ(loaded.TrainingTime(), 90);
    }
}

TEST_F(CConfigTest, TheTrainingTimeIsHeldToItsBox) {
    for (const auto& [line, expected] :
         {std::pair{" 0 ", 1}, std::pair{"-5 ", 1}, std::pair{" 60.5 ", 60},
          std::pair{" 9999 ", 9999}, std::pair{" 100000 ", 9999}}) {
        CConfig config(Path());
        SetFirstRunState(config);
        config.Save();
        const std::string bytes = FileBytes(Path());
        WriteFile(Path(), FirstLines(bytes, 38) + line + "\r\n");
        ASSERT_TRUE(config.Load()) << line;
        EXPECT_EQ(config.TrainingTime(), expected) << line;
    }
}

TEST_F(CConfigTest, LoadedValuesAreHeldToTheRangesOfTheirBoxes) {
    CConfig config(Path());
    SetFirstRunState(config);
    config.QuestionData()->Limit1()->SetLowerLimit(20);
    config.QuestionData()->Limit1()->SetUpperLimit(5);
    config.QuestionData()->Limit2()->SetUpperLimit(2000000000);
    config.QuestionData()->ResultLimit()->SetUpperLimit(-7);
    config.OutputSettings()->SetRowCount(2000000000);
    config.OutputSettings()->SetColumnCount(0);
    config.OutputSettings()->SetRowSpacing(-1);
    config.OutputSettings()->SetColumnSpacing(51);
    config.OutputSettings()->SetRowCountPerTitle(5001);
    config.OutputSettings()->SetTitle(std::u16string(300, u'x'));
    config.Save();

    CConfig loaded(Path());
    ASSERT_TRUE(loaded.Load());
    EXPECT_EQ(loaded.QuestionData()->Limit1()->LowerLimit(), 20);
    EXPECT_EQ(loaded.QuestionData()->Limit1()->UpperLimit(), 5);
    EXPECT_EQ(loaded.QuestionData()->Limit2()->UpperLimit(), 10000);
    EXPECT_EQ(loaded.QuestionData()->ResultLimit()->UpperLimit(), 0);
    const COutputSettings& settings = *loaded.OutputSettings();
    EXPECT_EQ(settings.RowCount(), 5000);
    EXPECT_EQ(settings.ColumnCount(), 1);
    EXPECT_EQ(settings.RowSpacing(), 0);
    EXPECT_EQ(settings.ColumnSpacing(), 50);
    EXPECT_EQ(settings.RowCountPerTitle(), 5000);
    EXPECT_EQ(settings.Title().size(), 256u);
}

TEST_F(CConfigTest, ACountLineOfOneOrZeroIsADamagedFile) {
    for (const char* count : {" 1 ", " 0 "}) {
        CConfig config(Path());
        SetFirstRunState(config);
        config.Save();
        std::string bytes = FileBytes(Path());
        bytes.replace(2, 3, count);
        WriteFile(Path(), bytes);
        EXPECT_FALSE(config.Load()) << count;
        EXPECT_EQ(config.QuestionData()->Limits().Count(), 0);
        EXPECT_EQ(config.OutputSettings()->RowCount(), 0);
        EXPECT_EQ(*config.TrainingFont(), *CConfig::DefaultTrainingFont());
    }
}

// One probe per line of a four-operand file: the field that line fills, as
// text; a missing object reads as a new one.
struct LineProbe {
    std::function<std::u16string(const CConfig&)> value;
};

const CQuestionData& QuestionOf(const CConfig& config) {
    static const CQuestionData none;
    return config.QuestionData() ? *config.QuestionData() : none;
}

const CValueLimit& LimitOf(const std::shared_ptr<CValueLimit>& limit) {
    static const CValueLimit none;
    return limit ? *limit : none;
}

const COutputSettings& SettingsOf(const CConfig& config) {
    static const COutputSettings none;
    return config.OutputSettings() ? *config.OutputSettings() : none;
}

const CFont& FontOf(const std::shared_ptr<CFont>& font) {
    static const CFont none;
    return font ? *font : none;
}

std::u16string Text(int32_t value) {
    return DecimalText(value);
}

void AddLimitProbes(std::vector<LineProbe>& probes,
                    std::function<std::shared_ptr<CValueLimit>(const CQuestionData&)> limit) {
    probes.push_back(
        {[=](const CConfig& c) { return Text(LimitOf(limit(QuestionOf(c))).LowerLimit()); }});
    probes.push_back(
        {[=](const CConfig& c) { return Text(LimitOf(limit(QuestionOf(c))).UpperLimit()); }});
    probes.push_back(
        {[=](const CConfig& c) { return Text(LimitOf(limit(QuestionOf(c))).MultipleOf()); }});
}

void AddFontProbes(std::vector<LineProbe>& probes,
                   std::function<const std::shared_ptr<CFont>&(const CConfig&)> font) {
    probes.push_back({[=](const CConfig& c) { return FontOf(font(c)).Name(); }});
    probes.push_back({[=](const CConfig& c) { return Text(FontOf(font(c)).Size()); }});
    probes.push_back({[=](const CConfig& c) { return Text(FontOf(font(c)).Weight()); }});
    probes.push_back({[=](const CConfig& c) { return Text(FontOf(font(c)).Italic()); }});
    probes.push_back({[=](const CConfig& c) { return Text(FontOf(font(c)).Underline()); }});
    probes.push_back({[=](const CConfig& c) { return Text(FontOf(font(c)).Strikethru()); }});
    probes.push_back({[=](const CConfig& c) { return Text(FontOf(font(c)).Color()); }});
    probes.push_back({[=](const CConfig& c) { return Text(FontOf(font(c)).Charset()); }});
}

std::vector<LineProbe> FourOperandProbes() {
    std::vector<LineProbe> probes;
    probes.push_back({[](const CConfig& c) { return QuestionOf(c).Title(); }});
    probes.push_back({[](const CConfig& c) { return Text(QuestionOf(c).Limits().Count()); }});
    AddLimitProbes(probes, [](const CQuestionData& q) { return q.Limit1(); });
    probes.push_back({[](const CConfig& c) { return QuestionOf(c).Operator1(); }});
    AddLimitProbes(probes, [](const CQuestionData& q) { return q.Limit2(); });
    probes.push_back({[](const CConfig& c) { return QuestionOf(c).Operator2(); }});
    AddLimitProbes(probes, [](const CQuestionData& q) { return q.Limit3(); });
    probes.push_back({[](const CConfig& c) { return QuestionOf(c).Operator3(); }});
    AddLimitProbes(probes, [](const CQuestionData& q) { return q.Limit4(); });
    AddLimitProbes(probes, [](const CQuestionData& q) { return q.ResultLimit(); });
    probes.push_back({[](const CConfig& c) { return Text(QuestionOf(c).Cbr()); }});

    probes.push_back({[](const CConfig& c) { return SettingsOf(c).Title(); }});
    probes.push_back({[](const CConfig& c) { return Text(SettingsOf(c).RowCount()); }});
    probes.push_back({[](const CConfig& c) { return Text(SettingsOf(c).ColumnCount()); }});
    probes.push_back({[](const CConfig& c) { return Text(SettingsOf(c).RowSpacing()); }});
    probes.push_back({[](const CConfig& c) { return Text(SettingsOf(c).ColumnSpacing()); }});
    probes.push_back({[](const CConfig& c) { return Text(SettingsOf(c).RowCountPerTitle()); }});
    probes.push_back({[](const CConfig& c) { return Text(SettingsOf(c).IsFillQuestions()); }});
    probes.push_back({[](const CConfig& c) { return Text(SettingsOf(c).IsShowAnswer()); }});
    probes.push_back({[](const CConfig& c) { return Text(SettingsOf(c).Cbr()); }});

    AddFontProbes(probes,
                  [](const CConfig& c) -> const std::shared_ptr<CFont>& { return c.OutputFont(); });
    AddFontProbes(
        probes, [](const CConfig& c) -> const std::shared_ptr<CFont>& { return c.TrainingFont(); });
    probes.push_back({[](const CConfig& c) { return Text(c.TrainingTime()); }});
    return probes;
}

// A file cut after any line loads as false; every field up to the cut holds
// what the file says and every later one what a new object holds, except the
// training font and time, which keep their defaults unless read whole.
TEST_F(CConfigTest, AFileCutAfterAnyLineKeepsExactlyWhatWasRead) {
    CConfig saved(Path());
    SetDistinctState(saved, 4);
    saved.Save();
    const std::string bytes = FileBytes(Path());
    const std::vector<LineProbe> probes = FourOperandProbes();
    ASSERT_EQ(LineCount(bytes), probes.size());

    CConfig full(Path());
    ASSERT_TRUE(full.Load());
    CConfig fresh(m_directory.Path() / "none.ini");
    CConfig defaults(m_directory.Path() / "none.ini");
    (void)defaults.Load();
    const size_t trainingFontFirstLine = 39;
    const size_t trainingFontLastLine = 46;
    for (size_t line = 1; line <= probes.size(); ++line) {
        ASSERT_NE(probes[line - 1].value(full), probes[line - 1].value(fresh)) << line;
    }

    for (size_t kept = 0; kept < probes.size(); ++kept) {
        WriteFile(Path(), FirstLines(bytes, kept));
        CConfig config(Path());
        EXPECT_FALSE(config.Load()) << kept;
        for (size_t line = 1; line <= probes.size(); ++line) {
            // The training font counts only when read whole.
            const bool trainingPart = line >= trainingFontFirstLine;
            const size_t needed = trainingPart ? std::max(line, trainingFontLastLine) : line;
            const CConfig& source = kept >= needed ? full : trainingPart ? defaults : fresh;
            EXPECT_EQ(probes[line - 1].value(config), probes[line - 1].value(source))
                << "kept " << kept << ", line " << line;
        }
    }
}

TEST_F(CConfigTest, ADamagedTrainingFontFallsBackToTheDefaults) {
    CConfig config(Path());
    SetDistinctState(config, 2);
    config.Save();
    std::string bytes = FileBytes(Path());
    const size_t sizeLine = bytes.find("Arial\r\n") + 7;
    bytes.replace(sizeLine, 4, "big");
    WriteFile(Path(), bytes);

    CConfig loaded(Path());
    EXPECT_FALSE(loaded.Load());
    EXPECT_EQ(loaded.OutputFont()->Name(), u"宋体");
    EXPECT_EQ(*loaded.TrainingFont(), *CConfig::DefaultTrainingFont());
    EXPECT_EQ(loaded.TrainingTime(), 60);
}

TEST_F(CConfigTest, AFailedSaveLeavesTheOldFileUntouched) {
    CConfig config(Path());
    SetDistinctState(config, 3);
    config.Save();
    const std::string before = FileBytes(Path());

    SetFirstRunState(config);
    config.SetOutputSettings(nullptr);
    config.Save();
    EXPECT_EQ(FileBytes(Path()), before);

    SetFirstRunState(config);
    config.QuestionData()->SetResultLimit(nullptr);
    config.Save();
    EXPECT_EQ(FileBytes(Path()), before);

    SetFirstRunState(config);
    config.SetTrainingFont(nullptr);
    config.Save();
    EXPECT_EQ(FileBytes(Path()), before);
}

TEST_F(CConfigTest, AnUnwritableFolderIsSilentAndCreatesNothing) {
    CConfig config(m_directory.Path() / "missing" / "Kelvo.ini");
    SetFirstRunState(config);
    config.Save();
    EXPECT_FALSE(std::filesystem::exists(m_directory.Path() / "missing"));
}

} // namespace
} // namespace kelvo
