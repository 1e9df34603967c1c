// Format and CDbl against the standard conversions they are built on. Format(x, "######.00") runs
// against std::to_chars (fixed, two places) into a std::string, CDbl against std::from_chars on the
// same texts; after the run the throughput ratios are printed (1.0 = as fast as the baseline).
#include "framework/CDbl.h"
#include "framework/Format.h"
#include "framework/NumberLocale.h"

#include "RatioReporter.h"

#include <benchmark/benchmark.h>

#include <charconv>
#include <cstdio>
#include <map>
#include <random>
#include <string>
#include <vector>

namespace {

// Prices and percentages as the program shows them: up to six integer digits, some negative.
const std::vector<double>& values()
{
    static const std::vector<double> values = [] {
        std::mt19937_64 random(42);
        std::uniform_real_distribution<> distribution(-2000, 100000);
        std::vector<double> v(1024);
        for (double& x : v)
            x = distribution(random) / 7;
        return v;
    }();
    return values;
}

const std::vector<std::string>& texts(const fw::NumberLocale& locale)
{
    static std::map<char, std::vector<std::string>> cache;
    auto& t = cache[locale.decimalSeparator];
    if (t.empty())
        for (double x : values())
            t.push_back(fw::Format(x, "######.00", locale));
    return t;
}

void formatPattern(benchmark::State& state)
{
    const auto locale = fw::NumberLocale::c();
    for (auto _ : state)
        for (double x : values())
            benchmark::DoNotOptimize(fw::Format(x, "######.00", locale));
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(values().size()));
}

void formatToChars(benchmark::State& state)
{
    for (auto _ : state)
        for (double x : values()) {
            char buffer[64];
            const auto end =
                std::to_chars(buffer, buffer + sizeof buffer, x, std::chars_format::fixed, 2).ptr;
            benchmark::DoNotOptimize(std::string(buffer, end));
        }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(values().size()));
}

void readCDbl(benchmark::State& state, fw::NumberLocale locale)
{
    const auto& t = texts(locale);
    for (auto _ : state)
        for (const auto& text : t)
            benchmark::DoNotOptimize(fw::CDbl(text, locale));
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(t.size()));
}

void readFromChars(benchmark::State& state)
{
    const auto& t = texts(fw::NumberLocale::c());
    for (auto _ : state)
        for (const auto& text : t) {
            double x = 0;
            std::from_chars(text.data(), text.data() + text.size(), x);
            benchmark::DoNotOptimize(x);
        }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(t.size()));
}

BENCHMARK(formatPattern);
BENCHMARK(formatToChars);
BENCHMARK_CAPTURE(readCDbl, C, fw::NumberLocale::c());
BENCHMARK_CAPTURE(readCDbl, German, fw::NumberLocale::german());
BENCHMARK(readFromChars);

} // namespace

int main(int argc, char** argv)
{
    RatioReporter reporter;
    if (!RunBenchmarks(&argc, argv, reporter))
        return 1;
    reporter.printThroughputRatio("formatPattern", "formatToChars");
    reporter.printThroughputRatio("readCDbl/C", "readFromChars");
    reporter.printThroughputRatio("readCDbl/German", "readFromChars");
    return 0;
}
