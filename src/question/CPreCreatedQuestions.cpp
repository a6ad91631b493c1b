#include "question/CPreCreatedQuestions.h"

#include "question/PresetTable.h"
#include "question/UnitPresets.h"

namespace kelvo {

namespace {

std::shared_ptr<CValueLimit> MakeLimit(const PresetRange& range) {
    auto limit = std::make_shared<CValueLimit>();
    limit->SetLowerLimit(range.lower);
    limit->SetUpperLimit(range.upper);
    limit->SetMultipleOf(range.multipleOf);
    return limit;
}

std::shared_ptr<CQuestionData> MakeQuestion(const PresetRecord& record) {
    auto question = std::make_shared<CQuestionData>();
    question->SetTitle(record.title);
    question->AddLimit(MakeLimit(record.operands[0]));
    for (int32_t k = 1; k < record.operandCount; ++k) {
        question->AddOperator(record.gaps[static_cast<size_t>(k - 1)]);
        question->AddLimit(MakeLimit(record.operands[static_cast<size_t>(k)]));
    }
    question->SetResultLimit(MakeLimit(record.result));
    question->SetCbr(record.cbr);
    question->SetParenthesesChoice(record.parentheses);
    question->SetRules(record.rules);
    question->SetForm(record.form);
    question->SetDecimalPlaces(record.places);
    question->SetFractions(record.fractions);
    return question;
}

} // namespace

std::shared_ptr<CQuestionData> CPreCreatedQuestions::Item(const std::u16string& strTitle) const {
    const auto found = m_titles.find(strTitle);
    return found == m_titles.end() ? nullptr : found->second;
}

void CPreCreatedQuestions::Load() {
    m_questions = CObjectArray<CQuestionData>();
    m_titles.clear();
    for (const PresetRecord& record : PresetTable()) {
        if (record.operandCount == 0) {
            auto separator = std::make_shared<CQuestionData>();
            separator->SetTitle(record.title);
            m_questions.Add(separator);
            m_titles.emplace(record.title, nullptr);
        } else {
            auto question = MakeQuestion(record);
            m_questions.Add(question);
            m_titles.emplace(record.title, question);
        }
    }
    for (const PresetRecord& record : UnitPresetTable()) {
        m_titles.emplace(record.title, MakeQuestion(record));
    }
    if (!m_addQuestion) {
        return;
    }
    for (int32_t i = 1; i <= m_questions.Count(); ++i) {
        m_addQuestion(m_questions.Item(i));
    }
}

} // namespace kelvo
