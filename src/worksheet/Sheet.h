// A sheet made from a plan: one section for the panel's kind, or the sections
// of a plan in plan order or mixed.
//
//   CSheetPlan --DrawSheet--> CSheet: for each section the kind's templates
//       (built once, also for the admitted count), then its questions; the
//       sections stay apart, or are shuffled into one part when mixed
//   CSheet + COutputSettings --FormatSheet--> worksheet text
//
// One kind fills the layout's grid as it stands. In plan order every section
// stands under its heading ("一、20以内的进位加法") in rows of the layout's
// columns, and the layout's title heads the sheet once (when the layout prints
// titles). Mixed, the questions fill one grid as a sheet of one kind does,
// titles included. Either way a repeated question does not stand beside or
// below itself where the grid allows it.
#pragma once

#include "output/COutputSettings.h"
#include "worksheet/AdmittedCount.h"
#include "worksheet/CSheetPlan.h"
#include "worksheet/QuestionSet.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace kelvo {

class CInfoReceiver;

// One block of a sheet.
struct CSheetPart {
    // Empty for one kind and for the mixed questions of all sections.
    std::u16string heading;
    CQuestionSet questionSet;
};

struct CSheet {
    SheetArrangement arrangement = SheetArrangement::OneKind;
    // What the questions were drawn from: the same plan and seed give the
    // same sheet again (SheetCode writes it on the pages).
    uint64_t seed = 0;
    // False for a sheet of given questions (a child's weak spots): no plan
    // makes it again, so its pages carry no code.
    bool hasCode = true;
    // One part for one kind and for mixed questions, else one per section.
    std::vector<CSheetPart> parts;
    // Why the sheet has no questions; a section of a plan names itself first.
    std::u16string errorText;
    // The sections that stopped short of their questions ("只生成了 N 道题目",
    // in a plan after each one's heading). A cancel ends the sheet there.
    std::u16string statusLine;
    // The sections whose kind admits fewer questions than they want.
    std::u16string repetitionWarning;

    bool HasQuestions() const { return errorText.empty() && !parts.empty(); }
};

// "一、" and the section's title for the section at 0-based index.
std::u16string SectionHeading(size_t index, const CSheetSection& section);

// The questions are drawn from the seed for rows of the layout's columns, so
// that repeated questions stand apart on the sheet. The receiver (may be nullptr) sees
// the progress of each section. With counts, the sheet says which sections will repeat questions,
// and the counts keep what was worked out; without them (more copies of a sheet) it says nothing of
// repetition.
CSheet DrawSheet(const CSheetPlan& plan, int32_t columns, uint64_t seed, CAdmittedCounts* counts,
                 CInfoReceiver* receiver);

// The text of the sheet (see the top of this file); its error text without
// questions. For a plan only the layout's columns, spacing, title and
// switches count.
std::u16string FormatSheet(const CSheet& sheet, const COutputSettings& layout,
                           CInfoReceiver* receiver);

// How many questions of the part the sheet shows under the layout: one kind
// shows as many as the layout has cells, a plan all of them.
int32_t ShownQuestionCount(const CSheet& sheet, const CSheetPart& part,
                           const COutputSettings& layout);

} // namespace kelvo
