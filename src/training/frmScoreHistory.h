#pragma once

#include "store/HistoryEntries.h"

#include <QDialog>

#include <map>
#include <vector>

class QChartView;
class QComboBox;
class QLabel;
class QPushButton;
class QTableWidget;

namespace kelvo {

class CDrillHistory;

// The average score of each day with drills of the kind.
std::map<QDate, double> DailyScores(const std::vector<CPastDrill>& drills, const QString& strKind);

// 成绩记录: the drills as a table, the latest first, and a chart of the score
// per day, one line per kind; the drop-down list narrows both to one kind.
class frmScoreHistory : public QDialog {
public:
    frmScoreHistory(CDrillHistory& history, QWidget* parent);

    QComboBox* cboKinds = nullptr;
    QTableWidget* tblDrills = nullptr;
    QChartView* chvScores = nullptr;
    QLabel* lblMessage = nullptr;
    QPushButton* cmdClose = nullptr;

private:
    void ShowKind(int index);
    void ShowTable(const QString& strKind);
    void ShowChart(const QStringList& kinds);

    std::vector<CPastDrill> m_drills;
    // Every kind with drills, the latest drilled first.
    QStringList m_kinds;
};

} // namespace kelvo
