#include "zavediz/chart/description_column.h"

#include <cmath>
#include <vector>

#include "platform/display/text_measure.h"

namespace zv::chart {
namespace {

constexpr double kOuter = 1.0;
constexpr double kInner = 0.2;
constexpr int16_t kLayer = 2;
constexpr float kSizeStep = 0.05f;

struct DescriptionEntry {
  std::string label;
  std::string description;
  double yTop = 0;
  double yBot = 0;
  double H = 0;
};

std::string LeftTrimmed(const std::string& text) {
  const std::size_t first = text.find_first_not_of(' ');
  return first == std::string::npos ? std::string() : text.substr(first);
}

class DescriptionColumn {
 public:
  DescriptionColumn(ChartContext& c, std::size_t labelBytes) : c_(c), s_(c.state) {
    x0_ = s_.L(7);
    x1_ = s_.R(7);
    W_ = s_.Wd(7) - 8;
    h_ = s_.S(4);
    g_ = NumOf(s_.params[4].fields[6]);
    gap_ = NumOf(s_.params[4].fields[7]);
    paragraphFont_ = static_cast<int16_t>(IntOf(s_.params[4].fields[3]));
    labelFont_ = static_cast<int16_t>(IntOf(s_.params[0].fields[3]));
    ChartDb db(c.hole.dataSource);
    const auto rows = db.Query("drilgeo2", sql::kDrilgeo2, {c.hole.mine, c.hole.hole},
                               {{3, 40}, {6, 4}, {7}, {9, 7}, {10, 7}, {24, 7}, {25, 7}});
    const bool numbered = s_.Option(0) == 1;
    for (const ChartRow& row : rows) {
      DescriptionEntry& e = entries_.emplace_back();
      e.label = CutBytes(numbered ? row[1] + "、" + row[0] : row[0], labelBytes);
      e.description = CutBytes(LeftTrimmed(row[2]), 999);
      const int at = s_.CorrectedDepths() ? 5 : 3;
      e.yTop = c.hole.Y(NumOf(row[at]));
      e.yBot = c.hole.Y(NumOf(row[at + 1]));
      const double R = display::DspTextLength(e.description, static_cast<uint32_t>(paragraphFont_), 0);
      const int16_t n = static_cast<int16_t>(static_cast<int>(std::trunc(((h_ + g_) * R - g_) / W_)) + 2);
      e.H = n * (h_ + gap_) + gap_;
    }
  }

  std::vector<DescriptionEntry>& entries() { return entries_; }

  void Block(const DescriptionEntry& e, double T) {
    ChartWriter& w = c_.writer;
    w.WriteChartNote(x0_ + 4, T - 4, e.label, h_, h_, 1, kLayer, 0, 0, labelFont_);
    w.WriteChartParagraph(static_cast<int>(std::trunc(W_)), x0_ + 4, T - 5, e.description, h_, g_, gap_, kLayer,
                          paragraphFont_);
  }

  void Leader(double yLeft, double T, double yRight) {
    const D_DOT v[4] = {{x0_, yLeft}, {x0_ + 2, T}, {x1_ - 2, T}, {x1_, yRight}};
    c_.writer.WriteChartPolyline(v, 1, 1, kInner, kLayer);
  }

  void Frame(double yB) {
    ChartWriter& w = c_.writer;
    const double bottom = -s_.holeLength;
    w.WriteChartLine(x0_, yB, x1_, yB, 1, 1, kOuter, kLayer);
    w.WriteChartLine(x0_, kHeaderTop, x1_, kHeaderTop, 1, 1, kOuter, kLayer);
    w.WriteChartLine(x0_, 0, x1_, 0, 1, 1, kInner, kLayer);
    w.WriteChartLine(x1_, bottom, x1_, kHeaderTop, 1, 1, x1_ == s_.frameWidth ? kOuter : kInner, kLayer);
    if (static_cast<long>(x0_) == 0) w.WriteChartLine(x0_, bottom, x0_, kHeaderTop, 1, 1, kOuter, 0);
    float size = 8.0f;
    const double gap = FitCharacterGap(4, &size, x0_ + 20, x1_ - 20);
    w.WriteChartNote(x0_ + 20, 21.39, "地质描述", 8.0, size, 1, 0, static_cast<float>(gap), 0, 1);
  }

