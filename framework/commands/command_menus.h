#pragma once
// Menus and shortcut keys of a window, built from the menu rows and run
// through the command tables along the window's route.
//
// An item is shown only when its id resolves along the route (a command not
// built yet, or bound later, is hidden); enabled and checked come from the
// row's update rule each time its menu opens; a sub-menu with nothing shown
// is hidden too. A shortcut of a bound-later command yields only the notice
// naming the item. The route is asked for at every use, so it follows the
// active view.

#include <QMenu>
#include <QMenuBar>
#include <QObject>
#include <QString>
#include <functional>
#include <string_view>
#include <vector>

#include "framework/commands/command_table.h"
#include "framework/commands/menu_rows.h"

namespace zv::cmd {

class CommandMenus : public QObject {
 public:
  using RouteProvider = std::function<Route()>;
  using NoticeFn = std::function<void(const QString& text)>;

  // `window` holds the shortcut actions and must outlive this object.
  CommandMenus(QWidget& window, RouteProvider route, NoticeFn notice, const MenuRegistry& menus = Menus(),
               const CommandRegistry& commands = Registry());

  // Fills `bar` with menu `menu` (what it held before goes) and binds the
  // menu's shortcuts on the window in place of the previous menu's.
  void Show(QMenuBar& bar, int menu);
  int shownMenu() const { return shown_; }

  // A popup of the items under `path` of `menu` (all of it for an empty
  // path), owned by `parent`; refreshed each time it opens.
  QMenu* BuildPopup(int menu, std::string_view path, QWidget* parent);

  // Runs an id along the route; a bound-later command gives the notice
  // naming `text` (the id when empty).
  RunResult Run(int id, const QString& text = QString());

  // Called after every Run (toolbars refresh their states there).
  void SetAfterRun(std::function<void()> afterRun) { afterRun_ = std::move(afterRun); }

  // Sets what every item of `menu` (and its sub-menus) shows now; true when
  // anything in it is shown.
  bool Refresh(QMenu& menu);

  // The shortcut actions bound now (for tests and toolbars).
  const std::vector<QAction*>& shortcutActions() const { return keys_; }

 private:
  void Fill(QWidget& top, int menu, std::string_view path);
  QAction* AddItem(QMenu& into, const QString& text, int id);

  QWidget& window_;
  RouteProvider route_;
  NoticeFn notice_;
  std::function<void()> afterRun_;
  const MenuRegistry& menus_;
  const CommandRegistry& commands_;
  int shown_ = 0;
  std::vector<QAction*> keys_;
};

// The text of an item without its mnemonic marks ("保存(&S)" → "保存(S)").
QString PlainItemText(const QString& text);

}  // namespace zv::cmd
