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
// operands and result are taken and the derived class fills the table with
// (operand values..., result) candidates; every draw writes one candidate into
// the template and never hands it out again.
template <size_t N>
class CEnumeratingGenerator : public CGenerator {
public:
    void Init(CExpression& expr) override {
        for (size_t k = 0; k < N; ++k) {
            m_operands[k] = expr.Operands().at(k);
        }
        m_result = expr.ResultOperand();
        m_table = Table();
        m_table.Reserve(expr.GetPermCombineTimes());
        BuildTable();
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

protected:
    using Table = CCandidateTable<N + 1>;

    virtual void BuildTable() = 0;

    std::array<std::shared_ptr<COperand>, N> m_operands;
    std::shared_ptr<COperand> m_result;
    Table m_table;
};

} // namespace kelvo
