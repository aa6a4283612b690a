#pragma once
// The chart's drawing primitives: each appends one entity to the chart's
// line, point or region work area with the parameter fields it names set and
// every other field 0.
//  - Texts set the Chinese font only; their style byte is the arrangement
//    (0 horizontal, 1 vertical). One-line texts and symbols keep 63 bytes,
//    paragraphs 4999 (GBK bytes, cut at a character boundary).
//  - Line widths asked of WriteChartLine and WriteChartPolyline map 0.3 to
//    0.3, 1.0 to the outer width and anything else to the inner width
//    (0.5 and 0.1 unless SetLineWidths gives the [ZK] "outw" and "inw").
//  - WriteChartCurveSegment thins the segment it appended before to the inner
//    width, so of a chain only the newest segment is outer wide; ResetCurve
//    starts a new chain.
//  - WriteChartTextParams appends a text with the caller's whole record and
//    the whole text; ChartTextParams builds the record the text writers use.
//  - WriteSignatureText is WriteChartNote in colour 1 on layer 0 for texts of
//    up to 259 bytes.
//  - WriteChartCurve appends a polyline as it is given: the width is stored
//    unmapped, every field but style, colour and width 0.
//  - WriteChartRegion appends the box's outline to the line area and to the
//    region area and the region over that outline.

#include <cstdint>
#include <string>
#include <vector>

#include "platform/data/work_area.h"
#include "zavediz/project_files/area_project.h"

namespace zv::chart {

using ChartAreas = zavediz::DrawingAreas;

class ChartWriter {
 public:
  explicit ChartWriter(ChartAreas areas) : areas_(areas) {}

  const ChartAreas& areas() const { return areas_; }

  int32_t WriteChartText(double x, double y, const std::string& text, float height, float width, int32_t colour,
                         int16_t font, float spacing, int16_t layer);
  int32_t WriteChartNote(double x, double y, const std::string& text, double height, double width, int32_t colour,
                         int16_t layer, float spacing, uint8_t style, int16_t font);
  int32_t WriteSignatureText(double x, double y, const std::string& text, float height, float width, float spacing,
                             uint8_t style, int16_t font);
  int32_t WriteChartLine(double x1, double y1, double x2, double y2, int16_t style, int16_t colour, double width,
                         int16_t layer);
  int32_t WriteChartPolyline(const D_DOT (&vertices)[4], int16_t style, int16_t colour, double width, int16_t layer);
  int32_t WriteChartCurve(const std::vector<D_DOT>& vertices, int16_t style, int32_t colour, float width);
  int32_t WriteChartCurveSegment(double x1, double y1, double x2, double y2, int16_t style, int16_t colour,
                                 int16_t layer);
  int32_t WriteChartStyledLine(double x1, double y1, double x2, double y2, int16_t style, int16_t colour,
                               double width, int16_t layer, int16_t xCoefficient, int16_t yCoefficient);
  int32_t WriteChartSymbol(double x, double y, const std::string& text, float height, float width, int32_t subGraph,
                           int16_t layer);
  int32_t WriteChartParagraph(int blockWidth, double x, double y, const std::string& text, double size,
                              double spacing, double lineGap, int16_t layer, int16_t font);
  int WriteChartRegion(double x1, double y1, double x2, double y2, int16_t pattern, int16_t fillColour,
                       int16_t layer, int16_t patternHeight);

  int32_t WriteChartTextParams(double x, double y, const std::string& text, const PNT_INFO& info);

  void ResetCurve() { lastCurveLine_ = 0; }
  int32_t lastCurveLine() const { return lastCurveLine_; }

  void SetLineWidths(float inner, float outer) {
    inner_ = inner;
    outer_ = outer;
  }
  // The stored width of a requested one.
  float MappedWidth(double width) const;

 private:
  ChartAreas areas_;
  int32_t lastCurveLine_ = 0;
  float inner_ = 0.1f;
  float outer_ = 0.5f;
};

PNT_INFO ChartTextParams(float height, float width, float spacing, int16_t font, uint8_t style, int32_t colour,
                         int16_t layer);

}  // namespace zv::chart
