#pragma once
// Writing a point, line or region work area as a plain-text exchange file
// (layout in docs/platform-files.md): the live entities in id order with
// their parameters, then the attribute structure and every entity's values.
// Texts go out in GBK, numbers in the C locale, reals in their shortest
// exact form, so a file read back gives the same positions and values.

#include <string>

#include "platform/data/work_area.h"

namespace zv::convert {

// The file's bytes; empty for an area that is no point, line or region area.
std::string PlainTextBytes(WorkAreaHandle area);

// Writes the file through a temporary file renamed over `path`; false with
// the reason in `error` (the old file stays as it was).
bool SavePlainTextFile(const std::string& path, WorkAreaHandle area, std::string* error);

}  // namespace zv::convert
