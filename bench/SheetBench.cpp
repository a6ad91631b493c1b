// The largest worksheet (5000 rows of 20 questions, with the answers) made as
// "生成试题" makes it, for the kinds that cost the most and for every preset.
// Each benchmark also reports the peak resident memory of its runs.
#include "LargestSheet.h"
#include "NaiveFractionSampler.h"
#include "NaiveSampler.h"
#include "generation/GenerationDriver.h"
#include "output/COutputFormatter.h"
#include "question/CPreCreatedQuestions.h"
#include "question/PresetTable.h"
#include "question/QuestionTemplates.h"

#include <benchmark/benchmark.h>
#include <malloc.h>

#include <ctime>
#include <fstream>
#include <functional>
#include <string>

namespace kelvo {
namespace {

using bench::Columns;
using bench::Rows;

// The peak resident memory of the process since Reset (Linux: the kernel's
// high-water mark, which writing 5 to clear_refs sets back to the current size).
void ResetPeakMemory() {
    malloc_trim(0);
    std::ofstream("/proc/self/clear_refs") << "5";
}

double PeakMegabytes() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        if (line.starts_with("VmHWM:")) {
            return std::stod(line.substr(6)) / 1024;
        }
    }
    return 0;
}

struct Range {
    int32_t lower;
    int32_t upper;
    int32_t multipleOf = 1;
};

std::shared_ptr<CValueLimit> MakeLimit(Range range) {
    auto limit = std::make_shared<CValueLimit>();
    limit->Init(range.lower, range.upper, range.multipleOf, 1);
    return limit;
}

// A kind as the operand panel describes it: every operand in one range, the
// same operator pattern in every gap.
CQuestionData CustomKind(int32_t operandCount, Range operands,
                         const std::vector<std::u16string>& gaps, Range result) {
    CQuestionData kind;
    for (int32_t k = 0; k < operandCount; ++k) {
        if (k > 0) {
            kind.AddOperator(gaps.at(static_cast<size_t>(k - 1)));
        }
        kind.AddLimit(MakeLimit(operands));
    }
    kind.SetResultLimit(MakeLimit(result));
    return kind;
}

const std::u16string EveryOperator = u"＋－×÷";

void RunSheet(benchmark::State& state, const CQuestionData& kind) {
    std::u16string error;
    const TemplateList templates = QuestionTemplates(kind, error);
    const auto settings = bench::LargestSheet(false, true);
    int32_t generated = 0;
    int64_t length = 0;
    ResetPeakMemory();
    for (auto _ : state) {
        length = bench::WriteSheet(templates, settings, &generated);
    }
    state.counters["templates"] = static_cast<double>(templates.size());
    state.counters["generated"] = generated;
    state.counters["text_chars"] = static_cast<double>(length);
    state.counters["peak_MB"] = PeakMegabytes();
    state.SetLabel(bench::Utf8(kind.Title()));
}

void BM_Sheet_FourOperandsEveryOperator(benchmark::State& state) {
    const std::vector gaps(3, EveryOperator);
    RunSheet(state, CustomKind(4, {1, 100}, gaps, {0, 10000}));
}
BENCHMARK(BM_Sheet_FourOperandsEveryOperator)->Unit(benchmark::kMillisecond);

double CpuSeconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

// The naive sampler's sheet of the largest size for the kind, made anew on
// each call.
std::function<std::u16string()> NaiveSheet(const CQuestionData& kind) {
    if (kind.IsFraction()) {
        return [sampler = std::make_shared<bench::CNaiveFractionSampler>(kind)] {
            return sampler->SheetText(Rows * Columns, Columns);
        };
    }
    return [sampler = std::make_shared<bench::CNaiveSampler>(kind)] {
        return sampler->SheetText(Rows * Columns, Columns);
    };
}

