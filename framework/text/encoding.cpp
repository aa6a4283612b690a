#include "framework/text/encoding.h"

#include <iconv.h>

#include <algorithm>
#include <cerrno>
#include <stdexcept>

#include "framework/text/utf16.h"

namespace zv::text {
namespace {

// One iconv descriptor per direction and thread: descriptors keep shift
// state and are not safe to share.
class Converter {
 public:
  Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {
    if (cd_ == reinterpret_cast<iconv_t>(-1)) throw std::runtime_error(std::string("iconv cannot convert ") + from + " to " + to);
  }
  ~Converter() { iconv_close(cd_); }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;
  iconv_t get() {
    iconv(cd_, nullptr, nullptr, nullptr, nullptr);
    return cd_;
  }

 private:
  iconv_t cd_;
};

iconv_t Utf8ToGbk() {
  thread_local Converter c("GBK", "UTF-8");
  return c.get();
}

iconv_t Gb18030ToUtf8() {
  thread_local Converter c("UTF-8", "GB18030");
  return c.get();
}

// Length of the UTF-8 sequence that starts with this byte (1 for a stray
// continuation or invalid lead byte, so callers always make progress).
std::size_t SequenceLength(unsigned char lead) {
  if (lead < 0xC0) return 1;
  if (lead < 0xE0) return 2;
  if (lead < 0xF0) return 3;
  if (lead < 0xF8) return 4;
  return 1;
}

// Appends the GBK form of one UTF-8 character; false when GBK cannot hold it.
bool EncodeChar(std::string_view ch, std::string& out) {
  char buffer[8];
  char* in = const_cast<char*>(ch.data());
  std::size_t inLeft = ch.size();
  char* outPtr = buffer;
  std::size_t outLeft = sizeof buffer;
  if (iconv(Utf8ToGbk(), &in, &inLeft, &outPtr, &outLeft) == static_cast<std::size_t>(-1) || inLeft != 0) return false;
  // The converter gives "€" the single byte 0x80, which no GB18030 reader
  // (ours included) takes back: such a character counts as one GBK lacks.
  if (outPtr - buffer == 1) return false;
  out.append(buffer, outPtr);
  return true;
}

template <typename PerChar>
void ForEachChar(std::string_view utf8, PerChar&& perChar) {
  std::size_t i = 0;
  while (i < utf8.size()) {
    std::size_t n = SequenceLength(static_cast<unsigned char>(utf8[i]));
    if (i + n > utf8.size()) n = utf8.size() - i;
    if (!perChar(utf8.substr(i, n))) return;
    i += n;
  }
}

// The code point of one UTF-8 character as ForEachChar cuts them; U+FFFD
// for a malformed one.
char32_t CodePointOf(std::string_view ch) {
  const auto lead = static_cast<unsigned char>(ch[0]);
  const std::size_t n = SequenceLength(lead);
  if (n == 1 || ch.size() != n) return lead < 0x80 ? lead : 0xFFFD;
  char32_t c = lead & (0x7F >> n);
  for (std::size_t i = 1; i < n; ++i) c = (c << 6) | (static_cast<unsigned char>(ch[i]) & 0x3F);
  return c;
}

// GBK bytes of the text; `unmappable` writes what stands for a character GBK
// cannot hold.
template <typename Unmappable>
std::string EncodeGbk(std::string_view utf8, Unmappable&& unmappable) {
  std::string out;
  out.reserve(utf8.size());
  ForEachChar(utf8, [&](std::string_view ch) {
    if (static_cast<unsigned char>(ch[0]) < 0x80) {
      out.push_back(ch[0]);
    } else if (!EncodeChar(ch, out)) {
      unmappable(ch, out);
    }
    return true;
  });
  return out;
}

}  // namespace

std::string ToGbk(std::string_view utf8, bool* lossy) {
  bool replaced = false;
  std::string out = EncodeGbk(utf8, [&](std::string_view, std::string& to) {
    to.push_back('?');
    replaced = true;
  });
  if (lossy) *lossy = replaced;
  return out;
}

std::string ToGbkEscaped(std::string_view utf8, std::string (*escape)(char32_t)) {
  return EncodeGbk(utf8, [&](std::string_view ch, std::string& to) { to += escape(CodePointOf(ch)); });
}

std::string GbkHeld(std::string_view utf8) {
  return FromGbk(ToGbkEscaped(utf8, [](char32_t) { return std::string("_"); }));
}

std::string FromGbk(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size() * 3 / 2 + 4);
  iconv_t cd = Gb18030ToUtf8();
  std::size_t i = 0;
  while (i < bytes.size()) {
    unsigned char c = static_cast<unsigned char>(bytes[i]);
    if (c < 0x80) {
      out.push_back(static_cast<char>(c));
      ++i;
      continue;
    }
    char buffer[64];
    char* in = const_cast<char*>(bytes.data() + i);
    std::size_t inLeft = bytes.size() - i;
    char* outPtr = buffer;
    std::size_t outLeft = sizeof buffer;
    std::size_t r = iconv(cd, &in, &inLeft, &outPtr, &outLeft);
    out.append(buffer, outPtr);
    i = bytes.size() - inLeft;
    if (r == static_cast<std::size_t>(-1) && errno != E2BIG) {
      out += "\xEF\xBF\xBD";
      ++i;
      iconv(cd, nullptr, nullptr, nullptr, nullptr);
    }
  }
  return out;
}

std::size_t GbkLength(std::string_view utf8) { return ToGbk(utf8).size(); }

