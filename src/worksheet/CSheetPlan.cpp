#include "worksheet/CSheetPlan.h"

#include "foundation/RuntimeError.h"

#include <algorithm>

namespace kelvo {

namespace {

int32_t HeldCount(int32_t count) {
    return std::clamp(count, CSheetPlan::MinSectionCount, CSheetPlan::MaxSectionCount);
}

} // namespace

CSheetPlan CSheetPlan::OfOneKind(std::shared_ptr<const CQuestionData> kind, int32_t cellCount) {
    CSheetPlan plan;
    plan.m_sections.push_back({std::move(kind), cellCount});
    plan.m_isOneKind = true;
    return plan;
}

SheetArrangement CSheetPlan::Arrangement() const {
    if (m_isOneKind) {
        return SheetArrangement::OneKind;
    }
    return m_isMixed ? SheetArrangement::Mixed : SheetArrangement::InPlanOrder;
}

void CSheetPlan::Add(std::shared_ptr<const CQuestionData> kind, int32_t count) {
    m_sections.push_back({std::move(kind), HeldCount(count)});
}

void CSheetPlan::SetCount(size_t index, int32_t count) {
    CheckIndex(index);
    m_sections[index].count = HeldCount(count);
}

void CSheetPlan::Move(size_t from, size_t to) {
    CheckIndex(from);
    CheckIndex(to);
    const auto first = m_sections.begin();
    if (from < to) {
        std::rotate(first + static_cast<ptrdiff_t>(from), first + static_cast<ptrdiff_t>(from) + 1,
                    first + static_cast<ptrdiff_t>(to) + 1);
    } else {
        std::rotate(first + static_cast<ptrdiff_t>(to), first + static_cast<ptrdiff_t>(from),
                    first + static_cast<ptrdiff_t>(from) + 1);
    }
}

void CSheetPlan::Remove(size_t index) {
    CheckIndex(index);
    m_sections.erase(m_sections.begin() + static_cast<ptrdiff_t>(index));
}

void CSheetPlan::CheckIndex(size_t index) const {
    if (index >= m_sections.size()) {
        RaiseError(ErrorNumber::SubscriptOutOfRange);
    }
}

} // namespace kelvo
