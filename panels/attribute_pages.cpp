#include "panels/attribute_pages.h"

#include "panels/sample_catalog.h"

namespace zv::panels {
namespace {

const PageSpec kLinePage{{{{"线号", Chooser::kNone, "LINENO", "Y", "LINEY"},
                           {"线宽", Chooser::kNone, "LINEWIDTH", "X", "LINEX"},
                           {"颜色", Chooser::kColour, "LINECOLOR", nullptr, nullptr},
                           {"图层", Chooser::kLayer, "LINELAYER", nullptr, nullptr}}},
                         "修改线图元", "绘制线图元", 85, "LINENO", "LINEOPTYPE", 3, kLinePick, false};

const PageSpec kRegionPage{{{{"图案号", Chooser::kNone, "RegNO", "高", "REGHEIGHT"},
                             {"底色", Chooser::kColour, "BACKCLR", "宽", "REGWIDTH"},
                             {"纹色", Chooser::kColour, "PATCOLOR", nullptr, nullptr},
                             {"图层", Chooser::kLayer, "REGLAYER", nullptr, nullptr}}},
                           "修改区图元", "绘制区图元", 100, "RegNO", "REGOPTYPE", 4, kRegionPick, false};

const PageSpec kSubgraphPage{{{{"子图号", Chooser::kNone, "SUBNO", "高", "SUBHEIGHT"},
                               {"角度", Chooser::kNone, "SUBANGLE", "宽", "SUBWIDTH"},
                               {"颜色", Chooser::kColour, "SUBCOLOR", nullptr, nullptr},
                               {"图层", Chooser::kLayer, "SUBLAYER", nullptr, nullptr}}},
                             "修改子图", "绘制子图", 80, "SUBNO", "SUBOPTYPE", 2, kSubgraphPick, true};

}  // namespace

CDlgLine::CDlgLine(QWidget* parent) : AttributePage(parent, kLinePage, kLineArea), styles_(LineStyleSamples()) {
  SetUp(PageKeys(values_));
}

int CDlgLine::BuildSamples(WorkAreaHandle area, const GridGeometry& grid, bool allRows) {
  return BuildLineSamples(area, grid, allRows, styles_);
}

void CDlgLine::FillDefault() { FillLineRecord(values_, *BasGetDefaultLineParam(0)); }

CDlgReg::CDlgReg(QWidget* parent) : AttributePage(parent, kRegionPage, kRegionArea), patterns_(PatternSamples()) {
  SetUp(PageKeys(values_));
}

int CDlgReg::BuildSamples(WorkAreaHandle area, const GridGeometry& grid, bool allRows) {
  return BuildPatternSamples(area, grid, allRows, patterns_);
}

void CDlgReg::FillDefault() { FillRegionRecord(values_, *BasGetDefaultRegionParam(0)); }

CDlgSub::CDlgSub(QWidget* parent) : AttributePage(parent, kSubgraphPage, kPointArea), numbers_(SubgraphSamples()) {
  SetUp(PageKeys(values_));
}

int CDlgSub::BuildSamples(WorkAreaHandle area, const GridGeometry& grid, bool allRows) {
  return BuildSubgraphSamples(area, grid, allRows, numbers_);
}

void CDlgSub::FillDefault() { FillSubgraphRecord(values_, *BasGetDefaultPointParam(1)); }

}  // namespace zv::panels
