#pragma once
// Point lists as text, shared by the coordinate dialogs: rows of three
// fields (a name or number and two values) read from point files and the
// clipboard and written back.
#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zv::point_text {

using Fields = std::array<std::string, 3>;

// Clipboard text: a row ends at LF, CR LF or CR, a last row without an end
// counts; fields end at runs of tabs, commas or blanks; the first three are
// kept, each cut to `maxCharacters` characters. A blank line gives a row of
// empty fields.
std::vector<Fields> ParseClipboard(std::string_view text, std::size_t maxCharacters);
// The same with `count` fields a row, missing ones empty.
std::vector<std::vector<std::string>> ParseClipboardRows(std::string_view text, std::size_t count,
                                                         std::size_t maxCharacters);

// A point file, UTF-8 when valid, else GB18030: per line the text before the
// first comma, the text up to the second, and the rest with its commas
// removed, each trimmed of blanks. A blank line gives a row of empty fields.
std::vector<Fields> ReadFile(std::string_view bytes);

// An angle written with its signs, "116°5′3.5″" (any of the three parts may
// be missing): degrees, minutes and seconds as numbers; none when the text
// has no sign or holds anything else.
std::optional<std::array<double, 3>> SymbolAngle(std::string_view text);

// A typed decimal number, blanks around it allowed, read in the C locale;
// none for anything else ("1,5", "12abc", "").
std::optional<double> ParseNumber(const std::string& text);

// The rows joined by `separator`, each line ended by CR LF.
std::string Join(const std::vector<Fields>& rows, std::string_view separator);
template <class Row>
std::string JoinRows(const std::vector<Row>& rows, std::string_view separator) {
  std::string out;
  for (const Row& row : rows) {
    for (std::size_t i = 0; i < row.size(); ++i) {
      if (i > 0) out += separator;
      out += row[i];
    }
    out += "\r\n";
  }
  return out;
}

// A dialog's own rows (any struct of three strings, in column order) as
// fields and back.
template <class Row>
std::vector<Fields> ToFields(const std::vector<Row>& rows) {
  std::vector<Fields> out;
  out.reserve(rows.size());
  for (const Row& row : rows) {
    const auto& [first, second, third] = row;
    out.push_back({first, second, third});
  }
  return out;
}
template <class Row>
std::vector<Row> FromFields(const std::vector<Fields>& fields) {
  std::vector<Row> rows;
  rows.reserve(fields.size());
  for (const Fields& f : fields) rows.push_back({f[0], f[1], f[2]});
  return rows;
}

}  // namespace zv::point_text
