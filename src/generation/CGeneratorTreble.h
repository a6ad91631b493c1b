#pragma once

#include "generation/CEnumeratingGenerator.h"

namespace kelvo {

// Enumerates a 3-operand template, evaluating each combination with times and
// divide before plus and minus; every step must be admissible.
class CGeneratorTreble : public CEnumeratingGenerator<3> {
private:
    void WalkSpace(Walk& walk) const override;
};

} // namespace kelvo
