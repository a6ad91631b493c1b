#include "generation/CGeneratorFour.h"

#include "number/OperatorCodes.h"

#include <array>

namespace kelvo {

void CGeneratorFour::WalkSpace(Walk& walk) const {
    const CValueProgression first(*m_operands[0]);
    const CValueProgression second(*m_operands[1]);
    const CValueProgression third(*m_operands[2]);
    const CValueProgression fourth(*m_operands[3]);
    const int32_t op2 = m_operands[1]->LeftOperator();
    const int32_t op3 = m_operands[2]->LeftOperator();
    const int32_t op4 = m_operands[3]->LeftOperator();
    const CResultFilter filter(*m_result);
    for (int32_t i = 0; i < first.Count(); ++i) {
        const int32_t a = first.Value(i);
        for (int32_t j = 0; j < second.Count(); ++j) {
            const int32_t b = second.Value(j);
            for (int32_t k = 0; k < third.Count(); ++k) {
                const int32_t c = third.Value(k);
                if (!walk.BeginRun(fourth.Count())) {
                    return;
                }
                for (int32_t l = 0; l < fourth.Count(); ++l) {
                    const int32_t d = fourth.Value(l);
                    int32_t r = 0;
                    const bool solved =
                        m_parentheses.IsNone()
                            ? EvaluateFour(r, a, op2, b, op3, c, op4, d)
                            : EvaluateGrouped(r, std::array{a, b, c, d},
                                              std::array{Op::None, op2, op3, op4}, m_parentheses);
                    if (solved && filter.Admits(r) && m_rules.Admits(std::array{a, b, c, d}) &&
                        !walk.Admit({a, b, c, d, r})) {
                        return;
                    }
                }
            }
        }
    }
    walk.Complete();
}

} // namespace kelvo
