#pragma once

#include "question/CQuestionData.h"

#include <string>

namespace kelvo {

// The same questions: the same operand count and ranges, the same operators
// allowed in every gap, the same result range and carry/borrow code. Titles
// do not count.
bool IsSameKind(const CQuestionData& a, const CQuestionData& b);

// Where the parentheses of a choice stand, as the panel lists them:
// "（□□）□", or "随机"; empty without parentheses.
std::u16string ParenthesesCaption(int32_t operandCount, int32_t choice);

// A kind in words, for a kind that has no name of its own:
// "1～20＋1～20，得数1～20，有进位"; several operators in one gap read "＋/－",
// a step "10～90整十数", parentheses "，括号□（□□）".
std::u16string KindDescription(const CQuestionData& kind);

// What a kind shown on the panel is called: the title of the entry it was
// picked from while the panel still shows that entry's kind, else its
// description. Without an entry (the custom entry) it is the description.
std::u16string KindTitle(const CQuestionData& panelKind, const CQuestionData* pickedEntry);

} // namespace kelvo
