#include "geodesy/map_sheet.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <random>
#include <string>

namespace {

constexpr int32_t kScales[] = {1000000, 500000, 250000, 100000, 50000, 25000, 10000, 5000};

struct Worked {
  double lon, lat;
  int32_t scale;
  const char* newNumber;
  const char* oldNumber;
};

const Worked kWorked[] = {
    {117.5, 39.9, 1000000, "J50", "J-50"},
    {117.5, 39.9, 500000, "J50B001002", "J-50-B"},
    {114.01, 39.99, 500000, "J50B001001", "J-50-A"},
    {114.01, 39.99, 5000, "J50H001001", "J-50-1-(1)-a"},
    {119.99, 36.01, 100000, "J50D012012", "J-50-144"},
    {119.99, 36.01, 25000, "J50F048048", "J-50-144-D-4"},
    {119.99, 36.01, 5000, "J50H192192", "J-50-144-(64)-d"},
    {114.5625, 39.375, 10000, "J50G015010", "J-50-14-(50)"},  // on the sheet's south-west corner
};

bool Inside(double lon, double lat, const SheetExtentSeconds& e) {
  return lon * 3600 >= e.west - 1e-6 && lon * 3600 < e.east && lat * 3600 >= e.south - 1e-6 && lat * 3600 < e.north;
}

TEST(MapSheet, WorkedExamplesBothWays) {
  CMapSheet sheets;
  for (const Worked& w : kWorked) {
    SCOPED_TRACE(w.newNumber);
    EXPECT_EQ(CMapSheet::NewSheetNumber(w.lon, w.lat, w.scale), w.newNumber);
    EXPECT_EQ(CMapSheet::OldSheetNumber(w.lon, w.lat, w.scale), w.oldNumber);
    EXPECT_EQ(sheets.OldToNewNumber(w.oldNumber), w.newNumber);
    EXPECT_EQ(CMapSheet::NewToOldNumber(w.newNumber), w.oldNumber);
    char letter = '?';
    EXPECT_EQ(CMapSheet::ScaleOfNewNumber(w.newNumber, &letter), w.scale);
    char oldLetter = '?';
    EXPECT_EQ(CMapSheet::ClassifyOldNumber(w.oldNumber, &oldLetter), w.scale);
    EXPECT_EQ(oldLetter, letter);
    SheetExtentSeconds extent;
    ASSERT_TRUE(CMapSheet::SheetExtent(w.newNumber, &extent));
    EXPECT_TRUE(Inside(w.lon, w.lat, extent));
    EXPECT_EQ(extent.east - extent.west, CMapSheet::SheetWidthSeconds(w.scale));
    EXPECT_EQ(extent.north - extent.south, CMapSheet::SheetHeightSeconds(w.scale));
  }
}

TEST(MapSheet, FurtherWorkedConversions) {
  CMapSheet sheets;
  EXPECT_EQ(sheets.OldToNewNumber("J-50-14-(50)"), "J50G015010");
  EXPECT_EQ(sheets.OldToNewNumber("J-50-144-D-4"), "J50F048048");
  EXPECT_EQ(sheets.OldToNewNumber("J-50-A"), "J50B001001");
  EXPECT_EQ(sheets.OldToNewNumber("J-50-144"), "J50D012012");
  const struct {
    const char* oldNumber;
    int32_t scale;
    char letter;
  } classified[] = {{"J-50-A", 500000, 'B'},    {"J-50-12", 100000, 'D'},    {"J-50-5-(24)", 10000, 'G'},
                    {"J-50", 1000000, 'A'},     {"J-50-[7]", 250000, 'C'},   {"J-50-5-B", 50000, 'E'},
                    {"J-50-5-B-3", 25000, 'F'}, {"J-50-5-(24)-c", 5000, 'H'}};
  for (const auto& c : classified) {
    char letter = '?';
    EXPECT_EQ(CMapSheet::ClassifyOldNumber(c.oldNumber, &letter), c.scale) << c.oldNumber;
    EXPECT_EQ(letter, c.letter) << c.oldNumber;
  }
}

TEST(MapSheet, SheetExtentOfTheDialogsDefaultPoint) {
  // 114°33'45" to 114°37'30" and 39°22'30" to 39°25', 3'45" by 2'30".
  SheetExtentSeconds extent;
  ASSERT_TRUE(CMapSheet::SheetExtent("J50G015010", &extent));
  EXPECT_EQ(extent.west, 114 * 3600 + 33 * 60 + 45);
  EXPECT_EQ(extent.east, 114 * 3600 + 37 * 60 + 30);
  EXPECT_EQ(extent.south, 39 * 3600 + 22 * 60 + 30);
  EXPECT_EQ(extent.north, 39 * 3600 + 25 * 60);
  EXPECT_EQ(CMapSheet::SheetWidthSeconds(10000), 225.0);
  EXPECT_EQ(CMapSheet::SheetHeightSeconds(10000), 150.0);
  EXPECT_EQ(CMapSheet::SheetWidthSeconds(200000), 21600.0);  // not a scale of the series
  EXPECT_EQ(CMapSheet::SheetHeightSeconds(200000), 14400.0);
}

TEST(MapSheet, CornersAndTheMillionSheet) {
  // The block maps build on the north-west corner at 1:1000000 and the
  // south-east corner at every other scale.
  double lon = 0, lat = 0;
  ASSERT_TRUE(CMapSheet::NewNumberToCorner("J50", &lon, &lat));
  EXPECT_EQ(lon, 114.0);
  EXPECT_EQ(lat, 40.0);
  ASSERT_TRUE(CMapSheet::NewNumberToCorner("J50G015010", &lon, &lat));
  EXPECT_DOUBLE_EQ(lon, 114.625);
  EXPECT_DOUBLE_EQ(lat, 39.375);
  CMapSheet::StepInside(lon, lat, &lon, &lat);
  EXPECT_EQ(CMapSheet::NewSheetNumber(lon, lat, 10000), "J50G015010");

  // The old number and the extent of a 1:1000000 sheet are its own, not
  // those of the sheet north-west of it.
  EXPECT_EQ(CMapSheet::NewToOldNumber("J50"), "J-50");
  SheetExtentSeconds extent;
  ASSERT_TRUE(CMapSheet::SheetExtent("J50", &extent));
  EXPECT_EQ(extent.west, 114 * 3600);
  EXPECT_EQ(extent.east, 120 * 3600);
  EXPECT_EQ(extent.south, 36 * 3600);
  EXPECT_EQ(extent.north, 40 * 3600);
}

TEST(MapSheet, RandomPointsRoundTripAtEveryScale) {
  std::mt19937 random(2024);
  std::uniform_real_distribution<double> lonOf(73.0, 135.0), latOf(18.0, 54.0);
  CMapSheet sheets;
  for (int i = 0; i < 2000; ++i) {
    const double lon = lonOf(random), lat = latOf(random);
    for (int32_t scale : kScales) {
      const std::string newNumber = CMapSheet::NewSheetNumber(lon, lat, scale);
      const std::string oldNumber = CMapSheet::OldSheetNumber(lon, lat, scale);
      ASSERT_EQ(CMapSheet::NewToOldNumber(newNumber), oldNumber) << lon << " " << lat << " " << scale;
      ASSERT_EQ(sheets.OldToNewNumber(oldNumber), newNumber) << lon << " " << lat << " " << scale;
      SheetExtentSeconds extent;
      ASSERT_TRUE(CMapSheet::SheetExtent(newNumber, &extent));
      ASSERT_TRUE(Inside(lon, lat, extent)) << newNumber << " " << lon << " " << lat;
      double cornerLon = 0, cornerLat = 0, insideLon = 0, insideLat = 0;
      ASSERT_TRUE(CMapSheet::NewNumberToCorner(newNumber, &cornerLon, &cornerLat));
      if (scale != 1000000) {
        CMapSheet::StepInside(cornerLon, cornerLat, &insideLon, &insideLat);
        ASSERT_EQ(CMapSheet::NewSheetNumber(insideLon, insideLat, scale), newNumber);
      }
    }
  }
}

// The numbering written out directly in degrees and minutes, as the
// national standard states it, for points that lie off every sheet line.
std::string DirectNewNumber(double lon, double lat, int32_t scale) {
  const struct {
    int32_t scale;
    char letter;
    int perSide;
  } kGrid[] = {{500000, 'B', 2}, {250000, 'C', 4}, {100000, 'D', 12}, {50000, 'E', 24},
               {25000, 'F', 48}, {10000, 'G', 96}, {5000, 'H', 192}};
  char text[16];
  std::snprintf(text, sizeof text, "%c%d", 'A' + static_cast<int>(lat / 4), 31 + static_cast<int>(lon / 6));
  std::string number = text;
  for (const auto& g : kGrid) {
    if (g.scale != scale) continue;
    const int row = g.perSide - static_cast<int>(std::fmod(lat, 4.0) * g.perSide / 4.0);
    const int col = 1 + static_cast<int>(std::fmod(lon, 6.0) * g.perSide / 6.0);
    std::snprintf(text, sizeof text, "%c%03d%03d", g.letter, row, col);
    number += text;
  }
  return number;
}

std::string DirectOldNumber(double lon, double lat, int32_t scale) {
  const double latm = lat * 60.0, lonm = lon * 60.0;
  const auto quadrant = [](bool north, bool east, char first) {
    return std::string(1, static_cast<char>(first + (north ? 0 : 2) + (east ? 1 : 0)));
  };
  std::string number = std::string(1, static_cast<char>('A' + static_cast<int>(lat / 4))) + "-" +
                       std::to_string(31 + static_cast<int>(lon / 6));
  if (scale == 1000000) return number;
  if (scale == 500000) return number + "-" + quadrant(std::fmod(lat, 4) >= 2, std::fmod(lon, 6) >= 3, 'A');
  if (scale == 250000) {
    const int n = 1 + static_cast<int>(std::fmod(lon, 6) * 2 / 3) + (4 - static_cast<int>(std::fmod(lat, 4))) * 4 - 4;
    return number + "-[" + std::to_string(n) + "]";
  }
  const int r = 12 - static_cast<int>(std::fmod(lat, 4) * 3);
  const int c = 1 + static_cast<int>(std::fmod(lon, 6) * 2);
  number += "-" + std::to_string(c + r * 12 - 12);
  if (scale == 100000) return number;
  if (scale == 10000 || scale == 5000) {
    const int k =
        (7 - static_cast<int>(std::fmod(latm, 20) * 0.4)) * 8 + 1 + static_cast<int>(std::fmod(lonm, 30) / 3.75);
    number += "-(" + std::to_string(k) + ")";
    if (scale == 10000) return number;
    return number + "-" +
           quadrant(static_cast<int>(std::fmod(latm, 2.5) / 1.25) == 1,
                    static_cast<int>(std::fmod(lonm, 3.75) / 1.875) == 1, 'a');
  }
  number += "-" + quadrant(static_cast<int>(std::fmod(latm, 20) / 10) == 1,
                           static_cast<int>(std::fmod(lonm, 30) / 15) == 1, 'A');
  if (scale == 50000) return number;
  const bool north = static_cast<int>(std::fmod(latm, 10) / 5) == 1;
  const bool east = static_cast<int>(std::fmod(lonm, 15) / 7.5) == 1;
  return number + "-" + std::to_string(1 + (north ? 0 : 2) + (east ? 1 : 0));
}

TEST(MapSheet, AgreesWithTheNumberingWrittenInDegreesAndMinutes) {
  std::mt19937 random(99);
  std::uniform_real_distribution<double> lonOf(73.0, 135.0), latOf(18.0, 54.0);
  for (int i = 0; i < 5000; ++i) {
    const double lon = lonOf(random), lat = latOf(random);
    for (int32_t scale : kScales) {
      ASSERT_EQ(CMapSheet::NewSheetNumber(lon, lat, scale), DirectNewNumber(lon, lat, scale)) << lon << " " << lat;
      ASSERT_EQ(CMapSheet::OldSheetNumber(lon, lat, scale), DirectOldNumber(lon, lat, scale)) << lon << " " << lat;
    }
  }
}

TEST(MapSheet, PointsOnSheetLinesBelongNorthAndEastInBothSchemes) {
  // Corners and edge points computed the ways callers compute them: from
  // minutes, from sheet counts, from seconds. A point on a line belongs to
  // the sheet north and east of it; a point well south or west of the line
  // does not.
  for (int32_t scale : kScales) {
    SCOPED_TRACE(scale);
    const double width = CMapSheet::SheetWidthSeconds(scale) / 3600.0;
    const double height = CMapSheet::SheetHeightSeconds(scale) / 3600.0;
    for (int k = 1; k < 40 && k * width < 18.0 && k * height < 16.0; k += 3) {
      const double lonLine = 114.0 + k * width;  // k sheets east of a 1:1000000 line
      const double latLine = 36.0 + k * height;
      const double fromMinutes = (36.0 * 60.0 + k * height * 60.0) / 60.0;
      for (double lat : {latLine, fromMinutes}) {
        const std::string onLine = CMapSheet::NewSheetNumber(lonLine, lat, scale);
        SheetExtentSeconds extent;
        ASSERT_TRUE(CMapSheet::SheetExtent(onLine, &extent));
        EXPECT_NEAR(extent.west, lonLine * 3600.0, 1e-6) << onLine;
        EXPECT_NEAR(extent.south, lat * 3600.0, 1e-6) << onLine;
        CMapSheet sheets;
        EXPECT_EQ(sheets.OldToNewNumber(CMapSheet::OldSheetNumber(lonLine, lat, scale)), onLine);

        const double aside = 1e-3 / 3600.0;  // a thousandth of a second
        const std::string southWest = CMapSheet::NewSheetNumber(lonLine - aside, lat - aside, scale);
        EXPECT_NE(southWest, onLine);
        EXPECT_EQ(sheets.OldToNewNumber(CMapSheet::OldSheetNumber(lonLine - aside, lat - aside, scale)), southWest);
      }
    }
  }
}

TEST(MapSheet, PointsOutsideTheSeriesHaveNoNumber) {
  const struct {
    double lon, lat;
    int32_t scale;
  } cases[] = {{-0.5, 30.0, 10000},         {120.0, -0.1, 10000},  {180.0, 30.0, 10000}, {120.0, 88.0, 10000},
               {std::nan(""), 30.0, 10000}, {120.0, 30.0, 200000}, {120.0, 30.0, 0}};
  for (const auto& c : cases) {
    EXPECT_EQ(CMapSheet::NewSheetNumber(c.lon, c.lat, c.scale), "") << c.lon << " " << c.lat << " " << c.scale;
    EXPECT_EQ(CMapSheet::OldSheetNumber(c.lon, c.lat, c.scale), "") << c.lon << " " << c.lat << " " << c.scale;
  }
  EXPECT_EQ(CMapSheet::NewSheetNumber(179.99, 87.99, 5000), "V60H001192");
}

TEST(MapSheet, MalformedNewNumbersAreRejected) {
  const std::string tooLong(4096, '9');
  for (const std::string& number :
       {std::string(), std::string("J5"), std::string("J50G015010X"), std::string("J50G000010"),
        std::string("J50G097010"), std::string("J50Z015010"), std::string("W50"), std::string("J30"),
        std::string("J61"), std::string("J5OG015010"), std::string("J50D013001"), std::string("J50A001001"),
        std::string("J50G01501"), std::string("J50G0150-1"), std::string("-50G015010"), tooLong}) {
    char letter = '?';
    double lon = -1, lat = -1;
    SheetExtentSeconds extent{1, 2, 3, 4};
    EXPECT_EQ(CMapSheet::ScaleOfNewNumber(number, &letter), 0) << number;
    EXPECT_EQ(letter, '?');
    EXPECT_FALSE(CMapSheet::NewNumberToCorner(number, &lon, &lat)) << number;
    EXPECT_EQ(lon, -1);
    EXPECT_EQ(CMapSheet::NewToOldNumber(number), "") << number;
    EXPECT_FALSE(CMapSheet::SheetExtent(number, &extent)) << number;
    EXPECT_EQ(extent.west, 1);
  }
}

TEST(MapSheet, MalformedOldNumbersAreRejected) {
  const std::string tooLong = "J-50-14-(" + std::string(4096, '5') + ")";
  CMapSheet sheets;
  for (const std::string& number : {std::string(),
                                    std::string("J"),
                                    std::string("J-5"),
                                    std::string("J-500"),
                                    std::string("JJ-50"),
                                    std::string("J--50"),
                                    std::string("J-50-"),
                                    std::string("J-50-E"),
                                    std::string("J-50-145"),
                                    std::string("J-50-0"),
                                    std::string("J-50-[0]"),
                                    std::string("J-50-[17]"),
                                    std::string("J-50-[]"),
                                    std::string("J-50-14-(65)"),
                                    std::string("J-50-14-()"),
                                    std::string("J-50-14-E"),
                                    std::string("J-50-14-A-5"),
                                    std::string("J-50-14-(50)-e"),
                                    std::string("J-50-14-(50)-a-1"),
                                    std::string("J-50-14-A-1-2"),
                                    std::string("W-50"),
                                    std::string("J-29"),
                                    std::string("J-50-+1"),
                                    tooLong}) {
    char letter = '?';
    EXPECT_EQ(CMapSheet::ClassifyOldNumber(number, &letter), 0) << number;
    EXPECT_EQ(letter, '?');
    EXPECT_EQ(sheets.OldToNewNumber(number), "") << number;
  }
}

TEST(MapSheet, NumbersAreReadWithSurroundingBlanksAndEitherCase) {
  CMapSheet sheets;
  EXPECT_EQ(sheets.OldToNewNumber("  j-50-14-(50)\t"), "J50G015010");
  EXPECT_EQ(sheets.OldToNewNumber("J-50-144-(64)-D"), "J50H192192");
  EXPECT_EQ(CMapSheet::NewToOldNumber(" j50g015010 "), "J-50-14-(50)");
}

TEST(MapSheet, AnyAcceptedTextNamesASheetThatConvertsBack) {
  // Random texts over the characters sheet numbers are made of: whatever is
  // accepted converts to the other scheme and back to the same sheet.
  const std::string alphabet = "JKVW012345689-()[]ABCDEGHabcd ";
  std::mt19937 random(5);
  std::uniform_int_distribution<std::size_t> lengthOf(0, 16), charOf(0, alphabet.size() - 1);
  CMapSheet sheets;
  int acceptedOld = 0, acceptedNew = 0;
  for (int i = 0; i < 300000; ++i) {
    std::string text(lengthOf(random), ' ');
    for (char& c : text) c = alphabet[charOf(random)];
    if (i % 2) text = "J-5" + text;  // reach the deeper parts more often
    char letter = '?';
    if (const int32_t scale = CMapSheet::ClassifyOldNumber(text, &letter)) {
      ++acceptedOld;
      const std::string newNumber = sheets.OldToNewNumber(text);
      char newLetter = '?';
      ASSERT_EQ(CMapSheet::ScaleOfNewNumber(newNumber, &newLetter), scale) << text;
      ASSERT_EQ(sheets.OldToNewNumber(CMapSheet::NewToOldNumber(newNumber)), newNumber) << text;
    }
    if (CMapSheet::ScaleOfNewNumber(text, &letter)) {
      ++acceptedNew;
      const std::string oldNumber = CMapSheet::NewToOldNumber(text);
      ASSERT_FALSE(oldNumber.empty()) << text;
      ASSERT_EQ(CMapSheet::NewToOldNumber(sheets.OldToNewNumber(oldNumber)), oldNumber) << text;
    }
  }
  EXPECT_GT(acceptedOld, 100);
  EXPECT_GT(acceptedNew, 0);
}

}  // namespace
