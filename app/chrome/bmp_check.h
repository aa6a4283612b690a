#pragma once
// The checks a background bitmap passes before it is drawn: a Windows 3.0
// BMP ("BM", a file size field equal to the file's length, a 40-byte info
// header within the file, and as many pixel bytes as its rows need). Each
// refusal carries the message the user is shown.

#include <string>
#include <string_view>

namespace zv::chrome {

struct BmpCheck {
  bool ok = false;
  std::string message;  // empty when ok
};

BmpCheck CheckBmp(std::string_view bytes);

}  // namespace zv::chrome
