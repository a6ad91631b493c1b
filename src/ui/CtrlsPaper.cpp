#include "ui/CtrlsPaper.h"

#include "printing/CPagePreview.h"
#include "printing/PdfExport.h"
#include "store/CStore.h"
#include "store/SheetText.h"
#include "ui/CPrintJob.h"
#include "ui/CProgressFrame.h"
#include "ui/CUserDialogs.h"
#include "ui/CtrlsSettings.h"
#include "ui/frmPageOptions.h"
#include "worksheet/CSheetDocument.h"
#include "worksheet/SheetCode.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QPlainTextEdit>
#include <QStandardPaths>
#include <QStringList>

namespace kelvo {

namespace {

const char16_t* const NoSheetForPreview = u"当前还没有生成题目，生成题目后才能打印预览。";
const char16_t* const NoSheetForPdf = u"当前还没有生成题目，生成题目后才能导出PDF。";
const char16_t* const TurnedForPdf =
    u"题目太宽，纵向纸张即使用最小的 9 磅字也排不下一行，PDF 文件改用了横向纸张。";
const char16_t* const TooWideForPdf =
    u"题目太宽，即使用横向纸张和最小的 9 磅字也排不下一行，没有导出 PDF 文件。"
    u"请减少列数或列间距后再导出。";
const char16_t* const LayingOutCaption = u"正在排版";
const char16_t* const CancelledPdf = u"已取消，没有保存 PDF 文件。";

// The sheet as its code makes it again, with its copies.
CSheetRecipe RecipeOf(const CPaperSheet& sheet) {
    return {sheet.document.Sheet().seed, sheet.document.Plan(), sheet.document.DrawnColumns(),
            sheet.layout, sheet.options};
}

// What the list of printed sheets calls the sheet: its kinds' titles, the
// panel's own kind (which has none) as the question-type list calls it.
QString SheetTitle(const CPaperSheet& sheet) {
    const CSheetPlan& plan = sheet.document.Plan();
    if (plan.Arrangement() == SheetArrangement::OneKind) {
        const std::u16string& title = plan.Sections().front().kind->Title();
        return title.empty() ? QString::fromUtf16(u"自定义题型") : QString::fromStdU16String(title);
    }
    QStringList titles;
    for (const CSheetSection& section : plan.Sections()) {
        titles.append(QString::fromStdU16String(section.kind->Title()));
    }
    return titles.join(QString::fromUtf16(u"、"));
}

QString PdfFileName(PrintedPages printed) {
    return QString::fromUtf16(printed == PrintedPages::Sheet ? u"口算练习.pdf" : u"听算答题纸.pdf");
}

} // namespace

CtrlsPaper::CtrlsPaper(QWidget& window, const CSheetDocument& document,
                       const CtrlsSettings& settings, QPlainTextEdit& output, CStore& store,
                       CProgressFrame& progress)
    : m_window(window), m_document(document), m_settings(settings), m_output(output),
      m_store(store), m_progress(progress),
      m_strPdfFolder(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)) {}

// Options that cannot be read leave the defaults.
QString CtrlsPaper::Restore() {
    auto [options, strNote] = m_store.RestorePageOptions();
    m_options = options.value_or(m_options);
    return strNote;
}

CPaperSheet CtrlsPaper::ShownSheet() const {
    return {m_document, m_document.SheetLayout(*m_settings.OutputSettings()), m_options};
}

void CtrlsPaper::DoPreviewClicked(PrintedPages printed, CUserDialogs& dialogs) {
    if (!m_document.HasSheet()) {
        m_output.setPlainText(QString::fromUtf16(NoSheetForPreview));
        return;
    }
    const CPageOptions options = PreviewSheet(ShownSheet(), printed, dialogs);
    // Landscape taken in the preview stays for the next sheet.
    if (!(options == m_options)) {
        Keep(options, dialogs);
    }
}

CPageOptions CtrlsPaper::PreviewSheet(const CPaperSheet& sheet, PrintedPages printed,
                                      CUserDialogs& dialogs) {
    const std::unique_ptr<CPrintJob> job = MakePrintJob(sheet, printed);
    if (!job) {
        return sheet.options;
    }
    CPagePreview preview(
        [&](const CPageOptions& options) -> const CPageLayout& {
            return job->Print().LayOut(options);
        },
        [&] { return QString::fromStdU16String(job->Print().Note()); }, sheet.options, job->Font(),
        &m_window);
    dialogs.RunPreview(preview);
    // The preview closes as accepted only once its pages went to the printer.
    if (preview.Dialog().result() == QDialog::Accepted) {
        if (const QString strNotKept = KeepPrinted(sheet, *job); !strNotKept.isEmpty()) {
            dialogs.Tell(strNotKept);
        }
    }
    return preview.Options();
}

QString CExportedPdf::StatusText() const {
    QStringList lines{QString::fromUtf16(u"PDF 文件已保存：%1　<a href=\"file\">打开</a>"
                                         u"　<a href=\"folder\">打开所在文件夹</a>")
                          .arg(QDir::toNativeSeparators(strPath).toHtmlEscaped())};
    if (!strNote.isEmpty()) {
        lines.append(strNote.toHtmlEscaped().replace(u'\n', QStringLiteral("<br>")));
    }
    return lines.join(QStringLiteral("<br>"));
}

