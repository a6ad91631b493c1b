// The map of a child's mastery as it is painted on the screen and on paper.
#pragma once

#include "drill/MasteryMap.h"

#include <QRectF>
#include <QString>

#include <optional>

class QPainter;

namespace kelvo {

// Title and legend on top, then the tables side by side, each as large as
// its share of the area allows.
void PaintMasteryMap(QPainter& painter, const QRectF& area, const CMasteryMap& map,
                     const QString& strTitle);

// The place of the fact painted at the point, if any.
std::optional<size_t> FactAt(const QRectF& area, const CMasteryMap& map, const QPointF& point);

// "7＋8＝15：熟练，中位用时 2.4 秒", as the hover shows it.
QString FactDescription(const CMasteryMap& map, size_t fact);

} // namespace kelvo
