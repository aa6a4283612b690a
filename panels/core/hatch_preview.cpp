#include "panels/core/hatch_preview.h"

#include "framework/fileio/file_io.h"

namespace zv::panels {
namespace {

constexpr float kPreviewLineWidth = 0.05f;
constexpr float kPreviewLineFactor = 10.0f;

LIN_INFO PreviewLine(int colour) {
  LIN_INFO info{};
  info.setStyle(1);
  info.setColour(colour);
  info.setWidth(kPreviewLineWidth);
  info.setXScale(kPreviewLineFactor);
  info.setYScale(kPreviewLineFactor);
  return info;
}

HatchOutcome Families(const PreviewRequest& request, const LIN_INFO& info, HatchSink& sink) {
  std::string bytes, error;
  if (!fileio::ReadWholeFile(request.file, bytes, &error)) return {{error}, false};
  std::vector<HatchFamily> families;
  for (const std::string& line : PatternFamilyLines(TextFileLines(bytes), request.header))
    families.push_back(ParseHatchFamily(line, request.scaleY));
  return HatchFamilies(families, SampleOutline(), request.angle, info, sink);
}

HatchOutcome Cells(const PreviewRequest& request, const LIN_INFO& info, HatchSink& sink) {
  std::string error;
  const auto library = PatternLibraryFile::Load(request.file, &error);
  if (!library) return {{error}, false};
  const auto entry = library->EntryAt(request.position, &error);
  if (!entry) return {{error}, false};
  return HatchCells(*entry, SampleOutline(), request.angle, request.scaleX, request.scaleY, info,
                    request.patternColor, sink);
}

}  // namespace

const std::vector<D_DOT>& SampleOutline() {
  static const std::vector<D_DOT> outline{{-6, 4}, {6, 4}, {6, -4}, {-6, -4}, {-6, 4}};
  return outline;
}

HatchOutcome PreviewHatchPattern(const PreviewRequest& request, const PreviewAreas& areas) {
  ClearPreviewAreas(areas);
  if (request.file.empty()) return {};
  const LIN_INFO info = PreviewLine(request.patternColor);
  REG_INFO region{};
  region.setFillColour(request.fillColor);
  region.Set<uint8_t>(reg::kOverprint, 1);
  WorkAreaHatchSink sink(areas.points, areas.lines, areas.regions);
  sink.Region(SampleOutline(), info, region);
  return request.source == PatternSource::kHatchFile ? Families(request, info, sink) : Cells(request, info, sink);
}

}  // namespace zv::panels
