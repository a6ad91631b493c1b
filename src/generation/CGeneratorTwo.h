#pragma once

#include "generation/CGenerator.h"
#include "generation/CQuestionRules.h"
#include "generation/CandidateTable.h"
#include "number/COperand.h"

#include <cstdint>
#include <memory>

namespace kelvo {

// Enumerates a two-operand template. The second operand's CbrSetting picks the
// mode: plain (0), carry (1, 2), borrow (3, 4) or remainder (5, 6); carry and
// borrow look at the units digits only; with a remainder the result operand's
// RemainderValue keeps it. Any other code admits no question.
class CGeneratorTwo : public CGenerator {
public:
    void Init(CExpression& expr) override;
    bool CreateInstance() override;

    // Counts the template's questions by the walk of Init, within the bounds
    // of CCandidateWalk.
    CWalkCount CountQuestions(const CExpression& expr, int64_t maxQuestions,
                              int64_t maxCombinations);

private:
    using Table = CCandidateTable<3>;
    using Walk = CCandidateWalk<3>;

    void Bind(const CExpression& expr);
    void WalkSpace(Walk& walk) const;
    template <class Rule>
    void WalkPairs(Walk& walk, Rule&& rule) const;
    void WalkPlain(Walk& walk) const;
    void WalkCarry(Walk& walk) const;
    void WalkBorrow(Walk& walk) const;
    void WalkRemainder(Walk& walk) const;

    std::shared_ptr<COperand> m_first;
    std::shared_ptr<COperand> m_second;
    std::shared_ptr<COperand> m_result;
    int32_t m_cbrCode = 0;
    CRuleFilter m_rules;
    Table m_table;
};

} // namespace kelvo
