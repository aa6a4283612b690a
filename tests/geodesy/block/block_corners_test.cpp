#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "framework/text/encoding.h"
#include "geodesy/block/block_corners.h"
#include "geodesy/block/block_sheets.h"
#include "geodesy/map_sheet.h"
#include "platform/projection/dms.h"
#include "tests/support/test_env.h"

namespace zv::block {
namespace {

TEST(BlockCorners, FileRowsInEveryAngleFormAndEncoding) {
  const std::string file =
      "1,116.3030,25.1545\r\n"
      "2,116°30′30″,25°15′45″\r\n"
      "3,116°5′3″,1160503\r\n"
      "\r\n\r\n"
      "4,1163000.5,251500,,\r\n"
      "5,9.3030,5.1545\r\n"
      "\r\n";
  const CornerRows expected = {{"1", "1163030.00", "251545.00"},
                               {"2", "1163030.00", "251545.00"},
                               {"3", "1160503.00", "1160503"},
                               {"", "", ""},
                               {"4", "1163000.5", "251500"},
                               {"5", "93030.00", "51545.00"}};
  EXPECT_EQ(ReadCornerFile(file), expected);
  EXPECT_EQ(ReadCornerFile(text::ToGbk(file)), expected);
}

TEST(BlockCorners, ClipboardRoundTripAndLineEnds) {
  const CornerRows rows = {{"1", "1163030", "251545"}, {"", "", ""}, {"2", "1163100", "251600"}};
  EXPECT_EQ(ParseCornerClipboard(CornerClipboardText(rows)), rows);
  EXPECT_EQ(ParseCornerClipboard("1,1163030 251545\n2\t1163100\t251600"),
            (CornerRows{{"1", "1163030", "251545"}, {"2", "1163100", "251600"}}));
  EXPECT_EQ(ParseCornerClipboard("1 12345678901234567890123 2\r")[0].lon, "1234567890123456789");
}

TEST(BlockCorners, NormalizeCarriesSixtySecondsAndMinutes) {
  EXPECT_DOUBLE_EQ(NormalizeDms(1165960), 1170000);
  EXPECT_DOUBLE_EQ(NormalizeDms(1163060), 1163100);
  EXPECT_DOUBLE_EQ(NormalizeDms(1163030.5), 1163030.5);
}

TEST(BlockCorners, RingsEndAtTwoEmptyRowsAndABadCornerNamesItsRow) {
  const CornerRows rows = {{"1", "1163000", "251500"}, {"2", "1163100", "251500"}, {"3", "1163100", "251600"},
                           {"", "", ""},             {"4", "1163200", "251500"}, {"5", "1163300", "251500"},
                           {"6", "1163300", "251600"}, {"", "", ""},             {"", "", ""},
                           {"7", "1170000", "300000"}};
  const CollectedCorners c = CollectCorners(rows);
  ASSERT_FALSE(c.error);
  ASSERT_EQ(c.rings.size(), 2u);
  EXPECT_EQ(c.rings[0].size(), 3u);
  EXPECT_EQ(c.rings[1].back().number, "6");
  EXPECT_DOUBLE_EQ(c.rings[0][1].lonSeconds, 116 * 3600 + 31 * 60);

  const CollectedCorners bad = CollectCorners({{"1", "1163000", "251500"}, {"2", "1166000", "251500"}});
  ASSERT_TRUE(bad.error);
  EXPECT_NE(bad.error->find("第2行"), std::string::npos);
  EXPECT_TRUE(bad.rings.empty());
}

TEST(BlockCorners, ACornerThatIsNoNumberOrOffTheSheetSeriesStopsAtItsRow) {
  // Each would otherwise read as 0° or draw on sheets that do not exist.
  const std::pair<const char*, const char*> corners[] = {
      {"abc", "251500"},     {"1163000x", "251500"}, {"1163000", "-251500"}, {"1850000", "251500"},
      {"39500000", "3512345"}, {"1163000", "890000"},
  };
  for (const auto& [lon, lat] : corners) {
    SCOPED_TRACE(std::string(lon) + " " + lat);
    const CollectedCorners c = CollectCorners({{"1", "1163000", "251500"}, {"2", lon, lat}, {"3", "1163100", "251600"}});
    ASSERT_TRUE(c.error);
    EXPECT_NE(c.error->find("第2行"), std::string::npos);
    EXPECT_TRUE(c.rings.empty());
  }
}

Ring Box(double west, double south, double east, double north) {
  auto corner = [](const char* n, double lon, double lat) {
    return Corner{n, ProjSecondsToDms(lon), ProjSecondsToDms(lat), lon, lat};
  };
  return {corner("1", west, north), corner("2", east, north), corner("3", east, south), corner("4", west, south)};
}

std::vector<std::string> Numbers(const std::vector<TouchedSheet>& sheets) {
  std::vector<std::string> out;
  for (const TouchedSheet& s : sheets) out.push_back(s.newNumber);
  return out;
}

TEST(BlockSheets, OnlySheetsWhoseInsideTheBlockOverlaps) {
  SheetExtentSeconds e;
  ASSERT_TRUE(CMapSheet::SheetExtent("J50E001010", &e));
  // Exactly one sheet: its edges lie on the neighbours' lines.
  EXPECT_EQ(Numbers(TouchedSheets({Box(e.west, e.south, e.east, e.north)})), std::vector<std::string>{"J50E001010"});
  // Over the east edge: the corner walk reaches the west sheet first.
  EXPECT_EQ(Numbers(TouchedSheets({Box(e.east - 120, e.south + 60, e.east + 120, e.south + 180)})),
            (std::vector<std::string>{"J50E001010", "J50E001011"}));
  // A thin block crossing a sheet between its corners still counts it.
  const Ring bar = Box(e.west - 60, e.south + 60, e.east + 600, e.south + 120);
  EXPECT_EQ(Numbers(TouchedSheets({bar})), (std::vector<std::string>{"J50E001009", "J50E001011", "J50E001010"}));
  EXPECT_EQ(TouchedSheets({Box(e.west, e.south, e.east, e.north)})[0].oldNumber,
            CMapSheet::NewToOldNumber("J50E001010"));
  // Corners typed in a crossing order: the two lobes still lie on the sheet.
  Ring bowTie = Box(e.west + 60, e.south + 60, e.east - 60, e.north - 60);
  std::swap(bowTie[2], bowTie[3]);
  EXPECT_EQ(Numbers(TouchedSheets({bowTie})), std::vector<std::string>{"J50E001010"});
  // A block that only runs along a sheet's edge from outside does not take it.
  EXPECT_EQ(Numbers(TouchedSheets({Box(e.east, e.south + 60, e.east + 120, e.south + 180)})),
            std::vector<std::string>{"J50E001011"});
}

TEST(BlockSheets, TheShippedSampleTouchesTheSheetsItsReadmeNames) {
  std::ifstream in(test::DataPath("../../data/samples/区块拐点.txt"), std::ios::binary);
  const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  const CollectedCorners c = CollectCorners(ReadCornerFile(bytes));
  ASSERT_EQ(c.rings.size(), 1u);
  EXPECT_EQ(Numbers(TouchedSheets(c.rings)), (std::vector<std::string>{"J50E004004", "J50E005004"}));
}

}  // namespace
}  // namespace zv::block
