#pragma once
// Registers the spreadsheet tools with the tool factory (their launch rows
// then start them in both tool views) and puts their items into the menus
// "导入导出功能", "表格数据投影", "坐标转换工具", "EXCEL功能", "属性功能" and
// "专题辅助" (直方图, in the section view only).
namespace zv::sheets {

void RegisterSheetTools();

}  // namespace zv::sheets
