// What counting a kind's different questions costs before a sheet is made:
// every preset, and a kind whose count runs into its combination bound.
#include "question/CPreCreatedQuestions.h"
#include "worksheet/AdmittedCount.h"

#include <benchmark/benchmark.h>

namespace kelvo {
namespace {

std::shared_ptr<CValueLimit> Limit(int32_t lower, int32_t upper) {
    auto limit = std::make_shared<CValueLimit>();
    limit->SetLowerLimit(lower);
    limit->SetUpperLimit(upper);
    return limit;
}

void BM_CountEveryPreset(benchmark::State& state) {
    CPreCreatedQuestions presets;
    presets.Load();
    for (auto _ : state) {
        for (int32_t i = 1; i <= presets.Questions().Count(); ++i) {
            const auto& preset = presets.Questions().Item(i);
            if (preset->Limits().Count() > 0) {
                benchmark::DoNotOptimize(CountAdmittedQuestions(*preset));
            }
        }
    }
}
BENCHMARK(BM_CountEveryPreset)->Unit(benchmark::kMillisecond);

// a - b - c - d = 0 over 0..100: a huge space with few questions.
void BM_CountUpToTheCombinationBound(benchmark::State& state) {
    CQuestionData kind;
    kind.AddLimit(Limit(0, 100));
    for (int k = 0; k < 3; ++k) {
        kind.AddOperator(u"$－$$");
        kind.AddLimit(Limit(0, 100));
    }
    kind.SetResultLimit(Limit(0, 0));
    for (auto _ : state) {
        benchmark::DoNotOptimize(CountAdmittedQuestions(kind));
    }
}
BENCHMARK(BM_CountUpToTheCombinationBound)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace kelvo
