#include "platform/view/tool_factory.h"

#include <algorithm>

#include "platform/view/gis_edit_view.h"

namespace zv {

void ToolFactory::Register(std::string_view toolClass, ToolConstructor make, ToolModes implements) {
  Unregister(toolClass);
  entries_.push_back({std::string(toolClass), make, implements});
}

void ToolFactory::Unregister(std::string_view toolClass) {
  std::erase_if(entries_, [toolClass](const Entry& e) { return e.name == toolClass; });
}

const ToolFactory::Entry* ToolFactory::Find(std::string_view toolClass) const {
  const auto it = std::find_if(entries_.begin(), entries_.end(), [toolClass](const Entry& e) { return e.name == toolClass; });
  return it == entries_.end() ? nullptr : &*it;
}

bool ToolFactory::Knows(std::string_view toolClass, int mode) const {
  // Modes are signed 16-bit numbers; a wider value names no mode.
  if (mode < INT16_MIN || mode > INT16_MAX) return false;
  const Entry* e = Find(toolClass);
  return e && e->make && e->implements && e->implements(static_cast<int16_t>(mode));
}

BaseGisTool* ToolFactory::Make(std::string_view toolClass, CGisEditView* view, int16_t mode, int32_t flag) const {
  if (!Knows(toolClass, mode)) return nullptr;
  return Find(toolClass)->make(view, mode, flag);
}

std::vector<std::string> ToolFactory::Classes() const {
  std::vector<std::string> names;
  for (const Entry& e : entries_) names.push_back(e.name);
  return names;
}

ToolFactory& Tools() {
  static ToolFactory factory;
  return factory;
}

bool LaunchTool(CGisEditView& view, std::string_view toolClass, int16_t mode, bool cancelFirst, int32_t flag,
                const ToolFactory& factory) {
  if (!factory.Knows(toolClass, mode)) return false;
  if (cancelFirst) view.CancelInterActive();
  view.SetExtTool(factory.Make(toolClass, &view, mode, flag));
  return true;
}

}  // namespace zv
