#include "zavediz/chart/signature_block.h"

#include "framework/text/encoding.h"
#include "framework/text/numbers.h"
#include "platform/display/text_measure.h"
#include "zavediz/chart/column_frame.h"
#include "zavediz/chart/description_column.h"
#include "zavediz/chart/survey_tables.h"

namespace zv::chart {
namespace {

constexpr double kMedium = 0.3;
constexpr float kCell = 3.5f;

// zkinfok fields 20 to 32 (29 is not shown).
enum { kUpperTitle, kLowerTitle, kNames, kSource = kNames + 6, kDate = kSource + 2, kDrawing, kSequence, kFields };

class Block {
 public:
  Block(ChartWriter& w, double W, double Yb) : w_(w), W_(W), Yb_(Yb) {}

  // Row r's bottom: r = 0 for "拟编" down to 5 for "队长".
  double RowBase(int r) const { return Yb_ + 35 - 7.0 * r; }

  // A text fitted into W + from .. W + to at the running width, centred in
  // row r by the width before its fit.
  void Fitted(int r, const std::string& text, double n, double from, double to) {
    const double y = RowBase(r) + (7 - c_) / 2;
    Fit(y, text, n, from, to);
  }
  void Fit(double y, const std::string& text, double n, double from, double to) {
    const double gap = FitCharacterGap(n, &c_, W_ + from, W_ + to);
    if (!text.empty()) w_.WriteSignatureText(W_ + from, y, text, 3.5f, c_, static_cast<float>(gap), 0, 1);
  }
  // A text at the width kept from the last fit, in row r.
  void Fixed(int r, double x, const std::string& text, float spacing) {
    if (!text.empty()) w_.WriteSignatureText(W_ + x, RowBase(r) + (7 - c_) / 2, text, 3.5f, kCell, spacing, 0, 1);
  }
  void Title(const std::string& text, double from, double to, double y, int16_t font) {
    float size = 4.0f;
    // Cells for the characters' widths, characters for the gaps: a title
    // with Latin letters or digits still ends inside its cell.
    const double gap = FitTextGap(display::DspTextLength(text, static_cast<uint32_t>(font), 0),
                                  display::DspTextCharCount(text), &size, W_ + from, W_ + to);
    if (!text.empty()) w_.WriteSignatureText(W_ + from, y, text, 4.0f, size, static_cast<float>(gap), 0, 1);
  }
  void StartGroup() { c_ = kCell; }

 private:
  ChartWriter& w_;
  double W_, Yb_;
  float c_ = kCell;
};

double Characters(const char* label) { return static_cast<double>(text::CharacterCount(label)); }
double HalfBytes(const std::string& value) { return static_cast<double>(text::GbkLength(value) / 2); }

void DrawFrame(ChartWriter& w, double W, double Yb) {
  auto line = [&](double x1, double y1, double x2, double y2, double width) {
    w.WriteChartLine(x1, y1, x2, y2, 1, 1, width, 0);
  };
  line(W - 90, Yb + 57, W, Yb + 57, kMedium);
  line(W - 90, Yb, W, Yb, kMedium);
  for (double rule : {50.0, 42.0, 28.0, 21.0, 14.0, 7.0}) line(W - 90, Yb + rule, W, Yb + rule, kInner);
  line(W - 90, Yb + 35, W - 45, Yb + 35, kInner);
  line(W - 90, Yb + 57, W - 90, Yb, kMedium);
  line(W, Yb + 57, W, Yb, kMedium);
  for (double x : {70.0, 45.0, 25.0}) line(W - x, Yb + 42, W - x, Yb, kInner);
}

}  // namespace

std::string SignatureScaleText(float scaleFactor) { return "1∶" + num::Format("%4.0f", 200.0 * scaleFactor); }

void DrawChartSignatureBlock(ChartContext& c) {
  std::array<std::string, kFields> v;
  ChartDb db(c.hole.dataSource);
  for (const ChartRow& row : db.Query("zkinfok", sql::kZkinfokSignature, {c.hole.mine, c.hole.hole},
                                      {{20}, {21}, {22}, {23}, {24}, {25}, {26}, {27}, {28}, {29}, {30}, {31}, {32}}))
    std::copy(row.begin(), row.end(), v.begin());
  const std::size_t n = SurveyRowCount(db, c.hole);
  const double W = c.state.chartWidth;
  const double B = -c.state.holeLength;
  const double y0 = W >= 370.0 && n < 15 ? B + 1 : B - 17;
  const double Yb = y0 - 81;
  ChartWriter& w = c.writer;
  DrawFrame(w, W, Yb);

  Block block(w, W, Yb);
  PNT_INFO defaults;
  BasGetDefaultPointParam(&defaults, 0);
  block.Title(v[kLowerTitle], -88, -4, Yb + 44, defaults.chineseFont());
  block.Title(v[kUpperTitle], -80, -10, Yb + 51.5, defaults.chineseFont());

  const char* roles[] = {"拟编", "审核", "计算机成图", "项目负责", "总工程师"};
  for (int r = 0; r < 5; ++r) block.Fitted(r, roles[r], Characters(roles[r]), -88, -72);
  block.StartGroup();
  block.Fitted(5, "队长", 2, -88, -72);

  block.StartGroup();
  for (int r = 0; r < 6; ++r) block.Fitted(r, v[kNames + r], HalfBytes(v[kNames + r]), -64, -51);

  block.StartGroup();
  const char* cells[] = {"资料", "来源", "比例尺", "日期", "图号", "顺序号"};
  for (int r = 0; r < 6; ++r) block.Fitted(r, cells[r], Characters(cells[r]), -42, -28);

  block.StartGroup();
  block.Fit(Yb + 34.25, v[kSource], HalfBytes(v[kSource]), -21, -4);
  block.Fixed(2, -21, SignatureScaleText(c.hole.scaleFactor), 1.0f);
  block.Fixed(3, -23, v[kDate], 0.5f);
  block.Fixed(4, -16.5, v[kDrawing], 0.5f);
  block.Fixed(5, -16.5, v[kSequence], 0.5f);
}

}  // namespace zv::chart
