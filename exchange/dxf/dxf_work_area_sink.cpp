#include "exchange/dxf/dxf_work_area_sink.h"

#include <algorithm>
#include <limits>

#include "platform/data/attributes.h"
#include "platform/display/display_calls.h"

namespace zv::dxf {
namespace {

constexpr int16_t kNameLength = 50;
constexpr int16_t kElevationLength = 15;
constexpr int8_t kElevationDecimals = 6;
// The platform's white: colour 9 is the table's colour nearest to white. A
// line or text of DXF white (ACI 7 means white or black, whichever shows)
// would vanish on the white map, so it takes black (1); a hatch of black or
// white fills with white.
constexpr int32_t kWhite = 9;

CFIELD_HEAD Field(const char* name, uint8_t type, int16_t length, int8_t decimals) {
  CFIELD_HEAD field;
  field.name = name;
  field.type = type;
  field.length = length;
  field.decimals = decimals;
  field.editFlag = 1;
  return field;
}

int EntityTypeOfArea(WorkAreaHandle area) {
  const int type = BasGetWorkAreaType(area);
  return type == kRegionArea ? kRegionEntity : type == kPointArea ? kPointEntity : kLineEntity;
}

int16_t LayerField(int32_t number) {
  return static_cast<int16_t>(std::clamp<int32_t>(number, 0, std::numeric_limits<int16_t>::max()));
}

}  // namespace

void SetDxfAttributeStructure(WorkAreaHandle area) {
  CATT_STRU structure;
  structure.fields = {Field(kEntityNameField, kFieldString, kNameLength, 0),
                      Field(kLayerNameField, kFieldString, kNameLength, 0),
                      Field(kElevationField, kFieldDouble, kElevationLength, kElevationDecimals)};
  LayOutStructure(structure);
  BasSetAttributeStructure(area, EntityTypeOfArea(area), structure);
}

int32_t DisplayNearestColour(uint32_t rgb) {
  return display::DspRgbToColorIndex((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
}

int32_t DxfColourNumber(uint32_t rgb, const RgbToColourNumber& nearest) {
  const int32_t number = nearest(rgb & 0xFFFFFF);
  return number == kWhite ? 1 : number;
}

int32_t DxfRegionColourNumber(uint32_t rgb, const RgbToColourNumber& nearest) {
  const int32_t number = DxfColourNumber(rgb, nearest);
  return number == 1 ? kWhite : number == kWhite ? 1 : number;
}

DxfWorkAreaSink::DxfWorkAreaSink(DxfTargets targets, RgbToColourNumber nearest)
    : targets_(targets), nearest_(std::move(nearest)) {}

void DxfWorkAreaSink::BeginImport() {
  for (const WorkAreaHandle area : {targets_.point, targets_.region, targets_.line}) BasResetWorkArea(area);
  for (const WorkAreaHandle area : {targets_.line, targets_.point, targets_.region}) SetDxfAttributeStructure(area);
}

void DxfWorkAreaSink::AppendLine(std::span<const D_DOT> vertices, const DxfLineStyle& style,
                                 const DxfEntityAttributes& attributes) {
  // The current defaults are filled in place: what a writer does not set
  // stays as the previous one left it.
  LIN_INFO& info = *BasGetDefaultLineParam();
  info.setStyle(style.lineType);
  info.setColour(DxfColourNumber(style.rgb, nearest_));
  info.setWidth(style.penWidth);
  info.setLineKind(style.curveFlag);
  info.setLayer(LayerField(style.layerNumber));
  const int32_t id = BasAppendLine(targets_.line, vertices.data(), static_cast<int32_t>(vertices.size()), info);
  if (id > 0) WriteAttributes(targets_.line, kLineEntity, id, attributes);
}

void DxfWorkAreaSink::AppendPoint(const DxfPoint& point, const DxfEntityAttributes& attributes) {
  PNT_INFO& info = *BasGetDefaultPointParam(static_cast<int>(point.kind));
  info.setKind(static_cast<uint8_t>(point.kind));
  const int32_t colour = DxfColourNumber(point.rgb, nearest_);
  info.setColour(colour);
  info.setLayer(LayerField(point.layerNumber));
  switch (point.kind) {
    case DxfPointKind::Note:
    case DxfPointKind::TextBlock:
      info.setCharHeight(static_cast<float>(point.height));
      info.setCharWidth(static_cast<float>(point.width));
      info.setAngle(static_cast<float>(point.angle));
      if (point.setsSpacing) info.setCharSpacing(0);
      if (point.kind == DxfPointKind::TextBlock) {
        info.Set(pnt::kLineSpacing, static_cast<float>(point.lineSpacing));
        info.Set(pnt::kBoxWidth, static_cast<float>(point.frameWidth));
        info.Set(pnt::kBoxHeight, static_cast<float>(point.height));
      }
      break;
    case DxfPointKind::SubGraph:
      info.setSymbolNumber(point.subGraph);
      info.setSymbolHeight(static_cast<float>(point.height));
      info.setSymbolWidth(static_cast<float>(point.width));
      info.setAngle(static_cast<float>(point.angle));
      break;
    case DxfPointKind::Circle:
      info.setRadius(point.radius);
      info.Set(pnt::kCircleOutlineColour, colour);
      info.Set(pnt::kCirclePenWidth, point.penWidth);
      info.Set(pnt::kCircleFilled, static_cast<uint8_t>(1));
      break;
  }
  const int32_t id = BasAppendPoint(targets_.point, point.position, point.text, info);
  if (id > 0) WriteAttributes(targets_.point, kPointEntity, id, attributes);
}

void DxfWorkAreaSink::AppendRegion(std::span<const DxfRing> rings, const DxfRegionStyle& style,
                                   const DxfEntityAttributes& attributes) {
  std::vector<int32_t> arcs = {0};
  for (const DxfRing& ring : rings) {
    std::vector<int32_t> ids;
    for (const DxfRegionArc& arc : ring) {
      LIN_INFO& line = *BasGetDefaultLineParam();
      line.setLineKind(arc.curveFlag);
      const int32_t id = BasAppendLine(targets_.region, arc.vertices.data(), static_cast<int32_t>(arc.vertices.size()),
                                       line);
      if (id > 0) ids.push_back(id);
    }
    if (ids.empty()) continue;
    if (arcs.size() > 1) arcs.push_back(0);
    arcs.insert(arcs.end(), ids.begin(), ids.end());
  }
  if (arcs.size() < 2) return;
  REG_INFO& info = *BasGetDefaultRegionParam();
  info.setFillColour(DxfRegionColourNumber(style.rgb, nearest_));
  info.setLayer(LayerField(style.layerNumber));
  if (style.setsPattern) {
    info.setPattern(style.pattern);
    info.setPatternHeight(style.patternSize);
    info.setPatternWidth(style.patternSize);
  }
  const int32_t id = BasAppendRegion(targets_.region, arcs, info);
  if (id > 0) WriteAttributes(targets_.region, kRegionEntity, id, attributes);
}

void DxfWorkAreaSink::WriteAttributes(WorkAreaHandle area, int entityType, int32_t id,
                                      const DxfEntityAttributes& attributes) {
  AttributeRecord record;
  if (!BasReadAttribute(area, entityType, id, &record)) return;
  BasSetFieldByName(record, kEntityNameField, attributes.nameText);
  BasSetFieldByName(record, kLayerNameField, attributes.layerName);
  BasSetFieldByName(record, kElevationField, attributes.elevation);
  BasWriteAttribute(area, entityType, id, record);
}

}  // namespace zv::dxf
