#pragma once
// CLegendLibraryDlg: the modal dialog 257 "图例库制作" in which the user
// manages the legend items of the legend folder and chooses the items and the
// layout of a legend. It lists every item with its header fields in an
// editable grid, previews the item last selected, creates empty items, saves
// edited names and annotations back into the files, stores the list order,
// moves items to the trash, filters and marks items by their flag.
//
// The caller builds the dialog and runs DoModal. On OK it reads the layout
// members (m_nColumns, m_nWidth, m_nRows, m_nHeight, m_nTextMode,
// m_nSpaceX, m_nSpaceY) and m_strItems: the full paths of the marked items'
// files, in row order (m_nItemCount of them; there is no upper bound).
//
// Each row keeps the file it was listed from (its grid row's tag, a file
// name in the legend folder): preview, rewrite, save, delete, flags, order
// and OK act on that file only, and a rename updates it. The keep set and its
// areas are released once, whichever of OK, Cancel or closing ends the
// dialog. Controls are named "control<id>" by their dialog ids; the grid is
// control1007, the preview "previewView", the listing's note "listNote".

#include <QDialog>
#include <string>
#include <vector>

#include "framework/commands/command_table.h"
#include "panels/core/legend_library.h"

class QLabel;
class QLineEdit;
class QMenu;
class QRadioButton;

namespace zv::grid {
class CGridListCtrl;
}

namespace zv::cmd {
class CommandMenus;
}

namespace zv::panels {

class CPatternView;

// The context menu's commands (submenu "9" of the context menu) and the
// dialog's handlers for them, registered once.
void RegisterLegendLibraryCommands();

class CLegendLibraryDlg : public QDialog, public cmd::CommandTarget {
  Q_OBJECT

 public:
  explicit CLegendLibraryDlg(QWidget* parent = nullptr);
  ~CLegendLibraryDlg() override;

  std::string_view CommandClass() const override { return "CLegendLibraryDlg"; }

  // Initialises, then runs the dialog through the prompts seam; Accepted or
  // Rejected.
  int DoModal();
  void OnInitDialog();

  // Layout values, bound to the edits.
  int m_nColumns = 0;
  int m_nSpaceY = 5;
  int m_nHeight = 8;
  int m_nRows = 1;
  int m_nSpaceX = 30;
  int m_nWidth = 12;
  std::string m_strOutput;
  // Filled by OK.
  std::vector<std::string> m_strItems;
  int m_nItemCount = 0;
  int16_t m_nTextMode = 1;  // 1 text beside each box, 0 texts listed apart
  uint8_t m_bShowAll = 1;
  int32_t m_nCurrentRow = -1;  // row last previewed; −1 none
  int32_t m_nEditRow = -1;     // row whose in-place edit began last; −1 none

  // The handlers of the buttons and the context menu.
  void AddLegendItem();
  void SaveLegendItem();
  void DeleteLegendItem();
  void ShowAllLegendItems();
  void ShowFilteredLegendItems();
  void ClearLegendMarks();
  void MarkLegendItems();
  void SetLegendFlags();
  void MoveLegendRowUp();
  void MoveLegendRowDown();
  void StoreLegendOrder();
  void ReadLegendItemFile(int row);
  void KeepPreviewedItem();
  bool RewriteLegendItem(int row);

  // The context menu of the list (the caller owns it).
  QMenu* BuildContextMenu();

  grid::CGridListCtrl* Grid() const { return grid_; }
  CPatternView* PreviewView() const { return view_; }
  PreviewAreas PreviewWorkAreas() const { return preview_; }
  PreviewAreas KeptWorkAreas() const { return keep_; }
  // The file a row stands for (full path), empty for a row out of range.
  std::string RowFile(int row) const;

  void accept() override;
  void reject() override;

 protected:
  bool event(QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void BuildControls();
  void CreatePreviewView();
  void SetUpGrid();
  void ShowEdits();
  bool TakeEdits();
  void Scan(bool showAll);
  void AddListingRow(const LegendRow& row);
  bool IsMarked(int row) const;
  void SelectOnly(int row);
  // Moves the first selected row by one place (step ±1), files untouched.
  void MoveSelectedRow(int step);
  // Renames a row's file to number + "_" + name + ".TL" and follows it in
  // every row that lists it, the preview and the keep areas.
  bool RenameRowFile(int row, const std::string& name, std::string* error);
  void ClearPreview();
  void Release();

  grid::CGridListCtrl* grid_ = nullptr;
  CPatternView* view_ = nullptr;
  QLabel* note_ = nullptr;
  QRadioButton* besideRadio_ = nullptr;
  QRadioButton* apartRadio_ = nullptr;
  cmd::CommandMenus* menus_ = nullptr;
  WorkAreaSetHandle previewSet_ = 0;
  PreviewAreas preview_;
  WorkAreaSetHandle keepSet_ = 0;
  PreviewAreas keep_;
  std::string previewFile_;  // the file whose body the preview shows
  std::string keptFile_;     // the file whose body the keep areas hold
  bool released_ = false;
};

}  // namespace zv::panels
