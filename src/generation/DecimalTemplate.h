#pragma once

#include "generation/CExpression.h"
#include "generation/DecimalUnits.h"

namespace kelvo {

// Turns a template of a decimal kind, whose ranges count in each operand's
// and the result's own places, into one on whole numbers of fitting units,
// so that it is drawn, enumerated and counted as any other; its units then
// say how its values are written. ＋ and － count every value in the unit of
// the most places; × and ÷ join two operands in their own units, a factor or
// divisor that is a whole number of tens, hundreds or thousands counted in
// those (3.5×100 is 35×1 tenths of a hundred). The product ceiling is thus
// measured in the operands' own units. False, and the template untouched,
// for other operators.
bool CountInDecimalUnits(CExpression& expr, const CDecimalUnits& places);

} // namespace kelvo
