#include "platform/display/colour_table.h"

#include <algorithm>
#include <limits>

#include "framework/text/numbers.h"

namespace zv::display {
namespace {

constexpr Rgb kBasic[] = {{0, 0, 0},       {0, 0, 0},       {0, 0, 255},     {0, 176, 0},     {0, 200, 200},
                          {96, 160, 255},  {255, 0, 0},     {255, 0, 255},   {150, 90, 30},   {255, 255, 255},
                          {96, 96, 96},    {160, 160, 160}, {210, 210, 210}, {0, 0, 128},     {255, 255, 0},
                          {255, 255, 255}, {255, 128, 0}};

constexpr int kHighestNumber = 32767;

std::uint32_t Key(Rgb c) { return (static_cast<std::uint32_t>(c.r) << 16) | (c.g << 8) | c.b; }

bool Fail(std::string* error, std::string message) {
  if (error) *error = std::move(message);
  return false;
}

std::vector<std::string_view> Fields(std::string_view line) {
  std::vector<std::string_view> fields;
  std::size_t i = 0;
  while (i < line.size()) {
    while (i < line.size() && (line[i] == ' ' || line[i] == '\t')) ++i;
    std::size_t start = i;
    while (i < line.size() && line[i] != ' ' && line[i] != '\t') ++i;
    if (i > start) fields.push_back(line.substr(start, i - start));
  }
  return fields;
}

bool IsInteger(std::string_view field) {
  return !field.empty() && std::all_of(field.begin(), field.end(), [](char c) { return c >= '0' && c <= '9'; }) &&
         field.size() <= 6;
}

}  // namespace

Kcmy RgbToKcmy(Rgb c) {
  const int k = 255 - std::max({c.r, c.g, c.b});
  if (k == 255) return {255, 0, 0, 0};
  const int rest = 255 - k;
  auto part = [&](int v) { return ((255 - v - k) * 255 + rest / 2) / rest; };
  return {k, part(c.r), part(c.g), part(c.b)};
}

ColourTable ColourTable::Plain() {
  ColourTable table;
  table.rgb_.assign(std::begin(kBasic), std::end(kBasic));
  table.rgb_[0] = {255, 255, 255};
  table.defined_.assign(table.rgb_.size(), true);
  table.defined_[0] = false;
  for (int n = table.Count() - 1; n >= 1; --n) table.exact_[Key(table.rgb_[n])] = n;
  return table;
}

std::optional<ColourTable> ColourTable::Parse(std::string_view text, std::string* error) {
  ColourTable table;
  std::size_t lineNo = 0;
  bool sawHeader = false;
  std::size_t pos = 0;
  while (pos <= text.size()) {
    std::size_t end = text.find('\n', pos);
    if (end == std::string_view::npos) end = text.size();
    std::string_view line = text.substr(pos, end - pos);
    pos = end + 1;
    ++lineNo;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (!sawHeader) {
      if (line != "ZVCOLOR 1") {
        Fail(error, "not a colour table (first line is not \"ZVCOLOR 1\")");
        return std::nullopt;
      }
      sawHeader = true;
      continue;
    }
    const auto fields = Fields(line);
    if (fields.empty() || fields[0][0] == '#') continue;
    const bool wellFormed = fields.size() == 4 && std::all_of(fields.begin(), fields.end(), IsInteger);
    const int number = wellFormed ? num::ParseInt(fields[0]) : 0;
    const Rgb rgb = wellFormed ? Rgb{num::ParseInt(fields[1]), num::ParseInt(fields[2]), num::ParseInt(fields[3])}
                               : Rgb{};
    if (!wellFormed || number < 1 || number > kHighestNumber || rgb.r > 255 || rgb.g > 255 || rgb.b > 255) {
      Fail(error, "line " + std::to_string(lineNo) + " is not \"number red green blue\" with values 0-255");
      return std::nullopt;
    }
    if (number >= table.Count()) {
      table.rgb_.resize(number + 1);
      table.defined_.resize(number + 1, false);
    }
    table.rgb_[number] = rgb;
    table.defined_[number] = true;
  }
  if (table.Count() < 2) {
    Fail(error, "the colour table lists no colour");
    return std::nullopt;
  }
  table.rgb_[0] = {255, 255, 255};
  for (int n = table.Count() - 1; n >= 1; --n)
    if (table.defined_[n]) table.exact_[Key(table.rgb_[n])] = n;
  return table;
}

bool ColourTable::Has(long number) const { return number >= 1 && number < Count() && defined_[number]; }

Rgb ColourTable::ToRgb(long number) const {
  if (number == 0) return rgb_.empty() ? Rgb{255, 255, 255} : rgb_[0];
  return Has(number) ? rgb_[number] : Rgb{};
}

int ColourTable::Nearest(Rgb rgb) const {
  if (auto it = exact_.find(Key(rgb)); it != exact_.end()) return it->second;
  int best = 1;
  long bestDistance = std::numeric_limits<long>::max();
  for (int n = 1; n < Count(); ++n) {
    if (!defined_[n]) continue;
    const long dr = rgb_[n].r - rgb.r, dg = rgb_[n].g - rgb.g, db = rgb_[n].b - rgb.b;
    const long d = dr * dr + dg * dg + db * db;
    if (d < bestDistance) {
      bestDistance = d;
      best = n;
    }
  }
  return best;
}

}  // namespace zv::display
