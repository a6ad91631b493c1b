// Question descriptions: CQuestionData is one kind of question as the operand
// panel shows it (ranges, operator patterns, result range, carry/borrow code).
// The presets (CPreCreatedQuestions) are built from a constant table into
// question data; the settings file (CConfig) stores the panel of the last run
// as one, next to the output settings, two fonts and the training time. Every
// block reads and writes its own lines through CSettingsReader / Writer.
#pragma once

#include "foundation/CTypedArray.h"
#include "generation/CQuestionRules.h"
#include "generation/DecimalUnits.h"
#include "generation/FractionShape.h"
#include "generation/QuestionForm.h"
#include "number/CValueLimit.h"

#include <cstdint>
#include <memory>
#include <string>

namespace kelvo {

class CSettingsReader;
class CSettingsWriter;

class CQuestionData {
public:
    // The operand counts the panel can show and the file can hold.
    static constexpr int32_t MinOperandCount = 2;
    static constexpr int32_t MaxOperandCount = 4;

    // The stored collections themselves: changing a range changes this object.
    const CObjectArray<CValueLimit>& Limits() const { return m_limits; }
    const CStringArray& Operators() const { return m_operators; }

    // Where a kind of three or four operands puts its one pair of
    // parentheses: NoParentheses, RandomParentheses, or the number (from 1)
    // of a position of ParenthesesPositions. The settings-file block has no
    // line for it: Save leaves it out and Load gives none; the plan and kinds
    // files keep it.
    static constexpr int32_t NoParentheses = 0;
    static constexpr int32_t RandomParentheses = -1;
    static constexpr int32_t MaxParenthesesChoice = 5;
    int32_t ParenthesesChoice() const { return m_parenthesesChoice; }
    void SetParenthesesChoice(int32_t value) { m_parenthesesChoice = value; }

    // Rules beyond the ranges, all off unless chosen. As the parentheses, the
    // settings-file block has no line for them; the plan and kinds files
    // keep them.
    const CQuestionRules& Rules() const { return m_rules; }
    void SetRules(const CQuestionRules& rules) { m_rules = rules; }

    // How the kind's questions are asked; "计算" unless chosen. As the rules,
    // it has no line in the settings-file block.
    QuestionForm Form() const { return m_form; }
    void SetForm(QuestionForm form) { m_form = form; }

    // The places each operand and the result are written with, which its
    // ranges count in (0.1 to 9.9 with one place is 1 to 99); all 0 for a
    // whole-number kind. As the rules, no line in the settings-file block.
    const CDecimalUnits& DecimalPlaces() const { return m_decimalPlaces; }
    void SetDecimalPlaces(const CDecimalUnits& places) { m_decimalPlaces = places; }
    bool IsDecimal() const { return !m_decimalPlaces.IsWhole(); }
    // What its two operands are and how its results are written when the
    // kind has fractions; whole unless chosen. As the rules, no line in the
    // settings-file block.
    const CFractionShape& Fractions() const { return m_fractions; }
    void SetFractions(const CFractionShape& shape) { m_fractions = shape; }
    bool IsFraction() const { return m_fractions.IsFraction(); }
    int32_t Cbr() const { return m_cbr; }
    void SetCbr(int32_t value) { m_cbr = value; }
    const std::shared_ptr<CValueLimit>& ResultLimit() const { return m_resultLimit; }
    void SetResultLimit(std::shared_ptr<CValueLimit> limit) { m_resultLimit = std::move(limit); }
    const std::u16string& Title() const { return m_title; }
    void SetTitle(std::u16string title) { m_title = std::move(title); }

    void AddLimit(std::shared_ptr<CValueLimit> limit) { m_limits.Add(std::move(limit)); }
    void AddOperator(std::u16string pattern) { m_operators.Add(std::move(pattern)); }

    // None when there are fewer ranges.
    std::shared_ptr<CValueLimit> Limit1() const { return LimitAt(1); }
    std::shared_ptr<CValueLimit> Limit2() const { return LimitAt(2); }
    std::shared_ptr<CValueLimit> Limit3() const { return LimitAt(3); }
    std::shared_ptr<CValueLimit> Limit4() const { return LimitAt(4); }
    // The empty text when there are fewer patterns.
    std::u16string Operator1() const { return OperatorAt(1); }
    std::u16string Operator2() const { return OperatorAt(2); }
    std::u16string Operator3() const { return OperatorAt(3); }

    // True when the whole block was read. Fields read before a damaged line
    // keep their new values. A count outside 2..4 is a damaged block.
    bool Load(CSettingsReader& file);
    // False (nothing useful written) when a range is missing.
    bool Save(CSettingsWriter& file) const;

private:
    std::shared_ptr<CValueLimit> LimitAt(int32_t index) const;
    std::u16string OperatorAt(int32_t index) const;

    std::u16string m_title;
    CObjectArray<CValueLimit> m_limits;
    CStringArray m_operators;
    std::shared_ptr<CValueLimit> m_resultLimit;
    int32_t m_cbr = 0;
    int32_t m_parenthesesChoice = NoParentheses;
    CQuestionRules m_rules;
    QuestionForm m_form = QuestionForm::Calculate;
    CDecimalUnits m_decimalPlaces;
    CFractionShape m_fractions;
};

} // namespace kelvo
