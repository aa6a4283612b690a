// Frame times of the work-area renderer on a 1920 x 1080 image, at full
// extent and at 10x zoom, against plain QPainter polylines (no symbols, no
// index, no simplification: the limit we measure against).
//   - a synthetic geological map: 400 patterned regions, 2,000 styled lines
//     (a quarter of them curves), 1,000 texts and sub-graphs;
//   - a line file of 1,000,000 vertices (100 lines of 10,000).
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <cmath>
#include <random>

#include "platform/data/work_area.h"
#include "platform/display/work_area_renderer.h"

namespace {

using namespace zv;
using namespace zv::display;

constexpr double kMapWidth = 1000, kMapHeight = 560;

struct SampleMap {
  WorkAreaSetHandle set = BasCreateWorkAreaSet(0);
  WorkAreaHandle regions = BasCreateRegionWorkArea(set);
  WorkAreaHandle lines = BasCreateLineWorkArea(set);
  WorkAreaHandle points = BasCreatePointWorkArea(set);
  WorkAreaHandle dense = BasCreateLineWorkArea(set);

  SampleMap() {
    std::mt19937 random(7);
    std::uniform_real_distribution<double> unit(0, 1);
    LIN_INFO arc;
    arc.setStyle(1);
    arc.setColour(1);
    arc.setWidth(0.1f);
    for (int i = 0; i < 20; ++i) {
      for (int j = 0; j < 20; ++j) {
        const double x = i * 50, y = j * 28;
        const int32_t id = BasAppendLine(regions, {{x, y}, {x + 50, y}, {x + 50, y + 28}, {x, y + 28}, {x, y}}, arc);
        REG_INFO info;
        info.setFillColour(17 + (i * 20 + j) % 500);
        info.setPattern(static_cast<int16_t>(1 + (i + j) % 33));
        info.setPatternHeight(6);
        info.setPatternWidth(6);
        info.setPatternColour(1);
        BasAppendRegion(regions, std::vector<int32_t>{0, id}, info);
      }
    }
    for (int k = 0; k < 2000; ++k) {
      std::vector<D_DOT> v;
      double x = unit(random) * kMapWidth, y = unit(random) * kMapHeight;
      for (int s = 0; s < 20; ++s, x += unit(random) * 8 - 4, y += unit(random) * 8 - 4) v.push_back({x, y});
      LIN_INFO info;
      info.setStyle(static_cast<int16_t>(1 + k % 12));
      info.setColour(1 + k % 16);
      info.setWidth(0.3f);
      info.setXScale(4);
      info.setYScale(3);
      info.setLineKind(k % 4 == 0 ? 1 : 0);
      BasAppendLine(lines, v, info);
    }
    for (int k = 0; k < 1000; ++k) {
      PNT_INFO info;
      const D_DOT at{unit(random) * kMapWidth, unit(random) * kMapHeight};
      if (k % 2) {
        info.setKind(1);
        info.setSymbolNumber(1 + k % 42);
        info.setSymbolHeight(5);
        info.setSymbolWidth(5);
        info.setColour(1);
        BasAppendPoint(points, at, "", info);
      } else {
        info.setKind(0);
        info.setCharHeight(4);
        info.setCharWidth(4);
        info.setColour(1);
        info.setChineseFont(static_cast<int16_t>(1 + k % 4));
        BasAppendPoint(points, at, "砂岩K2", info);
      }
    }
    for (int k = 0; k < 100; ++k) {
      std::vector<D_DOT> v;
      v.reserve(10000);
      const double y0 = 5 + k * 5.5;
      for (int s = 0; s < 10000; ++s) v.push_back({s * 0.1, y0 + 2 * std::sin(s * 0.01 + k)});
      LIN_INFO info;
      info.setStyle(1);
      info.setColour(2);
      info.setWidth(0.1f);
      BasAppendLine(dense, v, info);
    }
  }
};

SampleMap& Map() {
  static SampleMap map;
  return map;
}

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
