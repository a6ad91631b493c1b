// generation/ turns a kind of question into questions (kelvo_core). Each
// combination of ticked operators is one template (ExpandTemplates, CExpression);
// a generation job lets the templates take turns (CGenerationJob, CTemplateRun),
// yielding to the windows, heeding cancel and giving up on hopeless templates.
//
//   small template --CGeneratorTwo/Treble/Four--> every admissible question, once each
//   large template --CExprBuilder--> one random question per attempt
//   snapshots (CExprValue) --GenerateQuestions--> shuffled, repeated up to the number wanted
//       in rounds of their own order that keep twins apart (RepeatedRounds)
//
// The same walk counts what a template admits (CountTemplateQuestions).
#pragma once

#include "generation/CExpression.h"
#include "generation/CGenerationJob.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace kelvo {

class CInfoReceiver;

using TemplateList = std::vector<std::shared_ptr<CExpression>>;

// Makes up to wanted questions from the templates as one generation job (the
// templates share the wanted number, see CGenerationJob), then shuffles them
// and repeats them up to wanted entries, as ShuffleAndFill does for a grid of
// the given columns. generatedCount, when given, receives the number of
// questions generated before the repetition, and end how the job ended. The
// receiver may be nullptr.
QuestionList GenerateQuestions(const TemplateList& templates, int32_t wanted,
                               int32_t* generatedCount, CInfoReceiver* receiver,
                               GenerationEnd* end = nullptr, int32_t columns = 1);

// Shuffles entries first..last, then appends them again (the same objects) in
// rounds of RepeatedRounds until the array holds wanted entries, filling rows
// of the given columns; one column is a list without a grid.
void ShuffleAndFill(QuestionList& questions, int32_t first, int32_t last, int32_t wanted,
                    CInfoReceiver* receiver, int32_t columns = 1);

} // namespace kelvo
