#include "geodesy/gauss/gauss_rows.h"

#include <cmath>

#include "framework/text/encoding.h"
#include "framework/text/numbers.h"
#include "geodesy/dms.h"
#include "geodesy/ellipsoid.h"
#include "geodesy/geo_point.h"
#include "geodesy/point_text.h"

namespace zv::gauss {
namespace {

constexpr Ellipsoid kCodes[] = {kBeijing54, kXian80, kWgs84};

const Ellipsoid& EllipsoidOf(int code) { return kCodes[code >= 0 && code < 3 ? code : 0]; }

std::string F(double v) { return num::FormatFixed(v, 6); }
double D(const std::string& text) { return num::ParseDouble(text); }

// Total seconds to DDMMSS.ss, rounded to the six decimals "%f" shows.
std::string SecondsToDdmmss(double seconds) {
  // NaN and infinities show as such rather than as digits of an overflowed
  // integer; values past the integer's range drop the fraction they no
  // longer carry anyway.
  if (!std::isfinite(seconds)) return F(seconds);
  if (std::abs(seconds) >= 9e12) {
    const double total = std::abs(seconds);
    const double rest = std::fmod(total, 3600);
    return (seconds < 0 ? "-" : "") + num::Format("%.0f%02d%02d.000000", std::trunc(total / 3600),
                                                  static_cast<int>(rest / 60), static_cast<int>(std::fmod(rest, 60)));
  }
  const bool negative = seconds < 0;
  const long long micro = std::llround(std::abs(seconds) * 1e6);
  const long long whole = micro / 1000000;
  const long long fraction = micro % 1000000;
  const long long d = whole / 3600, m = whole % 3600 / 60, s = whole % 60;
  std::string text = num::Format("%lld%02lld%02lld.%06lld", d, m, s, fraction);
  if (d == 0) text = num::Format("%lld%02lld.%06lld", m, s, fraction);
  if (d == 0 && m == 0) text = num::Format("%lld.%06lld", s, fraction);
  return negative ? "-" + text : text;
}

// "116°5′3.5″" to DDMMSS.ss; false when the text is no such angle.
bool SymbolsToDdmmss(const std::string& text, std::string* out) {
  const auto parts = point_text::SymbolAngle(text);
  if (!parts) return false;
  *out = SecondsToDdmmss((*parts)[0] * 3600 + (*parts)[1] * 60 + (*parts)[2]);
  return true;
}

template <class F>
void EachAngleCell(GaussRows& rows, F&& f) {
  for (GaussRow& row : rows) {
    f(row.first);
    f(row.second);
  }
}

}  // namespace

std::string CutCell(std::string_view text) { return text::CutToCharacters(text, kCellCharacters); }

GaussRows ComputeGauss(const GaussSettings& s, const GaussRows& input) {
  const Ellipsoid& from = EllipsoidOf(s.sourceEllipsoid);
  const Ellipsoid& to = EllipsoidOf(s.targetEllipsoid);
  const double l0 = DmsToRadians(s.sourceL0);
  GaussRows out;
  out.reserve(input.size());
  CGeoPoint p;
  double a = 0, b = 0, z = 0;
  for (const GaussRow& row : input) {
    switch (s.mode) {
      case GaussMode::Forward:
        p.SetCoords(D(row.first) * 0.0001, D(row.second) * 0.0001, 0, CGeoPoint::kPackedDms);
        p.GaussForward(from.e2, from.a, l0);
        p.GetCoords(&a, &b, &z, CGeoPoint::kAsStored);
        out.push_back({row.name, F(a), F(b)});
        break;
      case GaussMode::Inverse:
        p.SetCoords(D(row.first), D(row.second), 0, CGeoPoint::kAsStored);
        p.GaussInverse(from.e2, from.a, l0);
        p.GetCoords(&a, &b, &z, CGeoPoint::kAsStored);
        // From the seconds rounded as shown, so a value never reads 59′60″.
        out.push_back({row.name, SecondsToDdmmss(a * kDegreesPerRadian * 3600),
                       SecondsToDdmmss(b * kDegreesPerRadian * 3600)});
        break;
      case GaussMode::ZoneChange:
        p.SetCoords(D(row.first), D(row.second), 0, CGeoPoint::kAsStored);
        p.GaussInverse(from.e2, from.a, l0);
        p.GetCoords(&a, &b, &z, CGeoPoint::kPackedDms);
        p.SetCoords(a, b, z, CGeoPoint::kPackedDms);
        p.GaussForward(to.e2, to.a, DmsToRadians(s.targetL0));
        p.GetCoords(&a, &b, &z, CGeoPoint::kAsStored);
        out.push_back({row.name, F(a), F(b)});
        break;
    }
  }
  return out;
}

void ToDdmmss(GaussRows& rows, AngleNotation notation) {
  if (notation == AngleNotation::DecimalDegrees) {
    EachAngleCell(rows, [](std::string& cell) { cell = SecondsToDdmmss(D(cell) * 3600); });
  } else if (notation == AngleNotation::Symbols) {
    EachAngleCell(rows, [](std::string& cell) { SymbolsToDdmmss(cell, &cell); });
  }
}

void ScaleColumns(GaussRows& rows, double factor) {
  EachAngleCell(rows, [factor](std::string& cell) { cell = F(D(cell) * factor); });
}

void MinutesToSeconds(GaussRows& rows) {
  EachAngleCell(rows, [](std::string& cell) {
    const double v = D(cell);
    cell = F(100 * std::trunc(v) + (v - std::trunc(v)) * 60);
  });
}

namespace {

// The rows that hold anything, each cell cut to a list cell.
GaussRows FilledRows(const std::vector<point_text::Fields>& all) {
  GaussRows rows;
  for (const point_text::Fields& f : all) {
    if (f[0].empty() && f[1].empty() && f[2].empty()) continue;
    rows.push_back({CutCell(f[0]), CutCell(f[1]), CutCell(f[2])});
  }
  return rows;
}

}  // namespace

GaussRows ReadPointFile(std::string_view bytes) { return FilledRows(point_text::ReadFile(bytes)); }

std::string PointFileText(const GaussRows& rows) { return point_text::Join(point_text::ToFields(rows), ","); }

GaussRows ParseClipboard(std::string_view text) {
  return FilledRows(point_text::ParseClipboard(text, kCellCharacters));
}

std::string ClipboardText(const GaussRows& rows) { return point_text::Join(point_text::ToFields(rows), "\t"); }

}  // namespace zv::gauss
