// A printed sheet marked afterwards, as the drill history keeps it.
#pragma once

#include "drill/DrillRecord.h"

#include <string>
#include <vector>

namespace kelvo {

// The sheet's questions as a score-only drill answered on paper: the missed
// ones without an answer, the others with their right answer and no time.
// missed holds one mark per question.
CDrillRecord PaperRecord(const std::u16string& kind, const std::vector<CKeptQuestion>& questions,
                         const std::vector<bool>& missed);

} // namespace kelvo
