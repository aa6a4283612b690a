#include "platform/view/virtual_keys.h"

#include <Qt>
#include <algorithm>
#include <array>
#include <utility>

namespace zv {

namespace {

constexpr std::array<std::pair<int, unsigned>, 32> kKeys = {{
    {Qt::Key_Backspace, 0x08}, {Qt::Key_Tab, 0x09},      {Qt::Key_Return, 0x0D},   {Qt::Key_Enter, 0x0D},
    {Qt::Key_Shift, 0x10},     {Qt::Key_Control, 0x11},  {Qt::Key_Alt, 0x12},      {Qt::Key_Pause, 0x13},
    {Qt::Key_Escape, 0x1B},    {Qt::Key_Space, 0x20},    {Qt::Key_PageUp, 0x21},   {Qt::Key_PageDown, 0x22},
    {Qt::Key_End, 0x23},       {Qt::Key_Home, 0x24},     {Qt::Key_Left, 0x25},     {Qt::Key_Up, 0x26},
    {Qt::Key_Right, 0x27},     {Qt::Key_Down, 0x28},     {Qt::Key_Insert, 0x2D},   {Qt::Key_Delete, 0x2E},
    {Qt::Key_Plus, 0xBB},      {Qt::Key_Equal, 0xBB},    {Qt::Key_Comma, 0xBC},    {Qt::Key_Minus, 0xBD},
    {Qt::Key_Period, 0xBE},    {Qt::Key_Slash, 0xBF},    {Qt::Key_Semicolon, 0xBA}, {Qt::Key_BracketLeft, 0xDB},
    {Qt::Key_Backslash, 0xDC}, {Qt::Key_BracketRight, 0xDD}, {Qt::Key_QuoteLeft, 0xC0}, {Qt::Key_Apostrophe, 0xDE},
}};

}  // namespace

unsigned VirtualKeyOf(int key) {
  if ((key >= Qt::Key_A && key <= Qt::Key_Z) || (key >= Qt::Key_0 && key <= Qt::Key_9)) return static_cast<unsigned>(key);
  if (key >= Qt::Key_F1 && key <= Qt::Key_F24) return 0x70u + static_cast<unsigned>(key - Qt::Key_F1);
  const auto it = std::find_if(kKeys.begin(), kKeys.end(), [key](const auto& entry) { return entry.first == key; });
  return it == kKeys.end() ? 0u : it->second;
}

}  // namespace zv
