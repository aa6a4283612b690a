#include "platform/raster/image_writer.h"

#include <gtest/gtest.h>

#include <QPainter>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "framework/fileio/file_io.h"
#include "platform/raster/cmyk.h"
#include "platform/raster/nv1_file.h"
#include "tests/platform/raster/image_readers.h"
#include "tests/support/test_env.h"

namespace zv::raster {
namespace {

namespace fs = std::filesystem;
using test::ReadImage;

std::string TempFile(const std::string& name) {
  const fs::path path = fs::path(test::TempRoot()) / "raster" / name;
  fs::create_directories(path.parent_path());
  return path.string();
}

// A white map of 100 × 60 units with a red block at (10..40, 10..30) and
// a blue one at (60..90, 30..50).
void DrawBlocks(display::KernelDriver& driver) {
  QPainter& painter = driver.Painter();
  painter.setTransform(driver.MapToDevice());
  painter.fillRect(QRectF(10, 10, 30, 20), QColor(255, 0, 0));
  painter.fillRect(QRectF(60, 30, 30, 20), QColor(0, 0, 255));
  painter.resetTransform();
}

// Antialiased strokes and circles across the whole map, many colours.
void DrawStrokes(display::KernelDriver& driver) {
  QPainter& painter = driver.Painter();
  painter.setRenderHint(QPainter::Antialiasing, true);
  painter.setTransform(driver.MapToDevice());
  for (int i = 0; i < 40; ++i) {
    painter.setPen(QPen(QColor::fromHsv(i * 9, 255, 200), 0.7));
    painter.drawLine(QPointF(i * 2.5, 0), QPointF(100 - i * 2.5, 60));
    painter.drawEllipse(QPointF(50, 30), i * 1.3, i * 0.8);
  }
  painter.resetTransform();
}

ImageJob Job(ImageFormat format, int64_t width, int64_t height, double dpi, ColourMode colour = ColourMode::kRgb) {
  ImageJob job;
  job.spec = {format, width, height, dpi, colour};
  job.window = {0.0, 0.0, width / 100.0};
  job.draw = DrawBlocks;
  return job;
}

ReadImage ReadBack(ImageFormat format, const std::string& path) {
  switch (format) {
    case ImageFormat::kGif: return test::ReadGif(path);
    case ImageFormat::kJpeg: return test::ReadJpeg(path);
    default: return test::ReadTiff(path);
  }
}

std::string Bytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

TEST(ImageWriter, EachFormatHasTheAskedSizeResolutionAndColours) {
  struct Case {
    const char* name;
    ImageFormat format;
    ColourMode colour;
    int channels;
    double dpi;  // 0: the format keeps none
  };
  const Case cases[] = {
      {"x.gif", ImageFormat::kGif, ColourMode::kRgb, 3, 0},
      {"x.jpg", ImageFormat::kJpeg, ColourMode::kRgb, 3, 150},
      {"x_cmyk.jpg", ImageFormat::kJpeg, ColourMode::kCmyk, 4, 150},
      {"x.tif", ImageFormat::kTiff, ColourMode::kRgb, 3, 150},
      {"x_cmyk.tif", ImageFormat::kTiff, ColourMode::kCmyk, 4, 150},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string path = TempFile(c.name);
    std::string message;
    // 301 × 181: odd sizes, and bands of 50 rows end in a short one.
    ImageJob job = Job(c.format, 301, 181, 150, c.colour);
    job.bandRows = 50;
    ASSERT_EQ(WriteImage(path, job, &message), WriteResult::kWritten) << message;
    const ReadImage image = ReadBack(c.format, path);
    ASSERT_TRUE(image.ok);
    EXPECT_EQ(image.width, 301);
    EXPECT_EQ(image.height, 181);
    EXPECT_EQ(image.channels, c.channels);
    EXPECT_DOUBLE_EQ(image.dpi, c.dpi);
    // Inside the red block (map 25, 20 → pixel 75, 120) and the white.
    const uint8_t* red = image.At(75, 120);
    const uint8_t* white = image.At(150, 170);
    const int tolerance = c.format == ImageFormat::kJpeg ? 6 : 0;
    auto near = [&](const uint8_t* px, std::vector<int> want) {
      for (std::size_t i = 0; i < want.size(); ++i) EXPECT_NEAR(px[i], want[i], tolerance) << "sample " << i;
    };
    if (c.channels == 3) {
      near(red, {255, 0, 0});
      near(white, {255, 255, 255});
    } else if (c.format == ImageFormat::kJpeg) {
      // Stored inverted, as the Adobe marker says: C 0, M 255, Y 255, K 0.
      near(red, {255, 0, 0, 255});
      near(white, {255, 255, 255, 255});
    } else {
      near(red, {0, 255, 255, 0});
      near(white, {0, 0, 0, 0});
    }
  }
}

TEST(ImageWriter, CmykRowsFollowThePlainDeviceFormulaAndComeBack) {
  const uint8_t rgb[] = {255, 0, 0, 255, 255, 255, 0, 0, 0, 128, 64, 0, 200, 100, 50};
  uint8_t cmyk[20];
  RgbToCmykRow(rgb, cmyk, 5);
  const std::vector<int> expected = {0, 255, 255, 0, 0, 0, 0, 0, 0, 0, 0, 255, 0, 128, 255, 127};
  EXPECT_EQ(std::vector<int>(cmyk, cmyk + 16), expected);
  for (int c = 0; c < 3; ++c) EXPECT_NEAR(InkToRgb(cmyk[16 + c], cmyk[19]), rgb[12 + c], 1);
}

TEST(ImageWriter, BandsLeaveNoSeam) {
  // The same picture drawn in one piece and in bands of 7 rows must agree
  // (TIFF is lossless).
  const std::string whole = TempFile("whole.tif"), banded = TempFile("banded.tif");
  ImageJob job = Job(ImageFormat::kTiff, 400, 240, 100);
  job.draw = DrawStrokes;
  std::string message;
  ASSERT_EQ(WriteImage(whole, job, &message), WriteResult::kWritten);
  job.bandRows = 7;
  ASSERT_EQ(WriteImage(banded, job, &message), WriteResult::kWritten);
  const ReadImage a = test::ReadTiff(whole), b = test::ReadTiff(banded);
  ASSERT_TRUE(a.ok && b.ok);
  int differing = 0;
  // Qt clips long strokes to each band before it rasterises them, which
  // moves antialiased edges by a few levels; a seam (a stroke cut off or
  // missing at a band's edge) differs by far more.
  for (std::size_t i = 0; i < a.samples.size(); ++i) differing += std::abs(a.samples[i] - b.samples[i]) > 16;
  EXPECT_EQ(differing, 0);
}

TEST(ImageWriter, GifPaletteIsExactUpToTwoHundredFiftySixColoursElseClose) {
  const std::string path = TempFile("palette.gif");
  std::string message;
  ImageJob job = Job(ImageFormat::kGif, 200, 120, 100);
  ASSERT_EQ(WriteImage(path, job, &message), WriteResult::kWritten);
  ReadImage image = test::ReadGif(path);
  ASSERT_TRUE(image.ok);
  EXPECT_EQ(image.paletteSize, 4);  // white, red, blue: three colours in a table of four
  EXPECT_EQ(std::vector<int>(image.At(50, 80), image.At(50, 80) + 3), (std::vector<int>{255, 0, 0}));

  // Thousands of colours: each pixel stays near its own.
  job.draw = [](display::KernelDriver& driver) {
    QPainter& painter = driver.Painter();
    for (int x = 0; x < 200; ++x)
      for (int y = 0; y < 120; ++y) painter.fillRect(QRect(x, y, 1, 1), QColor(x, y * 2, (x + y) % 256));
  };
  ASSERT_EQ(WriteImage(path, job, &message), WriteResult::kWritten);
  image = test::ReadGif(path);
  ASSERT_TRUE(image.ok);
  EXPECT_EQ(image.paletteSize, 256);
  double error = 0;
  for (int y = 0; y < 120; ++y)
    for (int x = 0; x < 200; ++x) {
      const uint8_t* px = image.At(x, y);
      error += std::abs(px[0] - x) + std::abs(px[1] - y * 2) + std::abs(px[2] - (x + y) % 256);
    }
  EXPECT_LT(error / (200 * 120 * 3), 12.0);
}

TEST(ImageWriter, RefusalsCancelsAndFailuresLeaveTheOldFile) {
  const std::string path = TempFile("kept/kept.gif");
  ASSERT_TRUE(fileio::WriteFileAtomically(path, std::string_view("old picture")));
  std::string message;

  struct Case {
    const char* name;
    ImageJob job;
    WriteResult result;
    const char* says;
  };
  ImageJob cancelHalfway = Job(ImageFormat::kGif, 100, 100, 100);
  cancelHalfway.bandRows = 10;
  cancelHalfway.progress = [](int64_t done, int64_t total) { return done < total * 3 / 4; };
  const Case cases[] = {
      {"empty extent", Job(ImageFormat::kGif, 0, 100, 100), WriteResult::kRefused, "范围为空"},
      {"GIF too wide", Job(ImageFormat::kGif, 65536, 10, 100), WriteResult::kRefused, "65535"},
      {"JPEG too tall", Job(ImageFormat::kJpeg, 10, 65501, 100), WriteResult::kRefused, "65500"},
      {"TIFF over 4 GB", Job(ImageFormat::kTiff, 60000, 60000, 100), WriteResult::kRefused, "4 GB"},
      {"bad resolution", Job(ImageFormat::kJpeg, 10, 10, std::nan("")), WriteResult::kRefused, "分辨率"},
      {"cancelled in the second pass", cancelHalfway, WriteResult::kCancelled, "取消"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    message.clear();
    EXPECT_EQ(WriteImage(path, c.job, &message), c.result);
    EXPECT_NE(message.find(c.says), std::string::npos) << message;
    EXPECT_EQ(Bytes(path), "old picture");
  }
  // A folder that does not exist: failure, told.
  message.clear();
  EXPECT_EQ(WriteImage((fs::path(test::TempRoot()) / "none" / "x.jpg").string(), Job(ImageFormat::kJpeg, 10, 10, 100), &message), WriteResult::kFailed);
  EXPECT_FALSE(message.empty());
  // Nothing temporary is left beside the kept file.
  int files = 0;
  for ([[maybe_unused]] const auto& entry : fs::directory_iterator(fs::path(path).parent_path())) ++files;
  EXPECT_EQ(files, 1);
}

TEST(Nv1File, RoundTripsAndRefusesDamage) {
  const std::string path = TempFile("x.nv1");
  std::string message;
  ImageJob job = Job(ImageFormat::kNv1, 301, 181, 150, ColourMode::kCmyk);
  job.draw = DrawStrokes;
  ASSERT_EQ(WriteImage(path, job, &message), WriteResult::kWritten) << message;
  Nv1Reader reader;
  ASSERT_TRUE(reader.Open(path, &message)) << message;
  EXPECT_EQ(reader.header().width, 301);
  EXPECT_EQ(reader.header().height, 181);
  EXPECT_EQ(reader.header().channels, 4);
  EXPECT_EQ(reader.header().dpi, 150);
  std::vector<uint8_t> row;
  for (int y = 0; y < 181; ++y) ASSERT_TRUE(reader.ReadRow(&row, &message)) << y;
  EXPECT_FALSE(reader.ReadRow(&row, &message));

  const std::string bytes = Bytes(path);
  struct Damage {
    const char* name;
    std::string bytes;
    bool opens;
  };
  std::string badCount = bytes;
  badCount[24] = '\xFF';
  badCount[25] = '\xFF';
  const Damage damages[] = {
      {"not NV1", "GIF89a" + bytes.substr(6), false},
      {"header cut", bytes.substr(0, 20), false},
      {"zero width", bytes.substr(0, 8) + std::string(4, '\0') + bytes.substr(12), false},
      {"row count too large", badCount, true},
      {"rows cut", bytes.substr(0, bytes.size() / 2), true},
  };
  for (const Damage& d : damages) {
    SCOPED_TRACE(d.name);
    const std::string damaged = TempFile("damaged.nv1");
    ASSERT_TRUE(fileio::WriteFileAtomically(damaged, d.bytes));
    Nv1Reader damagedReader;
    message.clear();
    const bool opened = damagedReader.Open(damaged, &message);
    EXPECT_EQ(opened, d.opens);
    bool allRows = opened;
    for (int y = 0; y < 181 && allRows; ++y) allRows = damagedReader.ReadRow(&row, &message);
    EXPECT_FALSE(allRows);
    EXPECT_FALSE(message.empty());
  }
}

TEST(Nv1File, PackBitsRoundTripsEveryRunShape) {
  std::vector<std::vector<uint8_t>> inputs = {{}, {7}, {1, 2}, {5, 5, 5}, std::vector<uint8_t>(300, 9)};
  std::vector<uint8_t> mixed;
  for (int i = 0; i < 1000; ++i) mixed.push_back(static_cast<uint8_t>(i % 7 < 3 ? 42 : i * 31));
  inputs.push_back(mixed);
  for (const auto& input : inputs) {
    std::vector<uint8_t> packed, out(input.size());
    PackBits(input.data(), input.size(), &packed);
    EXPECT_LE(packed.size(), input.size() + (input.size() + 127) / 128);
    ASSERT_TRUE(UnpackBits(packed.data(), packed.size(), out.data(), out.size()));
    EXPECT_EQ(out, input);
    if (!input.empty()) {
      EXPECT_FALSE(UnpackBits(packed.data(), packed.size(), out.data(), out.size() - 1));
    }
  }
}

}  // namespace
}  // namespace zv::raster
