// Appending to a read-only text box as the reading display does (caret to the end, scrolled
// into view, the block put in place of the empty selection), behind texts of different
// lengths: the cost of an append should follow what is appended, not what the box holds.
// Needs a display or QT_QPA_PLATFORM=offscreen.

#include "platform/controls.h"

#include <QApplication>
#include <QWidget>

#include <benchmark/benchmark.h>

#include <climits>
#include <string>

namespace {

using namespace zandrel;

constexpr ControlTemplate kBox{1107,
                               ControlKind::Edit,
                               "",
                               {7, 7, 286, 160},
                               kMultiLine | kReadOnly | kBorder | kVScroll | kAutoVScroll |
                                   kNoHideSel};

const std::string kBlock = "Hexagram 1 Creative Yang Force\r\nContinuing firmly and correctly will "
                           "lead to great success.\r\n";

// A shown window holding the box, as a dialog would.
struct Shown {
    QWidget window;
    CTextViewer* box = nullptr;

    Shown() {
        window.resize(600, 400);
        box = static_cast<CTextViewer*>(&CreateControl(&window, kBox, {}).Widget());
        window.show();
    }
};

// The box as an append leaves it: the caret at the end, in view.
void ShowToTheEnd(CTextViewer& box, const std::string& text) {
    box.SetWindowText(text);
    box.SetSel(INT_MAX, INT_MAX);
    box.ScrollCaret();
}

void Append(CTextViewer& box, const std::string& text) {
    int start = 0;
    int end = 0;
    box.GetSel(&start, &end);
    box.SetSel(end, end);
    box.ScrollCaret();
    box.ReplaceSel(text);
}

// One block appended behind `range(0)` blocks.
void BM_AppendBlock(benchmark::State& state) {
    Shown shown;
    std::string before;
    for (int i = 0; i < state.range(0); ++i) {
        before += kBlock;
    }
    for (auto _ : state) {
        state.PauseTiming();
        ShowToTheEnd(*shown.box, before);
        state.ResumeTiming();
        Append(*shown.box, kBlock);
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_AppendBlock)->Arg(3)->Arg(300)->Arg(3000)->Unit(benchmark::kMicrosecond)->Complexity();

// A few words appended to the end of one line of `range(0)` characters, which is shown in
// many blocks.
void BM_AppendToLongLine(benchmark::State& state) {
    Shown shown;
    std::string line;
    while (line.size() < static_cast<std::size_t>(state.range(0))) {
        line += "word ";
    }
    line.resize(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        ShowToTheEnd(*shown.box, line);
        state.ResumeTiming();
        Append(*shown.box, " and more");
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_AppendToLongLine)
    ->Arg(64 << 10)
    ->Arg(4 << 20)
    ->Unit(benchmark::kMicrosecond)
    ->Complexity();

} // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
