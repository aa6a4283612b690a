#include "platform/editors/param_fields.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <string_view>
#include <utility>

namespace zv {

namespace {

constexpr std::pair<std::string_view, const char*> kLabels[] = {
    {"kind", "点类型"},           {"overprint", "覆盖方式"},      {"charHeight", "字高"},
    {"charWidth", "字宽"},         {"charSpacing", "字间距"},      {"textAngle", "字角度"},
    {"chineseFont", "中文字体"},   {"westernFont", "西文字体"},    {"fontStyle", "字形"},
    {"arrangement", "排列方式"},   {"blockCharHeight", "字高"},    {"blockCharWidth", "字宽"},
    {"blockCharSpacing", "字间距"}, {"blockAngle", "角度"},         {"blockChineseFont", "中文字体"},
    {"blockWesternFont", "西文字体"}, {"blockFontStyle", "字形"},  {"lineSpacing", "行间距"},
    {"boxWidth", "版面宽"},        {"boxHeight", "版面高"},        {"blockArrangement", "排列方式"},
    {"symbolNumber", "子图号"},    {"symbolHeight", "子图高"},     {"symbolWidth", "子图宽"},
    {"symbolAngle", "子图角度"},   {"symbolPenWidth", "线宽"},     {"symbolAuxColour", "辅助色"},
    {"circleRadius", "半径"},      {"circleOutlineColour", "边线颜色"}, {"circlePenWidth", "线宽"},
    {"circleFilled", "填充"},      {"arcRadius", "半径"},          {"arcStartAngle", "起始角"},
    {"arcEndAngle", "终止角"},     {"arcPenWidth", "线宽"},        {"imageWidth", "图像宽"},
    {"imageHeight", "图像高"},     {"imageAngle", "图像角度"},     {"colour", "颜色"},
    {"linkedLine", "关联线"},      {"layer", "图层"},              {"style", "线型"},
    {"auxStyle", "辅助线型"},      {"width", "线宽"},              {"lineKind", "线类型"},
    {"xScale", "X系数"},           {"yScale", "Y系数"},            {"auxColour", "辅助色"},
    {"fillColour", "填充颜色"},    {"pattern", "图案号"},          {"patternHeight", "图案高"},
    {"patternWidth", "图案宽"},    {"patternColour", "图案颜色"},  {"slopeBaseline", "透明输出"},
};

const char* LabelOf(std::string_view name) {
  for (const auto& [key, label] : kLabels)
    if (key == name) return label;
  return "";
}

std::vector<ShownParamField> Shown(ParamRecordKind record, int pointKind) {
  std::vector<ShownParamField> out;
  for (const ParamField& f : ParamFieldTable()) {
    if (f.record != record) continue;
    if (record == ParamRecordKind::Point && f.pointKind != -1 && f.pointKind != pointKind) continue;
    out.push_back({f, LabelOf(f.name)});
  }
  return out;
}

template <class T>
void StoreInt(uint8_t* p, double value) {
  const double clamped = std::clamp(std::trunc(std::isfinite(value) ? value : 0.0),
                                    static_cast<double>(std::numeric_limits<T>::lowest()),
                                    static_cast<double>(std::numeric_limits<T>::max()));
  bytes::WriteLe<T>(p, static_cast<T>(clamped));
}

}  // namespace

std::vector<ShownParamField> ShownPointFields(uint8_t pointKind) { return Shown(ParamRecordKind::Point, pointKind); }
std::vector<ShownParamField> ShownLineFields() { return Shown(ParamRecordKind::Line, -1); }
std::vector<ShownParamField> ShownRegionFields() { return Shown(ParamRecordKind::Region, -1); }

double ReadParamValue(const uint8_t* record, const ParamField& f) {
  const uint8_t* p = record + f.offset;
  switch (f.type) {
    case ParamValueType::U8: return *p;
    case ParamValueType::I16: return bytes::ReadLe<int16_t>(p);
    case ParamValueType::I32: return bytes::ReadLe<int32_t>(p);
    case ParamValueType::F32: return bytes::ReadLe<float>(p);
    case ParamValueType::F64: return bytes::ReadLe<double>(p);
  }
  return 0.0;
}

void WriteParamValue(uint8_t* record, const ParamField& f, double value) {
  uint8_t* p = record + f.offset;
  switch (f.type) {
    case ParamValueType::U8: StoreInt<uint8_t>(p, value); break;
    case ParamValueType::I16: StoreInt<int16_t>(p, value); break;
    case ParamValueType::I32: StoreInt<int32_t>(p, value); break;
    case ParamValueType::F32: bytes::WriteLe<float>(p, static_cast<float>(value)); break;
    case ParamValueType::F64: bytes::WriteLe<double>(p, value); break;
  }
}

}  // namespace zv
