#include "platform/view/win_org.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace zv {

namespace {

bool Finite(const WIN_ORG& o) {
  for (double v : {o.x, o.y, o.width, o.height, o.xFactor, o.yFactor, o.scale, o.rotation})
    if (!std::isfinite(v)) return false;
  return true;
}

double ClampScale(double s) { return std::clamp(s, DisplayWindow::kMinScale, DisplayWindow::kMaxScale); }

}  // namespace

DisplayWindow::DisplayWindow() { org_.rate = org_.scale; }

void DisplayWindow::SetClientSize(int width, int height) {
  clientWidth_ = std::max(1, width);
  clientHeight_ = std::max(1, height);
}

double DisplayWindow::cosR() const { return std::cos(org_.rotation * std::numbers::pi / 180.0); }
double DisplayWindow::sinR() const { return std::sin(org_.rotation * std::numbers::pi / 180.0); }

WIN_ORG DisplayWindow::Get() const {
  WIN_ORG o = org_;
  o.width = clientWidth_ / o.scale;
  o.height = clientHeight_ / o.scale;
  o.rate = o.scale;
  return o;
}

bool DisplayWindow::Set(const WIN_ORG& org) {
  if (!Finite(org)) return false;
  double scale = org.scale;
  if (!(scale > 0.0)) {
    if (!(org.width > 0.0 && org.height > 0.0)) return false;
    scale = std::min(clientWidth_ / org.width, clientHeight_ / org.height);
  }
  org_ = org;
  org_.scale = ClampScale(scale);
  org_.rate = org_.scale;
  return true;
}

D_DOT DisplayWindow::WpToLp(double wx, double wy) const {
  const double u = wx / org_.scale;
  const double v = (clientHeight_ - wy) / org_.scale;
  const double c = cosR(), s = sinR();
  return {org_.x + c * u + s * v, org_.y - s * u + c * v};
}

D_DOT DisplayWindow::LpToWp(const D_DOT& p) const {
  const double dx = p.x - org_.x, dy = p.y - org_.y;
  const double c = cosR(), s = sinR();
  const double u = c * dx - s * dy;
  const double v = s * dx + c * dy;
  return {u * org_.scale, clientHeight_ - v * org_.scale};
}

L_DOT DisplayWindow::LpToWpLong(const D_DOT& p) const {
  const D_DOT w = LpToWp(p);
  auto toLong = [](double v) { return static_cast<int32_t>(std::clamp(std::trunc(v), -2.0e9, 2.0e9)); };
  return {toLong(w.x), toLong(w.y)};
}

D_RECT DisplayWindow::DisplayRect() const {
  const D_DOT corners[4] = {WpToLp(0, 0), WpToLp(clientWidth_, 0), WpToLp(0, clientHeight_),
                            WpToLp(clientWidth_, clientHeight_)};
  D_RECT r{corners[0].x, corners[0].y, corners[0].x, corners[0].y};
  for (const D_DOT& c : corners) {
    r.xmin = std::min(r.xmin, c.x);
    r.ymin = std::min(r.ymin, c.y);
    r.xmax = std::max(r.xmax, c.x);
    r.ymax = std::max(r.ymax, c.y);
  }
  return r;
}

void DisplayWindow::ZoomAbout(double wx, double wy, double factor) {
  if (!(factor > 0.0) || !std::isfinite(factor)) return;
  const D_DOT anchor = WpToLp(wx, wy);
  org_.scale = ClampScale(org_.scale * factor);
  org_.rate = org_.scale;
  // Put the anchor back under (wx, wy): shift the origin by the difference.
  const D_DOT now = WpToLp(wx, wy);
  org_.x += anchor.x - now.x;
  org_.y += anchor.y - now.y;
}

void DisplayWindow::PanPixels(double dx, double dy) {
  const D_DOT a = WpToLp(0, 0);
  const D_DOT b = WpToLp(dx, dy);
  org_.x -= b.x - a.x;
  org_.y -= b.y - a.y;
}

void DisplayWindow::CentreOn(const D_DOT& p) {
  const D_DOT centre = WpToLp(clientWidth_ / 2.0, clientHeight_ / 2.0);
  org_.x += p.x - centre.x;
  org_.y += p.y - centre.y;
}

void DisplayWindow::ShowAll(const D_RECT& extent, double marginFraction) {
  const double w = extent.xmax - extent.xmin, h = extent.ymax - extent.ymin;
  if (!std::isfinite(w) || !std::isfinite(h) || w < 0.0 || h < 0.0) return;
  if (w > 0.0 || h > 0.0) {
    const double grow = 1.0 + 2.0 * std::max(0.0, marginFraction);
    const double sx = w > 0.0 ? clientWidth_ / (w * grow) : kMaxScale;
    const double sy = h > 0.0 ? clientHeight_ / (h * grow) : kMaxScale;
    org_.scale = ClampScale(std::min(sx, sy));
    org_.rate = org_.scale;
  }
  CentreOn({(extent.xmin + extent.xmax) / 2.0, (extent.ymin + extent.ymax) / 2.0});
}

}  // namespace zv
