#pragma once
// UTF-16 text, as some editors save settings files, to and from the
// program's UTF-8. No byte-order mark is read or written here; the caller
// knows the byte order.

#include <string>
#include <string_view>

namespace zv::text {

enum class ByteOrder { Little, Big };

// UTF-16 bytes -> UTF-8. An unpaired surrogate or an odd last byte becomes
// U+FFFD.
std::string Utf16ToUtf8(std::string_view bytes, ByteOrder order);

// UTF-8 -> UTF-16 bytes. Malformed UTF-8 becomes U+FFFD.
std::string Utf8ToUtf16(std::string_view utf8, ByteOrder order);

}  // namespace zv::text
