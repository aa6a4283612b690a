#pragma once
// The tool factory: every tool class registers, by its program name
// ("CSecEditAidTool", ...), one constructor and the modes it implements. The
// tool views' launch rows and remote requests make their tools here, so a
// class or mode not registered yet is known to be missing before anything
// is cancelled.
//
// The launch rule is the same for every caller: cancel the running
// interaction when asked, construct the tool with (view, mode, flag), hand
// it to CGisEditView::SetExtTool (the view owns it from then on). Classes
// whose constructors take no flag ignore it.
//
// Registration happens once at start-up (app/module_registry); a class
// registered again replaces its entry (tests put recording classes in).
// Main thread only.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zv {

class BaseGisTool;
class CGisEditView;

using ToolConstructor = BaseGisTool* (*)(CGisEditView* view, int16_t mode, int32_t flag);
using ToolModes = bool (*)(int16_t mode);

class ToolFactory {
 public:
  void Register(std::string_view toolClass, ToolConstructor make, ToolModes implements);
  void Unregister(std::string_view toolClass);
  // True when the class is registered and implements the mode.
  bool Knows(std::string_view toolClass, int mode) const;
  // A new tool, or null when the class does not make that mode.
  BaseGisTool* Make(std::string_view toolClass, CGisEditView* view, int16_t mode, int32_t flag) const;
  std::vector<std::string> Classes() const;

 private:
  struct Entry {
    std::string name;
    ToolConstructor make = nullptr;
    ToolModes implements = nullptr;
  };
  const Entry* Find(std::string_view toolClass) const;
  std::vector<Entry> entries_;
};

// The program's one factory.
ToolFactory& Tools();

// The launch rule above. False, with nothing cancelled or installed, when
// the factory does not make the class's mode.
bool LaunchTool(CGisEditView& view, std::string_view toolClass, int16_t mode, bool cancelFirst, int32_t flag,
                const ToolFactory& factory = Tools());

}  // namespace zv
