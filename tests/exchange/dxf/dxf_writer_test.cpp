#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>

#include "exchange/dxf/dxf_code_page.h"
#include "exchange/dxf/dxf_export_colour.h"
#include "exchange/dxf/dxf_mtext_out.h"
#include "exchange/dxf/dxf_work_area_sink.h"
#include "exchange/dxf/dxf_writer.h"
#include "framework/fileio/file_io.h"
#include "framework/text/encoding.h"
#include "platform/data/attributes.h"
#include "platform/display/system_library.h"
#include "tests/exchange/dxf/dxf_export_support.h"
#include "tests/support/test_env.h"

namespace zv::dxf {
namespace {

namespace fs = std::filesystem;
using test::Group;
using test::Groups;
using test::SectionEntities;
using test::TestElement;
using test::TestProject;
using test::ValueOf;
using test::ValuesOf;

// Colour numbers of the test colour table.
constexpr int kBlack = 1, kRed = 2, kWhite = 3, kOdd = 4, kYellow = 5, kGreen = 6;

// A system library of a few known colours, current for the test.
class DxfExport : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = (fs::path(zv::test::TempRoot()) / ::testing::UnitTest::GetInstance()->current_test_info()->name()).string();
    fs::remove_all(folder_);
    const std::string slib = folder_ + "/slib";
    fs::create_directories(slib);
    std::ofstream(slib + "/colortable.txt") << "ZVCOLOR 1\n1 0 0 0\n2 255 0 0\n3 255 255 255\n4 1 2 3\n"
                                               "5 255 255 0\n6 0 255 0\n";
    display::SetLibraryFolder(slib);
  }
  void TearDown() override { display::SetLibraryFolder(display::DefaultLibraryFolder()); }

  DxfExportResult Export(TestProject& project, const display::SingleLevelLibrary* subgraphs = nullptr) {
    CDxfWriter writer(subgraphs);
    return writer.ExportDxf(test::TemplatePath(), project.project());
  }

  std::string folder_;
};

PNT_INFO PointOfKind(int kind, int colour) {
  PNT_INFO info;
  info.setKind(static_cast<uint8_t>(kind));
  info.setColour(colour);
  return info;
}

PNT_INFO SubgraphPoint(int number) {
  PNT_INFO info = PointOfKind(1, kRed);
  info.setSymbolNumber(number);
  info.setSymbolWidth(2);
  info.setSymbolHeight(3);
  info.setAngle(30);
  return info;
}

LIN_INFO LineOf(int colour, int style = 1, float width = 0.5f) {
  LIN_INFO info;
  info.setStyle(static_cast<int16_t>(style));
  info.setColour(colour);
  info.setWidth(width);
  return info;
}

// Appends a region of one ring per vertex list (each ring one closed arc).
void AppendRegion(WorkAreaHandle area, const std::vector<std::vector<D_DOT>>& rings, int colour) {
  std::vector<int32_t> arcs{0};
  for (std::size_t i = 0; i < rings.size(); ++i) {
    std::vector<D_DOT> closed = rings[i];
    closed.push_back(closed.front());
    if (i > 0) arcs.push_back(0);
    arcs.push_back(BasAppendLine(area, closed, LineOf(kBlack)));
  }
  REG_INFO info;
  info.Set<int32_t>(reg::kFillColour, colour);
  ASSERT_GT(BasAppendRegion(area, arcs, info), 0);
}

std::string Gbk(const std::string& utf8) { return text::ToGbk(utf8); }

TEST(DxfExportText, FormatStackedTextFollowsTheNoteCodes) {
  const struct {
    const char* note;
    const char* mtext;
  } cases[] = {
      {"m#+2#=", "\\A1;m{\\H0.7x;\\S2^ ;}"},
      {"H#-2#=O", "\\A1;H{\\H0.7x;\\S^ 2;}O"},
      {"a#b", "\\A1;a#b"},
      {"abc#", "\\A1;abc"},
      {"a##b", "\\A1;a##b"},
      {"x#+2", "\\A1;x{\\H0.7x;\\S2^ ;}"},
      {"a\r\nb", "\\A1;a\\Pb"},
      {"a\rb\nc", "\\A1;abc"},
      {"/1/2/", "\\A1;{\\H0.7x;\\S1/2;}"},
      {"1/2", "\\A1;1/2"},
      {"地层#+上#=", "\\A1;地层{\\H0.7x;\\S上^ ;}"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.note);
    EXPECT_EQ(FormatStackedText(c.note), c.mtext);
  }
  EXPECT_EQ(EscapeMTextCharacters("a\\b{c}"), "a\\\\b\\{c\\}");
}

