#include "foundation/RuntimeError.h"

#include <limits>

namespace kelvo {

CRuntimeError::CRuntimeError(ErrorNumber number) : m_number(number) {}

std::u16string CRuntimeError::Description() const {
    switch (m_number) {
    case ErrorNumber::Overflow:
        return u"溢出";
    case ErrorNumber::SubscriptOutOfRange:
        return u"下标越界";
    case ErrorNumber::DivisionByZero:
        return u"除数为零";
    case ErrorNumber::TypeMismatch:
        return u"类型不匹配";
    }
    return u"运行时错误";
}

const char* CRuntimeError::what() const noexcept {
    switch (m_number) {
    case ErrorNumber::Overflow:
        return "overflow";
    case ErrorNumber::SubscriptOutOfRange:
        return "subscript out of range";
    case ErrorNumber::DivisionByZero:
        return "division by zero";
    case ErrorNumber::TypeMismatch:
        return "type mismatch";
    }
    return "runtime error";
}

void RaiseError(ErrorNumber number) {
    throw CRuntimeError(number);
}

int32_t CheckedAdd(int32_t a, int32_t b) {
    int32_t result = 0;
    if (__builtin_add_overflow(a, b, &result)) {
        RaiseError(ErrorNumber::Overflow);
    }
    return result;
}

int32_t CheckedSubtract(int32_t a, int32_t b) {
    int32_t result = 0;
    if (__builtin_sub_overflow(a, b, &result)) {
        RaiseError(ErrorNumber::Overflow);
    }
    return result;
}

int32_t CheckedMultiply(int32_t a, int32_t b) {
    int32_t result = 0;
    if (__builtin_mul_overflow(a, b, &result)) {
        RaiseError(ErrorNumber::Overflow);
    }
    return result;
}

int32_t CheckedNarrow(int64_t value) {
    if (value < std::numeric_limits<int32_t>::min() ||
        value > std::numeric_limits<int32_t>::max()) {
        RaiseError(ErrorNumber::Overflow);
    }
    return static_cast<int32_t>(value);
}

} // namespace kelvo
