#include "foundation/NumericUtils.h"

#include "foundation/RuntimeError.h"

#include <numeric>

namespace kelvo {

namespace {

enum class Direction { Lower, Higher };

int32_t FindIndex(const CLongArray& array, int32_t low, int32_t high, int32_t value,
                  Direction direction) {
    if (low == high + 1) {
        return -1;
    }
    int32_t candidate = -1;
    while (high >= low) {
        const int32_t mid = low + (high - low) / 2;
        const int32_t item = array.Item(mid);
        if (item == value) {
            return mid;
        }
        if (value < item) {
            high = mid - 1;
            if (direction == Direction::Higher) {
                candidate = mid;
            }
        } else {
            low = mid + 1;
            if (direction == Direction::Lower) {
                candidate = mid;
            }
        }
    }
    return candidate;
}

} // namespace

int32_t LeastCommonMultiple(int32_t a, int32_t b) {
    const int32_t divisor = (a > 0 && b > 0) ? std::gcd(a, b) : 1;
    return CheckedMultiply(a, b) / divisor;
}

int32_t FindIndexOrLower(const CLongArray& array, int32_t low, int32_t high, int32_t value) {
    return FindIndex(array, low, high, value, Direction::Lower);
}

int32_t FindIndexOrHigher(const CLongArray& array, int32_t low, int32_t high, int32_t value) {
    return FindIndex(array, low, high, value, Direction::Higher);
}

} // namespace kelvo
