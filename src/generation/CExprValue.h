#pragma once

#include "foundation/CStringBuilder.h"
#include "generation/DecimalUnits.h"
#include "generation/QuestionForm.h"
#include "number/OperatorCodes.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

namespace kelvo {

class CExpression;

// One generated question: a snapshot of a filled template that later changes of
// the template do not reach.
class CExprValue {
public:
    // Index 0: the operator code to the left of the operand; index 1: its value.
    using OperandValue = std::array<int32_t, 2>;

    // One entry per operand, in reading order.
    std::span<const OperandValue> OperandValues() const {
        if (m_operandCount > PlacedCount) {
            return m_rare->moreValues;
        }
        return std::span<const OperandValue>(m_placedValues).first(m_operandCount);
    }
    void CreateFrom(const CExpression& expr);
    // A question kept elsewhere (the drill history) from its operands and
    // result; a division whose dividend the divisor does not divide gets its
    // remainder back.
    void CreateFrom(std::span<const OperandValue> values, int32_t iResult);

    // Evaluated first and written around its operands.
    Parentheses Grouping() const { return m_parentheses; }
    void SetGrouping(Parentheses group) { m_parentheses = group; }

    // The form of the template the question came from.
    QuestionForm Form() const { return m_form; }
    void SetForm(QuestionForm form) { m_form = form; }
    // The number a comparison question sets against its value; drawn with
    // the question.
    int32_t Comparand() const { return m_comparand; }
    void SetComparand(int32_t value) { m_comparand = value; }
    // The question a comparison of two questions sets against its value,
    // whose value is then the comparand; nullptr for a number.
    const std::shared_ptr<const CExprValue>& ComparedQuestion() const;
    void SetComparedQuestion(std::shared_ptr<const CExprValue> question);
    // The comparand of a comparison of two numbers (CompareNumbers): the
    // second number counted in the result's fraction unit, as the first is.
    int32_t SecondNumberInResultUnit() const;

    // The units its values count in, those of its template.
    const CDecimalUnits& Units() const { return m_units; }
    // For a question kept elsewhere (the drill history).
    void SetUnits(const CDecimalUnits& units) { m_units = units; }

    int32_t ResultValue() const { return m_resultValue; }
    void SetResultValue(int32_t value) { m_resultValue = value; }
    // -1 for a question without a remainder, else 1 .. divisor - 1.
    int32_t RemainderValue() const { return m_remainderValue; }
    void SetRemainderValue(int32_t value) { m_remainderValue = value; }
    bool HasRemainder() const { return m_remainderValue > 0; }

    // The question without its answer, for example "12＋5=" or "（36－8）÷4=".
    CStringBuilder LeftPartToString() const;
    // Operand k (from 0) as written: "0.3" for 3 tenths.
    void AppendOperandText(std::u16string& text, size_t k) const;
    // The answer as written after "=": "3", or "3……2" with a remainder.
    std::u16string ResultText() const;

private:
    // What few questions have: the values of a template of more than
    // PlacedCount operands, the right side of a comparison of two questions.
    // It is never changed once made, so copies of a question share it.
    struct CRarePart {
        std::vector<OperandValue> moreValues;
        std::shared_ptr<const CExprValue> comparedQuestion;
    };

    // The rare part with the given values and the compared question kept.
    void SetMoreValues(std::vector<OperandValue> values);

    // A worksheet holds up to 100000 questions of at most four operands
    // each: their values are kept in place, the rest in the shared rare part,
    // so that a question takes little memory.
    static constexpr size_t PlacedCount = 4;
    std::array<OperandValue, PlacedCount> m_placedValues{};
    std::shared_ptr<const CRarePart> m_rare;
    uint32_t m_operandCount = 0;
    int32_t m_resultValue = -1;
    int32_t m_remainderValue = -1;
    int32_t m_comparand = 0;
    CDecimalUnits m_units;
    Parentheses m_parentheses;
    QuestionForm m_form = QuestionForm::Calculate;
};

} // namespace kelvo
