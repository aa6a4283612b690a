#include "geodesy/sheet/sheet_names.h"

#include <algorithm>
#include <array>

#include "framework/fileio/file_io.h"
#include "framework/paths/app_folder.h"
#include "framework/text/encoding.h"

namespace zv::sheet {
namespace {

struct Table {
  std::string_view scale;
  const char* file;
};
constexpr std::array<Table, 9> kTables = {{{"5000", "5千图幅号.csv"},
                                          {"10000", "1万图幅号.csv"},
                                          {"25000", "2.5万图幅号.csv"},
                                          {"50000", "5万图幅号.csv"},
                                          {"100000", "10万图幅号.csv"},
                                          {"200000", "20万图幅号.csv"},
                                          {"250000", "25万图幅号.csv"},
                                          {"500000", "50万图幅号.csv"},
                                          {"1000000", "100万图幅号.csv"}}};

// A field's characters kept, as many as the table's fields hold.
constexpr std::size_t kFieldCharacters = 51;

std::string WithoutBlanks(std::string_view field) {
  std::string out;
  for (std::size_t i = 0; i < field.size(); ++i) {
    const char c = field[i];
    if (c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f') continue;
    if (field.compare(i, 3, "\xE3\x80\x80") == 0) {  // the full-width blank
      i += 2;
      continue;
    }
    out += c;
  }
  return out;
}

std::string Cut(const std::string& field) { return text::CutToCharacters(field, kFieldCharacters); }

// The n-th comma-separated field of a line (0-based); none past the end.
std::optional<std::string_view> Field(std::string_view line, int n) {
  std::size_t start = 0;
  for (int i = 0; i < n; ++i) {
    const std::size_t comma = line.find(',', start);
    if (comma == std::string_view::npos) return std::nullopt;
    start = comma + 1;
  }
  const std::size_t end = line.find(',', start);
  return line.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start);
}

}  // namespace

std::string SheetNameTable(std::string_view scale) {
  for (const Table& t : kTables)
    if (t.scale == scale) return t.file;
  return {};
}

std::optional<std::string> FindSheetName(const std::string& tablePath, std::string_view number) {
  std::string bytes;
  if (!fileio::ReadWholeFile(tablePath, bytes)) return std::nullopt;
  std::string contents = text::DecodeTextFile(bytes);
  // A table saved with CR alone at its line ends (as some spreadsheets do)
  // is still a table of lines.
  if (contents.find('\n') == std::string::npos) std::replace(contents.begin(), contents.end(), '\r', '\n');
  const std::string_view text(contents);
  // Only a line holding the number, or a blank that may split it, can
  // match; the next place of each is kept, so the table is scanned once.
  const std::string_view kinds[] = {number, " ", "\t", "\xE3\x80\x80"};
  std::size_t next[4] = {0, 0, 0, 0};
  std::size_t at = text.find('\n');  // the header is no row
  while (at != std::string_view::npos && ++at < text.size()) {
    std::size_t candidate = std::string_view::npos;
    for (int k = 0; k < 4; ++k) {
      if (next[k] != std::string_view::npos && next[k] < at) next[k] = text.find(kinds[k], at);
      candidate = std::min(candidate, next[k]);
    }
    if (candidate == std::string_view::npos) break;
    const std::size_t begin = text.rfind('\n', candidate) + 1;  // after the header's end, so never npos + 1 = 0
    const std::size_t eol = text.find('\n', candidate);
    const std::string_view line = text.substr(begin, eol == std::string_view::npos ? std::string_view::npos : eol - begin);
    at = eol;
    const auto sixth = Field(line, 5);
    if (!sixth || Cut(WithoutBlanks(*sixth)) != number) continue;
    const auto seventh = Field(line, 6);
    return seventh ? Cut(WithoutBlanks(*seventh)) : std::string();
  }
  return std::nullopt;
}

std::optional<std::string> LookUpSheetName(std::string_view scale, std::string_view number) {
  const std::string file = SheetNameTable(scale);
  if (file.empty() || number.empty()) return std::nullopt;
  return FindSheetName(paths::DataFile(file), number);
}

}  // namespace zv::sheet
