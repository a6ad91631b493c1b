#include "question/CConfig.h"

#include "foundation/SettingsFile.h"
#include "number/OperatorCodes.h"

#include <algorithm>
#include <exception>

namespace kelvo {

namespace {

// The range boxes of the operand panel take 0..10000.
void ClampToRangeBoxes(CValueLimit& limit) {
    limit.SetLowerLimit(std::clamp(limit.LowerLimit(), 0, ValueCeiling));
    limit.SetUpperLimit(std::clamp(limit.UpperLimit(), 0, ValueCeiling));
}

void ClampToRangeBoxes(CQuestionData& question) {
    for (int32_t k = 1; k <= question.Limits().Count(); ++k) {
        ClampToRangeBoxes(*question.Limits().Item(k));
    }
    ClampToRangeBoxes(*question.ResultLimit());
}

} // namespace

CConfig::CConfig(std::filesystem::path path) : m_path(std::move(path)) {}

std::shared_ptr<CFont> CConfig::DefaultTrainingFont() {
    auto font = std::make_shared<CFont>();
    font->SetName(u"Verdana");
    font->SetCharset(0);
    font->SetColor(0);
    font->SetItalic(false);
    font->SetSize(14);
    font->SetStrikethru(false);
    font->SetUnderline(false);
    font->SetWeight(400);
    return font;
}

bool CConfig::Load() {
    auto bytes = ReadSettingsFile(m_path);
    if (!bytes) {
        m_trainingFont = DefaultTrainingFont();
        m_trainingTime = DefaultTrainingTime;
        return false;
    }
    return LoadBytes(std::move(*bytes));
}

bool CConfig::LoadBytes(std::string bytes) {
    m_trainingFont = DefaultTrainingFont();
    m_trainingTime = DefaultTrainingTime;
    if (bytes.empty()) {
        return false;
    }
    // Whatever a damaged file makes go wrong is a file that did not load.
    try {
        CSettingsReader file(std::move(bytes));
        return LoadBlocks(file);
    } catch (const std::exception&) {
        return false;
    }
}

// The blocks are read in file order and reading stops at the first damaged
// one; the objects keep what was read, but only complete blocks are held to
// the box ranges, and the training part keeps its defaults unless read whole.
bool CConfig::LoadBlocks(CSettingsReader& file) {
    m_questionData = std::make_shared<CQuestionData>();
    m_outputSettings = std::make_shared<COutputSettings>();
    m_outputFont = std::make_shared<CFont>();
    auto trainingFont = std::make_shared<CFont>();

    if (!m_questionData->Load(file)) {
        return false;
    }
    ClampToRangeBoxes(*m_questionData);
    if (!m_outputSettings->Load(file)) {
        return false;
    }
    m_outputSettings->ClampToBoxRanges();
    if (!m_outputFont->Load(file) || !trainingFont->Load(file)) {
        return false;
    }
    m_trainingFont = std::move(trainingFont);
    try {
        m_trainingTime = std::clamp(file.ReadNumber(), MinTrainingTime, MaxTrainingTime);
    } catch (const CSettingsFileError&) {
        return false;
    }
    return true;
}

void CConfig::Save() const {
    if (const auto bytes = Bytes()) {
        ReplaceSettingsFile(m_path, *bytes);
    }
}

std::optional<std::string> CConfig::Bytes() const {
    if (!m_questionData || !m_outputSettings || !m_outputFont || !m_trainingFont) {
        return std::nullopt;
    }
    CSettingsWriter file;
    if (!m_questionData->Save(file)) {
        return std::nullopt;
    }
    m_outputSettings->Save(file);
    m_outputFont->Save(file);
    m_trainingFont->Save(file);
    file.WriteNumber(m_trainingTime);
    return file.Bytes();
}

} // namespace kelvo
