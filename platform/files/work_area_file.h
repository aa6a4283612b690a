#pragma once
// Point, line and region files in and out of work areas.
//
// Loading keeps the file's numbering: entity n of the file is id n of the
// work area, and a deleted slot becomes a deleted id. Parameter bytes are
// copied between the file records and the leading bytes of PNT_INFO,
// LIN_INFO and REG_INFO; the record bytes outside them (a point's Z, the
// unknown bytes of line records) travel with each entity, and what the work
// area does not hold of the file (unknown header bytes, attribute-table
// headers, node sections) with the area, so saving a loaded area keeps them.
// Node and per-line sections are kept only while the number of line slots is
// unchanged, since they are laid out by line.

#include <string>
#include <vector>

#include "platform/data/work_area.h"
#include "platform/files/file_report.h"
#include "platform/files/vector_file.h"

namespace zv {

// BasSaveWorkArea flags: the path is complete. Any other value appends the
// work area's own extension (".wl", ".wt", ".wp") to the path.
inline constexpr int kSavePathComplete = 17504;

// Loads a ".wt", ".wl" or ".wp" file into a new work area of the set; the
// kind comes from the file's own magic. A ".wb" path is read as a table
// file into a new table area (table_file.h). The handle, or 0 when the file
// cannot be read (the report says why). Warnings name what was skipped or
// mended.
WorkAreaHandle BasLoadWorkArea(WorkAreaSetHandle set, const std::string& path, files::FileReport* report = nullptr);

// Replaces the contents of an area by a file of the area's kind (a table
// area takes a table file); 1 on
// success. The area is unchanged when the file cannot be read or is of
// another kind.
int BasLoadFileIntoWorkArea(WorkAreaHandle area, const std::string& path, files::FileReport* report = nullptr);

// Writes the area as a file (through a temporary file renamed over the
// target). 1 on success; 0 for an invalid handle, a fourth-kind area, an
// area in state 2 (kWorkAreaStateNoSave), or a failed write, whose reason
// BasLastSaveError gives. The area then carries the path as its file name
// and is no longer modified.
int BasSaveWorkArea(WorkAreaHandle area, const std::string& path, int flags, int reserved1 = 0, int reserved2 = 0,
                    int reserved3 = 0);
std::string BasLastSaveError();
// What BasLastSaveError gives, set by every save of platform/files.
std::string& LastSaveError();

// The conversions behind the calls above.
bool WorkAreaToVectorFile(WorkAreaHandle area, files::VectorFile& file);
bool VectorFileToWorkArea(const files::VectorFile& file, WorkAreaHandle area, std::vector<std::string>& warnings,
                          const std::string& name);

}  // namespace zv
