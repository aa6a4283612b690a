#pragma once
// The platform's vector files in memory: point (".wt"), line (".wl") and
// region (".wp") files as plain structures, with the fixed-size records kept
// as the bytes of the file, so bytes we do not understand survive a rewrite.
//
// Entities are indexed by slot: element n of `points`, `lines` and `regions`
// is entity n, and element 0 is the dummy slot. A deleted entity keeps its
// slot (live flag 0), so numbering never shifts.
//
// The parameter bytes of a record are the leading bytes of the in-memory
// graphic-parameter records at the same relative offsets: point record bytes
// 31..92, line record bytes 22..56, region record bytes 9..39.

#include <array>
#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "platform/files/attribute_table.h"

namespace zv::files {

enum class FileKind : std::int32_t { Line = 0, Point = 1, Region = 2 };

struct Vertex {
  double x = 0;
  double y = 0;
  bool operator==(const Vertex&) const = default;
};

struct Extent {
  double xmin = 0, ymin = 0, xmax = 0, ymax = 0;
};

struct PointRecord {
  static constexpr std::size_t kSize = 93;
  static constexpr std::size_t kParamOffset = 31;
  static constexpr std::size_t kParamSize = kSize - kParamOffset;
  // The text's length is an i16 of the record.
  static constexpr std::size_t kMaxTextBytes = 32767;

  std::array<std::uint8_t, kSize> bytes{};
  // The text's bytes in the string pool as stored (GBK, possibly with
  // trailing NULs); the record's length and offset fields follow it on save.
  std::string gbkText;

  bool Live() const { return bytes[0] != 0; }
  void SetLive(bool live) { bytes[0] = live ? 1 : 0; }
  double X() const;
  double Y() const;
  double Z() const;
  void SetPosition(double x, double y, double z = 0);
  std::uint8_t Kind() const { return bytes[31]; }
  // UTF-8, trailing NULs dropped.
  std::string Text() const;
  // Stored as GBK, whole: a text longer than kMaxTextBytes makes the save
  // fail rather than be cut.
  void SetText(std::string_view utf8);
};

// Lines of a line file and arcs of a region file share this record.
struct LineRecord {
  static constexpr std::size_t kSize = 57;
  static constexpr std::size_t kParamOffset = 22;
  static constexpr std::size_t kParamSize = kSize - kParamOffset;

  std::array<std::uint8_t, kSize> bytes{};
  // The record's vertex count and offset follow these on save.
  std::vector<Vertex> vertices;

  // A live record with the values other writers put in the bytes whose
  // meaning is unknown (2 at byte 1, 1 at 18, 1 and 2 at 55/56).
  static LineRecord New();
  bool Live() const { return bytes[0] != 0; }
  void SetLive(bool live) { bytes[0] = live ? 1 : 0; }
};

// Arc (and line) topology, 24 bytes per slot.
struct ArcTopology {
  static constexpr std::size_t kSize = 24;
  std::array<std::uint8_t, kSize> bytes{};

  std::int32_t StartNode() const;
  std::int32_t EndNode() const;
  std::int32_t LeftRegion() const;
  std::int32_t RightRegion() const;
  void SetRegions(std::int32_t left, std::int32_t right);
};

struct RegionRecord {
  static constexpr std::size_t kSize = 40;
  static constexpr std::size_t kParamOffset = 9;
  static constexpr std::size_t kParamSize = kSize - kParamOffset;

  std::array<std::uint8_t, kSize> bytes{};
  // Signed arc ids (negative = reversed), 0 between rings; without the
  // leading total, which the writer computes (ArcListTotal).
  std::vector<std::int32_t> arcs;

  bool Live() const { return bytes[0] != 0; }
  void SetLive(bool live) { bytes[0] = live ? 1 : 0; }
};

struct VectorFile {
  static constexpr std::size_t kHeaderSize = 657;  // the directory follows it
  static constexpr std::size_t kMapParamOffset = 91;
  static constexpr std::size_t kMapParamSize = 169;
  static constexpr std::size_t kDirectoryEntries = 16;

  FileKind kind = FileKind::Point;
  // The header as read; magic, kind, directory offset, counts and extent are
  // written from the contents on save.
  std::array<std::uint8_t, kHeaderSize> header{};
  std::vector<PointRecord> points;   // .wt
  std::vector<LineRecord> lines;     // lines of a .wl, arcs of a .wp
  std::vector<ArcTopology> topology; // section 3, by line/arc slot
  std::vector<RegionRecord> regions; // .wp
  AttributeTable attributes;         // section 2: points, lines or arcs
  AttributeTable regionAttributes;   // section 9 of a .wp
  // Sections we do not interpret (nodes, node attributes, per-line blocks),
  // by directory index, kept as read.
  std::map<int, std::vector<std::uint8_t>> keptSections;

  const std::uint8_t* MapParameters() const { return header.data() + kMapParamOffset; }
  std::uint8_t* MapParameters() { return header.data() + kMapParamOffset; }
};

// The file name extension of a kind, with its dot, as the platform writes it
// (".WT", ".WL", ".WP").
std::string_view ExtensionOf(FileKind kind);

// An empty file of the kind: header with magic and kind, a map-parameter
// record with scale 1 and graphic-unit factors 1, the dummy slots, and the
// platform's customary attribute fields ("ID"; "长度" for lines; "面积" and
// "周长" for regions, whose arcs carry "ID" and "长度").
VectorFile NewVectorFile(FileKind kind);

// Entry 0 of a stored arc list: the number of points needed to draw all rings
// closed, i.e. the arcs' vertex counts plus one per ring. Arcs that do not
// exist count nothing.
std::int32_t ArcListTotal(const VectorFile& file, const std::vector<std::int32_t>& arcs);

// The rectangle around every live entity's coordinates (finite values only);
// all zero when there are none.
Extent ComputeExtent(const VectorFile& file);

// Sets the left/right region of every arc from the region arc lists: a region
// that uses an arc forwards is on its left, one that uses it reversed on its
// right. The topology gets one slot per arc.
void RebuildArcTopology(VectorFile& file);

}  // namespace zv::files
