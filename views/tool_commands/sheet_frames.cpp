#include "views/tool_commands/sheet_frames.h"

#include <algorithm>
#include <cmath>

#include "framework/text/encoding.h"
#include "framework/text/numbers.h"
#include "platform/projection/dms.h"
#include "tools/frame/graticule_frame.h"

namespace zv::framecmd {
namespace {

constexpr FrameCommand kFrameCommands[] = {
    {33229, 4041, 5000, FrameKind::kSheet, "生成1:5000图框"},
    {33230, 4042, 10000, FrameKind::kSheet, "生成1:1万图框"},
    {33231, 4043, 25000, FrameKind::kSheet, "生成1:2.5万图框"},
    {33232, 4044, 50000, FrameKind::kSheet, "生成1:5万图框"},
    {33233, 4045, 100000, FrameKind::kSheet, "生成1:10万图框"},
    {33234, 4047, 250000, FrameKind::kSheet, "生成1:25万图框"},
    {33235, 4048, 500000, FrameKind::kSheet, "生成1:50万图框"},
    {33236, 4049, 1000000, FrameKind::kSheet, "生成1:100万图框"},
    {33237, 4050, 2000, FrameKind::kSquare, "生成1:2000图框"},
    {33238, 4051, 1000, FrameKind::kSquare, "生成1:1000图框"},
    {33239, 4052, 500, FrameKind::kSquare, "生成1:500图框"},
    {33240, 4153, 0, FrameKind::kRange, "生成梯形图框"},
};

static_assert(std::size(kFrameCommands) == kFrameCommandCount);

// Map-parameter codes of the sheet plane.
constexpr uint8_t kProjectedPlane = 3, kMillimetres = 0, kGaussKruger = 5, kBeijing54 = 1;
constexpr long kLastThreeDegreeScale = 10000;
constexpr double kSquareSideMm = 500.0;
constexpr double kTextGapMm = 4.0;     // between the outer border and the nearest text
constexpr double kOuterBorderMm = 11.0;

struct GridStep {
  long scale;
  double km;
};
constexpr GridStep kGridSteps[] = {{5000, 0.5},    {10000, 1.0},   {25000, 1.0},   {50000, 1.0},
                                   {100000, 2.0},  {250000, 10.0}, {500000, 20.0}, {1000000, 50.0}};

std::string WithoutBlanks(std::string_view text) {
  std::string out;
  for (const char c : text)
    if (c != ' ' && c != '\t') out += c;
  return out;
}

// Seconds of arc as a packed DDDMMSS text, the seconds without trailing zeros.
std::string PackedText(double seconds) {
  std::string text = num::Format("%.4f", ProjSecondsToDms(seconds));
  while (text.back() == '0') text.pop_back();
  if (text.back() == '.') text.pop_back();
  return text;
}

// The text's length on paper at the label size: its width in character
// units times the character width.
double TextLength(const std::string& text, frame::TextSize size) { return text::WidthInCharUnits(text) * size.width; }

void PutTexts(const frame::FrameTarget& target, const std::vector<D_DOT>& inner, const FrameTexts& texts) {
  if (inner.size() < 4) return;
  double top = -HUGE_VAL, bottom = HUGE_VAL, left = HUGE_VAL, right = -HUGE_VAL;
  for (const D_DOT& p : inner) {
    top = std::max(top, p.y);
    bottom = std::min(bottom, p.y);
    left = std::min(left, p.x);
    right = std::max(right, p.x);
  }
  top += kOuterBorderMm + kTextGapMm;
  bottom -= kOuterBorderMm + kTextGapMm;
  left -= kOuterBorderMm;
  right += kOuterBorderMm;
  const double middle = (left + right) / 2.0;
  const frame::TextSize size = frame::kLargeText;
  const double step = size.height * 2.0;
  frame::FrameWriter out(target);
  for (std::size_t i = 0; i < texts.above.size(); ++i)
    out.Text({middle - TextLength(texts.above[i], size) / 2.0, top + step * static_cast<double>(i)}, texts.above[i], size);
  if (!texts.topRight.empty()) out.Text({right - TextLength(texts.topRight, size), top}, texts.topRight, size);
  for (std::size_t i = 0; i < texts.belowLeft.size(); ++i)
    out.Text({left, bottom - size.height - step * static_cast<double>(i)}, texts.belowLeft[i], frame::kSmallText);
  if (!texts.belowRight.empty())
    out.Text({right - TextLength(texts.belowRight, size), bottom - size.height}, texts.belowRight, size);
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t from = 0;
  while (from <= text.size()) {
    const std::size_t end = text.find('\n', from);
    std::string line = text.substr(from, end == std::string::npos ? std::string::npos : end - from);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (!line.empty()) lines.push_back(line);
    if (end == std::string::npos) break;
    from = end + 1;
  }
  return lines;
}

}  // namespace

std::span<const FrameCommand> FrameCommands() { return kFrameCommands; }

const FrameCommand* FindFrameCommand(int id) {
  const auto it = std::find_if(std::begin(kFrameCommands), std::end(kFrameCommands),
                               [id](const FrameCommand& c) { return c.id == id; });
  return it == std::end(kFrameCommands) ? nullptr : &*it;
}

std::optional<Sheet> ResolveSheet(std::string_view typed, long scale, std::string* error) {
  const std::string number = WithoutBlanks(typed);
  Sheet sheet;
  char letter = 0;
  sheet.scale = CMapSheet::ScaleOfNewNumber(number, &letter);
  if (sheet.scale > 0) {
    sheet.number = number;
  } else if ((sheet.scale = CMapSheet::ClassifyOldNumber(number, &letter)) > 0) {
    CMapSheet converter;
    sheet.number = converter.OldToNewNumber(number);
  }
  if (sheet.scale <= 0 || sheet.number.empty() || !CMapSheet::SheetExtent(sheet.number, &sheet.extent)) {
    if (error) *error = "图幅号错误：" + std::string(typed);
    return std::nullopt;
  }
  if (scale != 0 && sheet.scale != scale) {
    if (error) *error = "图幅号" + number + "不是1:" + num::FormatInt(scale) + "的图幅！";
    return std::nullopt;
  }
  return sheet;
}

SheetPlane PlaneOf(long scale, double middleLongitudeSeconds, const MapParams* document) {
  SheetPlane plane;
  const bool threeDegrees = scale <= kLastThreeDegreeScale;
  double meridianDegrees = 0.0;
  if (document != nullptr && document->projection() == kGaussKruger) {
    plane.record = *document;
    double packed = document->centralMeridian();
    ProjDmsToSeconds(&packed);
    meridianDegrees = packed / 3600.0;
  } else {
    plane.record = DefaultMapParams();
    plane.record.setProjection(kGaussKruger);
    plane.record.setEllipsoid(kBeijing54);
    const double degrees = middleLongitudeSeconds / 3600.0;
    meridianDegrees = threeDegrees ? 3.0 * std::floor(degrees / 3.0 + 0.5) : 6.0 * std::floor(degrees / 6.0) + 3.0;
    plane.record.setCentralMeridian(meridianDegrees * 10000.0);
  }
  plane.record.setCoordKind(kProjectedPlane);
  plane.record.setUnit(kMillimetres);
  plane.record.setScale(static_cast<double>(scale));
  plane.zone = static_cast<int>(std::lround(threeDegrees ? meridianDegrees / 3.0 : (meridianDegrees + 3.0) / 6.0));
  return plane;
}

double GridInterval(long scale) {
  for (const GridStep& s : kGridSteps)
    if (scale <= s.scale) return s.km;
  return std::end(kGridSteps)[-1].km;
}

frame::FrameResult DrawRangeFrame(const frame::FrameTarget& target, const SheetExtentSeconds& range, long scale,
                                  const MapParams* document, const FrameTexts& texts) {
  const SheetPlane plane = PlaneOf(scale, (range.west + range.east) / 2.0, document);
  frame::GraticuleFrame g;
  g.minLongitude = PackedText(range.west);
  g.maxLongitude = PackedText(range.east);
  g.minLatitude = PackedText(range.south);
  g.maxLatitude = PackedText(range.north);
  g.interval = GridInterval(scale);
  g.record = plane.record;
  g.zone = plane.zone;
  frame::FrameResult result = frame::DrawGraticuleFrame(target, g);
  if (!result.error.empty() || result.drawn.lines.empty()) return result;
  std::vector<D_DOT> inner;
  BasReadLine(target.lines, result.drawn.lines.front(), &inner, nullptr);
  PutTexts(target, inner, texts);
  return result;
}

frame::FrameResult DrawSquareFrame(const frame::FrameTarget& target, double eastKm, double northKm, long scale) {
  const double sideKm = kSquareSideMm * static_cast<double>(scale) / 1e6;
  frame::StandardFrame f;
  f.x1 = num::Format("%.3f", eastKm);
  f.x2 = num::Format("%.3f", eastKm + sideKm);
  f.y1 = num::Format("%.3f", northKm);
  f.y2 = num::Format("%.3f", northKm + sideKm);
  f.scale = scale;
  return frame::DrawStandardFrame(target, f);
}

frame::FrameResult DrawLandUseFrame(const frame::FrameTarget& target, const LandUseRecord& record,
                                    const MapParams* document) {
  std::string error;
  const std::optional<Sheet> sheet = ResolveSheet(record.newNumber, 0, &error);
  if (!sheet) return {error, {}};
  FrameTexts texts;
  texts.above = {record.newNumber, record.oldNumber, record.title};
  texts.topRight = record.security;
  texts.belowLeft = Lines(record.production);
  texts.belowRight = record.authority;
  return DrawRangeFrame(target, sheet->extent, sheet->scale, document, texts);
}

}  // namespace zv::framecmd
