#pragma once
// The numbers a user types while a construction mode waits for a click:
// "x,y", "d,a" or a length, consumed by the next click. Keys are the
// views' virtual-key codes.

#include <string>

namespace zv::tools {

class TypedInput {
 public:
  // Edits the text by one key: digits (main row and keypad), "." (keypad
  // and main row), ",", "-" (keypad and main row), Backspace removes the
  // last character, Enter and Esc empty the text; other keys change nothing.
  void Key(unsigned key);
  const std::string& text() const { return text_; }
  bool empty() const { return text_.empty(); }
  void Clear() { text_.clear(); }

 private:
  std::string text_;
};

// The prompt lines the views show after each key: the label and the text
// padded with blanks so that it covers a longer text shown before.
constexpr const char* kTypedPrompt = "请输入数据：";
constexpr const char* kTypedRefused = "输入的数据无法识别，请修改：";
std::string PaddedTypedText(const std::string& text);

}  // namespace zv::tools
