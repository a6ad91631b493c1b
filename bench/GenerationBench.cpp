#include "generation/GenerationDriver.h"
#include "number/OperatorCodes.h"

#include <benchmark/benchmark.h>

#include <vector>

namespace kelvo {
namespace {

// The largest worksheet: 5000 rows of 20 questions.
constexpr int32_t LargestWorksheet = 100000;

struct Range {
    int32_t lower;
    int32_t upper;
};

std::shared_ptr<COperand> MakeOperand(Range range, int32_t leftOperator) {
    auto operand = std::make_shared<COperand>();
    operand->InitLimits(range.lower, range.upper, 1);
    operand->SetLeftOperator(leftOperator);
    return operand;
}

std::shared_ptr<CExpression> MakeTemplate(const std::vector<Range>& operands,
                                          const std::vector<int32_t>& operators, Range result,
                                          int32_t cbr = Cbr::None) {
    OperandList list;
    for (size_t k = 0; k < operands.size(); ++k) {
        list.push_back(MakeOperand(operands[k], k == 0 ? Op::None : operators[k - 1]));
    }
    list[1]->SetCbrSetting(cbr);
    auto expression = std::make_shared<CExpression>();
    expression->Init(std::move(list), MakeOperand(result, Op::None));
    return expression;
}

void RunGeneration(benchmark::State& state, const TemplateList& templates) {
    int32_t generated = 0;
    for (auto _ : state) {
        QuestionList questions =
            GenerateQuestions(templates, LargestWorksheet, &generated, nullptr);
        benchmark::DoNotOptimize(questions);
    }
    state.counters["generated"] = generated;
}

void BM_SmallSumWithCarry(benchmark::State& state) {
    RunGeneration(state, {MakeTemplate({{0, 20}, {0, 20}}, {Op::Plus}, {0, 40}, Cbr::Carry)});
}
BENCHMARK(BM_SmallSumWithCarry)->Unit(benchmark::kMillisecond);

void BM_LargeSum(benchmark::State& state) {
    RunGeneration(state, {MakeTemplate({{100, 999}, {100, 999}}, {Op::Plus}, {0, 2000})});
}
BENCHMARK(BM_LargeSum)->Unit(benchmark::kMillisecond);

void BM_LargeProduct(benchmark::State& state) {
    RunGeneration(state, {MakeTemplate({{1, 1000}, {1, 100}}, {Op::Times}, {0, 10000})});
}
BENCHMARK(BM_LargeProduct)->Unit(benchmark::kMillisecond);

void BM_LargeQuotient(benchmark::State& state) {
    RunGeneration(state, {MakeTemplate({{1, 10000}, {1, 100}}, {Op::Divide}, {0, 10000})});
}
BENCHMARK(BM_LargeQuotient)->Unit(benchmark::kMillisecond);

// Division with a remainder, enumerated (the three-digit preset's 7200
// combinations) and built at random (a four-digit dividend).
void BM_QuotientWithRemainder(benchmark::State& state) {
    RunGeneration(state,
                  {MakeTemplate({{100, 999}, {2, 9}}, {Op::Divide}, {1, 1000}, Cbr::Remainder)});
}
BENCHMARK(BM_QuotientWithRemainder)->Unit(benchmark::kMillisecond);

void BM_LargeQuotientWithRemainder(benchmark::State& state) {
    RunGeneration(state,
                  {MakeTemplate({{1000, 9999}, {2, 99}}, {Op::Divide}, {1, 5000}, Cbr::Remainder)});
}
BENCHMARK(BM_LargeQuotientWithRemainder)->Unit(benchmark::kMillisecond);

// Every operator once: a + b x c - d / e has five operands, so the mix is
// spread over the two templates a x b / c + d and a x b / c - d.
void BM_FourOperandMix(benchmark::State& state) {
    const Range r{1, 100};
    RunGeneration(state,
                  {MakeTemplate({r, r, r, r}, {Op::Times, Op::Divide, Op::Plus}, {0, 10000}),
                   MakeTemplate({r, r, r, r}, {Op::Times, Op::Divide, Op::Minus}, {0, 10000})});
}
BENCHMARK(BM_FourOperandMix)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace kelvo
