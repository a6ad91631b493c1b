#include "worksheet/SheetPages.h"

#include "output/CAnswerCellMaker.h"
#include "output/CColumnCellMaker.h"
#include "output/CColumnExtent.h"
#include "output/CLineCellMaker.h"
#include "output/CSlotLengths.h"
#include "worksheet/SheetCode.h"

#include <algorithm>
#include <array>

namespace kelvo {

namespace {

// Why questions stay on one line under "竖式", in the order the note gives them.
constexpr std::array<std::u16string_view, 3> LineQuestionsNotes{
    u"三个数或四个数的算式不列竖式，仍写在一行上。",
    u"比大小、填运算符号和估算的题不列竖式，仍写在一行上。",
    u"小数除法不列竖式，仍写在一行上。",
};

// The note of a question that is no column question.
size_t LineQuestionNote(const CExprValue& question) {
    if (question.OperandValues().size() != 2) {
        return 0;
    }
    return question.Form() != QuestionForm::Calculate ? 1 : 2;
}

// What stands in a question's place: the question, or a box for its answer.
enum class SheetCells { Questions, AnswerBoxes };

// In column form (when the section has two-operand questions) its cells fit
// the largest question of every copy, and as many columns as the paper holds.
CPrintSection Section(std::u16string heading, const std::vector<const CQuestionSet*>& copies,
                      int32_t count, const COutputSettings& layout, const CPageOptions& options,
                      const CTextMeasure& measure, SheetCells cells) {
    const CSlotLengths lengths = CSlotLengths::Of(copies.front()->templates);
    const double leastBox = options.LeastBoxSide();
    if (cells == SheetCells::AnswerBoxes) {
        return {std::move(heading), count, CAnswerCellMaker::Factory(measure, lengths, leastBox)};
    }
    const bool isFill = layout.IsFillQuestions();
    CColumnExtent extent;
    if (options.IsColumnForm()) {
        for (const CQuestionSet* copy : copies) {
            extent.Include(copy->questions, count);
        }
    }
    if (!extent.HasColumns()) {
        return {std::move(heading), count,
                CLineCellMaker::Factory(measure, lengths, isFill, leastBox)};
    }
    return {std::move(heading), count,
            CColumnCellMaker::Factory(measure, extent, lengths, isFill, leastBox), true};
}

CPrintQuestions Questions(const CQuestionSet& questionSet) {
    return {&questionSet.questions, &questionSet.blanks};
}

std::vector<const CQuestionSet*> PartOfEveryCopy(const std::vector<CSheet>& copies, size_t index) {
    std::vector<const CQuestionSet*> sets;
    sets.reserve(copies.size());
    for (const CSheet& copy : copies) {
        sets.push_back(&copy.parts.at(index).questionSet);
    }
    return sets;
}

CPageLayout LayOut(const std::vector<CSheet>& copies, const COutputSettings& layout,
                   const CPageOptions& options, const CTextMeasure& measure, double pointSize,
                   SheetCells cells, const CInfoReceiver* receiver, const QrTextMaker& qrText) {
    std::vector<CPrintSection> sections;
    std::vector<CPrintCopy> printCopies;
    if (!copies.empty() && copies.front().HasQuestions()) {
        const CSheet& first = copies.front();
        for (size_t index = 0; index < first.parts.size(); ++index) {
            const CSheetPart& part = first.parts[index];
            sections.push_back(Section(part.heading, PartOfEveryCopy(copies, index),
                                       ShownQuestionCount(first, part, layout), layout, options,
                                       measure, cells));
        }
        for (const CSheet& copy : copies) {
            CPrintCopy& printCopy = printCopies.emplace_back();
            if (copy.hasCode) {
                printCopy.code = SheetCode(copy.seed);
            }
            if (copy.hasCode && qrText && options.IsQrCode()) {
                printCopy.qrText = qrText(copy.seed, options);
            }
            for (const CSheetPart& part : copy.parts) {
                printCopy.sections.push_back(Questions(part.questionSet));
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

CPageLayout LayOutPages(const std::vector<CSheet>& copies, const COutputSettings& layout,
                        const CPageOptions& options, const CTextMeasure& measure, double pointSize,
                        const CInfoReceiver* receiver, const QrTextMaker& qrText) {
    return LayOut(copies, layout, options, measure, pointSize, SheetCells::Questions, receiver,
                  qrText);
}

CPageLayout LayOutAnswerSheet(const std::vector<CSheet>& copies, const COutputSettings& layout,
                              const CPageOptions& options, const CTextMeasure& measure,
                              double pointSize, const CInfoReceiver* receiver,
                              const QrTextMaker& qrText) {
    return LayOut(copies, layout, AnswerSheetOptions(options), measure, pointSize,
                  SheetCells::AnswerBoxes, receiver, qrText);
}

std::u16string ColumnFormNote(const std::vector<CSheet>& copies, const COutputSettings& layout,
                              const CPageOptions& options) {
    if (!options.IsColumnForm()) {
        return {};
    }
    std::array<bool, LineQuestionsNotes.size()> noted{};
    for (const CSheet& copy : copies) {
        for (const CSheetPart& part : copy.parts) {
            const QuestionList& questions = part.questionSet.questions;
            const int32_t last =
                std::min(ShownQuestionCount(copy, part, layout), questions.Count());
            for (int32_t index = 1; index <= last; ++index) {
                const CExprValue& question = *questions.Item(index);
                if (!CColumnExtent::IsColumnQuestion(question)) {
                    noted[LineQuestionNote(question)] = true;
                }
            }
        }
    }
    std::u16string note;
    for (size_t k = 0; k < noted.size(); ++k) {
        if (noted[k]) {
            if (!note.empty()) {
                note += u'\n';
            }
            note += LineQuestionsNotes[k];
        }
    }
    return note;
}

} // namespace kelvo
