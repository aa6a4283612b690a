#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <sstream>

#include "platform/display/system_library.h"
#include "tests/platform/display/golden.h"
#include "tests/support/test_env.h"

namespace zv::display {
namespace {

std::string Bytes(const std::string& name) {
  std::ifstream in(zv::test::DataPath("display/lib/" + name), std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

TEST(SymbolLibrary, SubgraphEntryDecodesEveryElementKind) {
  const std::string file = Bytes("subgraph.LIB");
  const auto library = SingleLevelLibrary::Parse(file, 4, nullptr);
  ASSERT_TRUE(library);
  EXPECT_EQ(library->Count(), 4);
  EXPECT_TRUE(library->Problems().empty());
  EXPECT_EQ(library->Entry(3), nullptr);  // a number without an entry
  EXPECT_FALSE(library->IsBroken(3));
  const SymbolEntry* entry = library->Entry(2);
  ASSERT_NE(entry, nullptr);
  ASSERT_EQ(entry->elements.size(), 7u);
  for (int kind = 0; kind <= 6; ++kind) EXPECT_EQ(entry->elements[kind].kind, kind);
  const SymbolElement& area = entry->elements[0];
  EXPECT_EQ(area.colourA, 2);
  EXPECT_EQ(area.colourB, 3);
  EXPECT_EQ(area.lineWidth, 4);
  ASSERT_EQ(area.parts.size(), 1u);
  EXPECT_EQ(area.parts[0].size(), 4u);
  const SymbolElement& polyline = entry->elements[2];
  ASSERT_EQ(polyline.parts.size(), 2u);  // parts take their points in order
  EXPECT_EQ(polyline.parts[1].size(), 3u);
  EXPECT_DOUBLE_EQ(polyline.parts[1][0].x, 3.0);
  const LibPart& arc = entry->elements[3].parts[0];  // centre, (radius, start), (end, -)
  EXPECT_DOUBLE_EQ(arc[1].x, 0.25);
  EXPECT_DOUBLE_EQ(arc[1].y, 30.0);
  EXPECT_DOUBLE_EQ(arc[2].x, 150.0);
  EXPECT_EQ(entry->elements[4].colourA, 8);
  const LibPart& circle = entry->elements[6].parts[0];
  EXPECT_DOUBLE_EQ(circle[0].x, -3.0);
  EXPECT_DOUBLE_EQ(circle[1].x, 3.0);
  // The same entry through the index reader the library dialogs use.
  const auto direct = ReadSymbolEntry(file, 2, 4, nullptr);
  ASSERT_TRUE(direct);
  EXPECT_EQ(direct->elements.size(), 7u);
}

TEST(SymbolLibrary, LineTypesReadThroughBothIndexForms) {
  const std::string twoLevel = Bytes("linesty.lib");
  const auto grouped = LineTypeLibrary::Parse(twoLevel, nullptr);
  ASSERT_TRUE(grouped);
  EXPECT_TRUE(grouped->IsTwoLevel());
  EXPECT_EQ(grouped->Count(), 3);
  EXPECT_EQ(grouped->SubStyleCount(1), 2);
  EXPECT_EQ(grouped->SubStyleCount(2), 1);
  const GroupedEntry* dashDot = grouped->Cell(1, 1);
  ASSERT_NE(dashDot, nullptr);
  ASSERT_EQ(dashDot->elements.size(), 2u);
  EXPECT_EQ(dashDot->elements[0].kind, kCellStroke);
  EXPECT_EQ(dashDot->elements[1].kind, kCellDot);
  EXPECT_DOUBLE_EQ(dashDot->elements[1].points[0].x, 0.75);
  const auto direct = ReadGroupedEntry(twoLevel, 2, 0, 6, nullptr);
  ASSERT_TRUE(direct);
  EXPECT_EQ(direct->elements[1].kind, kCellTooth);
  EXPECT_EQ(direct->elements[1].points.size(), 4u);

  const auto single = LineTypeLibrary::Parse(Bytes("linesty_single.lib"), nullptr);
  ASSERT_TRUE(single);
  EXPECT_FALSE(single->IsTwoLevel());
  EXPECT_EQ(single->SubStyleCount(2), 1);
  ASSERT_NE(single->Cell(1, 0), nullptr);
  EXPECT_EQ(single->Cell(1, 0)->elements[0].kind, kCellBase);  // no elements: a continuous line
  EXPECT_EQ(single->Cell(2, 0)->elements[0].kind, kCellStroke);
}

TEST(SymbolLibrary, MalformedFilesAreRefusedOrTheirEntriesFlagged) {
  struct Case {
    const char* file;
    bool indexReadable;
    long brokenEntry;
  };
  const Case cases[] = {
      {"bad_short.lib", false, 0},     {"bad_count.lib", false, 0},    {"bad_truncated.lib", true, 2},
      {"bad_offset.lib", true, 1},     {"bad_negative.lib", true, 2},
  };
  for (const auto& c : cases) {
    std::string error;
    const auto library = SingleLevelLibrary::Parse(Bytes(c.file), 4, &error);
    ASSERT_EQ(library.has_value(), c.indexReadable) << c.file;
    if (!library) {
      EXPECT_FALSE(error.empty()) << c.file;
      continue;
    }
    EXPECT_TRUE(library->IsBroken(c.brokenEntry)) << c.file;
    EXPECT_EQ(library->Entry(c.brokenEntry), nullptr) << c.file;
    EXPECT_FALSE(library->Problems().empty()) << c.file;
  }
  EXPECT_FALSE(ReadSymbolEntry(Bytes("subgraph.LIB"), 99, 4, nullptr));
  EXPECT_FALSE(ReadSymbolEntry(Bytes("subgraph.LIB"), -1, 4, nullptr));
  EXPECT_FALSE(ReadGroupedEntry(Bytes("linesty.lib"), 1, 7, 6, nullptr));
}

TEST(SymbolLibrary, NumbersSharingAnOffsetShareOneDecodedEntry) {
  std::string file = Bytes("subgraph.LIB");
  std::memcpy(file.data() + 3 * 4, file.data() + 1 * 4, 4);  // number 3 points at entry 1
  const auto library = SingleLevelLibrary::Parse(file, 4, nullptr);
  ASSERT_TRUE(library);
  ASSERT_NE(library->Entry(1), nullptr);
  EXPECT_EQ(library->Entry(3), library->Entry(1));
}

TEST(SystemLibrary, FindsFilesWithoutRegardToCaseAndNamesPatterns) {
  const SystemLibrary library = SystemLibrary::Load(zv::test::DataPath("display/lib"));
  EXPECT_EQ(library.SubgraphCount(), 4);
  EXPECT_EQ(library.LineTypeCount(), 3);
  EXPECT_EQ(library.SubStyleCount(1), 2);
  EXPECT_EQ(library.PatternCount(), 4);
  EXPECT_EQ(library.ColourCount(), 5);
  EXPECT_EQ(library.PatternNameList().Label(1), "1_斜线");
  EXPECT_EQ(library.PatternNameList().Label(3), "3_Sand");  // the first line of a number wins
  EXPECT_EQ(library.PatternNameList().Label(2), "2_未命名图案");
}

TEST(SystemLibrary, AMissingFolderGivesEachNoticeOnceAndPlainStandIns) {
  std::vector<std::string> notices;
  SetNoticeSink([&](const std::string& text) { notices.push_back(text); });
  const std::string folder = zv::test::TempRoot() + "/no-such-folder";
  const SystemLibrary first = SystemLibrary::Load(folder);
  const SystemLibrary second = SystemLibrary::Load(folder);
  SetNoticeSink(nullptr);
  EXPECT_EQ(notices.size(), 4u);  // colours, sub-graphs, line types, patterns; not again on reload
  EXPECT_EQ(first.SubgraphCount(), 1);
  EXPECT_EQ(first.LineTypeCount(), 1);
  EXPECT_EQ(first.PatternCount(), 1);
  EXPECT_EQ(first.ColourCount(), 17);
  EXPECT_EQ(first.Colours().ToRgb(1), (Rgb{0, 0, 0}));
}

TEST(SystemLibrary, ShippedLibraryHoldsTheNumbersTheProgramUses) {
  const SystemLibrary library = SystemLibrary::Load(DefaultLibraryFolder());
  const auto* subgraphs = library.Subgraphs();
  ASSERT_NE(subgraphs, nullptr);
  EXPECT_TRUE(subgraphs->Problems().empty());
  int symbols = 0;
  for (long n = 1; n < subgraphs->Count(); ++n) symbols += subgraphs->Entry(n) != nullptr;
  EXPECT_GE(symbols, 40);
  for (long n : {3, 21, 127, 319, 502, 1011, 1016}) EXPECT_NE(subgraphs->Entry(n), nullptr) << n;
  EXPECT_EQ(library.SubgraphCount(), 1017);
  ASSERT_NE(library.LineTypes(), nullptr);
  EXPECT_TRUE(library.LineTypes()->IsTwoLevel());
  EXPECT_GE(library.LineTypeCount(), 10);
  for (int t = 1; t < library.LineTypeCount(); ++t) EXPECT_GE(library.SubStyleCount(t), 1) << t;
  int patterns = 0;
  for (long n = 1; n < library.PatternCount(); ++n) patterns += library.Patterns()->Entry(n) != nullptr;
  EXPECT_GE(patterns, 30);
  EXPECT_EQ(library.PatternNameList().Label(1), "1_砂岩");
}

}  // namespace
}  // namespace zv::display

#include "platform/display/display_calls.h"

namespace zv::display {
namespace {

TEST(DisplayCalls, AnswerFromTheCurrentLibraryAndFollowAFolderChange) {
  EXPECT_EQ(DspGetSubgraphCount(), 1017);
  EXPECT_GE(DspGetColorCount(), 501);
  int r = -1, g = -1, b = -1, k = -1, c = -1, m = -1, y = -1;
  DspColorToRgb(6, &r, &g, &b);
  EXPECT_EQ(DspRgbToColorIndex(r, g, b), 6);
  DspColorToCmyk(1, &k, &c, &m, &y);
  EXPECT_EQ(k, 255);
  SetLibraryFolder(zv::test::DataPath("display/lib"));
  EXPECT_EQ(DspGetSubgraphCount(), 4);
  EXPECT_EQ(DspGetLineTypeCount(), 3);
  EXPECT_EQ(DspGetSubStyleCount(1), 2);
  EXPECT_EQ(DspGetPatternCount(), 4);
  EXPECT_EQ(DspGetColorCount(), 5);
  ReloadFromEnvironment();  // back to the environment's folder
  EXPECT_EQ(DspGetSubgraphCount(), 1017);
}

}  // namespace
}  // namespace zv::display

#include "platform/data/environment.h"

namespace zv::display {
namespace {

TEST(SystemLibrary, AFolderThatIsGoneFallsBackToTheShippedLibrary) {
  EnvironmentRecord record = *BasGetEnvironment();
  record.setPath(env::kSystemLibraryFolder, zv::test::TempRoot() + "/gone");
  ASSERT_TRUE(BasSaveEnvironment(record));
  std::vector<std::string> notices;
  SetNoticeSink([&](const std::string& text) { notices.push_back(text); });
  const std::string folder = DefaultLibraryFolder();
  SetNoticeSink(nullptr);
  EXPECT_EQ(SystemLibrary::Load(folder).SubgraphCount(), 1017);
  EXPECT_EQ(notices.size(), 1u);
}

}  // namespace
}  // namespace zv::display
