#include "geodesy/seven/seven_params.h"

#include <cmath>

#include "framework/text/encoding.h"
#include "framework/text/numbers.h"
#include "geodesy/dms.h"
#include "geodesy/ellipsoid.h"
#include "geodesy/geo_point.h"
#include "geodesy/matrix.h"
#include "geodesy/point_text.h"
#include "geodesy/seven_parameter_fit.h"

namespace zv::seven {
namespace {

const Ellipsoid& EllipsoidOf(int code) { return code == 2 ? kBeijing54 : code == 3 ? kXian80 : kWgs84; }

bool SourceIsGeodetic(int form) { return form == 1 || form == 2; }
bool TargetIsGeodetic(int form) { return form == 2 || form == 3; }

std::string Lf(double v) { return num::Format("%.15lf", v); }

// The three values of a row, or the message naming the list and row.
std::optional<std::array<double, 3>> Values(const Row& row, std::size_t index, const char* list, std::string* error) {
  std::array<double, 3> v{};
  for (int i = 0; i < 3; ++i) {
    const std::optional<double> value = point_text::ParseNumber(row[i + 1]);
    if (!value || !std::isfinite(*value)) {
      *error = num::Format("%s第%zu行的数据不是有效数字：", list, index + 1) + row[i + 1];
      return std::nullopt;
    }
    v[i] = *value;
  }
  return v;
}

// The earth-centred coordinates of a row: B, L (packed), H, or x, y, h
// projected back with the meridian l0 (packed), on the ellipsoid.
CGeoPoint Xyz(const std::array<double, 3>& v, bool geodetic, double l0, const Ellipsoid& e) {
  if (!geodetic) return PlaneToCartesian(v[0], v[1], v[2], l0, e.e2, e.a);
  CGeoPoint p;
  p.SetCoords(v[0], v[1], v[2], CGeoPoint::kPackedDms);
  p.BlhToXyz(e.e2, e.a);
  return p;
}

std::optional<CGeoPoint> SourceXyz(const Settings& s, const Row& row, std::size_t i, std::string* error) {
  const auto v = Values(row, i, "左表", error);
  if (!v) return std::nullopt;
  return Xyz(*v, SourceIsGeodetic(s.form), s.sourceL0, EllipsoidOf(s.source));
}

std::optional<CGeoPoint> TargetXyz(const Settings& s, const Row& row, std::size_t i, std::string* error) {
  const auto v = Values(row, i, "右表", error);
  if (!v) return std::nullopt;
  return Xyz(*v, TargetIsGeodetic(s.form), s.targetL0, EllipsoidOf(s.target));
}

}  // namespace

FitResult Fit(const Settings& s, const Rows& source, const Rows& target) {
  FitResult out;
  std::size_t n = source.size();
  if (s.model == 1 && n < 3) return {{}, "公共点小于3个，无法计算！"};
  if (s.model == 2) {
    if (n == 0) return {{}, "没有公共点，无法计算！"};
    n = 1;
  }
  if (target.size() < n) return {{}, num::Format("右表只有%zu行，少于左表的%zu个公共点，无法计算！", target.size(), n)};
  std::string text;
  for (std::size_t i = 0; i < n; ++i) {
    const auto from = SourceXyz(s, source[i], i, &out.error);
    if (!from) return out;
    const auto to = TargetXyz(s, target[i], i, &out.error);
    if (!to) return out;
    if (s.model == 2) {
      out.parameters = {Lf(from->X() - to->X()), Lf(from->Y() - to->Y()), Lf(from->Z() - to->Z())};
      return out;
    }
    text += Lf(from->X()) + " " + Lf(from->Y()) + " " + Lf(from->Z()) + " " + Lf(to->X()) + " " + Lf(to->Y()) + " " +
            Lf(to->Z()) + "\n";
  }
  CMatrix points;
  double p[7] = {};
  if (!points.FromString(text, " ", true) || !FitSevenParameters(points, p))
    return {{}, "公共点重复、共线或数据无效，无法计算参数！"};
  for (int i = 0; i < 7; ++i) out.parameters[i] = Lf(-p[i]);
  return out;
}

TransformResult Transform(const Settings& s, const Parameters& parameters, const Rows& source) {
  TransformResult out;
  double p[7] = {};
  for (int i = 0; i < 7; ++i) p[i] = num::ParseDouble(parameters[i]);
  const Ellipsoid& target = EllipsoidOf(s.target);
  for (std::size_t i = 0; i < source.size(); ++i) {
    auto point = SourceXyz(s, source[i], i, &out.error);
    if (!point) return {{}, out.error};
    if (s.model == 1) {
      point->ApplySevenParameters(p);
    } else {
      point->Set(point->X() - p[0], point->Y() - p[1], point->Z() - p[2]);
    }
    point->XyzToBlh(target.e2, target.a);
    double b = 0, l = 0, h = 0;
    point->GetCoords(&b, &l, &h, CGeoPoint::kPackedDms);
    point->SetCoords(b, l, h, CGeoPoint::kPackedDms);
    Row row{source[i][0]};
    if (TargetIsGeodetic(s.form)) {
      row[1] = num::Format("%.12f", b);
      row[2] = num::Format("%.12f", l);
      row[3] = num::Format("%.12f", h);
    } else {
      point->GaussForward(target.e2, target.a, DmsToRadians(s.targetL0));
      row[1] = num::Format("%.3f", point->X());
      row[2] = num::Format("%.3f", point->Y());
      row[3] = num::Format("%.3f", point->Z());
    }
    out.rows.push_back(std::move(row));
  }
  return out;
}

std::string ParameterFileText(const Settings& s, const Parameters& parameters) {
  std::string out;
  for (const std::string& p : parameters) out += p + "\r\n";
  out += num::Format("%f\r\n%f\r\n%d\r\n%d\r\n%d\r\n%d\r\n", s.sourceL0, s.targetL0, s.source, s.form, s.target,
                     s.model);
  return out;
}

std::optional<ParameterFile> ReadParameterFile(std::string_view bytes, std::string* error) {
  std::vector<std::string> lines;
  const std::string contents = text::DecodeTextFile(bytes);
  for (std::size_t at = 0; at < contents.size();) {
    std::size_t end = contents.find_first_of("\r\n", at);
    if (end == std::string::npos) end = contents.size();
    lines.push_back(contents.substr(at, end - at));
    at = end + (contents.compare(end, 2, "\r\n") == 0 ? 2 : 1);
  }
  if (lines.size() < 13) {
    *error = num::Format("参数文件应有13行，只有%zu行。", lines.size());
    return std::nullopt;
  }
  std::array<double, 13> v{};
  for (int i = 0; i < 13; ++i) {
    // A parameter not computed yet is saved as its empty edit.
    if (i < 7 && lines[i].find_first_not_of(" \t") == std::string::npos) continue;
    const std::optional<double> value = point_text::ParseNumber(lines[i]);
    if (!value || !std::isfinite(*value)) {
      *error = num::Format("参数文件第%d行不是有效数字：", i + 1) + lines[i];
      return std::nullopt;
    }
    v[i] = *value;
  }
  auto code = [&](int line, int low, int high) {
    return v[line] == std::trunc(v[line]) && v[line] >= low && v[line] <= high;
  };
  if (!code(9, 1, 3) || !code(10, 1, 4) || !code(11, 1, 3) || !code(12, 1, 2)) {
    *error = "参数文件中的椭球、坐标形式或参数模型代码无效。";
    return std::nullopt;
  }
  ParameterFile file;
  for (int i = 0; i < 7; ++i) file.parameters[i] = lines[i];
  file.settings = {static_cast<int>(v[9]), static_cast<int>(v[10]), static_cast<int>(v[11]), static_cast<int>(v[12]),
                   v[7], v[8]};
  return file;
}

std::string ClipboardText(const Rows& rows) { return point_text::JoinRows(rows, "\t"); }

Rows ParseClipboard(std::string_view text) {
  Rows rows;
  for (std::vector<std::string>& f : point_text::ParseClipboardRows(text, 4, kCellCharacters))
    rows.push_back({std::move(f[0]), std::move(f[1]), std::move(f[2]), std::move(f[3])});
  return rows;
}

}  // namespace zv::seven
