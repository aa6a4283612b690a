#pragma once
// The platform editor's members the two editing views bind straight to
// command ids, as {id, member name}: one list for the section view and the
// plan view's differences from it. Which of them run now is platform/editor's
// table (editor_commands.h); the views keep the others as bound-later rows
// named by their member until the editor builds them.

#include <span>

namespace zv::views {

struct PlatformBinding {
  int id;
  const char* member;
};

// The section view's bindings (each id once; the first binding of an id
// bound twice is the one dispatched).
std::span<const PlatformBinding> SectionPlatformBindings();
// The id under which the context menu's "5/造版面(光标定版面参数输入)" runs
// the second member of 32937.
inline constexpr int kMakeTextCurParmId = 32938;

// The plan view leaves out these of the section list ...
std::span<const int> PlanOmittedBindings();
// ... and adds these (printing among them, whose rows the plan table
// names itself).
std::span<const PlatformBinding> PlanAddedBindings();

// The digitiser's items: Linux has no digitiser, so they stay disabled.
inline constexpr int kFirstDigitiserId = 482;
inline constexpr int kLastDigitiserId = 495;

}  // namespace zv::views
