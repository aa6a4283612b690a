#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>

#include "framework/fileio/file_io.h"
#include "geodesy/dms.h"
#include "geodesy/ellipsoid.h"
#include "geodesy/gpx/gpx_waypoints.h"
#include "tests/geodesy/proj_reference.h"
#include "tests/support/test_env.h"

namespace zv::gpx {
namespace {

namespace fs = std::filesystem;

// The known point of the dialog's defaults.
constexpr double kX = 2791538.11, kY = 455563.88, kHPlane = 1279.5;
constexpr double kB = 25.134402999, kL = 116.333498, kHGeodetic = 1312.17;

TEST(GpxWaypoints, SixDegreeMeridians) {
  EXPECT_EQ(SixDegreeMeridian(kL), 117);
  EXPECT_EQ(SixDegreeMeridian(114), 111);
  EXPECT_EQ(SixDegreeMeridian(114.0001), 117);
  EXPECT_EQ(SixDegreeMeridian(120), 117);
}

TEST(GpxWaypoints, TheKnownPointsShiftMatchesProjAndTakesThePointBack) {
  const double l0 = SixDegreeMeridian(kL);
  const Shift shift = ComputeShift(kX, kY, kB, kL, l0, kHPlane, kHGeodetic, 80);

  // PROJ: the plane point through tmerc on IAG-75 to its earth-centred
  // coordinates, and the WGS-84 point to its own.
  const std::string iag = ProjReference::EllipsoidParameters(kXian80.e2, kXian80.a);
  const ProjReference tmerc("+proj=tmerc +lat_0=0 +lon_0=117 +k_0=1 +x_0=500000 +y_0=0 " + iag);
  const ProjReference localCart("+proj=cart " + iag);
  const ProjReference wgsCart("+proj=cart " + ProjReference::EllipsoidParameters(kWgs84.e2, kWgs84.a));
  const PJ_XYZ geodetic = tmerc.Inverse(kY, kX);
  const PJ_XYZ local = localCart.Forward(geodetic.x, geodetic.y, kHPlane);
  const PJ_XYZ wgs = wgsCart.Forward(DmsToRadians(kL), DmsToRadians(kB), kHGeodetic);
  EXPECT_NEAR(shift.dx, wgs.x - local.x, 2e-3);
  EXPECT_NEAR(shift.dy, wgs.y - local.y, 2e-3);
  EXPECT_NEAR(shift.dz, wgs.z - local.z, 2e-3);

  const GeodeticPoint back = PlaneToGeodetic(kX, kY, l0, kHPlane, shift, 80);
  EXPECT_NEAR(back.lat, DmsToRadians(kB) * kDegreesPerRadian, 1e-9);
  EXPECT_NEAR(back.lon, DmsToRadians(kL) * kDegreesPerRadian, 1e-9);
}

TEST(GpxWaypoints, AnEmptyListGivesHeaderAndMetadataOnly) {
  const auto now = std::chrono::system_clock::from_time_t(1765367100);  // 2025-12-10 11:45:00 UTC
  EXPECT_EQ(GpxDocument({}, now),
            "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"no\" ?>\n"
            "<gpx xmlns=\"http://www.topografix.com/GPX/1/1\" creator=\"Zavediz\" version=\"1.1\" "
            "xmlns:xsi=\"http://www.w3.org/2001/XMLSchema-instance\" "
            "xsi:schemaLocation=\"http://www.topografix.com/GPX/1/1 http://www.topografix.com/GPX/1/1/gpx.xsd\">\n"
            "<metadata>\n\t<time>2025-12-10T11:45:00Z</time>\n</metadata>\n</gpx>\n");
  EXPECT_EQ(WithCrLf("a\nb\n"), "a\r\nb\r\n");
}

TEST(GpxWaypoints, DocumentsValidateAndGdalReadsTheWaypointsWithTheirNames) {
  const std::vector<Waypoint> points = {{"拐点1", 25.2, 116.5}, {"A&B<C>", 25.3, 116.6}};
  const std::string doc = GpxDocument(points, std::chrono::system_clock::now());
  EXPECT_NE(doc.find("\t<bounds maxlat=\"25.30000000000000\" maxlon=\"116.59999999999999\" minlat=\"25.20000000000000\" "
                     "minlon=\"116.50000000000000\"/>\n</metadata>"),
            std::string::npos)
      << doc;
  const fs::path file = fs::path(test::TempRoot()) / "点.gpx";
  ASSERT_TRUE(fileio::WriteFileAtomically(file.string(), WithCrLf(doc)));
  const fs::path listing = fs::path(test::TempRoot()) / "listing.txt";
  const std::string schema = test::DataPath("gpx/gpx11.xsd");
  ASSERT_EQ(std::system(("xmllint --noout --schema '" + schema + "' '" + file.string() + "' 2>/dev/null").c_str()), 0);
  const fs::path empty = fs::path(test::TempRoot()) / "空.gpx";
  ASSERT_TRUE(fileio::WriteFileAtomically(empty.string(), WithCrLf(GpxDocument({}, std::chrono::system_clock::now()))));
  EXPECT_EQ(std::system(("xmllint --noout --schema '" + schema + "' '" + empty.string() + "' 2>/dev/null").c_str()), 0);
  ASSERT_EQ(std::system(("ogrinfo -q -al '" + file.string() + "' waypoints > '" + listing.string() + "'").c_str()), 0);
  std::string text;
  ASSERT_TRUE(fileio::ReadWholeFile(listing.string(), text));
  EXPECT_NE(text.find("name (String) = 拐点1"), std::string::npos) << text;
  EXPECT_NE(text.find("name (String) = A&B<C>"), std::string::npos) << text;
  EXPECT_NE(text.find("POINT (116.6 25.3)"), std::string::npos) << text;
}

TEST(GpxWaypoints, ControlCharactersInANameAreLeftOutAndTheDocumentStillValidates) {
  const std::string doc = GpxDocument({{"K\x01\x0b" "1\t2", 25.2, 116.5}}, std::chrono::system_clock::now());
  EXPECT_NE(doc.find("<name>K1\t2</name>"), std::string::npos) << doc;
  const fs::path file = fs::path(test::TempRoot()) / "控制.gpx";
  ASSERT_TRUE(fileio::WriteFileAtomically(file.string(), WithCrLf(doc)));
  const std::string schema = test::DataPath("gpx/gpx11.xsd");
  EXPECT_EQ(std::system(("xmllint --noout --schema '" + schema + "' '" + file.string() + "' 2>/dev/null").c_str()), 0);
}

}  // namespace
}  // namespace zv::gpx

