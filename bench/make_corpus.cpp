// Writes the benchmark corpus to files, for comparing with other tools:
//
//   c++ -std=c++20 -O2 -o /tmp/make_corpus bench/make_corpus.cpp
//   /tmp/make_corpus bench/corpus      # corpus-10m.txt and corpus-100m.txt
//
// The benchmarks themselves build the same corpus in memory.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "make_corpus.h"

int main(int argc, char** argv) {
    const std::filesystem::path folder = argc > 1 ? argv[1] : "bench/corpus";
    std::filesystem::create_directories(folder);
    const struct {
        const char* name;
        std::size_t size;
    } files[] = {{"corpus-10m.txt", nalvic::bench::corpus10MB},
                 {"corpus-100m.txt", nalvic::bench::corpus100MB}};
    for (const auto& file : files) {
        const std::string corpus = nalvic::bench::makeCorpus(file.size);
        std::ofstream(folder / file.name, std::ios::binary).write(corpus.data(),
                                                                  static_cast<std::streamsize>(corpus.size()));
        std::printf("%s: %zu bytes\n", (folder / file.name).c_str(), corpus.size());
    }
}
