#pragma once

#include "generation/GenerationDriver.h"
#include "question/CQuestionData.h"

#include <string>
#include <string_view>
#include <vector>

namespace kelvo {

// The operators a pattern allows, in box order: "＋－$$" gives "＋－". A
// position counts only when it holds its own operator; characters after the
// fourth are ignored.
std::u16string AllowedOperators(std::u16string_view pattern);

// The places a textbook puts one pair of parentheses in a question of three
// or four operands, in the order the panel lists them; none for two operands.
std::vector<Parentheses> ParenthesesPositions(int32_t operandCount);

// The message for parentheses that no operator combination of the kind needs.
inline constexpr char16_t NeedlessParenthesesErrorText[] =
    u"错误：括号放在这里不改变运算顺序，请换括号的位置或运算符号。";

// The messages for a decimal kind whose operators or form decimals cannot
// carry.
inline constexpr char16_t DecimalOperatorsErrorText[] =
    u"错误：小数题只能是加减算式，或两个数相乘、相除（不带余数）。";
inline constexpr char16_t DecimalFormErrorText[] = u"错误：小数题只能用“计算”或“比大小”题型。";
// The messages for a fraction kind the fractions cannot carry.
inline constexpr char16_t FractionOperandsErrorText[] =
    u"错误：分数题只能是两个数（整数或分数，不带小数）的加、减、乘、除。";
inline constexpr char16_t FractionFormErrorText[] = u"错误：分数题只能用“计算”或“比大小”题型。";
// The message for the rule of powers of ten where the second range has none.
inline constexpr char16_t NoPowerOfTenErrorText[] = u"错误：运算数二的范围里没有10、100或1000。";

// The message for a kind with a remainder asked as 比大小 or 填运算符号.
inline constexpr char16_t RemainderFormErrorText[] =
    u"错误：有余数的除法，得数不是一个数，不能比大小或填运算符号。请换题型，或不选“有余数”。";

// The templates of a question description, the one road from a kind to its
// templates: a "从" above its "到" is exchanged, the carry/borrow code goes on
// operand 2 of a two-operand question whose gap allows exactly the operator
// of the code's pair (carry "＋", borrow "－", remainder "÷", as the panel
// offers the pair), every combination of
// allowed operators is one template with a result operand of its own and the
// kind's rules and form, a decimal kind's counted in the units of its
// places (CountInDecimalUnits), a fraction kind's enumerated by its shape
// (CGeneratorFraction). With
// parentheses chosen, a combination gives one template per chosen position
// whose parentheses change the order of the steps. A gap without an operator,
// or parentheses no combination needs, gives no template and leaves the
// message in strErrorInfo; so does a remainder asked as 比大小 or 填运算符号.
TemplateList QuestionTemplates(const CQuestionData& question, std::u16string& strErrorInfo);

} // namespace kelvo
