#pragma once

#include "output/CPageLayout.h"
#include "worksheet/Sheet.h"
#include "worksheet/SheetPages.h"

#include <optional>
#include <string>
#include <vector>

namespace kelvo {

class CInfoReceiver;
class CTextMeasure;

// What goes on paper: the questions, or the 听算 answer sheet of them.
enum class PrintedPages { Sheet, AnswerSheet };

// How the pages of a PDF met the paper.
enum class PdfPaper {
    // As the page options say.
    AsChosen,
    // Upright paper was too narrow for a row even at the smallest font: on its side.
    Turned,
    // Too wide even on its side: the right-hand questions are cut.
    TooWide,
};

// The copies of a sheet on their way to paper, each with questions of its
// own, measured in the output font. The pages are laid out again for other
// page options. The measure must outlive the print.
class CSheetPrint {
public:
    CSheetPrint(std::vector<CSheet> copies, const COutputSettings& layout, PrintedPages printed,
                const CTextMeasure& measure, double pointSize);

    const std::vector<CSheet>& Copies() const { return m_copies; }
    // The pages laid out from now on carry the QR codes of the maker.
    void SetQrText(QrTextMaker maker) { m_qrText = std::move(maker); }

    // Valid until the next call; the receiver (may be nullptr) can cancel it.
    const CPageLayout& LayOut(const CPageOptions& options, const CInfoReceiver* receiver = nullptr);
    // The pages of a PDF: a sheet too wide for upright paper goes on its side
    // rather than be cut; valid until the next call.
    const CPageLayout& LayOutPdf(const CPageOptions& options, const CInfoReceiver* receiver,
                                 PdfPaper& paper);
    // What the pages of the last layout say of the form of the questions and
    // of the size they are set in, a line each; empty for nothing.
    std::u16string Note() const;

private:
    std::vector<CSheet> m_copies;
    COutputSettings m_layout;
    PrintedPages m_printed;
    const CTextMeasure& m_measure;
    double m_pointSize;
    QrTextMaker m_qrText;
    std::optional<CPageLayout> m_pages;
};

} // namespace kelvo
