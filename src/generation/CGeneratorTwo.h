#pragma once

#include "generation/CGenerator.h"
#include "generation/CandidateTable.h"
#include "number/COperand.h"

#include <cstdint>
#include <memory>

namespace kelvo {

// Enumerates a two-operand template. The second operand's CbrSetting picks the
// mode: plain (0), carry (1, 2), borrow (3, 4) or remainder (5, 6); carry and
// borrow look at the units digits only. Any other code admits no question.
class CGeneratorTwo : public CGenerator {
public:
    void Init(CExpression& expr) override;
    bool CreateInstance() override;

private:
    using Table = CCandidateTable<3>;

    template <class Rule>
    void BuildTable(Rule&& rule);
    void BuildPlainTable();
    void BuildCarryTable();
    void BuildBorrowTable();
    void BuildRemainderTable();

    std::shared_ptr<COperand> m_first;
    std::shared_ptr<COperand> m_second;
    std::shared_ptr<COperand> m_result;
    int32_t m_cbrCode = 0;
    uint64_t m_size = 0;
    Table m_table;
};

} // namespace kelvo
