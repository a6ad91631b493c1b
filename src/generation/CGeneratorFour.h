#pragma once

#include "generation/CGenerator.h"
#include "generation/CandidateTable.h"
#include "number/COperand.h"

#include <array>
#include <cstdint>
#include <memory>

namespace kelvo {

// Enumerates a 4-operand template, evaluating each combination with times and
// divide before plus and minus; every step must be admissible.
class CGeneratorFour : public CGenerator {
public:
    void Init(CExpression& expr) override;
    bool CreateInstance() override;

private:
    using Table = CCandidateTable<5>;

    void BuildTable(uint64_t size);

    std::array<std::shared_ptr<COperand>, 4> m_operands;
    std::shared_ptr<COperand> m_result;
    Table m_table;
};

} // namespace kelvo
