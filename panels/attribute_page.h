#pragma once
// The line, region and sub-graph pages: one design over a table of controls.
// Each page shows its values in boxes, keeps them in "SUBLINREG", and on a
// pick copies them with the picked style into the platform's current default
// record of its kind and sets the pick mode the editing views read.
//
// Boxes: a value box that loses the focus takes every box into the values
// and writes its own key; a box that holds no number keeps the previous value
// (said once) and that value is written. The style box changes only by a
// pick. Choosers ("颜色", "底色", "纹色", "图层") write their key after they
// close, also when cancelled. The radio buttons set the operation type and
// write it; the pick mode changes only at the next pick.

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <array>
#include <vector>

#include "panels/core/page_settings.h"
#include "panels/sample_grid_page.h"

namespace zv::panels {

enum class Chooser { kNone, kColour, kLayer };

// One row of controls: a label or chooser button with its box, and in rows
// 1 and 2 a short label with a second box.
struct PageRow {
  const char* text;
  Chooser chooser;
  const char* key;
  const char* rightText;  // null in rows 3 and 4
  const char* rightKey;
};

struct PageSpec {
  std::array<PageRow, 4> rows;
  const char* modifyText;
  const char* drawText;
  int radioWidth;
  const char* styleKey;  // the box a pick fills
  const char* opKey;
  int16_t displayMode;
  int16_t drawValue;
  bool showAfterPick;
};

class AttributePage : public SampleGridPage {
 public:
  QLineEdit* Box(const char* key) const;
  QPushButton* ChooserButton(const char* key) const;
  QRadioButton* ModifyRadio() const { return modify_; }
  QRadioButton* DrawRadio() const { return draw_; }

  // Takes every box into the values; false when one held no number (it is
  // said once and that value keeps its previous number).
  bool TakeBoxes();
  void ShowBoxes();

  void ShowSample(const SampleValue& value) override;
  void PickSample(const SampleValue& value) override;

 protected:
  AttributePage(QWidget* parent, const PageSpec& spec, int areaType);
  // Reads the settings and makes the controls; the derived page calls it once
  // its values exist.
  void SetUp(std::vector<PageKey> keys);

  // Puts a sample's value into the style member.
  virtual void StoreStyle(const SampleValue& value) = 0;
  // Fills the default record of the page's kind from the values.
  virtual void FillDefault() = 0;
  virtual int16_t OpType() const = 0;
  virtual void SetOpType(int16_t type) = 0;

  void PlaceControls(int width) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  struct RowWidgets {
    QWidget* left = nullptr;
    QLineEdit* box = nullptr;
    QWidget* rightLabel = nullptr;
    QLineEdit* rightBox = nullptr;
  };
  const PageKey* KeyOf(const char* key) const;
  QLineEdit* MakeBox(const char* key);
  void ShowBox(const char* key);
  void Choose(const PageRow& row);
  void SetOperation(int16_t type);

  const PageSpec& spec_;
  std::vector<PageKey> keys_;
  std::array<RowWidgets, 4> rows_;
  QRadioButton* modify_ = nullptr;
  QRadioButton* draw_ = nullptr;
};

}  // namespace zv::panels
