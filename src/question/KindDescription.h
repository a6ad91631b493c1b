#pragma once

#include "question/CQuestionData.h"

#include <array>
#include <string>
#include <string_view>

namespace kelvo {

// The rules of a kind as the panel names them, each with its flag.
struct CRuleCaption {
    bool CQuestionRules::*rule;
    std::u16string_view caption;
};
inline constexpr std::array<CRuleCaption, 8> RuleCaptions = {{
    {&CQuestionRules::isIntermediateInResultRange, u"中间结果也在得数范围内"},
    {&CQuestionRules::isNoTrivialFactor, u"不出现 ×0、×1、÷1"},
    {&CQuestionRules::isNoQuotientOne, u"商不为 1"},
    {&CQuestionRules::isNoZeroOperand, u"不出现 0 作运算数"},
    {&CQuestionRules::isWithinTables, u"乘除都在表内"},
    {&CQuestionRules::isPowerOfTenSecond, u"第二个数是10、100、1000"},
    {&CQuestionRules::isSameDenominator, u"同分母"},
    {&CQuestionRules::isDifferentDenominators, u"异分母"},
}};

// The same questions: the same operand count and ranges, the same operators
// allowed in every gap, the same result range, carry/borrow code,
// parentheses, rules, form, places and fractions. Titles do not count.
bool IsSameKind(const CQuestionData& a, const CQuestionData& b);

// Where the parentheses of a choice stand, as the panel lists them:
// "（□□）□", or "随机"; empty without parentheses.
std::u16string ParenthesesCaption(int32_t operandCount, int32_t choice);

// A kind in words, for a kind that has no name of its own:
// "1～20＋1～20，得数1～20，有进位"; several operators in one gap read "＋/－",
// a step "10～90整十数", a fraction "真分数（分母2～12）", parentheses "，括号□（□□）", then each
// rule chosen ("，商不为 1"), then a form other than "计算" ("，比大小").
std::u16string KindDescription(const CQuestionData& kind);

// What a kind shown on the panel is called: the title of the entry it was
// picked from while the panel still shows that entry's kind, else its
// description. Without an entry (the custom entry) it is the description.
std::u16string KindTitle(const CQuestionData& panelKind, const CQuestionData* pickedEntry);

} // namespace kelvo
