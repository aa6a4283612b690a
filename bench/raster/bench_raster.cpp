// The synthetic map of bench/display drawn onto an A0 sheet (1189 x 841 mm)
// at 300 dpi, 14,043 x 9,933 pixels (139 megapixels), and written as JPEG,
// TIFF (RGB and CMYK) and GIF through the band writer, against the limit: the
// whole picture drawn into one QImage and saved with QImage::save as JPEG.
// Each case reports its seconds and the process's peak resident memory;
// run one case per process for a clean peak:
//   bench_raster --benchmark_filter=BM_Raster/0
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <QGuiApplication>
#include <QImage>
#include <filesystem>

#include "bench/display/sample_map.h"
#include "platform/display/work_area_renderer.h"
#include "platform/raster/image_writer.h"

namespace {

using namespace zv;

constexpr double kDpi = 300;
constexpr double kSheetWidthMm = 1189, kSheetHeightMm = 841;
const int64_t kWidth = static_cast<int64_t>(kSheetWidthMm * kDpi / 25.4);
const int64_t kHeight = static_cast<int64_t>(kSheetHeightMm * kDpi / 25.4);
// The map's 1000 units across the sheet.
const double kFactor = static_cast<double>(kWidth) / bench::kMapWidth;

std::string OutputPath(const char* name) {
  return (std::filesystem::temp_directory_path() / (std::string("zv_bench_raster_") + name)).string();
}

double PeakMegabytes() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return usage.ru_maxrss / 1024.0;
}

struct Case {
  const char* name;
  raster::ImageFormat format;
  raster::ColourMode colour;
};
const Case kCases[] = {
    {"a0.jpg", raster::ImageFormat::kJpeg, raster::ColourMode::kRgb},
    {"a0.tif", raster::ImageFormat::kTiff, raster::ColourMode::kRgb},
    {"a0_cmyk.tif", raster::ImageFormat::kTiff, raster::ColourMode::kCmyk},
    {"a0.gif", raster::ImageFormat::kGif, raster::ColourMode::kRgb},
};

void BM_Raster(benchmark::State& state) {
  const Case& c = kCases[state.range(0)];
  state.SetLabel(c.name);
  const bench::SampleMap& map = bench::Map();
  display::WorkAreaRenderer regions(map.regions), lines(map.lines), points(map.points);
  raster::ImageJob job;
  job.spec = {c.format, kWidth, kHeight, kDpi, c.colour};
  job.window = {0, 0, kFactor};
  job.draw = [&](display::KernelDriver& driver) {
    regions.Draw(driver);
    lines.Draw(driver);
    points.Draw(driver);
  };
  const std::string path = OutputPath(c.name);
  for (auto _ : state) {
    std::string message;
    if (raster::WriteImage(path, job, &message) != raster::WriteResult::kWritten) state.SkipWithError(message.c_str());
  }
  state.counters["peak_MB"] = PeakMegabytes();
  state.counters["file_MB"] = static_cast<double>(std::filesystem::file_size(path)) / (1 << 20);
  std::filesystem::remove(path);
}

// The limit: the whole sheet in memory, drawn once and saved once.
void BM_WholeImageJpeg(benchmark::State& state) {
  const bench::SampleMap& map = bench::Map();
  display::WorkAreaRenderer regions(map.regions), lines(map.lines), points(map.points);
  const std::string path = OutputPath("whole.jpg");
  for (auto _ : state) {
    QImage image(static_cast<int>(kWidth), static_cast<int>(kHeight), QImage::Format_RGB32);
    image.fill(Qt::white);
    {
      display::KernelDriver driver(image);
      driver.SetWindow(0, 0, kFactor);
      regions.Draw(driver);
      lines.Draw(driver);
      points.Draw(driver);
    }
    image.setDotsPerMeterX(static_cast<int>(kDpi / 0.0254));
    image.setDotsPerMeterY(static_cast<int>(kDpi / 0.0254));
    if (!image.save(QString::fromStdString(path), "JPEG", 90)) state.SkipWithError("QImage::save failed");
  }
  state.counters["peak_MB"] = PeakMegabytes();
  state.counters["file_MB"] = static_cast<double>(std::filesystem::file_size(path)) / (1 << 20);
  std::filesystem::remove(path);
}

BENCHMARK(BM_Raster)->DenseRange(0, 3)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();
BENCHMARK(BM_WholeImageJpeg)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
