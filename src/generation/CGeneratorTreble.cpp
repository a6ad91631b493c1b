#include "generation/CGeneratorTreble.h"

#include "number/OperatorCodes.h"

#include <array>

namespace kelvo {

void CGeneratorTreble::WalkSpace(Walk& walk) const {
    const CValueProgression first(*m_operands[0]);
    const CValueProgression second(*m_operands[1]);
    const CValueProgression third(*m_operands[2]);
    const int32_t op2 = m_operands[1]->LeftOperator();
    const int32_t op3 = m_operands[2]->LeftOperator();
    const CResultFilter filter(*m_result);
    for (int32_t i = 0; i < first.Count(); ++i) {
        const int32_t a = first.Value(i);
        for (int32_t j = 0; j < second.Count(); ++j) {
            const int32_t b = second.Value(j);
            if (!walk.BeginRun(third.Count())) {
                return;
            }
            for (int32_t k = 0; k < third.Count(); ++k) {
                const int32_t c = third.Value(k);
                int32_t r = 0;
                const bool solved =
                    m_parentheses.IsNone()
                        ? EvaluateThree(r, a, op2, b, op3, c)
                        : EvaluateGrouped(r, std::array{a, b, c}, std::array{Op::None, op2, op3},
                                          m_parentheses);
                if (solved && filter.Admits(r) && m_rules.Admits(std::array{a, b, c}) &&
                    !walk.Admit({a, b, c, r})) {
                    return;
                }
            }
        }
    }
    walk.Complete();
}

} // namespace kelvo
