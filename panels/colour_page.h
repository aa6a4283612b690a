#pragma once
// CDlgClr: the colour page of the side bar. Every colour of the library as a
// swatch; hovering shows a colour's number with its RGB and CMYK, a click
// makes it the fill colour of the current default region record and sets the
// pick mode to −4, after which the editing views give that colour to what
// the user picks. The eight boxes only show; the page keeps no settings.

#include <QLineEdit>
#include <vector>

#include "panels/sample_grid_page.h"

namespace zv::panels {

class CDlgClr : public SampleGridPage {
 public:
  explicit CDlgClr(QWidget* parent = nullptr);

  long ColourNo() const { return colour_; }
  QLineEdit* Box(const char* name) const;

  // A pick: the colour becomes current and the pick mode −4, every time.
  void SetColorNo(long colour);
  // The RGB and CMYK boxes of the current colour number.
  void UpdateColorValues();

  void ShowSample(const SampleValue& value) override;
  void PickSample(const SampleValue& value) override { SetColorNo(value.number); }

 protected:
  int SampleCount() const override;
  int BuildSamples(WorkAreaHandle area, const GridGeometry& grid, bool allRows) override;
  void PlaceControls(int width) override;

 private:
  void ShowBoxes();

  long colour_ = 0;
  int rgb_[3] = {0, 0, 0};
  int cmyk_[4] = {0, 0, 0, 0};  // C, M, Y, K in percent
  std::vector<int32_t> colours_;
};

}  // namespace zv::panels
