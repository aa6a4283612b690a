#include "platform/display/fonts.h"

namespace zv::display {
namespace {

struct FontEntry {
  int number;
  const char* family;
};

constexpr FontEntry kFonts[] = {
    {1, "Noto Serif CJK SC"},
    {2, "Noto Serif CJK SC"},
    {3, "Noto Sans CJK SC"},
    {4, "AR PL UKai CN"},
};

}  // namespace

QString FontFamily(int fontNumber) {
  for (const auto& font : kFonts)
    if (font.number == fontNumber) return QString::fromLatin1(font.family);
  return QString::fromLatin1(kFonts[0].family);
}

}  // namespace zv::display
