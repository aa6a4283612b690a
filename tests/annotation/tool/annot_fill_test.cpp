// The pattern modes of the annotation tool driven through a view: the fill
// with its checks and its one undo step, deletion, and the trend fills.
#include <gtest/gtest.h>

#include <QDialog>
#include <cmath>
#include <fstream>
#include <iomanip>
#include <sstream>

#include "annotation/core/pattern_tag.h"
#include "annotation/tool/annot_commands.h"
#include "annotation/tool/annot_fill.h"
#include "annotation/tool/sec_annot_tool.h"
#include "framework/prompts/scripted_prompts.h"
#include "panels/hatch_lib_dlg.h"
#include "platform/view/tool_factory.h"
#include "tests/annotation/tool/annot_view_fixture.h"
#include "tests/support/test_env.h"

namespace zv::annot {
namespace {

constexpr char kPat[] =
    "; patterns\n*CROSS, crossed\n45, 0,0, 0,1\n135, 0,0, 0,1\n*LINES\n0, 0,0, 0,2\n*WIDE\n0, 0,1, 0,4\n";

struct Choice {
  std::string file;
  std::string name = "*CROSS, crossed";
  double angle = 30;
  double scaleX = 5, scaleY = 5;
  int source = 1;
  int index = 0;
  int fillColour = 5;
};

class AnnotFillTest : public test::AnnotViewTest {
 protected:
  void SetUp() override {
    AnnotViewTest::SetUp();
    RegisterAnnotCommands();
    patPath = zv::test::TempRoot() + "/fill.pat";
    std::ofstream(patPath, std::ios::binary) << kPat;
  }

  // The dialog answered with the choice (OK).
  void Answer(const Choice& c) {
    script->AnswerDialog([c](QDialog& d) {
      auto& dlg = dynamic_cast<panels::CHatchLibDlg&>(d);
      dlg.m_strPatternFile = c.file;
      dlg.m_strPatternName = c.name;
      dlg.m_dAngle = c.angle;
      dlg.m_nAngleKind = 1;
      dlg.m_dScaleX = c.scaleX;
      dlg.m_dScaleY = c.scaleY;
      dlg.m_nPatternSource = c.source;
      dlg.m_nPatternIndex = c.index;
      dlg.m_nFillColor = c.fillColour;
      dlg.m_nPatternColor = 3;
      return static_cast<int>(QDialog::Accepted);
    });
  }
  Choice Pattern() const { return Choice{patPath}; }

  int32_t AddRing(const std::vector<D_DOT>& ring) {
    LIN_INFO info;
    info.setStyle(1);
    return BasAppendLine(reg, ring, info);
  }
  // A far-away region with a hole.
  int32_t AddHoledRegion(double x, double y) {
    const int32_t outer = AddRing({{x, y}, {x + 40, y}, {x + 40, y + 30}, {x, y + 30}, {x, y}});
    const int32_t hole = AddRing({{x + 10, y + 10}, {x + 20, y + 10}, {x + 20, y + 20}, {x + 10, y + 20}, {x + 10, y + 10}});
    REG_INFO info;
    info.setFillColour(7);
    return BasAppendRegion(reg, {0, outer, 0, hole}, info);
  }
  void Select(std::vector<ENTITY_MSG> entries) {
    view->ClearPool();
    view->AddToPool(entries.data(), static_cast<int>(entries.size()));
  }
  bool Launch(int16_t mode) { return LaunchTool(*view, "CSecAnnotTool", mode, false, 0); }

