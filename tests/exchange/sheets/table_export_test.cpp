// Tables drawn in the map turned into sheets, from their lines and from
// their notes alone, saved and read back with openpyxl.
#include <gtest/gtest.h>

#include "exchange/sheets/table_export.h"
#include "framework/workbook/object_model.h"
#include "tests/exchange/sheets/sheet_test_support.h"
#include "tests/support/test_env.h"

namespace zv::sheets {
namespace {

// One line per workbook file: its cells, merged areas, and "centred" when
// A1 is centred both ways.
constexpr const char* kDump = R"(import sys, openpyxl
for path in sys.argv[1:]:
    ws = openpyxl.load_workbook(path).worksheets[0]
    out = []
    for row in ws.iter_rows():
        for c in row:
            if c.value not in (None, ""):
                out.append("%s=%s" % (c.coordinate, str(c.value).replace("\n", "/")))
    out += sorted("merged " + str(r) for r in ws.merged_cells.ranges)
    a1 = ws["A1"].alignment
    if a1.horizontal == "center" and a1.vertical == "center":
        out.append("centred")
    print(" ".join(out))
)";

struct Seg {
  D_DOT a, b;
};
struct Note {
  D_DOT at;
  const char* text;
  uint8_t kind = 0;
};

class TableExportTest : public test::SheetTest {
 protected:
  void Draw(const std::vector<Seg>& segments, const std::vector<Note>& notes) {
    for (const Seg& s : segments) {
      const int32_t id = BasAppendLine(lines_, {s.a, s.b}, *BasGetDefaultLineParam());
      pool_.push_back({lines_, kLineEntity, id});
    }
    for (const Note& n : notes) {
      PNT_INFO info = *BasGetDefaultPointParam(n.kind);
      info.setKind(n.kind);
      info.setCharWidth(2);
      info.setCharHeight(4);
      const int32_t id = BasAppendPoint(points_, n.at, n.text, info);
      pool_.push_back({points_, kPointEntity, id});
    }
  }
  // Saves the table's sheet for Dumps.
  void Save(const SheetTable& table) {
    const workbook::Workbook book = excel_.Workbooks().Add();
    WriteSheetTable(book.Sheets().Item(1), table);
    paths_.push_back(zv::test::TempRoot() + "/table" + std::to_string(paths_.size()) + ".xlsx");
    book.SaveAs(paths_.back());
  }
  // The saved sheets as openpyxl reads them, in saving order.
  std::vector<std::string> Dumps() {
    std::vector<std::string> lines;
    std::string all = test::RunPython(kDump, paths_), line;
    for (char c : all) {
      if (c != '\n') {
        line += c;
        continue;
      }
      lines.push_back(line);
      line.clear();
    }
    return lines;
  }
  // Full lines along x at each y from x0 to x1, and along y at each x.
  static std::vector<Seg> Grid(std::vector<double> xs, std::vector<double> ys) {
    std::vector<Seg> segments;
    for (double y : ys) segments.push_back({{xs.front(), y}, {xs.back(), y}});
    for (double x : xs) segments.push_back({{x, ys.front()}, {x, ys.back()}});
    return segments;
  }
  std::vector<ENTITY_MSG> pool_;
  std::vector<std::string> paths_;
};

TEST_F(TableExportTest, TablesFromTheirLines) {
  struct Case {
    const char* name;
    std::vector<Seg> segments;
    std::vector<Note> notes;
    D_DOT from, to;
    const char* sheet;
  };
  std::vector<Seg> block = {{{0, 0}, {60, 0}}, {{0, 10}, {60, 10}}, {{40, 20}, {60, 20}}, {{0, 30}, {60, 30}},
                            {{0, 0}, {0, 30}}, {{20, 0}, {20, 10}}, {{40, 0}, {40, 30}}, {{60, 0}, {60, 30}}};
  std::vector<Seg> onlyB2 = Grid({0, 20, 40, 60}, {0, 10, 20, 30});
  onlyB2.erase(onlyB2.begin() + 6);  // no line between B2 and C2 ...
  onlyB2.push_back({{40, 0}, {40, 10}});
  onlyB2.push_back({{40, 20}, {40, 30}});
  const Case cases[] = {
      {"3 x 2 with every border at A1", Grid({0, 20, 40}, {0, 10, 20, 30}),
       {{{10, 25}, "a"}, {{30, 25}, "b"}, {{10, 15}, "c"}, {{30, 15}, "d"}, {{10, 5}, "e"}, {{30, 5}, "12.5"}},
       {-1, -1}, {41, 31}, "A1=a B1=b A2=c B2=d A3=e B3=12.5 centred"},
      {"lines 1.5 apart are one", Grid({0, 20}, {0, 10, 11.5, 20}), {{{10, 5}, "下"}, {{10, 15}, "上"}},
       {-1, -1}, {21, 21}, "A1=上 A2=下 centred"},
      {"lines 2.0 apart are two", Grid({0, 20}, {0, 10, 12, 20}), {{{10, 5}, "下"}, {{10, 15}, "上"}},
       {-1, -1}, {21, 21}, "A1=上 A3=下 centred"},
      {"a climbing segment and a short one make no row line; texts join",
       {{{0, 0}, {20, 0}}, {{0, 20}, {20, 20}}, {{0, 0}, {0, 20}}, {{20, 0}, {20, 20}}, {{0, 10}, {20, 12.5}},
        {{0.5, 8}, {2.5, 8}}},
       {{{10, 5}, "下"}, {{10, 15}, "上"}}, {-1, -1}, {21, 21}, "A1=下/上 centred"},
      {"a 2 x 2 block without inner lines is one area with both texts", block,
       {{{10, 25}, "甲"}, {{30, 15}, "乙"}, {{50, 5}, "丙"}}, {-1, -1}, {61, 31},
       "A1=甲/乙 C3=丙 merged A1:B2 centred"},
      {"a table without its bottom border merges with the row below",
       {{{0, 10}, {40, 10}}, {{0, 20}, {40, 20}}, {{0, 0}, {3, 0}}, {{0, 0}, {0, 20}}, {{20, 0}, {20, 20}},
        {{40, 0}, {40, 20}}},
       {{{10, 5}, "左"}, {{30, 5}, "右"}}, {-1, -1}, {41, 21}, "A2=左 B2=右 merged A2:A3 merged B2:B3 centred"},
      {"the only merge at B2 keeps its texts in their cells", onlyB2,
       {{{10, 25}, "甲"}, {{30, 15}, "乙"}, {{50, 15}, "丙"}}, {-1, -1}, {61, 31},
       "A1=甲 B2=乙/丙 merged B2:C2 centred"},
      {"no extent", Grid({0, 20}, {0, 10}), {{{10, 5}, "x"}}, {5, 5}, {5, 5}, ""},
  };
  for (const Case& c : cases) {
    BasClearWorkArea(lines_);
    BasClearWorkArea(points_);
    pool_.clear();
    Draw(c.segments, c.notes);
    Save(TableFromLines(pool_, c.from, c.to));
  }
  const std::vector<std::string> dumps = Dumps();
  ASSERT_EQ(dumps.size(), std::size(cases));
  for (std::size_t i = 0; i < dumps.size(); ++i) EXPECT_EQ(dumps[i], cases[i].sheet) << cases[i].name;
}

TEST_F(TableExportTest, MergeReferencesBeyondColumnZ) {
  // One row of 99 columns; the lines right of columns 26, 52 and 99 stop
  // short of their midpoints, so those cells merge with their right
  // neighbours.
  std::vector<Seg> segments = {{{0, 0}, {990, 0}}, {{0, 20}, {990, 20}}};
  for (int k = 0; k <= 99; ++k) {
    const double x = 10.0 * k;
    const bool stub = k == 26 || k == 52 || k == 99;
    segments.push_back({{x, 0}, {x, stub ? 4.0 : 20.0}});
  }
  Draw(segments, {});
  std::vector<std::string> rightMerges;
  for (const workbook::CellRect& pair : TableFromLines(pool_, {-1, -1}, {991, 21}).merges)
    if (pair.first.row == pair.last.row) rightMerges.push_back(workbook::RangeReference(pair));
  EXPECT_EQ(rightMerges, (std::vector<std::string>{"Z1:AA1", "AZ1:BA1", "CU1:CV1"}));
}

TEST_F(TableExportTest, TablesFromTheirNotesAlone) {
  struct Case {
    const char* name;
    std::vector<Note> notes;
    D_DOT from, to;
    const char* sheet;
  };
  const Case cases[] = {
      {"three notes on a diagonal", {{{5, 95}, "甲"}, {{51, 51}, "乙"}, {{95, 5}, "丙"}, {{52, 49}, "sub", 1}},
       {0, 0}, {100, 100}, "A1=甲 B2=乙 C3=丙"},
      {"a later note replaces an earlier one", {{{51, 51}, "先"}, {{51.5, 51.5}, "后"}}, {0, 100}, {100, 0},
       "A1=后"},
      {"no note", {{{50, 50}, "sub", 1}}, {0, 0}, {100, 100}, ""},
      {"no extent", {{{50, 50}, "x"}}, {50, 50}, {50, 50}, ""},
  };
  for (const Case& c : cases) {
    BasClearWorkArea(points_);
    pool_.clear();
    Draw({}, c.notes);
    Save(TableFromNotes(pool_, c.from, c.to));
  }
  const std::vector<std::string> dumps = Dumps();
  ASSERT_EQ(dumps.size(), std::size(cases));
  for (std::size_t i = 0; i < dumps.size(); ++i) EXPECT_EQ(dumps[i], cases[i].sheet) << cases[i].name;
}

TEST_F(TableExportTest, OnlyAPoolWhoseFirstAreaIsOpenIsExported) {
  EXPECT_FALSE(ExportablePool({}));
  Draw({{{0, 0}, {1, 1}}}, {});
  EXPECT_TRUE(ExportablePool(pool_));
  const std::vector<ENTITY_MSG> stale = {{9999, kLineEntity, 1}};
  EXPECT_FALSE(ExportablePool(stale));
}

}  // namespace
}  // namespace zv::sheets