TEST_F(DxfExport, ColoursAreTheHighestEqualIndexOrATrueColour) {
  const struct {
    int colour;
    int32_t dxf;
  } cases[] = {{kRed, 10}, {kWhite, 255}, {kYellow, 50}, {kGreen, 90}, {kOdd, 33620483}, {kBlack, 33554432}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.colour);
    EXPECT_EQ(MapGisColorToDxfColor(c.colour), c.dxf);
  }
}

TEST_F(DxfExport, LayerTableNamesEachFileSafelyAndDistinctly) {
  TestProject project(folder_);
  for (const char* name : {"地层.WL", "a b(1)（2）.WT", "x<y>,z.WP", "q r.WL", "q_r.WL"}) project.Add(name);
  const DxfExportResult result = Export(project);
  ASSERT_TRUE(result.written);
  EXPECT_EQ(result.target, project.Target());
  ASSERT_EQ(result.messages.size(), 1u);
  EXPECT_EQ(result.messages[0], "已写出DXF文件：" + project.Target());

  const std::vector<Groups> table = SectionEntities(test::ReadGroups(project.Target()), "TABLES");
  const auto start = std::find_if(table.begin(), table.end(), [](const Groups& e) {
    return e.size() > 1 && e[0] == Group{0, "TABLE"} && e[1] == Group{2, "LAYER"};
  });
  ASSERT_NE(start, table.end());
  EXPECT_EQ(*start, (Groups{{0, "TABLE"}, {2, "LAYER"}, {5, "2"}, {330, "0"}, {100, "AcDbSymbolTable"}, {70, "6"}}));
  const auto record = [](const std::string& handle, const std::string& name) {
    return Groups{{0, "LAYER"}, {5, handle}, {330, "2"}, {100, "AcDbSymbolTableRecord"}, {100, "AcDbLayerTableRecord"},
                  {2, name}, {70, "0"}, {62, "7"}, {6, "Continuous"}, {370, "-3"}, {390, "F"}};
  };
  const std::vector<Groups> expected = {record("10", "0"),          record("AA0", Gbk("地层WL")),
                                        record("AA1", "a_b_1__2_WT"), record("AA2", "x_y__zWP"),
                                        record("AA3", "q_rWL"),       record("AA4", "q_rWL_2")};
  ASSERT_GE(table.end() - start, 7);
  for (std::size_t i = 0; i < expected.size(); ++i) EXPECT_EQ(start[1 + static_cast<long>(i)], expected[i]);
  EXPECT_EQ(start[7], (Groups{{0, "ENDTAB"}}));
}

