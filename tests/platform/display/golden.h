#pragma once
// Compares a rendered image with a committed golden image. With
// ZV_UPDATE_GOLDEN=1 in the environment the golden is written instead (look
// at it before committing it).

#include <QImage>
#include <string>

namespace zv::test {

// The pixel colour a colour number of the current library draws with.
QRgb LibraryRgb(long colour);

// A white image of the given size.
QImage BlankImage(int width, int height);

// True when at most `allowedFraction` of the pixels differ from the golden by
// more than `tolerance` in a channel. `report` says how many differed.
bool MatchesGolden(const QImage& image, const std::string& name, std::string* report,
                   int tolerance = 60, double allowedFraction = 0.01);

// The bounding box of the pixels that are not white (null when none).
QRect InkBounds(const QImage& image);

}  // namespace zv::test
