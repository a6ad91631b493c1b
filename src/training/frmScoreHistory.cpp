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
#include <optional>
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

// Day labels enough to read the axis of a chart half the window wide without
// crowding it.
constexpr int64_t MostDayLabels = 5;

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

QValueAxis* ValueAxis(double top, const QString& strTitle) {
    auto* axis = new QValueAxis;
    axis->setRange(0, top);
    axis->setTickCount(6);
    axis->applyNiceNumbers();
    axis->setLabelFormat(QStringLiteral("%d"));
    axis->setTitleText(strTitle);
    return axis;
}

// The mean of `value` over the drills of the kind on each day that has one.
template <class Value>
std::map<QDate, double> DailyAverages(const std::vector<CPastDrill>& drills, const QString& strKind,
                                      Value value) {
    std::map<QDate, std::pair<double, int>> sums;
    for (const CPastDrill& drill : drills) {
        if (QString::fromStdU16String(drill.result.kind) != strKind) {
            continue;
        }
        if (const std::optional<double> measured = value(drill.result)) {
            auto& [total, count] = sums[drill.finishedAt.date()];
            total += *measured;
            ++count;
        }
    }
    std::map<QDate, double> averages;
    for (const auto& [day, sum] : sums) {
        averages[day] = sum.first / sum.second;
    }
    return averages;
}

using DailyLine = std::pair<QString, std::map<QDate, double>>;

// One line per entry over the days they share; the dashed ones go last.
QChart* DailyChart(const QString& strTitle, const QString& strEmpty, const QString& strValue,
                   double top, const std::vector<DailyLine>& lines,
                   const std::vector<DailyLine>& dashed) {
    auto* chart = new QChart;
    chart->legend()->setAlignment(Qt::AlignBottom);
    std::set<QDate> days;
    for (const auto& [name, values] : lines) {
        for (const auto& [day, value] : values) {
            days.insert(day);
        }
    }
    if (days.empty()) {
        chart->setTitle(strEmpty);
        return chart;
    }
    chart->setTitle(strTitle);
    QCategoryAxis* dayAxis = DayAxis(*days.begin(), *days.rbegin());
    QValueAxis* valueAxis = ValueAxis(top, strValue);
    chart->addAxis(dayAxis, Qt::AlignBottom);
    chart->addAxis(valueAxis, Qt::AlignLeft);
    const auto add = [&](const DailyLine& line, bool bDashed) {
        auto* series = new QLineSeries;
        series->setName(line.first);
        series->setPointsVisible(!bDashed);
        for (const auto& [day, value] : line.second) {
            series->append(static_cast<qreal>(days.begin()->daysTo(day)), value);
        }
        chart->addSeries(series);
        if (bDashed) {
            QPen pen = series->pen();
            pen.setStyle(Qt::DashLine);
            series->setPen(pen);
        }
        series->attachAxis(dayAxis);
        series->attachAxis(valueAxis);
    };
    for (const DailyLine& line : lines) {
        add(line, false);
    }
    for (const DailyLine& line : dashed) {
        add(line, true);
    }
    return chart;
}

// The view lets go of its old chart without deleting it.
void ReplaceChart(QChartView& view, QChart* chart) {
    QChart* old = view.chart();
    view.setChart(chart);
    delete old;
}

} // namespace

std::map<QDate, double> DailyScores(const std::vector<CPastDrill>& drills, const QString& strKind) {
    return DailyAverages(drills, strKind, [](const CDrillResult& result) {
        return std::optional<double>(result.score);
    });
}

std::map<QDate, double> DailyRates(const std::vector<CPastDrill>& drills, const QString& strKind) {
    return DailyAverages(drills, strKind, [](const CDrillResult& result) {
        return RightPerMinute(result.right, result.millisecondsUsed);
    });
}

std::map<QDate, double> DailyTargets(const std::vector<CPastDrill>& drills,
                                     const QStringList& kinds) {
    std::map<QDate, double> targets;
    // The latest first: the first drill met on a day is its last.
    for (const CPastDrill& drill : drills) {
        const CDrillResult& result = drill.result;
        if (result.target && result.millisecondsUsed &&
            kinds.contains(QString::fromStdU16String(result.kind))) {
            targets.try_emplace(drill.finishedAt.date(), *result.target);
        }
    }
    return targets;
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
    chvRates = new QChartView;
    chvRates->setObjectName(QStringLiteral("chvRates"));
    chvRates->setRenderHint(QPainter::Antialiasing);
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
    auto* charts = new QHBoxLayout;
    charts->addWidget(chvScores);
    charts->addWidget(chvRates);
    layout->addLayout(charts, 3);
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
        ShowCharts(m_kinds);
        return;
    }
    const QString& kind = m_kinds.at(index - 1);
    ShowTable(kind);
    ShowCharts({kind});
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

void frmScoreHistory::ShowCharts(const QStringList& kinds) {
    std::vector<DailyLine> scores;
    std::vector<DailyLine> rates;
    double topRate = 0;
    for (const QString& kind : kinds) {
        scores.emplace_back(kind, DailyScores(m_drills, kind));
        rates.emplace_back(kind, DailyRates(m_drills, kind));
        for (const auto& [day, rate] : rates.back().second) {
            topRate = std::max(topRate, rate);
        }
    }
    const std::map<QDate, double> targets = DailyTargets(m_drills, kinds);
    for (const auto& [day, target] : targets) {
        topRate = std::max(topRate, target);
    }
    ReplaceChart(*chvScores,
                 DailyChart(QStringLiteral("每天的平均得分"), QStringLiteral("还没有训练记录"),
                            QStringLiteral("得分"), 100, scores, {}));
    ReplaceChart(*chvRates,
                 DailyChart(QStringLiteral("每天平均每分钟答对的题数"),
                            QStringLiteral("还没有记下用时的训练"), QStringLiteral("题/分钟"),
                            topRate, rates, {{QStringLiteral("达标"), targets}}));
}

} // namespace kelvo
