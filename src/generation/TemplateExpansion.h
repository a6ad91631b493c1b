#pragma once

#include "generation/CExpression.h"

#include <string>
#include <vector>

namespace kelvo {

// The message for a gap between two operands without a ticked operator.
inline constexpr char16_t NoOperatorErrorText[] = u"错误：至少一个运算数没有选择运算符号。";

// One operand list per combination of one ticked operator from each gap (the
// last gap changing fastest). operatorSets holds, per gap, the texts of its
// ticked operators ("＋－"). When a gap has none, no list is returned and
// strErrorInfo receives NoOperatorErrorText; otherwise it is left as it was.
std::vector<OperandList> ExpandTemplates(const OperandList& operands,
                                         const std::vector<std::u16string>& operatorSets,
                                         std::u16string& strErrorInfo);

// One string per combination, one operator character per gap; 1 to 3 gaps.
std::vector<std::u16string> ExpandOperatorSets(const std::vector<std::u16string>& operatorSets,
                                               std::u16string& strErrorInfo);

// One operand list per string: operand 1 itself, then clones of the other
// operands whose LeftOperator is read from the string (0 where it is too short).
std::vector<OperandList> ApplyOperatorStrings(const OperandList& operands,
                                              const std::vector<std::u16string>& operatorStrings);

} // namespace kelvo
