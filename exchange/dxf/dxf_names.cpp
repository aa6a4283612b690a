#include "exchange/dxf/dxf_names.h"

#include <algorithm>
#include <cctype>

namespace zv::dxf {
namespace {

std::string Upper(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::toupper(c); });
  return text;
}

void ReplaceAll(std::string& text, std::string_view what, std::string_view with) {
  for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + with.size()))
    text.replace(at, what.size(), with);
}

}  // namespace

std::string NumberedDistinct(const std::string& name, std::set<std::string>& used, bool ignoreCase) {
  const auto key = [&](const std::string& candidate) { return ignoreCase ? Upper(candidate) : candidate; };
  std::string candidate = name;
  for (int n = 2; used.count(key(candidate)); ++n) candidate = name + "_" + std::to_string(n);
  used.insert(key(candidate));
  return candidate;
}

std::string DxfLayerNameOfFile(std::string_view path, std::set<std::string>& used) {
  const std::size_t slash = path.find_last_of("/\\");
  std::string name(slash == std::string_view::npos ? path : path.substr(slash + 1));
  const std::size_t dot = name.rfind('.');
  if (dot != std::string::npos) name.erase(dot, 1);
  for (char& c : name) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte < 0x20 || std::string_view(" ()<>/\\\":;?*|,=`").find(c) != std::string_view::npos) c = '_';
  }
  ReplaceAll(name, "（", "_");
  ReplaceAll(name, "）", "_");
  if (name.empty()) name = "_";
  return NumberedDistinct(name, used, true);
}

}  // namespace zv::dxf
