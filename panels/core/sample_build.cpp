#include "panels/core/sample_build.h"

#include "platform/editors/nearest.h"

namespace zv::panels {
namespace {

void Empty(WorkAreaHandle area) {
  BasClearWorkArea(area, 0);
  BasResetWorkArea(area);
}

// Calls place(column, top) for each sample that goes into the rows built;
// the number of samples placed.
template <class Place>
int ForEachCell(const GridSpec& spec, const GridGeometry& grid, bool allRows, std::size_t count, Place place) {
  const int rows = allRows ? grid.rows : grid.visible;
  int built = 0;
  for (std::size_t i = 0; i < count; ++i) {
    const CellPlace cell = PlaceOf(grid, static_cast<int>(i));
    if (cell.row >= rows) break;
    place(i, cell.column, RowTop(spec, grid, cell.row));
    ++built;
  }
  return built;
}

// The default line type is 0 for as long as the guard lives.
class PlainOutlines {
 public:
  PlainOutlines() : saved_(BasGetDefaultLineParam(0)->style()) { BasGetDefaultLineParam(0)->setStyle(0); }
  ~PlainOutlines() { BasGetDefaultLineParam(0)->setStyle(saved_); }
  PlainOutlines(const PlainOutlines&) = delete;
  PlainOutlines& operator=(const PlainOutlines&) = delete;

 private:
  int16_t saved_;
};

template <std::size_t N>
void AppendOutlinedRegion(WorkAreaHandle area, const std::array<D_DOT, N>& outline, const REG_INFO& info) {
  const int32_t arc = BasAppendLine(area, outline.data(), static_cast<int32_t>(N), *BasGetDefaultLineParam(0));
  const int32_t arcs[] = {6, arc};
  if (arc > 0) BasAppendRegion(area, arcs, 2, info);
}

}  // namespace

int BuildLineSamples(WorkAreaHandle area, const GridGeometry& grid, bool allRows, std::span<const LineStyleNo> styles) {
  Empty(area);
  LIN_INFO info;
  info.setColour(13);
  info.setWidth(0.2f);
  info.setXScale(40.0f);
  info.setYScale(40.0f);
  BasBeginBatch(area);
  const int built = ForEachCell(kSymbolGrid, grid, allRows, styles.size(), [&](std::size_t i, int c, double top) {
    info.setStyle(static_cast<int16_t>(styles[i].type));
    info.setAuxStyle(static_cast<uint8_t>(styles[i].subStyle));
    const auto ends = LineSampleAt(c, top);
    BasAppendLine(area, ends.data(), 2, info);
  });
  BasEndBatch(area);
  return built;
}

int BuildPatternSamples(WorkAreaHandle area, const GridGeometry& grid, bool allRows, std::span<const int32_t> patterns) {
  Empty(area);
  const PlainOutlines plain;
  REG_INFO info;
  info.setFillColour(9);
  info.setPatternHeight(40.0f);
  info.setPatternWidth(40.0f);
  info.setPatternColour(13);
  info.Set<uint8_t>(reg::kOverprint, 1);
  BasBeginBatch(area);
  const int built = ForEachCell(kSymbolGrid, grid, allRows, patterns.size(), [&](std::size_t i, int c, double top) {
    info.setPattern(static_cast<int16_t>(patterns[i]));
    AppendOutlinedRegion(area, PatternOutlineAt(c, top), info);
  });
  BasEndBatch(area);
  return built;
}

int BuildSubgraphSamples(WorkAreaHandle area, const GridGeometry& grid, bool allRows, std::span<const int32_t> numbers) {
  Empty(area);
  PNT_INFO info;
  info.setKind(1);
  info.setSymbolHeight(20.0f);
  info.setSymbolWidth(20.0f);
  info.setColour(13);
  BasBeginBatch(area);
  const int built = ForEachCell(kSymbolGrid, grid, allRows, numbers.size(), [&](std::size_t i, int c, double top) {
    info.setSymbolNumber(numbers[i]);
    BasAppendPoint(area, SubgraphSampleAt(c, top), "", info);
  });
  BasEndBatch(area);
  return built;
}

int BuildColourSwatches(WorkAreaHandle area, const GridGeometry& grid, bool allRows, std::span<const int32_t> colours) {
  Empty(area);
  const PlainOutlines plain;
  REG_INFO info;
  BasBeginBatch(area);
  const int built = ForEachCell(kColourGrid, grid, allRows, colours.size(), [&](std::size_t i, int c, double top) {
    info.setFillColour(colours[i]);
    AppendOutlinedRegion(area, SwatchOutlineAt(c, top), info);
  });
  BasEndBatch(area);
  return built;
}

std::optional<SampleValue> SampleAt(int mode, WorkAreaHandle area, const D_DOT& p, double reach) {
  switch (mode) {
    case 2: {
      const NearestHit hit = NearestPoint(area, p);
      PNT_INFO info;
      if (hit.id <= 0 || !(hit.distance < reach) || !BasReadPointParam(area, hit.id, &info)) return std::nullopt;
      return SampleValue{info.symbolNumber(), {}};
    }
    case 3: {
      const NearestHit hit = NearestLine(area, p);
      LIN_INFO info;
      if (hit.id <= 0 || !(hit.distance < reach) || !BasReadLineParam(area, hit.id, &info)) return std::nullopt;
      return SampleValue{0, FormatLineStyle(info.style(), info.auxStyle())};
    }
    case 4:
    case 6: {
      const int32_t id = RegionContaining(area, p);
      REG_INFO info;
      if (id <= 0 || !BasReadRegionParam(area, id, &info)) return std::nullopt;
      return SampleValue{mode == 4 ? info.pattern() : info.fillColour(), {}};
    }
    default: return std::nullopt;
  }
}

}  // namespace zv::panels
