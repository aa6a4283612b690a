#pragma once
// The calculator window's keypad as data: where each button stands (dialog
// units), its control id, and what it does.

#include <span>

namespace zv::annot {

enum class KeyAction {
  kInsert,             // inserts `text` at the caret, replacing any selection
  kInsertFunction,     // inserts `text` + "()" and puts the caret between the brackets
  kClearAll,           // "AC"
  kDeleteBeforeCaret,  // "DEL"
  kEvaluate,           // "="
};

struct CalculatorKey {
  const char* label;  // UTF-8
  int id;
  int x, y, width;  // dialog units; every key is 14 high
  KeyAction action;
  const char* text;  // what kInsert and kInsertFunction insert
};

inline constexpr int kCalculatorKeyHeight = 14;

std::span<const CalculatorKey> CalculatorKeys();

}  // namespace zv::annot
