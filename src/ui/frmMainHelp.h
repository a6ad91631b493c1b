#pragma once

#include <QDialog>

namespace kelvo {

// The usage notes of the main window, with a button that closes them.
class frmMainHelp : public QDialog {
public:
    explicit frmMainHelp(QWidget* owner);
};

} // namespace kelvo
