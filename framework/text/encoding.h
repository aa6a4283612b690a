#pragma once
// Text inside the program is UTF-8. The platform's files, fixed-size text
// fields and exchange files hold GBK; where the program counts the bytes of a
// text (lengths, cuts, thresholds) it counts the bytes of its GBK form.

#include <cstddef>
#include <string>
#include <string_view>

namespace zv::text {

// UTF-8 -> GBK. GBK only: a character GBK cannot hold is written as "?" (never
// as a four-byte GB18030 sequence) and `lossy`, when given, is set to true.
std::string ToGbk(std::string_view utf8, bool* lossy = nullptr);

// UTF-8 -> GBK, with each character GBK cannot hold written as what
// `escape` makes of its code point (a stray byte of malformed UTF-8 counts as
// U+FFFD).
std::string ToGbkEscaped(std::string_view utf8, std::string (*escape)(char32_t codePoint));

// The UTF-8 text as GBK holds it: each character GBK cannot hold (an emoji)
// becomes "_", so a name stays itself and distinct from others after a trip
// through a GBK file, instead of turning into "?".
std::string GbkHeld(std::string_view utf8);

// GBK or GB18030 bytes -> UTF-8. A malformed byte sequence becomes U+FFFD.
std::string FromGbk(std::string_view bytes);

// The number of bytes of the text's GBK form (characters GBK cannot hold count
// as the one byte of their "?").
std::size_t GbkLength(std::string_view utf8);

// The longest prefix of the text whose GBK form has at most maxBytes bytes;
// cuts only between characters.
std::string CutToGbkBytes(std::string_view utf8, std::size_t maxBytes);

// The length of the longest prefix of the UTF-8 text with at most maxBytes
// bytes that ends between characters.
std::size_t Utf8CutLength(std::string_view utf8, std::size_t maxBytes);

// The platform's text width in character units: GBK bytes / 2, so a Chinese
// character is one unit and an ASCII character half a unit.
double WidthInCharUnits(std::string_view utf8);

// The platform's character count: every character counts one.
std::size_t CharacterCount(std::string_view utf8);

// Appends the character as UTF-8; surrogates, NUL and values beyond
// U+10FFFF become U+FFFD.
void AppendUtf8(std::string& out, char32_t c);

// The first `maxCharacters` characters of the text (list cells and table
// fields are cut by characters, never inside one).
std::string CutToCharacters(std::string_view utf8, std::size_t maxCharacters);

// True when the bytes are well-formed UTF-8.
bool IsValidUtf8(std::string_view bytes);

enum class TextEncoding { Utf8, Gb18030, Utf16Le, Utf16Be };

// UTF-16 when the bytes start with its byte-order mark (FF FE little-endian,
// FE FF big-endian); UTF-8 when they carry a UTF-8 byte-order mark or are
// valid UTF-8; else GB18030.
TextEncoding DetectEncoding(std::string_view bytes);

// The bytes with every malformed UTF-8 sequence replaced by U+FFFD.
std::string ToValidUtf8(std::string_view bytes);

// The contents of a text file as UTF-8, by DetectEncoding; a BOM is dropped.
// The result is always valid UTF-8, even when a BOM promised more than the
// bytes keep.
std::string DecodeTextFile(std::string_view bytes);

// The bytes of a text file that keeps the encoding it was read in: UTF-16
// with its byte-order mark; UTF-8 for the others (the program writes no
// GB18030 text files).
std::string EncodeTextFile(std::string_view utf8, TextEncoding encoding);

}  // namespace zv::text
