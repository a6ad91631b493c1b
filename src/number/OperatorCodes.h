// Expression generation: a question kind becomes templates (CExpression), each
// template yields questions either by enumerating every admissible operand
// combination (CGeneratorTwo/Treble/Four, at most 10000 combinations) or by
// solving random two-operand steps (CExprBuilder); GenerateQuestions collects
// the snapshots (CExprValue), shuffles them and repeats them up to the number
// wanted. This file holds the shared vocabulary: operator and carry/borrow codes
// and the admissible arithmetic of a primary-school question.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace kelvo {

namespace Op {
constexpr int32_t None = 0;
constexpr int32_t Plus = 1;
constexpr int32_t Minus = 2;
constexpr int32_t Times = 3;
constexpr int32_t Divide = 4;
constexpr int32_t Equals = 5;
constexpr int32_t LeftParenthesis = 6;
constexpr int32_t RightParenthesis = 7;
} // namespace Op

// Carry / borrow / remainder requirement of a two-operand question.
namespace Cbr {
constexpr int32_t None = 0;
constexpr int32_t Carry = 1;
constexpr int32_t NoCarry = 2;
constexpr int32_t Borrow = 3;
constexpr int32_t NoBorrow = 4;
constexpr int32_t Remainder = 5;
constexpr int32_t NoRemainder = 6;
} // namespace Cbr

// Stands between the quotient and the remainder: "17÷5=3……2".
constexpr std::u16string_view RemainderMark = u"……";

// One pair of parentheses around the operands first .. last (0-based, in
// reading order); none when last is not after first.
struct Parentheses {
    uint8_t first = 0;
    uint8_t last = 0;

    bool IsNone() const { return last <= first; }
    bool Opens(size_t operand) const { return !IsNone() && operand == static_cast<size_t>(first); }
    bool Closes(size_t operand) const { return !IsNone() && operand == static_cast<size_t>(last); }
    friend bool operator==(const Parentheses&, const Parentheses&) = default;
};

// The marks of a question's parentheses: the full-width forms that
// OperatorCode reads as codes 6 and 7. A fill-in blank is written with the
// ASCII ones, so the two never look alike.
std::u16string_view ParenthesisText(int32_t code);

// The largest value of any question, and the largest admissible product.
constexpr int32_t ValueCeiling = 10000;

std::u16string_view OperatorText(int32_t code);
int32_t OperatorCode(std::u16string_view text);
int32_t CbrCodeFromText(std::u16string_view text);

inline bool IsTimesOrDivide(int32_t code) {
    return code == Op::Times || code == Op::Divide;
}

// One step of a question: false for a negative difference, a product above
// 10000, or a division by 0 or with a remainder.
bool ApplyOperator(int32_t& output, int32_t a, int32_t code, int32_t b);
// a op1 b op2 c with times and divide first; fails as soon as one step fails.
bool EvaluateThree(int32_t& output, int32_t a, int32_t op1, int32_t b, int32_t op2, int32_t c);
bool EvaluateFour(int32_t& output, int32_t a, int32_t op1, int32_t b, int32_t op2, int32_t c,
                  int32_t op3, int32_t d);
// values[k] joined to what stands before by codes[k] (codes[0] is not read),
// one to four values, the group inside the parentheses first; fails as soon as
// one step fails.
bool EvaluateGrouped(int32_t& output, std::span<const int32_t> values,
                     std::span<const int32_t> codes, Parentheses group);
// False when the parentheses only repeat what times and divide first, left to
// right, would do anyway: "(8×3)＋2".
bool ParenthesesChangeOrder(std::span<const int32_t> codes, Parentheses group);

} // namespace kelvo
