#include "ui/CtrlsPlan.h"

#include "store/PlanFiles.h"
#include "ui/CUserDialogs.h"
#include "worksheet/Sheet.h"

#include <QFileInfo>
#include <QSignalBlocker>
#include <QStandardPaths>

#include <algorithm>

namespace kelvo {

namespace {

enum Column { TitleColumn, CountColumn, AdmittedColumn };

const char16_t* const PlanFileFilter = u"Kelvo试卷 (*.json)";

} // namespace

CtrlsPlan::CtrlsPlan(const CPlanPanel& panel)
    : m_panel(panel),
      m_strPlanFolder(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)) {
    ShowPlan(-1);
}

void CtrlsPlan::SetPlan(CSheetPlan plan) {
    m_plan = std::move(plan);
    ShowPlan(m_plan.IsEmpty() ? -1 : 0);
}

QString CtrlsPlan::DoAddClicked(std::shared_ptr<const CQuestionData> kind) {
    if (m_plan.Sections().size() >= MaxPlanSections) {
        return QString::fromUtf16(u"试卷最多有 %1 节，不能再加入。").arg(MaxPlanSections);
    }
    m_counts.Of(kind);
    m_plan.Add(std::move(kind), m_panel.txtSectionCount->Value());
    ShowPlan(static_cast<int>(m_plan.Sections().size()) - 1);
    return {};
}

void CtrlsPlan::DoMoveClicked(int delta) {
    const int row = SelectedRow();
    const int target = row + delta;
    if (row < 0 || target < 0 || target >= static_cast<int>(m_plan.Sections().size())) {
        return;
    }
    m_plan.Move(static_cast<size_t>(row), static_cast<size_t>(target));
    ShowPlan(target);
}

void CtrlsPlan::DoRemoveClicked() {
    const int row = SelectedRow();
    if (row < 0) {
        return;
    }
    m_plan.Remove(static_cast<size_t>(row));
    ShowPlan(std::min(row, static_cast<int>(m_plan.Sections().size()) - 1));
}

void CtrlsPlan::DoClearClicked() {
    m_plan.Clear();
    ShowPlan(-1);
}

void CtrlsPlan::DoCellEdited(int row, int column) {
    const QTableWidgetItem* item = m_panel.tblPlan->item(row, CountColumn);
    if (column != CountColumn || item == nullptr ||
        row >= static_cast<int>(m_plan.Sections().size())) {
        return;
    }
    m_plan.SetCount(static_cast<size_t>(row), item->data(Qt::EditRole).toInt());
    ShowPlan(row);
}

void CtrlsPlan::DoMixToggled() {
    m_plan.SetIsMixed(m_panel.chkMixSections->isChecked());
}

void CtrlsPlan::DoSelectionChanged() {
    const int row = SelectedRow();
    const int last = static_cast<int>(m_plan.Sections().size()) - 1;
    m_panel.cmdSectionUp->setEnabled(row > 0);
    m_panel.cmdSectionDown->setEnabled(row >= 0 && row < last);
    m_panel.cmdRemoveSection->setEnabled(row >= 0);
    m_panel.cmdClearPlan->setEnabled(last >= 0);
}

bool CtrlsPlan::DoCountNextAdmitted() {
    const auto& sections = m_plan.Sections();
    const auto pending =
        std::find_if(sections.begin(), sections.end(), [this](const auto& section) {
            return m_counts.Find(section.kind) == nullptr;
        });
    if (pending == sections.end()) {
        return false;
    }
    const std::shared_ptr<const CQuestionData> kind = pending->kind;
    m_counts.Of(kind);
    const QSignalBlocker blocker(m_panel.tblPlan);
    for (size_t k = 0; k < sections.size(); ++k) {
        if (sections[k].kind == kind) {
            ShowSection(static_cast<int>(k), sections[k]);
        }
    }
    return true;
}

void CtrlsPlan::DoOpenClicked(CUserDialogs& dialogs) {
    const QString strPath = AskPlanFile(dialogs, false);
    if (!strPath.isEmpty()) {
        TellIfAny(dialogs, Open(strPath));
    }
}

