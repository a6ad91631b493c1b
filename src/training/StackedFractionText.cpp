#include "training/StackedFractionText.h"

#include <QRegularExpression>

namespace kelvo {

namespace {

// A cell of the line, its text level with the bars; spaces kept, as around
// a comparison's circle.
QString LevelCell(const QString& content) {
    return QStringLiteral("<td style=\"vertical-align: middle; white-space: pre\">%1</td>")
        .arg(content);
}

QString StackedCell(const QString& numerator, const QString& denominator) {
    return LevelCell(QStringLiteral("<table cellspacing=\"0\" cellpadding=\"0\">"
                                    "<tr><td align=\"center\" style=\"border-bottom: 2px solid; "
                                    "padding: 0 3px\">%1</td></tr>"
                                    "<tr><td align=\"center\">%2</td></tr></table>")
                         .arg(numerator, denominator));
}

} // namespace

QString StackedFractionText(const QString& text) {
    static const QRegularExpression fraction(QStringLiteral("(?:(\\d+)又)?(\\d+)/(\\d+)"));
    QString cells;
    qsizetype written = 0;
    for (const QRegularExpressionMatch& match : fraction.globalMatch(text)) {
        if (match.capturedStart() > written) {
            cells += LevelCell(text.mid(written, match.capturedStart() - written).toHtmlEscaped());
        }
        if (match.hasCaptured(1)) {
            cells += LevelCell(match.captured(1));
        }
        cells += StackedCell(match.captured(2), match.captured(3));
        written = match.capturedEnd();
    }
    if (written == 0) {
        return text;
    }
    if (written < text.size()) {
        cells += LevelCell(text.mid(written).toHtmlEscaped());
    }
    return QStringLiteral("<table cellspacing=\"0\" cellpadding=\"0\"><tr>%1</tr></table>")
        .arg(cells);
}

} // namespace kelvo
