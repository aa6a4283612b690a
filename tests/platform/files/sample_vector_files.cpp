#include "tests/platform/files/sample_vector_files.h"

#include <gtest/gtest.h>

#include "platform/files/vector_file_codec.h"

namespace zv::files::testing {
namespace {

void FillAttributes(AttributeTable& table, std::size_t slots) {
  table.ResizeRecords(slots);
  for (std::size_t id = 1; id < slots; ++id) {
    table.SetRecordLive(id, true);
    SetFieldNumber(table, id, 0, static_cast<double>(id));
  }
}

LineRecord Line(std::vector<Vertex> vertices, std::uint8_t seed) {
  LineRecord line = LineRecord::New();
  FillParams(line, seed);
  line.vertices = std::move(vertices);
  return line;
}

}  // namespace

VectorFile SamplePointFile() {
  VectorFile file = NewVectorFile(FileKind::Point);
  const char* texts[] = {"钻孔 ZK01", "", "Fault F3", "采样点"};
  for (int i = 0; i < 4; ++i) {
    PointRecord point;
    point.SetLive(true);
    point.SetPosition(100.5 + i, 200.25 - i, 0);
    FillParams(point, static_cast<std::uint8_t>(10 * i));
    point.bytes[PointRecord::kParamOffset] = static_cast<std::uint8_t>(i % 2);  // note or symbol
    point.SetText(texts[i]);
    file.points.push_back(point);
  }
  file.points[2].SetLive(false);
  file.attributes.header[24] = 'x';  // a creation path, kept as it is
  AddField(file.attributes, MakeField("名称", FieldType::String, 20, 0));
  FillAttributes(file.attributes, file.points.size());
  SetFieldText(file.attributes, 1, 1, "石英脉");
  file.attributes.SetRecordLive(2, false);
  return file;
}

VectorFile SampleLineFile() {
  VectorFile file = NewVectorFile(FileKind::Line);
  file.lines.push_back(Line({{0, 0}, {10, 0}, {10, 5}}, 1));
  file.lines.push_back(Line({{-3, -4}}, 2));
  file.lines.push_back(Line({{1, 1}, {2, 2}}, 3));
  file.lines.push_back(Line({}, 4));
  file.lines[3].SetLive(false);
  file.keptSections[6] = std::vector<std::uint8_t>(32 * 5, 0x5A);  // per-line blocks we do not read
  FillAttributes(file.attributes, file.lines.size());
  SetFieldNumber(file.attributes, 1, 1, 20.0);
  return file;
}

VectorFile SampleRegionFile() {
  VectorFile file = NewVectorFile(FileKind::Region);
  file.lines.push_back(Line({{0, 0}, {10, 0}, {10, 10}, {0, 10}, {0, 0}}, 1));
  file.lines.push_back(Line({{2, 2}, {2, 4}, {4, 4}, {4, 2}, {2, 2}}, 2));
  file.lines.push_back(Line({{20, 0}, {25, 8}, {30, 0}, {20, 0}}, 3));
  for (auto arcs : {std::vector<std::int32_t>{1, 0, 2}, std::vector<std::int32_t>{-3}}) {
    RegionRecord region;
    region.SetLive(true);
    FillParams(region, static_cast<std::uint8_t>(40 + arcs.size()));
    region.arcs = arcs;
    file.regions.push_back(region);
  }
  RebuildArcTopology(file);
  FillAttributes(file.attributes, file.lines.size());
  FillAttributes(file.regionAttributes, file.regions.size());
  SetFieldNumber(file.regionAttributes, 1, 1, 96.0);
  return file;
}

VectorFile SampleFile(FileKind kind) {
  switch (kind) {
    case FileKind::Point: return SamplePointFile();
    case FileKind::Line: return SampleLineFile();
    case FileKind::Region: return SampleRegionFile();
  }
  return {};
}

std::vector<std::uint8_t> Encode(const VectorFile& file) {
  std::vector<std::uint8_t> bytes;
  std::string error;
  EXPECT_TRUE(EncodeVectorFile(file, bytes, &error)) << error;
  return bytes;
}

}  // namespace zv::files::testing
