// A sheet of several kinds, made from a plan through the worksheet use case:
//
//   CSheetPlan --MakePlanSheet--> one question set per section, exactly its
//                                 count, in plan order (or one shuffled set
//                                 of all of them when the plan mixes them)
//   CPlanSheet + COutputSettings --FormatPlanSheet--> worksheet text
//
// In plan order every section stands under its heading ("一、20以内的进位加法")
// in rows of the layout's columns, and the layout's title heads the sheet once
// (when the layout prints titles). Mixed, the questions fill one grid as a
// sheet of one kind does, titles included.
#pragma once

#include "output/COutputSettings.h"
#include "worksheet/AdmittedCount.h"
#include "worksheet/CSheetPlan.h"
#include "worksheet/Worksheet.h"

#include <cstddef>
#include <string>
#include <vector>

namespace kelvo {

class CInfoReceiver;

// One block of a plan's sheet.
struct CSheetPart {
    // Empty for the mixed questions of all sections.
    std::u16string heading;
    CQuestionSet questionSet;
};

struct CPlanSheet {
    // In plan order, or the one part of the mixed questions.
    std::vector<CSheetPart> parts;
    bool isMixed = false;
    // A section without questions names itself and its reason here; the sheet
    // then has none.
    std::u16string errorText;
    // The sections that stopped short of their questions, each after its
    // heading ("二、…：只生成了 N 道题目"). A cancel ends the plan there.
    std::u16string statusLine;

    bool HasQuestions() const { return errorText.empty() && !parts.empty(); }
};

// "一、" and the section's title for the section at 0-based index.
std::u16string SectionHeading(size_t index, const CSheetSection& section);

// The receiver (may be nullptr) sees the progress of each section.
CPlanSheet MakePlanSheet(const CSheetPlan& plan, CInfoReceiver* receiver);

// The text of the sheet (see the top of this file); its error text without
// questions. Only the layout's columns, spacing, title and switches count.
std::u16string FormatPlanSheet(const CPlanSheet& sheet, const COutputSettings& layout,
                               CInfoReceiver* receiver);

// RepetitionWarning of every section whose kind admits fewer questions than
// it wants, each after its heading; admitted holds the sections' counts.
std::u16string PlanRepetitionWarning(const CSheetPlan& plan,
                                     const std::vector<CAdmittedCount>& admitted);

} // namespace kelvo
