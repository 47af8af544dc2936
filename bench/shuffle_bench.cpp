// Fold, segment, block-shuffle and join the 10 MB corpus. Goal: under 0.3 s
// with the engine's own memory under 100 MB. The peak is measured by
// counting every allocation made while the work runs.
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <new>

#include "make_corpus.h"
#include "text/characters.h"
#include "text/large_buffer.h"
#include "text/random.h"
#include "text/shuffle.h"

namespace {

std::atomic<std::size_t> liveBytes{0};
std::atomic<std::size_t> peakBytes{0};

void noteAllocation(void* block) {
    const std::size_t now = liveBytes += malloc_usable_size(block);
    std::size_t peak = peakBytes.load();
    while (now > peak && !peakBytes.compare_exchange_weak(peak, now)) {
    }
}

}  // namespace

// These replacements pair malloc with free themselves; GCC cannot see that
// once it has inlined them into each other.
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
#endif

void* operator new(std::size_t size) {
    void* block = std::malloc(size == 0 ? 1 : size);
    if (!block) throw std::bad_alloc();
    noteAllocation(block);
    return block;
}
void operator delete(void* block) noexcept {
    if (!block) return;
    liveBytes -= malloc_usable_size(block);
    std::free(block);
}
void operator delete(void* block, std::size_t) noexcept { operator delete(block); }

namespace {

const std::string& corpus() {
    static const std::string text = nalvic::bench::makeCorpus(nalvic::bench::corpus10MB);
    return text;
}

void BM_ShuffleText(benchmark::State& state) {
    const std::string& source = corpus();
    std::size_t peak = 0;
    std::size_t characters = 0;
    for (auto _ : state) {
        // The source text stands for the text read from the window, which
        // exists before the work starts: neither its copy nor its memory counts.
        state.PauseTiming();
        nalvic::Text text;
        nalvic::reserveMore(text, source.size());
        text.append(source);
        state.ResumeTiming();
        const std::size_t before = liveBytes.load();
        peakBytes = before;
        {
            nalvic::seedRandom(1);
            nalvic::TextArray charList;
            nalvic::TextArray shuffledList;
            nalvic::segmentCharacters(text, charList);
            characters = static_cast<std::size_t>(charList.count());
            nalvic::shuffleAllBlocks(charList, shuffledList);
            const nalvic::Text joined = nalvic::joinElements(shuffledList);
            benchmark::DoNotOptimize(joined.data());
        }
        peak = std::max(peak, peakBytes.load() - before);
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * source.size()));
    state.counters["characters"] = static_cast<double>(characters);
    state.counters["peak_MB"] = static_cast<double>(peak) / (1 << 20);
}

BENCHMARK(BM_ShuffleText)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
