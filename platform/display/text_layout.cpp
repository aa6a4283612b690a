#include "platform/display/text_layout.h"

#include <algorithm>

#include "framework/text/encoding.h"

namespace zv::display {
namespace {

constexpr double kScriptScale = 0.6;
constexpr double kRaise = 0.55;
constexpr double kLower = -0.2;
constexpr double kLabelScale = 0.5;

std::vector<std::string> SplitCharacters(std::string_view utf8) {
  std::vector<std::string> out;
  for (std::size_t i = 0; i < utf8.size();) {
    const unsigned char c = static_cast<unsigned char>(utf8[i]);
    std::size_t n = c < 0x80 ? 1 : (c >> 5) == 0x6 ? 2 : (c >> 4) == 0xE ? 3 : (c >> 3) == 0x1E ? 4 : 1;
    n = std::min(n, utf8.size() - i);
    out.emplace_back(utf8.substr(i, n));
    i += n;
  }
  return out;
}

bool FullWidth(const std::string& ch) { return zv::text::GbkLength(ch) >= 2; }

// "/a/b/" at position i: the lengths of a and b (in characters), or false.
bool TwoLevelLabelAt(const std::vector<std::string>& chars, std::size_t i, std::size_t& aLen, std::size_t& bLen) {
  if (chars[i] != "/") return false;
  std::size_t j = i + 1;
  while (j < chars.size() && chars[j] != "/" && chars[j] != "\n") ++j;
  if (j >= chars.size() || chars[j] != "/" || j == i + 1) return false;
  std::size_t k = j + 1;
  while (k < chars.size() && chars[k] != "/" && chars[k] != "\n") ++k;
  if (k >= chars.size() || chars[k] != "/" || k == j + 1) return false;
  aLen = j - i - 1;
  bLen = k - j - 1;
  return true;
}

class Placer {
 public:
  Placer(const TextStyle& style, TextLayout& layout) : s_(style), out_(layout) { out_.lineCount = 1; }

  double CellWidth(const std::string& ch, double scale) const { return (FullWidth(ch) ? s_.width : s_.width / 2) * scale; }

  void NewLine() {
    x_ = 0;
    ++line_;
    ++out_.lineCount;
  }

  int Count() const { return count_; }

  // Places one character at the pen; returns its cell.
  void Put(const std::string& ch, double scale, double rise) {
    const double w = CellWidth(ch, scale);
    if (s_.vertical) {
      const double y = -(s_.height + s_.spacing) * count_ - s_.height;
      out_.cells.push_back({ch, FullWidth(ch), (s_.width - w) / 2, y, w, s_.height});
      out_.width = std::max(out_.width, s_.width);
      out_.height = -y;
    } else {
      if (s_.block && x_ > 0 && x_ + w > s_.boxWidth + 1e-9) NewLine();
      const double lineBottom = s_.block ? -(s_.height + s_.lineSpacing) * line_ - s_.height : 0.0;
      out_.cells.push_back({ch, FullWidth(ch), x_, lineBottom + rise * s_.height, w, s_.height * scale});
      out_.width = std::max(out_.width, x_ + w);
      out_.height = s_.block ? -lineBottom : s_.height;
      x_ += w + s_.spacing;
    }
    ++count_;
  }

  // A two-level label: the characters of a over those of b.
  void PutLabel(const std::vector<std::string>& a, const std::vector<std::string>& b) {
    double wa = 0, wb = 0;
    for (const auto& ch : a) wa += CellWidth(ch, kLabelScale);
    for (const auto& ch : b) wb += CellWidth(ch, kLabelScale);
    const double room = std::max(wa, wb);
    if (s_.block && x_ > 0 && x_ + room > s_.boxWidth + 1e-9) NewLine();
    const double lineBottom = s_.block ? -(s_.height + s_.lineSpacing) * line_ - s_.height : 0.0;
    auto row = [&](const std::vector<std::string>& chars, double rowWidth, double y) {
      double x = x_ + (room - rowWidth) / 2;
      for (const auto& ch : chars) {
        const double w = CellWidth(ch, kLabelScale);
        out_.cells.push_back({ch, FullWidth(ch), x, y, w, s_.height * kLabelScale});
        x += w;
      }
    };
    row(a, wa, lineBottom + s_.height * 0.5);
    row(b, wb, lineBottom);
    out_.width = std::max(out_.width, x_ + room);
    out_.height = s_.block ? -lineBottom : s_.height;
    x_ += room + s_.spacing;
    ++count_;
  }

 private:
  const TextStyle& s_;
  TextLayout& out_;
  double x_ = 0;
  int line_ = 0;
  int count_ = 0;
};

}  // namespace

TextLayout LayoutText(std::string_view utf8, const TextStyle& style) {
  TextLayout layout;
  const auto chars = SplitCharacters(utf8);
  Placer placer(style, layout);
  double scale = 1.0, rise = 0.0;
  for (std::size_t i = 0; i < chars.size(); ++i) {
    const std::string& ch = chars[i];
    if (ch == "#" && i + 1 < chars.size() && (chars[i + 1] == "+" || chars[i + 1] == "-" || chars[i + 1] == "=")) {
      const std::string& code = chars[++i];
      scale = code == "=" ? 1.0 : kScriptScale;
      rise = code == "+" ? kRaise : code == "-" ? kLower : 0.0;
      continue;
    }
    if (ch == "\r") continue;
    if (ch == "\n") {
      if (style.block) placer.NewLine();
      continue;
    }
    std::size_t aLen = 0, bLen = 0;
    if (!style.vertical && TwoLevelLabelAt(chars, i, aLen, bLen)) {
      const std::vector<std::string> a(chars.begin() + i + 1, chars.begin() + i + 1 + aLen);
      const std::vector<std::string> b(chars.begin() + i + 2 + aLen, chars.begin() + i + 2 + aLen + bLen);
      placer.PutLabel(a, b);
      i += aLen + bLen + 2;
      continue;
    }
    placer.Put(ch, scale, rise);
  }
  layout.characterCount = placer.Count();
  if (layout.cells.empty()) layout.lineCount = utf8.empty() ? 0 : layout.lineCount;
  return layout;
}

}  // namespace zv::display
