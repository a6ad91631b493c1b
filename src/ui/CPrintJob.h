#pragma once

#include "output/CPageLayout.h"
#include "printing/CFontMeasure.h"
#include "worksheet/PlanSheet.h"
#include "worksheet/Worksheet.h"

#include <QFont>

#include <optional>
#include <vector>

namespace kelvo {

// What goes on paper: the questions, or the 听算 answer sheet of them.
enum class PrintedPages { Sheet, AnswerSheet };

// The copies of a sheet on their way to paper, in the output font: a sheet
// of one kind or of a plan, each copy with questions of its own. The pages
// are laid out again for other page options.
class CPrintJob {
public:
    CPrintJob(std::vector<CQuestionSet> copies, const COutputSettings& layout, const QFont& font,
              PrintedPages printed);
    CPrintJob(std::vector<CPlanSheet> copies, const COutputSettings& layout, const QFont& font,
              PrintedPages printed);

    // Valid until the next call; the receiver (may be nullptr) can cancel it.
    const CPageLayout& LayOut(const CPageOptions& options, const CInfoReceiver* receiver = nullptr);
    const QFont& Font() const { return m_font; }
    // What the preview says of the form of the questions; empty for nothing.
    QString Note(const CPageOptions& options) const;

private:
    std::vector<CQuestionSet> m_questionSets;
    std::vector<CPlanSheet> m_planSheets;
    COutputSettings m_layout;
    QFont m_font;
    PrintedPages m_printed;
    CFontMeasure m_measure;
    std::optional<CPageLayout> m_pages;
};

} // namespace kelvo
