#include "tests/zavediz/chart/chart_dump.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "framework/text/numbers.h"
#include "platform/project/map_project.h"
#include "tests/support/test_env.h"

namespace zv::test {
namespace {

std::string F(double v) {
  std::string s = num::Format("%.2f", v);
  return s == "-0.00" ? "0.00" : s;
}

std::string Vertices(const std::vector<D_DOT>& v) {
  std::string s;
  for (const D_DOT& d : v) s += " " + F(d.x) + "," + F(d.y);
  return s;
}

}  // namespace

std::string DumpChart(const chart::ChartAreas& areas) {
  std::ostringstream out;
  int32_t live = 0, bound = 0;
  BasGetPointCount(areas.point, &live, &bound);
  for (int32_t id = 1; id < bound; ++id) {
    D_DOT p;
    std::string text;
    PNT_INFO info;
    if (!BasReadPoint(areas.point, id, &p, &text, &info)) continue;
    out << "P kind=" << int(info.kind()) << " at " << F(p.x) << "," << F(p.y) << " |" << text << "|";
    if (info.kind() == 1) {
      out << " sub=" << info.symbolNumber() << " h=" << F(info.symbolHeight()) << " w=" << F(info.symbolWidth());
    } else {
      out << " h=" << F(info.charHeight()) << " w=" << F(info.charWidth()) << " g=" << F(info.charSpacing())
          << " font=" << info.chineseFont();
      if (info.kind() == 5)
        out << " line=" << F(info.Get<float>(pnt::kLineSpacing)) << " box=" << F(info.Get<float>(pnt::kBoxWidth));
      else
        out << " style=" << int(info.Get<uint8_t>(pnt::kArrangement));
      out << " colour=" << info.colour();
    }
    out << " layer=" << info.layer() << "\n";
  }
  BasGetLineCount(areas.line, &live, &bound);
  for (int32_t id = 1; id < bound; ++id) {
    std::vector<D_DOT> v;
    LIN_INFO info;
    if (!BasReadLine(areas.line, id, &v, &info)) continue;
    out << "L style=" << info.style() << " colour=" << info.colour() << " width=" << F(info.width())
        << " layer=" << info.Get<int16_t>(lin::kLayer);
    if (info.Get<float>(lin::kXScale) != 0)
      out << " coef=" << F(info.Get<float>(lin::kXScale)) << "," << F(info.Get<float>(lin::kYScale));
    out << Vertices(v) << "\n";
  }
  BasGetRegionCount(areas.region, &live, &bound);
  for (int32_t id = 1; id < bound; ++id) {
    std::vector<int32_t> arcs;
    REG_INFO info;
    if (!BasReadRegion(areas.region, id, &arcs, &info)) continue;
    std::vector<std::vector<D_DOT>> rings;
    BasGetRegionRings(areas.region, id, &rings);
    out << "R pattern=" << info.Get<int16_t>(reg::kPattern) << " fill=" << info.Get<int32_t>(reg::kFillColour)
        << " ph=" << F(info.Get<float>(reg::kPatternHeight)) << " layer=" << info.Get<int16_t>(reg::kLayer);
    for (const auto& ring : rings) out << Vertices(ring);
    out << "\n";
  }
  return out.str();
}

FoundText FindText(WorkAreaHandle points, const std::string& wanted) {
  int32_t live = 0, bound = 0;
  BasGetPointCount(points, &live, &bound);
  for (int32_t id = 1; id < bound; ++id) {
    D_DOT p;
    std::string text;
    PNT_INFO info;
    if (BasReadPoint(points, id, &p, &text, &info) && text == wanted)
      return {true, p.x, p.y, info.charHeight(), info.charWidth()};
  }
  return {};
}

void ExpectMatchesGolden(const std::string& actual, const std::string& relative) {
  const std::string path = DataPath(relative);
  if (const char* write = std::getenv("ZV_WRITE_GOLDEN"); write && std::string(write) == "1") {
    std::ofstream(path, std::ios::binary) << actual;
    return;
  }
  std::ifstream in(path, std::ios::binary);
  ASSERT_TRUE(in) << path;
  std::stringstream expected;
  expected << in.rdbuf();
  EXPECT_EQ(actual, expected.str()) << relative;
}

void ExpectChartProject(const std::string& folder, const std::string& hole, const std::vector<std::string>& extensions) {
  SCOPED_TRACE(hole);
  MapProject* project = PrjOpen(folder + "/" + hole + ".mpj");
  ASSERT_NE(project, nullptr);
  ASSERT_EQ(PrjGetItemCount(project), static_cast<int>(extensions.size()));
  for (int i = 0; i < static_cast<int>(extensions.size()); ++i) {
    files::ProjectItem item;
    ASSERT_TRUE(PrjGetItem(project, i, &item));
    EXPECT_EQ(std::filesystem::path(PrjGetItemPath(project, i)).filename().string(), hole + extensions[i]);
    EXPECT_EQ(item.bytes[1], 3);
  }
  PrjClose(project);
}

}  // namespace zv::test
