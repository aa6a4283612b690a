#include "exchange/dxf/dxf_texts.h"

#include <algorithm>
#include <cmath>

#include "exchange/dxf/dxf_code_page.h"
#include "exchange/dxf/dxf_geometry.h"
#include "exchange/dxf/dxf_group_reader.h"
#include "exchange/dxf/dxf_layers.h"
#include "exchange/dxf/dxf_linear_readers.h"
#include "exchange/dxf/dxf_text_codes.h"
#include "framework/text/encoding.h"
#include "platform/display/text_measure.h"

namespace zv::dxf {
namespace {

constexpr double kRadian = 57.29577951308232;
// Line spacing of a text block: the DXF factor times this many heights, less
// one height.
constexpr double kLineSpacingHeights = 1.6666666666666665;
constexpr double kDefaultFrameWidth = 100.0;

// TEXT justification (72: 0 left, 1 centre, 2 right, 3 aligned, 4 middle,
// 5 fit; 73: 0 baseline, 1 bottom, 2 middle, 3 top) as the MTEXT attachment
// point it anchors like; 0 for texts placed by their first point.
int JustificationAttachment(int32_t horizontal, int32_t vertical) {
  if (horizontal == 3 || horizontal == 5 || horizontal < 0 || horizontal > 5 || vertical < 0 || vertical > 3)
    return 0;
  if (horizontal == 0 && vertical == 0) return 0;
  const int column = horizontal == 4 ? 1 : horizontal;
  const int row = horizontal == 4 ? 1 : vertical == 3 ? 0 : vertical == 2 ? 1 : 2;
  return row * 3 + column + 1;
}

}  // namespace

DxfTextRecord ReadText(DxfGroupReader& groups, const DxfTextDecoder& decoder) {
  DxfTextRecord record;
  record.head.typeName = groups.value();
  record.isMText = record.head.typeName == "MTEXT";
  // An MTEXT without a reference width (41) is not wrapped.
  if (record.isMText) record.widthFactor = 0;
  std::string chunks;
  double directionX = 0;
  bool hasDirection = false;
  double directionAngle = 0;
  const int verticalCode = record.head.typeName == "ATTRIB" ? 74 : 73;
  while (groups.Next() && groups.code() != 0) {
    if (ReadHeadGroup(record.head, groups, decoder, {.lineTypeName = false})) continue;
    switch (groups.code()) {
      case 1: record.head.nameText = decoder.Decode(groups.value()); break;
      case 3: chunks += decoder.Decode(groups.value()); break;
      case 10: record.x = GroupDouble(groups.value()); break;
      case 20: record.y = GroupDouble(groups.value()); break;
      case 30: record.z = GroupDouble(groups.value()); break;
      case 40:
        if (const double h = GroupDouble(groups.value()); h != 0) record.height = h;
        break;
      case 41: record.widthFactor = GroupDouble(groups.value()); break;
      case 44: record.lineSpacingFactor = GroupDouble(groups.value()); break;
      case 50: record.rotationDegrees = GroupDouble(groups.value()); break;
      case 71: record.attachment = GroupInt(groups.value()); break;
      case 72: record.horizontal = GroupInt(groups.value()); break;
      case 11: directionX = GroupDouble(groups.value()); break;
      case 21:
        directionAngle = std::atan2(GroupDouble(groups.value()), directionX) * kRadian;
        hasDirection = true;
        record.alignmentPoint = D_DOT{directionX, GroupDouble(groups.value())};
        break;
      default:
        if (groups.code() == verticalCode) record.vertical = GroupInt(groups.value());
        break;
    }
  }
  if (record.isMText) {
    // MTEXT is in world coordinates; its direction vector wins over 50.
    record.head.mirrored = false;
    if (hasDirection) record.rotationDegrees = directionAngle;
    record.text = ConvertMTextCodes(chunks + record.head.nameText, record.height);
  } else {
    record.text = ConvertTextSpecials(record.head.nameText);
  }
  return record;
}

namespace {

// A frame as wide as the longest line, 100 at least, so that nothing wraps.
double UnwrappedFrameWidth(const std::string& text, double height) {
  double widest = 0;
  std::size_t begin = 0;
  while (begin <= text.size()) {
    const std::size_t end = std::min(text.find("\r\n", begin), text.size());
    widest = std::max(widest, display::DspStringWidth(std::string_view(text).substr(begin, end - begin)) * height);
    begin = end + 2;
  }
  return std::max(kDefaultFrameWidth, widest);
}

void WriteMText(const DxfTextRecord& record, DxfDrawContext& context, DxfPoint& point) {
  const double h = record.height;
  AlignTextPosition(point.position, h, display::DspStringWidth(record.text) * h, record.attachment);
  point.angle = record.rotationDegrees;
  point.height = h;
  point.width = h;
  if (text::GbkLength(record.text) < kMTextNoteLimit && record.text.find("\r\n") == std::string::npos) {
    point.kind = DxfPointKind::Note;
    point.setsSpacing = true;
  } else {
    point.kind = DxfPointKind::TextBlock;
    point.position.y += h;
    point.lineSpacing = record.lineSpacingFactor * h * kLineSpacingHeights - h;
    point.frameWidth = record.widthFactor != 0 ? record.widthFactor : UnwrappedFrameWidth(record.text, h);
  }
  context.sink.AppendPoint(point, {record.head.nameText, record.head.layer, h});
}

}  // namespace

void WriteText(const DxfTextRecord& record, DxfDrawContext& context) {
  if (context.layers.IsOff(record.head.layer)) return;
  DxfPoint point;
  point.position = {record.x, record.y};
  point.text = record.text;
  point.rgb = EntityRgb(record.head, context);
  point.layerNumber = context.layerNumbers.Number(record.head.layer);
  if (record.isMText) {
    WriteMText(record, context, point);
    return;
  }
  point.kind = DxfPointKind::Note;
  point.height = record.height;
  point.width = record.widthFactor * record.height;
  point.angle = record.rotationDegrees;
  // A justified text hangs from its alignment point: writers that cannot
  // measure texts give that point as the first one too.
  if (const int attachment = JustificationAttachment(record.horizontal, record.vertical);
      attachment != 0 && record.alignmentPoint) {
    D_DOT shift{0, 0};
    AlignTextPosition(shift, point.height, display::DspStringWidth(record.text) * point.width, attachment);
    const double a = point.angle / kRadian;
    point.position = {record.alignmentPoint->x + shift.x * std::cos(a) - shift.y * std::sin(a),
                      record.alignmentPoint->y + shift.x * std::sin(a) + shift.y * std::cos(a)};
  }
  InObjectCoordinates(record.head, context, [&](DxfDrawContext& c) {
    c.sink.AppendPoint(point, {record.head.nameText, record.head.layer, record.height});
  });
}

}  // namespace zv::dxf
