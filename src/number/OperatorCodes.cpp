#include "number/OperatorCodes.h"

#include "foundation/RuntimeError.h"

#include <algorithm>
#include <array>

namespace kelvo {

namespace {

constexpr std::array<std::u16string_view, 8> WrittenOperators = {u"",  u"＋", u"－", u"×",
                                                                 u"÷", u"=",  u"(",  u")"};
constexpr std::array<std::u16string_view, 8> ReadOperators = {u"",  u"＋", u"－", u"×",
                                                              u"÷", u"=",  u"（", u"）"};
constexpr std::array<std::u16string_view, 7> CbrCaptions = {
    u"", u"有进位", u"无进位", u"有借位", u"无借位", u"有余数", u"无余数"};

// 2 for times and divide, 1 for plus and minus.
int32_t Precedence(int32_t code) {
    return IsTimesOrDivide(code) ? 2 : 1;
}

bool EvaluateInOrder(int32_t& output, std::span<const int32_t> values,
                     std::span<const int32_t> codes) {
    switch (values.size()) {
    case 1:
        output = values[0];
        return true;
    case 2:
        return ApplyOperator(output, values[0], codes[1], values[1]);
    case 3:
        return EvaluateThree(output, values[0], codes[1], values[1], codes[2], values[2]);
    case 4:
        return EvaluateFour(output, values[0], codes[1], values[1], codes[2], values[2], codes[3],
                            values[3]);
    default:
        return false;
    }
}

} // namespace

std::u16string_view ParenthesisText(int32_t code) {
    return code == Op::LeftParenthesis || code == Op::RightParenthesis
               ? ReadOperators[static_cast<size_t>(code)]
               : std::u16string_view();
}

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

bool EvaluateGrouped(int32_t& output, std::span<const int32_t> values,
                     std::span<const int32_t> codes, Parentheses group) {
    if (group.IsNone()) {
        return EvaluateInOrder(output, values, codes);
    }
    const auto first = static_cast<size_t>(group.first);
    const auto last = static_cast<size_t>(group.last);
    if (last >= values.size() || codes.size() != values.size() || values.size() > 4) {
        return false;
    }
    int32_t inner = 0;
    if (!EvaluateInOrder(inner, values.subspan(first, last - first + 1),
                         codes.subspan(first, last - first + 1))) {
        return false;
    }
    // The group stands as one value in its place.
    std::array<int32_t, 4> outerValues{};
    std::array<int32_t, 4> outerCodes{};
    size_t outer = 0;
    for (size_t k = 0; k < values.size(); ++k) {
        if (k > first && k <= last) {
            continue;
        }
        outerValues[outer] = k == first ? inner : values[k];
        outerCodes[outer] = codes[k];
        ++outer;
    }
    return EvaluateInOrder(output, std::span(outerValues).first(outer),
                           std::span(outerCodes).first(outer));
}

bool ParenthesesChangeOrder(std::span<const int32_t> codes, Parentheses group) {
    if (group.IsNone() || static_cast<size_t>(group.last) >= codes.size()) {
        return false;
    }
    const auto first = static_cast<size_t>(group.first);
    const auto last = static_cast<size_t>(group.last);
    int32_t weakest = 2;
    for (size_t k = first + 1; k <= last; ++k) {
        weakest = std::min(weakest, Precedence(codes[k]));
    }
    // Without the parentheses the group is done first only when the step
    // before it binds less tightly and the step after it no more tightly.
    const bool before = first > 0 && Precedence(codes[first]) >= weakest;
    const bool after = last + 1 < codes.size() && Precedence(codes[last + 1]) > weakest;
    return before || after;
}

} // namespace kelvo
