// How a 听算 round says its questions: in the words a teacher reads mental
// arithmetic aloud with, so that a Mandarin voice speaks them as written.
//
//   CExprValue --SpokenQuestion--> "三十七加五等于" --SpokenItem--> "第三题，三十七加五等于"
#pragma once

#include <cstdint>
#include <string>

namespace kelvo {

class CExprValue;

// A quantity as it is said: 零, 十一, 一百零五, 一千零一十, 两千, 一万. A 2 that
// leads before 百, 千 or 万 is 两; everywhere else it is 二. Not negative.
std::u16string SpokenNumber(int32_t value);
// value × 10^-exponent as it is said: the whole part as a quantity, then 点
// and each decimal digit on its own: 零点三, 二点零五, 十二点五; 35 with
// exponent -2 is 三千五百, as SpokenNumber says 3500.
std::u16string SpokenDecimal(int32_t value, int32_t exponent);
// A value in its unit (see TextNumber.h) as it is said: a decimal as
// SpokenDecimal says it, 3/5 as 五分之三, the mixed number 1又1/6 as
// 一又六分之一.
std::u16string SpokenValue(int32_t value, int32_t unit);

// The question without its answer: its numbers (as SpokenValue says them),
// 加, 减, 乘, 除以, 等于 and 左括号 / 右括号 around a group. In fill-in form (blank: the 1-based
// operand left blank, 0 outside it) the blank is 几 and the result is said: "七加几等于二十". A
// remainder is said after 余: "十七除以五等于几余几", "几除以五等于三余二". The other forms are
// said as a teacher sets them, without a blank: "八加五与十二比较大小",
// "八和五之间填什么运算符号，得十三", "估一估，四十九加三十二大约等于几".
std::u16string SpokenQuestion(const CExprValue& question, int32_t blank);

// The question under its 1-based number: "第三题，三十七加五等于".
std::u16string SpokenItem(int32_t number, const std::u16string& question);

} // namespace kelvo
