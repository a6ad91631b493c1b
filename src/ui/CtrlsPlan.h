#pragma once

#include "ui/frmMainUi.h"
#include "worksheet/AdmittedCount.h"
#include "worksheet/CSheetPlan.h"

#include <QString>

#include <memory>
#include <string>

namespace kelvo {

class CUserDialogs;

// Drives the sheet-plan controls of the main window: adds the kind the panel
// shows with the count of its box, lists the sections with their counts and
// the different questions each kind admits (worked out one kind at a time), moves, edits, removes
// and clears them, and opens and saves plan files. It owns the plan.
class CtrlsPlan {
public:
    explicit CtrlsPlan(const CPlanPanel& panel);

    const CSheetPlan& Plan() const { return m_plan; }
    // Shows the plan in place of the current one.
    void SetPlan(CSheetPlan plan);

    // A message when the plan is full: no plan file holds more sections.
    QString DoAddClicked(std::shared_ptr<const CQuestionData> kind);
    // -1 moves the selected section up, +1 down.
    void DoMoveClicked(int delta);
    void DoRemoveClicked();
    void DoClearClicked();
    // A cell was edited: only counts can be, and they are held to their range.
    void DoCellEdited(int row, int column);
    void DoMixToggled();
    void DoSelectionChanged();
    // Works out the admitted count of the first section still without one and
    // shows it; false when every section has its count. A plan shown by
    // SetPlan has none yet, so that a long plan never holds up the window.
    bool DoCountNextAdmitted();

    // The different questions each kind admits, as far as worked out; a sheet
    // made of the plan reads and adds to them.
    CAdmittedCounts& Counts() { return m_counts; }

    // "打开试卷" and "保存试卷": the file is asked for through the dialogs,
    // which also say what went wrong. The next file dialog starts in the
    // folder of the last file.
    void DoOpenClicked(CUserDialogs& dialogs);
    void DoSaveClicked(CUserDialogs& dialogs);

    // An empty message when done; else the plan stays as it was.
    QString Open(const QString& strPath);
    QString Save(const QString& strPath) const;

private:
    void ShowPlan(int selectedRow);
    void ShowSection(int row, const CSheetSection& section);
    QTableWidgetItem* Cell(int row, int column);
    int SelectedRow() const;
    QString AskPlanFile(CUserDialogs& dialogs, bool isSaving);
    static void TellIfAny(CUserDialogs& dialogs, const QString& strMessage);

    CPlanPanel m_panel;
    CSheetPlan m_plan;
    CAdmittedCounts m_counts;
    QString m_strPlanFolder;
};

} // namespace kelvo
