#pragma once

#include "output/COutputSettings.h"

#include <cstdint>
#include <memory>

namespace kelvo::bench {

// The largest worksheet the layout boxes allow, with the default title and spacing.
constexpr int32_t Rows = 5000;
constexpr int32_t Columns = 20;

inline std::shared_ptr<COutputSettings> LargestSheet(bool fill, bool answers) {
    auto settings = std::make_shared<COutputSettings>();
    settings->SetTitle(u"  姓名：                   时间：                   得分：");
    settings->SetRowCount(Rows);
    settings->SetColumnCount(Columns);
    settings->SetRowSpacing(1);
    settings->SetColumnSpacing(6);
    settings->SetRowCountPerTitle(10);
    settings->SetIsFillQuestions(fill);
    settings->SetIsShowAnswer(answers);
    return settings;
}

} // namespace kelvo::bench
