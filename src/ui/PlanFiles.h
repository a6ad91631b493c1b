#pragma once

#include "output/CPageOptions.h"
#include "question/CSavedKinds.h"
#include "worksheet/CSheetPlan.h"

#include <QString>

#include <optional>

namespace kelvo {

// Kelvo's own files of sheet plans, saved kinds and page options, as versioned JSON:
//
//   {"format": "kelvo-plan", "version": 1, "mixed": false,
//    "sections": [{"count": 20, "kind": KIND}, …]}
//   {"format": "kelvo-kinds", "version": 1, "kinds": [KIND, …]}
//   {"format": "kelvo-page", "version": 1, "paper": "A4", "landscape": false,
//    "marginMillimetres": 15, "answerKey": true, "numbered": true, "copies": 1}
//   KIND = {"title": "20以内的进位加法",
//           "operands": [{"from": 1, "to": 20, "multipleOf": 1}, …],
//           "operators": ["＋$$$", …], "result": {…}, "cbr": 1}
//
// A read gives the whole content or nothing, with a message in Chinese for
// the user: the file cannot be read, is damaged or not Kelvo's, or comes from
// a later version. A write replaces the old file only once the new one is
// complete, and says so when it cannot.
constexpr int PlanFileVersion = 1;

std::optional<CSheetPlan> ReadPlanFile(const QString& strPath, QString& strMessage);
bool WritePlanFile(const QString& strPath, const CSheetPlan& plan, QString& strMessage);

std::optional<CSavedKinds> ReadKindsFile(const QString& strPath, QString& strMessage);
bool WriteKindsFile(const QString& strPath, const CSavedKinds& kinds, QString& strMessage);

std::optional<CPageOptions> ReadPageOptionsFile(const QString& strPath, QString& strMessage);
bool WritePageOptionsFile(const QString& strPath, const CPageOptions& options, QString& strMessage);

} // namespace kelvo
