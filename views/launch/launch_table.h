#pragma once
// The tool views' launch table: one row per command that does nothing but
// start a tool. A row names the tool class, the signed 16-bit mode, whether
// the running interaction is cancelled first in the section tool view and in
// the plan (project) tool view, the views that have the command, and the
// item's text. A view without the row has no entry for the id.
//
// The edit-aid tool takes a third constructor argument; every launch row
// passes 1 (kEditAidLaunchFlag).

#include <cstdint>
#include <optional>
#include <span>

namespace zv::launch {

enum LaunchViews : uint8_t { kBothViews, kSectionOnly, kPlanOnly };
enum class ToolView : uint8_t { kSection, kPlan };

struct LaunchRow {
  int id;
  const char* toolClass;
  int16_t mode;
  bool cancelsInSection;
  bool cancelsInPlan;
  LaunchViews views;
  const char* text;

  bool InView(ToolView view) const {
    return views == kBothViews || (views == kSectionOnly) == (view == ToolView::kSection);
  }
  bool CancelsIn(ToolView view) const { return view == ToolView::kSection ? cancelsInSection : cancelsInPlan; }
};

inline constexpr const char* kEditAidTool = "CSecEditAidTool";
inline constexpr int32_t kEditAidLaunchFlag = 1;

// The flag a launch of the class passes: 1 for the edit-aid tool, 0 (not
// passed on) for the others.
int32_t LaunchFlagOf(const char* toolClass);

// Every row, grouped by tool class.
std::span<const LaunchRow> LaunchRows();
// The row of an id in a view; none when that view lacks the command.
std::optional<LaunchRow> FindLaunchRow(int id, ToolView view);

}  // namespace zv::launch
