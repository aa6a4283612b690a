#include "tools/frame/graticule_frame.h"

#include <gtest/gtest.h>

#include <cmath>

#include "geodesy/dms.h"
#include "geodesy/ellipsoid.h"
#include "geodesy/geo_point.h"
#include "platform/projection/dms.h"
#include "tests/tools/frame/frame_dump.h"

namespace zv::test {
namespace {

using frame::DrawGraticuleFrame;
using frame::FrameResult;
using frame::GraticuleFrame;

// The map-projection record as the graticule dialog leaves it for its
// default minimum longitude: Gauss-Krüger on IAG-75, 1:10,000, meridian 117°.
MapParams Record(uint8_t ellipsoid = 2) {
  MapParams record = DefaultMapParams();
  record.setCoordKind(3);
  record.setUnit(0);
  record.setProjection(5);
  record.setEllipsoid(ellipsoid);
  record.setScale(10000.0);
  record.setCentralMeridian(1170000.0);
  return record;
}

GraticuleFrame Defaults() { return {"1170315", "1170830", "254400", "254845", 1.0, Record(), 39}; }

// Geodesy's own Gauss-Krüger series on IAG-75, in map millimetres at 1:10,000.
D_DOT Reference(double longitude, double latitude) {
  auto radians = [](double packed) {
    ProjDmsToSeconds(&packed);
    return packed / 3600.0 * kRadiansPerDegree;
  };
  CGeoPoint point;
  point.Set(radians(latitude), radians(longitude), 0.0);
  point.GaussForward(kXian80.e2, kXian80.a, 117.0 * kRadiansPerDegree);
  return {point.Y() / 10.0, point.X() / 10.0};
}

std::vector<D_DOT> Vertices(WorkAreaHandle area, int32_t id) {
  std::vector<D_DOT> vertices;
  BasReadLine(area, id, &vertices, nullptr);
  return vertices;
}

std::string TextOf(WorkAreaHandle area, int32_t id) {
  std::string text;
  BasReadPoint(area, id, nullptr, &text, nullptr);
  return text;
}

using GraticuleFrameTest = FrameTest;

TEST_F(GraticuleFrameTest, CornersAgreeWithGeodesysGaussKrueger) {
  const FrameResult result = DrawGraticuleFrame(Target(), Defaults());
  ASSERT_EQ(result.error, "");
  const std::vector<D_DOT> inner = Vertices(lines_, result.drawn.lines[0]);
  ASSERT_EQ(inner.size(), 5u);
  const D_DOT expected[] = {Reference(1170315, 254400), Reference(1170830, 254400), Reference(1170830, 254845),
                            Reference(1170315, 254845), Reference(1170315, 254400)};
  for (int i = 0; i < 5; ++i) {
    EXPECT_NEAR(inner[i].x, expected[i].x, 1e-4) << i;
    EXPECT_NEAR(inner[i].y, expected[i].y, 1e-4) << i;
  }
  const std::vector<D_DOT> outer = Vertices(lines_, result.drawn.lines[2]);
  EXPECT_NEAR(outer[2].x, inner[2].x + 11.0, 1e-9);
  EXPECT_NEAR(outer[2].y, inner[2].y + 11.0, 1e-9);
  MapParams areaRecord;
  for (const WorkAreaHandle area : {points_, lines_}) {
    BasGetMapParams(area, &areaRecord);
    EXPECT_EQ(areaRecord, Record());
  }
}

TEST_F(GraticuleFrameTest, KilometreGridLinesAndTheirLabels) {
  const FrameResult result = DrawGraticuleFrame(Target(), Defaults());
  ASSERT_EQ(result.error, "");
  // Three borders, nine easting lines, nine northing lines, eight corner
  // ticks, then 22 longitude and 20 latitude marks on two sides each.
  ASSERT_EQ(result.drawn.lines.size(), 3u + 9 + 9 + 8 + 2 * 22 + 2 * 20);
  const std::vector<D_DOT> border = Vertices(lines_, result.drawn.lines[1]);
  for (int k = 0; k < 9; ++k) {
    const std::vector<D_DOT> easting = Vertices(lines_, result.drawn.lines[3 + k]);
    ASSERT_EQ(easting.size(), 2u);
    EXPECT_DOUBLE_EQ(easting[0].x, (506 + k) * 100.0);
    EXPECT_DOUBLE_EQ(easting[1].x, easting[0].x);
    // The ends lie on the bottom and top 10 mm borders.
    const double t = (easting[0].x - border[0].x) / (border[1].x - border[0].x);
    EXPECT_NEAR(easting[0].y, border[0].y + t * (border[1].y - border[0].y), 1e-9);
    const std::vector<D_DOT> northing = Vertices(lines_, result.drawn.lines[12 + k]);
    EXPECT_DOUBLE_EQ(northing[0].y, (2848 + k) * 100.0);
    EXPECT_DOUBLE_EQ(northing[1].y, northing[0].y);
  }
  std::vector<std::string> texts;
  for (const int32_t id : result.drawn.points) texts.push_back(TextOf(points_, id));
  const std::vector<std::string> eastingLabels = {
      "395", "06.0", "395", "06.0", "07.0", "07.0", "08.0", "08.0", "09.0", "09.0", "10.0",
      "10.0", "11.0", "11.0", "12.0", "12.0", "13.0", "13.0", "395", "14.0", "395", "14.0"};
  const std::vector<std::string> northingLabels = {
      "28", "48.0", "28", "48.0", "49.0", "49.0", "50.0", "50.0", "51.0", "51.0", "52.0",
      "52.0", "53.0", "53.0", "54.0", "54.0", "55.0", "55.0", "28", "56.0", "28", "56.0"};
  const std::vector<std::string> cornerLabels = {
      "25°", "44′00″", "117°03′15″", "25°", "44′00″", "117°08′30″",
      "25°", "48′45″", "117°08′30″", "25°", "48′45″", "117°03′15″"};
  std::vector<std::string> expected = eastingLabels;
  expected.insert(expected.end(), northingLabels.begin(), northingLabels.end());
  expected.insert(expected.end(), cornerLabels.begin(), cornerLabels.end());
  EXPECT_EQ(texts, expected);
  // The first easting label and the corner labels in place and size.
  const std::vector<std::string> dumped = Texts(result.drawn);
  const std::vector<D_DOT> first = Vertices(lines_, result.drawn.lines[3]);
  EXPECT_EQ(dumped[0], "395 @" + DumpPoint(50600 - 3.2, first[0].y + 7.5).substr(1) + " 2.10/1.65");
  EXPECT_EQ(dumped[1], "06.0 @" + DumpPoint(50600 + 0.5, first[0].y + 6.5).substr(1) + " 3.50/2.75");
  const std::vector<D_DOT> inner = Vertices(lines_, result.drawn.lines[0]);
  EXPECT_EQ(dumped[44], "25° @" + DumpPoint(inner[0].x - 8.0, inner[0].y).substr(1) + " 3.50/2.50");
  EXPECT_EQ(dumped[45], "44′00″ @" + DumpPoint(inner[0].x - 9.5, inner[0].y - 3.5).substr(1) + " 3.50/2.50");
  EXPECT_EQ(dumped[46], "117°03′15″ @" + DumpPoint(inner[0].x - 6.0, inner[0].y - 10.0).substr(1) + " 3.50/2.50");
  EXPECT_EQ(dumped[52], "117°08′30″ @" + DumpPoint(inner[2].x - 6.0, inner[2].y + 6.5).substr(1) + " 3.50/2.50");
}

TEST_F(GraticuleFrameTest, QuarterMinuteTicksSpanTheBand) {
  const FrameResult result = DrawGraticuleFrame(Target(), Defaults());
  ASSERT_EQ(result.error, "");
  const std::size_t first = 3 + 9 + 9 + 8;
  // The first bottom tick stands at the minimum longitude, across the band
  // from the 10 mm to the 11 mm border.
  const std::vector<D_DOT> tick = Vertices(lines_, result.drawn.lines[first]);
  const D_DOT corner = Reference(1170315, 254400);
  ASSERT_EQ(tick.size(), 2u);
  EXPECT_NEAR(tick[0].x, corner.x, 1e-4);
  // The border runs 10 mm out from the corner, so at the corner's x it
  // lies a hair off the corner's y.
  EXPECT_NEAR(tick[0].y, corner.y - 10.0, 0.02);
  EXPECT_NEAR(tick[1].y, corner.y - 11.0, 0.02);
  LIN_INFO info;
  BasReadLineParam(lines_, result.drawn.lines[first], &info);
  EXPECT_FLOAT_EQ(info.width(), 0.2f);
  // The last latitude tick on the right: the maximum latitude.
  const std::vector<D_DOT> last = Vertices(lines_, result.drawn.lines.back());
  const D_DOT top = Reference(1170830, 254845);
  EXPECT_NEAR(last[0].y, top.y, 1e-4);
  EXPECT_NEAR(last[0].x, top.x + 10.0, 0.02);
  EXPECT_NEAR(last[1].x, top.x + 11.0, 0.02);
}

TEST(QuarterMinuteMarks, StartAtTheNextQuarterAndCarryOverMinutesAndDegrees) {
  const struct {
    double minimum, maximum;
    std::vector<double> marks;
  } cases[] = {
      {1170310, 1170345, {1170315, 1170330, 1170345}},
      {1175930, 1180030, {1175930, 1175945, 1180000, 1180015, 1180030}},
      {1170350, 1170415, {1170400, 1170415}},
      {1170300, 1170314.9, {1170300}},
      {1170300, 1170259, {}},
  };
  for (const auto& c : cases) EXPECT_EQ(frame::QuarterMinuteMarks(c.minimum, c.maximum), c.marks) << c.minimum;
  EXPECT_EQ(frame::QuarterMinuteMarks(254400, 254845)->size(), 20u);
  EXPECT_EQ(frame::QuarterMinuteMarks(1170315, 1170830)->size(), 22u);
  EXPECT_FALSE(frame::QuarterMinuteMarks(0, 1000000));
}

TEST_F(GraticuleFrameTest, AWiderIntervalKeepsItsOwnMultiples) {
  GraticuleFrame frame = Defaults();
  frame.interval = 2.0;
  const FrameResult result = DrawGraticuleFrame(Target(), frame);
  ASSERT_EQ(result.error, "");
  for (int k = 0; k < 5; ++k) EXPECT_DOUBLE_EQ(Vertices(lines_, result.drawn.lines[3 + k])[0].x, (506 + 2 * k) * 100.0);
  EXPECT_EQ(TextOf(points_, result.drawn.points[0]) + TextOf(points_, result.drawn.points[1]), "39506.0");
  EXPECT_EQ(TextOf(points_, result.drawn.points[10]) + TextOf(points_, result.drawn.points[11]), "39514.0");
}

TEST_F(GraticuleFrameTest, RefusalsDrawNothingAndKeepTheAreasRecords) {
  GraticuleFrame unsupported = Defaults();
  unsupported.record = Record(3);
  GraticuleFrame badAngle = Defaults();
  badAngle.maxLatitude = "254875";
  GraticuleFrame badInterval = Defaults();
  badInterval.interval = 0.0;
  GraticuleFrame tinyInterval = Defaults();
  tinyInterval.interval = 0.0001;
  const struct {
    const GraticuleFrame* frame;
    const char* error;
  } cases[] = {
      {&unsupported, "不支持该椭球参数，无法换算经纬度！"},
      {&badAngle, "经纬度数据错误！"},
      {&badInterval, "公里网间隔必须大于0！"},
      {&tinyInterval, "经纬度范围太大或公里网间隔太小，无法绘制图框！"},
  };
  for (const auto& c : cases) {
    const FrameResult result = DrawGraticuleFrame(Target(), *c.frame);
    EXPECT_EQ(result.error, c.error);
    EXPECT_TRUE(BasIsWorkAreaEmpty(lines_) && BasIsWorkAreaEmpty(points_));
    MapParams areaRecord;
    BasGetMapParams(lines_, &areaRecord);
    EXPECT_EQ(areaRecord, DefaultMapParams());
  }
}

}  // namespace
}  // namespace zv::test
