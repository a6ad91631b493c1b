#pragma once

#include "output/CPageOptions.h"

#include <QDialog>

#include <array>

class QCheckBox;
class QComboBox;
class QRadioButton;
class QSpinBox;

namespace kelvo {

// "页面设置": how the sheet goes onto paper. It shows the options it is given
// and, once confirmed, gives back what the user set.
class frmPageOptions : public QDialog {
public:
    explicit frmPageOptions(const CPageOptions& options, QWidget* owner = nullptr);

    CPageOptions Options() const;

    QComboBox* cboPaper = nullptr;
    QRadioButton* optPortrait = nullptr;
    QRadioButton* optLandscape = nullptr;
    QSpinBox* txtMargin = nullptr;
    QCheckBox* chkAnswerKey = nullptr;
    QCheckBox* chkNumbered = nullptr;
    QCheckBox* chkColumnForm = nullptr;
    QCheckBox* chkLargePrint = nullptr;
    QCheckBox* chkQrCode = nullptr;
    // In the order of CPageOptions::HeaderFieldNames.
    std::array<QCheckBox*, CPageOptions::HeaderFieldNames.size()> chkHeaderFields{};
    QSpinBox* txtCopies = nullptr;
};

} // namespace kelvo
