// A text of one line of megabytes in a memo, as a pasted block in a task's
// note or a damaged "msg.dat" holds it. Goal: the note memo of the task
// dialog (236 x 81 pixels) shows one line of 8 MiB, and scrolls to its end,
// in under 1 s; the time grows linearly with the length.
#include "platform/core/AnsiString.h"
#include "platform/widgets/CodePageMemo.h"

#include <QApplication>
#include <QScrollBar>

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace {

// Words and blanks on one line; or, with `blanks` false, one endless word.
AnsiString OneLine(std::size_t length, bool blanks) {
    const std::string word = blanks ? "lorem ipsum dolor sit amet " : "loremipsumdolorsitamet";
    AnsiString line;
    line.reserve(length + word.size());
    while (line.size() < length)
        line += word;
    line.resize(length);
    return line;
}

void BM_OneLineNote(benchmark::State& state) {
    const std::vector<AnsiString> lines = {
        OneLine(static_cast<std::size_t>(state.range(0)) << 20, state.range(1) != 0)};
    for (auto _ : state) {
        CodePageMemo memo;
        memo.resize(236, 81);
        memo.SetLines(lines);
        memo.show();
        QApplication::processEvents();
        memo.verticalScrollBar()->setValue(memo.verticalScrollBar()->maximum());
        memo.moveCursor(QTextCursor::End);
        QApplication::processEvents();
        benchmark::DoNotOptimize(memo.Lines().size());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * (state.range(0) << 20));
}
// Megabytes, and whether the line has blanks to wrap at.
BENCHMARK(BM_OneLineNote)
    ->ArgsProduct({{1, 8}, {0, 1}})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::benchmark::Initialize(&argc, argv);
    ::benchmark::RunSpecifiedBenchmarks();
    ::benchmark::Shutdown();
    return 0;
}
