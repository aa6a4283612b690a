#include "zavediz/dialogs/title_block_file.h"

#include <variant>
#include <vector>

#include "framework/fileio/file_io.h"
#include "framework/paths/app_folder.h"
#include "framework/text/encoding.h"
#include "framework/text/numbers.h"
#include "zavediz/dialogs/text_lines.h"

namespace zv::zavediz {

namespace {

using FileField = std::variant<std::string*, int*, double*>;

// The fields in the order of the file's lines. The rows of the label, order
// and height runs follow the same sequence (with the unit and the title
// among the heights).
std::vector<FileField> FileFields(TitleBlockValues& v) {
  auto& a = v.column1;
  auto& b = v.column2;
  const std::array<TitleBlockRowValues*, 12> rows = {&a[0], &a[1], &b[2], &a[2], &a[4], &a[5],
                                                     &b[3], &b[4], &a[3], &b[1], &b[0], &b[5]};
  std::vector<FileField> fields = {
      &a[0].content, &a[1].content, &b[2].content, &a[2].content, &a[4].content, &a[5].content, &b[3].content,
      &v.topographicScale,
      &b[4].content, &v.unit, &a[3].content, &b[1].content, &v.title, &b[0].content,
      &v.sectionScale, &v.lowestElevation,
      &b[5].content,
  };
  for (TitleBlockRowValues* row : rows) fields.emplace_back(&row->label);
  for (TitleBlockRowValues* row : rows) fields.emplace_back(&row->order);
  for (double* width : {&v.totalWidth, &v.column1ContentWidth, &v.column2ContentWidth, &v.column1LabelWidth,
                        &v.column2LabelWidth}) {
    fields.emplace_back(width);
  }
  for (double* height : {&a[0].height, &a[1].height, &b[2].height, &a[2].height, &a[4].height, &a[5].height,
                         &b[3].height, &b[4].height, &v.unitHeight, &a[3].height, &b[1].height, &v.titleHeight,
                         &b[0].height, &b[5].height}) {
    fields.emplace_back(height);
  }
  return fields;
}

std::string OneLine(std::string text) {
  for (char& c : text) {
    if (c == '\r' || c == '\n') c = ' ';
  }
  return text;
}

struct FieldWriter {
  std::string operator()(std::string* text) const { return OneLine(*text); }
  std::string operator()(int* number) const { return num::FormatInt(*number); }
  std::string operator()(double* size) const { return num::Format("%.1f", *size); }
};

struct FieldReader {
  std::string_view line;
  void operator()(std::string* text) const { *text = std::string(line); }
  void operator()(int* number) const { *number = num::ParseInt(line); }
  void operator()(double* size) const { *size = num::ParseDouble(line); }
};

}  // namespace

std::string FormatTitleBlockFile(const TitleBlockValues& values) {
  TitleBlockValues copy = values;
  std::string out;
  for (const FileField& field : FileFields(copy)) {
    out += std::visit(FieldWriter{}, field);
    out += "\r\n";
  }
  return out;
}

TitleBlockValues ParseTitleBlockFile(std::string_view bytes) {
  const std::string text = text::DecodeTextFile(bytes);
  TitleBlockValues values;
  std::string_view rest = text;
  for (const FileField& field : FileFields(values)) {
    std::visit(FieldReader{TakeLine(rest)}, field);
  }
  LimitTitleTexts(values);
  return values;
}

std::string TitleBlockFilePath() { return paths::DataFile("LaberNote.sec"); }

bool LoadTitleBlockFile(TitleBlockValues& values, const std::string& path) {
  std::string bytes;
  if (!fileio::ReadWholeFile(path, bytes)) return false;
  values = ParseTitleBlockFile(bytes);
  return true;
}

bool SaveTitleBlockFile(const TitleBlockValues& values, const std::string& path) {
  return fileio::WriteFileAtomically(path, FormatTitleBlockFile(values));
}

}  // namespace zv::zavediz
