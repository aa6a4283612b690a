#include "platform/raster/gif_palette.h"

#include <algorithm>
#include <limits>

namespace zv::raster {

namespace {

constexpr int kCells = 1 << 15;
constexpr std::size_t kMostColours = 256;

int CellOf(uint8_t r, uint8_t g, uint8_t b) { return (r >> 3) << 10 | (g >> 3) << 5 | (b >> 3); }
int Channel(int cell, int channel) { return (cell >> (10 - 5 * channel)) & 31; }

// One box of the median cut: a run of the sorted cell list.
struct Box {
  std::size_t begin, end;
  uint64_t pixels;
};

int WidestChannel(const std::vector<int>& cells, const Box& box, int* range) {
  int best = 0;
  *range = -1;
  for (int c = 0; c < 3; ++c) {
    int lo = 31, hi = 0;
    for (std::size_t i = box.begin; i < box.end; ++i) {
      lo = std::min(lo, Channel(cells[i], c));
      hi = std::max(hi, Channel(cells[i], c));
    }
    if (hi - lo > *range) {
      *range = hi - lo;
      best = c;
    }
  }
  return best;
}

}  // namespace

ColourCensus::ColourCensus() : cells_(kCells, 0) {}

void ColourCensus::Add(const uint8_t* rgb, int64_t pixels) {
  uint32_t last = std::numeric_limits<uint32_t>::max();
  for (int64_t i = 0; i < pixels; ++i, rgb += 3) {
    ++cells_[static_cast<std::size_t>(CellOf(rgb[0], rgb[1], rgb[2]))];
    const uint32_t colour = uint32_t{rgb[0]} << 16 | uint32_t{rgb[1]} << 8 | rgb[2];
    if (colour == last || exact_.size() > kMostColours) continue;
    last = colour;
    const auto at = std::lower_bound(exact_.begin(), exact_.end(), colour);
    if (at == exact_.end() || *at != colour) exact_.insert(at, colour);
  }
}

GifPalette::GifPalette(const ColourCensus& census) {
  if (census.Exact()) {
    for (const uint32_t colour : census.ExactColours()) {
      exactIndex_.emplace(colour, static_cast<uint8_t>(colours_.size()));
      colours_.push_back({static_cast<uint8_t>(colour >> 16), static_cast<uint8_t>(colour >> 8),
                          static_cast<uint8_t>(colour)});
    }
    if (colours_.empty()) colours_.push_back({255, 255, 255});
    return;
  }
  exact_ = false;
  const std::vector<uint64_t>& counts = census.Cells();
  std::vector<int> cells;
  for (int cell = 0; cell < kCells; ++cell)
    if (counts[static_cast<std::size_t>(cell)] > 0) cells.push_back(cell);
  std::vector<Box> boxes{{0, cells.size(), 0}};
  for (const int cell : cells) boxes[0].pixels += counts[static_cast<std::size_t>(cell)];
  while (boxes.size() < kMostColours) {
    // The box to split: the widest channel range, ties to more pixels.
    std::size_t pick = boxes.size();
    int pickRange = 0;
    for (std::size_t i = 0; i < boxes.size(); ++i) {
      if (boxes[i].end - boxes[i].begin < 2) continue;
      int range = 0;
      WidestChannel(cells, boxes[i], &range);
      if (pick == boxes.size() || range > pickRange || (range == pickRange && boxes[i].pixels > boxes[pick].pixels)) {
        pick = i;
        pickRange = range;
      }
    }
    if (pick == boxes.size()) break;
    Box box = boxes[pick];
    int range = 0;
    const int channel = WidestChannel(cells, box, &range);
    std::sort(cells.begin() + static_cast<std::ptrdiff_t>(box.begin), cells.begin() + static_cast<std::ptrdiff_t>(box.end),
              [&](int a, int b) { return Channel(a, channel) < Channel(b, channel); });
    uint64_t seen = 0;
    std::size_t split = box.begin + 1;
    for (std::size_t i = box.begin; i + 1 < box.end; ++i) {
      seen += counts[static_cast<std::size_t>(cells[i])];
      split = i + 1;
      if (seen * 2 >= box.pixels) break;
    }
    boxes[pick] = {box.begin, split, seen};
    boxes.push_back({split, box.end, box.pixels - seen});
  }
  cellIndex_.assign(kCells, 0);
  for (const Box& box : boxes) {
    double sum[3] = {0, 0, 0}, weight = 0;
    for (std::size_t i = box.begin; i < box.end; ++i) {
      const double n = static_cast<double>(counts[static_cast<std::size_t>(cells[i])]);
      for (int c = 0; c < 3; ++c) sum[c] += n * (Channel(cells[i], c) * 8 + 4);
      weight += n;
    }
    auto mean = [&](int c) { return static_cast<uint8_t>(std::min(255.0, sum[c] / weight + 0.5)); };
    colours_.push_back({mean(0), mean(1), mean(2)});
  }
  // Every cell, counted or not, maps to its nearest entry, so any colour has
  // an index.
  for (int cell = 0; cell < kCells; ++cell) {
    const int r = Channel(cell, 0) * 8 + 4, g = Channel(cell, 1) * 8 + 4, b = Channel(cell, 2) * 8 + 4;
    int best = 0, bestDistance = std::numeric_limits<int>::max();
    for (std::size_t i = 0; i < colours_.size(); ++i) {
      const int dr = r - colours_[i].r, dg = g - colours_[i].g, db = b - colours_[i].b;
      const int distance = dr * dr + dg * dg + db * db;
      if (distance < bestDistance) {
        bestDistance = distance;
        best = static_cast<int>(i);
      }
    }
    cellIndex_[static_cast<std::size_t>(cell)] = static_cast<uint8_t>(best);
  }
}

uint8_t GifPalette::IndexOf(uint8_t r, uint8_t g, uint8_t b) const {
  if (!exact_) return cellIndex_[static_cast<std::size_t>(CellOf(r, g, b))];
  const auto found = exactIndex_.find(uint32_t{r} << 16 | uint32_t{g} << 8 | b);
  return found == exactIndex_.end() ? 0 : found->second;
}

}  // namespace zv::raster
