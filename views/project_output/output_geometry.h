#pragma once
// The numbers of the project's raster outputs, apart from any drawing:
// image names, the typed resolution, pixel sizes and windows, the projects
// of a folder tree for the batch, and the pages of a print at true size.
// Map units are millimetres of paper.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "include/zavediz/records.h"

namespace zv::output {

inline constexpr double kInchesPerMm = 0.03937007874015748;
inline constexpr double kLowestDpi = 1.0;
inline constexpr double kHighestDpi = 2400.0;

// The project's path with its last three characters replaced by `extension`
// ("gif", "jpg", "tif"): "x.mpj" → "x.jpg". Characters, not bytes, so a
// name ending in Chinese is not cut inside a character.
std::string ImageName(const std::string& projectPath, const char* extension);

// The resolution typed or chosen in the dialog: a number from 1 to 2400
// (dots per inch); otherwise the message that refuses it.
struct Resolution {
  double dpi = 0;
  std::string refusal;  // empty when dpi is good
};
Resolution ParseResolution(const std::string& text);

// The size in pixels and the window of an image: the map point drawn at the
// lower left corner and the pixels per map unit.
struct ImageGeometry {
  int64_t width = 0;
  int64_t height = 0;
  double originX = 0;
  double originY = 0;
  double factor = 1;
};

// The image of the view's map range at `dpi`, as the image commands draw it:
// width and height the range × dpi / 25.4, truncated; origin the range's
// lower left corner less dpi × 0.005 in both directions; factor
// dpi × 0.99 / 25.4. An empty range gives 0 × 0.
ImageGeometry ViewImageGeometry(const D_RECT& range, double dpi);

// The range drawn at true size with a margin on every side: origin the lower
// left corner less the margin, pixels (extent + 2 × margin) × dpi / 25.4,
// truncated, factor dpi / 25.4. The batch uses a margin of 5 (mm).
ImageGeometry TrueSizeGeometry(const D_RECT& range, double dpi, double margin);

// The ".mpj" files (the name ending in "MPJ" in any case) of a folder tree,
// depth first: each folder's entries in the order the file system lists
// them, a sub-folder walked where it is met. Links to folders are not
// followed (a link cycle would never end); unreadable folders are passed
// over.
std::vector<std::string> FindProjects(const std::string& root);

// The pages that show `extent` at true size on pages of the given printable
// size (mm): row by row from the top left, each with the map point at its
// lower left corner. At least one page for a non-empty extent.
struct PageTile {
  int row = 0;
  int column = 0;
  double originX = 0;
  double originY = 0;
};
std::vector<PageTile> TilePages(const D_RECT& extent, double pageWidth, double pageHeight);

// The most pages a print may have; beyond it the print is refused.
inline constexpr int64_t kMostPages = 1000;
// How many pages TilePages gives (without making them); 0 for an empty
// extent or page.
int64_t PageCount(const D_RECT& extent, double pageWidth, double pageHeight);

}  // namespace zv::output
