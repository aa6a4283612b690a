#include <gtest/gtest.h>

#include "geodesy/sheet/sheet_number_form.h"

namespace zv::sheet {
namespace {

TEST(SheetNumberForm, TheDefaultsGiveTheSheetOnWhoseSouthWestCornerThePointLies) {
  SheetForm form;
  ASSERT_EQ(ComputeSheet(form, SheetInput::Degrees), std::nullopt);
  EXPECT_EQ(form.newNumber, "J50G015010");
  EXPECT_EQ(form.oldNumber, "J-50-14-(50)");
  EXPECT_EQ(form.lonRange, "114°33′45.00″--114°37′30.00″");
  EXPECT_EQ(form.latRange, "39°22′30.00″--39°25′0.00″");
  EXPECT_EQ(form.lonDifference, "0°3′45.00″");
  EXPECT_EQ(form.latDifference, "0°2′30.00″");
  EXPECT_EQ(form.lonPacked, "1143345.000000");
  EXPECT_EQ(form.latPacked, "392230.000000");
  EXPECT_EQ(form.name, "") << "the shipped tables hold no rows";
}

TEST(SheetNumberForm, EveryModeAgreesOnTheExamples) {
  struct Case {
    double lon, lat;
    const char* scale;
    const char* newNumber;
    const char* oldNumber;
  };
  const Case cases[] = {
      {117.5, 39.9, "1000000", "J50", "J-50"},
      {117.5, 39.9, "500000", "J50B001002", "J-50-B"},
      {114.01, 39.99, "500000", "J50B001001", "J-50-A"},
      {114.01, 39.99, "5000", "J50H001001", "J-50-1-(1)-a"},
      {119.99, 36.01, "100000", "J50D012012", "J-50-144"},
      {119.99, 36.01, "25000", "J50F048048", "J-50-144-D-4"},
      {119.99, 36.01, "5000", "J50H192192", "J-50-144-(64)-d"},
      {114.5625, 39.375, "10000", "J50G015010", "J-50-14-(50)"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.newNumber);
    SheetForm degrees;
    degrees.lon = c.lon;
    degrees.lat = c.lat;
    degrees.scale = c.scale;
    ASSERT_EQ(ComputeSheet(degrees, SheetInput::Degrees), std::nullopt);
    EXPECT_EQ(degrees.newNumber, c.newNumber);
    EXPECT_EQ(degrees.oldNumber, c.oldNumber);

    SheetForm packed;
    packed.scale = c.scale;
    packed.lonPacked = PackedText(c.lon);
    packed.latPacked = PackedText(c.lat);
    ASSERT_EQ(ComputeSheet(packed, SheetInput::Packed), std::nullopt);
    EXPECT_EQ(packed.newNumber, c.newNumber);
    EXPECT_NEAR(packed.lon, c.lon, 1e-9);

    SheetForm fromNew;
    fromNew.scale = "10000";
    fromNew.newNumber = c.newNumber;
    ASSERT_EQ(ComputeSheet(fromNew, SheetInput::NewNumber), std::nullopt);
    EXPECT_EQ(fromNew.oldNumber, c.oldNumber);
    EXPECT_EQ(fromNew.scale, c.scale);
    EXPECT_EQ(fromNew.lonRange, degrees.lonRange);
    EXPECT_EQ(fromNew.latRange, degrees.latRange);

    SheetForm fromOld;
    fromOld.oldNumber = c.oldNumber;
    if (std::string(c.scale) == "5000") continue;  // old 1:5000 numbers have no conversion
    ASSERT_EQ(ComputeSheet(fromOld, SheetInput::OldNumber), std::nullopt);
    EXPECT_EQ(fromOld.newNumber, c.newNumber);
    EXPECT_EQ(fromOld.scale, c.scale);
  }
}

TEST(SheetNumberForm, AMillionSheetShowsItsWholeExtent) {
  SheetForm form;
  form.newNumber = "J50";
  ASSERT_EQ(ComputeSheet(form, SheetInput::NewNumber), std::nullopt);
  EXPECT_EQ(form.scale, "1000000");
  EXPECT_EQ(form.oldNumber, "J-50");
  EXPECT_EQ(form.lonRange, "114°0′0.00″--120°0′0.00″");
  EXPECT_EQ(form.latRange, "36°0′0.00″--40°0′0.00″");
  EXPECT_EQ(form.lonDifference, "6°0′0.00″");
  EXPECT_EQ(form.latDifference, "4°0′0.00″");
  EXPECT_EQ(form.lonPacked, "1195900.000000") << "one minute inside the south-east corner";
  EXPECT_EQ(form.latPacked, "360100.000000");
}

TEST(SheetNumberForm, RefusalsChangeNothing) {
  struct Case {
    SheetInput mode;
    const char* scale;
    const char* lonPacked;
    const char* newNumber;
    const char* oldNumber;
    const char* message;
  };
  const Case cases[] = {
      {SheetInput::NewNumber, "10000", "", "J50X001001", "", "新图幅号不正确！"},
      {SheetInput::NewNumber, "10000", "", "", "", "新图幅号不正确！"},
      {SheetInput::NewNumber, "10000", "", "J5", "", "新图幅号不正确！"},
      {SheetInput::OldNumber, "10000", "", "", "X-99-1-2-3-4", "旧图幅号不正确！"},
      {SheetInput::OldNumber, "10000", "", "", "", "旧图幅号不正确！"},
      {SheetInput::Packed, "10000", "1176000", "", "", "经纬度格式不正确！"},
      {SheetInput::Packed, "10000", "114°33′", "", "", "经纬度格式不正确！"},
      {SheetInput::Degrees, "0", "", "", "", "比例尺不正确！"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.message);
    SheetForm form;
    form.scale = c.scale;
    form.lonPacked = c.lonPacked;
    form.latPacked = "392230";
    form.newNumber = c.newNumber;
    form.oldNumber = c.oldNumber;
    form.name = "旧名";
    const SheetForm before = form;
    EXPECT_EQ(ComputeSheet(form, c.mode), std::optional<std::string>(c.message));
    EXPECT_EQ(form.newNumber, before.newNumber);
    EXPECT_EQ(form.oldNumber, before.oldNumber);
    EXPECT_EQ(form.lonRange, before.lonRange);
    EXPECT_EQ(form.name, "旧名");
  }
  SheetForm outside;
  outside.lon = -5;
  EXPECT_EQ(ComputeSheet(outside, SheetInput::Degrees), std::optional<std::string>("经纬度超出图幅范围！"));
}

TEST(SheetNumberForm, AnglesRoundToHundredthsAndCarry) {
  struct Case {
    double seconds;
    const char* text;
  };
  const Case cases[] = {{412425.0, "114°33′45.00″"}, {3599.996, "1°0′0.00″"}, {59.994, "0°0′59.99″"},
                        {225.0, "0°3′45.00″"},       {0.0, "0°0′0.00″"}};
  for (const Case& c : cases) EXPECT_EQ(AngleText(c.seconds), c.text) << c.seconds;
}

}  // namespace
}  // namespace zv::sheet
