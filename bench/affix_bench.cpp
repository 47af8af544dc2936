// Per-line affixes over the 100 MB corpus: split at "\r\n", then prefix +
// line + suffix + "\r\n" for every line into one result. Goal: under 0.1 s.
#include <benchmark/benchmark.h>

#include "make_corpus.h"
#include "text/large_buffer.h"
#include "text/text_array.h"
#include "text/words.h"

namespace {

const std::string& corpus() {
    static const std::string text = nalvic::bench::makeCorpus(nalvic::bench::corpus100MB);
    return text;
}

void BM_AffixEveryLine(benchmark::State& state) {
    const std::string& source = corpus();
    constexpr std::string_view prefix = "[";
    constexpr std::string_view suffix = "]";
    for (auto _ : state) {
        const nalvic::TextArray lines = nalvic::textSplit(source, "\r\n");
        const auto count = static_cast<std::size_t>(lines.count());
        nalvic::Text result;
        nalvic::reserveMore(result, source.size() + count * (prefix.size() + suffix.size() + 2));
        for (std::size_t i = 0; i < count; ++i)
            nalvic::appendAffixedLine(result, prefix, lines[i], suffix);
        benchmark::DoNotOptimize(result.data());
        state.counters["lines"] = static_cast<double>(count);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * source.size()));
}

void BM_SplitLines(benchmark::State& state) {
    const std::string& source = corpus();
    for (auto _ : state) {
        const nalvic::TextArray lines = nalvic::textSplit(source, "\r\n");
        benchmark::DoNotOptimize(lines.count());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * source.size()));
}

BENCHMARK(BM_AffixEveryLine)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_SplitLines)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
