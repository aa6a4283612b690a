#include "platform/data/param_records.h"

#include <array>

namespace zv {
namespace {

using enum ParamRecordKind;
using enum ParamValueType;

constexpr ParamField kFields[] = {
    {Point, "kind", pnt::kKind, U8, -1},
    {Point, "overprint", pnt::kOverprint, U8, -1},
    {Point, "charHeight", pnt::kCharHeight, F32, 0},
    {Point, "charWidth", pnt::kCharWidth, F32, 0},
    {Point, "charSpacing", pnt::kCharSpacing, F32, 0},
    {Point, "textAngle", pnt::kTextAngle, F32, 0},
    {Point, "chineseFont", pnt::kChineseFont, I16, 0},
    {Point, "westernFont", pnt::kWesternFont, I16, 0},
    {Point, "fontStyle", pnt::kFontStyle, U8, 0},
    {Point, "arrangement", pnt::kArrangement, U8, 0},
    {Point, "blockCharHeight", pnt::kCharHeight, F32, 5},
    {Point, "blockCharWidth", pnt::kCharWidth, F32, 5},
    {Point, "blockCharSpacing", pnt::kCharSpacing, F32, 5},
    {Point, "blockAngle", pnt::kTextAngle, F32, 5},
    {Point, "blockChineseFont", pnt::kChineseFont, I16, 5},
    {Point, "blockWesternFont", pnt::kWesternFont, I16, 5},
    {Point, "blockFontStyle", pnt::kFontStyle, U8, 5},
    {Point, "lineSpacing", pnt::kLineSpacing, F32, 5},
    {Point, "boxWidth", pnt::kBoxWidth, F32, 5},
    {Point, "boxHeight", pnt::kBoxHeight, F32, 5},
    {Point, "blockArrangement", pnt::kBlockArrangement, U8, 5},
    {Point, "symbolNumber", pnt::kSymbolNumber, I32, 1},
    {Point, "symbolHeight", pnt::kSymbolHeight, F32, 1},
    {Point, "symbolWidth", pnt::kSymbolWidth, F32, 1},
    {Point, "symbolAngle", pnt::kSymbolAngle, F32, 1},
    {Point, "symbolPenWidth", pnt::kSymbolPenWidth, F32, 1},
    {Point, "symbolAuxColour", pnt::kSymbolAuxColour, I32, 1},
    {Point, "circleRadius", pnt::kCircleRadius, F64, 2},
    {Point, "circleOutlineColour", pnt::kCircleOutlineColour, I32, 2},
    {Point, "circlePenWidth", pnt::kCirclePenWidth, F32, 2},
    {Point, "circleFilled", pnt::kCircleFilled, U8, 2},
    {Point, "arcRadius", pnt::kArcRadius, F64, 3},
    {Point, "arcStartAngle", pnt::kArcStartAngle, F32, 3},
    {Point, "arcEndAngle", pnt::kArcEndAngle, F32, 3},
    {Point, "arcPenWidth", pnt::kArcPenWidth, F32, 3},
    {Point, "imageWidth", pnt::kImageWidth, F64, 4},
    {Point, "imageHeight", pnt::kImageHeight, F64, 4},
    {Point, "imageAngle", pnt::kImageAngle, F32, 4},
    {Point, "colour", pnt::kColour, I32, -1},
    {Point, "linkedLine", pnt::kLinkedLine, I32, -1},
    {Point, "layer", pnt::kLayer, I16, -1},
    {Line, "style", lin::kStyle, I16, -1},
    {Line, "auxStyle", lin::kAuxStyle, U8, -1},
    {Line, "overprint", lin::kOverprint, U8, -1},
    {Line, "colour", lin::kColour, I32, -1},
    {Line, "width", lin::kWidth, F32, -1},
    {Line, "lineKind", lin::kLineKind, U8, -1},
    {Line, "xScale", lin::kXScale, F32, -1},
    {Line, "yScale", lin::kYScale, F32, -1},
    {Line, "auxColour", lin::kAuxColour, I32, -1},
    {Line, "layer", lin::kLayer, I16, -1},
    {Region, "fillColour", reg::kFillColour, I32, -1},
    {Region, "pattern", reg::kPattern, I16, -1},
    {Region, "patternHeight", reg::kPatternHeight, F32, -1},
    {Region, "patternWidth", reg::kPatternWidth, F32, -1},
    {Region, "patternColour", reg::kPatternColour, I32, -1},
    {Region, "slopeBaseline", reg::kSlopeBaseline, I16, -1},
    {Region, "overprint", reg::kOverprint, U8, -1},
    {Region, "layer", reg::kLayer, I16, -1},
};

constexpr std::size_t kFileOffsets[] = {kPointParamFileOffset, kLineParamFileOffset, kRegionParamFileOffset};

}  // namespace

std::span<const ParamField> ParamFieldTable() { return kFields; }

std::size_t ParamValueSize(ParamValueType type) {
  constexpr std::size_t kSizes[] = {1, 2, 4, 4, 8};
  return kSizes[static_cast<std::size_t>(type)];
}

std::size_t ParamFileOffset(ParamRecordKind record, std::size_t paramOffset) {
  return kFileOffsets[static_cast<std::size_t>(record)] + paramOffset;
}

}  // namespace zv
