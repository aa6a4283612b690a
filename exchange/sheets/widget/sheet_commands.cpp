#include "exchange/sheets/widget/sheet_commands.h"

#include <iterator>
#include <vector>

#include "exchange/sheets/widget/sec_excel_table_tool.h"
#include "exchange/sheets/widget/sec_excel_tool.h"
#include "framework/commands/menu_rows.h"
#include "platform/view/tool_factory.h"

namespace zv::sheets {
namespace {

struct MenuItem {
  const char* path;
  int id;
  const char* shortcut = nullptr;
};

constexpr MenuItem kItems[] = {
    {"&1辅助工具/导入导出功能/导出属性数据(EXCEL)", 33044},
    {"&1辅助工具/导入导出功能/导出选择数据属性(EXCEL)", 33383},
    {"&1辅助工具/导入导出功能/导入属性数据", 33070},
    {"&1辅助工具/导入导出功能/连接属性数据(EXCEL)", 33098},
    {"&1辅助工具/导入导出功能/导出线拐点坐标(EXCEL)", 33573},
    {"&1辅助工具/导入导出功能/导出属性数据(WPS ET)", 33614},
    {"&1辅助工具/表格数据投影/全部数据投影(EXCEL)", 33079},
    {"&1辅助工具/表格数据投影/选择数据投影(EXCEL)", 33414},
    {"&1辅助工具/表格数据投影/全部数据投影(WPS ET)", 33616},
    {"&1辅助工具/表格数据投影/选择数据投影(WPS ET)", 33617},
    {"&1辅助工具/专题辅助/坐标转换工具/点坐标转GPX", 33627},
    {"&1辅助工具/专题辅助/坐标转换工具/EXCEL->GPX", 33628},
    {"&1辅助工具/专题辅助/坐标转换工具/航迹监测", 33572},
    {"&1辅助工具/EXCEL功能/Execl->MapGis", 33030},
    {"&1辅助工具/EXCEL功能/MapGis->Excel", 33148},
    {"&1辅助工具/EXCEL功能/MapGis->Excel1", 33393},
    {"&1辅助工具/EXCEL功能/WPS ET->MAPGIS(WPS电子表格)", 33613},
    {"&1辅助工具/EXCEL功能/WB->EXCEL", 33169},
    {"&1辅助工具/EXCEL功能/EXCEL->WB", 33170},
    {"&1辅助工具/属性功能/属性简单计算", 33247, "S"},
};

// Items of one view: the custom-size table reads differently in the two
// views, and the histogram is the section view's alone.
constexpr cmd::MenuRow kOneViewRows[] = {
    {cmd::kMenuSection, "&1辅助工具/EXCEL功能/Excel->MapGis1(自定义列宽行高)", 33485},
    {cmd::kMenuPlan, "&1辅助工具/EXCEL功能/Excel->MapGis1(首行首列为自定义数据)", 33485},
    {cmd::kMenuSection, "&2辅助工具/专题辅助/直方图", 33461},
};

BaseGisTool* MakeExcelTool(CGisEditView* view, int16_t mode, int32_t) { return new CSecExcelTool(view, mode); }
BaseGisTool* MakeEtTool(CGisEditView* view, int16_t mode, int32_t) { return new CSecEtTool(view, mode); }
BaseGisTool* MakeTableTool(CGisEditView* view, int16_t mode, int32_t) { return new CSecExcelTableTool(view, mode); }

}  // namespace

void RegisterSheetTools() {
  Tools().Register("CSecExcelTool", MakeExcelTool, CSecExcelTool::Implements);
  Tools().Register("CSecEtTool", MakeEtTool, CSecEtTool::Implements);
  Tools().Register("CSecExcelTableTool", MakeTableTool, CSecExcelTableTool::Implements);
  static bool menusAdded = false;
  if (menusAdded) return;
  menusAdded = true;
  std::vector<cmd::MenuRow> rows;
  for (int menu : {cmd::kMenuPlan, cmd::kMenuSection})
    for (const MenuItem& item : kItems) rows.push_back({menu, item.path, item.id, item.shortcut});
  rows.insert(rows.end(), std::begin(kOneViewRows), std::end(kOneViewRows));
  cmd::Menus().AddRows(rows);
}

}  // namespace zv::sheets
