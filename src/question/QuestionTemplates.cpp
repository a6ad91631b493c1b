#include "question/QuestionTemplates.h"

#include "foundation/TextNumber.h"
#include "generation/DecimalTemplate.h"
#include "generation/TemplateExpansion.h"
#include "number/OperatorCodes.h"

#include <algorithm>
#include <array>
#include <utility>

namespace kelvo {

namespace {

constexpr std::array<int32_t, 4> PatternOperators = {Op::Plus, Op::Minus, Op::Times, Op::Divide};

// A range of a decimal operand counts in its places, up to the ceiling in
// that unit; CountInDecimalUnits brings it within the ceiling itself.
std::shared_ptr<COperand> MakeOperand(const CValueLimit& limit, int32_t places = 0) {
    int32_t lower = limit.LowerLimit();
    int32_t upper = limit.UpperLimit();
    if (upper < lower) {
        std::swap(lower, upper);
    }
    auto operand = std::make_shared<COperand>();
    operand->InitLimits(lower, upper, limit.MultipleOf());
    operand->SetUpperLimit(std::min(upper, RangeCeiling(places)));
    return operand;
}

// The panel offers the carry pair for a lone "＋", the borrow pair for a lone
// "－" and the remainder pair for a lone "÷"; a code of another pair (a file
// written by hand) does not apply.
int32_t FittingCbrCode(const std::u16string& allowedInGap1, int32_t code) {
    const auto fits = [&](int32_t op, int32_t yes, int32_t no) {
        return allowedInGap1 == OperatorText(op) && (code == yes || code == no);
    };
    if (fits(Op::Plus, Cbr::Carry, Cbr::NoCarry) || fits(Op::Minus, Cbr::Borrow, Cbr::NoBorrow) ||
        fits(Op::Divide, Cbr::Remainder, Cbr::NoRemainder)) {
        return code;
    }
    return Cbr::None;
}

// A quotient with a remainder is not one number: it has no size to compare
// and no operator gives it.
bool ComparesOrFillsOperator(const CQuestionData& question) {
    return IsComparison(question.Form()) || question.Form() == QuestionForm::FillOperator;
}

// The chosen positions: all of them for random; none without parentheses or
// for a choice the operand count does not have (a file written by hand).
std::vector<Parentheses> ChosenPositions(int32_t operandCount, int32_t choice) {
    std::vector<Parentheses> positions = ParenthesesPositions(operandCount);
    if (choice == CQuestionData::RandomParentheses) {
        return positions;
    }
    if (choice < 1 || choice > static_cast<int32_t>(positions.size())) {
        return {};
    }
    return {positions[static_cast<size_t>(choice - 1)]};
}

// The operand lists to expand: the kind's own, or with the rule of powers of
// ten one per power the second operand's range reaches, that operand fixed.
std::vector<OperandList> OperandChoices(const CQuestionData& question, OperandList operands) {
    if (!question.Rules().isPowerOfTenSecond || operands.size() != 2) {
        return {std::move(operands)};
    }
    std::vector<OperandList> choices;
    for (const int32_t power : {10, 100, 1000}) {
        if (operands[1]->Include(power)) {
            OperandList fixed = operands;
            fixed[1] = operands[1]->Clone();
            // Its step is the power itself, so that decimals count it in
            // tens, hundreds or thousands and keep their own digits.
            fixed[1]->InitLimits(power, power, power);
            choices.push_back(std::move(fixed));
        }
    }
    return choices;
}

std::vector<int32_t> OperatorCodes(const OperandList& operands) {
    std::vector<int32_t> codes;
    for (const auto& operand : operands) {
        codes.push_back(operand->LeftOperator());
    }
    return codes;
}

// The units a fraction template's text is measured in: a fraction operand's
// over its largest denominator, the result over the largest denominator two
// such operands give.
CDecimalUnits FractionTemplateUnits(const CQuestionData& question) {
    const CFractionShape& shape = question.Fractions();
    CDecimalUnits units;
    int32_t resultDenominator = 1;
    for (size_t k = 0; k < shape.operands.size(); ++k) {
        if (shape.operands[k] != FractionOperand::Whole) {
            const int32_t denominator =
                std::clamp(question.Limits().Item(static_cast<int32_t>(k) + 1)->UpperLimit(), 2,
                           LargestOperandDenominator);
            units.operands[k] = static_cast<int16_t>(FractionUnit(denominator));
            resultDenominator *= denominator;
        }
    }
    if (resultDenominator == 1) {
        resultDenominator = LargestWholeFractionOperand;
    }
    units.result = static_cast<int16_t>(shape.result == FractionResult::Mixed
                                            ? MixedFractionUnit(resultDenominator)
                                            : FractionUnit(resultDenominator));
    return units;
}

// Why a fraction kind gives no templates; empty when it gives them.
std::u16string FractionKindError(const CQuestionData& question) {
    if (question.Limits().Count() != 2 || question.IsDecimal()) {
        return FractionOperandsErrorText;
    }
    if (question.Form() != QuestionForm::Calculate && question.Form() != QuestionForm::Compare) {
        return FractionFormErrorText;
    }
    return {};
}

} // namespace

std::vector<Parentheses> ParenthesesPositions(int32_t operandCount) {
    switch (operandCount) {
    case 3:
        return {{0, 1}, {1, 2}};
    case 4:
        return {{0, 1}, {1, 2}, {2, 3}, {0, 2}, {1, 3}};
    default:
        return {};
    }
}

std::u16string AllowedOperators(std::u16string_view pattern) {
    std::u16string allowed;
    for (size_t position = 0; position < PatternOperators.size() && position < pattern.size();
         ++position) {
        const std::u16string_view text = OperatorText(PatternOperators[position]);
        if (pattern.substr(position, 1) == text) {
            allowed += text;
        }
    }
    return allowed;
}

TemplateList QuestionTemplates(const CQuestionData& question, std::u16string& strErrorInfo) {
    const bool fraction = question.IsFraction();
    if (fraction) {
        strErrorInfo = FractionKindError(question);
        if (!strErrorInfo.empty()) {
            return {};
        }
    }
    const bool decimal = question.IsDecimal();
    if (decimal && question.Form() != QuestionForm::Calculate &&
        question.Form() != QuestionForm::Compare) {
        strErrorInfo = DecimalFormErrorText;
        return {};
    }
    const int32_t count = question.Limits().Count();
    OperandList operands;
    std::vector<std::u16string> operatorSets;
    for (int32_t k = 1; k <= count; ++k) {
        operands.push_back(
            MakeOperand(*question.Limits().Item(k),
                        question.DecimalPlaces().Operand(static_cast<size_t>(k - 1))));
        if (k < count) {
            operatorSets.push_back(AllowedOperators(question.Operators().Item(k)));
        }
    }
    if (count == 2 && !fraction) {
        operands[1]->SetCbrSetting(FittingCbrCode(operatorSets.front(), question.Cbr()));
        if (operands[1]->CbrSetting() == Cbr::Remainder && ComparesOrFillsOperator(question)) {
            strErrorInfo = RemainderFormErrorText;
            return {};
        }
    }
    std::vector<Parentheses> positions = ChosenPositions(count, question.ParenthesesChoice());
    const bool grouped = !positions.empty();
    if (!grouped) {
        positions.emplace_back();
    }
    TemplateList templates;
    const std::vector<OperandList> choices = OperandChoices(question, std::move(operands));
    if (choices.empty()) {
        strErrorInfo = NoPowerOfTenErrorText;
        return {};
    }
    std::vector<OperandList> lists;
    for (const OperandList& choice : choices) {
        for (OperandList& list : ExpandTemplates(choice, operatorSets, strErrorInfo)) {
            lists.push_back(std::move(list));
        }
    }
    for (const OperandList& list : lists) {
        for (const Parentheses& position : positions) {
            if (grouped && !ParenthesesChangeOrder(OperatorCodes(list), position)) {
                continue;
            }
            auto expression = std::make_shared<CExpression>();
            expression->Init(list,
                             MakeOperand(*question.ResultLimit(), question.DecimalPlaces().result));
            expression->SetGrouping(position);
            expression->SetRules(question.Rules());
            expression->SetForm(question.Form());
            if (fraction) {
                expression->SetFractions(question.Fractions());
                expression->SetUnits(FractionTemplateUnits(question), {});
                if (question.Form() == QuestionForm::Compare) {
                    // 比大小 of fractions sets the two numbers against each
                    // other; the operator plays no part, so one template.
                    expression->SetForm(QuestionForm::CompareNumbers);
                    return {std::move(expression)};
                }
            }
            if (decimal && !CountInDecimalUnits(*expression, question.DecimalPlaces())) {
                strErrorInfo = DecimalOperatorsErrorText;
                return {};
            }
            templates.push_back(std::move(expression));
        }
    }
    if (grouped && templates.empty() && !lists.empty()) {
        strErrorInfo = NeedlessParenthesesErrorText;
    }
    return templates;
}

} // namespace kelvo
