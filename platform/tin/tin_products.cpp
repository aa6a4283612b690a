#include "platform/tin/tin_products.h"

#include "platform/tin/tin_sources.h"

namespace zv::tin {

std::vector<int32_t> AppendContourLines(WorkAreaHandle lines, const std::vector<ContourLine>& contours,
                                        const LIN_INFO& info) {
  std::vector<int32_t> ids;
  CFIELD_HEAD field;
  field.name = kElevationField;
  field.type = kFieldDouble;
  field.length = 8;
  EnsureField(lines, kLineEntity, field);
  BasBeginBatch(lines);
  for (const ContourLine& contour : contours) {
    const int32_t id = BasAppendLine(lines, contour.points, info);
    if (id == 0) continue;
    ids.push_back(id);
    AttributeRecord record;
    if (BasReadAttribute(lines, kLineEntity, id, &record) && BasSetFieldByName(record, kElevationField, contour.level))
      BasWriteAttribute(lines, kLineEntity, id, record);
  }
  BasEndBatch(lines);
  return ids;
}

void AppendRingRegion(WorkAreaHandle regions, const std::vector<std::vector<D_DOT>>& rings, const LIN_INFO& arcInfo,
                      const REG_INFO& fill, AppendedRegions& appended) {
  std::vector<int32_t> list{0};
  for (const std::vector<D_DOT>& ring : rings) {
    if (ring.size() < 4) {
      if (list.size() == 1) return;  // no shell
      continue;
    }
    const int32_t arc = BasAppendLine(regions, ring, arcInfo);
    if (arc == 0) continue;
    appended.arcs.push_back(arc);
    if (list.size() > 1) list.push_back(0);
    list.push_back(arc);
  }
  if (list.size() < 2) return;
  if (const int32_t region = BasAppendRegion(regions, list, fill)) appended.regions.push_back(region);
}

AppendedRegions AppendBandRegions(WorkAreaHandle regions, const std::vector<BandFace>& faces, const LIN_INFO& arcInfo,
                                  const REG_INFO& fill, int colourCount) {
  AppendedRegions appended;
  BasBeginBatch(regions);
  for (const BandFace& face : faces) {
    REG_INFO info = fill;
    info.setFillColour(static_cast<int32_t>(BandColour(face.band, colourCount)));
    AppendRingRegion(regions, face.rings, arcInfo, info, appended);
  }
  BasEndBatch(regions);
  return appended;
}

}  // namespace zv::tin