  // Everything of the three areas, as text (with their structures when
  // `fields`).
  std::string Dump(bool fields = true) const {
    std::ostringstream out;
    out << std::setprecision(17);
    for (WorkAreaHandle area : {pnt, lin, reg}) {
      for (int type : {kLineEntity, kPointEntity, kRegionEntity}) {
        int32_t live = 0, bound = 0;
        if (BasGetEntityCount(area, type, &live, &bound) != 1) continue;
        CATT_STRU structure;
        if (fields && BasReadAttributeStructure(area, type, &structure) == 1)
          for (const CFIELD_HEAD& f : structure.fields) out << "field " << f.name << "\n";
        for (int32_t id = 1; id < bound; ++id) {
          if (!BasIsEntityLive(area, type, id)) continue;
          out << area << "/" << type << "/" << id << ":";
          if (type == kLineEntity) {
            std::vector<D_DOT> v;
            LIN_INFO info;
            BasReadLine(area, id, &v, &info);
            for (const D_DOT& p : v) out << " " << p.x << "," << p.y;
            out << " c" << info.colour();
          } else if (type == kPointEntity) {
            D_DOT p{};
            BasReadPointPos(area, id, &p);
            out << " " << p.x << "," << p.y;
          } else {
            std::vector<int32_t> arcs;
            REG_INFO info;
            BasReadRegion(area, id, &arcs, &info);
            for (int32_t a : arcs) out << " " << a;
            out << " f" << info.fillColour();
          }
          AttributeRecord record;
          if (BasReadAttribute(area, type, id, &record) == 1)
            for (uint8_t b : record.bytes) out << " " << int(b);
          out << "\n";
        }
      }
    }
    return out.str();
  }
  std::vector<int32_t> TaggedLines(int32_t tag) const {
    std::vector<int32_t> ids;
    int32_t live = 0, bound = 0;
    BasGetLineCount(lin, &live, &bound);
    for (int32_t id = 1; id < bound; ++id)
      if (BasIsEntityLive(lin, kLineEntity, id) && ReadPatternTag(lin, kLineEntity, id) == tag) ids.push_back(id);
    return ids;
  }
  int32_t FillColour(int32_t region) const {
    REG_INFO info;
    BasReadRegion(reg, region, nullptr, &info);
    return info.fillColour();
  }

