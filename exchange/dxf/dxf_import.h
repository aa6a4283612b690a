#pragma once
// The three ways of importing DXF drawings into work areas: one file, one
// file in four passes (for files too large for one), and a folder tree
// converted file by file into platform files and projects. Progress goes to
// the platform's progress window unless a caller gives its own.

#include <string>
#include <vector>

#include "exchange/dxf/dxf_reader.h"
#include "exchange/dxf/dxf_work_area_sink.h"

namespace zv::dxf {

// One file, every kind at once. The targets are replaced only once the file
// has opened and is a DXF file.
DxfReadResult ImportDxfFile(DxfReader& reader, const std::string& path, const DxfTargets& targets,
                            const RgbToColourNumber& nearest = DisplayNearestColour, DxfProgress* progress = nullptr);

// One file read four times, one group of kinds per pass, each pass into
// temporary areas that are then appended to the targets. The targets are
// replaced (emptied, with the DXF attribute structure) once the first pass
// has opened the file, so they end with what a one-pass import gives. One
// reader serves all passes, so a DXF layer has one layer number.
DxfReadResult ImportLargeDxfFile(DxfReader& reader, const std::string& path, const DxfTargets& targets,
                                 const RgbToColourNumber& nearest = DisplayNearestColour, DxfProgress* progress = nullptr);

struct DxfFolderReport {
  std::vector<std::string> projects;  // the projects written, in order
  std::vector<std::string> messages;  // for the user
};

// Every file with the extension ".dxf" (any case) in the folder and its
// sub-folders, depth first in name order, is read into temporary work areas
// and written beside itself as a folder named after the file (upper-cased,
// like the project's title), holding one platform file per kind and layer
// and a project "TITLE.mpj" listing them. One reader per folder level, so
// layer numbers go on over the files of a folder. A file that cannot be read
// is reported and gives no output.
DxfFolderReport ConvertDxfFolder(const std::string& folder, const RgbToColourNumber& nearest = DisplayNearestColour,
                                 DxfProgress* progress = nullptr);

}  // namespace zv::dxf
