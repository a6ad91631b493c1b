#pragma once

#include "generation/CEnumeratingGenerator.h"

namespace kelvo {

// Enumerates a 4-operand template, evaluating each combination with times and
// divide before plus and minus; every step must be admissible.
class CGeneratorFour : public CEnumeratingGenerator<4> {
private:
    void WalkSpace(Walk& walk) const override;
};

} // namespace kelvo
