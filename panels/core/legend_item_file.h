#pragma once
// Legend item files: one sample of a map legend per file in the legend
// folder (data folder "TL"), named number + "_" + name + ".TL", UTF-8 names on
// disk. The library dialog, the gathering modes and the placement of the
// annotation tool all go through here.
//
// Layout, little-endian, packed: a 238-byte header
//   @0 number (its four characters), @4 name (20 bytes GBK, zero-filled, no
//   terminator when full), @24 height i32, @28 width i32, @32 flag i16,
//   @34 order i32, @38 annotation (200 bytes GBK, zero-filled)
// then the body: point count i32 and the points, line count i32 and the
// lines, region count i32 and the regions, each in the legend form of the
// entity records (common/entity_buffer/entity_records.h).
//
// What a caller can rely on:
//  - A count is the number of records written after it: an entity that
//    cannot be read is not written and not counted, and a region whose arcs
//    cannot all be read is left out whole.
//  - Reading checks the whole file before it appends anything: a truncated
//    file, a negative or oversized count or a malformed record gives a
//    message naming the file and leaves the work areas as they were.
//  - Item numbers run "0001" … "9999"; a number is taken while the folder
//    holds a file whose name begins with its four characters.
//  - An item's own file is the regular file named by its four digits, "_",
//    a name and ".TL" (extension without regard to case). Renames, rewrites,
//    patches and deletions act on that one file, never on stray files that
//    share the digits ("0002 notes.txt").
//  - Names are cleaned (path separators, control and reserved characters
//    become "_") and cut to 20 GBK bytes at a character boundary before they
//    go into a header or a file name, so the two agree.
//  - Every write is atomic: a failed save leaves the old file whole.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/entity_buffer/entity_records.h"
#include "panels/core/preview_areas.h"

namespace zv::panels {

inline constexpr std::size_t kLegendHeaderSize = 238;
inline constexpr std::size_t kLegendNameBytes = 20;
inline constexpr std::size_t kLegendAnnotationBytes = 200;
inline constexpr std::size_t kLegendFlagOffset = 32;
inline constexpr std::size_t kLegendOrderOffset = 34;
inline constexpr int kLegendLastNumber = 9999;

struct LegendHeader {
  std::string number;  // the four characters of the item number, "0003"
  std::string name;    // UTF-8
  int32_t height = 8;
  int32_t width = 12;
  int16_t flag = 0;
  int32_t order = 0;
  std::string annotation;  // UTF-8
};

struct LegendBody {
  std::vector<PointRecord> points;
  std::vector<LineRecord> lines;
  std::vector<RegionRecord> regions;
};

struct LegendItem {
  LegendHeader header;
  LegendBody body;
};

// The three work areas a body is written from or read into: a point area, a
// line area and a region area (whose lines are the regions' arcs).
using LegendAreas = PreviewAreas;

// ---- Folder and names ---------------------------------------------------------

// The legend folder with a trailing separator.
std::string LegendFolder();
// Creates the folder when missing; false (with a message) when it cannot.
bool MakeLegendFolder(std::string* error = nullptr);

// "0001" … "9999".
std::string LegendNumberText(int number);
// The decimal value of the first four characters of a text, read as C's atoi
// reads them (leading blanks and a sign, then digits); 0 when none.
int LegendNumberValue(std::string_view text);
// The name as it goes into a header and a file name: "/", "\", control
// characters and < > : " | ? * become "_"; cut to 20 GBK bytes between
// characters.
std::string CleanLegendName(std::string_view name);
// number + "_" + name + ".TL".
std::string LegendFileName(std::string_view number, std::string_view name);
// True when the file name is an item file of that number: the four
// characters, "_", any name and ".TL" without regard to case.
bool IsLegendItemFileName(std::string_view fileName, std::string_view number);
// The name part of an item file name (between "_" and ".TL").
std::string LegendNamePart(std::string_view fileName);

// ---- The folder's files -------------------------------------------------------

// The regular files of the legend folder, by file name (byte order).
std::vector<std::string> ListLegendFolder();
bool IsLegendNumberTaken(std::string_view number);
// The first free number from "0001"; none (and a message) when every number
// up to "9999" is taken.
std::optional<std::string> NextFreeLegendNumber(std::string* error = nullptr);
// The full path of the item's own file, empty when there is none (the first
// by file name when two files share the number).
std::string FindLegendItemFile(std::string_view number);

// ---- Bytes --------------------------------------------------------------------

std::string EncodeLegendHeader(const LegendHeader& header);
// `bytes` holds at least kLegendHeaderSize bytes.
LegendHeader DecodeLegendHeader(std::string_view bytes);
// The body from three work areas (ids 1 … B−1 of each).
std::string EncodeLegendBody(const LegendAreas& areas);
std::string EncodeLegendBody(const LegendBody& body);
// A whole item; false (and a message naming `source`) when the bytes are not
// a whole, well-formed item.
bool DecodeLegendItem(std::string_view bytes, LegendItem* item, std::string* error = nullptr,
                      std::string_view source = {});
// Appends a decoded body; lines go to the line area, regions and their arcs
// to the region area.
void AppendLegendBody(const LegendBody& body, const LegendAreas& areas);

// ---- Files --------------------------------------------------------------------

// The header of a file; false (with a message) when the file cannot be read
// or is shorter than its header.
bool ReadLegendHeaderFile(const std::string& path, LegendHeader* header, std::string* error = nullptr);
bool ReadLegendItemFile(const std::string& path, LegendItem* item, std::string* error = nullptr);
// Reads a whole item and appends its body to the areas; nothing is appended
// when the file is unreadable or malformed.
bool ReadLegendItemInto(const std::string& path, const LegendAreas& areas, LegendHeader* header = nullptr,
                        std::string* error = nullptr);
// Writes header and body (from the areas) atomically, creating the folder
// when missing.
bool WriteLegendItemFile(const std::string& path, const LegendHeader& header, const LegendAreas& areas,
                         std::string* error = nullptr);
bool WriteLegendItemFile(const std::string& path, const LegendHeader& header, const LegendBody& body,
                         std::string* error = nullptr);
// Renames a file; refused (false, with a message) when the target exists.
// Renaming a file to its own name succeeds and changes nothing.
bool RenameLegendItemFile(const std::string& from, const std::string& to, std::string* error = nullptr);
// Rewrite the flag (byte 32) or the order (byte 34) of an item file in place.
bool PatchLegendFlag(const std::string& path, int16_t flag, std::string* error = nullptr);
bool PatchLegendOrder(const std::string& path, int32_t order, std::string* error = nullptr);

}  // namespace zv::panels
