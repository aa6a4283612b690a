#pragma once
// CSecPrjListView: the project list of the side panel's project page. On
// top of the platform's list it takes private message 0x46F (lParam 0 with
// wParam 1: print the project; lParam 1: wParam points to 200 selection
// flags, one per row from the first), the keys "C", "E", "1", "2", "3"
// (display states, projectpage::ApplyStateKey), the right button (with
// rows selected and no Alt the list's own menu, else popup "1" of context
// menu 138 with this view's commands) and the opening of an entry.
//
// It follows the project it shows: items added or removed refresh the
// rows, and a project that closes leaves the list empty at once, so the
// list never reads a project that is gone. Without a project every command,
// key and menu does nothing.
#include "framework/commands/command_table.h"
#include "platform/projectview/prj_list_view.h"

namespace zv::cmd {
class CommandMenus;
}

namespace zv::projectpage {

// Our own command ids of the page's popup (添加项目, 删空文件, 自动合并,
// 相同合并).
inline constexpr int kIdAddEntries = 33701;
inline constexpr int kIdRemoveEmpty = 33702;
inline constexpr int kIdAutoMerge = 33703;
inline constexpr int kIdSameNameMerge = 33704;

// Rows of the 200-byte flag array of 0x46F.
inline constexpr int kSelectionFlagRows = 200;

class CSecPrjListView : public prjview::CPrjListView, public cmd::CommandTarget {
  Q_OBJECT
 public:
  explicit CSecPrjListView(QWidget* parent = nullptr);
  ~CSecPrjListView() override;

  std::string_view CommandClass() const override { return "CSecPrjListView"; }

  // Shows `project` (null: none) and follows it until another is shown.
  void ShowProject(MapProject* project);

  // Records the view for 0x46F and shows the active document's project.
  void OnInitialUpdate();

  // Row selection from a flag array (row i selected when flag i is 1).
  void SelectFromFlags(const uint8_t* flags);

  // The popup of context menu 138 (sub-menu "1"), for this view.
  QMenu* BuildPopup();

 protected:
  void OpenEntry(MapProject* project, int index, const std::string& path) override;
  bool event(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  void Unwatch();

  MapProject* watched_ = nullptr;
  int listener_ = 0;
  cmd::CommandMenus* menus_;
};

// The active document's project, or null.
MapProject* ActiveDocumentProject();

// Registers the view's commands and the rows of popup "1" of menu 138 once.
void RegisterProjectPageCommands();

}  // namespace zv::projectpage
