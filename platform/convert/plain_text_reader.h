#pragma once
// Reading a plain-text exchange file (layout in docs/platform-files.md)
// into an empty work area of the file's kind. The file is read whole or not
// at all: a bad header, a short record, a count beyond the data, a value
// of the wrong form or a coordinate that is no finite number refuses it
// with a message naming the line, and the area is left empty. Counts in
// the file are never trusted for reservations.

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/data/work_area.h"

namespace zv::convert {

struct PlainTextRead {
  bool ok = false;
  std::string error;  // the user's message (without the file's name) when not ok
  int64_t entities = 0;
};

// `bytes` as the file holds them (GBK or UTF-8; LF or CR LF).
PlainTextRead ReadPlainText(std::string_view bytes, WorkAreaHandle area);

// The file at `path`; the message names the file.
PlainTextRead ReadPlainTextFile(const std::string& path, WorkAreaHandle area);

}  // namespace zv::convert
