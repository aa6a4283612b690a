// Repaint of the MDI client's background at 1920 × 1080 with a 6000 × 4000
// JPEG behind it: the picture decoded once and kept, against decoded on
// every repaint.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QBuffer>
#include <QImage>
#include <QPainter>

#include "app/chrome/mdi_background.h"

namespace {

const QByteArray& Jpeg() {
  static const QByteArray bytes = [] {
    QImage image(6000, 4000, QImage::Format_RGB32);
    QPainter painter(&image);
    QLinearGradient gradient(0, 0, 6000, 4000);
    gradient.setColorAt(0, QColor(40, 90, 160));
    gradient.setColorAt(1, QColor(220, 200, 150));
    painter.fillRect(image.rect(), gradient);
    painter.end();
    QByteArray out;
    QBuffer buffer(&out);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPG", 85);
    return out;
  }();
  return bytes;
}

const QSize kClient(1920, 1080);

void RepaintCached(benchmark::State& state) {
  QImage decoded;
  decoded.loadFromData(Jpeg(), "JPG");
  const zv::chrome::BackgroundPicture picture{decoded, true, "BACKPIC.jpg"};
  for (auto _ : state) benchmark::DoNotOptimize(zv::chrome::ComposeBackground(picture, kClient));
}

void RepaintDecodingEachTime(benchmark::State& state) {
  for (auto _ : state) {
    QImage decoded;
    decoded.loadFromData(Jpeg(), "JPG");
    benchmark::DoNotOptimize(zv::chrome::ComposeBackground({decoded, true, "BACKPIC.jpg"}, kClient));
  }
}

BENCHMARK(RepaintCached)->Unit(benchmark::kMillisecond);
BENCHMARK(RepaintDecodingEachTime)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
