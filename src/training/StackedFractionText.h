// The drill shows a fraction as the page does: its numerator over a bar over
// its denominator, the rest of the text level with the bar.
#pragma once

#include <QString>

namespace kelvo {

// Rich text that stacks every fraction ("3/5", "1又1/6") of text; text
// without a fraction comes back as it is, so that whole-number drills keep
// their plain labels.
QString StackedFractionText(const QString& text);

} // namespace kelvo
