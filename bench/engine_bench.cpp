#include "engine/calculate.h"
#include "tests/support/workedexamples.h"

#include <benchmark/benchmark.h>

namespace {

void FullDesignWithTexts(benchmark::State& state)
{
    const mix::MixInputs in = firstExample();
    for (auto _ : state)
        benchmark::DoNotOptimize(mix::calculate(in));
}
BENCHMARK(FullDesignWithTexts);

void NumbersAlone(benchmark::State& state)
{
    const mix::MixInputs in = firstExample();
    for (auto _ : state)
        benchmark::DoNotOptimize(mix::computeDesign(in));
}
BENCHMARK(NumbersAlone);

void RefusedInput(benchmark::State& state)
{
    mix::MixInputs in = firstExample();
    in.moistureText = "1.2.5";
    for (auto _ : state)
        benchmark::DoNotOptimize(mix::calculate(in));
}
BENCHMARK(RefusedInput);

} // namespace

BENCHMARK_MAIN();
