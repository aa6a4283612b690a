#include "panels/core/library_comparison.h"

#include <array>

#include "framework/fileio/file_io.h"
#include "framework/paths/path_resolver.h"
#include "framework/text/encoding.h"
#include "framework/text/numbers.h"
#include "panels/core/hatch_sources.h"
#include "platform/display/library_bytes.h"

namespace zv::panels {
namespace {

constexpr std::array<LibraryKind, 3> kKinds{{
    {"子图库", "subgraph.LIB", 4, -0.89, -0.745, 100},
    {"线型库", "LINESTY.lib", 6, -0.24166666666666667, -0.6208333333333333, 120},
    {"图案库", "FILLGRPH.lib", 6, -0.24166666666666667, -0.12083333333333333, 120},
}};

// The line-type library marks its two-level index with this form in the
// last 16 bits of slot 0.
constexpr int kTwoLevelForm = 2;
constexpr int kEmptyAreaFill = 9;
constexpr float kPreviewWidth = 0.02f;
constexpr float kSymbolPenWidth = 0.1f;

std::string WithoutFirstCharacter(const std::string& line) {
  if (line.empty()) return line;
  std::size_t next = 1;
  while (next < line.size() && (static_cast<unsigned char>(line[next]) & 0xC0) == 0x80) ++next;
  return line.substr(next);
}

std::string EntryName(const LibraryKind& kind, std::string_view text) {
  return std::string(kind.name) + " " + kind.file + " 的 " + std::string(text);
}

// The number range of a single-level library, or why it cannot be used.
bool CheckPlainNumber(const LibraryKind& kind, const std::string& bytes, long n, std::string* why) {
  const display::LibraryBytes lib(bytes);
  std::int32_t count = 0;
  if (!lib.I32(0, count)) return (*why = "文件头不完整", false);
  std::uint16_t form = 0;
  if (kind.recordSize == 6 && std::string_view(kind.file) == "LINESTY.lib" && lib.U16(4, form) &&
      form == kTwoLevelForm)
    return (*why = "线型库是两级索引，条目须写作“组-号”", false);
  if (n < 1 || n >= count) return (*why = "编号不在 1 … " + std::to_string(count - 1) + " 之内", false);
  return true;
}

}  // namespace

const LibraryKind* FindLibraryKind(std::string_view name) {
  for (const LibraryKind& kind : kKinds)
    if (name == kind.name) return &kind;
  return nullptr;
}

std::vector<std::string> OfferedKinds(const KindFlags& flags) {
  const std::pair<bool, const char*> order[] = {
      {flags.colours, "颜色库"}, {flags.patterns, "图案库"}, {flags.lineTypes, "线型库"}, {flags.subgraphs, "子图库"}};
  std::vector<std::string> kinds;
  for (const auto& [on, name] : order)
    if (on) kinds.emplace_back(name);
  return kinds;
}

ComparisonFile ComparisonFile::Parse(std::string_view bytes) {
  ComparisonFile file;
  file.lines_ = TextFileLines(bytes);
  return file;
}

std::pair<std::string, std::string> ComparisonFile::Folders() const {
  return {lines_.size() > 0 ? WithoutFirstCharacter(lines_[0]) : std::string(),
          lines_.size() > 1 ? WithoutFirstCharacter(lines_[1]) : std::string()};
}

template <class Each>
void ComparisonFile::ForEachDataLine(std::string_view kind, Each each) const {
  const std::string section = "#" + std::string(kind);
  bool active = false;
  for (const std::string& line : lines_) {
    if (!line.empty() && line[0] == ';') continue;
    if (!line.empty() && line[0] == '#') {
      active = line == section;
      continue;
    }
    if (active) each(SplitAtCommas(line));
  }
}

std::vector<std::string> ComparisonFile::Keys(std::string_view kind) const {
  std::vector<std::string> keys;
  ForEachDataLine(kind, [&](const std::vector<std::string_view>& fields) { keys.emplace_back(fields[0]); });
  return keys;
}

std::vector<std::string> ComparisonFile::Targets(std::string_view kind, std::string_view key) const {
  std::vector<std::string> targets;
  ForEachDataLine(kind, [&](const std::vector<std::string_view>& fields) {
    if (fields[0] == key) targets.insert(targets.end(), fields.begin() + 1, fields.end());
  });
  return targets;
}

void DrawSymbolEntry(const display::SymbolEntry& entry, const PreviewAreas& areas) {
  ClearPreviewAreas(areas);
  PNT_INFO point;
  BasGetDefaultPointParam(&point, 1);
  LIN_INFO line = *BasGetDefaultLineParam(0);
  line.setStyle(1);
  line.setColour(1);
  line.setWidth(kPreviewWidth);
  REG_INFO region = *BasGetDefaultRegionParam(0);
  for (const display::SymbolElement& e : entry.elements) {
    for (const display::LibPart& part : e.parts) {
      const std::vector<D_DOT> points = [&] {
        std::vector<D_DOT> out;
        for (const display::LibPoint& p : part) out.push_back({p.x, p.y});
        return out;
      }();
      switch (e.kind) {
        case 0:
        case 1: {
          if (points.empty()) break;
          if (e.kind == 1) BasAppendLine(areas.lines, points, line);
          const int32_t arc = BasAppendLine(areas.regions, points, line);
          region.setFillColour(e.colourA != 0 ? e.colourA : kEmptyAreaFill);
          const int32_t arcs[] = {static_cast<int32_t>(points.size()) + 1, arc};
          if (arc > 0) BasAppendRegion(areas.regions, arcs, 2, region);
          break;
        }
        case 2:
          if (!points.empty()) BasAppendLine(areas.lines, points, line);
          break;
        case 3:
          if (points.size() < 3) break;
          point.setKind(3);
          point.setRadius(points[1].x);
          point.Set<float>(pnt::kArcStartAngle, static_cast<float>(points[1].y));
          point.Set<float>(pnt::kArcEndAngle, static_cast<float>(points[2].x));
          point.Set<float>(pnt::kArcPenWidth, kSymbolPenWidth);
          BasAppendPoint(areas.points, points[0], "", point);
          break;
        case 4:
        case 5:
        case 6:
          if (points.size() < 2) break;
          point.setKind(2);
          point.setRadius(points[1].x);
          point.Set<int32_t>(pnt::kCircleOutlineColour, e.kind == 6 ? 1 : e.colourB);
          point.Set<float>(pnt::kCirclePenWidth, kSymbolPenWidth);
          point.Set<uint8_t>(pnt::kCircleFilled, e.kind == 6 ? 0 : 1);
          if (e.kind != 6) point.setColour(e.colourA);
          BasAppendPoint(areas.points, points[0], "", point);
          break;
        default: break;
      }
    }
  }
}

EntryPreview PreviewLibraryEntry(const LibraryKind& kind, const std::string& folder, std::string_view text,
                                 const PreviewAreas& areas) {
  std::string bytes;
  if (!fileio::ReadWholeFile(paths::ResolveIn(folder, kind.file), bytes)) return {false, kLibraryBusyMessage};
  std::string why;
  const std::size_t dash = text.find('-');
  if (dash != std::string_view::npos) {
    const long g = num::ParseLong(text.substr(0, dash)), n = num::ParseLong(text.substr(dash + 1));
    ClearPreviewAreas(areas);
    std::int32_t count = 0;
    if (!display::LibraryBytes(bytes).I32(0, count) || g < 1 || g >= count)
      return {true, EntryName(kind, text) + " 无法读取：组号不在 1 … " + std::to_string(count - 1) + " 之内"};
    if (!display::ReadGroupedEntry(bytes, g, n, kind.recordSize, &why))
      return {true, EntryName(kind, text) + " 无法读取：" + why};
    return {};
  }
  const long n = num::ParseLong(text);
  std::optional<display::SymbolEntry> entry;
  if (CheckPlainNumber(kind, bytes, n, &why)) entry = display::ReadSymbolEntry(bytes, n, kind.recordSize, &why);
  if (!entry) {
    ClearPreviewAreas(areas);
    return {true, EntryName(kind, text) + " 无法读取：" + why};
  }
  DrawSymbolEntry(*entry, areas);
  return {};
}

}  // namespace zv::panels
