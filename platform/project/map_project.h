#pragma once
// Projects: a map made of point, line, region and other files, kept in a
// ".mpj" file. A project owns the work areas of the files it opened (one
// work-area set per project) and releases them when it is closed.
//
// Items are numbered from 0 in file order. Each keeps its 400-byte item
// record (file name relative to the project's folder, description, extent,
// display scale range, labelling fields) and its display state byte: 0
// hidden, 2 shown and editable, 3 shown, editable and current. Items the
// library cannot open (".wn", images, missing files) stay in the project
// unchanged, with no work area.
//
// Saving a project writes the ".mpj" only; the caller writes the work areas
// that are modified (BasIsWorkAreaModified, BasSaveWorkArea).

#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "platform/data/work_area.h"
#include "platform/files/file_report.h"
#include "platform/files/project_file.h"

namespace zv {

// What a project tells its listeners: its items were added, removed, hidden
// or shown (ItemsChanged), or it is closing and its work areas go with it
// (Closing, before they are released).
enum class ProjectEvent { ItemsChanged, Closing };
using ProjectListener = std::function<void(ProjectEvent)>;

struct MapProject {
  files::ProjectFile file;
  std::vector<WorkAreaHandle> areas;  // one per item; 0 when the item has no work area
  std::string path;                   // the ".mpj" path; empty until set
  WorkAreaSetHandle set = 0;
  bool changed = false;
  std::vector<std::pair<int, ProjectListener>> listeners;
  int lastListener = 0;
};

inline constexpr uint8_t kItemHidden = 0;
inline constexpr uint8_t kItemShown = 2;
inline constexpr uint8_t kItemCurrent = 3;

// A new empty project (the argument is ignored, as callers pass 0). Never null.
MapProject* PrjCreate(int reserved = 0);
// Listeners, called in the order they were added; they may remove
// themselves. The id (non-zero), 0 for a null project.
int PrjAddListener(MapProject* project, ProjectListener listener);
bool PrjRemoveListener(MapProject* project, int id);

// Tells the listeners (Closing), then releases the project's work areas and
// the project; null is ignored.
void PrjClose(MapProject* project);

bool PrjSetPath(MapProject* project, const std::string& path);
std::string PrjGetFileName(const MapProject* project);

// Opens a ".mpj" file and the point, line and region files it names. Null
// when the project file cannot be read (`report` says why); files that are
// missing or unreadable leave their items without a work area and add a
// warning.
MapProject* PrjOpen(const std::string& path, int reserved1 = 0, int reserved2 = 0,
                    files::FileReport* report = nullptr);
// Writes the ".mpj" (item extents taken from their work areas first); 1 on
// success. Fails without a path, or when an item's file name cannot be held
// by the project file (`error` names the item).
int PrjSave(MapProject* project, std::string* error = nullptr);

// Adds an item for the file at `path` (an existing file is loaded; a point,
// line or region file not yet on disk gets a new empty work area that will
// be saved under that path) at `position` (−1: at the end). The item's index,
// −1 on failure: a file that cannot be read, or a name the project file
// cannot hold (relative to the project's folder when it lies below it, else
// absolute; `report->error` names the item). The reserved argument is
// ignored, as callers pass 0.
int PrjAddItem(MapProject* project, const std::string& path, int reserved = 0, int position = -1,
               files::FileReport* report = nullptr);
// Removes an item and releases its work area.
bool PrjRemoveItem(MapProject* project, int index);
// The index of the item naming the file (compared without regard to case),
// −1 when none does.
int PrjFindItem(const MapProject* project, const std::string& path);

int PrjGetItemCount(const MapProject* project);
bool PrjGetItem(const MapProject* project, int index, files::ProjectItem* item);
bool PrjSetItem(MapProject* project, int index, const files::ProjectItem& item);
WorkAreaHandle PrjGetItemArea(const MapProject* project, int index);
// The full path of the item's file.
std::string PrjGetItemPath(const MapProject* project, int index);
// 0 line, 1 point, 2 region (by the file's extension); −1 otherwise.
int PrjGetItemKind(const MapProject* project, int index);
int PrjGetItemState(const MapProject* project, int index);  // −1 for a bad index
bool PrjSetItemState(MapProject* project, int index, uint8_t state);
bool PrjGetItemScaleRange(const MapProject* project, int index, double* minimum, double* maximum);
bool PrjSetItemScaleRange(MapProject* project, int index, double minimum, double maximum);

// The work areas of the items of one kind (0 line, 1 point, 2 region; −1
// all), in item order: a 16-bit count followed by the handles.
std::vector<uint16_t> PrjGetAreaList(const MapProject* project, int kind = -1);
// The indices of the items of one kind (−1 all).
std::vector<int> PrjListItems(const MapProject* project, int kind = -1);

bool PrjIsChanged(const MapProject* project);
void PrjSetChanged(MapProject* project, bool changed);

int PrjGetMapParams(const MapProject* project, MapParams* params);
int PrjSetMapParams(MapProject* project, const MapParams& params);

}  // namespace zv
