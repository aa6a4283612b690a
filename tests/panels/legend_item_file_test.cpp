#include "panels/core/legend_item_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "framework/bytes/little_endian.h"
#include "framework/fileio/file_io.h"
#include "tests/support/test_env.h"
#include "tests/support/work_areas_fixture.h"

namespace zv::panels {
namespace {

namespace fs = std::filesystem;

// The bytes of an annotated hex dump: pairs of hex digits, "#" starts a
// comment.
std::string ReadHexDump(const std::string& path) {
  std::ifstream in(path);
  std::string bytes;
  for (std::string line; std::getline(in, line);) {
    std::istringstream words(line.substr(0, line.find('#')));
    for (std::string pair; words >> pair;) bytes += static_cast<char>(std::stoi(pair, nullptr, 16));
  }
  return bytes;
}

std::string Fixture() { return ReadHexDump(test::DataPath("legend/item_0003.hex")); }

class LegendItemFile : public test::WorkAreasTest {
 protected:
  void SetUp() override {
    test::WorkAreasTest::SetUp();
    fs::remove_all(LegendFolder());
  }

  LegendAreas Areas() const { return {points_, lines_, regions_}; }

  static void Touch(const std::string& name) {
    ASSERT_TRUE(MakeLegendFolder());
    if (name.back() == '/') {
      fs::create_directory(LegendFolder() + name);
      return;
    }
    std::ofstream(LegendFolder() + name) << "x";
  }

  static std::string Bytes(const std::string& path) {
    std::string bytes;
    fileio::ReadWholeFile(path, bytes);
    return bytes;
  }

