// One million two-character words from the 10 MB pool, each followed by
// "\r\n", into one result. Goal: under 0.1 s.
#include <benchmark/benchmark.h>

#include "make_corpus.h"
#include "text/characters.h"
#include "text/random.h"
#include "text/words.h"

namespace {

const nalvic::TextArray& pool() {
    static const nalvic::TextArray characters = [] {
        nalvic::Text text = nalvic::bench::makeCorpus(nalvic::bench::corpus10MB);
        nalvic::TextArray out;
        nalvic::segmentCharacters(text, out);
        return out;
    }();
    return characters;
}

void BM_MillionWords(benchmark::State& state) {
    const nalvic::TextArray& characters = pool();
    const int32_t size = characters.count();
    constexpr int words = 1'000'000;
    for (auto _ : state) {
        nalvic::seedRandom(1);
        nalvic::Text result;
        for (int i = 0; i < words; ++i) {
            result += nalvic::composeWord(characters, 2, size);
            result += "\r\n";
        }
        benchmark::DoNotOptimize(result.data());
    }
    state.SetItemsProcessed(state.iterations() * words);
}

BENCHMARK(BM_MillionWords)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
