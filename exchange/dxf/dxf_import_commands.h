#pragma once
// The three DXF import commands of the section view ("辅助工具" > "打开外部数据"):
// each asks for its file or folder through the prompts seam, imports, and
// tells the user what went wrong. The view binds them to its command ids and
// redraws after the first two when they return true.

#include <string>
#include <vector>

#include "exchange/dxf/dxf_work_area_sink.h"

namespace zv::dxf {

inline constexpr int kCommandReadDxfFile = 33413;       // "读取DXF文件"
inline constexpr int kCommandReadLargeDxfFile = 33484;  // "读取DXF文件(大文件)"
inline constexpr int kCommandConvertDxfFolder = 33600;  // "批量转换dxf"

// Everything a command tells the user, in one message box (none when there
// is nothing to tell).
void Tell(const std::vector<std::string>& messages);

// One file into the view's current areas; true when the areas were replaced.
bool ReadDxfFileCommand(const DxfTargets& view);

// One file in four passes into the view's current areas; true when the
// areas were replaced.
bool ReadLargeDxfFileCommand(const DxfTargets& view);

// A folder tree converted into platform files and projects beside the DXF
// files; the view's own areas are not touched. The number of projects written.
int ConvertDxfFolderCommand();

}  // namespace zv::dxf