  int32_t Live(WorkAreaHandle area, int type) const {
    int32_t live = 0, bound = 0;
    BasGetEntityCount(area, type, &live, &bound);
    return live;
  }
};

TEST_F(LegendItemFile, HandBuiltItemReadsFieldByFieldAndWritesBackByteForByte) {
  const std::string bytes = Fixture();
  ASSERT_EQ(bytes.size(), 1000u);
  LegendItem item;
  std::string error;
  ASSERT_TRUE(DecodeLegendItem(bytes, &item, &error)) << error;
  EXPECT_EQ(item.header.number, "0003");
  EXPECT_EQ(item.header.name, "砂岩");
  EXPECT_EQ(item.header.height, 8);
  EXPECT_EQ(item.header.width, 12);
  EXPECT_EQ(item.header.flag, 2);
  EXPECT_EQ(item.header.order, 5);
  EXPECT_EQ(item.header.annotation, "细粒砂岩");
  ASSERT_EQ(item.body.points.size(), 1u);
  EXPECT_EQ(item.body.points[0].text, "砂岩");
  EXPECT_EQ(item.body.points[0].position.x, -2.5);
  EXPECT_EQ(item.body.points[0].info.charWidth(), 3.5f);
  ASSERT_EQ(item.body.lines.size(), 1u);
  EXPECT_EQ(item.body.lines[0].vertices.size(), 2u);
  ASSERT_EQ(item.body.regions.size(), 2u);
  EXPECT_EQ(item.body.regions[0].arcs, (std::vector<int32_t>{12, 1, -2, 0, 3}));
  EXPECT_EQ(item.body.regions[0].arcLines.size(), 3u);
  EXPECT_EQ(item.body.regions[1].arcs, std::vector<int32_t>{0});
  EXPECT_TRUE(item.body.regions[1].arcLines.empty());

  EXPECT_EQ(EncodeLegendHeader(item.header) + EncodeLegendBody(item.body), bytes);
}

TEST_F(LegendItemFile, ReadIntoWorkAreasAndWrittenFromThemKeepsEveryRecord) {
  const std::string path = LegendFolder() + "0003_砂岩.TL";
  ASSERT_TRUE(MakeLegendFolder());
  ASSERT_TRUE(fileio::WriteFileAtomically(path, Fixture()));
  LegendHeader header;
  std::string error;
  ASSERT_TRUE(ReadLegendItemInto(path, Areas(), &header, &error)) << error;
  EXPECT_EQ(header.name, "砂岩");
  EXPECT_EQ(Live(points_, kPointEntity), 1);
  EXPECT_EQ(Live(lines_, kLineEntity), 1);
  EXPECT_EQ(Live(regions_, kLineEntity), 3);
  // The one-entry region names no arc, so the area cannot hold it.
  ASSERT_EQ(Live(regions_, kRegionEntity), 1);
  std::vector<int32_t> arcs;
  ASSERT_EQ(BasReadRegion(regions_, 1, &arcs, nullptr), 1);
  EXPECT_EQ(arcs, (std::vector<int32_t>{12, 1, -2, 0, 3}));

  LegendItem expected;
  ASSERT_TRUE(DecodeLegendItem(Fixture(), &expected));
  expected.body.regions.pop_back();
  ASSERT_TRUE(WriteLegendItemFile(path, header, Areas(), &error)) << error;
  EXPECT_EQ(Bytes(path), EncodeLegendHeader(expected.header) + EncodeLegendBody(expected.body));
}

TEST_F(LegendItemFile, CountsAreTheRecordsWrittenAndARegionMissingAnArcIsLeftOutWhole) {
  const auto line = [&](WorkAreaHandle area, double x) {
    return BasAppendLine(area, std::vector<D_DOT>{{x, 0}, {x + 1, 0}, {x + 1, 1}, {x, 0}}, LIN_INFO{});
  };
  line(lines_, 0);
  BasDeleteLine(lines_, line(lines_, 1));
  line(lines_, 2);
  BasDeletePoint(points_, BasAppendPoint(points_, {0, 0}, "a", PNT_INFO{}));
  const int32_t kept = BasAppendRegion(regions_, std::vector<int32_t>{0, line(regions_, 0)}, REG_INFO{});
  const int32_t arc = line(regions_, 5);
  BasAppendRegion(regions_, std::vector<int32_t>{0, arc}, REG_INFO{});
  BasDeleteLine(regions_, arc);  // the second region keeps naming it

  LegendItem item;
  ASSERT_TRUE(DecodeLegendItem(EncodeLegendHeader({}) + EncodeLegendBody(Areas()), &item));
  EXPECT_TRUE(item.body.points.empty());
  EXPECT_EQ(item.body.lines.size(), 2u);
  ASSERT_EQ(item.body.regions.size(), 1u);
  EXPECT_EQ(item.body.regions[0].arcLines.size(), 1u);
  EXPECT_NE(kept, 0);
}

TEST_F(LegendItemFile, MalformedFilesAreToldAndAppendNothing) {
  const std::string item = Fixture();
  const std::string header = item.substr(0, kLegendHeaderSize);
  const auto counts = [](int32_t p, int32_t l, int32_t r) {
    std::string bytes(12, '\0');
    bytes::WriteLe(reinterpret_cast<uint8_t*>(bytes.data()), p);
    bytes::WriteLe(reinterpret_cast<uint8_t*>(bytes.data() + 4), l);
    bytes::WriteLe(reinterpret_cast<uint8_t*>(bytes.data() + 8), r);
    return bytes;
  };
  const struct {
    const char* name;
    std::string bytes;
    const char* says;
  } cases[] = {
      {"header cut short", header.substr(0, 100), "没有完整的文件头"},
      {"no counts", header, "缺少点数"},
      {"negative line count", header + counts(0, -1, 0), "线数 -1 不对"},
      {"oversized region count", header + counts(0, 0, 100000000), "区数 100000000 不对"},
      {"cut inside the last region", item.substr(0, item.size() - 40), "第 2 个区不完整"},
      {"cut inside the point", item.substr(0, 300), "点数 1 不对"},
  };
  ASSERT_TRUE(MakeLegendFolder());
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string path = LegendFolder() + "0003_砂岩.TL";
    ASSERT_TRUE(fileio::WriteFileAtomically(path, c.bytes));
    std::string error;
    EXPECT_FALSE(ReadLegendItemInto(path, Areas(), nullptr, &error));
    EXPECT_NE(error.find(c.says), std::string::npos) << error;
    EXPECT_NE(error.find(path), std::string::npos) << error;
    EXPECT_EQ(Live(points_, kPointEntity) + Live(lines_, kLineEntity) + Live(regions_, kLineEntity), 0);
  }
  std::string error;
  EXPECT_FALSE(ReadLegendItemInto(LegendFolder() + "none.TL", Areas(), nullptr, &error));
  EXPECT_NE(error.find("none.TL"), std::string::npos);
}

TEST_F(LegendItemFile, AnEmptyItemReadsBackEmpty) {
  const std::string path = LegendFolder() + "0001_图例名称.TL";
  LegendHeader header;
  header.number = "0001";
  header.name = "图例名称";
  ASSERT_TRUE(WriteLegendItemFile(path, header, Areas()));  // creates the folder
  EXPECT_EQ(Bytes(path).size(), kLegendHeaderSize + 12);
  LegendItem item;
  ASSERT_TRUE(ReadLegendItemFile(path, &item));
  EXPECT_EQ(item.header.name, "图例名称");
  EXPECT_TRUE(item.body.points.empty() && item.body.lines.empty() && item.body.regions.empty());
}

TEST_F(LegendItemFile, TheFirstFreeNumberSkipsEveryFileBeginningWithItsDigits) {
  const struct {
    const char* name;
    std::vector<std::string> files;
    const char* next;
  } cases[] = {
      {"empty folder", {}, "0001"},
      {"a gap", {"0001_a.TL", "0003_b.TL"}, "0002"},
      {"no extension", {"0001_a.TL", "0002"}, "0003"},
      {"any file", {"0001_a.TL", "0002x.txt"}, "0003"},
      {"folders take no number", {"0001/"}, "0001"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    fs::remove_all(LegendFolder());
    for (const std::string& file : c.files) Touch(file);
    EXPECT_EQ(NextFreeLegendNumber().value_or("none"), c.next);
  }
  fs::remove_all(LegendFolder());
  EXPECT_EQ(NextFreeLegendNumber().value_or("none"), "0001");  // no folder at all
}

TEST_F(LegendItemFile, NumbersStopAt9999WithAMessage) {
  ASSERT_TRUE(MakeLegendFolder());
  for (int n = 1; n <= kLegendLastNumber; ++n) std::ofstream(LegendFolder() + LegendNumberText(n) + "_a.TL");
  std::string error;
  EXPECT_FALSE(NextFreeLegendNumber(&error));
  EXPECT_NE(error.find("9999"), std::string::npos);
  fs::remove(LegendFolder() + "0500_a.TL");
  EXPECT_EQ(NextFreeLegendNumber().value_or("none"), "0500");
}

TEST_F(LegendItemFile, NamesAreCleanedAndCutAtACharacterBoundaryForHeaderAndFileName) {
  const struct {
    const char* in;
    const char* out;
  } cases[] = {
      {"砂岩", "砂岩"},
      {"一二三四五六七八九十百", "一二三四五六七八九十"},
      {"a一二三四五六七八九十", "a一二三四五六七八九"},
      {"a/b", "a_b"},
      {"a\\b<c>d:e\"f|g?h*i", "a_b_c_d_e_f_g_h_i"},
      {"tab\there\n", "tab_here_"},
      {"a😀b", "a_b"},
      {"😀😀😀😀😀😀😀😀😀😀😀😀😀😀😀😀😀😀😀😀😀😀", "____________________"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.in);
    const std::string name = CleanLegendName(c.in);
    EXPECT_EQ(name, c.out);
    LegendHeader header;
    header.name = name;
    EXPECT_EQ(DecodeLegendHeader(EncodeLegendHeader(header)).name, name);
    EXPECT_EQ(LegendNamePart(LegendFileName("0001", name)), name);
  }
  LegendHeader header;
  header.annotation = std::string(151, 'x') + "一二三四五六七八九十百千万亿甲乙丙丁戊己庚辛壬癸子丑";
  EXPECT_EQ(DecodeLegendHeader(EncodeLegendHeader(header)).annotation,
            std::string(151, 'x') + "一二三四五六七八九十百千万亿甲乙丙丁戊己庚辛壬癸");
}

TEST_F(LegendItemFile, AnItemsOwnFileIsTheOnlyOneRenamedOrPatched) {
  for (const char* stray : {"0002 notes.txt", "0002x.txt", "0002", "0002_old.TL.bak"}) Touch(stray);
  fs::create_directory(LegendFolder() + "0002_dir.TL");
  EXPECT_EQ(FindLegendItemFile("0002"), "");
  EXPECT_EQ(FindLegendItemFile(""), "");

  LegendHeader header;
  header.number = "0002";
  header.name = "a";
  const std::string own = LegendFolder() + "0002_a.tl";
  ASSERT_TRUE(WriteLegendItemFile(own, header, Areas()));
  ASSERT_EQ(FindLegendItemFile("0002"), own);

  const std::string before = Bytes(own);
  ASSERT_TRUE(PatchLegendFlag(own, -3));
  ASSERT_TRUE(PatchLegendOrder(own, 70000));
  std::string after = Bytes(own);
  EXPECT_EQ(after.size(), before.size());
  const auto* u = reinterpret_cast<const uint8_t*>(after.data());
  EXPECT_EQ(bytes::ReadLe<int16_t>(u + 32), -3);
  EXPECT_EQ(bytes::ReadLe<int32_t>(u + 34), 70000);
  after.replace(32, 6, before.substr(32, 6));
  EXPECT_EQ(after, before);

  const std::string renamed = LegendFolder() + "0002_b.TL";
  ASSERT_TRUE(RenameLegendItemFile(own, renamed));
  EXPECT_EQ(FindLegendItemFile("0002"), renamed);
  Touch("0002_c.TL");
  std::string error;
  EXPECT_FALSE(RenameLegendItemFile(renamed, LegendFolder() + "0002_c.TL", &error));
  EXPECT_NE(error.find("0002_c.TL"), std::string::npos);
  EXPECT_EQ(Bytes(LegendFolder() + "0002_c.TL"), "x");
  EXPECT_TRUE(RenameLegendItemFile(renamed, renamed));
  for (const char* stray : {"0002 notes.txt", "0002x.txt", "0002"}) EXPECT_EQ(Bytes(LegendFolder() + stray), "x");
}

}  // namespace
}  // namespace zv::panels
