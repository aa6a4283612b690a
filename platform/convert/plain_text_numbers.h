#pragma once
// Numbers of the plain-text exchange files: written and read without any
// locale, reals in their shortest form that reads back exactly.

#include <charconv>
#include <string>
#include <string_view>

namespace zv::convert {

template <typename T>
void AppendNumber(std::string& out, T value) {
  char buffer[64];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  out.append(buffer, result.ptr);
}

// The whole token as a number of type T; false for anything else.
template <typename T>
bool ParseNumber(std::string_view token, T& value) {
  const char* first = token.data();
  if (!token.empty() && token.front() == '+') ++first;
  const auto result = std::from_chars(first, token.data() + token.size(), value);
  return result.ec == std::errc() && result.ptr == token.data() + token.size();
}

}  // namespace zv::convert
