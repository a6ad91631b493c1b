#pragma once

#include "generation/CExprValue.h"

#include <string>

namespace kelvo {

// A question of a form other than "计算" as the worksheet writes it, with or
// without its answer:
//   比大小      "8＋5 ○ 12"    "8＋5 ＞ 12"
//               "8＋5 ○ 9＋3"  "8＋5 ＞ 9＋3"
//   填运算符号  "8 ○ 5 = 13"   "8 ＋ 5 = 13"
//   估算        "49＋32≈"      "49＋32≈50＋30=80"
void AppendFormQuestion(const CExprValue& value, bool withAnswer, std::u16string& cell);

// What the pupil writes for such a question where only answers are written
// (the answer sheet of 听算): the sign "＞", the operators "＋×", the rounded
// calculation's result "80".
std::u16string FormAnswerText(const CExprValue& value);

} // namespace kelvo
