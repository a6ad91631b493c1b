#include "training/frmScoreHistory.h"

#include "drill/SpeedTarget.h"
#include "store/CDrillHistory.h"

#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineSeries>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QValueAxis>

#include <algorithm>
#include <set>

namespace kelvo {
namespace {

enum Column {
    TimeColumn,
    KindColumn,
    ModeColumn,
    SecondsColumn,
    RightColumn,
    WrongColumn,
    ScoreColumn,
    GradeColumn,
    RateColumn,
    ColumnCount
};

// Day labels enough to read the axis without crowding it.
constexpr int64_t MostDayLabels = 10;

QString ModeName(int32_t mode) {
    switch (mode) {
    case 1:
        return QStringLiteral("计时模式");
    case 2:
        return QStringLiteral("限时模式");
    case 3:
        return QStringLiteral("计分模式");
    default:
        return {};
    }
}

QString SecondsText(const CDrillResult& result) {
    if (!result.secondsUsed) {
        return {};
    }
    if (result.timeLimit) {
        return QStringLiteral("%1秒（限时%2秒）").arg(*result.secondsUsed).arg(*result.timeLimit);
    }
    return QStringLiteral("%1秒").arg(*result.secondsUsed);
}

// "9.5（达标）"; empty for a drill kept before drills were timed.
QString RateText(const CDrillResult& result) {
    const std::optional<double> rate = RightPerMinute(result.right, result.millisecondsUsed);
    if (!rate) {
        return {};
    }
    QString text = QString::number(*rate, 'f', 1);
    if (!result.target) {
        return text;
    }
    return text +
           (*rate >= *result.target ? QStringLiteral("（达标）") : QStringLiteral("（未达标）"));
}

QTableWidgetItem* Cell(const QString& strText, bool bNumber) {
    auto* item = new QTableWidgetItem(strText);
    if (bNumber) {
        item->setTextAlignment(Qt::AlignCenter);
    }
    return item;
}

// One category per day counted from the first, labelled on its value.
QCategoryAxis* DayAxis(const QDate& first, const QDate& last) {
    auto* axis = new QCategoryAxis;
    axis->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    const int64_t span = first.daysTo(last);
    const int64_t step = span / MostDayLabels + 1;
    const QString format =
        first.year() == last.year() ? QStringLiteral("M月d日") : QStringLiteral("yyyy/M/d");
    for (int64_t day = 0; day <= span; day += step) {
        axis->append(first.addDays(day).toString(format), static_cast<qreal>(day));
    }
    axis->setRange(-0.5, static_cast<qreal>(span) + 0.5);
    return axis;
}

QValueAxis* ScoreAxis() {
    auto* axis = new QValueAxis;
    axis->setRange(0, 100);
    axis->setTickCount(6);
    axis->setLabelFormat(QStringLiteral("%d"));
    axis->setTitleText(QStringLiteral("得分"));
    return axis;
}

} // namespace

std::map<QDate, double> DailyScores(const std::vector<CPastDrill>& drills, const QString& strKind) {
    std::map<QDate, std::pair<int64_t, int>> sums;
    for (const CPastDrill& drill : drills) {
        if (QString::fromStdU16String(drill.result.kind) == strKind) {
            auto& [total, count] = sums[drill.finishedAt.date()];
            total += drill.result.score;
            ++count;
        }
    }
    std::map<QDate, double> averages;
    for (const auto& [day, sum] : sums) {
        averages[day] = static_cast<double>(sum.first) / sum.second;
    }
    return averages;
}

frmScoreHistory::frmScoreHistory(CDrillHistory& history, QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("成绩记录"));
    m_drills = history.Drills();
    for (const CPastDrill& drill : m_drills) {
        const QString kind = QString::fromStdU16String(drill.result.kind);
        if (!m_kinds.contains(kind)) {
            m_kinds.append(kind);
        }
    }
    cboKinds = new QComboBox;
    cboKinds->setObjectName(QStringLiteral("cboKinds"));
    cboKinds->addItem(QStringLiteral("全部题型"));
    cboKinds->addItems(m_kinds);
    tblDrills = new QTableWidget(0, ColumnCount);
    tblDrills->setObjectName(QStringLiteral("tblDrills"));
    tblDrills->setHorizontalHeaderLabels(
        {QStringLiteral("时间"), QStringLiteral("题型"), QStringLiteral("模式"),
         QStringLiteral("用时"), QStringLiteral("正确"), QStringLiteral("错误"),
         QStringLiteral("得分"), QStringLiteral("等级"), QStringLiteral("每分钟答对")});
    tblDrills->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tblDrills->setSelectionBehavior(QAbstractItemView::SelectRows);
    tblDrills->verticalHeader()->hide();
    tblDrills->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    tblDrills->horizontalHeader()->setSectionResizeMode(KindColumn, QHeaderView::Stretch);
    chvScores = new QChartView;
    chvScores->setObjectName(QStringLiteral("chvScores"));
    chvScores->setRenderHint(QPainter::Antialiasing);
    chvScores->setMinimumHeight(280);
    lblMessage = new QLabel(history.TakeMessage());
    lblMessage->setObjectName(QStringLiteral("lblMessage"));
    lblMessage->setWordWrap(true);
    lblMessage->setStyleSheet(QStringLiteral("color: #b00000"));
    lblMessage->setVisible(!lblMessage->text().isEmpty());
    cmdClose = new QPushButton(QStringLiteral("关闭"));
    cmdClose->setObjectName(QStringLiteral("cmdClose"));

