// A stream line drawn by mouse moves over the sample map in a 1920 × 1080
// offscreen project view: the cost of one move with 1,000 and with 100,000
// vertices already drawn (it must not grow with the line), of a full redraw
// with the line in progress, and of the view's own box-selection drag move
// for comparison.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <cmath>
#include <memory>

#include "platform/project/map_project.h"
#include "platform/view/prj_edit_view.h"
#include "tools/edit_aid/edit_aid_commands.h"
#include "tools/edit_aid/sec_edit_aid_tool.h"

namespace {

std::unique_ptr<zv::CPrjEditView> gView;
zv::MapProject* gProject = nullptr;

zv::CPrjEditView* View() {
  if (!gView) {
    gView = std::make_unique<zv::CPrjEditView>();
    gView->resize(1920, 1080);
    gView->show();
    gProject = zv::PrjOpen(ZV_SAMPLE_PROJECT);
    gView->SetProject(gProject);
    gView->OnRestoreWindow();
  }
  return gView.get();
}

// A window point of the stream line's path: it sweeps the window in loops.
zv::CPoint PathPoint(long i) {
  return {static_cast<int32_t>(100 + (i * 7) % 1700), static_cast<int32_t>(540 + 400 * std::sin(i * 0.01))};
}

// Starts a stream line and draws `vertices` of it.
long StartStreamLine(zv::CPrjEditView& view, long vertices) {
  zv::tools::StartEditAidTool(view, 101);
  view.LButtonDown(zv::MK_LBUTTON, PathPoint(0));
  view.LButtonUp(0, PathPoint(0));
  for (long i = 1; i < vertices; ++i) view.MouseMove(0, PathPoint(i));
  return vertices;
}

void StreamLineMove(benchmark::State& state) {
  zv::CPrjEditView& view = *View();
  long i = StartStreamLine(view, state.range(0));
  for (auto _ : state) view.MouseMove(0, PathPoint(i++));
  state.counters["vertices"] = static_cast<double>(i);
  view.RButtonUp(0, PathPoint(i));
  view.Undo();
}

void RedrawWithStreamLineInProgress(benchmark::State& state) {
  zv::CPrjEditView& view = *View();
  StartStreamLine(view, state.range(0));
  for (auto _ : state) view._UpdateWindow();
  view.CancelInterActive();
}

void BoxSelectionDragMove(benchmark::State& state) {
  zv::CPrjEditView& view = *View();
  view.SelectGraphics();
  view.LButtonDown(zv::MK_LBUTTON, {100, 100});
  long i = 0;
  for (auto _ : state) {
    ++i;
    view.MouseMove(zv::MK_LBUTTON, {static_cast<int32_t>(600 + i % 800), static_cast<int32_t>(400 + i % 500)});
  }
  view.LButtonUp(0, {100, 100});
  view.ClearPool();
}

BENCHMARK(StreamLineMove)->Arg(1000)->Arg(100000)->Iterations(2000)->Unit(benchmark::kMicrosecond);
BENCHMARK(RedrawWithStreamLineInProgress)->Arg(1)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BoxSelectionDragMove)->Iterations(2000)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  gView.reset();
  zv::PrjClose(gProject);
  return 0;
}
