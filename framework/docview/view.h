#pragma once
// The view side of a document's frame: a widget that also is a command
// target. A view class is registered by name (RegisterViewClass); a template
// names the class its frames show. Registering a name again replaces the
// earlier factory, so a later module's views take the place of stand-ins.

#include <QWidget>
#include <functional>
#include <string>
#include <string_view>

#include "framework/commands/command_table.h"

namespace zv::docview {

class CDocument;

class CView : public cmd::CommandTarget {
 public:
  CDocument* GetDocument() const { return document_; }
  // The widget that shows this view.
  virtual QWidget* Widget() = 0;
  // Runs once the frame is shown, with the document opened or created.
  virtual void OnInitialUpdate() {}

 private:
  friend class CDocTemplate;
  CDocument* document_ = nullptr;
};

using ViewFactory = std::function<CView*(QWidget* parent)>;

void RegisterViewClass(std::string_view name, ViewFactory factory);
// Null when no class of that name is registered.
CView* CreateView(std::string_view name, QWidget* parent);

}  // namespace zv::docview