TEST_F(DxfExport, HandlesFollowTheSchemeOwnersExistAndTheSeedPassesThemAll) {
  TestProject project(folder_);
  const WorkAreaHandle lines = project.Add("L.WL");
  BasAppendLine(lines, std::vector<D_DOT>{{0, 0}, {1, 1}}, LineOf(kRed));
  ASSERT_TRUE(Export(project).written);
  const Groups groups = test::ReadGroups(project.Target());

  std::vector<std::string> records, blocks, layouts;
  const std::vector<Groups> tables = SectionEntities(groups, "TABLES");
  for (const Groups& e : tables)
    if (e[0] == Group{0, "BLOCK_RECORD"}) records.push_back(ValueOf(e, 5) + " " + ValueOf(e, 2));
  EXPECT_EQ(records, (std::vector<std::string>{"A22 *Model_Space", "A23 *Paper_Space", "A24 *Paper_Space0"}));
  for (const Groups& e : SectionEntities(groups, "BLOCKS")) blocks.push_back(ValueOf(e, 5) + " " + ValueOf(e, 330));
  EXPECT_EQ(blocks, (std::vector<std::string>{"B15 A22", "B16 A22", "B17 A23", "B18 A23", "B19 A24", "B110 A24"}));
  const std::vector<Groups> entities = SectionEntities(groups, "ENTITIES");
  ASSERT_EQ(entities.size(), 1u);
  EXPECT_EQ(ValueOf(entities[0], 5), "BB11");
  EXPECT_EQ(ValueOf(entities[0], 330), "A22");

  // The records and the template's layouts name each other.
  std::map<std::string, std::string> layoutOfRecord, recordOfLayout;
  for (const Groups& e : tables)
    if (e[0] == Group{0, "BLOCK_RECORD"}) layoutOfRecord[ValueOf(e, 5)] = ValueOf(e, 340);
  for (const Groups& e : SectionEntities(groups, "OBJECTS"))
    if (e[0] == Group{0, "LAYOUT"}) recordOfLayout[ValueOf(e, 5)] = ValuesOf(e, 330).back();
  ASSERT_EQ(recordOfLayout.size(), 3u);
  for (const auto& [record, layout] : layoutOfRecord) EXPECT_EQ(recordOfLayout[layout], record);

  std::set<unsigned long long> handles;
  std::set<std::string> named;
  std::string seed;
  bool header = false;
  for (std::size_t i = 0; i < groups.size(); ++i) {
    if (groups[i] == Group{9, "$HANDSEED"}) seed = groups[i + 1].second;
    if (i > 0 && groups[i - 1] == Group{0, "SECTION"}) header = groups[i] == Group{2, "HEADER"};
    if ((groups[i].first == 5 || groups[i].first == 105) && !header) {
      handles.insert(std::stoull(groups[i].second, nullptr, 16));
      named.insert(groups[i].second);
    }
  }
  ASSERT_FALSE(seed.empty());
  EXPECT_EQ(std::stoull(seed, nullptr, 16), *handles.rbegin() + 1);
  for (const Group& g : groups)
    if (g.first == 330 && g.second != "0") EXPECT_TRUE(named.count(g.second)) << "owner " << g.second;
}

