#include "ui/CtrlsSheetCodes.h"

#include "store/CStore.h"
#include "ui/CProgressFrame.h"
#include "ui/CUserDialogs.h"
#include "ui/frmSheetCodes.h"
#include "worksheet/SheetCode.h"

namespace kelvo {

namespace {

const char16_t* const NotACodeText = u"“%1”不是试卷的编号，也不是二维码里的文字。"
                                     u"编号印在试卷每一页的页脚，形如 7K3F-9Q2A。";
const char16_t* const UnknownCodeText =
    u"编号 %1 不在这台电脑打印过的试卷里。别处打印的试卷，请粘贴它的二维码里的文字。";

} // namespace

CtrlsSheetCodes::CtrlsSheetCodes(QWidget& window, CtrlsPaper& paper, CStore& store,
                                 CProgressFrame& progress)
    : m_window(window), m_paper(paper), m_store(store), m_progress(progress) {}

CExportedPdf CtrlsSheetCodes::DoRemakeClicked(CUserDialogs& dialogs) {
    auto [kept, strNote] = m_store.PrintedSheets();
    if (!strNote.isEmpty()) {
        dialogs.Tell(strNote);
    }
    const std::vector<CPrintedSheet> printed = kept.value_or(std::vector<CPrintedSheet>{});
    frmSheetCodes dialog(printed, &m_window);
    if (!dialogs.RunSheetCodes(dialog) || dialog.Chosen() == frmSheetCodes::Action::None) {
        return {};
    }
    QString strMessage;
    const auto recipe = RecipeOf(dialog.Text(), printed, strMessage);
    if (!recipe) {
        dialogs.Tell(strMessage);
        return {};
    }
    m_progress.ForgetCancel();
    const CShownSheet shown = m_document.Remake(recipe->plan, recipe->drawnColumns, recipe->seed,
                                                recipe->layout, m_counts, &m_progress);
    if (!shown.hasQuestions) {
        dialogs.Tell(QString::fromStdU16String(shown.text));
        return {};
    }
    const CPaperSheet sheet{m_document, recipe->layout, recipe->options};
    if (dialog.Chosen() == frmSheetCodes::Action::ExportPdf) {
        return m_paper.ExportSheetPdf(sheet, PrintedPages::Sheet, dialogs);
    }
    m_paper.PreviewSheet(sheet, PrintedPages::Sheet, dialogs);
    return {};
}

// A copy after the first is made again alone, as its own QR code makes it.
std::optional<CSheetRecipe> CtrlsSheetCodes::RecipeOf(const QString& strText,
                                                      const std::vector<CPrintedSheet>& printed,
                                                      QString& strMessage) {
    if (LooksLikeSheetQrText(strText)) {
        return ReadSheetQrText(strText, strMessage);
    }
    // The code as copied from the footer, "编号" and all.
    const auto seed =
        SeedOfCode(QString(strText).remove(QString::fromUtf16(u"编号")).toStdU16String());
    if (!seed) {
        strMessage = QString::fromUtf16(NotACodeText).arg(strText);
        return std::nullopt;
    }
    const QString strCode = QString::fromStdU16String(SheetCode(*seed));
    for (const CPrintedSheet& sheet : printed) {
        const qsizetype copy = sheet.codes.indexOf(strCode);
        if (copy < 0) {
            continue;
        }
        auto recipe = ReadSheetQrText(sheet.strQrText, strMessage);
        if (recipe && copy > 0) {
            recipe->seed = *seed;
            recipe->options.SetCopies(1);
        }
        return recipe;
    }
    strMessage = QString::fromUtf16(UnknownCodeText).arg(strCode);
    return std::nullopt;
}

} // namespace kelvo
