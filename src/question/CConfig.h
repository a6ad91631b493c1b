#pragma once

#include "output/CFont.h"
#include "output/COutputSettings.h"
#include "question/CQuestionData.h"

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>

namespace kelvo {

// The user's settings between runs: the operand panel as it was left, the
// print settings, the output font, the training font and the training time,
// kept in five blocks of one settings file. The window passes the file's path
// (the program's directory + "Kelvo.ini"); tests pass a temporary one.
class CConfig {
public:
    static constexpr int32_t MinTrainingTime = 1;
    static constexpr int32_t MaxTrainingTime = 9999;
    static constexpr int32_t DefaultTrainingTime = 60;

    explicit CConfig(std::filesystem::path path);

    // True only when all five blocks were read. A block that did not load
    // completely leaves the training font and time at their defaults; the
    // values that were read are held to the ranges of their boxes. A file
    // that cannot be read, or is no regular file, is no file.
    bool Load();
    // Load from the file's bytes as read.
    bool LoadBytes(std::string bytes);
    // Writes the whole file, or leaves the old one untouched when any block
    // cannot be written. Silent either way.
    void Save() const;
    // The bytes Save writes; none when a block cannot be written.
    std::optional<std::string> Bytes() const;

    const std::filesystem::path& Path() const { return m_path; }

    const std::shared_ptr<CQuestionData>& QuestionData() const { return m_questionData; }
    void SetQuestionData(std::shared_ptr<CQuestionData> value) {
        m_questionData = std::move(value);
    }
    const std::shared_ptr<COutputSettings>& OutputSettings() const { return m_outputSettings; }
    void SetOutputSettings(std::shared_ptr<COutputSettings> value) {
        m_outputSettings = std::move(value);
    }
    const std::shared_ptr<CFont>& OutputFont() const { return m_outputFont; }
    void SetOutputFont(std::shared_ptr<CFont> value) { m_outputFont = std::move(value); }
    const std::shared_ptr<CFont>& TrainingFont() const { return m_trainingFont; }
    void SetTrainingFont(std::shared_ptr<CFont> value) { m_trainingFont = std::move(value); }
    int32_t TrainingTime() const { return m_trainingTime; }
    void SetTrainingTime(int32_t value) { m_trainingTime = value; }

    // "Verdana", 14 points, weight 400, no effects, black, character set 0.
    static std::shared_ptr<CFont> DefaultTrainingFont();

private:
    bool LoadBlocks(CSettingsReader& file);

    std::filesystem::path m_path;
    std::shared_ptr<CQuestionData> m_questionData;
    std::shared_ptr<COutputSettings> m_outputSettings;
    std::shared_ptr<CFont> m_outputFont;
    std::shared_ptr<CFont> m_trainingFont;
    int32_t m_trainingTime = 0;
};

} // namespace kelvo
