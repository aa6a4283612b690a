// The legend folder, its file names and the number rule.
#include <algorithm>
#include <filesystem>
#include <system_error>

#include "framework/paths/app_folder.h"
#include "framework/text/encoding.h"
#include "framework/text/numbers.h"
#include "panels/core/legend_item_file.h"

namespace zv::panels {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kExtension = ".TL";
constexpr std::string_view kReserved = "/\\<>:\"|?*";

bool EqualsNoCase(std::string_view a, std::string_view b) {
  return std::ranges::equal(a, b, [](char x, char y) {
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    return lower(x) == lower(y);
  });
}

// A number is taken by any file whose name begins with its four characters.
bool TakenIn(const std::vector<std::string>& names, std::string_view number) {
  const std::string_view digits = number.substr(0, 4);
  return std::ranges::any_of(names, [&](const std::string& name) { return std::string_view(name).substr(0, 4) == digits; });
}

}  // namespace

std::string LegendFolder() {
  std::string folder = paths::DataFile("TL");
  if (folder.empty() || folder.back() != '/') folder += '/';
  return folder;
}

bool MakeLegendFolder(std::string* error) {
  const std::string folder = LegendFolder();
  std::error_code ec;
  fs::create_directories(folder, ec);
  if (fs::is_directory(folder, ec)) return true;
  if (error) *error = "无法创建图例文件夹: " + folder;
  return false;
}

std::string LegendNumberText(int number) {
  std::string text = std::to_string(number);
  if (text.size() < 4) text.insert(0, 4 - text.size(), '0');
  return text;
}

int LegendNumberValue(std::string_view text) { return num::ParseInt(text.substr(0, 4)); }

std::string CleanLegendName(std::string_view name) {
  std::string clean(name);
  for (char& c : clean) {
    const auto u = static_cast<unsigned char>(c);
    if (u < 0x20 || u == 0x7F || kReserved.find(c) != std::string_view::npos) c = '_';
  }
  // A character GBK cannot hold (an emoji) would be "?" in the header but
  // itself in the file name, and a later reorder would rename the file after
  // the header: it becomes "_" in both.
  return text::CutToGbkBytes(text::GbkHeld(clean), kLegendNameBytes);
}

std::string LegendFileName(std::string_view number, std::string_view name) {
  std::string fileName(number);
  fileName += '_';
  fileName += name;
  fileName += kExtension;
  return fileName;
}

bool IsLegendItemFileName(std::string_view fileName, std::string_view number) {
  if (number.size() != 4 || fileName.size() < 4 + 1 + kExtension.size()) return false;
  return fileName.substr(0, 4) == number && fileName[4] == '_' &&
         EqualsNoCase(fileName.substr(fileName.size() - kExtension.size()), kExtension);
}

std::string LegendNamePart(std::string_view fileName) {
  if (fileName.size() < 4 + 1 + kExtension.size()) return {};
  return std::string(fileName.substr(5, fileName.size() - 5 - kExtension.size()));
}

std::vector<std::string> ListLegendFolder() {
  std::vector<std::string> names;
  std::error_code ec;
  for (fs::directory_iterator it(LegendFolder(), ec), end; !ec && it != end; it.increment(ec)) {
    std::error_code typeError;
    if (it->is_regular_file(typeError)) names.push_back(it->path().filename().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

bool IsLegendNumberTaken(std::string_view number) { return TakenIn(ListLegendFolder(), number); }

std::optional<std::string> NextFreeLegendNumber(std::string* error) {
  const std::vector<std::string> names = ListLegendFolder();
  for (int number = 1; number <= kLegendLastNumber; ++number) {
    std::string text = LegendNumberText(number);
    if (!TakenIn(names, text)) return text;
  }
  if (error) *error = "图例编号 0001 至 9999 都已使用，请先删除不用的图例。";
  return std::nullopt;
}

std::string FindLegendItemFile(std::string_view number) {
  for (const std::string& name : ListLegendFolder()) {
    if (IsLegendItemFileName(name, number)) return LegendFolder() + name;
  }
  return {};
}

}  // namespace zv::panels
