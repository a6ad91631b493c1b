#pragma once

#include <QDialog>

#include <vector>

class QCheckBox;
class QPushButton;

namespace kelvo {

// 录入纸上答题: the questions of a printed sheet, each with a tick box
// "做错了"; a question left unticked was answered right.
class frmPaperAnswers : public QDialog {
    Q_OBJECT

public:
    frmPaperAnswers(const QStringList& questions, QWidget* parent);

    // One mark per question, in the order given.
    std::vector<bool> Missed() const;

    std::vector<QCheckBox*> chkMissed;
    QPushButton* cmdKeep = nullptr;
    QPushButton* cmdCancel = nullptr;
};

} // namespace kelvo
