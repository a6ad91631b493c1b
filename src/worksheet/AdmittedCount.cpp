#include "worksheet/AdmittedCount.h"

#include "generation/QuestionCount.h"
#include "question/QuestionTemplates.h"

namespace kelvo {

namespace {

std::u16string NumberText(int64_t value) {
    const std::string digits = std::to_string(value);
    return {digits.begin(), digits.end()};
}

} // namespace

CAdmittedCount CountAdmittedQuestions(const CQuestionData& kind) {
    std::u16string errorText;
    int64_t questions = 0;
    int64_t combinations = 0;
    for (const auto& expression : QuestionTemplates(kind, errorText)) {
        const CWalkCount count = CountTemplateQuestions(
            *expression, MaxCountedQuestions - questions, MaxCountedCombinations - combinations);
        questions += count.questions;
        combinations += count.combinations;
        if (!count.isComplete) {
            // At least `questions` are known, so there are more than one fewer.
            return {questions - 1, false};
        }
    }
    return {questions, true};
}

std::u16string RepetitionWarning(const CAdmittedCount& admitted, int64_t wanted) {
    if (admitted.count <= 0 || !admitted.IsFewerThan(wanted)) {
        return {};
    }
    return u"该题型只有" + NumberText(admitted.count) + u"道不同的题目，试卷中会有重复。";
}

std::u16string AdmittedCountText(const CAdmittedCount& admitted) {
    if (admitted.isExact) {
        return NumberText(admitted.count);
    }
    return admitted.count < 0 ? u"未知" : u"多于" + NumberText(admitted.count);
}

} // namespace kelvo
