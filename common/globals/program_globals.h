#pragma once
// The program's few global values that views, tools and panes read without
// knowing the application. Each lives for the whole run; everything runs on
// the user-interface thread.

#include <QString>
#include <cstdint>

namespace zv {

// The ODBC data source of the borehole database.
QString& DataSourceName();  // "kof" at start
// The last registered database, the last opened point, line or region file;
// emptied by 新建文件.
QString& CurrentFilePath();
// The upper-cased file name of the last closed file document; a code-menu
// pick also writes its code here.
QString& CurrentWorkspaceFileName();
// One text used in turn by the main frame's search box and the code menus.
QString& SharedText();
// The background picture of the MDI client ([OTHER] "BACKPIC"), kept apart
// from SharedText so a search does not replace the picture.
QString& BackgroundPicturePath();
// The title of the section document activated last (its files' names).
QString& CurrentSectionTitle();
// Cursor snapping and ortho, flipped by the application's commands.
int& SnapEnabled();
int& OrthoEnabled();
// Non-zero: the plan view goes back to the platform's select mode after it
// took a selected line as the section line.
int16_t& SelectAfterSetting();
// What the next clicks in an editing view mean, set by the side bar's
// attribute and colour pages: 1, 2, 3 draw a sub-graph, a line or a region
// with the current defaults; −1, −2, −3 give picked points, lines or regions
// those defaults; −4 gives picked entities the current colour; 0 none.
int16_t& CurrentPickMode();
// The region work area the last geology reading of a section line took its
// boundaries from (0 before any); the strata list searches its regions.
uint16_t& GeologyRegionArea();
// Non-zero while the selection sense is inverted (flipped by 反向选择图元):
// the selection modes of the aux tool then take what their outline test
// rejects.
int32_t& InvertSelection();

}  // namespace zv
