#include "question/KindDescription.h"

#include "foundation/TextNumber.h"
#include "number/OperatorCodes.h"
#include "question/QuestionTemplates.h"

#include <algorithm>

namespace kelvo {

namespace {

bool IsSameLimit(const std::shared_ptr<CValueLimit>& a, const std::shared_ptr<CValueLimit>& b) {
    if (!a || !b) {
        return a == b;
    }
    return a->LowerLimit() == b->LowerLimit() && a->UpperLimit() == b->UpperLimit() &&
           a->MultipleOf() == b->MultipleOf();
}

std::u16string PatternAt(const CQuestionData& kind, int32_t gap) {
    return gap <= kind.Operators().Count() ? kind.Operators().Item(gap) : std::u16string();
}

// As the kind uses it: a "从" above its "到" counts from the smaller one; a
// decimal range in its places.
std::u16string RangeText(const CValueLimit& limit, int32_t places) {
    const int32_t lower = std::min(limit.LowerLimit(), limit.UpperLimit());
    const int32_t upper = std::max(limit.LowerLimit(), limit.UpperLimit());
    std::u16string text;
    AppendScaledText(text, lower, places);
    text += u"～";
    AppendScaledText(text, upper, places);
    if (places > 0) {
        return text;
    }
    if (limit.MultipleOf() == 10) {
        text += u"整十数";
    } else if (limit.MultipleOf() == 100) {
        text += u"整百数";
    }
    return text;
}

// A fraction operand's range is its denominators'.
std::u16string OperandText(const CValueLimit& limit, FractionOperand shape, int32_t places) {
    switch (shape) {
    case FractionOperand::Proper:
        return u"真分数（分母" + RangeText(limit, 0) + u"）";
    case FractionOperand::Improper:
        return u"假分数（分母" + RangeText(limit, 0) + u"）";
    case FractionOperand::Whole:
        break;
    }
    return RangeText(limit, places);
}

std::u16string FractionResultText(FractionResult shape) {
    switch (shape) {
    case FractionResult::Fraction:
        return u"（最简分数）";
    case FractionResult::Mixed:
        return u"（带分数）";
    case FractionResult::Whole:
        break;
    }
    return u"（整数）";
}

std::u16string GapText(const std::u16string& pattern) {
    std::u16string text;
    for (const char16_t symbol : AllowedOperators(pattern)) {
        if (!text.empty()) {
            text += u'/';
        }
        text += symbol;
    }
    return text;
}

std::u16string CbrText(int32_t code) {
    switch (code) {
    case Cbr::Carry:
        return u"，有进位";
    case Cbr::NoCarry:
        return u"，无进位";
    case Cbr::Borrow:
        return u"，有借位";
    case Cbr::NoBorrow:
        return u"，无借位";
    case Cbr::Remainder:
        return u"，有余数";
    case Cbr::NoRemainder:
        return u"，无余数";
    default:
        return {};
    }
}

std::u16string ParenthesesClause(const CQuestionData& kind) {
    const std::u16string caption =
        ParenthesesCaption(kind.Limits().Count(), kind.ParenthesesChoice());
    return caption.empty() ? caption : u"，括号" + caption;
}

std::u16string_view FormClause(QuestionForm form) {
    switch (form) {
    case QuestionForm::Compare:
        return u"，比大小";
    case QuestionForm::CompareQuestions:
        return u"，比大小（两边算式）";
    case QuestionForm::FillOperator:
        return u"，填运算符号";
    case QuestionForm::EstimateTens:
        return u"，估成整十数";
    case QuestionForm::EstimateHundreds:
        return u"，估成整百数";
    default:
        return {};
    }
}

std::u16string RulesClause(const CQuestionRules& rules) {
    std::u16string text;
    for (const CRuleCaption& rule : RuleCaptions) {
        if (rules.*rule.rule) {
            text += u"，";
            text += rule.caption;
        }
    }
    return text;
}

} // namespace

std::u16string ParenthesesCaption(int32_t operandCount, int32_t choice) {
    if (choice == CQuestionData::RandomParentheses && !ParenthesesPositions(operandCount).empty()) {
        return u"随机";
    }
    const std::vector<Parentheses> positions = ParenthesesPositions(operandCount);
    if (choice < 1 || choice > static_cast<int32_t>(positions.size())) {
        return {};
    }
    const Parentheses position = positions[static_cast<size_t>(choice - 1)];
    std::u16string caption;
    for (int32_t k = 0; k < operandCount; ++k) {
        if (position.Opens(static_cast<size_t>(k))) {
            caption += ParenthesisText(Op::LeftParenthesis);
        }
        caption += u'□';
        if (position.Closes(static_cast<size_t>(k))) {
            caption += ParenthesisText(Op::RightParenthesis);
        }
    }
    return caption;
}

bool IsSameKind(const CQuestionData& a, const CQuestionData& b) {
    const int32_t count = a.Limits().Count();
    if (count != b.Limits().Count() || a.Cbr() != b.Cbr() ||
        a.ParenthesesChoice() != b.ParenthesesChoice() || a.Rules() != b.Rules() ||
        a.Form() != b.Form() || a.DecimalPlaces() != b.DecimalPlaces() ||
        a.Fractions() != b.Fractions() || !IsSameLimit(a.ResultLimit(), b.ResultLimit())) {
        return false;
    }
    for (int32_t k = 1; k <= count; ++k) {
        if (!IsSameLimit(a.Limits().Item(k), b.Limits().Item(k))) {
            return false;
        }
        if (k < count && AllowedOperators(PatternAt(a, k)) != AllowedOperators(PatternAt(b, k))) {
            return false;
        }
    }
    return true;
}

std::u16string KindDescription(const CQuestionData& kind) {
    std::u16string text;
    // 比大小 of fractions sets the two numbers against each other: no
    // operator and no result.
    const bool comparesNumbers = kind.IsFraction() && kind.Form() == QuestionForm::Compare;
    const int32_t count = kind.Limits().Count();
    for (int32_t k = 1; k <= count; ++k) {
        if (k > 1) {
            text += comparesNumbers ? u"和" : GapText(PatternAt(kind, k - 1));
        }
        if (const auto& limit = kind.Limits().Item(k)) {
            const auto index = static_cast<size_t>(k - 1);
            const FractionOperand shape = index < kind.Fractions().operands.size()
                                              ? kind.Fractions().operands.at(index)
                                              : FractionOperand::Whole;
            text += OperandText(*limit, shape, kind.DecimalPlaces().operands.at(index));
        }
    }
    if (kind.ResultLimit() && !comparesNumbers) {
        text += u"，得数" + RangeText(*kind.ResultLimit(), kind.DecimalPlaces().result);
        if (kind.IsFraction()) {
            text += FractionResultText(kind.Fractions().result);
        }
    }
    return text + CbrText(kind.Cbr()) + ParenthesesClause(kind) + RulesClause(kind.Rules()) +
           std::u16string(FormClause(kind.Form()));
}

std::u16string KindTitle(const CQuestionData& panelKind, const CQuestionData* pickedEntry) {
    if (pickedEntry != nullptr && IsSameKind(panelKind, *pickedEntry)) {
        return pickedEntry->Title();
    }
    return KindDescription(panelKind);
}

} // namespace kelvo
