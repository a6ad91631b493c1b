#include "foundation/RuntimeError.h"

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

} // namespace kelvo
