#include "framework/docview/view.h"

#include <map>
#include <string>

namespace zv::docview {
namespace {

std::map<std::string, ViewFactory, std::less<>>& Classes() {
  static std::map<std::string, ViewFactory, std::less<>> classes;
  return classes;
}

}  // namespace

void RegisterViewClass(std::string_view name, ViewFactory factory) { Classes()[std::string(name)] = std::move(factory); }

CView* CreateView(std::string_view name, QWidget* parent) {
  const auto it = Classes().find(name);
  return it == Classes().end() || !it->second ? nullptr : it->second(parent);
}

}  // namespace zv::docview