 private:
  ChartContext& c_;
  const ChartState& s_;
  std::vector<DescriptionEntry> entries_;
  double x0_, x1_, W_, h_, g_, gap_;
  int16_t paragraphFont_, labelFont_;
};

}  // namespace

double FitCharacterGap(double n, float* size, double from, double to) { return FitTextGap(n, n, size, from, to); }

double FitTextGap(double cells, double count, float* size, double from, double to) {
  if (count < 2) return 0;
  const double span = to - from;
  double gap = (span - cells * *size) / (count - 1);
  if (span >= cells * *size) return gap;
  // A column narrower than its margins (or with its ends swapped) has no
  // room at any size: the text keeps its smallest positive size instead of
  // turning negative, or shrinking for ever once the float stops changing.
  while (gap < 0 && *size > kSizeStep) {
    *size = *size - kSizeStep;
    gap = (span - cells * *size) / count;
  }
  return gap;
}

void DrawDescriptionsDownward(ChartContext& c) {
  DescriptionColumn column(c, 39);
  double& Yc = c.state.descCursor;
  Yc = 0;
  double P = 0;
  double yEnd = 0;
  for (const DescriptionEntry& e : column.entries()) {
    const double H = e.H;
    if (std::fabs(e.yTop) < 0.0001) {
      P = Yc - H;
      column.Block(e, Yc);
      Yc = std::fabs(e.yBot - e.yTop) > H ? e.yBot : -H;
    } else {
      double T;
      if (std::fabs(e.yBot - Yc) >= H && e.yBot <= Yc) {
        T = Yc;
        Yc = e.yBot;
      } else if (P > e.yBot + H) {
        T = e.yBot + H;
        Yc = e.yBot;
      } else {
        T = Yc;
        Yc = T - H;
      }
      P = T - H;
      column.Block(e, T);
      column.Leader(e.yTop, T, e.yTop);
    }
    yEnd = e.yBot;
  }
  column.Frame(yEnd);
}

void DrawDescriptionsUpward(ChartContext& c) {
  DescriptionColumn column(c, 45);
  const auto& entries = column.entries();
  double& Yc = c.state.descCursor;
  Yc = entries.empty() ? 0 : entries.back().yBot;
  const double holeLength = c.state.holeLength;
  for (auto e = entries.rbegin(); e != entries.rend(); ++e) {
    double T;
    if (std::fabs(e->yBot + holeLength) < 0.0001)
      T = std::fabs(e->yBot - e->yTop) > e->H ? e->yTop : e->yBot + e->H;
    else
      T = (std::fabs(e->yTop - Yc) < e->H || e->yTop < Yc) ? Yc + e->H : e->yTop;
    Yc = T;
    column.Block(*e, T);
    column.Leader(e->yTop, T, e->yTop);
  }
  column.Frame(-holeLength);
}

void DrawDescriptionsEvenly(ChartContext& c) {
  DescriptionColumn column(c, 45);
  double sum = 0;
  for (const DescriptionEntry& e : column.entries()) sum += e.H;
  const double holeLength = c.state.holeLength;
  const bool straight = c.state.Option(7) == 0;
  double& Yc = c.state.descCursor;
  Yc = 0;
  if (sum > 0) {
    for (const DescriptionEntry& e : column.entries()) {
      column.Block(e, Yc);
      Yc = Yc - e.H * holeLength / sum;
      const double Y = straight ? Yc : e.yBot;
      column.Leader(Y, Yc, Y);
    }
  }
  column.Frame(-holeLength);
}

}  // namespace zv::chart
