#include "worksheet/CSheetDocument.h"

#include "foundation/RandomSource.h"
#include "generation/CInfoReceiver.h"
#include "worksheet/SheetCode.h"

namespace kelvo {

CShownSheet CSheetDocument::Create(const CSheetPlan& plan, const COutputSettings& layout,
                                   CAdmittedCounts& counts, CInfoReceiver* receiver) {
    return Remake(plan, layout.ColumnCount(), DrawSeed(), layout, counts, receiver);
}

CShownSheet CSheetDocument::Remake(const CSheetPlan& plan, int32_t drawnColumns, uint64_t seed,
                                   const COutputSettings& layout, CAdmittedCounts& counts,
                                   CInfoReceiver* receiver) {
    Clear();
    m_plan = plan;
    m_columns = drawnColumns;
    m_sheet = DrawSheet(m_plan, m_columns, seed, &counts, receiver);
    return {FormatSheet(m_sheet, layout, receiver), m_sheet.HasQuestions(), m_sheet.statusLine,
            m_sheet.repetitionWarning};
}

CShownSheet CSheetDocument::Show(const COutputSettings& layout, CInfoReceiver* receiver) const {
    if (!HasSheet()) {
        return {};
    }
    return {FormatSheet(m_sheet, layout, receiver), true, m_sheet.statusLine,
            m_sheet.repetitionWarning};
}

void CSheetDocument::Clear() {
    m_plan = {};
    m_columns = 1;
    m_sheet = {};
}

std::vector<CSheet> CSheetDocument::Copies(int32_t count, CInfoReceiver* receiver) const {
    std::vector<CSheet> copies{m_sheet};
    while (static_cast<int32_t>(copies.size()) < count) {
        const auto copy = static_cast<int32_t>(copies.size()) + 1;
        copies.push_back(
            DrawSheet(m_plan, m_columns, CopySeed(m_sheet.seed, copy), nullptr, receiver));
        if ((receiver != nullptr && receiver->IsCancelled()) || !copies.back().HasQuestions()) {
            return {};
        }
    }
    return copies;
}

} // namespace kelvo