  std::string patPath;
  prompt::ScopedScriptedPrompts script;
};

TEST_F(AnnotFillTest, ARefillReplacesThePatternAndOneUndoTakesEachFillBackExactly) {
  const int32_t region = AddHoledRegion(500000, 3500000);
  CATT_STRU before;
  BasReadAttributeStructure(lin, kLineEntity, &before);
  ASSERT_LT(BasFindField(before, kPatternTagName), 0);  // a fresh area has no tag field
  const std::string empty = Dump(false);

  Select({{reg, kRegionEntity, region}});
  Answer(Pattern());
  ASSERT_TRUE(Launch(-7));
  const std::vector<int32_t> first = TaggedLines(region);
  ASSERT_GT(first.size(), 50u);
  EXPECT_EQ(FillColour(region), 5);
  EXPECT_EQ(view->PoolCount(), 0);
  // No line crosses the hole.
  for (int32_t id : first) {
    std::vector<D_DOT> v;
    BasReadLine(lin, id, &v, nullptr);
    const D_DOT mid{(v[0].x + v[1].x) / 2, (v[0].y + v[1].y) / 2};
    EXPECT_FALSE(mid.x > 500010 && mid.x < 500020 && mid.y > 3500010 && mid.y < 3500020);
  }
  const std::string once = Dump();

  Select({{reg, kRegionEntity, region}});
  Answer(Pattern());
  ASSERT_TRUE(Launch(-7));
  const std::vector<int32_t> second = TaggedLines(region);
  EXPECT_EQ(second.size(), first.size());
  EXPECT_GT(second.front(), first.back());

  view->Undo();
  EXPECT_EQ(Dump(), once);
  view->Undo();
  // Old pattern and colour back, new pattern gone; the tag field stays.
  EXPECT_EQ(Dump(false), empty);
  EXPECT_EQ(FillColour(region), 7);
  CATT_STRU after;
  BasReadAttributeStructure(lin, kLineEntity, &after);
  EXPECT_GE(BasFindField(after, kPatternTagName), 0);
}

TEST_F(AnnotFillTest, AFillThatCannotBeDrawnChangesNothingAndSaysWhy) {
  const int32_t region = AddHoledRegion(100, 100);
  Select({{reg, kRegionEntity, region}});
  Answer(Pattern());
  ASSERT_TRUE(Launch(-7));
  const std::string drawn = Dump();
  const int steps = view->GetUndo().StepCount();

  struct Case {
    const char* name;
    Choice choice;
    const char* says;
  };
  Choice noEntry = Pattern();
  noEntry.source = 0;
  noEntry.index = -1;
  Choice unreadable = Pattern();
  unreadable.file += ".missing";
  Choice noHeader = Pattern();
  noHeader.name = "*NOPE";
  Choice noX = Pattern();
  noX.scaleX = 0;
  Choice dense = Pattern();
  dense.scaleY = 1e-6;
  Choice hugeX = Pattern();
  hugeX.scaleX = 1e300;
  Choice noneChosen = Pattern();
  noneChosen.index = -1;
  Choice noLine = Pattern();
  noLine.file = zv::test::TempRoot() + "/short.pat";
  noLine.name = "*SHORT";
  std::ofstream(noLine.file, std::ios::binary) << "*SHORT\n0, 0,0, 0\n0, 0,0, 0,0\n";
  const Case cases[] = {{"no library entry", noEntry, "没有选择图案库"},
                        {"unreadable file", unreadable, "无法读取图案文件"},
                        {"missing header", noHeader, "中没有图案 *NOPE"},
                        {"X scale 0", noX, "X比例必须大于0"},
                        {"X scale beyond the dialog's range", hugeX, "X比例不能大于"},
                        {"too dense", dense, "图案太密"},
                        {"no pattern chosen in a folder without any", noneChosen, "没有选择图案，"},
                        {"no drawable line (before the old pattern goes)", noLine, "没有可画的图案线"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::size_t asked = script->Messages().size();
    Select({{reg, kRegionEntity, region}});
    Answer(c.choice);
    ASSERT_TRUE(Launch(-7));
    EXPECT_EQ(Dump(), drawn);
    EXPECT_EQ(view->GetUndo().StepCount(), steps);
    EXPECT_EQ(view->PoolCount(), 0);
    ASSERT_EQ(script->Messages().size(), asked + 1);
    EXPECT_TRUE(script->Messages().back().contains(QString::fromUtf8(c.says))) << script->Messages().back().toStdString();
  }
  // Cancelled: nothing at all, no message.
  const std::size_t asked = script->Messages().size();
  Select({{reg, kRegionEntity, region}});
  ASSERT_TRUE(Launch(-7));
  EXPECT_EQ(Dump(), drawn);
  EXPECT_EQ(script->Messages().size(), asked);
}

TEST_F(AnnotFillTest, AnOpenLineIsFilledAsClosedByItsFirstVertexAndItsPatternGoesWithMode8) {
  // An open U: the fill closes it from (0,100) back to (0,0).
  const int32_t line = AddLine({{0, 0}, {100, 0}, {100, 100}, {0, 100}});
  Select({{lin, kLineEntity, line}});
  Choice c = Pattern();
  c.name = "*LINES";
  c.angle = 0;
  Answer(c);
  ASSERT_TRUE(Launch(7));
  const std::vector<int32_t> pattern = TaggedLines(line);
  // Every unit from y = 0 to y = 100 (the two on the outline included),
  // each from x = 0 to x = 100.
  ASSERT_EQ(pattern.size(), 101u);
  for (int32_t id : pattern) {
    std::vector<D_DOT> v;
    BasReadLine(lin, id, &v, nullptr);
    EXPECT_DOUBLE_EQ(std::fabs(v[1].x - v[0].x), 100);
  }
  Select({{lin, kLineEntity, line}});
  ASSERT_TRUE(Launch(8));
  EXPECT_TRUE(TaggedLines(line).empty());
  EXPECT_TRUE(BasIsEntityLive(lin, kLineEntity, line));
}

TEST_F(AnnotFillTest, ARegionTooSmallForAnyLineStillTakesTheFillColour) {
  const int32_t outer = AddRing({{0.2, 0.2}, {0.4, 0.2}, {0.4, 0.4}, {0.2, 0.4}, {0.2, 0.2}});
  const int32_t region = BasAppendRegion(reg, {0, outer}, REG_INFO{});
  Select({{reg, kRegionEntity, region}});
  Choice c = Pattern();
  c.name = "*WIDE";  // lines 0.5 off the centre, 2 apart
  c.angle = 0;
  c.fillColour = 12;
  Answer(c);
  ASSERT_TRUE(Launch(-7));
  EXPECT_TRUE(TaggedLines(region).empty());
  EXPECT_EQ(FillColour(region), 12);
  view->Undo();
  EXPECT_EQ(FillColour(region), 0);
}

}  // namespace
}  // namespace zv::annot
