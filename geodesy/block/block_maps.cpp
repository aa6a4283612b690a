#include "geodesy/block/block_maps.h"

#include <algorithm>
#include <filesystem>

#include "framework/text/numbers.h"
#include "geodesy/block/block_sheets.h"
#include "geodesy/reserve/layer_project.h"

namespace zv::block {
namespace {

// Draws one map into a fresh set and writes it as base + ".wp", ".wl",
// ".wt" and ".mpj".
template <class Draw>
void WriteMap(const std::string& folder, const std::string& base, Draw&& draw, BlockMapResult& result) {
  const WorkAreaSetHandle set = BasCreateWorkAreaSet(0);
  const MapAreas map{BasCreatePointWorkArea(set), BasCreateLineWorkArea(set), BasCreateRegionWorkArea(set)};
  draw(map);
  const std::filesystem::path dir(folder);
  const std::string project = (dir / (base + ".mpj")).string();
  const reserve::ProjectWriteReport report = reserve::WriteFilesAndProject(
      {{(dir / (base + ".wp")).string(), map.regions},
       {(dir / (base + ".wl")).string(), map.lines},
       {(dir / (base + ".wt")).string(), map.points}},
      project);
  BasFreeWorkAreaSet(set);
  for (const std::string& f : report.failures) result.messages.push_back("不能保存 " + f);
  if (report.projectSaved && report.failures.empty()) result.projects.push_back(project);
}

// Sheets beyond the four drawn that the message names.
constexpr std::size_t kNamedBeyond = 20;

}  // namespace

BlockMapResult MakeRangeMaps(const std::string& folder, const CornerRows& rows, const std::vector<RangeMap>& maps,
                             Date today) {
  BlockMapResult result;
  const CollectedCorners corners = CollectCorners(rows);
  if (corners.error) {
    result.messages.push_back(*corners.error);
    return result;
  }
  if (corners.rings.empty()) {
    result.messages.push_back("没有矿区拐点坐标！");
    return result;
  }
  std::vector<TouchedSheet> sheets = TouchedSheets(corners.rings);
  if (sheets.size() > kSheetSlots) {
    // A block typed far too large leaves thousands out: a message naming
    // them all would not fit on any screen.
    std::string beyond;
    const std::size_t named = std::min(sheets.size(), kSheetSlots + kNamedBeyond);
    for (std::size_t i = kSheetSlots; i < named; ++i) beyond += (beyond.empty() ? "" : "、") + sheets[i].newNumber;
    if (named < sheets.size()) beyond += num::Format("等%zu幅", sheets.size() - kSheetSlots);
    result.messages.push_back("区块所占1:5万图幅超过4幅，以下图幅未画出：" + beyond);
    sheets.resize(kSheetSlots);
  }
  for (RangeMap which : maps) {
    switch (which) {
      case RangeMap::One: {
        const std::string million = sheets.empty() ? std::string() : MillionSheetOf(sheets.front().newNumber);
        for (const TouchedSheet& s : sheets)
          if (MillionSheetOf(s.newNumber) != million) {
            result.messages.push_back("区块跨越多个1:100万图幅，范围图(一)只画出" + million + "图幅。");
            break;
          }
        WriteMap(folder, "区块1", [&](const MapAreas& m) { DrawRangeMap1(m, sheets, million, today); }, result);
        break;
      }
      case RangeMap::Two:
        WriteMap(folder, "区块2", [&](const MapAreas& m) { DrawRangeMap2(m, corners.rings, today); }, result);
        break;
      case RangeMap::Three:
        for (std::size_t k = 0; k < sheets.size(); ++k) {
          WriteMap(folder, "区块3_" + num::FormatInt(static_cast<long>(k + 1)),
                   [&](const MapAreas& m) {
                     DrawRangeMap3(m, corners.rings, sheets[k], static_cast<int>(k), static_cast<int>(sheets.size()),
                                   today);
                   },
                   result);
        }
        break;
    }
  }
  return result;
}

}  // namespace zv::block
