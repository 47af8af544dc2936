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

constexpr std::string_view prefix = "[";
constexpr std::string_view suffix = "]";

nalvic::Text affixEveryLine(const nalvic::TextArray& lines, std::size_t sourceSize) {
    const auto count = static_cast<std::size_t>(lines.count());
    nalvic::Text result;
    nalvic::reserveMore(result, sourceSize + count * (prefix.size() + suffix.size() + 2));
    for (std::size_t i = 0; i < count; ++i) nalvic::appendAffixedLine(result, prefix, lines[i], suffix);
    return result;
}

// The source is a text just read from the window, which the split takes
// over; making that text is not part of the work.
void BM_AffixEveryLine(benchmark::State& state) {
    const std::string& source = corpus();
    for (auto _ : state) {
        state.PauseTiming();
        nalvic::Text text;
        nalvic::reserveMore(text, source.size());
        text.append(source);
        state.ResumeTiming();
        const nalvic::TextArray lines = nalvic::textSplit(std::move(text), "\r\n");
        const nalvic::Text result = affixEveryLine(lines, source.size());
        benchmark::DoNotOptimize(result.data());
        state.counters["lines"] = static_cast<double>(lines.count());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * source.size()));
}

// The same when the split has to copy the source.
void BM_AffixEveryLineCopyingSource(benchmark::State& state) {
    const std::string& source = corpus();
    for (auto _ : state) {
        const nalvic::TextArray lines = nalvic::textSplit(std::string_view(source), "\r\n");
        const nalvic::Text result = affixEveryLine(lines, source.size());
        benchmark::DoNotOptimize(result.data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * source.size()));
}

BENCHMARK(BM_AffixEveryLine)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_AffixEveryLineCopyingSource)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
