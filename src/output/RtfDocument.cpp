#include "output/RtfDocument.h"

#include "output/ColorRef.h"

#include <QColor>

#include <cmath>

namespace kelvo {

namespace {

bool IsLineEnd(QChar character) {
    return character == u'\r' || character == u'\n';
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
void AppendCharacterFormat(QByteArray& rtf, const CWordFont& font) {
    rtf += "\\plain\\loch\\af0\\hich\\af0\\dbch\\af0\\f0";
    const long lHalfPoints = std::lround(font.Size() * 2.0);
    if (lHalfPoints > 0)
        rtf += "\\fs" + QByteArray::number(static_cast<qlonglong>(lHalfPoints));
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
    // worksheet rely on; without it readers widen every run. The page is A4.
    QByteArray rtf = "{\\rtf1\\ansi\\deff0\\uc1\\dntblnsbdb\n";
    AppendFontTable(rtf, content.Font());
    AppendColorTable(rtf, content.Font());
    rtf += "\\paperw11906\\paperh16838\n\\pard";
    AppendCharacterFormat(rtf, content.Font());
    AppendText(rtf, content.Text());
    rtf += "}\n";
    return rtf;
}

} // namespace kelvo
