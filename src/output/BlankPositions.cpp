#include "output/BlankPositions.h"

#include "foundation/RandomSource.h"
#include "generation/CExprValue.h"

namespace kelvo {

BlankPositions DrawBlankPositions(const QuestionList& questions) {
    ReseedRandomFromClock();
    BlankPositions blanks;
    blanks.reserve(static_cast<size_t>(questions.Count()));
    for (int32_t i = 1; i <= questions.Count(); ++i) {
        const auto operandCount = static_cast<double>(questions.Item(i)->OperandValues().size());
        blanks.push_back(RandomFloor(operandCount, 1));
    }
    return blanks;
}

} // namespace kelvo
