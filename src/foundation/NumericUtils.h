#pragma once

#include "foundation/CTypedArray.h"

#include <cstdint>

namespace kelvo {

// a * b / gcd(a, b), the product checked in 32 bits; 0 when a or b is 0.
int32_t LeastCommonMultiple(int32_t a, int32_t b);

// Bisection over items low..high of an ascending array: the position of value,
// else of the last item below it (-1 when none).
int32_t FindIndexOrLower(const CLongArray& array, int32_t low, int32_t high, int32_t value);
// The position of value, else of the first item above it (-1 when none).
int32_t FindIndexOrHigher(const CLongArray& array, int32_t low, int32_t high, int32_t value);

} // namespace kelvo
