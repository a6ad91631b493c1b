#pragma once

#include <QDialog>

namespace kelvo {

// The user guide inside the program, with a button that closes it.
class frmMainHelp : public QDialog {
public:
    explicit frmMainHelp(QWidget* owner);
};

} // namespace kelvo
