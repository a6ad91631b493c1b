#include "listening/ListeningSheet.h"

#include "generation/CExprValue.h"
#include "listening/ChineseReading.h"

#include <algorithm>

namespace kelvo {

namespace {

constexpr int32_t BaseSeconds = 2;
constexpr int32_t SecondsPerDigit = 2;
constexpr int32_t SecondsPerExtraOperand = 2;

int32_t Digits(int32_t value) {
    int32_t digits = 1;
    for (; value >= 10; value /= 10) {
        ++digits;
    }
    return digits;
}

int32_t QuestionSeconds(const CExprValue& question) {
    int32_t largest = question.ResultValue();
    for (const auto& operand : question.OperandValues()) {
        largest = std::max(largest, operand[1]);
    }
    const auto extraOperands = static_cast<int32_t>(question.OperandValues().size()) - 2;
    return BaseSeconds + SecondsPerDigit * Digits(largest) +
           SecondsPerExtraOperand * std::max(extraOperands, 0);
}

void Append(CListeningQuestions& round, const CQuestionSet& questionSet, int32_t count,
            bool isFill) {
    const int32_t last = std::min(count, questionSet.questions.Count());
    for (int32_t index = 1; index <= last; ++index) {
        const CExprValue& question = *questionSet.questions.Item(index);
        const auto entry = static_cast<size_t>(index - 1);
        const int32_t blank =
            isFill && entry < questionSet.blanks.size() ? questionSet.blanks[entry] : 0;
        round.spoken.push_back(SpokenQuestion(question, blank));
        round.pace = std::max(round.pace, std::chrono::seconds(QuestionSeconds(question)));
    }
}

} // namespace

CListeningQuestions ListeningQuestions(const CSheet& sheet, const COutputSettings& layout) {
    CListeningQuestions round;
    for (const CSheetPart& part : sheet.parts) {
        Append(round, part.questionSet, ShownQuestionCount(sheet, part, layout),
               layout.IsFillQuestions());
    }
    return round;
}

} // namespace kelvo
