#include "views/project_output/output_geometry.h"

#include <cctype>
#include <cmath>
#include <filesystem>

namespace zv::output {

namespace {

namespace fs = std::filesystem;

// Pixels beyond any format's limit: the writers refuse them; this only keeps
// the conversion to an integer defined.
constexpr double kMostPixels = 1e12;

int64_t Pixels(double mm, double dpi) {
  const double pixels = mm * dpi * kInchesPerMm;
  if (!std::isfinite(pixels) || pixels <= 0) return 0;
  return static_cast<int64_t>(std::min(pixels, kMostPixels));
}

bool IsEmpty(const D_RECT& r) {
  return !(std::isfinite(r.xmin) && std::isfinite(r.ymin) && std::isfinite(r.xmax) && std::isfinite(r.ymax)) ||
         r.xmax <= r.xmin || r.ymax <= r.ymin;
}

bool EndsWithMpj(const std::string& name) {
  if (name.size() < 3) return false;
  const std::string tail = name.substr(name.size() - 3);
  return std::toupper(static_cast<unsigned char>(tail[0])) == 'M' &&
         std::toupper(static_cast<unsigned char>(tail[1])) == 'P' &&
         std::toupper(static_cast<unsigned char>(tail[2])) == 'J';
}

void Walk(const fs::path& folder, std::vector<std::string>& found) {
  std::error_code error;
  fs::directory_iterator it(folder, error), end;
  for (; !error && it != end; it.increment(error)) {
    const fs::directory_entry& entry = *it;
    std::error_code kindError;
    if (entry.is_symlink(kindError)) {
      // A link to a project file is taken; a link to a folder is not walked.
      if (entry.is_regular_file(kindError) && EndsWithMpj(entry.path().filename().string()))
        found.push_back(entry.path().string());
    } else if (entry.is_directory(kindError)) {
      Walk(entry.path(), found);
    } else if (entry.is_regular_file(kindError) && EndsWithMpj(entry.path().filename().string())) {
      found.push_back(entry.path().string());
    }
  }
}

}  // namespace

std::string ImageName(const std::string& projectPath, const char* extension) {
  std::size_t end = projectPath.size();
  for (int characters = 0; characters < 3 && end > 0; ++characters) {
    --end;
    while (end > 0 && (static_cast<unsigned char>(projectPath[end]) & 0xC0) == 0x80) --end;
  }
  return projectPath.substr(0, end) + extension;
}

Resolution ParseResolution(const std::string& text) {
  const char* refusal = "分辨率必须是1到2400之间的数字。";
  std::size_t first = text.find_first_not_of(" \t");
  std::size_t last = text.find_last_not_of(" \t");
  if (first == std::string::npos) return {0, refusal};
  const std::string trimmed = text.substr(first, last - first + 1);
  // Digits and one point only: no signs, exponents, "inf" or "nan".
  int points = 0;
  for (const char c : trimmed) {
    if (c == '.') ++points;
    else if (!std::isdigit(static_cast<unsigned char>(c))) return {0, refusal};
  }
  if (points > 1 || trimmed == ".") return {0, refusal};
  double value = 0, scale = 1;
  bool fraction = false;
  for (const char c : trimmed) {
    if (c == '.') {
      fraction = true;
    } else if (fraction) {
      scale /= 10;
      value += (c - '0') * scale;
    } else {
      value = value * 10 + (c - '0');
    }
  }
  if (value < kLowestDpi || value > kHighestDpi) return {0, refusal};
  return {value, {}};
}

ImageGeometry ViewImageGeometry(const D_RECT& range, double dpi) {
  ImageGeometry g;
  if (IsEmpty(range)) return g;
  g.width = Pixels(range.xmax - range.xmin, dpi);
  g.height = Pixels(range.ymax - range.ymin, dpi);
  g.originX = range.xmin - dpi * 0.005;
  g.originY = range.ymin - dpi * 0.005;
  g.factor = dpi * 0.99 * kInchesPerMm;
  return g;
}

ImageGeometry TrueSizeGeometry(const D_RECT& range, double dpi, double margin) {
  ImageGeometry g;
  if (IsEmpty(range)) return g;
  g.width = Pixels(range.xmax - range.xmin + 2 * margin, dpi);
  g.height = Pixels(range.ymax - range.ymin + 2 * margin, dpi);
  g.originX = range.xmin - margin;
  g.originY = range.ymin - margin;
  g.factor = dpi * kInchesPerMm;
  return g;
}

std::vector<std::string> FindProjects(const std::string& root) {
  std::vector<std::string> found;
  Walk(fs::path(root), found);
  return found;
}

int64_t PageCount(const D_RECT& extent, double pageWidth, double pageHeight) {
  if (IsEmpty(extent) || !(pageWidth > 0) || !(pageHeight > 0)) return 0;
  const double columns = std::ceil((extent.xmax - extent.xmin) / pageWidth);
  const double rows = std::ceil((extent.ymax - extent.ymin) / pageHeight);
  const double pages = columns * rows;
  return std::isfinite(pages) && pages < 1e15 ? static_cast<int64_t>(pages) : INT64_MAX;
}

std::vector<PageTile> TilePages(const D_RECT& extent, double pageWidth, double pageHeight) {
  std::vector<PageTile> pages;
  const int64_t count = PageCount(extent, pageWidth, pageHeight);
  if (count == 0 || count > kMostPages) return pages;
  const int columns = static_cast<int>(std::ceil((extent.xmax - extent.xmin) / pageWidth));
  const int rows = static_cast<int>(std::ceil((extent.ymax - extent.ymin) / pageHeight));
  for (int row = 0; row < rows; ++row)
    for (int column = 0; column < columns; ++column)
      pages.push_back({row, column, extent.xmin + column * pageWidth, extent.ymax - (row + 1) * pageHeight});
  return pages;
}

}  // namespace zv::output