namespace zv::gpx {
namespace {

TEST(GpxWaypoints, BlankOrNonFiniteCoordinatesAndParametersBuildNothing) {
  const PlaneParameters good{117, 0, {}, 80};
  const Waypoints fine = RowsToWaypoints({{"G1", "2791538.11", "455563.88"}}, good);
  ASSERT_TRUE(fine.error.empty()) << fine.error;
  ASSERT_EQ(fine.points.size(), 1u);
  EXPECT_NEAR(fine.points[0].lat, 25.2, 0.1);

  struct Case {
    const char* name;
    point_text::Fields row;
    PlaneParameters parameters;
    const char* error;
  };
  const double inf = INFINITY;
  const Case cases[] = {
      {"blank X", {"G2", "", "455563.88"}, good, "第2行（点编号“G2”）的坐标无效：X“”"},
      {"blank Y", {"G2", "2791538.11", " "}, good, "Y“ ”"},
      {"words", {"G2", "abc", "455563.88"}, good, "X“abc”"},
      {"nan", {"G2", "nan", "455563.88"}, good, "X“nan”"},
      {"inf", {"G2", "2791538.11", "inf"}, good, "Y“inf”"},
      {"overflowing digits", {"G2", std::string(400, '9'), "455563.88"}, good, "第2行"},
      {"non-finite shift", {"G2", "2791538.11", "455563.88"}, {117, 0, {inf, 0, 0}, 80}, "参数DX不是有效数字"},
      {"non-finite meridian", {"G2", "2791538.11", "455563.88"}, {NAN, 0, {}, 80}, "参数中央子午线不是有效数字"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const Waypoints result = RowsToWaypoints({{"G1", "2791538.11", "455563.88"}, c.row}, c.parameters);
    EXPECT_TRUE(result.points.empty());
    EXPECT_NE(result.error.find(c.error), std::string::npos) << result.error;
  }
}

}  // namespace
}  // namespace zv::gpx
