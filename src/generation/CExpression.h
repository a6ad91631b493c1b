#pragma once

#include "foundation/CTypedArray.h"
#include "generation/CExprValue.h"
#include "generation/CQuestionRules.h"
#include "generation/DecimalUnits.h"
#include "generation/FractionShape.h"
#include "generation/QuestionForm.h"
#include "number/COperand.h"
#include "number/OperatorCodes.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace kelvo {

class CInfoReceiver;

// The operands of a template in reading order.
using OperandList = std::vector<std::shared_ptr<COperand>>;
// The generated questions; entries may share one question object.
using QuestionList = CObjectArray<CExprValue>;

// A question template: operands whose LeftOperator joins them to what stands
// before, and a result operand. Filling it chooses every operand's ResultValue;
// GetExprValue snapshots the fill. One pair of parentheses may group
// operands. The operands are shared, not copied.
class CExpression {
public:
    // Up to this many operand combinations a template is enumerated; above it
    // questions are built at random.
    static constexpr uint64_t EnumerationLimit = 10000;

    const OperandList& Operands() const { return m_operands; }
    void SetOperands(OperandList colOps) { m_operands = std::move(colOps); }
    const std::shared_ptr<COperand>& ResultOperand() const { return m_resultOperand; }
    void SetResultOperand(std::shared_ptr<COperand> result) { m_resultOperand = std::move(result); }
    // Evaluated first and written around its operands; none by default.
    Parentheses Grouping() const { return m_parentheses; }
    void SetGrouping(Parentheses group) { m_parentheses = group; }
    // The kind's rules, which every question of the template obeys.
    const CQuestionRules& Rules() const { return m_rules; }
    void SetRules(const CQuestionRules& rules) { m_rules = rules; }
    // The form the template's questions are asked in; they admit it too.
    QuestionForm Form() const { return m_form; }
    void SetForm(QuestionForm form) { m_form = form; }
    // The units the template's values count in: whole numbers unless its kind
    // is decimal.
    const CDecimalUnits& Units() const { return m_units; }
    // lastPlaceSteps as CRuleFilter::RequireLastPlaces takes them.
    void SetUnits(const CDecimalUnits& units, const std::array<int32_t, 4>& lastPlaceSteps) {
        m_units = units;
        m_filledUnits = units;
        m_lastPlaceSteps = lastPlaceSteps;
    }
    // The units of the current fill: the template's own, or for a fraction
    // question the units of its denominators.
    const CDecimalUnits& FilledUnits() const { return m_filledUnits; }
    void SetFilledUnits(const CDecimalUnits& units) { m_filledUnits = units; }
    // What a fraction template's operands are and how its results are
    // written; whole unless its kind has fractions.
    const CFractionShape& Fractions() const { return m_fractions; }
    void SetFractions(const CFractionShape& shape) { m_fractions = shape; }
    // The rules as the template's questions are judged by them.
    CRuleFilter RuleFilter() const;
    void AddOperand(std::shared_ptr<COperand> operand) { m_operands.push_back(std::move(operand)); }
    void Init(OperandList colOps, std::shared_ptr<COperand> result);

    // Appends up to iCount questions of this template to questions, as a
    // generation job of this template alone. The result is true on the builder
    // path and false on the enumeration path.
    bool CreateInstances(QuestionList& questions, int32_t iCount, CInfoReceiver* receiver);

    // The current fill, each value after the text of its operator.
    std::u16string ToString() const;
    std::shared_ptr<CExprValue> GetExprValue() const;

    // The number of operand combinations, saturating at the largest uint64_t
    // (four operands of 10001 values each fit exactly).
    uint64_t GetPermCombineTimes() const;

    // Every operand's and the result's value back to "none chosen".
    void ClearResults();

private:
    OperandList m_operands;
    std::shared_ptr<COperand> m_resultOperand;
    Parentheses m_parentheses;
    CQuestionRules m_rules;
    QuestionForm m_form = QuestionForm::Calculate;
    CDecimalUnits m_units;
    CDecimalUnits m_filledUnits;
    CFractionShape m_fractions;
    std::array<int32_t, 4> m_lastPlaceSteps{};
};

} // namespace kelvo
