// Any bytes as the settings file: loading never throws, a file that loads
// gives only values inside the ranges of the boxes they fill, and what is then
// saved loads again and saves to the same bytes.
#include "number/OperatorCodes.h"
#include "question/CConfig.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

using namespace kelvo;

void Require(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "settings loader: %s\n", what);
        std::abort();
    }
}

bool Inside(int32_t value, int32_t lowest, int32_t highest) {
    return lowest <= value && value <= highest;
}

void RequireInsideTheBoxes(const CConfig& config) {
    const CQuestionData& question = *config.QuestionData();
    Require(Inside(question.Limits().Count(), CQuestionData::MinOperandCount,
                   CQuestionData::MaxOperandCount),
            "operand count");
    for (int32_t k = 0; k <= question.Limits().Count(); ++k) {
        const CValueLimit& limit = k == 0 ? *question.ResultLimit() : *question.Limits().Item(k);
        Require(Inside(limit.LowerLimit(), 0, ValueCeiling), "lower limit");
        Require(Inside(limit.UpperLimit(), 0, ValueCeiling), "upper limit");
        Require(Inside(limit.MultipleOf(), 1, ValueCeiling), "multiple of");
    }
    const COutputSettings& settings = *config.OutputSettings();
    Require(settings.Title().size() <= COutputSettings::MaxTitleLength, "title");
    Require(Inside(settings.RowCount(), COutputSettings::MinRowCount, COutputSettings::MaxRowCount),
            "rows");
    Require(Inside(settings.ColumnCount(), COutputSettings::MinColumnCount,
                   COutputSettings::MaxColumnCount),
            "columns");
    Require(Inside(settings.RowSpacing(), 0, COutputSettings::MaxRowSpacing), "row spacing");
    Require(Inside(settings.ColumnSpacing(), 0, COutputSettings::MaxColumnSpacing),
            "column spacing");
    Require(Inside(settings.RowCountPerTitle(), 0, COutputSettings::MaxRowCountPerTitle),
            "rows per title");
    Require(Inside(config.TrainingTime(), CConfig::MinTrainingTime, CConfig::MaxTrainingTime),
            "training time");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    CConfig config("Kelvo.ini");
    if (!config.LoadBytes(std::string(reinterpret_cast<const char*>(data), size))) {
        return 0;
    }
    RequireInsideTheBoxes(config);
    const auto saved = config.Bytes();
    Require(saved.has_value(), "a loaded file cannot be saved");
    CConfig again("Kelvo.ini");
    Require(again.LoadBytes(*saved), "a saved file does not load");
    Require(again.Bytes() == saved, "a saved file does not load back the same");
    return 0;
}
