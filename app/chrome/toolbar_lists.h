#pragma once
// The main frame's five toolbars as data: command ids in button order, 0 a
// separator (separators count as entries). A button shows only while its id
// is bound along the active route, like a menu item.

#include <span>

namespace zv::chrome {

inline constexpr int kSeparator = 0;

enum class ToolbarKind { kStandard, kToolBoxE, kWindow, kSide, kBottom };

struct ToolbarSpec {
  ToolbarKind kind;
  const char* objectName;
  const char* caption;
  const char* barKey;  // [OTHER] key of its visibility; null: always shown
  std::span<const int> ids;
};

const ToolbarSpec& Toolbar(ToolbarKind kind);

// Buttons that open a drop-down menu (standard toolbar).
bool HasDropDown(int id);

// The window toolbar's button that sits right of the search box.
inline constexpr int kSearchAnchorId = 33427;

}  // namespace zv::chrome
