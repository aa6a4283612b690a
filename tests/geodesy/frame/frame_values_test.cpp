#include "geodesy/frame/frame_values.h"

#include <gtest/gtest.h>

namespace zv::geodesy {
namespace {

TEST(StandardFrameValues, ChecksInTheDialogsOrder) {
  const StandardFrameTexts good{"5000", "39", "621.387", "623.414", "2863.651", "2866.000", true};
  const struct {
    StandardFrameTexts texts;
    const char* field;  // "" when accepted
    const char* message;
  } cases[] = {
      {good, "", ""},
      {{"999", "39", "1", "2", "3", "4", true}, "scale", "请输入一个介于 1000 和 1000000 之间的整数。"},
      {{"1000", "39", "1", "2", "3", "4", true}, "", ""},
      {{"1000000", "39", "1", "2", "3", "4", true}, "", ""},
      {{"1000001", "39", "1", "2", "3", "4", true}, "scale", "请输入一个介于 1000 和 1000000 之间的整数。"},
      {{"5000.5", "39", "1", "2", "3", "4", true}, "scale", "请输入一个整数。"},
      {{"5000", "x", "1", "2", "3", "4", true}, "zone", "请输入一个整数。"},
      {{"5000", "x", "1", "2", "3", "4", false}, "", ""},
      {{"5000", "39", "1", "2", "3.5.1", "4", true}, "y1", "请输入一个数字。"},
  };
  for (const auto& c : cases) {
    StandardFrameValues values;
    const std::optional<FrameRefusal> refusal = CheckStandardFrame(c.texts, &values);
    EXPECT_EQ(refusal ? refusal->field : "", c.field) << c.texts.scale;
    EXPECT_EQ(refusal ? refusal->message : "", c.message) << c.texts.scale;
  }
  StandardFrameValues values;
  ASSERT_FALSE(CheckStandardFrame(good, &values));
  EXPECT_EQ(values.scale, 5000);
  EXPECT_EQ(values.zone, 39);
  EXPECT_EQ(values.y2, "2866.000");
}

TEST(GraticuleValues, ChecksRefuseWhatCannotBeDrawn) {
  const struct {
    GraticuleValues texts;
    const char* field;
    const char* message;
  } cases[] = {
      {{}, "", ""},
      {{"0", "254845", "1170830", "254400", "1170315"}, "interval", "公里网间隔必须大于0！"},
      {{"km", "254845", "1170830", "254400", "1170315"}, "interval", "公里网间隔必须大于0！"},
      {{"1", "254875", "1170830", "254400", "1170315"}, "maxLatitude", "经纬度数据错误！"},
      {{"1", "254845", "1170830", "-254400", "1170315"}, "minLatitude", "经纬度数据错误！"},
      {{"1", "254845", "1170830", "254400", "3600000"}, "minLongitude", "数据错误"},
  };
  for (const auto& c : cases) {
    double interval = 0;
    const std::optional<FrameRefusal> refusal = CheckGraticule(c.texts, &interval);
    EXPECT_EQ(refusal ? refusal->field : "", c.field) << c.texts.interval;
    EXPECT_EQ(refusal ? refusal->message : "", c.message) << c.texts.interval;
  }
}

}  // namespace
}  // namespace zv::geodesy
