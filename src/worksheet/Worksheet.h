// The main use case, outside the windows: a question description and a
// layout in, the questions and the worksheet text out.
//
//   CQuestionData --QuestionTemplates--> templates --GenerateQuestions--> questions
//   questions --DrawBlankPositions--> the operand each one blanks in fill-in form
//   questions + blanks + COutputSettings --COutputFormatter--> worksheet text
//
// A window collects the description from its panel, calls MakeWorksheet and
// shows the text; a new layout re-formats the same questions (FormatWorksheet).
// The drill takes its questions from MakeQuestions.
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
    // Shuffled, and repeated cyclically up to the wanted number.
    QuestionList questions;
    // The operand each question leaves blank in fill-in form, whichever form
    // shows it.
    BlankPositions blanks;
    // Why there are no questions; empty when there are.
    std::u16string errorText;
    // The questions generated before the repetition, and how that ended.
    int32_t generatedCount = 0;
    GenerationEnd end = GenerationEnd::Complete;

    bool HasQuestions() const { return questions.Count() > 0; }
};

// "只生成了 N 道题目" when the job was given up or cancelled short of its
// questions (a cancel says so first); empty otherwise.
std::u16string StatusLine(const CQuestionSet& questionSet);

// A worksheet: its questions and its text (the error text when it has none).
struct CWorksheet {
    CQuestionSet questionSet;
    std::u16string text;
};

// The receiver (may be nullptr) sees the progress of a long job.
CQuestionSet MakeQuestions(const CQuestionData& kind, int32_t wanted, CInfoReceiver* receiver);

// The text of the questions under the layout: as many cells as the layout has,
// at most as many as there are questions; the error text without questions.
std::u16string FormatWorksheet(const CQuestionSet& questionSet, const COutputSettings& layout,
                               CInfoReceiver* receiver);

// As many questions as the layout has cells (rows × columns), formatted.
CWorksheet MakeWorksheet(const CQuestionData& kind, const COutputSettings& layout,
                         CInfoReceiver* receiver);

} // namespace kelvo
