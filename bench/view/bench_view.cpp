// Pan, zoom and hit tests of an offscreen editing view over a line file of
// 1,000,000 vertices (1,000 contour-like lines of 1,000 vertices each).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <cmath>
#include <memory>
#include <random>

#include "platform/view/gis_edit_view.h"

namespace {

std::unique_ptr<zv::CGisEditView> gView;

zv::CGisEditView* View() {
  if (!gView) gView = [] {
    auto v = std::make_unique<zv::CGisEditView>();
    v->resize(1920, 1080);
    v->show();
    std::mt19937 random(42);
    std::normal_distribution<double> step(0.0, 1.0);
    zv::LIN_INFO info;
    info.setStyle(1);
    info.setColour(1);
    std::vector<D_DOT> vertices(1000);
    for (int line = 0; line < 1000; ++line) {
      double y = line * 10.0;
      for (int i = 0; i < 1000; ++i) {
        y += step(random);
        vertices[static_cast<std::size_t>(i)] = {i * 10.0, y};
      }
      zv::BasAppendLine(v->GetCurrentLinArea(), vertices, info);
    }
    v->OnRestoreWindow();
    return v;
  }();
  return gView.get();
}

void FullExtentRedraw(benchmark::State& state) {
  zv::CGisEditView* view = View();
  view->OnRestoreWindow();
  for (auto _ : state) view->_UpdateWindow();
}

void ZoomedRedraw(benchmark::State& state) {
  zv::CGisEditView* view = View();
  view->OnRestoreWindow();
  view->_EnlargeWindowLxy({960, 540}, 10.0);
  for (auto _ : state) view->_UpdateWindow();
}

void PanAtTenTimesZoom(benchmark::State& state) {
  zv::CGisEditView* view = View();
  view->OnRestoreWindow();
  view->_EnlargeWindowLxy({960, 540}, 10.0);
  int direction = 1;
  for (auto _ : state) {
    view->_MoveWindowLxy(40 * direction, 0);  // pans and redraws
    direction = -direction;
  }
}

void ZoomInAndOut(benchmark::State& state) {
  zv::CGisEditView* view = View();
  view->OnRestoreWindow();
  bool in = true;
  for (auto _ : state) {
    in ? view->_EnlargeWindowLxy({700, 400}, 2.0) : view->_ReduceWindowLxy({700, 400}, 2.0);
    in = !in;
  }
}

void ClickHitTest(benchmark::State& state) {
  zv::CGisEditView* view = View();
  view->OnRestoreWindow();
  std::mt19937 random(7);
  std::uniform_int_distribution<int> x(0, 1919), y(0, 1079);
  for (auto _ : state) benchmark::DoNotOptimize(view->PickAtPoint(zv::CGisEditView::kPickLines, {x(random), y(random)}));
}

void BoxSelection(benchmark::State& state) {
  zv::CGisEditView* view = View();
  view->OnRestoreWindow();
  for (auto _ : state) {
    view->SelectLin(zv::WM_LBUTTONDOWN, zv::MK_LBUTTON, {100, 100}, 0);
    view->SelectLin(zv::WM_LBUTTONUP, 0, {900, 700}, 0);
    view->ClearPool();
  }
}

BENCHMARK(FullExtentRedraw)->Unit(benchmark::kMillisecond);
BENCHMARK(ZoomedRedraw)->Unit(benchmark::kMillisecond);
BENCHMARK(PanAtTenTimesZoom)->Unit(benchmark::kMillisecond);
BENCHMARK(ZoomInAndOut)->Unit(benchmark::kMillisecond);
BENCHMARK(ClickHitTest)->Unit(benchmark::kMillisecond);
BENCHMARK(BoxSelection)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  gView.reset();
  return 0;
}
