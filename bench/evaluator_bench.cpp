// The calculator's evaluator on long pasted expressions of mixed operators:
// the time must grow linearly with the length (a 1 MB text well under a second).
#include "core/evaluator.h"

#include <benchmark/benchmark.h>

#include <random>
#include <string>

namespace {

std::string mixedExpression(std::size_t size)
{
    static const char* const numbers[] = {"1314", "3", "520", "0.5", "2", "12.75", "7", "99", "1e3", "0.001"};
    static const char operators[] = {'+', '-', '*', '/', '^'};
    std::mt19937 random(42);
    std::uniform_int_distribution<int> number(0, 9);
    std::uniform_int_distribution<int> op(0, 4);
    std::string out = numbers[number(random)];
    char previous = '+';
    while (out.size() < size) {
        // A divisor is never a power, so no division error ends the evaluation early.
        char next = operators[op(random)];
        if (previous == '/' && next == '^')
            next = '*';
        out += next;
        out += numbers[number(random)];
        previous = next;
    }
    return out;
}

void BM_EvaluateMixed(benchmark::State& state)
{
    const std::string expression = mixedExpression(static_cast<std::size_t>(state.range(0)));
    if (calc::evaluate(expression).divisionError)
        state.SkipWithError("the expression divides by zero");
    for (auto _ : state)
        benchmark::DoNotOptimize(calc::evaluate(expression));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(expression.size()));
    state.SetComplexityN(state.range(0));
}

BENCHMARK(BM_EvaluateMixed)
    ->Arg(1 << 10)
    ->Arg(10 << 10)
    ->Arg(100 << 10)
    ->Arg(1 << 20)
    ->Unit(benchmark::kMillisecond)
    ->Complexity(benchmark::oN);

} // namespace
