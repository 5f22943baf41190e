// The Calculate command end to end on a fake window, and the two number
// conversions side by side with the C library calls they stand in for.
#include "fake_view.h"
#include "load.h"
#include "numbertext.h"

#include <benchmark/benchmark.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

using vornik::FakeView;

const std::array<std::string, 8> kTexts{"0", "0.8", "0.85", "1", "100", "427.80746", "-12345.678", "1e38"};
const std::array<float, 8> kValues{0.0f, 80.0f, 427.80746f, 49.57954f, 94.117645f, -80.0f, 7.8749995f, 1e7f};

void runCalculationSinglePhase(benchmark::State& state) {
    FakeView view;
    view.inputs = {"100", "0.8", "0.85", "1"};
    for (auto _ : state) {
        vornik::runCalculation(view);
        benchmark::DoNotOptimize(view.outputs);
    }
}
BENCHMARK(runCalculationSinglePhase);

void runCalculationThreePhase(benchmark::State& state) {
    FakeView view;
    view.inputs = {"10", "0.7", "0.8", "0.9"};
    view.selectThreePhase();
    for (auto _ : state) {
        vornik::runCalculation(view);
        benchmark::DoNotOptimize(view.outputs);
    }
}
BENCHMARK(runCalculationThreePhase);

// Each iteration converts all eight texts; items_per_second counts texts.
void parseNumberText(benchmark::State& state) {
    for (auto _ : state) {
        for (const std::string& text : kTexts) {
            benchmark::DoNotOptimize(vornik::parseNumberText(text));
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(kTexts.size()));
}
BENCHMARK(parseNumberText);

void strtod(benchmark::State& state) {
    for (auto _ : state) {
        for (const std::string& text : kTexts) {
            benchmark::DoNotOptimize(std::strtod(text.c_str(), nullptr));
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(kTexts.size()));
}
BENCHMARK(strtod);

void formatResult(benchmark::State& state) {
    for (auto _ : state) {
        for (const float value : kValues) {
            benchmark::DoNotOptimize(vornik::formatResult(value));
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(kValues.size()));
}
BENCHMARK(formatResult);

// Given the same job: a std::string with three decimals.
void snprintfFixed3(benchmark::State& state) {
    for (auto _ : state) {
        for (const float value : kValues) {
            char buffer[64];
            const int size = std::snprintf(buffer, sizeof buffer, "%.3f", static_cast<double>(value));
            benchmark::DoNotOptimize(std::string(buffer, static_cast<std::size_t>(size)));
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(kValues.size()));
}
BENCHMARK(snprintfFixed3);

}  // namespace
