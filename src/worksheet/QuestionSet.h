#pragma once

#include "generation/GenerationDriver.h"
#include "output/BlankPositions.h"
#include "output/COutputSettings.h"
#include "question/CQuestionData.h"

#include <cstdint>
#include <string>

namespace kelvo {

class CInfoReceiver;

// The questions made for one kind.
struct CQuestionSet {
    // The kind's templates; the first one stands for the widths of the text.
    TemplateList templates;
    // Shuffled, and repeated up to the wanted number in rounds that keep
    // twins apart (RepeatedRounds).
    QuestionList questions;
    // The operand each question leaves blank in fill-in form, whichever form
    // shows it.
    BlankPositions blanks;
    // Why there are no questions; empty when there are.
    std::u16string errorText;
    // The kind's title, under which a drill of these questions is recorded.
    std::u16string title;
    // The questions generated before the repetition, and how that ended.
    int32_t generatedCount = 0;
    GenerationEnd end = GenerationEnd::Complete;

    bool HasQuestions() const { return questions.Count() > 0; }
};

// The kind's title and templates, ready to draw questions from; the error
// text when the kind has no templates.
CQuestionSet KindQuestionSet(const CQuestionData& kind);

// Draws the wanted number of questions from the set's templates for rows of
// the given columns; the receiver (may be nullptr) sees the progress of a long
// job.
void DrawQuestions(CQuestionSet& questionSet, int32_t wanted, int32_t columns,
                   CInfoReceiver* receiver);

// Both steps at once, as the drill takes its questions: one after another, as
// one column.
CQuestionSet MakeQuestions(const CQuestionData& kind, int32_t wanted, CInfoReceiver* receiver);

// "只生成了 N 道题目" when the job was given up or cancelled short of its
// questions (a cancel says so first); empty otherwise.
std::u16string StatusLine(const CQuestionSet& questionSet);

// The text of the questions under the layout: as many cells as the layout has,
// at most as many as there are questions; the error text without questions.
std::u16string FormatQuestions(const CQuestionSet& questionSet, const COutputSettings& layout,
                               CInfoReceiver* receiver);

} // namespace kelvo
