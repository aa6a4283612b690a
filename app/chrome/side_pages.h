#pragma once
// The side panel's pages, made by class name. The strip shows eight pages
// in a fixed order; each feature registers the page class it builds
// (RegisterSidePage, listed once in app/module_registry.cpp). A class not
// registered yet shows an empty page, and the frame's silent receiver takes
// that page's messages.

#include <QWidget>
#include <functional>
#include <span>

namespace zv::chrome {

struct SidePage {
  const char* className;
  int dialogId;
  const char* caption;  // the strip shows icons; captions are for tooltips
};

// The pages in strip order: directory tree, project, workspace files,
// colours, sub-graphs, lines, regions, attribute query.
std::span<const SidePage> SidePages();

using SidePageFactory = std::function<QWidget*(QWidget* parent)>;
void RegisterSidePage(const char* className, SidePageFactory factory);
// The page of a class, or an empty placeholder named after the class.
QWidget* CreateSidePage(const char* className, QWidget* parent);

}  // namespace zv::chrome
