#include "worksheet/Sheet.h"

#include "foundation/RandomSource.h"
#include "foundation/RuntimeError.h"
#include "foundation/TextNumber.h"
#include "generation/RepeatedRounds.h"

#include <algorithm>
#include <unordered_map>
#include <vector>

namespace kelvo {

namespace {

constexpr std::u16string_view LineEnd = u"\r\n";

// A template as wide as the widest of all: the largest upper limit at every
// operand position and of the result, so that blanks and hidden answers of
// every kind fit.
std::shared_ptr<CExpression> WidestTemplate(const std::vector<CSheetPart>& parts) {
    std::vector<int32_t> operandUppers;
    int32_t resultUpper = 0;
    for (const CSheetPart& part : parts) {
        for (const auto& expression : part.questionSet.templates) {
            const OperandList& operands = expression->Operands();
            operandUppers.resize(std::max(operandUppers.size(), operands.size()), 0);
            for (size_t k = 0; k < operands.size(); ++k) {
                operandUppers[k] = std::max(operandUppers[k], operands[k]->UpperLimit());
            }
            resultUpper = std::max(resultUpper, expression->ResultOperand()->UpperLimit());
        }
    }
    const auto operand = [](int32_t upper) {
        auto made = std::make_shared<COperand>();
        made->InitLimits(0, upper, 1);
        return made;
    };
    OperandList operands;
    for (const int32_t upper : operandUppers) {
        operands.push_back(operand(upper));
    }
    auto widest = std::make_shared<CExpression>();
    widest->Init(std::move(operands), operand(resultUpper));
    return widest;
}

// The questions of all sections shuffled into one grid of the columns, their
// repeats kept apart.
CSheetPart MixedPart(const std::vector<CSheetPart>& sections, int32_t columns,
                     CInfoReceiver* receiver) {
    CSheetPart mixed;
    // The widest template stands for the widths of the text; every kind's own
    // stay for the answer slots on paper.
    mixed.questionSet.templates = {WidestTemplate(sections)};
    for (const CSheetPart& section : sections) {
        const TemplateList& own = section.questionSet.templates;
        mixed.questionSet.templates.insert(mixed.questionSet.templates.end(), own.begin(),
                                           own.end());
    }
    QuestionList shuffled;
    for (const CSheetPart& section : sections) {
        for (int32_t i = 1; i <= section.questionSet.questions.Count(); ++i) {
            shuffled.Add(section.questionSet.questions.Item(i));
        }
    }
    ShuffleAndFill(shuffled, 1, shuffled.Count(), shuffled.Count(), receiver);
    // A section's repeats are the same question objects.
    std::unordered_map<const CExprValue*, int32_t> idOf;
    std::vector<int32_t> ids;
    for (int32_t i = 1; i <= shuffled.Count(); ++i) {
        ids.push_back(idOf.try_emplace(shuffled.Item(i).get(), static_cast<int32_t>(idOf.size()))
                          .first->second);
    }
    QuestionList& questions = mixed.questionSet.questions;
    questions.EnsureCapacity(shuffled.Count());
    for (const int32_t entry : TwinsApartOrder(ids, columns)) {
        questions.Add(shuffled.Item(entry + 1));
    }
    mixed.questionSet.blanks = DrawBlankPositions(questions);
    return mixed;
}

// As many rows as the part needs under the layout's columns.
COutputSettings PartLayout(const COutputSettings& layout, const CSheetPart& part,
                           bool printsTitles) {
    COutputSettings partLayout = layout;
    const int32_t columns = std::max(layout.ColumnCount(), 1);
    partLayout.SetColumnCount(columns);
    partLayout.SetRowCount((part.questionSet.questions.Count() + columns - 1) / columns);
    if (!printsTitles) {
        partLayout.SetRowCountPerTitle(0);
    }
    return partLayout;
}

// One line after another, apart by a wide space.
void AppendNote(std::u16string& notes, const std::u16string& note) {
    if (!note.empty()) {
        notes += (notes.empty() ? u"" : u"　") + note;
    }
}

// A plan's section names itself before what is said of it; one kind needs no name.
std::u16string Named(const CSheetPart& part, const std::u16string& text) {
    return part.heading.empty() || text.empty() ? text : part.heading + u"：" + text;
}

// The layout's title once, then each part under its heading.
std::u16string FormatInPlanOrder(const std::vector<CSheetPart>& parts,
                                 const COutputSettings& layout, CInfoReceiver* receiver) {
    std::u16string text;
    if (layout.RowCountPerTitle() != 0) {
        text += layout.Title();
        text += LineEnd;
    }
    for (const CSheetPart& part : parts) {
        if (!text.empty()) {
            text += LineEnd;
        }
        text += part.heading;
        text += LineEnd;
        text += FormatQuestions(part.questionSet, PartLayout(layout, part, false), receiver);
    }
    return text;
}

// Every section's templates, and what the counts say of them, before any
// question is drawn.
std::vector<CSheetPart> PrepareSections(const CSheetPlan& plan, CAdmittedCounts* counts,
                                        std::u16string& repetitionWarning) {
    const bool isOneKind = plan.Arrangement() == SheetArrangement::OneKind;
    std::vector<CSheetPart> parts;
    for (size_t k = 0; k < plan.Sections().size(); ++k) {
        const CSheetSection& section = plan.Sections()[k];
        CSheetPart& part = parts.emplace_back(CSheetPart{
            isOneKind ? u"" : SectionHeading(k, section), KindQuestionSet(*section.kind)});
        if (counts != nullptr) {
            const CAdmittedCount& admitted = counts->Of(section.kind, part.questionSet.templates);
            AppendNote(repetitionWarning, Named(part, RepetitionWarning(admitted, section.count)));
        }
    }
    return parts;
}

} // namespace

std::u16string SectionHeading(size_t index, const CSheetSection& section) {
    return ChineseNumeral(static_cast<int32_t>(index + 1)) + u"、" + section.kind->Title();
}

CSheet DrawSheet(const CSheetPlan& plan, int32_t columns, uint64_t seed, CAdmittedCounts* counts,
                 CInfoReceiver* receiver) {
    const CSeededRandom drawn(seed);
    CSheet sheet;
    sheet.arrangement = plan.Arrangement();
    sheet.seed = seed;
    std::vector<CSheetPart> sections = PrepareSections(plan, counts, sheet.repetitionWarning);
    for (size_t k = 0; k < sections.size(); ++k) {
        CSheetPart& part = sections[k];
        DrawQuestions(part.questionSet, plan.Sections()[k].count, columns, receiver);
        if (!part.questionSet.HasQuestions()) {
            sheet.errorText = Named(part, part.questionSet.errorText);
            return sheet;
        }
        AppendNote(sheet.statusLine, Named(part, StatusLine(part.questionSet)));
        if (part.questionSet.end == GenerationEnd::Cancelled) {
            sections.resize(k + 1);
            break;
        }
    }
    if (sheet.arrangement == SheetArrangement::Mixed && !sections.empty()) {
        sheet.parts.push_back(MixedPart(sections, columns, receiver));
    } else {
        sheet.parts = std::move(sections);
    }
    return sheet;
}

std::u16string FormatSheet(const CSheet& sheet, const COutputSettings& layout,
                           CInfoReceiver* receiver) {
    if (!sheet.HasQuestions()) {
        return sheet.errorText;
    }
    const CSheetPart& first = sheet.parts.front();
    switch (sheet.arrangement) {
    case SheetArrangement::OneKind:
        return FormatQuestions(first.questionSet, layout, receiver);
    case SheetArrangement::Mixed:
        return FormatQuestions(first.questionSet, PartLayout(layout, first, true), receiver);
    case SheetArrangement::InPlanOrder:
        return FormatInPlanOrder(sheet.parts, layout, receiver);
    }
    return {};
}

int32_t ShownQuestionCount(const CSheet& sheet, const CSheetPart& part,
                           const COutputSettings& layout) {
    const int32_t count = part.questionSet.questions.Count();
    if (sheet.arrangement != SheetArrangement::OneKind) {
        return count;
    }
    return std::min(count, CheckedMultiply(layout.RowCount(), layout.ColumnCount()));
}

} // namespace kelvo