// Kelvo's sheet and the naive sampler's, made in turns so that both meet the
// same load of the machine; "ratio" is Kelvo's CPU time over the sampler's.
void RunAgainstNaive(benchmark::State& state, const CQuestionData& kind) {
    std::u16string error;
    const TemplateList templates = QuestionTemplates(kind, error);
    const auto settings = bench::LargestSheet(false, true);
    const std::function<std::u16string()> naiveSheet = NaiveSheet(kind);
    int32_t generated = 0;
    double kelvoSeconds = 0;
    double naiveSeconds = 0;
    for (auto _ : state) {
        const double start = CpuSeconds();
        bench::WriteSheet(templates, settings, &generated);
        const double middle = CpuSeconds();
        const std::u16string text = naiveSheet();
        benchmark::DoNotOptimize(text.data());
        kelvoSeconds += middle - start;
        naiveSeconds += CpuSeconds() - middle;
    }
    const auto iterations = static_cast<double>(state.iterations());
    state.counters["kelvo_ms"] = kelvoSeconds * 1000 / iterations;
    state.counters["naive_ms"] = naiveSeconds * 1000 / iterations;
    state.counters["ratio"] = kelvoSeconds / naiveSeconds;
    state.SetLabel(bench::Utf8(kind.Title()));
}

void BM_VersusNaive_FourOperandsEveryOperator(benchmark::State& state) {
    const std::vector gaps(3, EveryOperator);
    RunAgainstNaive(state, CustomKind(4, {1, 100}, gaps, {0, 10000}));
}
BENCHMARK(BM_VersusNaive_FourOperandsEveryOperator)->Unit(benchmark::kMillisecond);

// BM_Sheet_Preset/N: entry N of the question-type list (separators left out),
// and BM_VersusNaive_Preset/N where the naive sampler can draw its kind.
const bool PresetsRegistered = [] {
    for (int32_t i = 0; i < PresetCount; ++i) {
        if (PresetTable()[static_cast<size_t>(i)].operandCount == 0) {
            continue;
        }
        const int32_t index = i + 1;
        benchmark::RegisterBenchmark(("BM_Sheet_Preset/" + std::to_string(index)).c_str(),
                                     [index](benchmark::State& state) {
                                         CPreCreatedQuestions presets;
                                         presets.Load();
                                         RunSheet(state, *presets.Questions().Item(index));
                                     })
            ->Unit(benchmark::kMillisecond);
        CPreCreatedQuestions presets;
        presets.Load();
        const auto& kind = *presets.Questions().Item(index);
        if (bench::CNaiveSampler::Samples(kind) || bench::CNaiveFractionSampler::Samples(kind)) {
            benchmark::RegisterBenchmark(("BM_VersusNaive_Preset/" + std::to_string(index)).c_str(),
                                         [index](benchmark::State& state) {
                                             CPreCreatedQuestions presets;
                                             presets.Load();
                                             RunAgainstNaive(state,
                                                             *presets.Questions().Item(index));
                                         })
                ->Unit(benchmark::kMillisecond);
        }
    }
    return true;
}();

void BM_Sheet_HundredAddAndSubtractInARow(benchmark::State& state) {
    CPreCreatedQuestions presets;
    presets.Load();
    RunSheet(state, *presets.Item(u"100以内的连加减"));
}
BENCHMARK(BM_Sheet_HundredAddAndSubtractInARow)->Unit(benchmark::kMillisecond);

// The kinds that rarely or never succeed.
void BM_Sheet_DivideMinusMinusIsTenThousand(benchmark::State& state) {
    RunSheet(state, CustomKind(4, {0, 10000}, {u"$$$÷", u"$－$$", u"$－$$"}, {10000, 10000}));
}
BENCHMARK(BM_Sheet_DivideMinusMinusIsTenThousand)->Unit(benchmark::kMillisecond);

void BM_Sheet_ResultTensFromOneToNine(benchmark::State& state) {
    const std::vector gaps(3, EveryOperator);
    RunSheet(state, CustomKind(4, {0, 10000}, gaps, {1, 9, 10}));
}
BENCHMARK(BM_Sheet_ResultTensFromOneToNine)->Unit(benchmark::kMillisecond);

void BM_Sheet_EveryOperatorIsTenThousand(benchmark::State& state) {
    const std::vector gaps(3, EveryOperator);
    RunSheet(state, CustomKind(4, {0, 10000}, gaps, {10000, 10000}));
}
BENCHMARK(BM_Sheet_EveryOperatorIsTenThousand)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace kelvo