    auto* kinds = new QHBoxLayout;
    kinds->addWidget(new QLabel(QStringLiteral("题型：")));
    kinds->addWidget(cboKinds);
    kinds->addStretch(1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdClose);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(kinds);
    layout->addWidget(chvScores, 3);
    layout->addWidget(tblDrills, 2);
    layout->addWidget(lblMessage);
    layout->addLayout(buttons);

    connect(cboKinds, &QComboBox::currentIndexChanged, this, &frmScoreHistory::ShowKind);
    connect(cmdClose, &QPushButton::clicked, this, &QDialog::reject);
    ShowKind(0);
    resize(960, 660);
}

void frmScoreHistory::ShowKind(int index) {
    if (index <= 0) {
        ShowTable({});
        ShowChart(m_kinds);
        return;
    }
    const QString& kind = m_kinds.at(index - 1);
    ShowTable(kind);
    ShowChart({kind});
}

void frmScoreHistory::ShowTable(const QString& strKind) {
    tblDrills->setRowCount(0);
    for (const CPastDrill& drill : m_drills) {
        const CDrillResult& result = drill.result;
        const QString kind = QString::fromStdU16String(result.kind);
        if (!strKind.isEmpty() && kind != strKind) {
            continue;
        }
        const int row = tblDrills->rowCount();
        tblDrills->insertRow(row);
        tblDrills->setItem(
            row, TimeColumn,
            Cell(drill.finishedAt.toString(QStringLiteral("yyyy-MM-dd HH:mm")), false));
        tblDrills->setItem(row, KindColumn, Cell(kind, false));
        tblDrills->setItem(row, ModeColumn, Cell(ModeName(result.mode), false));
        tblDrills->setItem(row, SecondsColumn, Cell(SecondsText(result), false));
        tblDrills->setItem(row, RightColumn, Cell(QString::number(result.right), true));
        tblDrills->setItem(row, WrongColumn, Cell(QString::number(result.wrong), true));
        tblDrills->setItem(row, ScoreColumn, Cell(QString::number(result.score), true));
        tblDrills->setItem(row, GradeColumn, Cell(QString::fromStdU16String(result.grade), true));
        tblDrills->setItem(row, RateColumn, Cell(RateText(result), true));
    }
}

void frmScoreHistory::ShowChart(const QStringList& kinds) {
    auto* chart = new QChart;
    chart->legend()->setAlignment(Qt::AlignBottom);
    std::vector<std::pair<QString, std::map<QDate, double>>> lines;
    std::set<QDate> days;
    for (const QString& kind : kinds) {
        lines.emplace_back(kind, DailyScores(m_drills, kind));
        for (const auto& [day, score] : lines.back().second) {
            days.insert(day);
        }
    }
    if (days.empty()) {
        chart->setTitle(QStringLiteral("还没有训练记录"));
    } else {
        chart->setTitle(QStringLiteral("每天的平均得分"));
        QCategoryAxis* dayAxis = DayAxis(*days.begin(), *days.rbegin());
        QValueAxis* scoreAxis = ScoreAxis();
        chart->addAxis(dayAxis, Qt::AlignBottom);
        chart->addAxis(scoreAxis, Qt::AlignLeft);
        for (const auto& [kind, scores] : lines) {
            auto* series = new QLineSeries;
            series->setName(kind);
            series->setPointsVisible(true);
            for (const auto& [day, score] : scores) {
                series->append(static_cast<qreal>(days.begin()->daysTo(day)), score);
            }
            chart->addSeries(series);
            series->attachAxis(dayAxis);
            series->attachAxis(scoreAxis);
        }
    }
    // The view lets go of its old chart without deleting it.
    QChart* old = chvScores->chart();
    chvScores->setChart(chart);
    delete old;
}

} // namespace kelvo
