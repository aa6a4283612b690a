#include "platform/convert/plain_text_format.h"

#include <algorithm>

namespace zv::convert {
namespace {

using T = ParamValueType;

constexpr std::string_view kLineHeaders[] = {"WMAP6021", "WMAP7021", "WMAP8021", "WMAP9021"};
constexpr std::string_view kPointHeaders[] = {"WMAP6022", "WMAP7022", "WMAP8022", "WMAP9022"};
constexpr std::string_view kRegionHeaders[] = {"WMAP6023", "WMAP7023", "WMAP8023", "WMAP9023"};

// Every record ends with colour, layer and overprint (points) as listed.
constexpr ListedField kTextFields[] = {
    {pnt::kCharHeight, T::F32},  {pnt::kCharWidth, T::F32},   {pnt::kCharSpacing, T::F32}, {pnt::kTextAngle, T::F32},
    {pnt::kChineseFont, T::I16}, {pnt::kWesternFont, T::I16}, {pnt::kFontStyle, T::U8},    {pnt::kArrangement, T::U8},
    {pnt::kColour, T::I32},      {pnt::kLayer, T::I16},       {pnt::kOverprint, T::U8}};
constexpr ListedField kSymbolFields[] = {
    {pnt::kSymbolNumber, T::I32}, {pnt::kSymbolHeight, T::F32},    {pnt::kSymbolWidth, T::F32},
    {pnt::kSymbolAngle, T::F32},  {pnt::kSymbolAuxColour, T::I32}, {pnt::kColour, T::I32},
    {pnt::kSymbolPenWidth, T::F32}, {pnt::kLayer, T::I16},         {pnt::kOverprint, T::U8}};
constexpr ListedField kCircleFields[] = {{pnt::kCircleRadius, T::F64},  {pnt::kCircleOutlineColour, T::I32},
                                         {pnt::kCirclePenWidth, T::F32}, {pnt::kCircleFilled, T::U8},
                                         {pnt::kColour, T::I32},         {pnt::kLayer, T::I16},
                                         {pnt::kOverprint, T::U8}};
constexpr ListedField kArcFields[] = {{pnt::kArcRadius, T::F64},   {pnt::kArcStartAngle, T::F32},
                                      {pnt::kArcEndAngle, T::F32}, {pnt::kArcPenWidth, T::F32},
                                      {pnt::kColour, T::I32},      {pnt::kLayer, T::I16},
                                      {pnt::kOverprint, T::U8}};
constexpr ListedField kImageFields[] = {{pnt::kImageWidth, T::F64}, {pnt::kImageHeight, T::F64},
                                        {pnt::kImageAngle, T::F32}, {pnt::kColour, T::I32},
                                        {pnt::kLayer, T::I16},      {pnt::kOverprint, T::U8}};
constexpr ListedField kBlockFields[] = {
    {pnt::kCharHeight, T::F32},  {pnt::kCharWidth, T::F32},   {pnt::kCharSpacing, T::F32},
    {pnt::kTextAngle, T::F32},   {pnt::kChineseFont, T::I16}, {pnt::kWesternFont, T::I16},
    {pnt::kFontStyle, T::U8},    {pnt::kLineSpacing, T::F32}, {pnt::kBoxWidth, T::F32},
    {pnt::kBoxHeight, T::F32},   {pnt::kBlockArrangement, T::U8}, {pnt::kColour, T::I32},
    {pnt::kLayer, T::I16},       {pnt::kOverprint, T::U8}};
constexpr ListedField kLineFields[] = {{lin::kStyle, T::I16}, {lin::kAuxStyle, T::U8},  {lin::kColour, T::I32},
                                       {lin::kWidth, T::F32}, {lin::kXScale, T::F32},   {lin::kYScale, T::F32},
                                       {lin::kAuxColour, T::I32}, {lin::kLayer, T::I16}, {lin::kOverprint, T::U8}};
constexpr ListedField kRegionFields[] = {{reg::kFillColour, T::I32},    {reg::kPattern, T::I16},
                                         {reg::kPatternHeight, T::F32}, {reg::kPatternWidth, T::F32},
                                         {reg::kPatternColour, T::I32}, {reg::kLayer, T::I16},
                                         {reg::kOverprint, T::U8}};

struct PointKind {
  std::span<const ListedField> fields;
  bool text;
};
constexpr PointKind kPointKinds[] = {{kTextFields, true},  {kSymbolFields, false}, {kCircleFields, false},
                                     {kArcFields, false},  {kImageFields, true},   {kBlockFields, true}};

struct FileKind {
  char letter;  // the last letter of the name, lower case
  int areaType;
  const char* extension;
  std::span<const std::string_view> headers;
};
constexpr FileKind kKinds[] = {{'l', kLineArea, ".wal", kLineHeaders},
                               {'t', kPointArea, ".wat", kPointHeaders},
                               {'p', kRegionArea, ".wap", kRegionHeaders}};

const FileKind* KindOfType(int areaType) {
  for (const FileKind& k : kKinds)
    if (k.areaType == areaType) return &k;
  return nullptr;
}

}  // namespace

std::span<const std::string_view> HeadersOf(int areaType) {
  const FileKind* kind = KindOfType(areaType);
  return kind ? kind->headers : std::span<const std::string_view>{};
}

int KindOfHeader(std::string_view header) {
  for (const FileKind& k : kKinds)
    if (std::find(k.headers.begin(), k.headers.end(), header) != k.headers.end()) return k.areaType;
  return -1;
}

std::span<const ListedField> PointFields(int pointKind) {
  return pointKind >= 0 && pointKind < 6 ? kPointKinds[pointKind].fields : std::span<const ListedField>{};
}
bool PointKindHasText(int pointKind) { return pointKind >= 0 && pointKind < 6 && kPointKinds[pointKind].text; }
std::span<const ListedField> LineFields() { return kLineFields; }
std::span<const ListedField> RegionFields() { return kRegionFields; }

int PlainTextKindOfName(std::string_view path) {
  if (path.empty()) return -1;
  const char last = static_cast<char>(path.back() | 0x20);
  for (const FileKind& k : kKinds)
    if (k.letter == last) return k.areaType;
  return -1;
}

const char* PlainTextExtension(int areaType) {
  const FileKind* kind = KindOfType(areaType);
  return kind ? kind->extension : "";
}

}  // namespace zv::convert
