#include "LargestSheet.h"
#include "output/COutputFormatter.h"
#include "question/CPreCreatedQuestions.h"
#include "question/QuestionTemplates.h"

#include <benchmark/benchmark.h>

#include <atomic>
#include <cstdlib>
#include <new>

// Counts every allocation of the program, so a benchmark can report how many
// its measured work makes.
namespace {
std::atomic<int64_t> g_allocations{0};
}

void* operator new(std::size_t size) {
    g_allocations.fetch_add(1, std::memory_order_relaxed);
    if (void* block = std::malloc(size == 0 ? 1 : size)) {
        return block;
    }
    throw std::bad_alloc();
}

void operator delete(void* block) noexcept {
    std::free(block);
}

void operator delete(void* block, std::size_t) noexcept {
    std::free(block);
}

namespace kelvo {
namespace {

using bench::Columns;
using bench::LargestSheet;
using bench::Rows;

TemplateList PresetTemplates(const std::u16string& title) {
    CPreCreatedQuestions presets;
    presets.Load();
    std::u16string error;
    return QuestionTemplates(*presets.Item(title), error);
}

CStringBuilder FormatSheet(const TemplateList& templates, const QuestionList& questions,
                           const BlankPositions& blanks) {
    COutputFormatter formatter;
    formatter.SetSettings(LargestSheet(true, true));
    formatter.SetExprValues(&questions);
    formatter.SetBlanks(&blanks);
    formatter.RepresentativeExpression(*templates.front());
    return formatter.Format(nullptr);
}

void BM_FormatLargestSheet(benchmark::State& state) {
    const TemplateList templates = PresetTemplates(u"100以内的连加减");
    const QuestionList questions = GenerateQuestions(templates, Rows * Columns, nullptr, nullptr);
    const BlankPositions blanks = DrawBlankPositions(questions);
    int64_t allocations = 0;
    for (auto _ : state) {
        const int64_t before = g_allocations.load();
        CStringBuilder text = FormatSheet(templates, questions, blanks);
        allocations = g_allocations.load() - before;
        benchmark::DoNotOptimize(text.Ptr());
    }
    state.counters["allocations"] = static_cast<double>(allocations);
    state.counters["cells"] = Rows * Columns;
}
BENCHMARK(BM_FormatLargestSheet)->Unit(benchmark::kMillisecond);

// From the button to the text: generation and formatting of the largest sheet.
void BM_CreateLargestSheet(benchmark::State& state, const char16_t* title) {
    const TemplateList templates = PresetTemplates(title);
    for (auto _ : state) {
        const QuestionList questions =
            GenerateQuestions(templates, Rows * Columns, nullptr, nullptr);
        CStringBuilder text = FormatSheet(templates, questions, DrawBlankPositions(questions));
        benchmark::DoNotOptimize(text.Ptr());
    }
}
BENCHMARK_CAPTURE(BM_CreateLargestSheet, Plus, u"100以内的进位加法")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_CreateLargestSheet, Minus, u"三位数减三位数")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_CreateLargestSheet, Times, u"两位数乘以两位数")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_CreateLargestSheet, Divide, u"整百数除以一位数")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_CreateLargestSheet, Mixed, u"100以内的连加减")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_CreateLargestSheet, Parentheses, u"两步混合运算（带小括号，100以内）")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_CreateLargestSheet, TableParentheses, u"乘除法带小括号（表内）")
    ->Unit(benchmark::kMillisecond);

} // namespace
} // namespace kelvo
