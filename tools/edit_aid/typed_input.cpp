#include "tools/edit_aid/typed_input.h"

namespace zv::tools {

namespace {

constexpr unsigned kBackspace = 8, kEnter = 13, kEscape = 27;
constexpr std::size_t kPromptWidth = 400;

// The character a key types, or 0.
char CharOf(unsigned key) {
  if (key >= 48 && key <= 57) return static_cast<char>('0' + (key - 48));
  if (key >= 96 && key <= 105) return static_cast<char>('0' + (key - 96));
  switch (key) {
    case 110:
    case 190:
      return '.';
    case 188:
      return ',';
    case 109:
    case 189:
      return '-';
  }
  return 0;
}

}  // namespace

void TypedInput::Key(unsigned key) {
  if (key == kEnter || key == kEscape) {
    text_.clear();
  } else if (key == kBackspace) {
    if (!text_.empty()) text_.pop_back();
  } else if (const char c = CharOf(key)) {
    text_ += c;
  }
}

std::string PaddedTypedText(const std::string& text) {
  std::string padded = text;
  if (padded.size() < kPromptWidth) padded.append(kPromptWidth - padded.size(), ' ');
  return padded;
}

}  // namespace zv::tools
