#include "views/project_output/project_images.h"

#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <algorithm>
#include <cmath>
#include <functional>

#include "platform/display/project_renderer.h"
#include "platform/progress/progress.h"
#include "platform/projectview/project_output.h"
#include "platform/raster/cmyk.h"
#include "platform/raster/nv1_file.h"

namespace zv::output {

namespace {

constexpr double kBatchMargin = 5.0;
constexpr int kPrintBandRows = 256;
// Pens and symbols reach past an entity's extent.
constexpr int kPrintCullPixels = 64;

// The rows done of an image, shown in the progress window; false once the
// user cancelled.
bool ShowProgress(int64_t done, int64_t total) {
  SetRange(0, total);
  return SetPos(done);
}

// Ends the progress on every way out.
struct ProgressScope {
  explicit ProgressScope(const std::string& name) { StartProgress(name, true); }
  ~ProgressScope() { EndProgress(); }
};

std::string PageCountRefusal(int64_t pages) {
  return "需要 " + std::to_string(pages) + " 页，超过了 " + std::to_string(kMostPages) + " 页，没有打印。";
}

// The printable page in millimetres and in the printer's pixels.
struct Page {
  double widthMm = 0, heightMm = 0;
  QSize pixels;
};

Page PageOf(QPrinter& printer) {
  const QRectF mm = printer.pageLayout().paintRect(QPageLayout::Millimeter);
  return {mm.width(), mm.height(), printer.pageLayout().paintRectPixels(printer.resolution()).size()};
}

// The columns [left, left + width) of rows of the raster file as an image.
QImage RasterPart(const raster::Nv1Header& header, const std::vector<std::vector<uint8_t>>& rowSamples, int left,
                  int width) {
  QImage part(width, static_cast<int>(rowSamples.size()), QImage::Format_RGB32);
  for (int y = 0; y < part.height(); ++y) {
    auto* out = reinterpret_cast<QRgb*>(part.scanLine(y));
    const uint8_t* in = rowSamples[static_cast<std::size_t>(y)].data() + static_cast<std::size_t>(left) * header.channels;
    for (int x = 0; x < width; ++x, in += header.channels) {
      out[x] = header.channels == 4
                   ? qRgb(raster::InkToRgb(in[0], in[3]), raster::InkToRgb(in[1], in[3]), raster::InkToRgb(in[2], in[3]))
                   : qRgb(in[0], in[1], in[2]);
    }
  }
  return part;
}

// Prints one page's part of the raster file, re-reading the file from its
// start so that only a band of rows is ever held.
bool PrintRasterPage(const std::string& path, const PageTile& tile, const Page& page, double printerDpi,
                     QPainter& painter, std::string* message) {
  raster::Nv1Reader reader;
  if (!reader.Open(path, message)) return false;
  const raster::Nv1Header& header = reader.header();
  const double pixelsPerMm = header.dpi * kInchesPerMm;
  const int top = static_cast<int>(std::floor(tile.row * page.heightMm * pixelsPerMm));
  const int bottom = std::min(header.height, static_cast<int>(std::floor((tile.row + 1) * page.heightMm * pixelsPerMm)));
  const int left = static_cast<int>(std::floor(tile.column * page.widthMm * pixelsPerMm));
  const int right = std::min(header.width, static_cast<int>(std::floor((tile.column + 1) * page.widthMm * pixelsPerMm)));
  for (int y = 0; y < top; ++y)
    if (!reader.SkipRow(message)) return false;
  const double scale = printerDpi / header.dpi;  // printer pixels per file pixel
  std::vector<std::vector<uint8_t>> band;
  for (int y = top; y < bottom;) {
    band.clear();
    for (; y < bottom && static_cast<int>(band.size()) < kPrintBandRows; ++y) {
      band.emplace_back();
      if (!reader.ReadRow(&band.back(), message)) return false;
    }
    const int bandTop = y - static_cast<int>(band.size());
    const QRectF target(0, (bandTop - top) * scale, (right - left) * scale, band.size() * scale);
    painter.drawImage(target, RasterPart(header, band, left, right - left));
  }
  return true;
}

// Prints the pages that show `extent` at true size, one call of `page` each,
// row by row; refuses an empty extent and too many pages.
using PagePrinter = std::function<bool(QPainter&, const PageTile&, const Page&)>;
bool PrintPages(const D_RECT& extent, QPrinter& printer, std::string* message, const PagePrinter& print) {
  const Page page = PageOf(printer);
  const int64_t count = PageCount(extent, page.widthMm, page.heightMm);
  if (count == 0 || count > kMostPages) {
    if (message) *message = count == 0 ? "图形范围为空，没有打印。" : PageCountRefusal(count);
    return false;
  }
  QPainter painter;
  if (!painter.begin(&printer)) {
    if (message) *message = "打印机无法开始打印。";
    return false;
  }
  bool ok = true;
  for (const PageTile& tile : TilePages(extent, page.widthMm, page.heightMm)) {
    if (tile.row > 0 || tile.column > 0) printer.newPage();
    if (!(ok = print(painter, tile, page))) break;
  }
  return painter.end() && ok;
}

}  // namespace

D_RECT ProjectRange(const MapProject& project) {
  const std::optional<QRectF> extent = prjview::ProjectExtent(project);
  if (!extent) return {0, 0, 0, 0};
  return {extent->left(), extent->top(), extent->right(), extent->bottom()};
}

raster::WriteResult WriteProjectImage(const MapProject& project, const std::string& path, raster::ImageFormat format,
                                      raster::ColourMode colour, double dpi, const ImageGeometry& geometry,
                                      std::string* message) {
  display::AreaListRenderer renderer;
  raster::ImageJob job;
  job.spec = {format, geometry.width, geometry.height, dpi, colour};
  job.window = {geometry.originX, geometry.originY, geometry.factor};
  job.draw = [&](display::KernelDriver& driver) { renderer.DrawProject(driver, project); };
  job.progress = ShowProgress;
  ProgressScope progress(std::string("生成") + raster::FormatName(format) + "图像");
  return raster::WriteImage(path, job, message);
}

BatchReport WriteFolderJpegs(const std::string& root, double dpi) {
  BatchReport report;
  for (const std::string& path : FindProjects(root)) {
    MapProject* project = PrjOpen(path);
    if (project == nullptr) {
      report.unreadable.push_back(path);
      continue;
    }
    const D_RECT range = ProjectRange(*project);
    const ImageGeometry geometry = TrueSizeGeometry(range, dpi, kBatchMargin);
    std::string message;
    // A project with nothing drawn is refused with its reason, so the user
    // learns why it has no image.
    const raster::WriteResult result = WriteProjectImage(*project, ImageName(path, "jpg"), raster::ImageFormat::kJpeg,
                                                         raster::ColourMode::kRgb, dpi, geometry, &message);
    PrjClose(project);
    if (result == raster::WriteResult::kWritten) report.written.push_back(ImageName(path, "jpg"));
    if (result == raster::WriteResult::kCancelled) {
      report.cancelled = true;
      break;
    }
    if (result == raster::WriteResult::kFailed || result == raster::WriteResult::kRefused)
      report.failed.push_back(path + ": " + message);
  }
  return report;
}

bool PrintTrueSize(const MapProject& project, const D_RECT& extent, QPrinter& printer, std::string* message) {
  const double factor = printer.resolution() * kInchesPerMm;
  display::AreaListRenderer renderer;
  return PrintPages(extent, printer, message, [&](QPainter& painter, const PageTile& tile, const Page& page) {
    painter.save();
    display::KernelDriver driver(painter, page.pixels);
    driver.SetWindow(tile.originX, tile.originY, factor);
    // Only the asked extent, though the last pages reach past it.
    const QRectF inside =
        driver.MapToDevice().mapRect(QRectF(QPointF(extent.xmin, extent.ymin), QPointF(extent.xmax, extent.ymax)));
    driver.ClipToDevice(inside.toAlignedRect().intersected(QRect(QPoint(0, 0), page.pixels)), kPrintCullPixels);
    renderer.DrawProject(driver, project);
    painter.restore();
    return true;
  });
}

bool PrintRasterFile(const std::string& path, QPrinter& printer, std::string* message) {
  raster::Nv1Reader reader;
  if (!reader.Open(path, message)) return false;
  const raster::Nv1Header header = reader.header();
  const double pixelsPerMm = header.dpi * kInchesPerMm;
  const D_RECT extent{0, 0, header.width / pixelsPerMm, header.height / pixelsPerMm};
  return PrintPages(extent, printer, message, [&](QPainter& painter, const PageTile& tile, const Page& page) {
    return PrintRasterPage(path, tile, page, printer.resolution(), painter, message);
  });
}

}  // namespace zv::output
