#include "annotation/core/pattern_fill.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "annotation/core/area_ids.h"
#include "annotation/core/library_tiling.h"
#include "annotation/core/pattern_tag.h"
#include "panels/core/hatch_options.h"
#include "framework/fileio/file_io.h"
#include "platform/progress/progress.h"

namespace zv::annot {
namespace {

constexpr double kDegree = std::numbers::pi / 180.0;
constexpr char kProgressName[] = "正在绘制图案...";
constexpr int kProgressSteps = 10;

// The rings in the pattern frame and how to bring the lines back.
struct PatternFrame {
  Rings rings;
  D_DOT centre{};
  MapHatchOptions options;
};

PatternFrame FrameOf(const HatchSettings& s, const Rings& rings, const FillPlacement& placement) {
  PatternFrame frame{rings, {}, {}};
  const double angle = s.Turn() * kDegree;
  double height = 0;
  frame.centre = placement.anchor ? *placement.anchor : RotatedBoxCentre(rings, angle, &height);
  MoveRotateRings(frame.rings, frame.centre.x, frame.centre.y, angle);
  frame.options.scaleX = s.scaleX;
  frame.options.scaleY = s.scaleY;
  frame.options.fan = {s.angleKind == 0 && placement.fanAllowed, s.startAngle, s.endAngle, 2 * height};
  return frame;
}

// A piece a few rounding steps long in the pattern frame can collapse to a
// point when it is turned and moved back among large map coordinates.
void DropCollapsedLines(WorkAreaHandle area) {
  int32_t live = 0, bound = 0;
  BasGetLineCount(area, &live, &bound);
  std::vector<D_DOT> v;
  for (int32_t id = 1; id < bound; ++id)
    if (BasReadLine(area, id, &v, nullptr) == 1 &&
        std::all_of(v.begin(), v.end(), [&](const D_DOT& p) { return p.x == v[0].x && p.y == v[0].y; }))
      BasDeleteLine(area, id);
}

void StepProgress(std::size_t lines) {
  StartProgress();
  SetMainProgressName(kProgressName);
  SetRange(0, kProgressSteps);
  int step = 0;
  for (std::size_t i = 0; i < lines; ++i) {
    step = step % kProgressSteps + 1;
    SetPos(step);
  }
  EndProgress();
}

// The families drawn in a temporary line area, then turned and moved back
// and copied into the current line area.
void FillWithFamilies(const HatchSettings& s, const FillSource& source, const Rings& rings, int32_t tag,
                      const FillPlacement& placement, const FillTargets& targets, FillResult& result) {
  const PatternFrame frame = FrameOf(s, rings, placement);
  const WorkAreaSetHandle set = BasCreateWorkAreaSet();
  const WorkAreaHandle temp = BasCreateLineWorkArea(set);
  CATT_STRU structure;
  if (BasReadAttributeStructure(targets.lines, kLineEntity, &structure) == 1)
    BasSetAttributeStructure(temp, kLineEntity, structure);
  EnsurePatternTag(temp, kLineEntity);
  StepProgress(source.fileLines.size());
  TaggingSink sink(0, temp, 0, tag);
  panels::HatchOutcome outcome =
      MapHatchFamilies(source.families, frame.rings, frame.options, PatternLineInfo(s), sink);
  result.notes = std::move(outcome.notes);
  BasTransformWorkArea(temp, kTransformRotate, s.Turn(), 0);
  BasTransformWorkArea(temp, kTransformMove, frame.centre.x, frame.centre.y);
  DropCollapsedLines(temp);
  if (LiveCount(temp, kLineEntity) > 0) {
    EnsurePatternTag(targets.lines, kLineEntity);
    const int32_t before = IdBound(targets.lines, kLineEntity);
    BasCopyLines(temp, targets.lines);
    result.lines = LiveIdsFrom(targets.lines, kLineEntity, before);
  }
  BasClearWorkArea(temp, 0);
  BasReleaseWorkArea(temp);
  BasFreeWorkAreaSet(set);
}

}  // namespace

std::optional<FillSource> LoadFillSource(const HatchSettings& s, std::string* error) {
  const auto fail = [&](std::string message) -> std::optional<FillSource> {
    if (error) *error = std::move(message);
    return std::nullopt;
  };
  if (!(std::isfinite(s.scaleX) && s.scaleX > 0)) return fail("X比例必须大于0，未填充图案。");
  // Lines are drawn with x stretched by X over Y: far beyond the dialog's
  // scale range the stretched lines overflow and nothing would be drawn.
  if (s.scaleX > panels::kMaxScale) return fail("X比例不能大于 1e+006，未填充图案。");
  if (!(std::isfinite(s.scaleY) && s.scaleY > 0)) return fail("Y比例必须大于0，未填充图案。");
  FillSource source;
  source.hatchFile = s.patternSource != 0;
  if (source.hatchFile) {
    std::string bytes, why;
    if (!fileio::ReadWholeFile(s.patternFile, bytes, &why))
      return fail("无法读取图案文件 " + s.patternFile + "：" + why);
    source.fileLines = panels::TextFileLines(bytes);
    const std::vector<std::string> headers = panels::PatternHeaders(source.fileLines);
    if (std::find(headers.begin(), headers.end(), s.patternName) == headers.end())
      return fail("图案文件 " + s.patternFile + " 中没有图案 " + s.patternName + "。");
    std::string unsoundNotes;
    bool drawable = false;
    for (const std::string& line : panels::PatternFamilyLines(source.fileLines, s.patternName)) {
      source.families.push_back(panels::ParseHatchFamily(line, s.scaleY));
      const std::string unsound = panels::UnsoundHatchFamily(source.families.back());
      if (!unsound.empty()) unsoundNotes += "\n" + unsound;
      drawable = drawable || (source.families.back().count >= 5 && unsound.empty());
    }
    // Checked here, before the refill deletes the earlier pattern.
    if (!drawable)
      return fail("图案文件 " + s.patternFile + " 中的图案 " + s.patternName + " 没有可画的图案线，未填充图案。" + unsoundNotes);
    return source;
  }
  if (s.patternIndex < 0) return fail("没有选择图案库 " + s.patternFile + " 中的图案。");
  std::string why;
  const std::optional<panels::PatternLibraryFile> library = panels::PatternLibraryFile::Load(s.patternFile, &why);
  if (!library) return fail("无法读取图案库 " + s.patternFile + "：" + why);
  std::optional<display::SymbolEntry> entry = library->EntryAt(s.patternIndex, &why);
  if (!entry)
    return fail("无法读取图案库 " + s.patternFile + " 的第 " + std::to_string(s.patternIndex + 1) + " 个图案：" + why);
  source.entry = std::move(*entry);
  return source;
}

bool FitsCap(const HatchSettings& s, const FillSource& source, const Rings& rings, const FillPlacement& placement) {
  if (!source.hatchFile) return LibraryPieces(source.entry, s, rings, placement.fanAllowed) <= panels::kMaxHatchPieces;
  const PatternFrame frame = FrameOf(s, rings, placement);
  return EstimateMapHatchPieces(source.families, frame.rings, frame.options) <= panels::kMaxHatchPieces;
}

FillResult FillRings(const HatchSettings& s, const FillSource& source, const Rings& rings, int32_t tag,
                     const FillPlacement& placement, const FillTargets& targets) {
  FillResult result;
  if (rings.empty()) return result;
  if (source.hatchFile) {
    FillWithFamilies(s, source, rings, tag, placement, targets, result);
    return result;
  }
  const int32_t points = IdBound(targets.points, kPointEntity), lines = IdBound(targets.lines, kLineEntity),
                regions = IdBound(targets.regions, kRegionEntity);
  result.notes = DrawLibraryPattern(source.entry, s, rings, PatternLineInfo(s), tag, placement.fanAllowed, targets);
  result.points = LiveIdsFrom(targets.points, kPointEntity, points);
  result.lines = LiveIdsFrom(targets.lines, kLineEntity, lines);
  result.regions = LiveIdsFrom(targets.regions, kRegionEntity, regions);
  return result;
}

}  // namespace zv::annot
