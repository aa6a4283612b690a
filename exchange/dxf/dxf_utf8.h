#pragma once
// Small UTF-8 helpers of the DXF reader.

#include <cstdint>
#include <string>
#include <string_view>

namespace zv::dxf {

// `count` hex digits at `pos` as a number, or −1.
long HexAt(std::string_view text, std::size_t pos, std::size_t count);

// Replaces every "\U+XXXX" by its character. Writers use these escapes in
// any text or name for characters outside the file's code page.
std::string DecodeUnicodeEscapes(std::string_view text);

}  // namespace zv::dxf