TEST_F(DxfExport, BlocksHoldTheUsedSubgraphsAndEmptyOnesAreTold) {
  TestElement fill{0, kGreen, 0, 2, {{{0, 0}, {1, 0}, {1, 1}}}};
  TestElement strokes{2, 0, 0, 2, {{{0, 0}, {1, 0}, {1, 1}}, {{2, 2}, {3, 3}}}};
  TestElement arc{3, 0, kRed, 2, {{{1, 2}, {3, 45}, {90, 0}}}};
  TestElement disc{4, 0, kRed, 2, {{{1, 2}, {3, 0}}}};
  TestElement circle{6, 0, kRed, 2, {{{0, 0}, {-3, 0}}}};
  const display::SingleLevelLibrary library =
      test::BuildSubgraphs({{2, {fill, strokes}}, {5, {arc, disc}}, {12, {circle}}}, {7});
  TestProject project(folder_);
  const WorkAreaHandle points = project.Add("P.WT");
  for (const int number : {5, 5, 2, 12, 7, 40}) BasAppendPoint(points, {1, 1}, "", SubgraphPoint(number));
  CDxfWriter writer(&library);
  const DxfExportResult result = writer.ExportDxf(test::TemplatePath(), project.project());
  ASSERT_TRUE(result.written);
  EXPECT_EQ(writer.usedSubgraphs(), (std::vector<int32_t>{2, 5, 7, 12, 40}));
  ASSERT_EQ(result.messages.size(), 3u);
  EXPECT_EQ(result.messages[0], "子图库中没有可用的7号子图，块“7”写为空块。");
  EXPECT_EQ(result.messages[1], "子图库中没有可用的40号子图，块“40”写为空块。");

  const Groups groups = test::ReadGroups(project.Target());
  std::vector<std::string> records;
  for (const Groups& e : SectionEntities(groups, "TABLES"))
    if (e[0] == Group{0, "BLOCK_RECORD"}) records.push_back(ValueOf(e, 2) + "=" + ValueOf(e, 5));
  EXPECT_EQ(records, (std::vector<std::string>{"*Model_Space=A22", "*Paper_Space=A23", "*Paper_Space0=A24", "2=A25",
                                               "5=A26", "7=A27", "12=A28", "40=A29"}));

  // Each block: its entities, all owned by its record, handles between its own.
  std::map<std::string, std::vector<Groups>> contents;
  std::string current, owner;
  long begin = 0;
  for (const Groups& e : SectionEntities(groups, "BLOCKS")) {
    const long counter = std::stol(ValueOf(e, 5).substr(2));
    if (e[0] == Group{0, "BLOCK"}) {
      current = ValueOf(e, 2);
      owner = ValueOf(e, 330);
      begin = counter;
      contents[current];
    } else if (e[0] == Group{0, "ENDBLK"}) {
      EXPECT_EQ(ValueOf(e, 330), owner);
      for (const Groups& inside : contents[current]) {
        const long handle = std::stol(ValueOf(inside, 5).substr(2));
        EXPECT_TRUE(handle > begin && handle < counter) << current;
        EXPECT_EQ(ValueOf(inside, 5).substr(0, 2), "C4");
        EXPECT_EQ(ValueOf(inside, 330), owner);
      }
    } else {
      contents[current].push_back(e);
    }
  }
  EXPECT_EQ(contents["12"], (std::vector<Groups>{{{0, "CIRCLE"}, {5, "C4" + ValueOf(contents["12"][0], 5).substr(2)},
                                                 {330, "A28"}, {100, "AcDbEntity"}, {8, "0"}, {62, "10"},
                                                 {100, "AcDbCircle"}, {10, "0.000000"}, {20, "0.000000"},
                                                 {30, "0"}, {40, "3.000000"}}}));
  ASSERT_EQ(contents["2"].size(), 3u);
  EXPECT_EQ(ValueOf(contents["2"][0], 0), "HATCH");
  EXPECT_EQ(ValueOf(contents["2"][0], 62), "90");  // the fill colour
  for (int i : {1, 2}) {
    EXPECT_EQ(ValueOf(contents["2"][i], 0), "LWPOLYLINE");
    EXPECT_EQ(ValueOf(contents["2"][i], 62), "0");  // the point's colour: BYBLOCK
    EXPECT_EQ(ValueOf(contents["2"][i], 43), "0.100000");
  }
  EXPECT_EQ(ValueOf(contents["2"][1], 90), "3");
  EXPECT_EQ(ValuesOf(contents["2"][2], 10), (std::vector<std::string>{"2.000000", "3.000000"}));
  ASSERT_EQ(contents["5"].size(), 2u);
  EXPECT_EQ(ValuesOf(contents["5"][0], 50), (std::vector<std::string>{"45.000000"}));
  EXPECT_EQ(ValuesOf(contents["5"][0], 51), (std::vector<std::string>{"90.000000"}));
  EXPECT_EQ(ValuesOf(contents["5"][1], 10), (std::vector<std::string>{"-0.500000", "2.500000"}));
  EXPECT_EQ(ValueOf(contents["5"][1], 43), "0.500000");
  EXPECT_TRUE(contents["7"].empty());
  EXPECT_TRUE(contents["40"].empty());
}

