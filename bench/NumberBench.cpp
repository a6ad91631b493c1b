#include "number/CFactorization.h"
#include "number/COperand.h"
#include "number/CValueLimit.h"

#include <benchmark/benchmark.h>

namespace kelvo {
namespace {

CValueLimit MakeLimit(int32_t lower, int32_t upper, int32_t multipleOf, int32_t factorCount) {
    CValueLimit limit;
    limit.Init(lower, upper, multipleOf, factorCount);
    return limit;
}

void BM_PlainDraw(benchmark::State& state) {
    CValueLimit limit = MakeLimit(1, 1000, 1, 1);
    int32_t value = -1;
    for (auto _ : state) {
        benchmark::DoNotOptimize(limit.GetRandomValue(value));
    }
}
BENCHMARK(BM_PlainDraw);

void BM_DigitDraw(benchmark::State& state) {
    CValueLimit limit = MakeLimit(10, 99, 1, 1);
    int32_t value = -1;
    for (auto _ : state) {
        benchmark::DoNotOptimize(limit.GetRandomValueWithModulo(value, 3, 9));
    }
}
BENCHMARK(BM_DigitDraw);

// A product in 10..10000 split into two free factors of 2..100.
void BM_SplittableProductDraw(benchmark::State& state) {
    CValueLimit products = MakeLimit(10, 10000, 1, 2);
    COperand a;
    COperand b;
    a.InitLimits(2, 100, 1);
    b.InitLimits(2, 100, 1);
    const DivisorList divisors{&a, &b};
    int32_t value = -1;
    SharedFactorization();
    for (auto _ : state) {
        a.ClearResults();
        b.ClearResults();
        benchmark::DoNotOptimize(products.GetRandomValueWithLimits(value, divisors, -1));
    }
}
BENCHMARK(BM_SplittableProductDraw);

// 360 = 2 × 2 × 2 × 3 × 3 × 5 has six prime factors; 210 = 2 × 3 × 5 × 7 four.
void BM_SplitFourFactorDividend(benchmark::State& state) {
    CFactorization& factorization = SharedFactorization();
    COperand divisor;
    COperand quotient;
    divisor.InitLimits(2, 100, 1);
    quotient.InitLimits(2, 100, 1);
    const DivisorList divisors{&divisor, &quotient};
    for (auto _ : state) {
        divisor.ClearResults();
        quotient.ClearResults();
        benchmark::DoNotOptimize(factorization.SplitDivisors2(210, divisors, -1));
    }
}
BENCHMARK(BM_SplitFourFactorDividend);

// One division question of the builder: 1..1000 ÷ 1..100 with the product at most 10000.
void BM_DivisionQuestion(benchmark::State& state) {
    COperand dividend;
    COperand divisor;
    COperand quotient;
    dividend.InitLimits(1, 10000, 1);
    divisor.InitLimits(1, 100, 1);
    quotient.InitLimits(1, 1000, 1);
    SharedFactorization();
    for (auto _ : state) {
        dividend.ClearResults();
        divisor.ClearResults();
        quotient.ClearResults();
        benchmark::DoNotOptimize(dividend.CreateInstanceDivide(divisor, quotient, -1));
    }
}
BENCHMARK(BM_DivisionQuestion);

void BM_BuildFactorTable(benchmark::State& state) {
    for (auto _ : state) {
        CFactorization factorization;
        factorization.Init();
        benchmark::DoNotOptimize(factorization);
    }
}
BENCHMARK(BM_BuildFactorTable)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace kelvo
