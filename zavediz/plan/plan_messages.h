#pragma once
// The texts the plan-side section commands show, as the user sees them.

namespace zv::zavediz {

inline constexpr const char* kLineTooShortMessage = "线段长度太短，请先确定剖面线长度！";
inline constexpr const char* kNoContoursMessage = "找不到地形线！！！";
inline constexpr const char* kNothingCrossedMessage = "没有等高线和剖面相交，不画！！！";
inline constexpr const char* kTerrainStoredMessage = "存储地形数据成功！！！";
inline constexpr const char* kNoElevationFieldMessage =
    "找不到高程属性数据，请检查地形线文件高程属性,或者当前文件不是地形线文件。";
inline constexpr const char* kTooFewProfilePointsMessage = "有高程的等高线交点少于两个，无法生成地形剖面！";
inline constexpr const char* kOutsideSectionMessage = "位置不在勘探线范围之内PRJ！！！";
inline constexpr const char* kBadScalesMessage = "比例尺数据错误！";
inline constexpr const char* kScalesChangedMessage = "比例尺已改变，请重新读取地形数据！";
inline constexpr const char* kSurveyReadFailedMessage = "读取地形线数据错误！";

inline constexpr const char* kOpenProjectFirstMessage = "请先打开工程文件！！！";
inline constexpr const char* kContoursNotCurrentMessage = "可能地形线不是当前文件！请先设置地形线为当前文件。";
inline constexpr const char* kElevationStructureMessage = "读取高程属性结构失败，请手工设置高程属性。";
inline constexpr const char* kCrossedTwiceMessage = "等高线只能有一个高程值！";
inline constexpr const char* kNoLinesCrossedMessage = "没有线，赋什么高程值！";

inline constexpr const char* kNoTerrainDataMessage = "缺少地形数据，请先输入地形数据！";
inline constexpr const char* kClearBoreholesQuestion = "已存在钻孔数据，是否清除？";
inline constexpr const char* kClearTrenchesQuestion = "已存在探槽数据，是否清除？";
inline constexpr const char* kBoreholesFullMessage = "设计钻孔已满100个！";
inline constexpr const char* kTrenchesFullMessage = "设计探槽已满100个！";
inline constexpr const char* kPlaceFirstMessage = "请先在平面图上点取位置！";
inline constexpr const char* kNoTrenchLengthMessage = "探槽长度不能为0！";
inline constexpr const char* kNoArcCrossedMessage = "没有弧段和剖面相交！";

}  // namespace zv::zavediz
