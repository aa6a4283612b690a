#include "geodesy/point_text.h"

#include "framework/text/encoding.h"
#include "framework/text/numbers.h"

namespace zv::point_text {
namespace {

// Calls f(line) for every line, ended by LF, CR LF or CR; a last line
// without an end counts.
template <class F>
void ForEachLine(std::string_view text, F&& f) {
  std::size_t i = 0;
  while (i < text.size()) {
    std::size_t end = text.find_first_of("\r\n", i);
    if (end == std::string_view::npos) end = text.size();
    f(text.substr(i, end - i));
    i = end;
    if (i < text.size() && text[i] == '\r') ++i;
    if (i < text.size() && text[i] == '\n') ++i;
  }
}

std::string Trim(std::string_view s) {
  const std::size_t first = s.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  return std::string(s.substr(first, s.find_last_not_of(" \t") + 1 - first));
}

}  // namespace

std::vector<std::vector<std::string>> ParseClipboardRows(std::string_view text, std::size_t count,
                                                         std::size_t maxCharacters) {
  std::vector<std::vector<std::string>> rows;
  ForEachLine(text, [&](std::string_view line) {
    std::vector<std::string> fields(count);
    std::size_t n = 0, k = 0;
    while (n < count) {
      k = line.find_first_not_of("\t, ", k);
      if (k == std::string_view::npos) break;
      const std::size_t stop = line.find_first_of("\t, ", k);
      fields[n++] = text::CutToCharacters(
          line.substr(k, stop == std::string_view::npos ? std::string_view::npos : stop - k), maxCharacters);
      k = stop;
    }
    rows.push_back(std::move(fields));
  });
  return rows;
}

std::vector<Fields> ParseClipboard(std::string_view text, std::size_t maxCharacters) {
  std::vector<Fields> rows;
  for (std::vector<std::string>& f : ParseClipboardRows(text, 3, maxCharacters))
    rows.push_back({std::move(f[0]), std::move(f[1]), std::move(f[2])});
  return rows;
}

std::vector<Fields> ReadFile(std::string_view bytes) {
  const std::string contents = text::DecodeTextFile(bytes);
  std::vector<Fields> rows;
  ForEachLine(contents, [&](std::string_view line) {
    Fields f;
    const std::size_t c1 = line.find(',');
    f[0] = Trim(line.substr(0, c1));
    if (c1 != std::string_view::npos) {
      const std::size_t c2 = line.find(',', c1 + 1);
      f[1] = Trim(line.substr(c1 + 1, c2 == std::string_view::npos ? std::string_view::npos : c2 - c1 - 1));
      if (c2 != std::string_view::npos) {
        std::string rest;
        for (char c : line.substr(c2 + 1))
          if (c != ',') rest += c;
        f[2] = Trim(rest);
      }
    }
    rows.push_back(f);
  });
  return rows;
}

std::optional<std::array<double, 3>> SymbolAngle(std::string_view text) {
  constexpr std::string_view kMarks[] = {"°", "′", "″"};
  std::array<double, 3> parts{0, 0, 0};
  std::size_t at = 0;
  bool any = false;
  for (int i = 0; i < 3; ++i) {
    const std::size_t mark = text.find(kMarks[i], at);
    if (mark == std::string_view::npos) continue;
    const std::string_view number = text.substr(at, mark - at);
    if (number.find_first_not_of(" 0123456789.") != std::string_view::npos) return std::nullopt;
    parts[i] = num::ParseDouble(number);
    at = mark + kMarks[i].size();
    any = true;
  }
  if (!any || text.find_first_not_of(' ', at) != std::string_view::npos) return std::nullopt;
  return parts;
}

std::optional<double> ParseNumber(const std::string& typed) {
  const std::size_t first = typed.find_first_not_of(" \t");
  if (first == std::string::npos) return std::nullopt;
  const std::string text = typed.substr(first, typed.find_last_not_of(" \t") + 1 - first);
  // A plain decimal number and nothing else.
  std::size_t i = text[0] == '-' || text[0] == '+' ? 1 : 0;
  int digits = 0, points = 0;
  for (; i < text.size(); ++i) {
    if (text[i] >= '0' && text[i] <= '9') {
      ++digits;
    } else if (text[i] == '.' && ++points == 1) {
      continue;
    } else {
      return std::nullopt;
    }
  }
  if (digits == 0) return std::nullopt;
  return num::ParseDouble(text);
}

std::string Join(const std::vector<Fields>& rows, std::string_view separator) { return JoinRows(rows, separator); }

}  // namespace zv::point_text
