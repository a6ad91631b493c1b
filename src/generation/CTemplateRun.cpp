#include "generation/CTemplateRun.h"

#include "generation/CGeneratorFour.h"
#include "generation/CGeneratorFraction.h"
#include "generation/CGeneratorTreble.h"
#include "generation/CGeneratorTwo.h"

#include <algorithm>
#include <array>
#include <span>

namespace kelvo {

namespace {

std::unique_ptr<CGenerator> MakeGenerator(size_t operandCount) {
    switch (operandCount) {
    case 2:
        return std::make_unique<CGeneratorTwo>();
    case 3:
        return std::make_unique<CGeneratorTreble>();
    case 4:
        return std::make_unique<CGeneratorFour>();
    default:
        return nullptr;
    }
}

bool AdmitsValues(const COperand& operand) {
    return operand.Limit()->Count() > 0;
}

// An operand or a result without a single admitted value makes every question
// impossible; enumerating the other operands would only waste time.
bool AdmitsQuestions(const CExpression& expression) {
    const OperandList& operands = expression.Operands();
    return std::all_of(operands.begin(), operands.end(),
                       [](const auto& operand) { return AdmitsValues(*operand); }) &&
           AdmitsValues(*expression.ResultOperand());
}

} // namespace

CTemplateRun::CTemplateRun(CExpression& expression, int32_t maxAttempts)
    : m_expression(expression), m_rules(expression.RuleFilter()),
      m_admitsValues(AdmitsQuestions(expression)), m_maxAttempts(maxAttempts) {
    if (!m_admitsValues) {
        return;
    }
    if (expression.Fractions().IsFraction()) {
        m_generator = std::make_unique<CGeneratorFraction>();
    } else if (expression.GetPermCombineTimes() <= CExpression::EnumerationLimit) {
        m_generator = MakeGenerator(expression.Operands().size());
    } else {
        return;
    }
    if (m_generator) {
        m_generator->Init(expression);
    } else {
        m_spent = true;
    }
}

bool CTemplateRun::Attempt(CExprValueBlocks& blocks, QuestionList& questions) {
    ++m_attempts;
    const bool filled = Fill();
    if (filled) {
        questions.Add(blocks.Snapshot(m_expression));
        m_failuresInARow = 0;
    } else if (m_generator) {
        m_spent = true;
    } else {
        ++m_failuresInARow;
    }
    m_expression.ClearResults();
    return filled;
}

bool CTemplateRun::Fill() {
    if (m_generator) {
        return m_generator->CreateInstance();
    }
    return Build() && ObeysRules();
}

bool CTemplateRun::Build() {
    if (!m_expression.Grouping().IsNone()) {
        return m_builder.BuildGrouped(m_expression.Operands(), *m_expression.ResultOperand(),
                                      m_expression.Grouping());
    }
    return m_builder.Build(m_expression.Operands(), *m_expression.ResultOperand());
}

// A built question that breaks a rule of the kind is a failed attempt, as one
// whose steps find no admissible value.
bool CTemplateRun::ObeysRules() const {
    std::array<int32_t, 4> values{};
    const OperandList& operands = m_expression.Operands();
    const size_t count = std::min(operands.size(), values.size());
    for (size_t k = 0; k < count; ++k) {
        values[k] = operands[k]->ResultValue();
    }
    return m_rules.Admits(std::span(values).first(count));
}

} // namespace kelvo
