#include "zavediz/draw/sheet_passes.h"

#include <cmath>

#include "framework/text/numbers.h"
#include "platform/display/text_measure.h"
#include "zavediz/draw/text_fit.h"

namespace zv::zavediz {
namespace {

constexpr float kThin = 0.1f;
constexpr float kBorder = 0.2f;

bool RowInUse(const TitleRow& row) { return row.kind == "0" || row.kind == "1" || row.kind == "2"; }

// The first (or, from the end, the last) record with an elevation; the
// last record read when none has one.
ProfilePoint EndWithElevation(const CPointRecList& terrain, bool fromStart) {
  const int32_t count = terrain.GetCount();
  ProfilePoint p;
  for (int32_t k = 0; k < count; ++k) {
    p = ProfileAt(terrain, fromStart ? k + 1 : count - k);
    if (std::fabs(p.y) >= 0.001) break;
  }
  return p;
}

std::vector<D_DOT> Box(double x0, double y0, double x1, double y1) {
  return {{x0, y0}, {x1, y0}, {x1, y1}, {x0, y1}, {x0, y0}};
}

void DrawEndLabels(ZavedizSheet& sheet, const D_DOT& at, double elevation, const D_DOT& ground, bool rightEnd) {
  ZavedizWriter& out = sheet.out;
  out.AppendZavedizNote(at, FormatAzimuth(sheet.data.direction, rightEnd), 4, 4, 1, 0, 1);
  const std::string lines[] = {"X = " + num::Format("%.2f", ground.y), "Y = " + num::Format("%.2f", ground.x),
                               "H = " + num::Format("%.2f", elevation * sheet.data.sectionScale * 0.001)};
  const double drops[] = {5, 8, 11};
  for (int i = 0; i < 3; ++i) out.AppendZavedizNote(D_DOT{at.x, at.y - drops[i]}, lines[i], 3, 3, 0, 0, 1);
}

}  // namespace

void DrawZavedizEnds(ZavedizSheet& sheet) {
  const ProfilePoint first = EndWithElevation(sheet.data.terrain, true);
  const ProfilePoint last = EndWithElevation(sheet.data.terrain, false);
  const double base = sheet.BaseLevel();
  const double endBase = sheet.end.y + sheet.h + 20.0;
  ZavedizWriter& out = sheet.out;
  out.AppendZavedizLine(D_DOT{first.x, first.y}, D_DOT{first.x, base}, 1, 1, kBorder);
  sheet.start.x = first.x;
  out.AppendZavedizLine(D_DOT{last.x, last.y}, D_DOT{last.x, endBase}, 1, 1, kBorder);
  sheet.end.x = last.x;
  out.AppendZavedizLine(D_DOT{first.x, base}, D_DOT{last.x, endBase}, 1, 1, kBorder);
}

void DrawPlanStripOutline(ZavedizSheet& sheet) {
  const D_DOT s = sheet.start, e = sheet.end;
  const double h = sheet.h;
  const D_DOT lines[][2] = {
      {{s.x - 10, s.y + h}, {e.x, e.y + h}},      {{s.x - 10, s.y - h}, {e.x, e.y - h}},
      {{s.x - 10, s.y + h}, {s.x - 10, s.y - h}}, {{s.x, s.y + h}, {s.x, s.y - h}},
      {{e.x, e.y + h}, {e.x, e.y - h}},
  };
  for (const auto& line : lines) sheet.out.AppendZavedizLine(line[0], line[1], 1, 1, kBorder);
}

void DrawPlanStripBorders(ZavedizSheet& sheet) {
  DrawPlanStripOutline(sheet);
  sheet.out.AppendZavedizLine(sheet.start, sheet.end, 1, 1, kBorder);
}

void DrawZavedizFrame(ZavedizSheet& sheet) {
  const double top = TerrainTop(sheet.data.terrain);
  const double w = sheet.data.titleRows[0].contentWidth;
  const struct {
    double margin, right;
    float width;
  } frames[] = {{30, 10, 0.1f}, {31, 11, 0.5f}};
  for (const auto& f : frames) {
    sheet.lineParams.setWidth(f.width);
    const std::vector<D_DOT> vertices = {{sheet.start.x - f.margin, sheet.start.y - f.margin - sheet.h + sheet.d},
                                         {sheet.end.x + w + f.right, sheet.end.y - f.margin - sheet.h + sheet.d},
                                         {sheet.end.x + w + f.right, top + f.margin},
                                         {sheet.start.x - f.margin, top + f.margin},
                                         {sheet.start.x - f.margin, sheet.start.y - f.margin - sheet.h + sheet.d}};
    BasAppendLine(sheet.out.areas().line, vertices, sheet.lineParams);
  }
}

void DrawTitleBlock(ZavedizSheet& sheet) {
  const auto& rows = sheet.data.titleRows;
  const double w = rows[0].contentWidth;
  const double x0 = sheet.end.x + w + 10;
  const double y0 = sheet.end.y - 30 - sheet.h + sheet.d;
  double height = 0.0;
  for (const TitleRow& row : rows) {
    if (row.kind == "0" || row.kind == "1") height += row.contentHeight;
  }
  ZavedizWriter& out = sheet.out;
  out.AppendZavedizPolyline({{x0, y0}, {x0, y0 + height}, {x0 - w, y0 + height}, {x0 - w, y0}, {x0, y0}}, 1, 1,
                            kBorder);
  PNT_INFO& params = sheet.textParams;
  for (const TitleRow& row : rows) {
    if (!RowInUse(row)) continue;
    const double c1x = x0 + row.captionRight, c1y = y0 + row.captionBottom;
    const double c2x = x0 + row.contentRight, c2y = y0 + row.contentBottom;
    out.AppendZavedizPolyline({{c1x - row.captionWidth, c1y}, {c1x, c1y}, {c1x, c1y + row.captionHeight}}, 1, 1,
                              kThin);
    out.AppendZavedizPolyline({{c2x - row.contentWidth, c2y}, {c2x, c2y}, {c2x, c2y + row.contentHeight}}, 1, 1,
                              kThin);

    FitMeasuredText(params, row.caption, row.captionWidth - row.margin, false);
    params.setChineseFont(row.font);
    out.AppendFittedNote(D_DOT{c1x - row.captionWidth + row.margin / 2, c1y + row.captionHeight / 2 - 1.75},
                         row.caption, params);

    params.setCharHeight(3.5f);
    params.setCharWidth(3.5f);
    D_DOT at{c2x - row.contentWidth + row.margin, c2y + row.contentHeight / 2 - 1.75};
    FitMeasuredText(params, row.content, row.contentWidth - 2 * row.margin, false);
    params.setChineseFont(row.font);
    if (row.centred) {
      params.setCharSpacing(0.0f);
      at.x = c2x - row.contentWidth / 2 - display::DspTextLength(row.content, 1, 0) * 3.5 / 2;
    }
    out.AppendFittedNote(at, row.content, params);
  }
}

void DrawZavedizLegend(ZavedizSheet& sheet) {
  const double top = TerrainExtreme(sheet.data.terrain, 1);
  const double x = sheet.end.x + 15;
  sheet.out.AppendZavedizNote(D_DOT{sheet.end.x + 30, top - 30}, "图例", 10, 10, 15, 0, 1);
  const double stop = sheet.data.bottomLeft.y + 42 + (sheet.VerticalProjection() ? 34 : 0);
  for (int k = 0; k < 225; k += 15) {
    const double y = top - 40 - k;
    if (y < stop) break;
    sheet.out.AppendZavedizPolyline(Box(x, y, x + 12, y - 8), 1, 1, kBorder);
  }
}

double TitleSize(double w) {
  double size = 15;
  if (w < 75) size = 10;
  if (w > 150) size = 20;
  if (w > 300) size = 30;
  return size;
}

void DrawPlanStrip(ZavedizSheet& sheet) {
  const CPointRecList& terrain = sheet.data.terrain;
  if (terrain.IsEmpty()) return;
  const double xs = sheet.start.x, xe = sheet.end.x, ys = sheet.start.y;
  const double band = (xe + 130 - xs) * 0.15;
  const double size = TitleSize(band);
  const double top = TerrainTop(terrain);
  ZavedizWriter& out = sheet.out;

  PNT_INFO& params = sheet.textParams;
  params.setCharHeight(static_cast<float>(size));
  params.setCharWidth(static_cast<float>(size));
  params.setChineseFont(3);
  const std::string& title = sheet.data.title;
  FitMeasuredText(params, title, (xe + 100 - band) - (band + xs - 30), false);
  out.AppendFittedNote(D_DOT{band + xs - 30, top + 34 + 0.66 * size + 7}, title, params);

  const float scaleSize = static_cast<float>(0.66 * size);
  out.AppendZavedizNote(D_DOT{(xe + xs) / 2 - 10, top + 34}, "1:" + num::FormatInt(sheet.data.sectionScale),
                        scaleSize, scaleSize, 5, 0, 1);

  if (!sheet.VerticalProjection()) {
    float captionSize = 5.0f;
    const double spacing = FitCaptionSpacing(3, captionSize, ys - 13, ys + 13);
    out.AppendZavedizNote(D_DOT{xs - 10 + 2.5, ys + 13}, "平面图", captionSize, captionSize,
                          static_cast<float>(spacing), 1, 1);
  }

  const ProfilePoint first = ProfileAt(terrain, 1);
  const ProfilePoint last = ProfileAt(terrain, terrain.GetCount());
  DrawEndLabels(sheet, D_DOT{xs, first.y + 20}, first.y, sheet.data.groundStart, false);
  DrawEndLabels(sheet, D_DOT{xe - 25, last.y + 20}, last.y, sheet.data.groundEnd, true);
}

void DrawElevationLabels(ZavedizSheet& sheet, bool left) {
  const CPointRecList& terrain = sheet.data.terrain;
  const ProfilePoint p = ProfileAt(terrain, left ? 1 : terrain.GetCount());
  const int32_t scale = sheet.data.sectionScale;
  const int32_t step = scale / 10;
  int64_t value = step * static_cast<int64_t>(std::trunc(p.y * 0.01));
  double y = 0.0;
  do {
    const std::string text = num::FormatInt(static_cast<long>(value));
    const double x = left ? sheet.start.x - text.size() * 1.5 - 1 : sheet.end.x + 1;
    y = value * 1000.0 / scale - 1.5;
    sheet.out.AppendZavedizNote(D_DOT{x, y}, text, 3, 3, 0, 0, 1);
    value -= step;
  } while (y + 1.5 > sheet.BaseLevel());
}

}  // namespace zv::zavediz
