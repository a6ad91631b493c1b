#include "worksheet/SheetPages.h"

#include "foundation/RuntimeError.h"
#include "output/CLineCellMaker.h"
#include "output/CSlotLengths.h"

namespace kelvo {

namespace {

CPrintSection Section(std::u16string heading, const CQuestionSet& questionSet, int32_t count,
                      const COutputSettings& layout, const CTextMeasure& measure) {
    return {std::move(heading), count,
            CLineCellMaker::Factory(measure, CSlotLengths::Of(*questionSet.templates.front()),
                                    layout.IsFillQuestions())};
}

CPrintQuestions Questions(const CQuestionSet& questionSet) {
    return {&questionSet.questions, &questionSet.blanks};
}

} // namespace

CPageLayout LayOutPages(const std::vector<CQuestionSet>& copies, const COutputSettings& layout,
                        const CPageOptions& options, const CTextMeasure& measure,
                        double pointSize) {
    std::vector<CPrintSection> sections;
    std::vector<CPrintCopy> printCopies;
    if (!copies.empty() && copies.front().HasQuestions()) {
        sections.push_back(Section({}, copies.front(),
                                   CheckedMultiply(layout.RowCount(), layout.ColumnCount()), layout,
                                   measure));
        for (const CQuestionSet& copy : copies) {
            printCopies.push_back({Questions(copy)});
        }
    }
    return {layout, options, std::move(sections), std::move(printCopies), measure, pointSize};
}

CPageLayout LayOutPages(const std::vector<CPlanSheet>& copies, const COutputSettings& layout,
                        const CPageOptions& options, const CTextMeasure& measure,
                        double pointSize) {
    std::vector<CPrintSection> sections;
    std::vector<CPrintCopy> printCopies;
    if (!copies.empty() && copies.front().HasQuestions()) {
        for (const CSheetPart& part : copies.front().parts) {
            sections.push_back(Section(part.heading, part.questionSet,
                                       part.questionSet.questions.Count(), layout, measure));
        }
        for (const CPlanSheet& copy : copies) {
            CPrintCopy& printCopy = printCopies.emplace_back();
            for (const CSheetPart& part : copy.parts) {
                printCopy.push_back(Questions(part.questionSet));
            }
        }
    }
    return {layout, options, std::move(sections), std::move(printCopies), measure, pointSize};
}

} // namespace kelvo
