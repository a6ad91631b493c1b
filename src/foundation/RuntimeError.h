// The foundation of the model: growable 1-based arrays, a string builder, checked
// 32-bit arithmetic, the program-wide random source and the text <-> number rules.
// Everything above it (number domain, generation, question data, output) reports
// impossible arithmetic by throwing CRuntimeError; the windows catch it at their
// event handlers and show its number and description.
#pragma once

#include <cstdint>
#include <exception>
#include <limits>
#include <string>

namespace kelvo {

enum class ErrorNumber : int32_t {
    Overflow = 6,
    SubscriptOutOfRange = 9,
    DivisionByZero = 11,
    TypeMismatch = 13,
};

class CRuntimeError : public std::exception {
public:
    explicit CRuntimeError(ErrorNumber number);

    ErrorNumber Number() const { return m_number; }
    // The user-facing description, for example "溢出".
    std::u16string Description() const;
    const char* what() const noexcept override;

private:
    ErrorNumber m_number;
};

[[noreturn]] void RaiseError(ErrorNumber number);

// The checked operations sit on generation's and formatting's paths, which run
// by the hundred thousand, so they are inline.
inline int32_t CheckedAdd(int32_t a, int32_t b) {
    int32_t result = 0;
    if (__builtin_add_overflow(a, b, &result)) {
        RaiseError(ErrorNumber::Overflow);
    }
    return result;
}

inline int32_t CheckedSubtract(int32_t a, int32_t b) {
    int32_t result = 0;
    if (__builtin_sub_overflow(a, b, &result)) {
        RaiseError(ErrorNumber::Overflow);
    }
    return result;
}

inline int32_t CheckedMultiply(int32_t a, int32_t b) {
    int32_t result = 0;
    if (__builtin_mul_overflow(a, b, &result)) {
        RaiseError(ErrorNumber::Overflow);
    }
    return result;
}

inline int32_t CheckedNarrow(int64_t value) {
    if (value < std::numeric_limits<int32_t>::min() ||
        value > std::numeric_limits<int32_t>::max()) {
        RaiseError(ErrorNumber::Overflow);
    }
    return static_cast<int32_t>(value);
}

} // namespace kelvo
