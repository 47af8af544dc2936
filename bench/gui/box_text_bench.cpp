// Reading and writing a 10 MB text in a large box of the real window,
// headless, against the cost of the widget itself (setPlainText and
// toRawText of the same text) and of the GBK conversion alone.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPlainTextEdit>
#include <QTextDocument>

#include "ui/gbk_codec.h"
#include "ui/program.h"

namespace {

using namespace nalvic;

constexpr const char* kBox = "编辑框_原文本";

// About 10 MB of GBK text in 80-byte lines: Chinese, ASCII and an emoji.
Text tenMegabytes() {
    const QString line = QString::fromUtf8("文本处理 Nalvic 替换、插入和打乱 text 😀 一二三四五六七八九十 abcdefghij");
    Text gbkLine = unicodeToGbk(line);
    gbkLine.resize(78, ' ');
    gbkLine += "\r\n";
    Text text;
    while (text.size() < 10'000'000) text += gbkLine;
    return text;
}

const Text& corpus() {
    static const Text text = tenMegabytes();
    return text;
}

Program& program() {
    static Program instance("http://127.0.0.1:9");
    return instance;
}

void BM_WidgetSetPlainText(benchmark::State& state) {
    const QString text = gbkToUnicode(corpus(), LineBreaks::AllToLf);
    auto* box = program().mainWindow().control<QPlainTextEdit>(kBox);
    for (auto _ : state) box->setPlainText(text);
}

void BM_WriteText(benchmark::State& state) {
    for (auto _ : state) program().controls().writeText(kBox, corpus());
}

void BM_ReadTextAfterWrite(benchmark::State& state) {
    program().controls().writeText(kBox, corpus());
    for (auto _ : state) benchmark::DoNotOptimize(program().controls().readText(kBox));
}

void BM_WidgetToRawText(benchmark::State& state) {
    auto* box = program().mainWindow().control<QPlainTextEdit>(kBox);
    box->setPlainText(gbkToUnicode(corpus(), LineBreaks::AllToLf));
    for (auto _ : state) benchmark::DoNotOptimize(box->document()->toRawText());
}

// A box the user has edited is read from the widget and converted.
void BM_ReadTextAfterUserEdit(benchmark::State& state) {
    auto* box = program().mainWindow().control<QPlainTextEdit>(kBox);
    box->setPlainText(gbkToUnicode(corpus(), LineBreaks::AllToLf));
    for (auto _ : state) benchmark::DoNotOptimize(program().controls().readText(kBox));
}

void BM_ConvertToUnicode(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(gbkToUnicode(corpus(), LineBreaks::AllToLf));
}

void BM_ConvertToGbk(benchmark::State& state) {
    const QString text = gbkToUnicode(corpus(), LineBreaks::AllToLf);
    for (auto _ : state) benchmark::DoNotOptimize(unicodeToGbk(text, true));
}

BENCHMARK(BM_WidgetSetPlainText)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_WriteText)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_ReadTextAfterWrite)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_WidgetToRawText)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadTextAfterUserEdit)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ConvertToUnicode)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ConvertToGbk)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    program().mainWindow().show();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
