#include "geodesy/gauss/gauss_rows.h"

#include <cmath>

#include "framework/text/encoding.h"
#include "framework/text/numbers.h"
#include "geodesy/dms.h"
#include "geodesy/ellipsoid.h"
#include "geodesy/geo_point.h"

namespace zv::gauss {
namespace {

constexpr Ellipsoid kCodes[] = {kBeijing54, kXian80, kWgs84};

const Ellipsoid& EllipsoidOf(int code) { return kCodes[code >= 0 && code < 3 ? code : 0]; }

std::string F(double v) { return num::FormatFixed(v, 6); }
double D(const std::string& text) { return num::ParseDouble(text); }

// Total seconds to DDMMSS.ss, rounded to the six decimals "%f" shows.
std::string SecondsToDdmmss(double seconds) {
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

// "116°5′3.5″" as its three numbers; false when the text has no degree sign
// or the parts are no numbers.
bool SymbolsToDdmmss(const std::string& text, std::string* out) {
  const std::string_view marks[] = {"°", "′", "″"};
  double parts[3] = {0, 0, 0};
  std::size_t at = 0;
  bool any = false;
  for (int i = 0; i < 3; ++i) {
    const std::size_t mark = text.find(marks[i], at);
    if (mark == std::string::npos) continue;
    const std::string number = text.substr(at, mark - at);
    if (number.find_first_not_of(" 0123456789.+-") != std::string::npos) return false;
    parts[i] = num::ParseDouble(number);
    at = mark + marks[i].size();
    any = true;
  }
  if (!any || text.find_first_not_of(" ", at) != std::string::npos) return false;
  *out = SecondsToDdmmss(parts[0] * 3600 + parts[1] * 60 + parts[2]);
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

GaussRows ReadPointFile(std::string_view bytes) {
  const std::string contents = text::DecodeTextFile(bytes);
  GaussRows rows;
  std::string_view rest(contents);
  while (!rest.empty()) {
    const std::size_t eol = rest.find('\n');
    std::string_view line = rest.substr(0, eol);
    rest = eol == std::string_view::npos ? std::string_view() : rest.substr(eol + 1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (line.find_first_not_of(" \t") == std::string_view::npos) continue;
    GaussRow row;
    const std::size_t c1 = line.find(',');
    row.name = std::string(line.substr(0, c1));
    if (c1 != std::string_view::npos) {
      const std::size_t c2 = line.find(',', c1 + 1);
      row.first = std::string(line.substr(c1 + 1, c2 == std::string_view::npos ? std::string_view::npos : c2 - c1 - 1));
      if (c2 != std::string_view::npos) {
        for (char c : line.substr(c2 + 1))
          if (c != ',') row.second += c;
      }
    }
    rows.push_back({CutCell(row.name), CutCell(row.first), CutCell(row.second)});
  }
  return rows;
}

std::string PointFileText(const GaussRows& rows) {
  std::string out;
  for (const GaussRow& r : rows) out += r.name + "," + r.first + "," + r.second + "\r\n";
  return out;
}

GaussRows ParseClipboard(std::string_view text) {
  GaussRows rows;
  std::size_t i = 0;
  while (i < text.size()) {
    std::size_t end = text.find_first_of("\r\n", i);
    if (end == std::string_view::npos) end = text.size();
    const std::string_view line = text.substr(i, end - i);
    i = end;
    if (i < text.size() && text[i] == '\r') ++i;
    if (i < text.size() && text[i] == '\n') ++i;
    std::vector<std::string> fields;
    std::size_t k = 0;
    while (fields.size() < 3) {
      k = line.find_first_not_of("\t, ", k);
      if (k == std::string_view::npos) break;
      const std::size_t stop = line.find_first_of("\t, ", k);
      fields.push_back(CutCell(line.substr(k, stop == std::string_view::npos ? std::string_view::npos : stop - k)));
      k = stop;
    }
    if (fields.empty()) continue;
    fields.resize(3);
    rows.push_back({fields[0], fields[1], fields[2]});
  }
  return rows;
}

std::string ClipboardText(const GaussRows& rows) {
  std::string out;
  for (const GaussRow& r : rows) out += r.name + "\t" + r.first + "\t" + r.second + "\r\n";
  return out;
}

}  // namespace zv::gauss