std::string CutToGbkBytes(std::string_view utf8, std::size_t maxBytes) {
  std::size_t used = 0;
  std::size_t end = 0;
  std::string scratch;
  ForEachChar(utf8, [&](std::string_view ch) {
    std::size_t len = 1;
    if (static_cast<unsigned char>(ch[0]) >= 0x80) {
      scratch.clear();
      len = EncodeChar(ch, scratch) ? scratch.size() : 1;
    }
    if (used + len > maxBytes) return false;
    used += len;
    end = static_cast<std::size_t>(ch.data() + ch.size() - utf8.data());
    return true;
  });
  return std::string(utf8.substr(0, end));
}

std::size_t Utf8CutLength(std::string_view utf8, std::size_t maxBytes) {
  if (utf8.size() <= maxBytes) return utf8.size();
  std::size_t n = maxBytes;
  while (n > 0 && (static_cast<unsigned char>(utf8[n]) & 0xC0) == 0x80) --n;
  return n;
}

double WidthInCharUnits(std::string_view utf8) { return static_cast<double>(GbkLength(utf8)) / 2.0; }

std::size_t CharacterCount(std::string_view utf8) {
  std::size_t count = 0;
  ForEachChar(utf8, [&](std::string_view) {
    ++count;
    return true;
  });
  return count;
}

void AppendUtf8(std::string& out, char32_t c) {
  if (c == 0 || (c >= 0xD800 && c <= 0xDFFF) || c > 0x10FFFF) c = 0xFFFD;
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

std::string CutToCharacters(std::string_view utf8, std::size_t maxCharacters) {
  std::size_t count = 0, bytes = 0;
  ForEachChar(utf8, [&](std::string_view ch) {
    if (count == maxCharacters) return false;
    ++count;
    bytes += ch.size();
    return true;
  });
  return std::string(utf8.substr(0, bytes));
}

bool IsValidUtf8(std::string_view bytes) {
  const auto* s = reinterpret_cast<const unsigned char*>(bytes.data());
  std::size_t n = bytes.size();
  std::size_t i = 0;
  while (i < n) {
    unsigned char c = s[i];
    if (c < 0x80) {
      ++i;
      continue;
    }
    std::size_t len;
    unsigned cp;
    if (c >= 0xC2 && c <= 0xDF) {
      len = 2;
      cp = c & 0x1F;
    } else if (c >= 0xE0 && c <= 0xEF) {
      len = 3;
      cp = c & 0x0F;
    } else if (c >= 0xF0 && c <= 0xF4) {
      len = 4;
      cp = c & 0x07;
    } else {
      return false;
    }
    if (i + len > n) return false;
    for (std::size_t k = 1; k < len; ++k) {
      if ((s[i + k] & 0xC0) != 0x80) return false;
      cp = (cp << 6) | (s[i + k] & 0x3F);
    }
    if ((len == 3 && cp < 0x800) || (len == 4 && (cp < 0x10000 || cp > 0x10FFFF)) || (cp >= 0xD800 && cp <= 0xDFFF))
      return false;
    i += len;
  }
  return true;
}

namespace {
constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LeBom = "\xFF\xFE";
constexpr std::string_view kUtf16BeBom = "\xFE\xFF";
}

TextEncoding DetectEncoding(std::string_view bytes) {
  if (bytes.substr(0, 2) == kUtf16LeBom) return TextEncoding::Utf16Le;
  if (bytes.substr(0, 2) == kUtf16BeBom) return TextEncoding::Utf16Be;
  if (bytes.substr(0, 3) == kUtf8Bom || IsValidUtf8(bytes)) return TextEncoding::Utf8;
  return TextEncoding::Gb18030;
}

std::string ToValidUtf8(std::string_view bytes) {
  if (IsValidUtf8(bytes)) return std::string(bytes);
  std::string out;
  out.reserve(bytes.size() + 8);
  std::size_t i = 0;
  while (i < bytes.size()) {
    const std::size_t n = std::min(SequenceLength(static_cast<unsigned char>(bytes[i])), bytes.size() - i);
    if (n > 1 || static_cast<unsigned char>(bytes[i]) < 0x80) {
      if (IsValidUtf8(bytes.substr(i, n))) {
        out.append(bytes.substr(i, n));
        i += n;
        continue;
      }
    }
    out += "\xEF\xBF\xBD";
    ++i;
  }
  return out;
}

std::string DecodeTextFile(std::string_view bytes) {
  const TextEncoding encoding = DetectEncoding(bytes);
  if (encoding == TextEncoding::Utf16Le || encoding == TextEncoding::Utf16Be)
    return Utf16ToUtf8(bytes.substr(2), encoding == TextEncoding::Utf16Le ? ByteOrder::Little : ByteOrder::Big);
  if (bytes.substr(0, 3) == kUtf8Bom) {
    // Editors that add a mark to a file that already has one leave several.
    while (bytes.substr(0, 3) == kUtf8Bom) bytes.remove_prefix(3);
    return ToValidUtf8(bytes);
  }
  if (IsValidUtf8(bytes)) return std::string(bytes);
  return FromGbk(bytes);
}

std::string EncodeTextFile(std::string_view utf8, TextEncoding encoding) {
  if (encoding == TextEncoding::Utf16Le) return std::string(kUtf16LeBom) + Utf8ToUtf16(utf8, ByteOrder::Little);
  if (encoding == TextEncoding::Utf16Be) return std::string(kUtf16BeBom) + Utf8ToUtf16(utf8, ByteOrder::Big);
  return std::string(utf8);
}

}  // namespace zv::text
