#include "number/OperatorCodes.h"

#include "foundation/RuntimeError.h"

#include <array>

namespace kelvo {

namespace {

constexpr std::array<std::u16string_view, 8> WrittenOperators = {u"",  u"＋", u"－", u"×",
                                                                 u"÷", u"=",  u"(",  u")"};
constexpr std::array<std::u16string_view, 8> ReadOperators = {u"",  u"＋", u"－", u"×",
                                                              u"÷", u"=",  u"（", u"）"};
constexpr std::array<std::u16string_view, 7> CbrCaptions = {
    u"", u"有进位", u"无进位", u"有借位", u"无借位", u"有余数", u"无余数"};

} // namespace

std::u16string_view OperatorText(int32_t code) {
    if (code < 1 || code >= static_cast<int32_t>(WrittenOperators.size())) {
        return {};
    }
    return WrittenOperators[static_cast<size_t>(code)];
}

int32_t OperatorCode(std::u16string_view text) {
    for (int32_t code = 1; code < static_cast<int32_t>(ReadOperators.size()); ++code) {
        if (ReadOperators[static_cast<size_t>(code)] == text) {
            return code;
        }
    }
    return Op::None;
}

int32_t CbrCodeFromText(std::u16string_view text) {
    for (int32_t code = 1; code < static_cast<int32_t>(CbrCaptions.size()); ++code) {
        if (CbrCaptions[static_cast<size_t>(code)] == text) {
            return code;
        }
    }
    return Cbr::None;
}

bool ApplyOperator(int32_t& output, int32_t a, int32_t code, int32_t b) {
    switch (code) {
    case Op::Plus:
        output = CheckedAdd(a, b);
        return true;
    case Op::Minus:
        output = CheckedSubtract(a, b);
        return output >= 0;
    case Op::Times: {
        const int64_t product = static_cast<int64_t>(a) * b;
        if (product > ValueCeiling) {
            return false;
        }
        output = static_cast<int32_t>(product);
        return true;
    }
    case Op::Divide:
        if (b == 0 || a % b != 0) {
            return false;
        }
        output = CheckedNarrow(static_cast<int64_t>(a) / b);
        return true;
    default:
        return true;
    }
}

bool EvaluateThree(int32_t& output, int32_t a, int32_t op1, int32_t b, int32_t op2, int32_t c) {
    int32_t t = 0;
    if (!IsTimesOrDivide(op1) && IsTimesOrDivide(op2)) {
        return ApplyOperator(t, b, op2, c) && ApplyOperator(output, a, op1, t);
    }
    return ApplyOperator(t, a, op1, b) && ApplyOperator(output, t, op2, c);
}

bool EvaluateFour(int32_t& output, int32_t a, int32_t op1, int32_t b, int32_t op2, int32_t c,
                  int32_t op3, int32_t d) {
    int32_t t = 0;
    int32_t u = 0;
    if (IsTimesOrDivide(op1)) {
        return ApplyOperator(t, a, op1, b) && EvaluateThree(output, t, op2, c, op3, d);
    }
    if (IsTimesOrDivide(op2)) {
        if (IsTimesOrDivide(op3)) {
            return ApplyOperator(u, b, op2, c) && ApplyOperator(t, u, op3, d) &&
                   ApplyOperator(output, a, op1, t);
        }
        return ApplyOperator(t, b, op2, c) && ApplyOperator(u, a, op1, t) &&
               ApplyOperator(output, u, op3, d);
    }
    if (IsTimesOrDivide(op3)) {
        return ApplyOperator(t, c, op3, d) && ApplyOperator(u, a, op1, b) &&
               ApplyOperator(output, u, op2, t);
    }
    return ApplyOperator(t, a, op1, b) && ApplyOperator(u, t, op2, c) &&
           ApplyOperator(output, u, op3, d);
}

} // namespace kelvo
