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
        m_pages.emplace(LayOutPages(m_copies, m_layout, options, m_measure, m_pointSize, receiver));
    } else {
        m_pages.emplace(
            LayOutAnswerSheet(m_copies, m_layout, options, m_measure, m_pointSize, receiver));
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

std::u16string CSheetPrint::Note(const CPageOptions& options) const {
    if (m_printed == PrintedPages::AnswerSheet) {
        return {};
    }
    return ColumnFormNote(m_copies, m_layout, options);
}

} // namespace kelvo
