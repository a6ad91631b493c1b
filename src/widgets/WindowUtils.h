#pragma once

#include <QComboBox>

namespace kelvo {

// Lets the open list of a drop-down box take about iHeight pixels; its
// position and width stay.
void SetComboDropHeight(QComboBox* combo, int iHeight);

} // namespace kelvo
