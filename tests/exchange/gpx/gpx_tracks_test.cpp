// GPS track files: reading whatever their layout, cut files, the datum
// conversion against PROJ, and the points and lines made.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <sstream>

#include "exchange/gpx/gpx_tracks.h"
#include "tests/geodesy/proj_reference.h"
#include "tests/support/test_env.h"
#include "tests/support/work_areas_fixture.h"

namespace zv::gpx {
namespace {

std::string Slurp(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

std::string Points(const Track& track) {
  std::string out;
  for (const TrackPoint& p : track.points)
    out += std::to_string(p.lat) + "," + std::to_string(p.lon) + "," + std::to_string(p.ele) + "," + p.time + ";";
  return out;
}

TEST(GpxRead, AFileWrittenByGdalGivesItsPointsAndName) {
  const Track track = ReadTrack(Slurp(zv::test::DataPath("gpx/gdal_track.gpx")));
  EXPECT_TRUE(track.fault.empty()) << track.fault;
  EXPECT_EQ(track.name, "测线一");
  EXPECT_EQ(Points(track), "30.250000,117.500000,12.500000,;30.250500,117.501000,13.000000,;"
                           "30.251000,117.502000,14.250000,;");
}

TEST(GpxRead, LayoutAttributeOrderAndMissingTimesDoNotMatter) {
  const std::string expected = "30.500000,117.000000,5.000000,2024-01-05T08:00:00Z;31.000000,118.000000,0.000000,;";
  const struct {
    const char* name;
    const char* text;
  } cases[] = {
      {"one line",
       "<gpx><trk><name>T</name><number>7</number><trkseg><trkpt lat=\"30.5\" lon=\"117\"><ele>5</ele>"
       "<time>2024-01-05T08:00:00Z</time></trkpt><trkpt lat=\"31\" lon=\"118\"/></trkseg></trk></gpx>"},
      {"tabs",
       "<gpx>\n\t<trk>\n\t\t<name>T</name>\n\t\t<number>7</number>\n\t\t<trkseg>\n\t\t\t<trkpt lat=\"30.5\" "
       "lon=\"117\">\n\t\t\t\t<ele>5</ele>\n\t\t\t\t<time>2024-01-05T08:00:00Z</time>\n\t\t\t</trkpt>\n\t\t\t"
       "<trkpt lat=\"31\" lon=\"118\">\n\t\t\t</trkpt>\n\t\t</trkseg>\n\t</trk>\n</gpx>\n"},
      {"spaces, lon first",
       "<?xml version=\"1.0\"?>\n<gpx>\n  <trk>\n    <name>T</name>\n    <number>7</number>\n    <trkseg>\n"
       "      <trkpt lon=\"117\" lat=\"30.5\">\n        <ele>5</ele>\n        <time>2024-01-05T08:00:00Z</time>\n"
       "      </trkpt>\n      <trkpt lon=\"118\" lat=\"31\"></trkpt>\n    </trkseg>\n  </trk>\n</gpx>\n"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const Track track = ReadTrack(c.text);
    EXPECT_TRUE(track.fault.empty()) << track.fault;
    EXPECT_EQ(track.name, "T");
    EXPECT_EQ(track.number, 7);
    EXPECT_EQ(Points(track), expected);
  }
}

TEST(GpxRead, FixturesOfEveryShapeGiveTheirTrackPointsOnly) {
  const struct {
    const char* file;
    const char* name;
    std::size_t read;    // track points read
    std::size_t placed;  // of them with a plane position
    bool whole;          // read without a fault
  } cases[] = {
      {"segments_waypoints_route.gpx", "两段", 3, 3, true},  // both segments; waypoints and the route are no track
      {"bom.gpx", "带BOM", 2, 2, true},
      {"namespace_prefix.gpx", "前缀", 2, 2, true},
      {"gb2312.gpx", "国标编码", 2, 2, true},
      {"cut_short.gpx", "断开", 2, 2, false},
      {"bad_coordinates.gpx", "坏坐标", 9, 2, true},  // NaN, beyond ±90°, no zone, infinite height, no number
  };
  const TrackDatum datum;
  for (const auto& c : cases) {
    SCOPED_TRACE(c.file);
    const Track track = ReadTrack(Slurp(zv::test::DataPath(std::string("gpx/") + c.file)));
    EXPECT_EQ(track.name, c.name);
    EXPECT_EQ(track.points.size(), c.read);
    EXPECT_EQ(track.fault.empty(), c.whole) << track.fault;
    EXPECT_EQ(std::count_if(track.points.begin(), track.points.end(),
                            [&](const TrackPoint& p) { return ToPlane(p, datum).has_value(); }),
              static_cast<std::ptrdiff_t>(c.placed));
  }
}

TEST(GpxRead, AHugeTrackReadsWhole) {
  std::string text = "<gpx><trk><trkseg>\n";
  constexpr int kPoints = 200000;
  for (int i = 0; i < kPoints; ++i)
    text += "<trkpt lat=\"30." + std::to_string(i) + "\" lon=\"117.5\"><time>t</time></trkpt>\n";
  text += "</trkseg></trk></gpx>\n";
  const Track track = ReadTrack(text);
  EXPECT_TRUE(track.fault.empty()) << track.fault;
  ASSERT_EQ(track.points.size(), static_cast<std::size_t>(kPoints));
  EXPECT_EQ(track.points.back().lat, std::stod("30." + std::to_string(kPoints - 1)));
}

TEST(GpxRead, AFileCutInsideATrackKeepsThePointsBeforeTheCut) {
  const std::string whole =
      "<gpx><trk><trkseg><trkpt lat=\"30\" lon=\"117\"><ele>1</ele></trkpt>\n"
      "<trkpt lat=\"31\" lon=\"118\"><ele>2</ele></trkpt>\n<trkpt lat=\"32\" lon=\"119\"><ele>3</ele></trkpt>"
      "</trkseg></trk></gpx>";
  for (const std::size_t cut : {whole.find("<ele>3"), whole.find("</trkseg>"), std::size_t{10}}) {
    SCOPED_TRACE(cut);
    const Track track = ReadTrack(std::string_view(whole).substr(0, cut));
    EXPECT_FALSE(track.fault.empty());
    const std::size_t expected = cut == 10 ? 0 : cut == whole.find("<ele>3") ? 2 : 3;
    EXPECT_EQ(track.points.size(), expected);
  }
}

TEST(GpxConvert, PlaneCoordinatesMatchAProjPipelineOnBothDatums) {
  const TrackDatum shifts[] = {{-15.4, 120.8, 60.3, 54, 10000}, {-104.3, -55.2, 5.8, 80, 10000}};
  const TrackPoint points[] = {{30.25, 117.5, 12.5, ""}, {41.1, 115.2, 850, ""}, {22.6, 113.9, 0, ""}};
  for (const TrackDatum& datum : shifts) {
    SCOPED_TRACE(datum.ellipsoid);
    const char* target = datum.ellipsoid == 54 ? "+ellps=krass" : "+a=6378140 +rf=298.257";
    for (const TrackPoint& point : points) {
      const std::optional<PlanePoint> plane = ToPlane(point, datum);
      ASSERT_TRUE(plane);
      const double meridian = std::floor((point.lon + 1.5) / 3) * 3;
      const std::string pipeline =
          "+proj=pipeline +step +proj=cart +ellps=WGS84 +step +proj=helmert +x=" + std::to_string(-datum.dx) +
          " +y=" + std::to_string(-datum.dy) + " +z=" + std::to_string(-datum.dz) + " +step +inv +proj=cart " +
          target + " +step +proj=tmerc +lon_0=" + std::to_string(meridian) + " +k=1 +x_0=500000 " + target;
      const ProjReference reference(pipeline);
      ASSERT_TRUE(reference.IsValid());
      const PJ_XYZ expected = reference.Forward(point.lon * M_PI / 180, point.lat * M_PI / 180, point.ele);
      EXPECT_NEAR(plane->y, expected.x, 0.001);
      EXPECT_NEAR(plane->x, expected.y, 0.001);
      EXPECT_NEAR(plane->h, expected.z, 0.001);
    }
  }
  EXPECT_FALSE(ToPlane({30, -117, 0, ""}, shifts[0]));
  EXPECT_FALSE(ToPlane({95, 117, 0, ""}, shifts[0]));
  EXPECT_FALSE(ToPlane({30, 117, std::nan(""), ""}, shifts[0]));
}

class GpxPlaceTest : public zv::test::WorkAreasTest {};

TEST_F(GpxPlaceTest, EachFileMakesItsLineAndTheAreasKeepTheirFields) {
  CFIELD_HEAD own;
  own.name = "孔号";
  ASSERT_GE(BasInsertField(points_, kPointEntity, own), 0);
  const TrackDatum datum{0, 0, 0, 80, 10000};
  const Track first = ReadTrack(Slurp(zv::test::DataPath("gpx/gdal_track.gpx")));
  Track second = ReadTrack("<gpx><trk><name>二</name><trkseg><trkpt lat=\"30\" lon=\"117\"/>"
                           "<trkpt lat=\"30\" lon=\"-117\"/><trkpt lat=\"30.1\" lon=\"117\"/></trkseg></trk></gpx>");
  const Placement a = PlaceTrack(first, datum, points_, lines_, *BasGetDefaultPointParam(1), *BasGetDefaultLineParam());
  const Placement b = PlaceTrack(second, datum, points_, lines_, *BasGetDefaultPointParam(1), *BasGetDefaultLineParam());
  EXPECT_EQ(a.points.size(), 3u);
  EXPECT_EQ(b.points.size(), 2u);
  EXPECT_EQ(b.skipped, 1);
  ASSERT_NE(a.line, 0);
  ASSERT_NE(b.line, 0);
  std::vector<D_DOT> vertices;
  BasReadLine(lines_, b.line, &vertices, nullptr);
  EXPECT_EQ(vertices.size(), 2u);
  CATT_STRU s;
  BasReadAttributeStructure(points_, kPointEntity, &s);
  ASSERT_EQ(s.fieldCount(), 6);  // ID, 孔号, X, Y, H, 时间 — added once
  EXPECT_EQ(s.fields[1].name, "孔号");
  AttributeRecord record;
  BasReadAttribute(lines_, kLineEntity, b.line, &record);
  std::string name;
  BasGetFieldText(record, "name", &name);
  EXPECT_EQ(name, "二");
  D_DOT at{};
  BasReadPointPos(points_, a.points[0], &at);
  const std::optional<PlanePoint> plane = ToPlane(first.points[0], datum);
  EXPECT_DOUBLE_EQ(at.x, plane->y * 0.1);
  EXPECT_DOUBLE_EQ(at.y, plane->x * 0.1);
}

}  // namespace
}  // namespace zv::gpx
