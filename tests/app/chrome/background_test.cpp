#include <QDir>
#include <QFile>
#include <QImage>
#include <gtest/gtest.h>

#include "app/chrome/bmp_check.h"
#include "app/chrome/mdi_background.h"
#include "tests/support/test_env.h"

namespace zv::chrome {
namespace {

void Put32(std::string& s, std::size_t at, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) s[at + i] = static_cast<char>((v >> (8 * i)) & 0xFF);
}
void Put16(std::string& s, std::size_t at, std::uint16_t v) {
  s[at] = static_cast<char>(v & 0xFF);
  s[at + 1] = static_cast<char>(v >> 8);
}

// A bitmap as a Windows 3.0 writer lays it out.
std::string MakeBmp(int width, int height, int bitCount, std::uint32_t infoSize = 40) {
  const std::uint32_t palette = bitCount <= 8 ? (1u << bitCount) * 4 : 0;
  const std::uint32_t stride = ((width * bitCount + 31) / 32) * 4;
  const std::uint32_t offBits = 14 + infoSize + palette;
  std::string s(offBits + stride * height, '\x40');
  std::fill(s.begin(), s.begin() + offBits, '\0');
  s[0] = 'B';
  s[1] = 'M';
  Put32(s, 2, static_cast<std::uint32_t>(s.size()));
  Put32(s, 10, offBits);
  Put32(s, 14, infoSize);
  Put32(s, 18, width);
  Put32(s, 22, height);
  Put16(s, 26, 1);
  Put16(s, 28, static_cast<std::uint16_t>(bitCount));
  Put32(s, 30, 0);
  return s;
}

TEST(BmpCheck, OneMessageForEachWayABitmapFails) {
  struct Case {
    const char* name;
    std::string bytes;
    const char* message;  // "" when accepted
  };
  std::string notBm = MakeBmp(4, 3, 24);
  notBm[1] = 'X';
  std::string sizeMismatch = MakeBmp(4, 3, 24);
  Put32(sizeMismatch, 2, 9999);
  std::string shortPixels = MakeBmp(4, 3, 24);
  shortPixels.resize(shortPixels.size() - 1);
  Put32(shortPixels, 2, static_cast<std::uint32_t>(shortPixels.size()));
  std::string offsetPastEnd = MakeBmp(4, 3, 24);
  Put32(offsetPastEnd, 10, 100000);
  std::string offsetInHeader = MakeBmp(4, 3, 24);
  Put32(offsetInHeader, 10, 20);
  const Case cases[] = {
      {"8-bit", MakeBmp(5, 3, 8), ""},
      {"24-bit", MakeBmp(5, 3, 24), ""},
      {"not BM", notBm, "The file is not a BMP file!"},
      {"too short for a header", "BM", "The file is not a BMP file!"},
      {"size mismatch", sizeMismatch, "The BMP file header error!"},
      {"OS/2 header", MakeBmp(4, 3, 24, 12), "The BMP is not Windows 3.0 format!"},
      {"short pixels", shortPixels, "DIB build error!"},
      {"pixel offset past the end", offsetPastEnd, "The BMP file header error!"},
      {"pixel offset inside the header", offsetInHeader, "The BMP file header error!"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const BmpCheck check = CheckBmp(c.bytes);
    EXPECT_EQ(check.ok, std::string(c.message).empty());
    EXPECT_EQ(check.message, c.message);
  }
}

QString Write(const QString& name, const std::string& bytes) {
  const QString path = QString::fromStdString(test::TempRoot()) + QLatin1Char('/') + name;
  QFile file(path);
  file.open(QIODevice::WriteOnly);
  file.write(bytes.data(), static_cast<qint64>(bytes.size()));
  return path;
}

TEST(BackgroundPictures, FirstUsableCandidateWinsAndABadFileIsToldOnce) {
  std::vector<QString> told;
  BackgroundPictures pictures([&](const QString& text) { told.push_back(text); });
  const QString fixed = Write("splash.bmp", MakeBmp(6, 4, 24));
  const QString settings = Write("back.bmp", MakeBmp(8, 2, 8));
  QImage jpegImage(30, 20, QImage::Format_RGB32);
  jpegImage.fill(Qt::green);
  const QString jpeg = QString::fromStdString(test::TempRoot()) + "/BACKPIC.jpg";
  ASSERT_TRUE(jpegImage.save(jpeg, "JPG"));
  const QString missing = QString::fromStdString(test::TempRoot()) + "/none.bmp";

  EXPECT_EQ(pictures.Current(fixed, settings, jpeg).path, fixed) << "the fixed bitmap wins";
  EXPECT_EQ(pictures.Current(missing, settings, jpeg).image.size(), QSize(8, 2));
  const BackgroundPicture stretched = pictures.Current(missing, missing, jpeg);
  EXPECT_TRUE(stretched.stretched);
  EXPECT_EQ(stretched.image.size(), QSize(30, 20));
  EXPECT_TRUE(pictures.Current(missing, missing, missing).image.isNull()) << "the area's own background";
  EXPECT_TRUE(told.empty());

  const QString os2 = Write("os2.bmp", MakeBmp(4, 3, 24, 12));
  const QString badJpeg = Write("bad.jpg", "not a picture");
  for (int repaint = 0; repaint < 3; ++repaint) EXPECT_EQ(pictures.Current(os2, missing, badJpeg).path, QString());
  EXPECT_EQ(told, (std::vector<QString>{"The BMP is not Windows 3.0 format!", "Error Loading Picture from stream"}));
}

TEST(BackgroundPictures, ABitmapIsCentredOnTheBlueFillAndAJpegStretched) {
  QImage bitmap(4, 2, QImage::Format_RGB32);
  bitmap.fill(Qt::red);
  const QImage centred = ComposeBackground({bitmap, false, "b"}, QSize(11, 7));
  // x = 11/2 − 4/2 = 3, y = 7/2 − 2/2 = 2.
  EXPECT_EQ(centred.pixelColor(2, 2), QColor(100, 100, 255));
  EXPECT_EQ(centred.pixelColor(3, 2), QColor(Qt::red));
  EXPECT_EQ(centred.pixelColor(6, 3), QColor(Qt::red));
  EXPECT_EQ(centred.pixelColor(7, 3), QColor(100, 100, 255));
  const QImage stretched = ComposeBackground({bitmap, true, "j"}, QSize(11, 7));
  EXPECT_EQ(stretched.pixelColor(0, 0), QColor(Qt::red));
  EXPECT_EQ(stretched.pixelColor(10, 6), QColor(Qt::red));
}

}  // namespace
}  // namespace zv::chrome
