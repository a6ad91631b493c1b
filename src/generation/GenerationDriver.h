// generation/ turns a kind of question into questions (kelvo_core). Each
// combination of ticked operators is one template (ExpandTemplates, CExpression);
// a generation job lets the templates take turns (CGenerationJob, CTemplateRun),
// yielding to the windows, heeding cancel and giving up on hopeless templates.
//
//   small template --CGeneratorTwo/Treble/Four--> every admissible question, once each
//   large template --CExprBuilder--> one random question per attempt
//   snapshots (CExprValue) --GenerateQuestions--> shuffled, repeated up to the number wanted
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
// and repeats them cyclically up to wanted entries. generatedCount, when
// given, receives the number of questions generated before the repetition, and
// end how the job ended. The receiver may be nullptr.
QuestionList GenerateQuestions(const TemplateList& templates, int32_t wanted,
                               int32_t* generatedCount, CInfoReceiver* receiver,
                               GenerationEnd* end = nullptr);

// Shuffles entries first..last, then appends entries 1, 2, ... of the array
// again (the same objects) until it holds wanted entries.
void ShuffleAndFill(QuestionList& questions, int32_t first, int32_t last, int32_t wanted,
                    CInfoReceiver* receiver);

} // namespace kelvo
