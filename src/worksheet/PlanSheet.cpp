#include "worksheet/PlanSheet.h"

#include "foundation/TextNumber.h"

#include <algorithm>

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

CSheetPart MixedPart(const std::vector<CSheetPart>& sections, CInfoReceiver* receiver) {
    CSheetPart mixed;
    mixed.questionSet.templates = {WidestTemplate(sections)};
    QuestionList& questions = mixed.questionSet.questions;
    for (const CSheetPart& section : sections) {
        for (int32_t i = 1; i <= section.questionSet.questions.Count(); ++i) {
            questions.Add(section.questionSet.questions.Item(i));
        }
    }
    ShuffleAndFill(questions, 1, questions.Count(), questions.Count(), receiver);
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

} // namespace

std::u16string SectionHeading(size_t index, const CSheetSection& section) {
    return ChineseNumeral(static_cast<int32_t>(index + 1)) + u"、" + section.kind->Title();
}

CPlanSheet MakePlanSheet(const CSheetPlan& plan, CInfoReceiver* receiver) {
    CPlanSheet sheet;
    std::vector<CSheetPart> sections;
    for (size_t k = 0; k < plan.Sections().size(); ++k) {
        const CSheetSection& section = plan.Sections()[k];
        CSheetPart part{SectionHeading(k, section),
                        MakeQuestions(*section.kind, section.count, receiver)};
        if (!part.questionSet.HasQuestions()) {
            sheet.errorText = part.heading + u"：" + part.questionSet.errorText;
            return sheet;
        }
        const std::u16string shortfall = StatusLine(part.questionSet);
        if (!shortfall.empty()) {
            sheet.statusLine +=
                (sheet.statusLine.empty() ? u"" : u"　") + part.heading + u"：" + shortfall;
        }
        const bool cancelled = part.questionSet.end == GenerationEnd::Cancelled;
        sections.push_back(std::move(part));
        if (cancelled) {
            break;
        }
    }
    sheet.isMixed = plan.IsMixed() && !sections.empty();
    if (sheet.isMixed) {
        sheet.parts.push_back(MixedPart(sections, receiver));
    } else {
        sheet.parts = std::move(sections);
    }
    return sheet;
}

std::u16string FormatPlanSheet(const CPlanSheet& sheet, const COutputSettings& layout,
                               CInfoReceiver* receiver) {
    if (!sheet.HasQuestions()) {
        return sheet.errorText;
    }
    if (sheet.isMixed) {
        const CSheetPart& mixed = sheet.parts.front();
        return FormatWorksheet(mixed.questionSet, PartLayout(layout, mixed, true), receiver);
    }
    std::u16string text;
    if (layout.RowCountPerTitle() != 0) {
        text += layout.Title();
        text += LineEnd;
    }
    for (const CSheetPart& part : sheet.parts) {
        if (!text.empty()) {
            text += LineEnd;
        }
        text += part.heading;
        text += LineEnd;
        text += FormatWorksheet(part.questionSet, PartLayout(layout, part, false), receiver);
    }
    return text;
}

std::u16string PlanRepetitionWarning(const CSheetPlan& plan,
                                     const std::vector<CAdmittedCount>& admitted) {
    std::u16string text;
    for (size_t k = 0; k < plan.Sections().size() && k < admitted.size(); ++k) {
        const CSheetSection& section = plan.Sections()[k];
        const std::u16string warning = RepetitionWarning(admitted[k], section.count);
        if (!warning.empty()) {
            text += (text.empty() ? u"" : u"　") + SectionHeading(k, section) + u"：" + warning;
        }
    }
    return text;
}

} // namespace kelvo
