#pragma once

#include "output/COutputSettings.h"

#include <cstdint>

namespace kelvo::testing {

// The page tests' sheet: a title every ten rows, one blank line between rows,
// six spaces between columns.
inline COutputSettings SheetLayout(int32_t rows, int32_t columns, bool isFill = false) {
    COutputSettings layout;
    layout.SetTitle(u"  姓名：      得分：");
    layout.SetRowCount(rows);
    layout.SetColumnCount(columns);
    layout.SetRowSpacing(1);
    layout.SetColumnSpacing(6);
    layout.SetRowCountPerTitle(10);
    layout.SetIsFillQuestions(isFill);
    return layout;
}

} // namespace kelvo::testing
