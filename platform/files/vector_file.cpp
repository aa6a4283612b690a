#include "platform/files/vector_file.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>

#include "framework/bytes/little_endian.h"
#include "framework/text/encoding.h"

namespace zv::files {
namespace {

// Offsets inside the map-parameter record.
constexpr std::size_t kScale = 52;
constexpr std::size_t kGraphicFactorX = 153;
constexpr std::size_t kGraphicFactorY = 161;

// By kind: line, point, region.
constexpr std::string_view kExtensions[] = {".WL", ".WT", ".WP"};

std::vector<AttributeField> CustomaryFields(bool withLength, bool withArea) {
  std::vector<AttributeField> fields = {MakeField("ID", FieldType::Long, 10, 0)};
  if (withLength) fields.push_back(MakeField("长度", FieldType::Double, 15, 6));
  if (withArea) {
    fields.push_back(MakeField("面积", FieldType::Double, 15, 6));
    fields.push_back(MakeField("周长", FieldType::Double, 15, 6));
  }
  return fields;
}

void Include(Extent& extent, bool& any, double x, double y) {
  if (!std::isfinite(x) || !std::isfinite(y)) return;
  if (!any) {
    extent = {x, y, x, y};
    any = true;
    return;
  }
  extent.xmin = std::min(extent.xmin, x);
  extent.ymin = std::min(extent.ymin, y);
  extent.xmax = std::max(extent.xmax, x);
  extent.ymax = std::max(extent.ymax, y);
}

}  // namespace

double PointRecord::X() const { return bytes::ReadLe<double>(&bytes[7]); }
double PointRecord::Y() const { return bytes::ReadLe<double>(&bytes[15]); }
double PointRecord::Z() const { return bytes::ReadLe<double>(&bytes[23]); }

void PointRecord::SetPosition(double x, double y, double z) {
  bytes::WriteLe(&bytes[7], x);
  bytes::WriteLe(&bytes[15], y);
  bytes::WriteLe(&bytes[23], z);
}

std::string PointRecord::Text() const {
  std::string_view stored = gbkText;
  while (!stored.empty() && stored.back() == '\0') stored.remove_suffix(1);
  return text::FromGbk(stored);
}

void PointRecord::SetText(std::string_view utf8) { gbkText = text::ToGbk(utf8); }

LineRecord LineRecord::New() {
  LineRecord line;
  line.bytes[0] = 1;
  line.bytes[1] = 2;
  line.bytes[18] = 1;
  line.bytes[55] = 1;
  line.bytes[56] = 2;
  return line;
}

std::int32_t ArcTopology::StartNode() const { return bytes::ReadLe<std::int32_t>(&bytes[0]); }
std::int32_t ArcTopology::EndNode() const { return bytes::ReadLe<std::int32_t>(&bytes[4]); }
std::int32_t ArcTopology::LeftRegion() const { return bytes::ReadLe<std::int32_t>(&bytes[8]); }
std::int32_t ArcTopology::RightRegion() const { return bytes::ReadLe<std::int32_t>(&bytes[12]); }

void ArcTopology::SetRegions(std::int32_t left, std::int32_t right) {
  bytes::WriteLe(&bytes[8], left);
  bytes::WriteLe(&bytes[12], right);
}

std::string_view ExtensionOf(FileKind kind) { return kExtensions[static_cast<int>(kind)]; }

VectorFile NewVectorFile(FileKind kind) {
  VectorFile file;
  file.kind = kind;
  std::memcpy(file.header.data(), "WMAP`D2", 7);
  file.header[7] = static_cast<std::uint8_t>('1' + static_cast<int>(kind));  // "WMAP`D21" is a line file
  bytes::WriteLe(&file.header[8], static_cast<std::int32_t>(kind));
  std::uint8_t* map = file.MapParameters();
  bytes::WriteLe(map + kScale, 1.0);
  bytes::WriteLe(map + kGraphicFactorX, 1.0);
  bytes::WriteLe(map + kGraphicFactorY, 1.0);
  switch (kind) {
    case FileKind::Point:
      file.points.resize(1);
      file.attributes = TableDatedToday(CustomaryFields(false, false));
      break;
    case FileKind::Line:
      file.lines.resize(1);
      file.attributes = TableDatedToday(CustomaryFields(true, false));
      break;
    case FileKind::Region:
      file.lines.resize(1);
      file.topology.resize(1);
      file.regions.resize(1);
      file.attributes = TableDatedToday(CustomaryFields(true, false));
      file.regionAttributes = TableDatedToday(CustomaryFields(false, true));
      break;
  }
  return file;
}

std::int32_t ArcListTotal(const VectorFile& file, const std::vector<std::int32_t>& arcs) {
  std::int64_t total = 0;
  bool ringOpen = false;
  for (std::int32_t arc : arcs) {
    if (arc == 0) {
      ringOpen = false;
      continue;
    }
    if (!ringOpen) ++total;  // the point that closes the ring
    ringOpen = true;
    const std::uint64_t id = static_cast<std::uint64_t>(std::llabs(static_cast<long long>(arc)));
    if (id < file.lines.size()) total += static_cast<std::int64_t>(file.lines[id].vertices.size());
  }
  return static_cast<std::int32_t>(std::min<std::int64_t>(total, INT32_MAX));
}

Extent ComputeExtent(const VectorFile& file) {
  Extent extent;
  bool any = false;
  for (std::size_t i = 1; i < file.points.size(); ++i)
    if (file.points[i].Live()) Include(extent, any, file.points[i].X(), file.points[i].Y());
  for (std::size_t i = 1; i < file.lines.size(); ++i) {
    if (!file.lines[i].Live()) continue;
    for (const Vertex& v : file.lines[i].vertices) Include(extent, any, v.x, v.y);
  }
  return extent;
}

void RebuildArcTopology(VectorFile& file) {
  file.topology.resize(file.lines.size());
  for (ArcTopology& arc : file.topology) arc.SetRegions(0, 0);
  for (std::size_t r = 1; r < file.regions.size(); ++r) {
    if (!file.regions[r].Live()) continue;
    for (std::int32_t arc : file.regions[r].arcs) {
      const std::uint64_t id = static_cast<std::uint64_t>(std::llabs(static_cast<long long>(arc)));
      if (arc == 0 || id >= file.topology.size()) continue;
      ArcTopology& topology = file.topology[id];
      const auto region = static_cast<std::int32_t>(r);
      if (arc > 0)
        topology.SetRegions(region, topology.RightRegion());
      else
        topology.SetRegions(topology.LeftRegion(), region);
    }
  }
}

}  // namespace zv::files
