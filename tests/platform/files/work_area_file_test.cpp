#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>

#include "framework/bytes/little_endian.h"
#include "framework/fileio/file_io.h"
#include "platform/files/vector_file_codec.h"
#include "platform/files/work_area_file.h"
#include "tests/platform/files/sample_vector_files.h"
#include "tests/support/test_env.h"

namespace zv {
namespace {

using files::FileKind;
using files::FileReport;
using ::testing::HasSubstr;

std::string Path(const std::string& name) { return zv::test::TempRoot() + "/" + name; }

std::vector<std::uint8_t> Bytes(const std::string& path) {
  std::vector<std::uint8_t> bytes;
  std::string error;
  EXPECT_TRUE(fileio::ReadWholeFile(path, bytes, &error)) << error;
  return bytes;
}

std::string SaveSample(FileKind kind, const std::string& name) {
  std::string error;
  EXPECT_TRUE(files::SaveVectorFile(Path(name), files::testing::SampleFile(kind), &error)) << error;
  return Path(name);
}

class WorkAreaFileTest : public ::testing::Test {
 protected:
  void TearDown() override { BasFreeWorkAreaSet(set_); }
  WorkAreaSetHandle set_ = BasCreateWorkAreaSet(0);
};

TEST_F(WorkAreaFileTest, LoadsPointsWithTextsParametersAndAttributes) {
  FileReport report;
  const WorkAreaHandle area = BasLoadWorkArea(set_, SaveSample(FileKind::Point, "SAMPLE.WT"), &report);
  ASSERT_NE(area, 0) << report.error;
  EXPECT_TRUE(report.warnings.empty());
  EXPECT_EQ(BasGetWorkAreaType(area), kPointArea);
  EXPECT_FALSE(BasIsWorkAreaModified(area));
  int32_t live = 0, bound = 0;
  BasGetPointCount(area, &live, &bound);
  EXPECT_EQ(live, 3);
  EXPECT_EQ(bound, 5);

  D_DOT position;
  std::string text;
  PNT_INFO info;
  ASSERT_EQ(BasReadPoint(area, 1, &position, &text, &info), 1);
  EXPECT_EQ(text, "钻孔 ZK01");
  EXPECT_EQ(position.x, 100.5);
  EXPECT_EQ(position.y, 200.25);
  // Record bytes 31.. are PNT_INFO bytes 0..: colour at record 75, layer at 83.
  const files::VectorFile sample = files::testing::SamplePointFile();
  const files::PointRecord& source = sample.points[3];
  ASSERT_EQ(BasReadPoint(area, 3, &position, &text, &info), 1);
  EXPECT_EQ(info.colour(), bytes::ReadLe<std::int32_t>(&source.bytes[75]));
  EXPECT_EQ(info.layer(), bytes::ReadLe<std::int16_t>(&source.bytes[83]));
  EXPECT_EQ(text, "Fault F3");
  EXPECT_EQ(BasReadPoint(area, 2, &position, &text, &info), 0);  // deleted in the file

  AttributeRecord record;
  ASSERT_EQ(BasReadAttribute(area, kPointEntity, 1, &record), 1);
  std::string value;
  ASSERT_TRUE(BasGetFieldText(record, "名称", &value));
  EXPECT_EQ(value, "石英脉");
  ASSERT_TRUE(BasGetFieldText(record, "ID", &value));
  EXPECT_EQ(value, "1");
}

TEST_F(WorkAreaFileTest, LoadsRegionsWithArcsAndHoles) {
  FileReport report;
  const WorkAreaHandle area = BasLoadWorkArea(set_, SaveSample(FileKind::Region, "LAKES.WP"), &report);
  ASSERT_NE(area, 0) << report.error;
  std::vector<int32_t> arcs;
  REG_INFO info;
  ASSERT_EQ(BasReadRegion(area, 1, &arcs, &info), 1);
  EXPECT_EQ(arcs, (std::vector<int32_t>{12, 1, 0, 2}));
  EXPECT_EQ(info.data()[0], files::testing::SampleRegionFile().regions[1].bytes[9]);
  std::vector<std::vector<D_DOT>> rings;
  ASSERT_EQ(BasGetRegionRings(area, 1, &rings), 1);
  EXPECT_EQ(rings.size(), 2u);
  ASSERT_EQ(BasReadRegion(area, 2, &arcs, &info), 1);
  EXPECT_EQ(arcs, (std::vector<int32_t>{5, -3}));
  AttributeRecord record;
  double area96 = 0;
  ASSERT_EQ(BasReadAttribute(area, kRegionEntity, 1, &record), 1);
  ASSERT_TRUE(BasGetFieldDouble(record, "面积", &area96));
  EXPECT_DOUBLE_EQ(area96, 96.0);  // 10 x 10 minus the 2 x 2 hole
}

TEST_F(WorkAreaFileTest, SavingALoadedAreaKeepsItsFileAndItsUnknownBytes) {
  for (FileKind kind : {FileKind::Point, FileKind::Line, FileKind::Region}) {
    SCOPED_TRACE(static_cast<int>(kind));
    files::VectorFile sample = files::testing::SampleFile(kind);
    for (std::size_t i = 20; i < 91; ++i) sample.header[i] = static_cast<std::uint8_t>(i);
    if (kind == FileKind::Line) sample.lines[1].bytes[5] = 0xAB;
    if (kind == FileKind::Point) sample.points[1].SetPosition(1, 2, 3.5);  // Z: not held by the work area
    std::string error;
    ASSERT_TRUE(files::SaveVectorFile(Path("IN"), sample, &error));

    const WorkAreaHandle area = BasLoadWorkArea(set_, Path("IN"));
    ASSERT_NE(area, 0);
    ASSERT_EQ(BasSaveWorkArea(area, Path("ONCE"), kSavePathComplete), 1) << BasLastSaveError();
    EXPECT_EQ(BasGetWorkAreaFileName(area), Path("ONCE"));
    const WorkAreaHandle again = BasLoadWorkArea(set_, Path("ONCE"));
    ASSERT_EQ(BasSaveWorkArea(again, Path("TWICE"), kSavePathComplete), 1) << BasLastSaveError();
    EXPECT_EQ(Bytes(Path("ONCE")), Bytes(Path("TWICE")));

    files::VectorFile read;
    FileReport report;
    ASSERT_TRUE(files::LoadVectorFile(Path("ONCE"), read, report));
    EXPECT_TRUE(std::equal(read.header.begin() + 20, read.header.begin() + 91, sample.header.begin() + 20));
    EXPECT_EQ(read.points.size(), sample.points.size());
    EXPECT_EQ(read.lines.size(), sample.lines.size());
    EXPECT_EQ(read.regions.size(), sample.regions.size());
    EXPECT_EQ(read.keptSections, sample.keptSections);
    if (kind == FileKind::Line) {
      EXPECT_EQ(read.lines[1].bytes[5], 0xAB);
      EXPECT_FALSE(read.lines[3].Live());
      EXPECT_EQ(read.lines[2].vertices, sample.lines[2].vertices);
      EXPECT_TRUE(std::equal(read.lines[2].bytes.begin() + 22, read.lines[2].bytes.end(), sample.lines[2].bytes.begin() + 22));
    }
    if (kind == FileKind::Point) {
      EXPECT_EQ(read.points[1].Z(), 3.5);
      EXPECT_EQ(read.points[4].Text(), "采样点");
    }
    if (kind == FileKind::Region) {
      EXPECT_EQ(read.regions[1].arcs, sample.regions[1].arcs);
      EXPECT_EQ(read.topology[3].RightRegion(), 2);
    }
  }
}

TEST_F(WorkAreaFileTest, NewAreasSaveTheirParametersAtTheRecordOffsets) {
  const WorkAreaHandle area = BasCreateLineWorkArea(set_);
  LIN_INFO info;
  info.setStyle(7);
  info.setColour(0x01020304);
  info.setWidth(0.25f);
  info.setLayer(12);
  const std::vector<D_DOT> vertices = {{0, 0}, {3, 4}};
  ASSERT_EQ(BasAppendLine(area, vertices, info), 1);
  ASSERT_EQ(BasAppendLine(area, vertices, info), 2);
  ASSERT_EQ(BasDeleteLine(area, 1), 1);
  MapParams params = DefaultMapParams();
  params.setScale(10000);
  params.setProjection(5);
  BasSetMapParams(area, params);

  ASSERT_EQ(BasSaveWorkArea(area, Path("NEW"), 0), 1);  // flags 0: the extension is added
  EXPECT_EQ(BasGetWorkAreaFileName(area), Path("NEW.wl"));
  files::VectorFile read;
  FileReport report;
  ASSERT_TRUE(files::LoadVectorFile(Path("NEW.wl"), read, report)) << report.error;
  ASSERT_EQ(read.lines.size(), 3u);
  EXPECT_FALSE(read.lines[1].Live());
  const auto& record = read.lines[2].bytes;
  EXPECT_EQ(bytes::ReadLe<std::int16_t>(&record[22]), 7);
  EXPECT_EQ(bytes::ReadLe<std::int32_t>(&record[26]), 0x01020304);
  EXPECT_EQ(bytes::ReadLe<float>(&record[30]), 0.25f);
  EXPECT_EQ(bytes::ReadLe<std::int16_t>(&record[47]), 12);
  EXPECT_EQ(record[1], 2);  // what other writers put in the unknown bytes
  EXPECT_EQ(bytes::ReadLe<double>(read.MapParameters() + 52), 10000);
  EXPECT_EQ(read.MapParameters()[18], 5);
  const int length = read.attributes.FindField("长度");
  ASSERT_GE(length, 0);
  EXPECT_EQ(files::FieldNumber(read.attributes, 2, static_cast<std::size_t>(length)), 5.0);
}

TEST_F(WorkAreaFileTest, RefusesWhatCannotBeSavedOrLoaded) {
  EXPECT_EQ(BasSaveWorkArea(0, Path("X"), 0), 0);
  EXPECT_EQ(BasSaveWorkArea(9999, Path("X"), 0), 0);
  const WorkAreaHandle area = BasCreatePointWorkArea(set_);
  BasSetWorkAreaState(area, kWorkAreaStateNoSave);
  EXPECT_EQ(BasSaveWorkArea(area, Path("BLOCKED.wt"), kSavePathComplete), 0);
  EXPECT_THAT(BasLastSaveError(), HasSubstr("may not be saved"));
  EXPECT_FALSE(std::filesystem::exists(Path("BLOCKED.wt")));
  BasSetWorkAreaState(area, 0);
  EXPECT_EQ(BasSaveWorkArea(area, Path("missing/A"), 0), 0);
  EXPECT_THAT(BasLastSaveError(), HasSubstr("missing/A.wt: cannot save"));

  FileReport report;
  EXPECT_EQ(BasLoadWorkArea(set_, Path("NONE.WL"), &report), 0);
  EXPECT_THAT(report.error, HasSubstr("NONE.WL: cannot open"));
  EXPECT_EQ(BasLoadFileIntoWorkArea(area, SaveSample(FileKind::Line, "L.WL"), &report), 0);
  EXPECT_THAT(report.error, HasSubstr("L.WL: the file is a .WL file, the work area a .WT one"));
}

TEST_F(WorkAreaFileTest, BrokenEntitiesAreSkippedAndTheRestLoads) {
  std::vector<std::uint8_t> bytes = files::testing::Encode(files::testing::SampleRegionFile());
  const std::uint32_t arcs = bytes::ReadLe<std::uint32_t>(&bytes[657]);
  bytes::WriteLe<std::int32_t>(&bytes[arcs + 2 * 57 + 14], 1 << 26);  // arc 2 (the hole) outside the pool
  std::string error;
  ASSERT_TRUE(fileio::WriteFileAtomically(Path("BROKEN.WP"), bytes, &error));
  FileReport report;
  const WorkAreaHandle area = BasLoadWorkArea(set_, Path("BROKEN.WP"), &report);
  ASSERT_NE(area, 0) << report.error;
  EXPECT_THAT(report.warnings, ::testing::ElementsAre(HasSubstr("arc 2:"), HasSubstr("region 1: arcs 2 do not exist")));
  std::vector<int32_t> list;
  ASSERT_EQ(BasReadRegion(area, 1, &list, nullptr), 1);
  EXPECT_EQ(list, (std::vector<int32_t>{6, 1, 0}));
  ASSERT_EQ(BasReadRegion(area, 2, &list, nullptr), 1);
  int32_t live = 0, bound = 0;
  BasGetLineCount(area, &live, &bound);
  EXPECT_EQ(live, 2);
  EXPECT_EQ(bound, 4);
}

TEST_F(WorkAreaFileTest, RegionsKeepTheArcsThatCouldBePlaced) {
  files::VectorFile file = files::testing::SampleRegionFile();
  file.lines[2].vertices.clear();  // the hole's arc cannot be placed
  const WorkAreaHandle area = BasCreateRegionWorkArea(set_);
  std::vector<std::string> warnings;
  ASSERT_TRUE(VectorFileToWorkArea(file, area, warnings, "HOLE.WP"));
  EXPECT_THAT(warnings, ::testing::ElementsAre(HasSubstr("HOLE.WP: arc 2: cannot be placed"),
                                               HasSubstr("HOLE.WP: region 1: arcs 2 left out")));
  std::vector<int32_t> list;
  ASSERT_EQ(BasReadRegion(area, 1, &list, nullptr), 1);
  EXPECT_EQ(list, (std::vector<int32_t>{6, 1, 0}));
  EXPECT_EQ(BasReadRegion(area, 2, &list, nullptr), 1);
}

TEST_F(WorkAreaFileTest, DeletedSlotsKeepTheirIdsWithoutAnyLiveEntity) {
  files::VectorFile file = files::testing::SampleRegionFile();
  for (std::size_t id = 1; id < file.lines.size(); ++id) file.lines[id].SetLive(false);
  for (std::size_t id = 1; id < file.regions.size(); ++id) file.regions[id].SetLive(false);
  const WorkAreaHandle area = BasCreateRegionWorkArea(set_);
  std::vector<std::string> warnings;
  ASSERT_TRUE(VectorFileToWorkArea(file, area, warnings, "EMPTY.WP"));
  EXPECT_THAT(warnings, ::testing::IsEmpty());
  int32_t live = -1, bound = 0;
  BasGetLineCount(area, &live, &bound);
  EXPECT_EQ(live, 0);
  EXPECT_EQ(bound, static_cast<int32_t>(file.lines.size()));  // no arc lent, none left over
  BasGetRegionCount(area, &live, &bound);
  EXPECT_EQ(live, 0);
  EXPECT_EQ(bound, static_cast<int32_t>(file.regions.size()));
}

}  // namespace
}  // namespace zv
