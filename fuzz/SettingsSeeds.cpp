// Writes the fuzzer's seeds into the given folder: settings files as the
// program saves them, one for every preset kind of question, with layouts
// and fonts that differ from one file to the next.
// Usage: kelvo_settings_seeds folder
#include "question/CConfig.h"
#include "question/CPreCreatedQuestions.h"

#include <cstdio>
#include <filesystem>
#include <string>

int main(int argc, char* argv[]) {
    using namespace kelvo;
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s folder\n", argv[0]);
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    std::filesystem::create_directories(folder);
    CPreCreatedQuestions presets;
    presets.Load();
    for (int32_t i = 1; i <= presets.Questions().Count(); ++i) {
        const auto& question = presets.Questions().Item(i);
        if (question->Limits().Count() == 0) {
            continue;
        }
        CConfig config(folder / ("seed-" + std::to_string(i) + ".ini"));
        config.SetQuestionData(question);
        auto settings = std::make_shared<COutputSettings>();
        settings->SetTitle(question->Title());
        settings->SetRowCount(i * 67 % COutputSettings::MaxRowCount + 1);
        settings->SetColumnCount(i % COutputSettings::MaxColumnCount + 1);
        settings->SetRowSpacing(i % 3);
        settings->SetColumnSpacing(i % 7);
        settings->SetRowCountPerTitle(i % 11);
        settings->SetIsFillQuestions(i % 2 == 0);
        settings->SetIsShowAnswer(i % 3 == 0);
        config.SetOutputSettings(settings);
        auto font = CConfig::DefaultTrainingFont();
        font->SetName(i % 2 == 0 ? u"宋体" : u"Verdana");
        font->SetSize(9 + i % 20);
        font->SetWeight(i % 2 == 0 ? 700 : 400);
        config.SetOutputFont(font);
        config.SetTrainingFont(CConfig::DefaultTrainingFont());
        config.SetTrainingTime(i * 13);
        config.Save();
    }
    return 0;
}
