#pragma once
// The table file ".wb": one attribute table standing alone, in the layout of
// the attribute tables inside the vector files (the 348-byte header, the
// 39-byte field descriptors, the dummy record 0, then one record per id).
// The layout is this program's own; docs/platform-files.md describes it.
//
// A table file is read into a table work area (type 7, table_area.h):
// record n becomes id n, a deleted record a deleted id, so the numbering
// survives; the header and descriptor bytes the area does not hold travel
// with it, so writing a table read from a file gives the same bytes again.
// A file not in this layout is refused whole with a message naming it.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "platform/data/work_area.h"
#include "platform/files/attribute_table.h"
#include "platform/files/file_report.h"

namespace zv {

inline constexpr const char* kTableFileExtension = ".wb";

// True when the path ends in ".wb", without regard to case.
bool IsTableFilePath(std::string_view path);

// The table of a file's bytes; false, with report.error naming `name`, when
// the bytes are not a table in the layout above.
bool DecodeTableFile(std::span<const std::uint8_t> bytes, const std::string& name, files::AttributeTable& table,
                     files::FileReport& report);

// Replaces the table area's content by the file's; 1 on success, 0 (the
// area unchanged, the report saying why) otherwise.
int LoadTableFile(WorkAreaHandle table, const std::string& path, files::FileReport* report = nullptr);

// Writes the table (through a temporary file renamed over the target); with
// flags kSavePathComplete the path is taken as it is, otherwise ".wb" is
// appended. 1 on success; 0 for a handle that is no table or a failed write,
// whose reason BasLastSaveError gives. The table then carries the path as
// its file name and is no longer modified.
int BasSaveTable(WorkAreaHandle table, const std::string& path, int flags);

}  // namespace zv
