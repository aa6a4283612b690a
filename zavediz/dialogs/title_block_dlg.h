#pragma once
// CTitleBlockDlg "设置图签内容": the contents and geometry of the title block
// drawn in the corner of a section or chart.
//
// DoModal starts from the defaults, loads "LaberNote.sec" when it can be
// read, lays the caller's preset texts over it (SetPreset), greys the
// second column's row 6 when its order is empty, and runs the dialog through
// the prompts seam. OK refuses numbers that are not numbers and sizes that do
// not add up ("图签总高度或者总宽度设置不合理！"), shows an order error for
// each row placed nowhere, saves the file when "是否保存数据" is checked, and
// leaves Values(), Size() and Rows() for the caller to copy into its
// document. Cancel changes nothing.
//
// Controls are named for tests: "unit", "unitHeight", "title",
// "titleHeight", "c<column>r<row>Order|Label|Content|Height" (column 1-2,
// row 1-6), "totalWidth", "c1LabelWidth", "c1ContentWidth", "c2LabelWidth",
// "c2ContentWidth", "topographicScale", "sectionScale", "lowestElevation",
// "saveData".

#include <QDialog>
#include <optional>
#include <variant>
#include <vector>

#include "zavediz/dialogs/title_block_preset.h"
#include "zavediz/dialogs/title_block_rows.h"
#include "zavediz/dialogs/title_block_values.h"

class QCheckBox;
class QGridLayout;
class QLineEdit;

namespace zv::zavediz {

class CTitleBlockDlg : public QDialog {
  Q_OBJECT

 public:
  explicit CTitleBlockDlg(QWidget* parent = nullptr);

  void SetPreset(const TitleBlockPreset& preset) { preset_ = preset; }

  int DoModal();

  const TitleBlockValues& Values() const { return values_; }
  const TitleBlockSize& Size() const { return size_; }
  const TitleBlockRows& Rows() const { return rows_; }

  void accept() override;

 private:
  using Target = std::variant<std::string*, int*, double*>;
  struct Binding {
    QLineEdit* edit;
    Target target;
  };

  QLineEdit* AddBox(QGridLayout* grid, int row, int column, const QString& name, Target target, int width = 0);
  void BuildColumn(QGridLayout* grid, int column, std::array<TitleBlockRowValues, 6>& rows);
  void ShowValues();
  bool TakeValues();

  TitleBlockValues values_;
  std::optional<TitleBlockPreset> preset_;
  TitleBlockSize size_;
  TitleBlockRows rows_;
  std::vector<Binding> bindings_;
  QCheckBox* save_;
};

}  // namespace zv::zavediz
