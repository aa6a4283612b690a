#include "views/launch/launch_table.h"

#include <cstring>

namespace zv::launch {
namespace {

// {id, tool class, mode, cancels first in the section view, in the plan view,
// views, text}; by class, negative modes first, then positive modes by size.
constexpr LaunchRow kRows[] = {
    // CSecEditAidTool
    {33025, "CSecEditAidTool", -1, false, false, kBothViews, "自动靠左对齐"},
    {33028, "CSecEditAidTool", -2, false, false, kBothViews, "自动靠上对齐"},
    {33029, "CSecEditAidTool", -3, false, false, kBothViews, "平均水平分配"},
    {33164, "CSecEditAidTool", -4, true, true, kBothViews, "删重叠点图元"},
    {33166, "CSecEditAidTool", -5, true, true, kBothViews, "删重叠面图元"},
    {33225, "CSecEditAidTool", -6, false, true, kBothViews, "自动宽度相同"},
    {33251, "CSecEditAidTool", -7, false, false, kBothViews, "文字正体斜体"},
    {33040, "CSecEditAidTool", -8, true, true, kBothViews, "常用岩体代号"},
    {33411, "CSecEditAidTool", -9, true, true, kBothViews, "文字查找替换"},
    {33428, "CSecEditAidTool", -10, true, true, kBothViews, "直接绘制区"},
    {33437, "CSecEditAidTool", -11, true, true, kSectionOnly, "输出线型库"},
    {33442, "CSecEditAidTool", -12, true, true, kBothViews, "储量核查工具"},
    {33462, "CSecEditAidTool", -13, true, true, kSectionOnly, "按ID号排实体号"},
    {33474, "CSecEditAidTool", -14, false, false, kBothViews, "不相邻区合并"},
    {33483, "CSecEditAidTool", -15, false, false, kBothViews, "不相邻区分解"},
    {33510, "CSecEditAidTool", -16, false, false, kBothViews, "点角度变换"},
    {33540, "CSecEditAidTool", -17, false, false, kBothViews, "文字垂直居中"},
    {33541, "CSecEditAidTool", -18, true, true, kBothViews, "批量删除结构"},
    {33153, "CSecEditAidTool", -30, true, true, kBothViews, "描述位置调整"},
    {33027, "CSecEditAidTool", 1, false, false, kBothViews, "自动靠右对齐"},
    {33042, "CSecEditAidTool", 2, false, false, kBothViews, "自动靠下对齐"},
    {33026, "CSecEditAidTool", 3, false, false, kBothViews, "平均垂直分配"},
    {33165, "CSecEditAidTool", 4, true, true, kBothViews, "删重叠线图元"},
    {33171, "CSecEditAidTool", 5, false, false, kPlanOnly, "查图元文件名"},  // accelerator the back-quote key
    {33226, "CSecEditAidTool", 6, false, true, kBothViews, "自动高度相同"},
    {33039, "CSecEditAidTool", 7, true, true, kBothViews, "常用地层代号"},
    {33041, "CSecEditAidTool", 8, true, true, kBothViews, "常用子图符号"},
    {33436, "CSecEditAidTool", 10, true, true, kSectionOnly, "输出子图库"},
    {33438, "CSecEditAidTool", 11, true, true, kSectionOnly, "输出图案库"},
    {33443, "CSecEditAidTool", 12, true, true, kSectionOnly, "按图层分文件"},
    {33126, "CSecEditAidTool", 13, false, false, kBothViews, "自动合并区"},
    {33476, "CSecEditAidTool", 14, false, false, kBothViews, "面积错误纠正"},
    {33509, "CSecEditAidTool", 15, false, false, kBothViews, "参数比例缩放"},
    {33511, "CSecEditAidTool", 16, true, true, kBothViews, "区块图"},
    {33539, "CSecEditAidTool", 17, false, false, kBothViews, "文字水平居中"},
    {32940, "CSecEditAidTool", 100, true, true, kBothViews, "造折线"},
    {32941, "CSecEditAidTool", 101, true, true, kBothViews, "造流线"},
    {32942, "CSecEditAidTool", 102, true, true, kBothViews, "正交线"},
    {32943, "CSecEditAidTool", 103, true, true, kBothViews, "造矩形"},
    {32944, "CSecEditAidTool", 104, true, true, kBothViews, "造双线"},
    {32945, "CSecEditAidTool", 105, true, true, kBothViews, "造平行四边形"},
    {32946, "CSecEditAidTool", 106, true, true, kBothViews, "造椭圆"},
    {32947, "CSecEditAidTool", 107, true, true, kBothViews, "圆心半径造圆"},
    {32948, "CSecEditAidTool", 108, true, true, kBothViews, "造内切圆"},
    {32949, "CSecEditAidTool", 109, true, true, kBothViews, "造外接圆"},
    {32950, "CSecEditAidTool", 110, true, true, kBothViews, "圆心半径造弧"},
    {32951, "CSecEditAidTool", 112, true, true, kBothViews, "三点造弧"},
    {32952, "CSecEditAidTool", 113, true, true, kBothViews, "造正交矩形"},
    {33520, "CSecEditAidTool", 114, true, true, kBothViews, "大括号"},
    {33522, "CSecEditAidTool", 115, true, true, kBothViews, "线上加箭头"},
    {33525, "CSecEditAidTool", 116, true, true, kBothViews, "箭头线"},
    {33593, "CSecEditAidTool", 118, true, true, kBothViews, "正多边形"},
    {33630, "CSecEditAidTool", 501, false, false, kBothViews, "前缀后缀"},
    // CSecFieldTool
    {33064, "CSecFieldTool", -1, false, false, kBothViews, "造定角度方位线"},
    {33449, "CSecFieldTool", -2, false, false, kBothViews, "查询颜色&C"},
    {33533, "CSecFieldTool", -3, false, false, kBothViews, "自动生成标尺"},
    {33448, "CSecFieldTool", 1, false, false, kPlanOnly, "水系沉积物自动编号"},
    {33529, "CSecFieldTool", 2, false, false, kBothViews, "土壤样自动编号"},
    // CSecArrayCopyTool
    {33081, "CSecArrayCopyTool", 1, true, true, kBothViews, "角度阵列复制点"},
    {33082, "CSecArrayCopyTool", 2, true, true, kBothViews, "角度阵列复制线"},
    // CSecAttrBrushTool
    {33031, "CSecAttrBrushTool", -1, false, false, kBothViews, "格式刷"},
    {33151, "CSecAttrBrushTool", -2, false, false, kBothViews, "自动增量标注"},
    {33536, "CSecAttrBrushTool", -3, false, false, kBothViews, "注释赋给区"},
    {33150, "CSecAttrBrushTool", 1, false, false, kBothViews, "注释赋给图元"},
    {33161, "CSecAttrBrushTool", 2, false, false, kBothViews, "注释赋给子图"},
    // CSecClipTool
    {33038, "CSecClipTool", -1, false, false, kBothViews, "选线裁剪"},
    {33099, "CSecClipTool", -2, false, false, kBothViews, "定数等分线"},
    {33248, "CSecClipTool", -3, false, false, kBothViews, "整块删除"},
    {33365, "CSecClipTool", -4, true, true, kBothViews, "划线分割区"},
    {33440, "CSecClipTool", -6, false, false, kBothViews, "选区裁剪"},
    {33056, "CSecClipTool", 1, false, false, kBothViews, "选线剪断相交线"},
    {33127, "CSecClipTool", 2, true, true, kBothViews, "拉线剪断相交线"},
    {33282, "CSecClipTool", 3, true, true, kBothViews, "自相交及节点断线"},
    {33366, "CSecClipTool", 4, false, false, kBothViews, "选线分割区"},
    {33370, "CSecClipTool", 5, true, true, kBothViews, "剪断自相交弧段"},
    {33441, "CSecClipTool", 6, true, true, kBothViews, "画线裁剪"},
    {33638, "CSecClipTool", 502, true, true, kBothViews, "标准矩形图框"},
    {33639, "CSecClipTool", 503, true, true, kBothViews, "绘制经纬网图框"},
    // CSecBoreholeChartTool
    {33156, "CSecBoreholeChartTool", -1, true, true, kSectionOnly, "描述往下分配"},
    {32913, "CSecBoreholeChartTool", 0, true, true, kSectionOnly, "描述平均分配"},
    {33158, "CSecBoreholeChartTool", 1, true, true, kSectionOnly, "描述往上分配"},
    // CSecCustomChartTool
    {33210, "CSecCustomChartTool", -1, true, true, kSectionOnly, "描述往下分配"},
    {33211, "CSecCustomChartTool", 0, true, true, kSectionOnly, "描述平均分配"},
    {33212, "CSecCustomChartTool", 1, true, true, kSectionOnly, "描述往上分配"},
    {33207, "CSecCustomChartTool", 10, true, true, kSectionOnly, "初始化表头"},
    {33205, "CSecCustomChartTool", 11, true, true, kSectionOnly, "保存表头"},
    {33206, "CSecCustomChartTool", 12, true, true, kSectionOnly, "读取表头"},
    {33401, "CSecCustomChartTool", 20, true, true, kSectionOnly, "柱状图花纹"},
    {33415, "CSecCustomChartTool", 21, true, true, kSectionOnly, "稀土柱状图"},
    // CSecLineTool
    {33051, "CSecLineTool", -1, false, false, kBothViews, "四点插入等高线"},
    {33111, "CSecLineTool", -2, false, false, kBothViews, "选区充填线"},
    {33035, "CSecLineTool", 0, false, false, kBothViews, "插入等高线"},
    {33036, "CSecLineTool", 1, false, false, kBothViews, "选线充填线"},
    {32995, "CSecLineTool", 2, false, false, kBothViews, "距离角度修改"},
    // CSecExcelTool
    {33070, "CSecExcelTool", -1, true, true, kBothViews, "导入属性数据"},
    {33098, "CSecExcelTool", -2, true, true, kBothViews, "连接属性数据(EXCEL)"},
    {33079, "CSecExcelTool", -3, true, true, kBothViews, "Excel全部数据投影"},  // accelerator a
    {33573, "CSecExcelTool", -4, true, true, kBothViews, "导出线拐点坐标(EXCEL)"},
    {33628, "CSecExcelTool", -5, true, true, kBothViews, "EXCEL->GPX"},
    {33044, "CSecExcelTool", 1, true, true, kBothViews, "导出属性数据(EXCEL)"},
    {33383, "CSecExcelTool", 2, false, false, kBothViews, "导出选择数据属性(EXCEL)"},
    {33414, "CSecExcelTool", 3, true, true, kBothViews, "选择数据投影(EXCEL)"},
    {33627, "CSecExcelTool", 4, false, false, kBothViews, "点坐标转GPX"},
    {33572, "CSecExcelTool", 500, false, false, kBothViews, "航迹监测"},
    // CSecAttrTool
    {33167, "CSecAttrTool", -1, false, false, kBothViews, "导出线拐点坐标(TXT)"},
    {33037, "CSecAttrTool", 1, false, false, kBothViews, "导出线坐标点(带属性)"},
    {33077, "CSecAttrTool", 2, false, false, kBothViews, "点位置转属性"},
    {33076, "CSecAttrTool", 3, false, false, kBothViews, "参数转为属性"},
    {33075, "CSecAttrTool", 4, false, false, kBothViews, "属性转为参数"},
    // CSecPlanProjTool
    {33155, "CSecPlanProjTool", -1, true, false, kBothViews, "平面工程投影(EXCEL)"},
    {33159, "CSecPlanProjTool", 1, true, true, kBothViews, "自动生成样轨"},
    // CSecFilterTool
    {33100, "CSecFilterTool", -1, false, false, kBothViews, "相同图元"},  // accelerator CTRL+A
    {33119, "CSecFilterTool", -2, false, false, kBothViews, "属性筛选"},
    {33361, "CSecFilterTool", -3, false, false, kBothViews, "选择弧段 N"},
    {33363, "CSecFilterTool", -4, false, false, kBothViews, "选择子图 X"},
    {33102, "CSecFilterTool", 1, false, false, kBothViews, "参数筛选"},
    {33360, "CSecFilterTool", 3, false, false, kBothViews, "选择文字 Z"},
    // CSecAuxTool
    {33160, "CSecAuxTool", -1, true, true, kBothViews, "高程属性赋点"},
    {33185, "CSecAuxTool", -2, true, true, kBothViews, "线高程自动标注"},
    {33244, "CSecAuxTool", -3, true, true, kBothViews, "闭合线选点"},
    {33246, "CSecAuxTool", -4, true, true, kBothViews, "利用区选点"},
    {33285, "CSecAuxTool", -5, false, false, kBothViews, "平行垂直线"},
    {33298, "CSecAuxTool", -6, false, false, kBothViews, "按照趋势画线"},
    {33382, "CSecAuxTool", -7, true, true, kBothViews, "删除飞点飞线"},
    {33392, "CSecAuxTool", -8, true, true, kBothViews, "画线面积量算"},
    {33403, "CSecAuxTool", -9, true, true, kBothViews, "拾取颜色赋图元"},
    {33523, "CSecAuxTool", -10, true, true, kBothViews, "选择图元（包含相交）"},
    {32897, "CSecAuxTool", 1, true, true, kPlanOnly, "绘制化探样品点"},
    {33186, "CSecAuxTool", 2, false, true, kBothViews, "选线面积量算"},
    {33245, "CSecAuxTool", 3, true, true, kBothViews, "鼠标选择点"},
    {33250, "CSecAuxTool", 4, true, true, kBothViews, "批量靠近线"},
    {33297, "CSecAuxTool", 5, false, false, kBothViews, "图形局部变换"},
    {33372, "CSecAuxTool", 6, true, true, kBothViews, "造光滑曲线"},
    {33395, "CSecAuxTool", 7, true, true, kBothViews, "选择框外图元"},
    {33391, "CSecAuxTool", 8, false, false, kBothViews, "选区面积量算"},
    {33426, "CSecAuxTool", 9, true, true, kBothViews, "曲线转样条曲线"},
    {33596, "CSecAuxTool", 10, true, true, kBothViews, "产状标注"},
    {33632, "CSecAuxTool", 500, true, true, kBothViews, "定位整块移动"},
    // CSecCopyTool
    {32979, "CSecCopyTool", -1, false, false, kBothViews, "超级拷贝"},  // accelerator SHIFT+C
    {32895, "CSecCopyTool", -2, false, false, kBothViews, "绘制勘探线"},
    {32894, "CSecCopyTool", -3, true, true, kBothViews, "插入图签"},
    {32980, "CSecCopyTool", 1, false, false, kBothViews, "超级粘贴"},  // accelerator SHIFT+V
    {32986, "CSecCopyTool", 2, false, false, kBothViews, "保存图签"},
    // CSecEtTool
    {33614, "CSecEtTool", -1, true, true, kBothViews, "导出属性数据(WPS ET)"},
    {33615, "CSecEtTool", -2, true, true, kBothViews, "平面工程投影(WPS ET)"},
    {33616, "CSecEtTool", -3, true, true, kBothViews, "全部数据投影(WPS ET)"},
    {33613, "CSecEtTool", 1, true, true, kBothViews, "WPS ET->MAPGIS(WPS电子表格)"},
    {33617, "CSecEtTool", 2, true, true, kBothViews, "选择数据投影(WPS ET)"},
    // CSecExcelChartTool
    {33602, "CSecExcelChartTool", -1, true, true, kSectionOnly, "绘制柱状图"},
    {33604, "CSecExcelChartTool", -2, true, true, kSectionOnly, "保存表头"},
    {33609, "CSecExcelChartTool", -3, true, true, kSectionOnly, "设置默认表头"},
    {33603, "CSecExcelChartTool", 1, true, true, kSectionOnly, "初始化表头"},
    {33605, "CSecExcelChartTool", 2, true, true, kSectionOnly, "读取表头"},
    {33629, "CSecExcelChartTool", 3, true, true, kBothViews, "绘制完成钻孔"},
    // CSecExcelTableTool
    {33030, "CSecExcelTableTool", -1, true, true, kBothViews, "Execl->MapGis"},
    {33169, "CSecExcelTableTool", -2, true, true, kBothViews, "WB->EXCEL"},
    {33247, "CSecExcelTableTool", -3, true, true, kBothViews, "属性简单计算"},  // accelerator s
    {33461, "CSecExcelTableTool", -4, true, true, kSectionOnly, "直方图"},
    {33148, "CSecExcelTableTool", 1, true, true, kBothViews, "MapGis->Excel"},
    {33170, "CSecExcelTableTool", 2, true, true, kBothViews, "EXCEL->WB"},
    {33393, "CSecExcelTableTool", 3, true, true, kBothViews, "MapGis->Excel1"},
    {33485, "CSecExcelTableTool", 4, true, true, kBothViews, "Excel->MapGis1(首行首列为自定义数据)"},
    // CSecAnnotTool
    {33396, "CSecAnnotTool", -1, false, false, kBothViews, "制作图例"},
    {33400, "CSecAnnotTool", -2, false, false, kBothViews, "区多字段标注"},
    {33424, "CSecAnnotTool", -3, false, false, kBothViews, "读取自定义格式"},
    {33408, "CSecAnnotTool", -4, false, false, kBothViews, "选线获取"},
    {33410, "CSecAnnotTool", -5, false, false, kBothViews, "鼠标框取"},
    {33399, "CSecAnnotTool", -6, false, false, kBothViews, "垂直对齐"},
    {33472, "CSecAnnotTool", -7, false, false, kBothViews, "选区角度填充"},
    {33480, "CSecAnnotTool", -8, false, false, kBothViews, "选区删除图案"},
    {33534, "CSecAnnotTool", -9, false, false, kBothViews, "画线角度填充"},
    {33644, "CSecAnnotTool", -10, false, false, kBothViews, "图例横竖变换"},
    {33423, "CSecAnnotTool", 2, false, false, kBothViews, "保存自定义格式"},
    {33407, "CSecAnnotTool", 3, false, false, kBothViews, "拾取图例"},
    {33409, "CSecAnnotTool", 4, false, false, kBothViews, "选区获取"},
    {33398, "CSecAnnotTool", 5, false, false, kBothViews, "水平对齐"},
    {33464, "CSecAnnotTool", 6, false, false, kBothViews, "点多字段标注"},
    {33479, "CSecAnnotTool", 7, false, false, kBothViews, "选线角度填充"},
    {33481, "CSecAnnotTool", 8, false, false, kBothViews, "选线删除图案"},
    {33473, "CSecAnnotTool", 9, false, false, kBothViews, "趋势填充图案"},
};

}  // namespace

int32_t LaunchFlagOf(const char* toolClass) {
  return toolClass && std::strcmp(toolClass, kEditAidTool) == 0 ? kEditAidLaunchFlag : 0;
}

std::span<const LaunchRow> LaunchRows() { return kRows; }

std::optional<LaunchRow> FindLaunchRow(int id, ToolView view) {
  for (const LaunchRow& row : kRows)
    if (row.id == id && row.InView(view)) return row;
  return std::nullopt;
}

}  // namespace zv::launch
