#include "platform/display/text_painter.h"

#include <QFont>
#include <QFontMetricsF>
#include <QHash>
#include <QPainterPath>
#include <cmath>

#include "platform/display/fonts.h"

namespace zv::display {
namespace {

// Glyph outlines are taken at this pixel size and scaled into their cells.
constexpr double kReferenceSize = 100.0;
// Horizontal shear of the two italic forms.
constexpr double kSlant[] = {0.0, 0.25, -0.25};

struct Glyph {
  QPainterPath path;
  double advance = 0;
  double descent = 0;
  double height = 0;  // ascent + descent
};

const Glyph& GlyphOf(const QString& family, const QString& ch) {
  static QHash<QString, Glyph> cache;
  const QString key = family + QChar(0x1F) + ch;
  auto it = cache.find(key);
  if (it != cache.end()) return *it;
  QFont font(family);
  font.setPixelSize(static_cast<int>(kReferenceSize));
  const QFontMetricsF metrics(font);
  Glyph glyph;
  glyph.path.addText(0, 0, font, ch);
  glyph.advance = metrics.horizontalAdvance(ch);
  glyph.descent = metrics.descent();
  glyph.height = metrics.ascent() + metrics.descent();
  return *cache.insert(key, glyph);
}

}  // namespace

void DrawText(KernelDriver& driver, double x, double y, std::string_view utf8, const TextStyle& style, long colour,
              std::uint32_t layout) {
  const TextLayout placed = LayoutText(utf8, style);
  if (placed.cells.empty()) return;
  const QString chinese = FontFamily(ChineseFontOf(layout));
  const QString western = FontFamily(WesternFontOf(layout));
  const double slant = kSlant[(style.slant >= 0 && style.slant <= 2) ? style.slant : 0];
  QPainterPath text;
  text.setFillRule(Qt::WindingFill);  // glyph outlines wind; overlapping glyphs must not cancel
  for (const GlyphCell& cell : placed.cells) {
    const QString ch = QString::fromUtf8(cell.text.data(), static_cast<qsizetype>(cell.text.size()));
    const Glyph& glyph = GlyphOf(cell.fullWidth ? chinese : western, ch);
    if (glyph.height <= 0) continue;
    const double em = cell.fullWidth ? kReferenceSize : kReferenceSize / 2;
    const double sx = cell.width / em;
    const double sy = cell.height / glyph.height;
    const QTransform place(sx, 0, 0, -sy, cell.x + (em - glyph.advance) / 2 * sx, cell.y + glyph.descent * sy);
    const QTransform shear(1, 0, slant, 1, -slant * cell.y, 0);
    text.addPath((place * shear).map(glyph.path));
  }
  QTransform toMap;
  toMap.translate(x, y);
  toMap.rotate(style.angle);
  QPainter& painter = driver.Painter();
  painter.save();
  painter.setTransform(toMap * driver.MapToDevice());
  painter.setPen(Qt::NoPen);
  painter.setBrush(driver.ColorOf(colour));
  // Small labels, Chinese above all, cannot be read without smoothing; only a
  // toggled (XOR) drawing must touch each pixel once and so stays hard.
  painter.setRenderHint(QPainter::Antialiasing, !driver.Toggles());
  painter.drawPath(text);
  painter.restore();
}

}  // namespace zv::display
