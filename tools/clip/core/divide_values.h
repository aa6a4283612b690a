#pragma once
// The values of the dividing dialog and the checks its OK runs. No Qt.

#include <cstdint>
#include <string>
#include <variant>

namespace zv::tools {

struct DivideValues {
  bool byDistance = true;  // "定距等分线"; false: "定数等分线"
  int direction = 0;       // 0 "无方向", 1 "正方向", 2 "反方向"
  double distance = 10.0;
  int32_t parts = 100;
  double range = 0.0;  // the offset range
  bool addVertices = false;
  bool addPoints = true;
};

// The field a refusal names, with its message.
struct DivideRefusal {
  const char* field;
  std::string message;
};

// The values, or the first bad one: a distance ≤ 0 (by distance), fewer than
// one part or more than kMostDivisions (by number), a negative or infinite
// offset range.
std::variant<DivideValues, DivideRefusal> CheckDivideValues(const DivideValues& values);

}  // namespace zv::tools
