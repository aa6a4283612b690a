#include "bench/display/sample_map.h"

#include <cmath>
#include <random>

namespace zv::bench {

namespace {

SampleMap Build() {
  SampleMap m;
  m.set = BasCreateWorkAreaSet(0);
  m.regions = BasCreateRegionWorkArea(m.set);
  m.lines = BasCreateLineWorkArea(m.set);
  m.points = BasCreatePointWorkArea(m.set);
  m.dense = BasCreateLineWorkArea(m.set);
  std::mt19937 random(7);
  std::uniform_real_distribution<double> unit(0, 1);
  LIN_INFO arc;
  arc.setStyle(1);
  arc.setColour(1);
  arc.setWidth(0.1f);
  for (int i = 0; i < 20; ++i) {
    for (int j = 0; j < 20; ++j) {
      const double x = i * 50, y = j * 28;
      const int32_t id = BasAppendLine(m.regions, {{x, y}, {x + 50, y}, {x + 50, y + 28}, {x, y + 28}, {x, y}}, arc);
      REG_INFO info;
      info.setFillColour(17 + (i * 20 + j) % 500);
      info.setPattern(static_cast<int16_t>(1 + (i + j) % 33));
      info.setPatternHeight(6);
      info.setPatternWidth(6);
      info.setPatternColour(1);
      BasAppendRegion(m.regions, std::vector<int32_t>{0, id}, info);
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
    BasAppendLine(m.lines, v, info);
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
      BasAppendPoint(m.points, at, "", info);
    } else {
      info.setKind(0);
      info.setCharHeight(4);
      info.setCharWidth(4);
      info.setColour(1);
      info.setChineseFont(static_cast<int16_t>(1 + k % 4));
      BasAppendPoint(m.points, at, "砂岩K2", info);
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
    BasAppendLine(m.dense, v, info);
  }
  return m;
}

}  // namespace

const SampleMap& Map() {
  static const SampleMap map = Build();
  return map;
}

}  // namespace zv::bench
