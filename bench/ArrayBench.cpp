#include "foundation/CTypedArray.h"

#include <benchmark/benchmark.h>

namespace kelvo {
namespace {

// The question list of the largest worksheet: 100000 entries appended, then shuffled.
void BM_AppendAndShuffleQuestionList(benchmark::State& state) {
    for (auto _ : state) {
        CObjectArray<int> list;
        list.EnsureCapacity(100000);
        auto question = std::make_shared<int>(1);
        for (int i = 0; i < 100000; ++i) {
            list.Add(question);
        }
        list.Shuffle();
        benchmark::DoNotOptimize(list);
    }
}
BENCHMARK(BM_AppendAndShuffleQuestionList)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace kelvo
