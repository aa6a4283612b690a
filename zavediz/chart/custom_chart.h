#pragma once
// One run of the custom borehole chart over the chart's three work areas.
//  - DrawColumns draws a hole: the areas emptied and the segment chain
//    restarted, the header file pasted (its height kept as headerTop), the
//    layout read, the hole header and frame, each shown column by its code
//    (0 layer names, 1 .. 6 strata, 7 lithology; other codes draw nothing
//    yet), the title block, then the two survey tables, wide from a chart
//    width of 370 mm. A failed read ends the hole's drawing (false, the
//    message naming the table in `error`); the next hole starts afresh.
//  - SaveChart writes the hole as "<folder>/<name>" .wl, .wt, .wp and .mpj
//    (members .wp, .wt, .wl), the name zkinfok's hole number, else the
//    chosen id; a name that is no plain file name writes nothing and says so.

#include <string>

#include "zavediz/chart/chart_header_file.h"
#include "zavediz/chart/custom_chart_context.h"
#include "zavediz/chart/custom_title_block.h"

namespace zv::chart {

struct CustomChartSettings {
  float innerWidth = 0.1f;  // [ZK] "inw"
  float outerWidth = 0.5f;  // [ZK] "outw"
  long subNo = 502;         // [ZK] "subNo"
};

struct CustomChartHooks {
  std::function<void()> clearPools;  // empties the three areas; direct clears when unset
  Tell tell;                          // messages that do not stop the hole
  AskTitleBlock askTitleBlock;        // unset: the title rows stay as they are
};

class CustomChart {
 public:
  CustomChart(ChartAreas areas, int16_t mode, std::string dataSource, const CustomChartSettings& settings,
              std::string headerPath, CustomChartHooks hooks = {});

  bool DrawColumns(float scaleFactor, const std::string& mine, const std::string& hole, std::string* error);
  bool SaveChart(const std::string& folder, std::string* error) const;

  CustomChartLayout& layout() { return layout_; }
  ChartWriter& writer() { return writer_; }

 private:
  CustomChartLayout layout_;
  ChartWriter writer_;
  int16_t mode_;
  std::string dataSource_;
  long subNo_;
  std::string headerPath_;
  CustomChartHooks hooks_;
  std::string chosenHole_;
};

}  // namespace zv::chart
