#pragma once

#include "output/CPageOptions.h"
#include "question/CSavedKinds.h"
#include "worksheet/CSheetPlan.h"

#include <QByteArray>
#include <QJsonObject>
#include <QJsonValue>
#include <QString>
#include <QStringList>

#include <cstddef>
#include <memory>
#include <optional>
#include <vector>

namespace kelvo {

// Kelvo's own files of sheet plans, saved kinds and page options, as versioned JSON:
//
//   {"format": "kelvo-plan", "version": 1, "mixed": false,
//    "sections": [{"count": 20, "kind": KIND}, …]}
//   {"format": "kelvo-kinds", "version": 1, "kinds": [KIND, …]}
//   {"format": "kelvo-panel", "version": 1, "kind": KIND, "sectionCount": 20}
//   {"format": "kelvo-page", "version": 1, "paper": "A4", "landscape": false,
//    "marginMillimetres": 15, "answerKey": true, "numbered": true, "copies": 1,
//    "columnForm": false, "largePrint": false, "qrCode": true,
//    "headerFields": ["姓名", …]}
//   {"format": "kelvo-printed", "version": 1, "sheets": [{"when": "2026-12-09 08:30",
//    "title": "…", "codes": ["7K3F-9Q2A", …], "qrText": "KELVO1:…"}, …]}
//   KIND = {"title": "20以内的进位加法",
//           "operands": [{"from": 1, "to": 20, "multipleOf": 1}, …],
//           "operators": ["＋$$$", …], "result": {…}, "cbr": 1}
//
// A read gives the whole content or nothing, with a message in Chinese for
// the user and its fault: the file is missing, cannot serve (cannot be read,
// too large, damaged or not Kelvo's, more sections or kinds than a start-up
// should wait for) or comes from a later version. Files are read and written
// by the kept-file rule: only a regular file is read, and a write replaces
// the old file (or a link) only once the new one is complete, and says so
// when it cannot.
constexpr int PlanFileVersion = 1;
constexpr std::size_t MaxPlanSections = 500;
constexpr std::size_t MaxSavedKinds = 5000;
constexpr std::size_t MaxPrintedSheets = 200;

enum class EReadFault { None, Missing, Unusable, Newer };

std::optional<CSheetPlan> ReadPlanFile(const QString& strPath, QString& strMessage,
                                       EReadFault& fault);
bool WritePlanFile(const QString& strPath, const CSheetPlan& plan, QString& strMessage);

std::optional<CSavedKinds> ReadKindsFile(const QString& strPath, QString& strMessage,
                                         EReadFault& fault);
bool WriteKindsFile(const QString& strPath, const CSavedKinds& kinds, QString& strMessage);

// The main window's panels as the last run left them, with what Kelvo.ini
// has no line for: the operand panel's kind (its title may be empty) and the
// count box of the plan panel.
struct CLastPanels {
    CQuestionData kind;
    int32_t sectionCount = 0;
};
std::optional<CLastPanels> ReadPanelFile(const QString& strPath, QString& strMessage,
                                         EReadFault& fault);
bool WritePanelFile(const QString& strPath, const CLastPanels& panels, QString& strMessage);

std::optional<CPageOptions> ReadPageOptionsFile(const QString& strPath, QString& strMessage,
                                                EReadFault& fault);
bool WritePageOptionsFile(const QString& strPath, const CPageOptions& options, QString& strMessage);

// A sheet Kelvo put on paper, newest first in the list: when, what it was,
// the code of each copy and the text that makes the whole of it again.
struct CPrintedSheet {
    QString strWhen;
    QString strTitle;
    QStringList codes;
    QString strQrText;
};
std::optional<std::vector<CPrintedSheet>>
ReadPrintedSheetsFile(const QString& strPath, QString& strMessage, EReadFault& fault);
bool WritePrintedSheetsFile(const QString& strPath, const std::vector<CPrintedSheet>& sheets,
                            QString& strMessage);

// The same readers and writers over bytes in memory; `strPath` only names
// the file in the message.
std::optional<CSheetPlan> PlanFromBytes(const QByteArray& bytes, const QString& strPath,
                                        QString& strMessage, EReadFault& fault);
std::optional<CSavedKinds> KindsFromBytes(const QByteArray& bytes, const QString& strPath,
                                          QString& strMessage, EReadFault& fault);
std::optional<CPageOptions> PageOptionsFromBytes(const QByteArray& bytes, const QString& strPath,
                                                 QString& strMessage, EReadFault& fault);
QByteArray PlanFileBytes(const CSheetPlan& plan);
QByteArray KindsFileBytes(const CSavedKinds& kinds);
QByteArray PageOptionsFileBytes(const CPageOptions& options);

// A kind as KIND above, and back (its title may be empty); nothing for a
// damaged one.
QJsonObject KindToJson(const CQuestionData& kind);
std::shared_ptr<CQuestionData> PanelKindFromJson(const QJsonValue& value);

} // namespace kelvo
