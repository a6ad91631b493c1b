#pragma once

#include "store/SheetText.h"
#include "ui/CtrlsPaper.h"
#include "worksheet/AdmittedCount.h"
#include "worksheet/CSheetDocument.h"

#include <QString>

#include <optional>
#include <vector>

class QWidget;

namespace kelvo {

class CProgressFrame;
class CStore;
class CUserDialogs;
struct CPrintedSheet;

// "按编号重做": a sheet made again from the code on its pages or the text of its
// QR code, in a document of its own, and put on paper as the main window's
// sheets are. The main window's panels, plan and sheet stay as they are.
class CtrlsSheetCodes {
public:
    CtrlsSheetCodes(QWidget& window, CtrlsPaper& paper, CStore& store, CProgressFrame& progress);

    // The PDF written, empty when none was.
    CExportedPdf DoRemakeClicked(CUserDialogs& dialogs);

private:
    // The sheet the text stands for: a QR code's text anywhere, a code when
    // the list of printed sheets has it; nothing, with the message, otherwise.
    static std::optional<CSheetRecipe> RecipeOf(const QString& strText,
                                                const std::vector<CPrintedSheet>& printed,
                                                QString& strMessage);

    QWidget& m_window;
    CtrlsPaper& m_paper;
    CStore& m_store;
    CProgressFrame& m_progress;
    CSheetDocument m_document;
    CAdmittedCounts m_counts;
};

} // namespace kelvo
