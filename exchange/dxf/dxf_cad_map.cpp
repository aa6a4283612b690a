#include "exchange/dxf/dxf_cad_map.h"

#include <cctype>
#include <fstream>
#include <iterator>

#include "exchange/dxf/dxf_layers.h"
#include "framework/text/encoding.h"
#include "framework/text/numbers.h"

namespace zv::dxf {
namespace {

bool IsBlank(char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; }

// The next blank-separated word from `pos` on; empty at the end.
std::string_view NextWord(std::string_view text, std::size_t& pos) {
  while (pos < text.size() && IsBlank(text[pos])) ++pos;
  const std::size_t start = pos;
  while (pos < text.size() && !IsBlank(text[pos])) ++pos;
  return text.substr(start, pos - start);
}

bool IsNumber(std::string_view word) {
  std::size_t i = word.size() && (word[0] == '-' || word[0] == '+') ? 1 : 0;
  return i < word.size() && std::isdigit(static_cast<unsigned char>(word[i]));
}

}  // namespace

CadMap CadMap::Load(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return {};
  const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  return Parse(text::DecodeTextFile(bytes));
}

CadMap CadMap::Parse(std::string_view text) {
  CadMap map;
  std::size_t pos = 0;
  for (;;) {
    const std::string_view name = NextWord(text, pos);
    const std::string_view number = NextWord(text, pos);
    // Reading stops at the first pair whose number is missing or no number.
    if (name.empty() || !IsNumber(number)) break;
    map.numbers_.try_emplace(std::string(name), num::ParseInt(number));
  }
  return map;
}

int32_t CadMap::Lookup(std::string_view name, int32_t missing) const {
  const auto it = numbers_.find(std::string(name));
  return it == numbers_.end() ? missing : it->second;
}

int16_t LookupCadLineType(const CadMap& lineMap, std::string_view lineType, std::string_view layer,
                          const DxfLayerTable& layers) {
  std::string_view key = lineType;
  if (key.empty() && layers.Find(layer)) key = layer;
  return static_cast<int16_t>(lineMap.Lookup(key, 1));
}

int32_t LookupCadSubgraph(const CadMap& pointMap, std::string_view blockName) {
  return pointMap.Lookup(blockName, 0);
}

}  // namespace zv::dxf
