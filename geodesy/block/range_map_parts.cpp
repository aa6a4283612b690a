#include "geodesy/block/range_map_parts.h"

#include <cmath>

#include "framework/text/numbers.h"
#include "platform/projection/dms.h"

namespace zv::block::parts {

void Text(WorkAreaHandle points, double x, double y, const std::string& text, double size) {
  PNT_INFO* info = BasGetDefaultPointParam(0);
  info->setCharHeight(static_cast<float>(size));
  info->setCharWidth(static_cast<float>(size));
  BasAppendPoint(points, {x, y}, text, *info);
}

int32_t Line(WorkAreaHandle lines, const std::vector<D_DOT>& vertices, double width) {
  LIN_INFO info = *BasGetDefaultLineParam();
  info.setColour(1);
  info.setWidth(static_cast<float>(width));
  return BasAppendLine(lines, vertices, info);
}

void Rectangle(WorkAreaHandle lines, double x0, double y0, double x1, double y1, double width) {
  Line(lines, {{x0, y0}, {x1, y0}, {x1, y1}, {x0, y1}, {x0, y0}}, width);
}

std::string AngleLabel(double seconds, bool degrees, bool minutes) {
  const DmsParts p = ProjSplitDms(NormalizeDms(std::abs(ProjSecondsToDms(seconds))));
  std::string out;
  if (degrees) out += num::Format("%d°", p.degrees);
  if (minutes) out += num::Format("%d′", p.minutes);
  return out;
}

void BlockRings(const MapAreas& map, const std::vector<Ring>& rings, double scale, double x0, double y0,
                double textSize, const REG_INFO& fill) {
  std::vector<int32_t> arcs{0};
  for (const Ring& ring : rings) {
    std::vector<D_DOT> vertices;
    for (const Corner& c : ring) {
      const D_DOT at{scale * (c.lonSeconds - x0), scale * (c.latSeconds - y0)};
      vertices.push_back(at);
      Text(map.points, at.x, at.y, c.number, textSize);
    }
    if (vertices.size() > 1 && (vertices.front().x != vertices.back().x || vertices.front().y != vertices.back().y))
      vertices.push_back(vertices.front());
    const int32_t line = Line(map.lines, vertices, 0.2);
    std::vector<D_DOT> back;
    LIN_INFO info;
    if (line == 0 || !BasReadLine(map.lines, line, &back, &info)) continue;
    const int32_t arc = BasAppendLine(map.regions, back, info);
    if (arc == 0) continue;
    if (arcs.size() > 1) arcs.push_back(0);
    arcs.push_back(arc);
  }
  if (arcs.size() > 1) BasAppendRegion(map.regions, arcs, fill);
}

void Date3(WorkAreaHandle points, Date today, double x1, double x2, double x3, double y) {
  Text(points, x1, y, num::FormatInt(today.year));
  Text(points, x2, y, num::FormatInt(today.month));
  Text(points, x3, y, num::FormatInt(today.day));
}

void ApplicationTexts(WorkAreaHandle points) {
  Text(points, 195.71, 109.01, "申请登记的区块数及面积");
  Text(points, 192.88, 97.23, "基本单位区块数：            个", 4.0);
  Text(points, 192.88, 88.55, "1/ 4区块数：               个", 4.0);
  Text(points, 192.88, 80.17, "小区块数：                  个", 4.0);
  Text(points, 192.88, 71.71, "申请面积：            平方公里", 4.0);
  Text(points, 207.64, 36.56, "申  请  人");
  Text(points, 211.23, 29.16, "(盖章)");
  Text(points, 210.09, 19.5, "年     月     日");
}

}  // namespace zv::block::parts
