#include "zavediz/draw/zavediz_writer.h"

#include "framework/text/encoding.h"

namespace zv::zavediz {

LIN_INFO LineParams(const LineLook& look) {
  LIN_INFO info{};
  info.setStyle(look.style);
  info.setColour(look.colour);
  info.setWidth(look.width);
  info.setLineKind(look.curve);
  info.setXScale(look.xScale);
  info.setYScale(look.yScale);
  return info;
}

PNT_INFO NoteParams(float height, float width, float spacing, uint8_t arrangement, int16_t font) {
  PNT_INFO info{};
  info.setKind(0);
  info.setCharHeight(height);
  info.setCharWidth(width);
  info.setCharSpacing(spacing);
  info.setChineseFont(font);
  info.Set(pnt::kArrangement, arrangement);
  info.setColour(1);
  return info;
}

int32_t ZavedizWriter::AppendZavedizLine(const D_DOT& a, const D_DOT& b, int16_t style, int32_t colour,
                                         float width) {
  return AppendZavedizPolyline({a, b}, style, colour, width);
}

int32_t ZavedizWriter::AppendZavedizPolyline(const std::vector<D_DOT>& vertices, int16_t style, int32_t colour,
                                             float width) {
  return AppendLookLine(vertices, LineLook{style, colour, width});
}

int32_t ZavedizWriter::AppendLookLine(const std::vector<D_DOT>& vertices, const LineLook& look) {
  return BasAppendLine(areas_.line, vertices, LineParams(look));
}

int32_t ZavedizWriter::AppendArc(const std::vector<D_DOT>& vertices, const LineLook& look) {
  return BasAppendLine(areas_.region, vertices, LineParams(look));
}

int32_t ZavedizWriter::AppendZavedizNote(const D_DOT& at, const std::string& text, float height, float width,
                                         float spacing, uint8_t arrangement, int16_t font) {
  return BasAppendPoint(areas_.point, at, text, NoteParams(height, width, spacing, arrangement, font));
}

int32_t ZavedizWriter::AppendZavedizSubGraph(const D_DOT& at, const std::string& text, float height, float width,
                                             int32_t number) {
  PNT_INFO info{};
  info.setKind(1);
  info.setSymbolNumber(number);
  info.setSymbolHeight(height);
  info.setSymbolWidth(width);
  info.setColour(1);
  return BasAppendPoint(areas_.point, at, text, info);
}

int32_t ZavedizWriter::AppendFittedNote(const D_DOT& at, const std::string& text, PNT_INFO params) {
  if (text::GbkLength(text) == 1) params.setCharSpacing(0.0f);
  return BasAppendPoint(areas_.point, at, text, params);
}

int32_t ZavedizWriter::AppendStationMarker(const D_DOT& at) {
  PNT_INFO info{};
  info.setKind(2);
  info.setRadius(0.2);
  info.setColour(1);
  return BasAppendPoint(areas_.point, at, std::string(), info);
}

int32_t ZavedizWriter::AppendRegion(const std::vector<int32_t>& arcs, int32_t fillColour) {
  REG_INFO info{};
  info.setFillColour(fillColour);
  return BasAppendRegion(areas_.region, arcs, info);
}

}  // namespace zv::zavediz