CExportedPdf CtrlsPaper::DoExportPdfClicked(PrintedPages printed, CUserDialogs& dialogs) {
    if (!m_document.HasSheet()) {
        m_output.setPlainText(QString::fromUtf16(NoSheetForPdf));
        return {};
    }
    return ExportSheetPdf(ShownSheet(), printed, dialogs);
}

CExportedPdf CtrlsPaper::ExportSheetPdf(const CPaperSheet& sheet, PrintedPages printed,
                                        CUserDialogs& dialogs) {
    QString strPath = dialogs.ChooseFile({true, QString::fromUtf16(u"导出PDF"),
                                          QDir(m_strPdfFolder).filePath(PdfFileName(printed)),
                                          QString::fromUtf16(u"PDF 文件 (*.pdf)")});
    if (strPath.isEmpty()) {
        return {};
    }
    m_strPdfFolder = QFileInfo(strPath).absolutePath();
    const std::unique_ptr<CPrintJob> job = MakePrintJob(sheet, printed);
    if (!job) {
        return {};
    }
    // The layout of a long job shows its progress, and its "取消" is heeded.
    m_progress.Begin(QString::fromUtf16(LayingOutCaption));
    PdfPaper paper = PdfPaper::AsChosen;
    const CPageLayout& pages = job->Print().LayOutPdf(sheet.options, &m_progress, paper);
    m_progress.End();
    if (pages.IsCancelled()) {
        dialogs.Tell(QString::fromUtf16(CancelledPdf));
        return {};
    }
    // Questions cut at the right-hand edge are no sheet to hand out.
    if (paper == PdfPaper::TooWide) {
        dialogs.Tell(QString::fromUtf16(TooWideForPdf));
        return {};
    }
    QString strError;
    if (!ExportPdf(pages, job->Font(), strPath, &m_progress, strError)) {
        dialogs.Tell(strError);
        return {};
    }
    // Said beside the file's place: a message box at every export of a
    // common sheet would be in the way.
    QStringList notes;
    if (paper == PdfPaper::Turned) {
        notes.append(QString::fromUtf16(TurnedForPdf));
    }
    if (const std::u16string shrink = pages.ShrinkNote(); !shrink.empty()) {
        notes.append(QString::fromStdU16String(shrink));
    }
    if (const QString strNotKept = KeepPrinted(sheet, *job); !strNotKept.isEmpty()) {
        notes.append(strNotKept);
    }
    return {strPath, notes.join(u'\n')};
}

void CtrlsPaper::DoPageOptionsClicked(CUserDialogs& dialogs) {
    frmPageOptions dialog(m_options, &m_window);
    if (dialogs.RunPageOptions(dialog)) {
        Keep(dialog.Options(), dialogs);
    }
}

std::unique_ptr<CPrintJob> CtrlsPaper::MakePrintJob(const CPaperSheet& sheet,
                                                    PrintedPages printed) {
    // Every pupil of a 听算 hears the same questions: one answer sheet serves all.
    const int32_t copyCount = printed == PrintedPages::Sheet ? sheet.options.Copies() : 1;
    m_progress.ForgetCancel();
    std::vector<CSheet> copies = sheet.document.Copies(copyCount, &m_progress);
    if (copies.empty()) {
        return nullptr;
    }
    auto job =
        std::make_unique<CPrintJob>(std::move(copies), sheet.layout, m_output.font(), printed);
    // Each copy's code makes that copy again, alone.
    job->Print().SetQrText(
        [recipe = RecipeOf(sheet)](uint64_t seed, const CPageOptions& options) mutable {
            recipe.seed = seed;
            recipe.options = options;
            recipe.options.SetCopies(1);
            return SheetQrText(recipe).toStdString();
        });
    return job;
}

// The list of printed sheets is for making them again: a sheet without a
// code stays out of it.
QString CtrlsPaper::KeepPrinted(const CPaperSheet& sheet, const CPrintJob& job) {
    if (!sheet.document.Sheet().hasCode) {
        return {};
    }
    CPrintedSheet printed{QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm")),
                          SheetTitle(sheet),
                          {},
                          SheetQrText(RecipeOf(sheet))};
    for (const CSheet& copy : job.Copies()) {
        printed.codes.append(QString::fromStdU16String(SheetCode(copy.seed)));
    }
    const QString strMessage = m_store.KeepPrintedSheet(printed);
    return strMessage.isEmpty()
               ? QString()
               : QString::fromUtf16(u"这份试卷没有记入打印过的试卷列表：") + strMessage;
}

void CtrlsPaper::Keep(const CPageOptions& options, CUserDialogs& dialogs) {
    m_options = options;
    const QString strMessage = m_store.KeepPageOptions(options);
    if (!strMessage.isEmpty()) {
        dialogs.Tell(strMessage);
    }
}

} // namespace kelvo
