#include "training/MasteryMapPainting.h"

#include <QPainter>

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace kelvo {
namespace {

constexpr std::array<const char16_t*, 4> StateNames{u"没做过", u"没掌握", u"慢", u"熟练"};
constexpr std::array<QRgb, 4> StateColours{0xffe4e4e4, 0xfff08c8c, 0xfff6d27a, 0xff9fd89f};
// A list's cells are this many times wider than high.
constexpr double ListCellAspect = 3.0;
// The title and the legend each take this share of the height.
constexpr double BandShare = 0.06;
constexpr double Gap = 0.02;

struct CPlacedCell {
    QRectF rect;
    // A fact's place, or none for a side's number or the corner.
    std::optional<size_t> fact;
    QString strHeader;
    // A listed fact shows its question beside its time.
    bool isListed = false;
};

QString Seconds(int32_t milliseconds) {
    return QString::number(milliseconds / 1000.0, 'f', 1);
}

void PlaceTable(const CMapTable& table, const QRectF& area, std::vector<CPlacedCell>& cells) {
    const auto columns = static_cast<double>(table.columns.size() + 1);
    const auto rows = static_cast<double>(table.rows.size() + 1);
    const double side = std::min(area.width() / columns, area.height() / rows);
    const auto at = [&](size_t row, size_t column) {
        return QRectF(area.left() + static_cast<double>(column) * side,
                      area.top() + static_cast<double>(row) * side, side, side);
    };
    cells.push_back({at(0, 0), std::nullopt, QString::fromStdU16String(table.corner)});
    for (size_t column = 0; column < table.columns.size(); ++column) {
        cells.push_back({at(0, column + 1), std::nullopt, QString::number(table.columns[column])});
    }
    for (size_t row = 0; row < table.rows.size(); ++row) {
        cells.push_back({at(row + 1, 0), std::nullopt, QString::number(table.rows[row])});
        for (size_t column = 0; column < table.columns.size(); ++column) {
            const std::optional<size_t> fact = table.cells[row * table.columns.size() + column];
            if (fact) {
                cells.push_back({at(row + 1, column + 1), fact, {}});
            }
        }
    }
}

// As many columns as keep every cell inside the area at the largest size.
void PlaceList(const CMapTable& list, const QRectF& area, std::vector<CPlacedCell>& cells) {
    const size_t count = list.cells.size();
    size_t columns = 1;
    while (columns < count) {
        const double height = area.width() / static_cast<double>(columns) / ListCellAspect;
        const auto rows = static_cast<double>((count + columns - 1) / columns);
        if (rows * height <= area.height()) {
            break;
        }
        ++columns;
    }
    const double width = area.width() / static_cast<double>(columns);
    const double height =
        std::min(width / ListCellAspect,
                 area.height() / static_cast<double>((count + columns - 1) / columns));
    for (size_t k = 0; k < count; ++k) {
        cells.push_back(
            {QRectF(area.left() + static_cast<double>(k % columns) * width,
                    area.top() + static_cast<double>(k / columns) * height, width, height),
             list.cells[k],
             {},
             true});
    }
}

QRectF TablesArea(const QRectF& area) {
    return area.adjusted(0, area.height() * 2 * BandShare, 0, 0);
}

std::vector<CPlacedCell> PlaceCells(const QRectF& area, const CMasteryMap& map) {
    std::vector<CPlacedCell> cells;
    if (map.tables.empty()) {
        return cells;
    }
    const QRectF tables = TablesArea(area);
    const double gap = tables.width() * Gap;
    const auto count = static_cast<double>(map.tables.size());
    const double width = (tables.width() - gap * (count - 1)) / count;
    for (size_t k = 0; k < map.tables.size(); ++k) {
        const QRectF share(tables.left() + static_cast<double>(k) * (width + gap), tables.top(),
                           width, tables.height());
        if (map.tables[k].IsList()) {
            PlaceList(map.tables[k], share, cells);
        } else {
            PlaceTable(map.tables[k], share, cells);
        }
    }
    return cells;
}

void SetPixelSize(QPainter& painter, double height) {
    QFont font = painter.font();
    font.setPixelSize(std::max(1, static_cast<int>(height)));
    painter.setFont(font);
}

// The legend's texts in a row after their colours, smaller where the row
// would not fit.
void PaintLegend(QPainter& painter, const QRectF& band, const CMasteryMap& map) {
    std::array<int32_t, 4> counts{};
    for (const CMapFact& fact : map.facts) {
        ++counts[static_cast<size_t>(fact.state)];
    }
    std::vector<QString> texts;
    for (size_t state = 0; state < StateNames.size(); ++state) {
        texts.push_back(QStringLiteral("%1 %2 道")
                            .arg(QString::fromUtf16(StateNames[state]))
                            .arg(counts[state]));
    }
    texts.push_back(map.medianMilliseconds
                        ? QStringLiteral("中位用时 %1 秒（格中数字是每道题的中位用时，单位：秒）")
                              .arg(Seconds(*map.medianMilliseconds))
                        : QStringLiteral("还没有做对的题，没有用时"));
    double height = band.height() * 0.55;
    SetPixelSize(painter, height);
    double width = 0;
    for (const QString& strText : texts) {
        width += painter.fontMetrics().horizontalAdvance(strText) + 2 * height;
    }
    if (width > band.width()) {
        SetPixelSize(painter, height * band.width() / width);
        height *= band.width() / width;
    }
    double left = band.left();
    for (size_t k = 0; k < texts.size(); ++k) {
        if (k < StateColours.size()) {
            const QRectF box(left, band.center().y() - height / 2, height, height);
            painter.fillRect(box, QColor::fromRgb(StateColours[k]));
            painter.drawRect(box);
            left += height * 1.3;
        }
        const QRectF text(left, band.top(), band.right() - left, band.height());
        painter.drawText(text, Qt::AlignLeft | Qt::AlignVCenter, texts[k]);
        left += painter.fontMetrics().horizontalAdvance(texts[k]) + height * 0.7;
    }
}

void PaintCell(QPainter& painter, const CPlacedCell& cell, const CMasteryMap& map) {
    if (!cell.fact) {
        SetPixelSize(painter, cell.rect.height() * 0.5);
        painter.drawText(cell.rect, Qt::AlignCenter, cell.strHeader);
        return;
    }
    const CMapFact& fact = map.facts[*cell.fact];
    painter.fillRect(cell.rect, QColor::fromRgb(StateColours[static_cast<size_t>(fact.state)]));
    painter.drawRect(cell.rect);
    const QString strMedian =
        fact.medianMilliseconds ? Seconds(*fact.medianMilliseconds) : QString();
    if (cell.isListed) {
        SetPixelSize(painter, cell.rect.height() * 0.45);
        painter.drawText(
            cell.rect.adjusted(cell.rect.height() * 0.2, 0, -cell.rect.height() * 0.2, 0),
            Qt::AlignVCenter | Qt::AlignLeft, QString::fromStdU16String(fact.text));
        painter.drawText(cell.rect.adjusted(0, 0, -cell.rect.height() * 0.2, 0),
                         Qt::AlignVCenter | Qt::AlignRight, strMedian);
        return;
    }
    SetPixelSize(painter, cell.rect.height() * 0.36);
    painter.drawText(cell.rect, Qt::AlignCenter, strMedian);
}

} // namespace

void PaintMasteryMap(QPainter& painter, const QRectF& area, const CMasteryMap& map,
                     const QString& strTitle) {
    painter.save();
    painter.setPen(QPen(Qt::black, 0));
    const double band = area.height() * BandShare;
    QFont title = painter.font();
    title.setBold(true);
    title.setPixelSize(std::max(1, static_cast<int>(band * 0.6)));
    painter.setFont(title);
    painter.drawText(QRectF(area.left(), area.top(), area.width(), band),
                     Qt::AlignLeft | Qt::AlignVCenter, strTitle);
    QFont plain = painter.font();
    plain.setBold(false);
    painter.setFont(plain);
    PaintLegend(painter, QRectF(area.left(), area.top() + band, area.width(), band), map);
    const std::vector<CPlacedCell> cells = PlaceCells(area, map);
    for (const CPlacedCell& cell : cells) {
        PaintCell(painter, cell, map);
    }
    painter.restore();
}

std::optional<size_t> FactAt(const QRectF& area, const CMasteryMap& map, const QPointF& point) {
    for (const CPlacedCell& cell : PlaceCells(area, map)) {
        if (cell.fact && cell.rect.contains(point)) {
            return cell.fact;
        }
    }
    return std::nullopt;
}

QString FactDescription(const CMasteryMap& map, size_t fact) {
    const CMapFact& shown = map.facts[fact];
    const QString strState = QString::fromUtf16(StateNames[static_cast<size_t>(shown.state)]);
    const QString strText = QString::fromStdU16String(shown.text);
    if (!shown.medianMilliseconds) {
        return QStringLiteral("%1：%2").arg(strText, strState);
    }
    return QStringLiteral("%1：%2，中位用时 %3 秒")
        .arg(strText, strState, Seconds(*shown.medianMilliseconds));
}

} // namespace kelvo
