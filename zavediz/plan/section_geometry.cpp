#include "zavediz/plan/section_geometry.h"

#include "platform/data/geometry.h"

namespace zv::zavediz {

ZavedizHeader HeaderFromTitleBlock(const TitleBlockValues& values, const TitleBlockRows& rows) {
  const auto& left = values.column1;
  const auto& right = values.column2;
  ZavedizHeader header;
  header.texts = {left[0].content,  left[1].content,  right[2].content, left[2].content, left[4].content,
                  left[5].content,  right[3].content, right[4].content, values.unit,     left[3].content,
                  right[1].content, values.title,     right[0].content};
  header.planScale = values.topographicScale;
  header.sectionScale = values.sectionScale;
  header.lowestElevation = values.lowestElevation;
  header.rows = rows.rows;
  return header;
}

bool HeaderScalesUsable(const ZavedizHeader& header) {
  return header.planScale >= 1 && header.sectionScale >= kMinSectionScale && header.sectionScale % 10 == 0;
}

void StoreZavedizHeader(SectionData& data, const ZavedizHeader& header) {
  std::string* const texts[13] = {&data.row1Left,  &data.row2Left,      &data.row3Right, &data.row3Left, &data.row5Left,
                                  &data.row6Left,  &data.row4Right,     &data.row5Right, &data.surveyingUnit,
                                  &data.row4Left,  &data.row2Right,     &data.title,     &data.row1Right};
  for (size_t i = 0; i < header.texts.size(); ++i) *texts[i] = header.texts[i];
  data.planScale = header.planScale;
  data.sectionScale = header.sectionScale;
  data.lowestElevation = header.lowestElevation;
  data.titleRows = header.rows;
  data.headerSet = true;
}

D_DOT GroundPoint(const D_DOT& plan, int32_t planScale) {
  return D_DOT{plan.x * planScale / 1000.0, plan.y * planScale / 1000.0};
}

void StoreZavedizGeometry(SectionData& data) {
  data.lineStored = true;
  data.lineName = "0线";
  data.length = BasPointDistance(data.groundStart, data.groundEnd);
  data.direction = BasLineDirection(data.groundStart, data.groundEnd);
  data.sectionStart = D_DOT{0.0, 0.0};
  data.sectionEnd = D_DOT{data.length * 1000.0 / data.sectionScale, 0.0};
}

double ZavedizDistanceOfPoint(const SectionData& data, double x, double y) {
  const D_DOT ground = GroundPoint(D_DOT{x, y}, data.planScale);
  return BasPointDistance(ground, data.groundStart) * 1000.0 / data.sectionScale + data.sectionStart.x;
}

}  // namespace zv::zavediz
