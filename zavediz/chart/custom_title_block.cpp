#include "zavediz/chart/custom_title_block.h"

#include <vector>

#include "platform/display/text_measure.h"
#include "zavediz/chart/custom_chart_utils.h"
#include "zavediz/chart/signature_block.h"
#include "zavediz/draw/text_fit.h"

namespace zv::chart {
namespace {

constexpr double kWideChart = 370.0;
constexpr std::size_t kFewSurveyRows = 15;
constexpr float kContentSize = 3.5f;

bool KindIn(const TitleRow& row, const char* kinds) {
  return !row.kind.empty() && std::string(kinds).find(row.kind[0]) != std::string::npos;
}

zavediz::TitleBlockPreset PresetOf(const ChartRow& v, const std::string& scale) {
  zavediz::TitleBlockPreset preset;
  preset.unit = v[0];
  preset.title = v[1];
  for (int i = 0; i < 6; ++i) preset.column1[i] = v[2 + i];
  preset.column2 = {v[8], scale, v[9], v[10], v[11]};
  return preset;
}

}  // namespace

double TitleBlockBase(double width, double depth, std::size_t surveyRows) {
  return width > kWideChart && surveyRows < kFewSurveyRows ? -depth + 1.0 : -depth - 17.0;
}

void DrawChartTitleBlock(CustomChartContext& chart, const AskTitleBlock& ask) {
  CustomChartLayout& layout = chart.layout;
  const HoleRef& hole = chart.hole;
  ChartDb db(hole.dataSource);
  const std::string scale = SignatureScaleText(hole.scaleFactor);
  ChartRow values(12);
  for (const ChartRow& row :
       db.Query("zkinfok", sql::kZkinfokSignature, {hole.mine, hole.hole},
                {{20, 39}, {21, 99}, {22, 7}, {23, 7}, {24, 7}, {25, 7}, {26, 7}, {27, 7}, {28, 11}, {30, 14},
                 {31, 2}, {32, 2}}))
    values = row;
  const std::size_t surveyRows = std::max(db.Count("drilmeas", sql::kDrilmeas, {hole.mine, hole.hole}),
                                          db.Count("drilmeam", sql::kDrilmeamTitle, {hole.mine, hole.hole}));
  const double Y = TitleBlockBase(layout.chartWidth, layout.chartDepth, surveyRows);

  if (ask) {
    std::array<TitleRow, kTitleRowCount> rows;
    if (ask(PresetOf(values, scale), rows)) layout.titleRows = rows;
  }

  // A copy: the block's fitting must not change the user's default texts.
  PNT_INFO p;
  BasGetDefaultPointParam(&p, 0);
  const double X = layout.chartWidth;
  const double yT = Y - 81.0;
  double H = 0;
  for (const TitleRow& row : layout.titleRows)
    if (KindIn(row, "01")) H += row.contentHeight;
  const double W = layout.titleRows[0].contentWidth;
  ChartWriter& w = chart.writer;
  AddChartPolylineStyled(w, {{X, yT}, {X, yT + H}, {X - W, yT + H}, {X - W, yT}, {X, yT}}, 1, 1, 0.2f);
  for (const TitleRow& row : layout.titleRows) {
    if (!KindIn(row, "012")) continue;
    const double capLeft = X + row.captionRight - row.captionWidth, capBottom = yT + row.captionBottom;
    AddChartPolylineStyled(w,
                           {{capLeft, capBottom}, {X + row.captionRight, capBottom},
                            {X + row.captionRight, capBottom + row.captionHeight}},
                           1, 1, 0.1f);
    const double conLeft = X + row.contentRight - row.contentWidth, conBottom = yT + row.contentBottom;
    AddChartPolylineStyled(w,
                           {{conLeft, conBottom}, {X + row.contentRight, conBottom},
                            {X + row.contentRight, conBottom + row.contentHeight}},
                           1, 1, 0.1f);

    zavediz::FitMeasuredText(p, row.caption, row.captionWidth - row.margin, false);
    p.setChineseFont(row.font);
    w.WriteChartTextParams(capLeft + row.margin * 0.5, capBottom + row.captionHeight * 0.5 - 1.75, row.caption, p);

    p.setCharHeight(kContentSize);
    p.setCharWidth(kContentSize);
    double x = conLeft + row.margin;
    zavediz::FitMeasuredText(p, row.content, row.contentWidth - 2 * row.margin, false);
    if (row.centred) {
      p.setCharSpacing(0.0f);
      x = X + row.contentRight - row.contentWidth * 0.5 - display::DspTextWidthUnits(row.content, 1, 0) * 3.5 * 0.5;
    }
    p.setChineseFont(row.font);
    w.WriteChartTextParams(x, conBottom + row.contentHeight * 0.5 - 1.75, row.content, p);
  }
}

}  // namespace zv::chart
