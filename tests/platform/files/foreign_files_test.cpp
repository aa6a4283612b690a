// Files laid out as other writers lay them out (tests/data/platform_files):
// directory at the end with 10 entries, a lead-in before the vertices,
// unknown record bytes, texts with trailing NULs and bad GBK, unknown field
// types, fewer attribute records than lines, an old project tag.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "framework/bytes/little_endian.h"
#include "platform/files/project_file.h"
#include "platform/files/vector_file_codec.h"
#include "platform/files/work_area_file.h"
#include "tests/support/test_env.h"

namespace zv {
namespace {

using namespace files;

std::string Fixture(const std::string& name) { return zv::test::DataPath("platform_files/" + name); }

VectorFile Load(const std::string& path) {
  VectorFile file;
  FileReport report;
  EXPECT_TRUE(LoadVectorFile(path, file, report)) << report.error;
  EXPECT_THAT(report.warnings, ::testing::IsEmpty());
  return file;
}

// Our layout of a foreign file reads back to the same entities, and writing
// it again changes nothing more.
VectorFile Rewritten(const VectorFile& file) {
  std::vector<std::uint8_t> first, second;
  EXPECT_TRUE(EncodeVectorFile(file, first, nullptr));
  VectorFile again;
  FileReport report;
  EXPECT_TRUE(DecodeVectorFile(first, "REWRITTEN", again, report));
  EXPECT_TRUE(EncodeVectorFile(again, second, nullptr));
  EXPECT_EQ(first, second);
  return again;
}

TEST(ForeignFiles, LineFileFromAnotherWriter) {
  for (const VectorFile& file : {Load(Fixture("FOREIGN.WL")), Rewritten(Load(Fixture("FOREIGN.WL")))}) {
    ASSERT_EQ(file.lines.size(), 5u);
    EXPECT_FALSE(file.lines[2].Live());
    EXPECT_EQ(file.lines[1].vertices, (std::vector<Vertex>{{113.5, 39.9}, {113.6, 39.95}, {113.7, 39.9}}));
    EXPECT_EQ(file.lines[2].vertices.size(), 2u);
    EXPECT_EQ(file.lines[3].vertices.size(), 1u);
    EXPECT_EQ(file.lines[1].bytes[3], 1);
    EXPECT_EQ(file.lines[4].bytes[9], 9);
    EXPECT_EQ(bytes::ReadLe<std::int32_t>(&file.lines[4].bytes[26]), 11);
    EXPECT_EQ(file.header[20], 1);
    EXPECT_EQ(file.header[90], 71);
    EXPECT_EQ(file.header[336], 0x11);
    EXPECT_EQ(bytes::ReadLe<double>(file.MapParameters() + 52), 200000);
    EXPECT_EQ(file.keptSections.at(6).size(), 160u);
    EXPECT_EQ(file.keptSections.at(7).size(), 20u);

    const AttributeTable& table = file.attributes;
    ASSERT_EQ(table.fields.size(), 3u);
    EXPECT_EQ(table.RecordCount(), 4u);
    EXPECT_EQ(table.FindField("ID"), 1);
    EXPECT_EQ(FieldNumber(table, 3, 1), 3.0);
    EXPECT_EQ(FieldText(table, 1, 0), "断层1");
    EXPECT_FALSE(FieldText(table, 1, 2).has_value());  // type 9: kept, not read
    EXPECT_EQ(table.trailing, (std::vector<std::uint8_t>{0x00, 0x7f}));
  }
}

TEST(ForeignFiles, PointFileFromAnotherWriter) {
  for (const VectorFile& file : {Load(Fixture("FOREIGN.WT")), Rewritten(Load(Fixture("FOREIGN.WT")))}) {
    ASSERT_EQ(file.points.size(), 4u);
    EXPECT_EQ(file.points[1].Text(), "断层");
    EXPECT_EQ(file.points[1].gbkText.size(), 6u);
    EXPECT_EQ(file.points[2].Text(), "AB\xEF\xBF\xBD CD");
    EXPECT_EQ(file.points[3].Kind(), 2);
    EXPECT_EQ(bytes::ReadLe<double>(&file.points[3].bytes[33]), 1.5);
    EXPECT_EQ(bytes::ReadLe<std::int16_t>(&file.points[3].bytes[83]), 4);
    EXPECT_FALSE(file.attributes.present);
  }
}

TEST(ForeignFiles, ForeignLineFileThroughAWorkArea) {
  const WorkAreaSetHandle set = BasCreateWorkAreaSet(0);
  FileReport report;
  const WorkAreaHandle area = BasLoadWorkArea(set, Fixture("FOREIGN.WL"), &report);
  ASSERT_NE(area, 0) << report.error;
  int32_t live = 0, bound = 0;
  BasGetLineCount(area, &live, &bound);
  EXPECT_EQ(live, 3);
  EXPECT_EQ(bound, 5);
  AttributeRecord record;
  ASSERT_EQ(BasReadAttribute(area, kLineEntity, 3, &record), 1);
  std::string name;
  ASSERT_TRUE(BasGetFieldText(record, "NAME", &name));
  EXPECT_EQ(name, "断层3");

  const std::string saved = zv::test::TempRoot() + "/FOREIGN.WL";
  ASSERT_EQ(BasSaveWorkArea(area, saved, kSavePathComplete), 1) << BasLastSaveError();
  const VectorFile file = Load(saved);
  EXPECT_EQ(file.lines[4].bytes[9], 9);
  EXPECT_EQ(file.header[20], 1);
  EXPECT_EQ(file.keptSections.size(), 2u);  // same number of lines: the per-line blocks stay
  const int note = file.attributes.FindField("备注");
  ASSERT_GE(note, 0);
  const AttributeField& field = file.attributes.fields[static_cast<std::size_t>(note)];
  EXPECT_EQ(field.Type(), 9);
  const std::uint8_t* value = file.attributes.Record(1) + field.Offset();
  EXPECT_EQ(std::string(value, value + 8), "TEXTBLOB");
  BasFreeWorkAreaSet(set);
}

TEST(ForeignFiles, OldProjectWithAbsolutePathsAndALayerDictionary) {
  ProjectFile project;
  FileReport report;
  ASSERT_TRUE(LoadProjectFile(Fixture("OLD.MPJ"), project, report)) << report.error;
  EXPECT_THAT(report.warnings, ::testing::IsEmpty());
  EXPECT_EQ(project.Title(), "旧工程");
  ASSERT_EQ(project.items.size(), 2u);
  EXPECT_EQ(project.items[0].FileName(), "D:\\SURVEY\\FOREIGN.WL");
  EXPECT_EQ(ResolveItemPath(Fixture("OLD.MPJ"), project.items[0].FileName()), Fixture("FOREIGN.WL"));
  EXPECT_EQ(ResolveItemPath(Fixture("OLD.MPJ"), project.items[1].FileName()), Fixture("FOREIGN.WT"));
  EXPECT_EQ(project.items[1].bytes[370], 0xEE);

  const std::vector<std::uint8_t> bytes = EncodeProjectFile(project);
  EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 8), "GDMP`D29");
  EXPECT_EQ(std::string(bytes.end() - 12, bytes.end() - 3), "LAYERDICT");
  project.items.pop_back();
  const std::vector<std::uint8_t> shorter = EncodeProjectFile(project);
  const auto dictionary = static_cast<std::size_t>(bytes::ReadLe<std::int32_t>(&shorter[746]));
  EXPECT_EQ(std::string(shorter.begin() + static_cast<long>(dictionary), shorter.begin() + static_cast<long>(dictionary) + 9),
            "LAYERDICT");
}

}  // namespace
}  // namespace zv
