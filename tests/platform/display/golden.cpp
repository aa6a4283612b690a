#include "tests/platform/display/golden.h"

#include <cstdlib>
#include <string>

#include "platform/display/system_library.h"
#include "tests/support/test_env.h"

namespace zv::test {
namespace {

std::string GoldenPath(const std::string& name) { return DataPath("display/golden/" + name + ".png"); }

}  // namespace

QRgb LibraryRgb(long colour) {
  const display::Rgb c = display::CurrentLibrary().Colours().ToRgb(colour);
  return qRgb(c.r, c.g, c.b);
}

QImage BlankImage(int width, int height) {
  QImage image(width, height, QImage::Format_RGB32);
  image.fill(Qt::white);
  return image;
}

bool MatchesGolden(const QImage& image, const std::string& name, std::string* report, int tolerance,
                   double allowedFraction) {
  const std::string path = GoldenPath(name);
  if (std::getenv("ZV_UPDATE_GOLDEN")) {
    image.save(QString::fromStdString(path));
    return true;
  }
  const QImage golden = QImage(QString::fromStdString(path)).convertToFormat(QImage::Format_RGB32);
  if (golden.isNull() || golden.size() != image.size()) {
    *report = "no golden image of this size at " + path;
    return false;
  }
  const QImage rendered = image.convertToFormat(QImage::Format_RGB32);
  long differing = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const QRgb a = rendered.pixel(x, y), b = golden.pixel(x, y);
      if (std::abs(qRed(a) - qRed(b)) > tolerance || std::abs(qGreen(a) - qGreen(b)) > tolerance ||
          std::abs(qBlue(a) - qBlue(b)) > tolerance)
        ++differing;
    }
  }
  const long allowed = static_cast<long>(allowedFraction * image.width() * image.height());
  *report = std::to_string(differing) + " pixels differ, " + std::to_string(allowed) + " allowed";
  return differing <= allowed;
}

QRect InkBounds(const QImage& image) {
  QRect bounds;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (image.pixel(x, y) != qRgb(255, 255, 255)) bounds |= QRect(x, y, 1, 1);
  return bounds;
}

}  // namespace zv::test
