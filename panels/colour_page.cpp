#include "panels/colour_page.h"

#include <QLabel>

#include "common/globals/program_globals.h"
#include "panels/core/page_records.h"
#include "panels/sample_catalog.h"
#include "platform/display/display_calls.h"

namespace zv::panels {
namespace {

constexpr int kGridTop = 62;
constexpr int kBoxHeight = 20;
// Box names: the colour number, then R, G, B, then C, M, Y, K.
constexpr const char* kNumberBox = "colour";
constexpr const char* kRgbBoxes[3] = {"R", "G", "B"};
constexpr const char* kCmykBoxes[4] = {"C", "M", "Y", "K"};

}  // namespace

CDlgClr::CDlgClr(QWidget* parent)
    : SampleGridPage(parent, 6, kColourGrid, kRegionArea, kGridTop), colours_(ColourSamples()) {
  const char* labels[] = {"颜色号", "RGB", "CMYK"};
  for (int i = 0; i < 3; ++i) {
    auto* label = new QLabel(QString::fromUtf8(labels[i]), this);
    label->setObjectName(QStringLiteral("label%1").arg(i));
  }
  const auto makeBox = [this](const char* name) {
    auto* box = new QLineEdit(this);
    box->setObjectName(QString::fromLatin1(name));
    box->setReadOnly(true);
    box->setCursor(Qt::IBeamCursor);
  };
  makeBox(kNumberBox);
  for (const char* name : kRgbBoxes) makeBox(name);
  for (const char* name : kCmykBoxes) makeBox(name);
  ShowBoxes();
}

QLineEdit* CDlgClr::Box(const char* name) const { return findChild<QLineEdit*>(QString::fromLatin1(name)); }

int CDlgClr::SampleCount() const { return display::DspGetColorCount(); }

int CDlgClr::BuildSamples(WorkAreaHandle area, const GridGeometry& grid, bool allRows) {
  return BuildColourSwatches(area, grid, allRows, colours_);
}

void CDlgClr::SetColorNo(long colour) {
  colour_ = colour;
  UpdateColorValues();
  ShowBoxes();
  BasGetDefaultRegionParam(0)->setFillColour(static_cast<int32_t>(colour));
  CurrentPickMode() = kColourPick;
}

void CDlgClr::ShowSample(const SampleValue& value) {
  colour_ = value.number;
  UpdateColorValues();
  ShowBoxes();
}

void CDlgClr::UpdateColorValues() {
  display::DspColorToRgb(colour_, &rgb_[0], &rgb_[1], &rgb_[2]);
  int k = 0, c = 0, m = 0, y = 0;
  display::DspColorToCmyk(colour_, &k, &c, &m, &y);
  const int values[4] = {c, m, y, k};
  for (int i = 0; i < 4; ++i) cmyk_[i] = CmykPercent(values[i]);
}

void CDlgClr::ShowBoxes() {
  if (QLineEdit* box = Box(kNumberBox)) box->setText(QString::number(colour_));
  for (int i = 0; i < 3; ++i)
    if (QLineEdit* box = Box(kRgbBoxes[i])) box->setText(QString::number(rgb_[i]));
  for (int i = 0; i < 4; ++i)
    if (QLineEdit* box = Box(kCmykBoxes[i])) box->setText(QString::number(cmyk_[i]));
}

void CDlgClr::PlaceControls(int w) {
  for (int i = 0; i < 3; ++i)
    if (auto* label = findChild<QLabel*>(QStringLiteral("label%1").arg(i))) label->setGeometry(1, 1 + 20 * i, 40, kBoxHeight);
  if (QLineEdit* box = Box(kNumberBox)) box->setGeometry(45, 1, w - 47, kBoxHeight);
  const int third = (w - 46) / 3, quarter = (w - 46) / 4;
  for (int i = 0; i < 3; ++i)
    if (QLineEdit* box = Box(kRgbBoxes[i])) box->setGeometry(45 + i * (w - 46) / 3, 21, third, kBoxHeight);
  for (int i = 0; i < 4; ++i)
    if (QLineEdit* box = Box(kCmykBoxes[i])) box->setGeometry(45 + i * (w - 46) / 4, 41, quarter, kBoxHeight);
}

}  // namespace zv::panels
