#pragma once

#include "foundation/RandomSource.h"
#include "generation/GenerationDriver.h"
#include "output/COutputFormatter.h"
#include "output/COutputSettings.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace kelvo::bench {

// A sheet of rows × columns with the default title and spacing.
inline COutputSettings DefaultSheet(int32_t rows, int32_t columns) {
    COutputSettings settings;
    settings.SetTitle(u"  姓名：                   时间：                   得分：");
    settings.SetRowCount(rows);
    settings.SetColumnCount(columns);
    settings.SetRowSpacing(1);
    settings.SetColumnSpacing(6);
    settings.SetRowCountPerTitle(10);
    return settings;
}

// The largest worksheet the layout boxes allow.
constexpr int32_t Rows = 5000;
constexpr int32_t Columns = 20;

inline std::shared_ptr<COutputSettings> LargestSheet(bool fill, bool answers) {
    auto settings = std::make_shared<COutputSettings>(DefaultSheet(Rows, Columns));
    settings->SetIsFillQuestions(fill);
    settings->SetIsShowAnswer(answers);
    return settings;
}

// The seed a benchmark's sheets are drawn from.
constexpr uint64_t SheetSeed = 20261209;

// The sheet made as "生成试题" makes it: its questions, drawn from a seed as
// every sheet with a code is, then its text; the text's length.
inline int64_t WriteSheet(const TemplateList& templates,
                          const std::shared_ptr<COutputSettings>& settings, int32_t* generated) {
    const CSeededRandom drawn(SheetSeed);
    const QuestionList questions = GenerateQuestions(
        templates, settings->RowCount() * settings->ColumnCount(), generated, nullptr);
    COutputFormatter formatter;
    formatter.SetSettings(settings);
    formatter.SetExprValues(&questions);
    formatter.RepresentativeExpression(*templates.front());
    const CStringBuilder text = formatter.Format(nullptr);
    benchmark::DoNotOptimize(text.Ptr());
    return text.Length();
}

// A kind's title as the benchmark's label (the titles are of the basic plane).
inline std::string Utf8(std::u16string_view text) {
    std::string bytes;
    for (const char16_t unit : text) {
        if (unit < 0x80) {
            bytes += static_cast<char>(unit);
        } else if (unit < 0x800) {
            bytes += static_cast<char>(0xC0 | (unit >> 6));
            bytes += static_cast<char>(0x80 | (unit & 0x3F));
        } else {
            bytes += static_cast<char>(0xE0 | (unit >> 12));
            bytes += static_cast<char>(0x80 | ((unit >> 6) & 0x3F));
            bytes += static_cast<char>(0x80 | (unit & 0x3F));
        }
    }
    return bytes;
}

} // namespace kelvo::bench
