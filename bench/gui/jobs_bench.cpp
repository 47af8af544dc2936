// The background jobs in the real window, headless: from the click on a job's
// button until its result is in the box and the button is enabled again.
//
// Besides the time, each run reports how long the user-interface thread was
// unable to respond: a 1 ms timer on that thread records the longest gap
// between its shots (max_ui_block_ms), and the longest stretch of processor
// time that thread used between two shots (max_ui_cpu_ms), which other load
// on the machine does not inflate. The gap in which a result box is first
// filled is reported apart (result_write_ms).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <algorithm>
#include <ctime>
#include <string>

#include "../make_corpus.h"
#include "app/handlers.h"
#include "ui/program.h"

namespace {

using namespace nalvic;

struct Measured {
    double seconds = 0;
    double maxBlockMs = 0;
    double resultWriteMs = 0;
    double clickMs = 0;
    double maxCpuMs = 0;
};

double threadCpuMs() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

// Clicks the button and runs the event loop until the job has ended.
Measured clickAndWait(Program& program, std::string_view button, std::string_view resultBox) {
    auto* start = program.mainWindow().control<QPushButton>(button);
    auto* box = program.mainWindow().control<QPlainTextEdit>(resultBox);
    Measured measured;
    QElapsedTimer clock;
    qint64 lastShot = 0;
    double lastCpuMs = threadCpuMs();
    bool wasFilled = false;
    QTimer watch;
    watch.setTimerType(Qt::PreciseTimer);
    watch.setInterval(1);
    QObject::connect(&watch, &QTimer::timeout, [&] {
        const qint64 now = clock.nsecsElapsed();
        const double gapMs = static_cast<double>(now - lastShot) / 1e6;
        lastShot = now;
        const double cpuMs = threadCpuMs();
        measured.maxCpuMs = std::max(measured.maxCpuMs, cpuMs - lastCpuMs);
        lastCpuMs = cpuMs;
        const bool filled = !box->document()->isEmpty();
        double& slot = filled && !wasFilled ? measured.resultWriteMs : measured.maxBlockMs;
        slot = std::max(slot, gapMs);
        wasFilled = filled;
    });
    clock.start();
    watch.start();
    start->click();
    measured.clickMs = static_cast<double>(clock.nsecsElapsed()) / 1e6;
    while (!start->isEnabled()) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    measured.seconds = static_cast<double>(clock.nsecsElapsed()) / 1e9;
    // The gap that ends with the job counts too.
    const double lastGapMs = static_cast<double>(clock.nsecsElapsed() - lastShot) / 1e6;
    if (wasFilled || lastGapMs < measured.resultWriteMs)
        measured.maxBlockMs = std::max(measured.maxBlockMs, lastGapMs);
    else
        measured.resultWriteMs = std::max(measured.resultWriteMs, lastGapMs);
    return measured;
}

void report(benchmark::State& state, const Measured& worst, std::size_t resultBytes) {
    state.counters["max_ui_block_ms"] = worst.maxBlockMs;
    state.counters["result_write_ms"] = worst.resultWriteMs;
    state.counters["click_ms"] = worst.clickMs;
    state.counters["max_ui_cpu_ms"] = worst.maxCpuMs;
    state.counters["result_MB"] = static_cast<double>(resultBytes) / (1 << 20);
}

template <class Prepare>
void runJob(benchmark::State& state, std::string_view button, std::string_view resultBox,
            Prepare prepare) {
    Program program("http://127.0.0.1:9");
    program.start();
    prepare(program);
    Measured worst;
    for (auto _ : state) {
        const Measured run = clickAndWait(program, button, resultBox);
        state.SetIterationTime(run.seconds);
        worst.maxBlockMs = std::max(worst.maxBlockMs, run.maxBlockMs);
        worst.resultWriteMs = std::max(worst.resultWriteMs, run.resultWriteMs);
        worst.clickMs = std::max(worst.clickMs, run.clickMs);
        worst.maxCpuMs = std::max(worst.maxCpuMs, run.maxCpuMs);
    }
    report(state, worst, program.controls().readText(resultBox).size());
}

void BM_Shuffle10MB(benchmark::State& state) {
    runJob(state, "按钮_打乱", "编辑框_打乱重排文本", [](Program& program) {
        program.controls().writeText("编辑框_打乱原文本", bench::makeCorpus(bench::corpus10MB));
    });
}

// 100,000 lines of about 50 bytes each.
Text insertionSource() {
    const std::string corpus = bench::makeCorpus(1 << 20);
    Text source;
    std::size_t at = 0;
    for (int line = 0; line < 100000; ++line) {
        std::size_t end = at;
        while (end - at < 46) end += static_cast<unsigned char>(corpus[end]) >= 0x80 ? 2 : 1;
        for (std::size_t i = at; i < end; ++i)
            source += corpus[i] == '\r' || corpus[i] == '\n' ? ' ' : corpus[i];
        source += "\r\n";
        at = end < corpus.size() - 200 ? end : 0;
    }
    return source;
}

void BM_InsertMultiText100kLines(benchmark::State& state) {
    runJob(state, "按钮_插入文本", "编辑框_插入文本改后文本", [](Program& program) {
        program.app().state.multiLineMode = 1;
        program.controls().writeText("编辑框_插入文本原文本", insertionSource());
        program.controls().writeText("编辑框_前缀", "<<");
        program.controls().writeText("编辑框_后缀", ">>");
    });
}

void prepareWords(Program& program) {
    program.controls().writeText("编辑框_打乱原文本", bench::makeCorpus(100 << 10));
    program.controls().writeText("编辑框_输出条数", "100000");
}

void BM_RandomWords100kFixedLength(benchmark::State& state) {
    runJob(state, "按钮_随机组词", "编辑框_随机组词文本", prepareWords);
}

void BM_RandomWords100kRandomLength(benchmark::State& state) {
    runJob(state, "按钮_随机组词", "编辑框_随机组词文本", [](Program& program) {
        prepareWords(program);
        program.mainWindow().control<QRadioButton>("单选框_随机词位数")->click();
    });
}

// Closing the program while a job runs: the time from the start of the
// shutdown until every stage has returned.
template <class Prepare>
void shutdownDuringJob(benchmark::State& state, std::string_view button, Prepare prepare) {
    for (auto _ : state) {
        Program program("http://127.0.0.1:9");
        program.start();
        prepare(program);
        program.mainWindow().control<QPushButton>(button)->click();
        QElapsedTimer running;
        running.start();
        while (running.elapsed() < 150) QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QElapsedTimer clock;
        clock.start();
        program.shutdown();
        state.SetIterationTime(static_cast<double>(clock.nsecsElapsed()) / 1e9);
    }
}

void BM_ShutdownDuringShuffle10MB(benchmark::State& state) {
    shutdownDuringJob(state, "按钮_打乱", [](Program& program) {
        program.controls().writeText("编辑框_打乱原文本", bench::makeCorpus(bench::corpus10MB));
    });
}

void BM_ShutdownDuringEndlessRandomWords(benchmark::State& state) {
    shutdownDuringJob(state, "按钮_随机组词", [](Program& program) {
        program.controls().writeText("编辑框_打乱原文本", "abc");
        program.controls().writeText("编辑框_输出条数", "2000000000");
    });
}

BENCHMARK(BM_Shuffle10MB)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_InsertMultiText100kLines)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_RandomWords100kFixedLength)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10);
BENCHMARK(BM_RandomWords100kRandomLength)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(10);
BENCHMARK(BM_ShutdownDuringShuffle10MB)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_ShutdownDuringEndlessRandomWords)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
