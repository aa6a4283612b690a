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
  std::size_t start = 0;
  while (start <= path.size()) {
    const std::size_t slash = path.find('/', start);
    const std::size_t end = slash == std::string_view::npos ? path.size() : slash;
    if (end > start) parts.emplace_back(path.substr(start, end - start));
    if (slash == std::string_view::npos) break;
    start = slash + 1;
  }
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
