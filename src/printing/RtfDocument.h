#pragma once

#include "printing/CWordRange.h"

#include <QByteArray>

namespace kelvo {

// A Rich Text Format document of the range: its whole text in its font, one paragraph
// per line, every space kept. The file is plain ASCII: other characters are written as
// UTF-16 code units (\u escapes, "?" for readers without Unicode). The circle "○" a
// pupil writes a sign or an operator in stands half as large again as the text.
QByteArray RtfDocument(const CWordRange& content);

} // namespace kelvo
