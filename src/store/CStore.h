// The store: every file Kelvo keeps between runs, in one place. The settings
// file Kelvo.ini (CConfig) stands where the caller says, by default beside the
// program in portable use, else in the user's folders (CProgramFolder). Beside
// it stand the last plan (KelvoPlan.json), the last panel's kind with what
// Kelvo.ini has no line for (KelvoPanel.json), the saved kinds
// (KelvoKinds.json), the page options (KelvoPage.json) and the list of
// sheets put on paper (KelvoSheets.json), each one CKeptDocument read and
// written by PlanFiles, under the lock Kelvo.lock; the drill history
// (CDrillHistory, one SQLite file) has a path of its own. The main window makes
// one store per run, takes back what the last run kept at start-up, hands it
// what to keep as the user changes it, and keeps the rest when it closes.
#pragma once

#include "output/CPageOptions.h"
#include "question/CConfig.h"
#include "store/CDrillHistory.h"
#include "store/CKeptDocument.h"
#include "worksheet/CSheetPlan.h"

#include <QLockFile>
#include <QString>

#include <optional>
#include <vector>

namespace kelvo {

// What came back of a kept file: its content, or none with what the status
// line says about it (nothing when there was no file).
template <class T>
struct CRestored {
    std::optional<T> content;
    QString strNote;
};

class CStore {
public:
    CStore(const QString& strSettingsPath, QString strHistoryPath);
    CStore(const CStore&) = delete;
    CStore& operator=(const CStore&) = delete;

    static QString DefaultSettingsPath();
    static QString DefaultHistoryPath();

    CConfig& Config() { return m_config; }
    CDrillHistory& History() { return m_history; }
    // The saved kinds' file, which the question-type list reads and writes.
    CKeptDocument KindsFile() const;
    // When another Kelvo holds the lock, what the status line says: this run
    // leaves the plan, kinds and page files to it. Empty otherwise.
    QString UsedElsewhereNote() const;

    // The settings file, as CConfig::Load. The panel file completes the
    // panel only while the settings file holds the same panel, so that a
    // settings file changed since (by hand, or by an older Kelvo) wins.
    bool LoadSettings();
    // The plan panel's count box as the last run left it; none without a
    // panel file that serves.
    std::optional<int32_t> LastSectionCount() const { return m_lastSectionCount; }
    CRestored<CSheetPlan> RestoreLastPlan();
    CRestored<CPageOptions> RestorePageOptions();
    // Why the options could not be kept; empty when they were.
    QString KeepPageOptions(const CPageOptions& options);
    // The sheets put on paper, newest first, with what the status line says
    // of a list that could not serve (it is set aside, and a new one begun).
    CRestored<std::vector<CPrintedSheet>> PrintedSheets();
    // Puts the sheet first in the list, which keeps the newest
    // MaxPrintedSheets; why it could not, empty when it could.
    QString KeepPrintedSheet(const CPrintedSheet& sheet);
    // At the end of a run: the settings, the last panel and the last plan, silently or not at
    // all; then another Kelvo may take the files.
    void KeepAtClose(const CSheetPlan& lastPlan, int32_t sectionCount);

private:
    QString BesideSettings(const QString& strFileName) const;
    bool TakeLock();

    CConfig m_config;
    QLockFile m_lock;
    // True when another Kelvo held the lock at start-up.
    bool m_isUsedElsewhere;
    CKeptDocument m_lastPanelFile;
    std::optional<int32_t> m_lastSectionCount;
    CKeptDocument m_lastPlanFile;
    CKeptDocument m_pageOptionsFile;
    CKeptDocument m_printedSheetsFile;
    CDrillHistory m_history;
};

} // namespace kelvo