TEST_F(DxfExport, EntitiesCarryTheirGroups) {
  TestProject project(folder_);
  const WorkAreaHandle lines = project.Add("L.WL");
  const WorkAreaHandle points = project.Add("P.WT");
  const WorkAreaHandle regions = project.Add("R.WP");
  SetDxfAttributeStructure(lines);
  BasAppendLine(lines, std::vector<D_DOT>{{0, 0}, {1.5, 2}}, LineOf(kRed, 1, 0.25f));
  BasAppendLine(lines, std::vector<D_DOT>{{0, 0}, {1, 1}}, LineOf(kBlack));
  BasAppendLine(lines, std::vector<D_DOT>{{0, 0}, {1, 1}}, LineOf(kRed, 0));  // line type 0: not exported
  AttributeRecord record;
  ASSERT_TRUE(BasReadAttribute(lines, kLineEntity, 1, &record));
  BasSetFieldByName(record, kElevationField, 12.5);
  BasWriteAttribute(lines, kLineEntity, 1, record);

  PNT_INFO note = PointOfKind(0, kOdd);
  note.setCharHeight(5);
  note.setCharWidth(3);
  note.setCharSpacing(1);
  note.setAngle(15);
  BasAppendPoint(points, {10, 20}, "地层#+2#=", note);
  PNT_INFO block = PointOfKind(5, kRed);
  block.setCharHeight(2);
  block.Set<float>(pnt::kBoxWidth, 40);
  BasAppendPoint(points, {1, 2}, "a\r\nb", block);
  PNT_INFO circle = PointOfKind(2, kBlack);
  circle.setRadius(2.5);
  circle.Set<int32_t>(pnt::kCircleOutlineColour, kYellow);
  BasAppendPoint(points, {3, 4}, "", circle);
  PNT_INFO arc = PointOfKind(3, kGreen);
  arc.setRadius(1);
  arc.Set<float>(pnt::kArcStartAngle, 10);
  arc.Set<float>(pnt::kArcEndAngle, 80);
  BasAppendPoint(points, {5, 6}, "", arc);
  BasAppendPoint(points, {7, 8}, "", PointOfKind(4, kRed));  // an image: not exported
  AppendRegion(regions, {{{0, 0}, {10, 0}, {10, 10}, {0, 10}}, {{2, 2}, {4, 2}, {4, 4}}}, kRed);

  ASSERT_TRUE(Export(project).written);
  const std::vector<Groups> entities = SectionEntities(test::ReadGroups(project.Target()), "ENTITIES");
  ASSERT_EQ(entities.size(), 7u);
  EXPECT_EQ(entities[0], (Groups{{0, "LWPOLYLINE"}, {5, "BB11"}, {330, "A22"}, {100, "AcDbEntity"}, {8, "LWL"},
                                 {62, "10"}, {100, "AcDbPolyline"}, {90, "2"}, {70, "0"}, {43, "0.250000"},
                                 {38, "12.500000"}, {10, "0.000000"}, {20, "0.000000"}, {10, "1.500000"},
                                 {20, "2.000000"}}));
  EXPECT_EQ(ValueOf(entities[1], 62), "") << "colour 1 follows its layer";
  EXPECT_EQ(entities[2], (Groups{{0, "MTEXT"}, {5, "C113"}, {330, "A22"}, {100, "AcDbEntity"}, {8, "PWT"},
                                 {62, "1"}, {420, "33620483"}, {100, "AcDbMText"}, {10, "10.000000"},
                                 {20, "20.000000"}, {30, "0.000000"}, {40, "3.500000"},
                                 {41, "25.200000"},  // "地层#+2#=" is 9 GBK bytes: 9 x (3 + 1) x 0.7
                                 {71, "7"}, {72, "1"}, {1, Gbk("\\A1;地层{\\H0.7x;\\S2^ ;}")}, {50, "15.000000"},
                                 {73, "1"}, {44, "1.0"}}));
  EXPECT_EQ(ValueOf(entities[3], 41), "40.000000");
  EXPECT_EQ(ValueOf(entities[3], 71), "1");
  EXPECT_EQ(ValueOf(entities[3], 1), "\\A1;a\\Pb");
  EXPECT_EQ(entities[4], (Groups{{0, "CIRCLE"}, {5, "C315"}, {330, "A22"}, {100, "AcDbEntity"}, {8, "PWT"},
                                 {62, "50"}, {100, "AcDbCircle"}, {10, "3.000000"}, {20, "4.000000"},
                                 {30, "0.000000"}, {40, "2.500000"}}));
  EXPECT_EQ(ValuesOf(entities[5], 100), (std::vector<std::string>{"AcDbEntity", "AcDbCircle", "AcDbArc"}));
  EXPECT_EQ(ValueOf(entities[5], 50), "10.000000");
  EXPECT_EQ(ValueOf(entities[5], 51), "80.000000");
  const Groups& hatch = entities[6];
  EXPECT_EQ(ValueOf(hatch, 0), "HATCH");
  EXPECT_EQ(ValueOf(hatch, 8), "RWP");
  EXPECT_EQ(ValueOf(hatch, 91), "2");
  EXPECT_EQ(ValuesOf(hatch, 92), (std::vector<std::string>{"7", "6"}));  // the outer ring, then a hole
  EXPECT_EQ(ValuesOf(hatch, 93), (std::vector<std::string>{"4", "3"}));
  EXPECT_EQ(ValuesOf(hatch, 97), (std::vector<std::string>{"0", "0"}));
  EXPECT_EQ(ValueOf(hatch, 71), "0");
  EXPECT_EQ(ValueOf(hatch, 98), "2");
  const std::vector<std::string> xs = ValuesOf(hatch, 10);
  // Origin, four and three vertices, two seeds at the ring means.
  EXPECT_EQ(xs, (std::vector<std::string>{"0.0", "0.000000", "10.000000", "10.000000", "0.000000", "2.000000",
                                          "4.000000", "4.000000", "5.000000", "3.333333"}));
  EXPECT_EQ(ValuesOf(hatch, 330), (std::vector<std::string>{"A22"}));
}

