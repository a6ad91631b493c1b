#include "generation/GenerationDriver.h"

#include "foundation/Prefetch.h"
#include "foundation/RandomSource.h"
#include "foundation/UserInterfaceYield.h"
#include "generation/CInfoReceiver.h"
#include "generation/RepeatedRounds.h"

#include <algorithm>
#include <array>

namespace kelvo {

namespace {

// A wanted number of at least this many shows the progress frame.
constexpr int32_t ProgressThreshold = 1000;
// The shuffle and fill loops yield at every multiple of this.
constexpr int32_t YieldInterval = 2000;

const std::u16string ShufflingCaption = u"打乱顺序";

// Swaps drawn this many steps before they are made.
constexpr int32_t SwapsAhead = 8;

// A forward Fisher-Yates pass. A swap's far place is random in a list larger
// than the caches, so each place is drawn a few steps early and its memory
// fetched meanwhile; the draws are the same and in the same order.
void Shuffle(QuestionList& questions, int32_t first, int32_t last) {
    ReseedRandomFromClock();
    std::array<int32_t, SwapsAhead> places{};
    const auto drawPlace = [&](int32_t i) {
        const int32_t place = RandomFloor(last - i + 1, i);
        Prefetch(&questions.Item(place));
        places[static_cast<size_t>(i % SwapsAhead)] = place;
    };
    for (int32_t i = first; i <= std::min(first + SwapsAhead, last) - 1; ++i) {
        drawPlace(i);
    }
    for (int32_t i = first; i <= last - 1; ++i) {
        const int32_t place = places[static_cast<size_t>(i % SwapsAhead)];
        if (i + SwapsAhead <= last - 1) {
            drawPlace(i + SwapsAhead);
        }
        questions.ExchangeItem(i, place);
        if (i % YieldInterval == 0) {
            YieldToUserInterface();
        }
    }
}

void Fill(QuestionList& questions, int32_t first, int32_t n, int32_t wanted, int32_t columns) {
    const std::vector<int32_t> order = RepeatedRounds(n, wanted, columns);
    for (size_t k = static_cast<size_t>(n); k < order.size(); ++k) {
        questions.Add(questions.Item(first + order[k]));
        if (k % YieldInterval == 0) {
            YieldToUserInterface();
        }
    }
}

} // namespace

QuestionList GenerateQuestions(const TemplateList& templates, int32_t wanted,
                               int32_t* generatedCount, CInfoReceiver* receiver, GenerationEnd* end,
                               int32_t columns) {
    std::vector<CExpression*> expressions;
    for (const auto& expression : templates) {
        expressions.push_back(expression.get());
    }
    QuestionList questions;
    const GenerationEnd ended = CGenerationJob(receiver).Run(expressions, wanted, questions);
    if (end != nullptr) {
        *end = ended;
    }
    if (generatedCount != nullptr) {
        *generatedCount = questions.Count();
    }
    ShuffleAndFill(questions, 1, questions.Count(), wanted, receiver, columns);
    return questions;
}

void ShuffleAndFill(QuestionList& questions, int32_t first, int32_t last, int32_t wanted,
                    CInfoReceiver* receiver, int32_t columns) {
    const int32_t n = last - first + 1;
    if (n <= 0) {
        return;
    }
    questions.EnsureCapacity(wanted);
    RunBracketed(receiver, wanted >= ProgressThreshold, ShufflingCaption, [&] {
        Shuffle(questions, first, last);
        Fill(questions, first, n, wanted, columns);
    });
}

} // namespace kelvo
