#pragma once

#include "output/COutputSettings.h"

#include <cstdint>
#include <memory>

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

} // namespace kelvo::bench
