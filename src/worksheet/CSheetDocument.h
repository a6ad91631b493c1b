// The worksheet layer: a kind of question or a plan of several, and a layout,
// in; the questions, the worksheet text and the pages out. The windows hold
// one CSheetDocument and ask it; nothing here knows a window.
//
//   CQuestionData --KindQuestionSet--> templates --DrawQuestions--> CQuestionSet
//   CSheetPlan (one kind, or sections in order or mixed) --DrawSheet--> CSheet
//   CSheet + COutputSettings --FormatSheet--> worksheet text
//   copies of the CSheet + CPageOptions --CSheetPrint--> CPageLayout --> pages
//
// The drill takes its questions from MakeQuestions; 听算 reads the CSheet.
#pragma once

#include "output/COutputSettings.h"
#include "worksheet/AdmittedCount.h"
#include "worksheet/CSheetPlan.h"
#include "worksheet/Sheet.h"

#include <cstdint>
#include <string>
#include <vector>

namespace kelvo {

class CInfoReceiver;

// What the window shows of a sheet.
struct CShownSheet {
    // The worksheet text, or why there is none.
    std::u16string text;
    bool hasQuestions = false;
    // The sections that stopped short of their questions; empty when none did.
    std::u16string statusLine;
    // The sections that will repeat questions; empty when none will.
    std::u16string repetitionWarning;
};

// The sheet of the last Create and the plan it was made from, for as long as
// no other sheet is made: shown again under another layout, copied for
// printing (each copy with questions of its own) and read aloud.
class CSheetDocument {
public:
    // Makes the plan's sheet in place of the last one. The counts keep what
    // is worked out about the kinds; the receiver (may be nullptr) sees the
    // progress and may cancel.
    CShownSheet Create(const CSheetPlan& plan, const COutputSettings& layout,
                       CAdmittedCounts& counts, CInfoReceiver* receiver);
    // As Create, the questions drawn from the seed for rows of drawnColumns:
    // a sheet made again from its code.
    CShownSheet Remake(const CSheetPlan& plan, int32_t drawnColumns, uint64_t seed,
                       const COutputSettings& layout, CAdmittedCounts& counts,
                       CInfoReceiver* receiver);
    // A sheet of the given questions in place of the last one, mixed into one
    // grid under its own title. No plan makes it again: it has no code, and its
    // copies hold its questions in other orders.
    CShownSheet Adopt(CQuestionSet questions, std::u16string title, const COutputSettings& layout);
    // The last sheet under the layout; nothing without one.
    CShownSheet Show(const COutputSettings& layout, CInfoReceiver* receiver) const;
    // The chosen layout as the sheet is shown and printed under it: with an
    // adopted sheet's own title.
    COutputSettings SheetLayout(const COutputSettings& chosen) const;
    // Forgets the last sheet.
    void Clear();

    bool HasSheet() const { return m_sheet.HasQuestions(); }
    const CSheet& Sheet() const { return m_sheet; }
    // What the sheet was made from, to make it again.
    const CSheetPlan& Plan() const { return m_plan; }
    int32_t DrawnColumns() const { return m_columns; }
    // The sheet as it was made and count − 1 more drawn anew; none when the
    // receiver cancels or a copy finds no questions.
    std::vector<CSheet> Copies(int32_t count, CInfoReceiver* receiver) const;

private:
    CSheetPlan m_plan;
    // The layout's columns at Create: the copies keep their twins apart as
    // the sheet does.
    int32_t m_columns = 1;
    CSheet m_sheet;
    // An adopted sheet's title; empty for a sheet of a plan.
    std::u16string m_title;
};

} // namespace kelvo
