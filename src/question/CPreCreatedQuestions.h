#pragma once

#include "foundation/CTypedArray.h"
#include "question/CQuestionData.h"

#include <functional>
#include <memory>
#include <string>
#include <unordered_map>

namespace kelvo {

// The fixed list of preset question types offered in the question-type box,
// built from the constant preset table; separators only structure the list.
// The presets of the textbook units (UnitPresets) are found by title too.
class CPreCreatedQuestions {
public:
    using AddQuestionHandler = std::function<void(const std::shared_ptr<CQuestionData>&)>;

    // The question data of a preset's or a unit's title; none for a
    // separator's title.
    std::shared_ptr<CQuestionData> Item(const std::u16string& strTitle) const;
    // Every entry in list order, separators included (a separator has only
    // its title set).
    const CObjectArray<CQuestionData>& Questions() const { return m_questions; }
    // Builds the list anew, then raises AddQuestion once per entry, in order.
    void Load();

    void SetAddQuestionHandler(AddQuestionHandler handler) { m_addQuestion = std::move(handler); }

private:
    CObjectArray<CQuestionData> m_questions;
    std::unordered_map<std::u16string, std::shared_ptr<CQuestionData>> m_titles;
    AddQuestionHandler m_addQuestion;
};

} // namespace kelvo
