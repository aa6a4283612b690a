#pragma once
// The plan view's 出图 commands: images of the project (GIF, JPEG, TIFF),
// JPEGs of every project in a folder tree, the raster print file (NV1) and
// its printing, the rasterising device, and printing at true size. Each
// handler is a short function over what it needs: the document's project
// and the view's map range. Questions go through the prompts seam.
//
// The commands refuse, with a message and without writing anything:
// no project; for the three images a project that was never saved (its
// images are named after its file); a resolution that is not a number from
// 1 to 2400; an empty map range; an image larger than its format holds.

#include <vector>

#include "framework/commands/command_table.h"
#include "include/zavediz/records.h"
#include "platform/project/map_project.h"
#include "platform/raster/raster_formats.h"

namespace zv {
class CPrjEditView;
}

namespace zv::output {

// What the commands draw: the document's project and the window's map range.
struct OutputSubject {
  MapProject* project = nullptr;
  D_RECT range{0, 0, 0, 0};
};

// 33197, 33198, 33199 (生成GIF/JPG/TIF文件): the image beside the project
// file, at the resolution the user chooses; JPEG and TIFF ask RGB or CMYK.
void MakeProjectImage(const OutputSubject& subject, raster::ImageFormat format);
// 33599 (批量生成JPG): a folder and a resolution, then a JPEG beside every
// project of the folder tree; the document's project is not touched.
void MakeFolderJpegs();
// 33201 (图像光栅化处理): an NV1 file of the map range at the device's
// resolution and colour mode, true size.
void Rasterize(const OutputSubject& subject);
// 33202 (打印光栅化文件).
void PrintRasterFileCommand();
// 33195, 57607, 57608: the map range printed at true size; 57609 previews it.
void PrintMap(const OutputSubject& subject);
void PreviewMap(const OutputSubject& subject);
// 33196 (部分输出): a rectangle the user drags on the view is printed at true
// size.
void StartRectPrint(CPrjEditView& view);

// The subject of a plan view.
OutputSubject SubjectOf(const CPrjEditView& view);

// The rows the plan view's table takes (views/prj_view_commands.cpp).
std::vector<cmd::CommandRow> ProjectOutputRows();
// The items of the plan menu's 出图.
void RegisterProjectOutputCommands();

}  // namespace zv::output
