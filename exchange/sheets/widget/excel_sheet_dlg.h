#pragma once
// "选择表名": the worksheets of a workbook file, one of which the user picks
// for a table. The file is read by a hidden program of the dialog's own, so
// the user's open workbooks are never touched; a file that cannot be read
// shows the workbook layer's message and leaves the list empty.

#include <QDialog>
#include <optional>
#include <string>

namespace zv::grid {
class CGridListCtrl;
}

namespace zv::sheets {

class CExcelSheetDlg : public QDialog {
 public:
  explicit CExcelSheetDlg(QWidget* parent = nullptr);

  // Lists the worksheets of the file; false when it could not be read.
  bool ListWorkbookSheets(const std::string& path);
  // The name of the chosen sheet after OK; none without a selection.
  std::optional<std::string> ChosenSheet() const { return chosen_; }
  grid::CGridListCtrl* List() const { return list_; }

  void accept() override;

 private:
  grid::CGridListCtrl* list_;
  std::optional<std::string> chosen_;
};

// The workbook file and sheet a table is drawn from: "插入EXCEL表" asks for
// the file (in the folder used last), then the dialog for the sheet. None
// when either is cancelled or nothing is chosen.
struct ChosenSheet {
  std::string path;
  std::string sheet;
};
std::optional<ChosenSheet> ChooseWorkbookSheet();

}  // namespace zv::sheets
