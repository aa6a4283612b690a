#pragma once
// Menus as data: each row puts one item (or a separator) into a menu at a
// path of sub-menus. Menus are numbered as the program's menu resources:
// 106 with no document open, 107 plan documents, 141 section documents,
// 138 the context menu (its sub-menus named "1", "2", ...).
//
// A path is the chain of menu texts joined by "/" (a "/" inside a text is
// escaped by a backslash), the last one being the item's own text: "&F文件/保存(&S)", "&C地质绘图/柱状图(ACCESS)/柱状图路径". A
// separator row has id 0 and names the sub-menu it goes into ("&F文件").
// Items of one sub-menu keep the order of their rows; sub-menus appear where
// their first row is. The top level of a menu follows its own order list
// (SetTopLevelOrder); top-level menus missing from the list follow it in row
// order.
//
// A shortcut is in QKeySequence's portable form ("Space", "F2", "Shift+Z",
// "Ctrl+C"); it works while the menu is the frame's menu, never on keys typed
// into a text field.
//
// Registration: each module adds its rows with one AddRows call; app/ lists
// the calls in one place.

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace zv::cmd {

inline constexpr int kMenuNoDocument = 106;
inline constexpr int kMenuPlan = 107;
inline constexpr int kMenuContext = 138;
inline constexpr int kMenuSection = 141;

struct MenuRow {
  int menu = 0;
  const char* path = "";
  int id = 0;  // 0: a separator at the end of the sub-menu `path`
  const char* shortcut = nullptr;
};

class MenuRegistry {
 public:
  void AddRows(std::span<const MenuRow> rows);
  void SetTopLevelOrder(int menu, std::vector<std::string> order);

  // The rows of one menu, top-level menus in their order, rows within each
  // in registration order.
  std::vector<MenuRow> RowsOf(int menu) const;
  const std::vector<std::string>* TopLevelOrder(int menu) const;

 private:
  std::vector<MenuRow> rows_;
  std::vector<std::pair<int, std::vector<std::string>>> orders_;
};

// The program's one menu registry.
MenuRegistry& Menus();

// "a/b/c" → {"a", "b", "c"}; a backslash before "/" keeps it in the text
// (the literal "a/定距\\/定数" → {"a", "定距/定数"}).
std::vector<std::string> SplitMenuPath(std::string_view path);

}  // namespace zv::cmd
