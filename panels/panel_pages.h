#pragma once
// The side-bar pages this folder builds, by the class names the management
// bar's strip asks for (registered once at start-up by the application).

#include <QWidget>
#include <span>

namespace zv::panels {

struct PanelPage {
  const char* className;
  QWidget* (*make)(QWidget* parent);
};

std::span<const PanelPage> PanelPages();

}  // namespace zv::panels
