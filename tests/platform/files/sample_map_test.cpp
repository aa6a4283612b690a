// The shipped sample map (data/samples, written by its own generator) must
// read cleanly, write back to the same bytes and hold what it promises.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>

#include "framework/bytes/little_endian.h"
#include "framework/fileio/file_io.h"
#include "platform/files/project_file.h"
#include "platform/files/vector_file_codec.h"
#include "platform/files/work_area_file.h"
#include "tests/support/test_env.h"

namespace zv {
namespace {

using namespace files;

std::string SamplePath(const std::string& name) { return zv::test::DataPath("../../data/samples/" + name); }

VectorFile LoadSample(const std::string& name) {
  VectorFile file;
  FileReport report;
  EXPECT_TRUE(LoadVectorFile(SamplePath(name), file, report)) << report.error;
  EXPECT_THAT(report.warnings, ::testing::IsEmpty());
  std::vector<std::uint8_t> original, again;
  std::string error;
  EXPECT_TRUE(fileio::ReadWholeFile(SamplePath(name), original, &error));
  EXPECT_TRUE(EncodeVectorFile(file, again, &error));
  EXPECT_EQ(again, original) << name << " does not write back to the same bytes";
  return file;
}

double Length(const std::vector<Vertex>& vertices) {
  double length = 0;
  for (std::size_t i = 1; i < vertices.size(); ++i)
    length += std::hypot(vertices[i].x - vertices[i - 1].x, vertices[i].y - vertices[i - 1].y);
  return length;
}

TEST(SampleMap, ContoursEveryTenMetresWithTheirElevation) {
  const VectorFile file = LoadSample("CONTOUR.WL");
  EXPECT_EQ(file.kind, FileKind::Line);
  EXPECT_EQ(bytes::ReadLe<double>(file.MapParameters() + 52), 10000);  // scale
  EXPECT_EQ(file.MapParameters()[18], 5);                      // Gauss-Krueger
  EXPECT_EQ(bytes::ReadLe<double>(file.MapParameters() + 108), 38500000);  // zone 38
  const int elevation = file.attributes.FindField("高程");
  ASSERT_GE(elevation, 0);
  EXPECT_EQ(file.attributes.fields[static_cast<std::size_t>(elevation)].Type(), static_cast<int>(FieldType::Double));
  ASSERT_GT(file.lines.size(), 20u);
  for (std::size_t id = 1; id < file.lines.size(); ++id) {
    const double level = FieldNumber(file.attributes, id, static_cast<std::size_t>(elevation)).value_or(-1);
    EXPECT_EQ(std::fmod(level, 10.0), 0) << id;
    EXPECT_NEAR(FieldNumber(file.attributes, id, 1).value_or(-1), Length(file.lines[id].vertices), 1e-4);
    for (const Vertex& v : file.lines[id].vertices) {
      EXPECT_TRUE(v.x >= 0 && v.x <= 400 && v.y >= 0 && v.y <= 300) << id;
    }
  }
}

TEST(SampleMap, TextsSymbolsAndRegionsWithHoles) {
  const VectorFile points = LoadSample("POINTS.WT");
  ASSERT_GT(points.points.size(), 10u);
  EXPECT_EQ(points.points[1].Text(), "示例等高线图  1:10000");
  EXPECT_EQ(points.points[2].Kind(), 1);  // a symbol

  const VectorFile regions = LoadSample("AREAS.WP");
  ASSERT_EQ(regions.regions.size(), 3u);
  for (std::size_t id = 1; id < 3; ++id) EXPECT_THAT(regions.regions[id].arcs, ::testing::Contains(0));

  const WorkAreaSetHandle set = BasCreateWorkAreaSet(0);
  const WorkAreaHandle area = BasLoadWorkArea(set, SamplePath("AREAS.WP"));
  ASSERT_NE(area, 0);
  AttributeRecord record;
  double stored = 0;
  ASSERT_EQ(BasReadAttribute(area, kRegionEntity, 1, &record), 1);
  ASSERT_TRUE(BasGetFieldDouble(record, "面积", &stored));
  EXPECT_NEAR(BasRegionArea(area, 1), stored, 1e-3);
  std::string name;
  ASSERT_TRUE(BasGetFieldText(record, "名称", &name));
  EXPECT_EQ(name, "白水塘");
  BasFreeWorkAreaSet(set);
}

TEST(SampleMap, ProjectNamesTheThreeFiles) {
  ProjectFile project;
  FileReport report;
  ASSERT_TRUE(LoadProjectFile(SamplePath("HILLS.MPJ"), project, report)) << report.error;
  EXPECT_THAT(report.warnings, ::testing::IsEmpty());
  EXPECT_EQ(project.Title(), "示例等高线图");
  ASSERT_EQ(project.items.size(), 3u);
  for (const ProjectItem& item : project.items) {
    FileKind kind;
    EXPECT_TRUE(ItemFileKind(item, kind));
    EXPECT_TRUE(std::filesystem::exists(ResolveItemPath(SamplePath("HILLS.MPJ"), item.FileName()))) << item.FileName();
  }
  std::vector<std::uint8_t> original;
  std::string error;
  ASSERT_TRUE(fileio::ReadWholeFile(SamplePath("HILLS.MPJ"), original, &error));
  EXPECT_EQ(EncodeProjectFile(project), original);
}

}  // namespace
}  // namespace zv
