#include "zavediz/chart/chart_primitives.h"

#include <cmath>

#include "framework/text/encoding.h"
#include "platform/display/text_layout.h"
#include "zavediz/chart/chart_db.h"

namespace zv::chart {
namespace {

constexpr std::size_t kNoteBytes = 63;
constexpr std::size_t kSignatureBytes = 259;
constexpr std::size_t kParagraphBytes = 4999;

LIN_INFO LineInfo(int16_t style, int32_t colour, float width, int16_t layer) {
  LIN_INFO info;
  info.Set(lin::kStyle, style);
  info.Set(lin::kColour, colour);
  info.Set(lin::kWidth, width);
  info.Set(lin::kLayer, layer);
  return info;
}

}  // namespace

PNT_INFO ChartTextParams(float height, float width, float spacing, int16_t font, uint8_t style, int32_t colour,
                         int16_t layer) {
  PNT_INFO info;
  info.setKind(0);
  info.setCharHeight(height);
  info.setCharWidth(width);
  info.setCharSpacing(spacing);
  info.setChineseFont(font);
  info.Set(pnt::kArrangement, style);
  info.setColour(colour);
  info.setLayer(layer);
  return info;
}

float ChartWriter::MappedWidth(double width) const {
  if (std::fabs(width - 0.3) < 0.0001) return 0.3f;
  if (std::fabs(width - 1.0) < 0.0001) return outer_;
  return inner_;
}

int32_t ChartWriter::WriteChartTextParams(double x, double y, const std::string& text, const PNT_INFO& info) {
  return BasAppendPoint(areas_.point, D_DOT{x, y}, text, info);
}

int32_t ChartWriter::WriteChartText(double x, double y, const std::string& text, float height, float width,
                                    int32_t colour, int16_t font, float spacing, int16_t layer) {
  return BasAppendPoint(areas_.point, D_DOT{x, y}, CutBytes(text, kNoteBytes),
                        ChartTextParams(height, width, spacing, font, 0, colour, layer));
}

int32_t ChartWriter::WriteChartNote(double x, double y, const std::string& text, double height, double width,
                                    int32_t colour, int16_t layer, float spacing, uint8_t style, int16_t font) {
  return BasAppendPoint(areas_.point, D_DOT{x, y}, CutBytes(text, kNoteBytes),
                        ChartTextParams(static_cast<float>(height), static_cast<float>(width), spacing, font, style, colour,
                                 layer));
}

int32_t ChartWriter::WriteSignatureText(double x, double y, const std::string& text, float height, float width,
                                        float spacing, uint8_t style, int16_t font) {
  return BasAppendPoint(areas_.point, D_DOT{x, y}, CutBytes(text, kSignatureBytes),
                        ChartTextParams(height, width, spacing, font, style, 1, 0));
}

int32_t ChartWriter::WriteChartLine(double x1, double y1, double x2, double y2, int16_t style, int16_t colour,
                                    double width, int16_t layer) {
  const D_DOT v[2] = {{x1, y1}, {x2, y2}};
  return BasAppendLine(areas_.line, v, 2, LineInfo(style, colour, MappedWidth(width), layer));
}

int32_t ChartWriter::WriteChartPolyline(const D_DOT (&vertices)[4], int16_t style, int16_t colour, double width,
                                        int16_t layer) {
  return BasAppendLine(areas_.line, vertices, 4, LineInfo(style, colour, MappedWidth(width), layer));
}

int32_t ChartWriter::WriteChartCurve(const std::vector<D_DOT>& vertices, int16_t style, int32_t colour, float width) {
  return BasAppendLine(areas_.line, vertices, LineInfo(style, colour, width, 0));
}

int32_t ChartWriter::WriteChartCurveSegment(double x1, double y1, double x2, double y2, int16_t style,
                                            int16_t colour, int16_t layer) {
  if (lastCurveLine_ != 0) BasWriteLineParam(areas_.line, lastCurveLine_, LineInfo(style, colour, inner_, layer));
  const D_DOT v[2] = {{x1, y1}, {x2, y2}};
  lastCurveLine_ = BasAppendLine(areas_.line, v, 2, LineInfo(style, colour, outer_, layer));
  return lastCurveLine_;
}

int32_t ChartWriter::WriteChartStyledLine(double x1, double y1, double x2, double y2, int16_t style,
                                          int16_t colour, double width, int16_t layer, int16_t xCoefficient,
                                          int16_t yCoefficient) {
  LIN_INFO info = LineInfo(style, colour, static_cast<float>(width), layer);
  info.Set(lin::kXScale, static_cast<float>(xCoefficient));
  info.Set(lin::kYScale, static_cast<float>(yCoefficient));
  const D_DOT v[2] = {{x1, y1}, {x2, y2}};
  return BasAppendLine(areas_.line, v, 2, info);
}

int32_t ChartWriter::WriteChartSymbol(double x, double y, const std::string& text, float height, float width,
                                      int32_t subGraph, int16_t layer) {
  PNT_INFO info;
  info.setKind(1);
  info.setSymbolNumber(subGraph);
  info.setSymbolHeight(height);
  info.setSymbolWidth(width);
  info.setLayer(layer);
  return BasAppendPoint(areas_.point, D_DOT{x, y}, CutBytes(text, kNoteBytes), info);
}

int32_t ChartWriter::WriteChartParagraph(int blockWidth, double x, double y, const std::string& text, double size,
                                         double spacing, double lineGap, int16_t layer, int16_t font) {
  const std::string kept = CutBytes(text, kParagraphBytes);
  PNT_INFO info;
  info.setKind(5);
  info.setCharHeight(static_cast<float>(size));
  info.setCharWidth(static_cast<float>(size));
  info.setCharSpacing(static_cast<float>(spacing));
  info.setChineseFont(font);
  info.Set(pnt::kLineSpacing, static_cast<float>(lineGap));
  info.Set(pnt::kBoxWidth, static_cast<float>(blockWidth));
  // The box is as tall as the lines the display lays out, so the paragraph
  // is found and redrawn where it is drawn.
  display::TextStyle style;
  style.height = style.width = size;
  style.spacing = spacing;
  style.block = true;
  style.boxWidth = blockWidth;
  style.lineSpacing = lineGap;
  info.Set(pnt::kBoxHeight, static_cast<float>(display::LayoutText(kept, style).height));
  info.setColour(1);
  info.setLayer(layer);
  return BasAppendPoint(areas_.point, D_DOT{x, y}, kept, info);
}

int ChartWriter::WriteChartRegion(double x1, double y1, double x2, double y2, int16_t pattern, int16_t fillColour,
                                  int16_t layer, int16_t patternHeight) {
  const D_DOT v[5] = {{x1, y1}, {x2, y1}, {x2, y2}, {x1, y2}, {x1, y1}};
  const LIN_INFO outline = LineInfo(1, 1, 0.2f, 0);
  BasAppendLine(areas_.line, v, 5, outline);
  const int32_t arc = BasAppendLine(areas_.region, v, 5, outline);
  REG_INFO info;
  info.Set(reg::kFillColour, static_cast<int32_t>(fillColour));
  info.Set(reg::kPattern, pattern);
  info.Set(reg::kPatternHeight, static_cast<float>(patternHeight));
  info.Set(reg::kPatternWidth, 5.0f);
  info.Set(reg::kPatternColour, int32_t{1});
  info.Set(reg::kOverprint, uint8_t{1});
  info.Set(reg::kLayer, layer);
  const int32_t arcs[2] = {5, arc};
  const int32_t region = BasAppendRegion(areas_.region, arcs, 2, info);
  return BasWriteRegionParam(areas_.region, region, info);
}

}  // namespace zv::chart
