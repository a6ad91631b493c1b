#include "printing/RtfDocument.h"

#include "generation/QuestionForm.h"
#include "output/CPaper.h"
#include "printing/CFontMeasure.h"
#include "printing/ColorRef.h"

#include <QColor>
#include <QRegularExpression>
#include <QStringList>

#include <algorithm>
#include <cmath>

namespace kelvo {

namespace {

bool IsLineEnd(QChar character) {
    return character == u'\r' || character == u'\n';
}

// Word processors lay text out a little wider than Qt measures it.
constexpr double WidthAllowance = 1.03;
constexpr double MinFontSize = 9;
// Steps of the shrinking font, in points.
constexpr double SizeStep = 0.5;
constexpr int TwipsPerPoint = 20;
// A circle the pupil writes a sign or an operator in is set larger than the
// text around it, as the pages draw it, so that the sign fits inside.
constexpr double CircleScale = 1.5;

const QString Circle = QString::fromUtf16(FormCircle.data(), FormCircle.size());

// The A4 page, turned and the font made smaller as far as the widest line needs.
struct CPageFit {
    CPaper paper;
    double fontSize = 0;
};

CPageFit FitPage(const CWordRange& content, const QStringList& lines) {
    CPageFit fit;
    fit.fontSize = content.Font().Size();
    QFont font(content.Font().Name());
    font.setBold(content.Font().Bold());
    font.setItalic(content.Font().Italic());
    const CFontMeasure measure(font);
    double widest = 0;
    const double circleGrowth = (CircleScale - 1) * measure.TextWidth(FormCircle, 1);
    for (const QString& line : lines) {
        const double width =
            measure.TextWidth(line.toStdU16String(), 1) + line.count(Circle) * circleGrowth;
        widest = std::max(widest, width * WidthAllowance);
    }
    if (fit.fontSize <= 0 || widest * fit.fontSize <= fit.paper.PrintableWidth()) {
        return fit;
    }
    fit.paper.SetOrientation(PageOrientation::Landscape);
    const double fitting = std::floor(fit.paper.PrintableWidth() / widest / SizeStep) * SizeStep;
    fit.fontSize = std::clamp(fitting, std::min(MinFontSize, fit.fontSize), fit.fontSize);
    return fit;
}

QByteArray Twips(double points) {
    return QByteArray::number(std::lround(points * TwipsPerPoint));
}

void AppendPage(QByteArray& rtf, const CPaper& paper) {
    rtf += "\\paperw" + Twips(paper.Width()) + "\\paperh" + Twips(paper.Height());
    for (const char* side : {"\\margl", "\\margr", "\\margt", "\\margb"}) {
        rtf += side + Twips(paper.Margin());
    }
    if (paper.Orientation() == PageOrientation::Landscape) {
        rtf += "\\landscape";
    }
    rtf += '\n';
}

// The lines that keep with the next one: every line of a title block but its
// last, so that a block moves whole to the next page. A title is the first
// line where it comes again; a text without one keeps nothing.
std::vector<bool> KeptLines(const QStringList& lines) {
    std::vector<bool> kept(static_cast<size_t>(lines.size()), false);
    const QString& title = lines.front();
    if (title.trimmed().isEmpty() || lines.count(title) < 2) {
        return kept;
    }
    for (qsizetype i = 0; i + 1 < lines.size(); ++i) {
        kept[static_cast<size_t>(i)] = lines[i + 1] != title;
    }
    return kept;
}

// Text of a group or of the body; a line end (CR LF, or a lone CR or LF) ends a paragraph.
void AppendText(QByteArray& rtf, const QString& strText) {
    for (qsizetype i = 0; i < strText.size(); ++i) {
        const char16_t unit = strText[i].unicode();
        if (unit == u'\r' && i + 1 < strText.size() && strText[i + 1] == u'\n')
            continue;
        if (IsLineEnd(strText[i]))
            rtf += "\\par\n";
        else if (unit == u'\t')
            rtf += "\\tab ";
        else if (unit == u'\\' || unit == u'{' || unit == u'}')
            rtf += '\\' + QByteArray(1, static_cast<char>(unit));
        else if (unit >= 0x20 && unit < 0x7F)
            rtf += static_cast<char>(unit);
        else
            rtf += "\\u" + QByteArray::number(static_cast<int16_t>(unit)) + '?';
    }
}

QByteArray HalfPoints(double size) {
    return QByteArray::number(static_cast<qlonglong>(std::lround(size * 2.0)));
}

// A line of the worksheet, each circle at CircleScale times the text's size
// where the text has one.
void AppendLine(QByteArray& rtf, const QString& line, double fontSize) {
    if (fontSize <= 0) {
        AppendText(rtf, line);
        return;
    }
    const QStringList pieces = line.split(Circle);
    for (qsizetype k = 0; k < pieces.size(); ++k) {
        if (k > 0) {
            rtf += "{\\fs" + HalfPoints(fontSize * CircleScale) + ' ';
            AppendText(rtf, Circle);
            rtf += '}';
        }
        AppendText(rtf, pieces[k]);
    }
}

void AppendFontTable(QByteArray& rtf, const CWordFont& font) {
    rtf += "{\\fonttbl{\\f0\\fnil ";
    AppendText(rtf, font.Name());
    rtf += ";}}\n";
}

void AppendColorTable(QByteArray& rtf, const CWordFont& font) {
    const QColor color = ColorFromColorRef(font.Color());
    rtf += "{\\colortbl;\\red" + QByteArray::number(color.red()) + "\\green" +
           QByteArray::number(color.green()) + "\\blue" + QByteArray::number(color.blue()) + ";}\n";
}

// The font of the whole text: \f0 for Latin text, \dbch\af0 for Chinese characters, so
// that both scripts use the chosen face.
void AppendCharacterFormat(QByteArray& rtf, const CWordFont& font, double size) {
    rtf += "\\plain\\loch\\af0\\hich\\af0\\dbch\\af0\\f0";
    if (std::lround(size * 2.0) > 0)
        rtf += "\\fs" + HalfPoints(size);
    if (font.Bold())
        rtf += "\\b";
    if (font.Italic())
        rtf += "\\i";
    if (font.StrikeThrough())
        rtf += "\\strike";
    if (font.Underline() != 0)
        rtf += "\\ul";
    rtf += "\\cf1 ";
}

} // namespace

QByteArray RtfDocument(const CWordRange& content) {
    // \dntblnsbdb keeps runs of spaces as wide as single spaces, which the columns of a
    // worksheet rely on; without it readers widen every run. The page is A4, turned
    // or with a smaller font when the widest line needs it.
    QByteArray rtf = "{\\rtf1\\ansi\\deff0\\uc1\\dntblnsbdb\n";
    AppendFontTable(rtf, content.Font());
    AppendColorTable(rtf, content.Font());
    const QStringList lines =
        content.Text().split(QRegularExpression(QStringLiteral("\\r\\n|\\r|\\n")));
    const CPageFit fit = FitPage(content, lines);
    AppendPage(rtf, fit.paper);
    rtf += "\\pard";
    AppendCharacterFormat(rtf, content.Font(), fit.fontSize);
    const std::vector<bool> kept = KeptLines(lines);
    bool keeping = false;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (i > 0) {
            rtf += "\\par\n";
        }
        if (kept[static_cast<size_t>(i)] != keeping) {
            keeping = kept[static_cast<size_t>(i)];
            rtf += keeping ? "\\keepn " : "\\pard";
            if (!keeping) {
                AppendCharacterFormat(rtf, content.Font(), fit.fontSize);
            }
        }
        AppendLine(rtf, lines[i], fit.fontSize);
    }
    rtf += "}\n";
    return rtf;
}

} // namespace kelvo