void CtrlsPlan::DoSaveClicked(CUserDialogs& dialogs) {
    const QString strPath = AskPlanFile(dialogs, true);
    if (!strPath.isEmpty()) {
        TellIfAny(dialogs, Save(strPath));
    }
}

QString CtrlsPlan::AskPlanFile(CUserDialogs& dialogs, bool isSaving) {
    QString strPath =
        dialogs.ChooseFile({isSaving, QString::fromUtf16(isSaving ? u"保存试卷" : u"打开试卷"),
                            m_strPlanFolder, QString::fromUtf16(PlanFileFilter)});
    if (!strPath.isEmpty()) {
        m_strPlanFolder = QFileInfo(strPath).absolutePath();
    }
    return strPath;
}

void CtrlsPlan::TellIfAny(CUserDialogs& dialogs, const QString& strMessage) {
    if (!strMessage.isEmpty()) {
        dialogs.Tell(strMessage);
    }
}

QString CtrlsPlan::Open(const QString& strPath) {
    QString strMessage;
    EReadFault fault = EReadFault::None;
    if (auto plan = ReadPlanFile(strPath, strMessage, fault)) {
        SetPlan(std::move(*plan));
    }
    return strMessage;
}

QString CtrlsPlan::Save(const QString& strPath) const {
    QString strMessage;
    WritePlanFile(strPath, m_plan, strMessage);
    return strMessage;
}

// Rebuilds the list; its own changes are no edits of the user's.
void CtrlsPlan::ShowPlan(int selectedRow) {
    {
        const QSignalBlocker blocker(m_panel.tblPlan);
        const auto& sections = m_plan.Sections();
        m_panel.tblPlan->setRowCount(static_cast<int>(sections.size()));
        for (size_t k = 0; k < sections.size(); ++k) {
            ShowSection(static_cast<int>(k), sections[k]);
        }
        // Moving the current cell would close an editor that is closing.
        if (selectedRow < 0) {
            m_panel.tblPlan->clearSelection();
        } else if (m_panel.tblPlan->currentRow() != selectedRow || SelectedRow() != selectedRow) {
            m_panel.tblPlan->setCurrentCell(selectedRow, TitleColumn);
        }
        const QSignalBlocker mixBlocker(m_panel.chkMixSections);
        m_panel.chkMixSections->setChecked(m_plan.IsMixed());
    }
    m_counts.KeepOnly(m_plan);
    DoSelectionChanged();
}

// The row's cells are changed in place: an edit may still be closing on one.
void CtrlsPlan::ShowSection(int row, const CSheetSection& section) {
    const QString strTitle = QString::fromStdU16String(section.kind->Title());
    QTableWidgetItem* title = Cell(row, TitleColumn);
    title->setText(strTitle);
    title->setToolTip(strTitle);
    Cell(row, CountColumn)->setData(Qt::EditRole, section.count);
    QTableWidgetItem* shown = Cell(row, AdmittedColumn);
    const CAdmittedCount* admitted = m_counts.Find(section.kind);
    if (admitted == nullptr) {
        shown->setText({});
        shown->setToolTip({});
        shown->setData(Qt::ForegroundRole, QVariant());
        return;
    }
    shown->setText(QString::fromStdU16String(AdmittedCountText(*admitted)));
    const std::u16string warning = RepetitionWarning(*admitted, section.count);
    shown->setToolTip(QString::fromStdU16String(warning));
    shown->setData(Qt::ForegroundRole, warning.empty() ? QVariant() : QColor(Qt::darkRed));
}

QTableWidgetItem* CtrlsPlan::Cell(int row, int column) {
    QTableWidgetItem* item = m_panel.tblPlan->item(row, column);
    if (item == nullptr) {
        item = new QTableWidgetItem;
        if (column != CountColumn) {
            item->setFlags(item->flags() & ~Qt::ItemIsEditable);
        }
        if (column != TitleColumn) {
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        }
        m_panel.tblPlan->setItem(row, column, item);
    }
    return item;
}

int CtrlsPlan::SelectedRow() const {
    const QList<QTableWidgetItem*> selected = m_panel.tblPlan->selectedItems();
    return selected.isEmpty() ? -1 : selected.front()->row();
}

} // namespace kelvo
