#pragma once

#include <QDialog>

class QLabel;
class QPushButton;
class QTreeWidget;

namespace kelvo {

class CDrillHistory;

// 错题本: the kept mistakes grouped by kind, with how often each was missed.
// "错题重练" asks for a review drill (reviewRequested) and closes the window.
class frmMistakeBook : public QDialog {
    Q_OBJECT

public:
    // bCanReview is false while a drill runs.
    frmMistakeBook(CDrillHistory& history, bool bCanReview, QWidget* parent);

    QTreeWidget* treMistakes = nullptr;
    QLabel* lblSummary = nullptr;
    QLabel* lblMessage = nullptr;
    QPushButton* cmdReview = nullptr;
    QPushButton* cmdClose = nullptr;

signals:
    void reviewRequested();

private:
    // The number of mistakes shown.
    int ShowBook(CDrillHistory& history);
};

} // namespace kelvo
