#pragma once

#include "generation/GenerationDriver.h"
#include "question/CQuestionData.h"

#include <string>
#include <string_view>

namespace kelvo {

// The operators a pattern allows, in box order: "＋－$$" gives "＋－". A
// position counts only when it holds its own operator; characters after the
// fourth are ignored.
std::u16string AllowedOperators(std::u16string_view pattern);

// The templates of a question description, the one road from a kind to its
// templates: a "从" above its "到" is exchanged, the carry/borrow code goes on
// operand 2 of a two-operand question whose gap allows exactly the operator
// of the code's pair (carry "＋", borrow "－", remainder "÷", as the panel
// offers the pair), every combination of
// allowed operators is one template with a result operand of its own. A gap
// without an operator gives no template and leaves the message in
// strErrorInfo.
TemplateList QuestionTemplates(const CQuestionData& question, std::u16string& strErrorInfo);

} // namespace kelvo