TEST_F(DxfExport, LongTextsAreCutBetweenCharactersAndCodes) {
  TestProject project(folder_);
  const WorkAreaHandle points = project.Add("P.WT");
  std::string note;
  for (int i = 0; i < 40; ++i) note += "地层#+2#=ab{c}";  // 15 GBK bytes each, 600 in all
  BasAppendPoint(points, {0, 0}, note, PointOfKind(0, kRed));
  ASSERT_TRUE(Export(project).written);
  const std::vector<Groups> entities = SectionEntities(test::ReadGroups(project.Target()), "ENTITIES");
  ASSERT_EQ(entities.size(), 1u);
  const std::vector<std::string> chunks = ValuesOf(entities[0], 3);
  ASSERT_GE(chunks.size(), 2u);
  std::string whole;
  for (const std::string& chunk : chunks) {
    EXPECT_LE(chunk.size(), 250u);
    EXPECT_TRUE(text::FromGbk(chunk).find("\xEF\xBF\xBD") == std::string::npos) << "a character cut";
    for (const char* code : {"\\A", "\\H", "\\S"}) {
      const std::size_t open = chunk.rfind(code);
      EXPECT_TRUE(open == std::string::npos || chunk.find(';', open) != std::string::npos) << "a code cut";
    }
    EXPECT_NE(chunk.back(), '\\') << "an escape cut";
    whole += chunk;
  }
  whole += ValueOf(entities[0], 1);
  EXPECT_EQ(whole, EncodeGbkText(FormatStackedText(EscapeMTextCharacters(note))));
}

