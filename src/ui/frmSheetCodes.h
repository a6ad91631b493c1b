#pragma once

#include "store/PlanFiles.h"

#include <QDialog>

#include <vector>

class QLineEdit;
class QPushButton;
class QTreeWidget;

namespace kelvo {

// "按编号重做": the code of a sheet (from its footer) or the text of its QR
// code, typed or pasted, or a sheet picked from the list of printed ones; the
// sheet is then shown in the preview or exported as a PDF.
class frmSheetCodes : public QDialog {
public:
    enum class Action { None, Preview, ExportPdf };

    frmSheetCodes(const std::vector<CPrintedSheet>& printed, QWidget* owner = nullptr);

    QString Text() const;
    Action Chosen() const { return m_chosen; }
    // Closes the dialog as its button does.
    void Choose(Action action);

    QLineEdit* txtCode = nullptr;
    // Newest first; a row picked puts its code in the box.
    QTreeWidget* lstPrinted = nullptr;
    QPushButton* cmdPreview = nullptr;
    QPushButton* cmdExportPdf = nullptr;

private:
    Action m_chosen = Action::None;
};

} // namespace kelvo
