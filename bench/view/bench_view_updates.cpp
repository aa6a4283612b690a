// What a view costs when the areas it shows change: an offscreen 1920 x 1080
// editing view over a line file of 1,000,000 vertices at full extent.
//   bench_view_updates [UPDATES]
// Prints the time per update and the repaints issued for UPDATES (100,000
// by default) single-line updates each in a turn of the event loop of its
// own, the same updates in one batch, and a partial repaint after a
// single-point move beside a full redraw.
#include <QApplication>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <random>

#include "platform/view/gis_edit_view.h"

namespace {

double Seconds(const std::chrono::steady_clock::time_point& start) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

int Repaints(const zv::CGisEditView& view) { return view.RedrawCount() + view.PartialRedrawCount(); }

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  const int updates = argc > 1 ? std::atoi(argv[1]) : 100000;
  zv::CGisEditView view;
  view.resize(1920, 1080);
  view.show();
  const zv::WorkAreaHandle lines = view.GetCurrentLinArea();
  std::mt19937 random(42);
  std::normal_distribution<double> step(0.0, 1.0);
  zv::LIN_INFO info;
  info.setStyle(1);
  info.setColour(1);
  std::vector<D_DOT> vertices(1000);
  zv::BasBeginBatch(lines);
  for (int line = 0; line < 1000; ++line) {
    double y = line * 10.0;
    for (int i = 0; i < 1000; ++i) {
      y += step(random);
      vertices[static_cast<std::size_t>(i)] = {i * 10.0, y};
    }
    zv::BasAppendLine(lines, vertices, info);
  }
  zv::BasEndBatch(lines);
  view.OnRestoreWindow();
  QCoreApplication::processEvents();

  // Each update moves one short stretch of a line a little.
  std::uniform_int_distribution<int> pick(1, 1000);
  const auto update = [&] {
    const int32_t id = pick(random);
    std::vector<D_DOT> v;
    zv::BasReadLine(lines, id, &v, &info);
    v[500].y += 0.5;
    zv::BasUpdateLine(lines, id, v, info);
  };

  int before = Repaints(view);
  auto start = std::chrono::steady_clock::now();
  for (int i = 0; i < updates; ++i) {
    update();
    QCoreApplication::processEvents();
  }
  double seconds = Seconds(start);
  std::printf("%-34s %9.1f us per update, %d repaints (%d partial)\n", "one update per turn",
              seconds / updates * 1e6, Repaints(view) - before, view.PartialRedrawCount());

  before = Repaints(view);
  const int partialBefore = view.PartialRedrawCount();
  start = std::chrono::steady_clock::now();
  zv::BasBeginBatch(lines);
  for (int i = 0; i < updates; ++i) update();
  zv::BasEndBatch(lines);
  QCoreApplication::processEvents();
  seconds = Seconds(start);
  std::printf("%-34s %9.1f us per update, %d repaints (%d partial)\n", "the same updates in one batch",
              seconds / updates * 1e6, Repaints(view) - before, view.PartialRedrawCount() - partialBefore);

  // A single point moved: the partial repaint against a full redraw.
  zv::PNT_INFO point;
  point.setKind(1);
  point.setSymbolNumber(1);
  point.setSymbolHeight(20);
  point.setSymbolWidth(20);
  const zv::WorkAreaHandle points = view.GetCurrentPntArea();
  const int32_t id = zv::BasAppendPoint(points, {5000, 5000}, "", point);
  view._UpdateWindow();
  constexpr int kRounds = 200;
  const int partial = view.PartialRedrawCount();
  start = std::chrono::steady_clock::now();
  for (int i = 0; i < kRounds; ++i) {
    zv::BasWritePointPos(points, id, {5000.0 + (i % 2) * 30, 5000});
    QCoreApplication::processEvents();
  }
  seconds = Seconds(start);
  std::printf("%-34s %9.2f ms per move (%d partial repaints of %d)\n", "point move, partial repaint",
              seconds / kRounds * 1e3, view.PartialRedrawCount() - partial, kRounds);
  start = std::chrono::steady_clock::now();
  for (int i = 0; i < kRounds / 10; ++i) view._UpdateWindow();
  seconds = Seconds(start);
  std::printf("%-34s %9.2f ms per redraw\n", "full redraw", seconds / (kRounds / 10) * 1e3);
  return 0;
}
