// The sheet on paper: every copy of it (each with questions of its own) laid
// out on pages by CPageLayout, every section's questions in cells on one line,
// or with the page option "竖式" its two-operand questions in column form.
//
//   copies of a CSheet + COutputSettings + CPageOptions
//       --LayOutPages--> CPageLayout --Page(n)--> CPage, drawn by the Qt side
#pragma once

#include "output/CPageLayout.h"
#include "worksheet/Sheet.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace kelvo {

class CInfoReceiver;
class CTextMeasure;

// The text of the QR code on the pages of the copy drawn from the seed, laid
// out with the options; empty for none.
using QrTextMaker = std::function<std::string(uint64_t seed, const CPageOptions& options)>;

// Every question the sheet shows, each part under its heading. The copies
// and the measure must outlive the pages; the receiver (may be nullptr) can
// cancel the layout. Without a QR text maker the pages have no QR code.
CPageLayout LayOutPages(const std::vector<CSheet>& copies, const COutputSettings& layout,
                        const CPageOptions& options, const CTextMeasure& measure, double pointSize,
                        const CInfoReceiver* receiver = nullptr, const QrTextMaker& qrText = {});

// The 听算 answer sheet of the same copies: in place of each question only its
// number and a box for the answer (the key, when asked, has the answers in the
// boxes), the questions numbered and on one line whatever the options say.
CPageLayout LayOutAnswerSheet(const std::vector<CSheet>& copies, const COutputSettings& layout,
                              const CPageOptions& options, const CTextMeasure& measure,
                              double pointSize, const CInfoReceiver* receiver = nullptr,
                              const QrTextMaker& qrText = {});

// With "竖式", what the preview says when some questions stay on one line: a
// line for each reason (three or four operands, a form other than "计算", a
// decimal division); empty otherwise.
std::u16string ColumnFormNote(const std::vector<CSheet>& copies, const COutputSettings& layout,
                              const CPageOptions& options);

} // namespace kelvo
