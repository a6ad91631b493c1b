// How the drill asks a question of a form other than "计算" and which answers
// it offers: a comparison is answered with ＞, ＜ or ＝, an operator question
// with an operator in each circle, an estimate with the rounded calculation.
#pragma once

#include "drill/AnswerChoices.h"

#include <optional>
#include <string>
#include <string_view>

namespace kelvo {

class CExprValue;

// The question as the worksheet writes it without its answer: "8＋5=",
// "8＋5 ○ 12", "8 ○ 5 = 13", "49＋32≈".
std::u16string DrillQuestionText(const CExprValue& question);

// The signs a question is answered with, as its keys offer them: "＞＜＝",
// "＋－×÷", or empty for a number.
std::u16string_view AnswerSigns(const CExprValue& question);

// The sign a key of the keyboard types: < > = + - * /; none for other keys.
std::optional<char16_t> SignOfKey(char16_t key);

// The right answer and a wrong one for a question of a form other than
// "计算": another sign; the operators with one of them changed (in teaching
// choices its inverse, ＋ for －); for an estimate a unit off, or in teaching
// choices the exact result, the slip of calculating instead of estimating.
// None for "计算".
std::optional<AnswerChoices> FormChoices(const CExprValue& question, bool bTeaching);

} // namespace kelvo
