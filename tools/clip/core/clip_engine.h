#pragma once
// Clipping a map by an outline into a folder: every source area's part
// inside (or outside) the outline is written under the source's file name
// into the folder, with a project listing the copies and, on request, a
// frame. No Qt: the clip tool asks the dialogs and opens the written
// project; tests and benchmarks call the engine directly.
//
// The work is split in two so the caller can ask before anything is
// written: PlanClip names every file the clip would write and refuses a
// folder that holds a source; RunClip writes them.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "include/zavediz/records.h"
#include "platform/data/param_records.h"
#include "platform/data/map_params.h"
#include "platform/data/work_area.h"

namespace zv::tools {

// One area to clip and the file it came from (its path; a path without a
// folder for an area that was never saved).
struct ClipSource {
  WorkAreaHandle area = 0;
  std::string path;
};

// The frame drawn around an inside clip: the outline's box at the old
// scale, drawn at the new one with the given line and text records.
struct ClipFrameRequest {
  long oldScale = 5000;
  long newScale = 2000;
  LIN_INFO line;
  PNT_INFO text;
};

struct ClipJob {
  // The outline's rings (each closed), read together by the even-odd rule.
  std::vector<std::vector<D_DOT>> outline;
  LIN_INFO outlineLine;  // new region arcs along the outline take these
  int mode = 4;          // kTopoKeepInside or kTopoKeepOutside
  double factor = 1.0;   // the copies are scaled by it about the origin
  long newScale = 0;     // the copies' map scale when factor ≠ 1
  std::string folder;
  std::string projectName;             // the new project's file name
  std::optional<MapParams> mapParams;  // the new project's, when the source has a project
  uint8_t itemState = 2;               // every item's display state
  std::vector<ClipSource> sources;     // in the project's order
  std::optional<ClipFrameRequest> frame;
  // Called before each file is clipped, with its file name.
  std::function<void(const std::string&)> progress;
};

struct ClipPlan {
  std::string error;                 // non-empty: nothing may be written
  std::vector<std::string> targets;  // per source, the full path of its copy
  std::vector<std::string> frames;   // the frame files, when a frame is drawn
  std::string projectPath;
  std::vector<std::string> existing;  // targets already on disk
};

// The files the job would write. A folder holding one of the sources is
// refused; sources of the same file name get "_2", "_3", … before the
// extension.
ClipPlan PlanClip(const ClipJob& job);

// Writes the copies, the frame and the project. The project's path, or
// empty with `error` set when a save failed (the clip stops there and
// names the file).
struct ClipOutcome {
  std::string projectPath;
  std::string error;
};
ClipOutcome RunClip(const ClipJob& job, const ClipPlan& plan);

// "(CJ)" before the project name's ".mpj" (before its last four characters).
std::string ClippedProjectName(const std::string& projectFileName);

// Whether the outline's rings enclose any area: clicks on one spot or along
// one line make an outline that clips nothing inside (or fails in GEOS) and
// everything outside.
bool OutlineEnclosesArea(const std::vector<std::vector<D_DOT>>& outline);

}  // namespace zv::tools
