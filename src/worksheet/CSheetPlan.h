#pragma once

#include "question/CQuestionData.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

namespace kelvo {

// One part of a sheet: a kind of question under its title (the kind's
// Title) and how many questions of it the sheet has.
struct CSheetSection {
    std::shared_ptr<const CQuestionData> kind;
    int32_t count = 0;
};

// How the questions of a plan stand on the sheet.
enum class SheetArrangement {
    // The one kind of the panel in the layout's grid, without a heading.
    OneKind,
    // Every section under its heading, in plan order.
    InPlanOrder,
    // The questions of all sections shuffled into one grid.
    Mixed,
};

// A sheet of several kinds: its sections in sheet order, and whether the
// questions of all sections are mixed on the sheet instead. Indexes are
// 0-based; one outside the plan is the subscript error.
class CSheetPlan {
public:
    static constexpr int32_t MinSectionCount = 1;
    static constexpr int32_t MaxSectionCount = 5000;

    // The sheet of the panel's kind: as many questions as the layout has
    // cells, which may be more than a section of a plan holds.
    static CSheetPlan OfOneKind(std::shared_ptr<const CQuestionData> kind, int32_t cellCount);

    const std::vector<CSheetSection>& Sections() const { return m_sections; }
    bool IsEmpty() const { return m_sections.empty(); }
    bool IsMixed() const { return m_isMixed; }
    void SetIsMixed(bool value) { m_isMixed = value; }
    SheetArrangement Arrangement() const;

    // Counts are held to MinSectionCount..MaxSectionCount.
    void Add(std::shared_ptr<const CQuestionData> kind, int32_t count);
    void SetCount(size_t index, int32_t count);
    // The section at `from` goes to place `to`; the others keep their order.
    void Move(size_t from, size_t to);
    void Remove(size_t index);
    void Clear() { m_sections.clear(); }

private:
    void CheckIndex(size_t index) const;

    std::vector<CSheetSection> m_sections;
    bool m_isMixed = false;
    bool m_isOneKind = false;
};

} // namespace kelvo
