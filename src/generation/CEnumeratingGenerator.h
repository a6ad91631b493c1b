#pragma once

#include "generation/CExpression.h"
#include "generation/CGenerator.h"
#include "generation/CandidateTable.h"
#include "number/COperand.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>

namespace kelvo {

// The frame of the generators of N-operand templates: at Init the template's
// operands and result are taken and the derived class walks the value space,
// keeping the (operand values..., result) candidates in the table; every draw
// writes one candidate into the template and never hands it out again. The
// same walk, bounded and without a table, counts a template's questions.
template <size_t N>
class CEnumeratingGenerator : public CGenerator {
public:
    void Init(CExpression& expr) override {
        Bind(expr);
        m_table = Table();
        m_table.Reserve(expr.GetPermCombineTimes());
        Walk walk(m_table);
        WalkSpace(walk);
    }

    bool CreateInstance() override {
        const typename Table::Candidate* candidate = m_table.Draw();
        if (candidate == nullptr) {
            return false;
        }
        for (size_t k = 0; k < N; ++k) {
            m_operands[k]->SetResultValue((*candidate)[k]);
        }
        m_result->SetResultValue((*candidate)[N]);
        return true;
    }

    // Counts the template's questions by the walk of Init, within the bounds
    // of CCandidateWalk.
    CWalkCount CountQuestions(const CExpression& expr, int64_t maxQuestions,
                              int64_t maxCombinations) {
        Bind(expr);
        Walk walk(maxQuestions, maxCombinations);
        WalkSpace(walk);
        return walk.Count();
    }

protected:
    using Table = CCandidateTable<N + 1>;
    using Walk = CCandidateWalk<N + 1>;

    // Hands every admissible candidate to the walk, in order, until the walk
    // ends; completes the walk when the space is done.
    virtual void WalkSpace(Walk& walk) const = 0;

    std::array<std::shared_ptr<COperand>, N> m_operands;
    std::shared_ptr<COperand> m_result;
    Parentheses m_parentheses;
    CRuleFilter m_rules;

private:
    void Bind(const CExpression& expr) {
        for (size_t k = 0; k < N; ++k) {
            m_operands[k] = expr.Operands().at(k);
        }
        m_result = expr.ResultOperand();
        m_parentheses = expr.Grouping();
        m_rules = expr.RuleFilter();
    }

    Table m_table;
};

} // namespace kelvo
