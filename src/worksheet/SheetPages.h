// The sheet on paper: every copy of it (each with questions of its own) laid
// out on pages by CPageLayout, every section's questions in cells on one line,
// or with the page option "竖式" its two-operand questions in column form.
//
//   copies of a CSheet + COutputSettings + CPageOptions
//       --LayOutPages--> CPageLayout --Page(n)--> CPage, drawn by the Qt side
#pragma once

#include "output/CPageLayout.h"
#include "worksheet/Sheet.h"

#include <string>
#include <vector>

namespace kelvo {

class CInfoReceiver;
class CTextMeasure;

// Every question the sheet shows, each part under its heading. The copies
// and the measure must outlive the pages; the receiver (may be nullptr) can
// cancel the layout.
CPageLayout LayOutPages(const std::vector<CSheet>& copies, const COutputSettings& layout,
                        const CPageOptions& options, const CTextMeasure& measure, double pointSize,
                        const CInfoReceiver* receiver = nullptr);

// The 听算 answer sheet of the same copies: in place of each question only its
// number and a box for the answer (the key, when asked, has the answers in the
// boxes), the questions numbered and on one line whatever the options say.
CPageLayout LayOutAnswerSheet(const std::vector<CSheet>& copies, const COutputSettings& layout,
                              const CPageOptions& options, const CTextMeasure& measure,
                              double pointSize, const CInfoReceiver* receiver = nullptr);

// With "竖式", what the preview says when some questions stay on one line
// (three or four operands); empty otherwise.
std::u16string ColumnFormNote(const std::vector<CSheet>& copies, const COutputSettings& layout,
                              const CPageOptions& options);

} // namespace kelvo
