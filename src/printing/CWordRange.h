#pragma once

#include "printing/CWordFont.h"

#include <QString>

namespace kelvo {

// A run of a document's text with one font; the document's Content is its whole text.
// Lines of the text end with CR LF; each becomes one paragraph.
class CWordRange {
public:
    const QString& Text() const { return m_strText; }
    void SetText(const QString& strText) { m_strText = strText; }
    CWordFont& Font() { return m_font; }
    const CWordFont& Font() const { return m_font; }

private:
    QString m_strText;
    CWordFont m_font;
};

} // namespace kelvo
