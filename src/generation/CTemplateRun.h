#pragma once

#include "generation/CExprBuilder.h"
#include "generation/CExprValueBlocks.h"
#include "generation/CExpression.h"
#include "generation/CGenerator.h"

#include <cstdint>
#include <memory>

namespace kelvo {

// One template's part of a generation job, one attempt at a time. A template
// of up to 10000 operand combinations is enumerated once and hands out each of
// its questions once; a larger one is built at random per attempt. A template
// stops giving when it has had its attempts, when its enumeration is spent,
// when an operand or the result admits no value at all, or when so many
// attempts in a row have failed that it is taken for hopeless. Both roads keep
// the kind's rules: the enumeration leaves out what breaks them, a built
// question that breaks them is a failed attempt.
class CTemplateRun {
public:
    // Failed attempts in a row after which a built template is hopeless.
    static constexpr int32_t HopelessFailureRun = 20000;

    CTemplateRun(CExpression& expression, int32_t maxAttempts);

    bool CanGive() const {
        return m_admitsValues && !m_spent && m_attempts < m_maxAttempts && !IsHopeless();
    }
    bool IsHopeless() const { return m_failuresInARow >= HopelessFailureRun; }

    // Fills the template once; a question made is snapshotted into blocks and
    // appended to questions. The fill is cleared afterwards, so templates that
    // share an operand never see each other's values.
    bool Attempt(CExprValueBlocks& blocks, QuestionList& questions);

private:
    bool Fill();
    bool Build();
    bool ObeysRules() const;

    CExpression& m_expression;
    CRuleFilter m_rules;
    std::unique_ptr<CGenerator> m_generator;
    CExprBuilder m_builder;
    bool m_admitsValues = false;
    bool m_spent = false;
    int32_t m_maxAttempts;
    int32_t m_attempts = 0;
    int32_t m_failuresInARow = 0;
};

} // namespace kelvo
