#include "worksheet/SheetPages.h"

#include "foundation/RuntimeError.h"
#include "output/CAnswerCellMaker.h"
#include "output/CColumnCellMaker.h"
#include "output/CColumnExtent.h"
#include "output/CLineCellMaker.h"
#include "output/CSlotLengths.h"

#include <algorithm>

namespace kelvo {

namespace {

constexpr std::u16string_view LineQuestionsNote = u"三个数或四个数的算式不列竖式，仍写在一行上。";

// What stands in a question's place: the question, or a box for its answer.
enum class SheetCells { Questions, AnswerBoxes };

// In column form (when the section has two-operand questions) its cells fit
// the largest question of every copy, and as many columns as the paper holds.
CPrintSection Section(std::u16string heading, const std::vector<const CQuestionSet*>& copies,
                      int32_t count, const COutputSettings& layout, const CPageOptions& options,
                      const CTextMeasure& measure, SheetCells cells) {
    const CSlotLengths lengths = CSlotLengths::Of(*copies.front()->templates.front());
    if (cells == SheetCells::AnswerBoxes) {
        return {std::move(heading), count, CAnswerCellMaker::Factory(measure, lengths)};
    }
    const bool isFill = layout.IsFillQuestions();
    CColumnExtent extent;
    if (options.IsColumnForm()) {
        for (const CQuestionSet* copy : copies) {
            extent.Include(copy->questions, count);
        }
    }
    if (!extent.HasColumns()) {
        return {std::move(heading), count, CLineCellMaker::Factory(measure, lengths, isFill)};
    }
    return {std::move(heading), count, CColumnCellMaker::Factory(measure, extent, lengths, isFill),
            true};
}

CPrintQuestions Questions(const CQuestionSet& questionSet) {
    return {&questionSet.questions, &questionSet.blanks};
}

int32_t QuestionCount(const COutputSettings& layout) {
    return CheckedMultiply(layout.RowCount(), layout.ColumnCount());
}

std::vector<const CQuestionSet*> PartOfEveryCopy(const std::vector<CPlanSheet>& copies,
                                                 size_t index) {
    std::vector<const CQuestionSet*> sets;
    sets.reserve(copies.size());
    for (const CPlanSheet& copy : copies) {
        sets.push_back(&copy.parts.at(index).questionSet);
    }
    return sets;
}

bool HasLineQuestions(const CQuestionSet& questionSet, int32_t count) {
    const int32_t last = std::min(count, questionSet.questions.Count());
    for (int32_t index = 1; index <= last; ++index) {
        if (!CColumnExtent::IsColumnQuestion(*questionSet.questions.Item(index))) {
            return true;
        }
    }
    return false;
}

CPageLayout LayOut(const std::vector<CQuestionSet>& copies, const COutputSettings& layout,
                   const CPageOptions& options, const CTextMeasure& measure, double pointSize,
                   SheetCells cells, const CInfoReceiver* receiver) {
    std::vector<CPrintSection> sections;
    std::vector<CPrintCopy> printCopies;
    if (!copies.empty() && copies.front().HasQuestions()) {
        std::vector<const CQuestionSet*> sets;
        sets.reserve(copies.size());
        for (const CQuestionSet& copy : copies) {
            sets.push_back(&copy);
            printCopies.push_back({Questions(copy)});
        }
        sections.push_back(
            Section({}, sets, QuestionCount(layout), layout, options, measure, cells));
    }
    return CPageLayout(layout, options, std::move(sections), std::move(printCopies), measure,
                       pointSize, receiver);
}

CPageLayout LayOut(const std::vector<CPlanSheet>& copies, const COutputSettings& layout,
                   const CPageOptions& options, const CTextMeasure& measure, double pointSize,
                   SheetCells cells, const CInfoReceiver* receiver) {
    std::vector<CPrintSection> sections;
    std::vector<CPrintCopy> printCopies;
    if (!copies.empty() && copies.front().HasQuestions()) {
        for (size_t index = 0; index < copies.front().parts.size(); ++index) {
            const CSheetPart& part = copies.front().parts[index];
            sections.push_back(Section(part.heading, PartOfEveryCopy(copies, index),
                                       part.questionSet.questions.Count(), layout, options, measure,
                                       cells));
        }
        for (const CPlanSheet& copy : copies) {
            CPrintCopy& printCopy = printCopies.emplace_back();
            for (const CSheetPart& part : copy.parts) {
                printCopy.push_back(Questions(part.questionSet));
            }
        }
    }
    return CPageLayout(layout, options, std::move(sections), std::move(printCopies), measure,
                       pointSize, receiver);
}

// Boxes are numbered, so the pupil writes each answer under the number heard.
CPageOptions AnswerSheetOptions(CPageOptions options) {
    options.SetIsNumbered(true);
    options.SetIsColumnForm(false);
    return options;
}

} // namespace

CPageLayout LayOutPages(const std::vector<CQuestionSet>& copies, const COutputSettings& layout,
                        const CPageOptions& options, const CTextMeasure& measure, double pointSize,
                        const CInfoReceiver* receiver) {
    return LayOut(copies, layout, options, measure, pointSize, SheetCells::Questions, receiver);
}

CPageLayout LayOutPages(const std::vector<CPlanSheet>& copies, const COutputSettings& layout,
                        const CPageOptions& options, const CTextMeasure& measure, double pointSize,
                        const CInfoReceiver* receiver) {
    return LayOut(copies, layout, options, measure, pointSize, SheetCells::Questions, receiver);
}

CPageLayout LayOutAnswerSheet(const std::vector<CQuestionSet>& copies,
                              const COutputSettings& layout, const CPageOptions& options,
                              const CTextMeasure& measure, double pointSize,
                              const CInfoReceiver* receiver) {
    return LayOut(copies, layout, AnswerSheetOptions(options), measure, pointSize,
                  SheetCells::AnswerBoxes, receiver);
}

CPageLayout LayOutAnswerSheet(const std::vector<CPlanSheet>& copies, const COutputSettings& layout,
                              const CPageOptions& options, const CTextMeasure& measure,
                              double pointSize, const CInfoReceiver* receiver) {
    return LayOut(copies, layout, AnswerSheetOptions(options), measure, pointSize,
                  SheetCells::AnswerBoxes, receiver);
}

std::u16string ColumnFormNote(const std::vector<CQuestionSet>& copies,
                              const COutputSettings& layout, const CPageOptions& options) {
    const bool hasLine = std::any_of(copies.begin(), copies.end(), [&](const CQuestionSet& copy) {
        return HasLineQuestions(copy, QuestionCount(layout));
    });
    return options.IsColumnForm() && hasLine ? std::u16string(LineQuestionsNote) : u"";
}

std::u16string ColumnFormNote(const std::vector<CPlanSheet>& copies, const CPageOptions& options) {
    for (const CPlanSheet& copy : copies) {
        for (const CSheetPart& part : copy.parts) {
            if (options.IsColumnForm() &&
                HasLineQuestions(part.questionSet, part.questionSet.questions.Count())) {
                return std::u16string(LineQuestionsNote);
            }
        }
    }
    return {};
}

} // namespace kelvo