TEST_F(DxfExport, FailuresLeaveTheTargetAsItWasAndSayWhichFile) {
  TestProject project(folder_);
  const WorkAreaHandle lines = project.Add("L.WL");
  BasAppendLine(lines, std::vector<D_DOT>{{0, 0}, {1, 1}}, LineOf(kRed));
  const std::string old = "an older drawing";
  const auto oldTargetKept = [&] {
    std::string bytes;
    return fileio::ReadWholeFile(project.Target(), bytes) && bytes == old;
  };
  ASSERT_TRUE(fileio::WriteFileAtomically(project.Target(), old));
  const std::string cannotOpen = "\n\nZAVEDIZ不能独占使用该文件,请先退出其他程序使用该文件.";

  CDxfWriter missing(nullptr);
  DxfExportResult result = missing.ExportDxf(folder_ + "/none/dxf2004.dxf", project.project());
  EXPECT_EQ(result.messages, (std::vector<std::string>{"没有找到dxf2004.dxf模板文件！请先创建模板文件。"}));
  EXPECT_TRUE(oldTargetKept());

  std::string bytes;
  ASSERT_TRUE(fileio::ReadWholeFile(test::TemplatePath(), bytes));
  const std::string incomplete = folder_ + "/incomplete.dxf";
  ASSERT_TRUE(fileio::WriteFileAtomically(incomplete, bytes.substr(0, bytes.find("BLOCK_RECORD"))));
  CDxfWriter cut(nullptr);
  result = cut.ExportDxf(incomplete, project.project());
  EXPECT_FALSE(result.written);
  EXPECT_EQ(result.messages, (std::vector<std::string>{incomplete + "\n\n模板文件不完整：缺少BLOCK_RECORD表。"}));
  EXPECT_TRUE(oldTargetKept());

  TestProject empty(folder_ + "/empty");
  EXPECT_EQ(Export(empty).messages, (std::vector<std::string>{"没有找到可编辑的文件！"}));
  EXPECT_FALSE(fs::exists(empty.Target()));

  // A target that cannot be replaced, and a project folder that is gone.
  TestProject blocked(folder_ + "/blocked");
  BasAppendLine(blocked.Add("L.WL"), std::vector<D_DOT>{{0, 0}, {1, 1}}, LineOf(kRed));
  fs::create_directories(blocked.Target());
  EXPECT_EQ(Export(blocked).messages, (std::vector<std::string>{blocked.Target() + cannotOpen}));
  EXPECT_TRUE(fs::is_directory(blocked.Target()));
  TestProject gone(folder_ + "/gone");
  BasAppendLine(gone.Add("L.WL"), std::vector<D_DOT>{{0, 0}, {1, 1}}, LineOf(kRed));
  fs::remove_all(gone.folder());
  EXPECT_EQ(Export(gone).messages, (std::vector<std::string>{gone.Target() + cannotOpen}));
  EXPECT_FALSE(fs::exists(gone.folder()));
}

TEST_F(DxfExport, AShorterDrawingReplacesALongerOneAndTwoExportsAreEqual) {
  TestProject project(folder_);
  BasAppendLine(project.Add("L.WL"), std::vector<D_DOT>{{0, 0}, {1, 1}}, LineOf(kRed));
  ASSERT_TRUE(fileio::WriteFileAtomically(project.Target(), std::string(1 << 20, 'x')));
  ASSERT_TRUE(Export(project).written);
  std::string first, second;
  ASSERT_TRUE(fileio::ReadWholeFile(project.Target(), first));
  EXPECT_LT(first.size(), 1u << 20);
  EXPECT_EQ(first.substr(first.size() - 5), "EOF\r\n");
  ASSERT_TRUE(Export(project).written);
  ASSERT_TRUE(fileio::ReadWholeFile(project.Target(), second));
  EXPECT_EQ(first, second);
}

TEST_F(DxfExport, ColourZeroGoesOutAsItDraws) {
  TestProject project(folder_);
  BasAppendLine(project.Add("L.WL"), std::vector<D_DOT>{{0, 0}, {1, 1}}, LineOf(0));
  BasAppendPoint(project.Add("P.WT"), {0, 0}, "a", PointOfKind(0, 0));
  const WorkAreaHandle regions = project.Add("R.WP");
  AppendRegion(regions, {{{0, 0}, {10, 0}, {10, 10}}}, 0);  // no fill: no hatch
  AppendRegion(regions, {{{0, 0}, {10, 0}, {10, 10}}}, kRed);
  ASSERT_TRUE(Export(project).written);
  const std::vector<Groups> entities = SectionEntities(test::ReadGroups(project.Target()), "ENTITIES");
  ASSERT_EQ(entities.size(), 3u);
  EXPECT_EQ(ValueOf(entities[0], 62), "") << "colour 0 draws as colour 1, which follows its layer";
  EXPECT_EQ(ValueOf(entities[1], 62), "");
  EXPECT_EQ(ValueOf(entities[2], 0), "HATCH");
  EXPECT_EQ(ValueOf(entities[2], 62), "10");
}

}  // namespace
}  // namespace zv::dxf
