#pragma once
// A toolbar built from a list of command ids (toolbar_lists.h). Its buttons
// run their ids along the frame's route; a button shows only while its id
// is bound along that route, and its enabled and checked states come from
// the id's update rule at every Refresh (the frame refreshes when the active
// view changes and after every command). Tooltips are the commands' menu
// texts; icons are drawn here, 16 × 16.

#include <QToolBar>
#include <functional>

#include "app/chrome/toolbar_lists.h"
#include "framework/commands/command_table.h"

class QMenu;

namespace zv::chrome {

class CommandToolBar : public QToolBar {
 public:
  using RouteFn = std::function<cmd::Route()>;
  using RunFn = std::function<void(int id)>;

  CommandToolBar(const ToolbarSpec& spec, RouteFn route, RunFn run, QWidget* parent = nullptr);

  const ToolbarSpec& spec() const { return spec_; }
  // The button of an id (null for ids not on this bar).
  QAction* ActionOf(int id) const;
  // Gives a button a drop-down arrow whose menu `fill` builds afresh each
  // time it opens.
  void SetDropDown(int id, std::function<void(QMenu&)> fill);
  // Gives a button a drop-down arrow with a menu of its own (owned by the
  // caller, refreshed by itself).
  void SetDropDownMenu(int id, QMenu* menu);
  // Shows, enables and checks the buttons along the route now.
  void Refresh();

 private:
  const ToolbarSpec& spec_;
  RouteFn route_;
  std::vector<std::pair<int, QAction*>> actions_;
};

// The tooltip of a command: its item text in the menus (the first found),
// without mnemonic marks; the id when no menu names it.
QString CommandTip(int id);

}  // namespace zv::chrome
