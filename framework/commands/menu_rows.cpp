#include "framework/commands/menu_rows.h"

#include <algorithm>

namespace zv::cmd {

void MenuRegistry::AddRows(std::span<const MenuRow> rows) { rows_.insert(rows_.end(), rows.begin(), rows.end()); }

void MenuRegistry::SetTopLevelOrder(int menu, std::vector<std::string> order) {
  for (auto& [m, o] : orders_)
    if (m == menu) {
      o = std::move(order);
      return;
    }
  orders_.emplace_back(menu, std::move(order));
}

const std::vector<std::string>* MenuRegistry::TopLevelOrder(int menu) const {
  for (const auto& [m, o] : orders_)
    if (m == menu) return &o;
  return nullptr;
}

std::vector<std::string> SplitMenuPath(std::string_view path) {
  std::vector<std::string> parts;
  std::string part;
  for (std::size_t i = 0; i < path.size(); ++i) {
    if (path[i] == '\\' && i + 1 < path.size() && path[i + 1] == '/') {
      part += path[++i];
    } else if (path[i] == '/') {
      if (!part.empty()) parts.push_back(std::move(part));
      part.clear();
    } else {
      part += path[i];
    }
  }
  if (!part.empty()) parts.push_back(std::move(part));
  return parts;
}

std::vector<MenuRow> MenuRegistry::RowsOf(int menu) const {
  std::vector<MenuRow> rows;
  for (const MenuRow& r : rows_)
    if (r.menu == menu) rows.push_back(r);
  const std::vector<std::string>* order = TopLevelOrder(menu);
  if (order == nullptr) return rows;
  auto rank = [order](const MenuRow& r) {
    const std::vector<std::string> parts = SplitMenuPath(r.path);
    const std::string top = parts.empty() ? std::string() : parts.front();
    const auto it = std::find(order->begin(), order->end(), top);
    return static_cast<std::size_t>(it - order->begin());
  };
  std::stable_sort(rows.begin(), rows.end(), [&](const MenuRow& a, const MenuRow& b) { return rank(a) < rank(b); });
  return rows;
}

MenuRegistry& Menus() {
  static MenuRegistry registry;
  return registry;
}

}  // namespace zv::cmd
