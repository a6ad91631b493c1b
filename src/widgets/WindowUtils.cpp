#include "widgets/WindowUtils.h"

#include <QAbstractItemView>

#include <algorithm>

namespace kelvo {

void SetComboDropHeight(QComboBox* combo, int iHeight) {
    const int rowHeight = std::max(1, combo->view()->sizeHintForRow(0));
    combo->setMaxVisibleItems(std::max(1, iHeight / rowHeight));
}

} // namespace kelvo
