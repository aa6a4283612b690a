// Frame times of the work-area renderer on a 1920 x 1080 image, at full
// extent and at 10x zoom, against plain QPainter polylines (no symbols, no
// index, no simplification: the limit we measure against), over the
// synthetic map of sample_map.h and its line file of 1,000,000 vertices.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>

#include "bench/display/sample_map.h"
#include "platform/data/work_area.h"
#include "platform/display/work_area_renderer.h"

namespace {

using namespace zv;
using namespace zv::display;

using bench::kMapWidth;
using bench::kMapHeight;
using bench::Map;

void SetView(KernelDriver& driver, int zoom) {
  const double factor = 1920.0 / kMapWidth * zoom;
  const double w = 1920 / factor, h = 1080 / factor;
  driver.SetWindow(kMapWidth / 2 - w / 2, kMapHeight / 2 - h / 2, factor);
}

void BM_SampleMap(benchmark::State& state) {
  QImage image(1920, 1080, QImage::Format_RGB32);
  WorkAreaRenderer regions(Map().regions), lines(Map().lines), points(Map().points);
  for (auto _ : state) {
    image.fill(Qt::white);
    KernelDriver driver(image);
    SetView(driver, static_cast<int>(state.range(0)));
    regions.Draw(driver);
    lines.Draw(driver);
    points.Draw(driver);
  }
}

// One kind of the sample map alone: 0 regions, 1 lines, 2 points.
void BM_SampleMapPart(benchmark::State& state) {
  QImage image(1920, 1080, QImage::Format_RGB32);
  const WorkAreaHandle areas[] = {Map().regions, Map().lines, Map().points};
  WorkAreaRenderer renderer(areas[state.range(1)]);
  for (auto _ : state) {
    image.fill(Qt::white);
    KernelDriver driver(image);
    SetView(driver, static_cast<int>(state.range(0)));
    renderer.Draw(driver);
  }
}

void BM_DenseLines(benchmark::State& state) {
  QImage image(1920, 1080, QImage::Format_RGB32);
  WorkAreaRenderer dense(Map().dense);
  for (auto _ : state) {
    image.fill(Qt::white);
    KernelDriver driver(image);
    SetView(driver, static_cast<int>(state.range(0)));
    dense.Draw(driver);
  }
}

// The limit: every line of an area as one QPainter polyline.
void RawPolylines(WorkAreaHandle area, int zoom) {
  static QImage image(1920, 1080, QImage::Format_RGB32);
  image.fill(Qt::white);
  KernelDriver driver(image);
  SetView(driver, zoom);
  QPainter& painter = driver.Painter();
  painter.setPen(QPen(Qt::black, 0));
  int32_t live = 0, bound = 0;
  BasGetLineCount(area, &live, &bound);
  std::vector<D_DOT> v;
  LIN_INFO info;
  for (int32_t id = 1; id < bound; ++id) {
    if (!BasReadLine(area, id, &v, &info)) continue;
    QPolygonF polygon;
    polygon.reserve(static_cast<qsizetype>(v.size()));
    for (const auto& d : v) polygon << driver.ToDevice(d.x, d.y);
    painter.drawPolyline(polygon);
  }
}

void BM_RawSampleLines(benchmark::State& state) {
  for (auto _ : state) RawPolylines(Map().lines, static_cast<int>(state.range(0)));
}

void BM_RawDenseLines(benchmark::State& state) {
  for (auto _ : state) RawPolylines(Map().dense, static_cast<int>(state.range(0)));
}

BENCHMARK(BM_SampleMap)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SampleMapPart)->ArgsProduct({{1, 10}, {0, 1, 2}})->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RawSampleLines)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DenseLines)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RawDenseLines)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
