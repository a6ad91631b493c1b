#include "generation/QuestionCount.h"

#include "generation/CGeneratorFour.h"
#include "generation/CGeneratorFraction.h"
#include "generation/CGeneratorTreble.h"
#include "generation/CGeneratorTwo.h"

namespace kelvo {

CWalkCount CountTemplateQuestions(const CExpression& expr, int64_t maxQuestions,
                                  int64_t maxCombinations) {
    if (expr.Fractions().IsFraction()) {
        return CGeneratorFraction().CountQuestions(expr, maxQuestions, maxCombinations);
    }
    switch (expr.Operands().size()) {
    case 2:
        return CGeneratorTwo().CountQuestions(expr, maxQuestions, maxCombinations);
    case 3:
        return CGeneratorTreble().CountQuestions(expr, maxQuestions, maxCombinations);
    case 4:
        return CGeneratorFour().CountQuestions(expr, maxQuestions, maxCombinations);
    default:
        return {0, 0, true};
    }
}

} // namespace kelvo
