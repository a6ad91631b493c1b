#include "worksheet/CSheetPrint.h"

#include "worksheet/SheetPages.h"

namespace kelvo {

CSheetPrint::CSheetPrint(std::vector<CSheet> copies, const COutputSettings& layout,
                         PrintedPages printed, const CTextMeasure& measure, double pointSize)
    : m_copies(std::move(copies)), m_layout(layout), m_printed(printed), m_measure(measure),
      m_pointSize(pointSize) {}

const CPageLayout& CSheetPrint::LayOut(const CPageOptions& options, const CInfoReceiver* receiver) {
    m_pages.reset();
    if (m_printed == PrintedPages::Sheet) {
        m_pages.emplace(
            LayOutPages(m_copies, m_layout, options, m_measure, m_pointSize, receiver, m_qrText));
    } else {
        m_pages.emplace(LayOutAnswerSheet(m_copies, m_layout, options, m_measure, m_pointSize,
                                          receiver, m_qrText));
    }
    return *m_pages;
}

const CPageLayout& CSheetPrint::LayOutPdf(const CPageOptions& options,
                                          const CInfoReceiver* receiver, PdfPaper& paper) {
    paper = PdfPaper::AsChosen;
    const CPageLayout* pages = &LayOut(options, receiver);
    if (!pages->IsCancelled() && !pages->Fits() &&
        options.Paper().Orientation() == PageOrientation::Portrait) {
        CPageOptions turned = options;
        turned.Paper().SetOrientation(PageOrientation::Landscape);
        pages = &LayOut(turned, receiver);
        paper = PdfPaper::Turned;
    }
    if (!pages->IsCancelled() && !pages->Fits()) {
        paper = PdfPaper::TooWide;
    }
    return *pages;
}

std::u16string CSheetPrint::Note() const {
    if (!m_pages) {
        return {};
    }
    std::u16string note;
    if (m_printed == PrintedPages::Sheet) {
        note = ColumnFormNote(m_copies, m_layout, m_pages->Options());
    }
    const std::u16string shrink = m_pages->ShrinkNote();
    if (!note.empty() && !shrink.empty()) {
        note += u'\n';
    }
    return note + shrink;
}

} // namespace kelvo
