#pragma once

#include "output/CPageOptions.h"
#include "worksheet/CSheetPrint.h"

#include <QString>

#include <memory>

class QPlainTextEdit;
class QWidget;

namespace kelvo {

class CPrintJob;
class CProgressFrame;
class CSheetDocument;
class CStore;
class CUserDialogs;
class CtrlsSettings;

// A PDF as the status line tells of it.
struct CExportedPdf {
    // Where it went, with links that open it and its folder, then the note.
    QString StatusText() const;

    QString strPath;
    QString strNote;
};

// A sheet on its way to paper: the document it was made in, the layout it is
// shown in and the page options.
struct CPaperSheet {
    const CSheetDocument& document;
    COutputSettings layout;
    CPageOptions options;
};

// The main window's way to paper: "打印预览", "导出PDF" and "页面设置", for the
// sheet and for the 听算 answer sheet of it. It holds the page options, kept
// in the store. Copies are drawn and pages laid out as one job that shows its
// progress and heeds its cancel; without a sheet the worksheet box says so. A
// PDF is written only when every row fits the paper, upright or on its side.
// Every page carries its copy's QR code (unless the options leave it off),
// and every sheet exported or printed from the preview goes into the store's
// list of printed sheets.
class CtrlsPaper {
public:
    CtrlsPaper(QWidget& window, const CSheetDocument& document, const CtrlsSettings& settings,
               QPlainTextEdit& output, CStore& store, CProgressFrame& progress);

    const CPageOptions& Options() const { return m_options; }
    // What the user is told at start-up; empty when the options came back or there were none.
    QString Restore();

    void DoPreviewClicked(PrintedPages printed, CUserDialogs& dialogs);
    // The file written, empty when none was, and what its pages came to
    // (paper turned, type shrunk to fit). The next export starts in its folder.
    CExportedPdf DoExportPdfClicked(PrintedPages printed, CUserDialogs& dialogs);
    void DoPageOptionsClicked(CUserDialogs& dialogs);

    // Any sheet, such as one made again from its code, as the main window's
    // own: the preview gives back the options its pages have at the end.
    CPageOptions PreviewSheet(const CPaperSheet& sheet, PrintedPages printed,
                              CUserDialogs& dialogs);
    CExportedPdf ExportSheetPdf(const CPaperSheet& sheet, PrintedPages printed,
                                CUserDialogs& dialogs);

private:
    CPaperSheet ShownSheet() const;
    // The copies of the sheet, the first as shown and the others drawn anew;
    // none when the user cancelled.
    std::unique_ptr<CPrintJob> MakePrintJob(const CPaperSheet& sheet, PrintedPages printed);
    // Why the exported sheet did not go into the list; empty when it did.
    QString KeepPrinted(const CPaperSheet& sheet, const CPrintJob& job);
    void Keep(const CPageOptions& options, CUserDialogs& dialogs);

    QWidget& m_window;
    const CSheetDocument& m_document;
    const CtrlsSettings& m_settings;
    QPlainTextEdit& m_output;
    CStore& m_store;
    CProgressFrame& m_progress;
    CPageOptions m_options;
    QString m_strPdfFolder;
};

} // namespace kelvo
