#pragma once

#include <QDialog>

class QPlainTextEdit;
class QPushButton;

namespace kelvo {

// How to use the training window: modes, steps, keys, grades and two hints.
class frmTrainingHelp : public QDialog {
    Q_OBJECT

public:
    explicit frmTrainingHelp(QWidget* owner);

    QPlainTextEdit* txtHelp = nullptr;
    QPushButton* cmdExitTrainingHelp = nullptr;
};

} // namespace kelvo
