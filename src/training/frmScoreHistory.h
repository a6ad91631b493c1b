#pragma once

#include "store/HistoryEntries.h"

#include <QDialog>
#include <QStringList>

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
// The average right questions per minute of each day with timed drills of the kind.
std::map<QDate, double> DailyRates(const std::vector<CPastDrill>& drills, const QString& strKind);
// The target of each day's last timed drill of any of the kinds.
std::map<QDate, double> DailyTargets(const std::vector<CPastDrill>& drills,
                                     const QStringList& kinds);

// 成绩记录: the drills as a table, the latest first, and charts of the score
// and of the right questions per minute per day, one line per kind, the
// target as a dashed line; the drop-down list narrows them to one kind.
class frmScoreHistory : public QDialog {
public:
    frmScoreHistory(CDrillHistory& history, QWidget* parent);

    QComboBox* cboKinds = nullptr;
    QTableWidget* tblDrills = nullptr;
    QChartView* chvScores = nullptr;
    QChartView* chvRates = nullptr;
    QLabel* lblMessage = nullptr;
    QPushButton* cmdClose = nullptr;

private:
    void ShowKind(int index);
    void ShowTable(const QString& strKind);
    void ShowCharts(const QStringList& kinds);

    std::vector<CPastDrill> m_drills;
    // Every kind with drills, the latest drilled first.
    QStringList m_kinds;
};

} // namespace kelvo
