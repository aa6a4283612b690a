#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <functional>

#include "framework/bytes/little_endian.h"
#include "platform/files/vector_file_codec.h"
#include "tests/platform/files/sample_vector_files.h"
#include "tests/support/test_env.h"

namespace zv::files {
namespace {

using testing::Encode;
using testing::SampleFile;
using ::testing::HasSubstr;

std::uint32_t SectionOffset(const std::vector<std::uint8_t>& bytes, int index) {
  return bytes::ReadLe<std::uint32_t>(&bytes[bytes::ReadLe<std::int32_t>(&bytes[12]) + 10 * index]);
}
std::uint32_t SectionSize(const std::vector<std::uint8_t>& bytes, int index) {
  return bytes::ReadLe<std::uint32_t>(&bytes[bytes::ReadLe<std::int32_t>(&bytes[12]) + 10 * index + 4]);
}

VectorFile Decode(const std::vector<std::uint8_t>& bytes, FileReport& report) {
  VectorFile file;
  EXPECT_TRUE(DecodeVectorFile(bytes, "MAP.WX", file, report)) << report.error;
  return file;
}

class VectorFileRoundTrip : public ::testing::TestWithParam<FileKind> {};

TEST_P(VectorFileRoundTrip, WriteReadWriteKeepsEntitiesAndBytes) {
  const VectorFile original = SampleFile(GetParam());
  const std::vector<std::uint8_t> first = Encode(original);
  FileReport report;
  const VectorFile read = Decode(first, report);
  EXPECT_TRUE(report.warnings.empty()) << report.warnings.front();

  EXPECT_EQ(read.kind, original.kind);
  EXPECT_EQ(read.header, [&] {  // only the fields the writer keeps current differ
    auto header = original.header;
    for (auto [at, size] : {std::pair{12, 8}, {260, 4}, {276, 4}, {304, 32}})
      std::memcpy(&header[at], &read.header[at], size);
    return header;
  }());
  ASSERT_EQ(read.points.size(), original.points.size());
  for (std::size_t id = 1; id < read.points.size(); ++id) {
    EXPECT_EQ(read.points[id].Text(), original.points[id].Text()) << id;
    EXPECT_EQ(read.points[id].Live(), original.points[id].Live()) << id;
    EXPECT_EQ(read.points[id].X(), original.points[id].X());
    EXPECT_TRUE(std::equal(read.points[id].bytes.begin() + PointRecord::kParamOffset, read.points[id].bytes.end(),
                           original.points[id].bytes.begin() + PointRecord::kParamOffset));
  }
  ASSERT_EQ(read.lines.size(), original.lines.size());
  for (std::size_t id = 1; id < read.lines.size(); ++id) {
    EXPECT_EQ(read.lines[id].vertices, original.lines[id].vertices) << id;
    EXPECT_EQ(read.lines[id].Live(), original.lines[id].Live()) << id;
    EXPECT_TRUE(std::equal(read.lines[id].bytes.begin() + LineRecord::kParamOffset, read.lines[id].bytes.end(),
                           original.lines[id].bytes.begin() + LineRecord::kParamOffset));
  }
  ASSERT_EQ(read.regions.size(), original.regions.size());
  for (std::size_t id = 1; id < read.regions.size(); ++id) {
    EXPECT_EQ(read.regions[id].arcs, original.regions[id].arcs) << id;
    EXPECT_TRUE(std::equal(read.regions[id].bytes.begin() + RegionRecord::kParamOffset, read.regions[id].bytes.end(),
                           original.regions[id].bytes.begin() + RegionRecord::kParamOffset));
  }
  EXPECT_EQ(read.topology.size(), original.topology.size());
  EXPECT_EQ(read.attributes.records, original.attributes.records);
  EXPECT_EQ(read.regionAttributes.records, original.regionAttributes.records);
  EXPECT_EQ(read.keptSections, original.keptSections);

  EXPECT_EQ(Encode(read), first);
}

INSTANTIATE_TEST_SUITE_P(AllKinds, VectorFileRoundTrip,
                         ::testing::Values(FileKind::Point, FileKind::Line, FileKind::Region));

TEST(VectorFileWriter, KeepsHeaderCountsExtentAndDirectoryCurrent) {
  const std::vector<std::uint8_t> bytes = Encode(testing::SampleRegionFile());
  EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 8), "WMAP`D23");
  EXPECT_EQ(bytes::ReadLe<std::int32_t>(&bytes[8]), 2);
  EXPECT_EQ(bytes::ReadLe<std::int32_t>(&bytes[12]), 657);
  EXPECT_EQ(bytes::ReadLe<std::int32_t>(&bytes[260]), 3);  // arcs
  EXPECT_EQ(bytes::ReadLe<std::int32_t>(&bytes[276]), 2);  // regions
  EXPECT_EQ(bytes::ReadLe<double>(&bytes[304]), 0);
  EXPECT_EQ(bytes::ReadLe<double>(&bytes[320]), 30);
  EXPECT_EQ(bytes::ReadLe<double>(&bytes[328]), 10);
  for (int i = 0; i < 16; ++i) EXPECT_EQ(bytes::ReadLe<std::uint16_t>(&bytes[657 + 10 * i + 8]), 0xFFFF) << i;
  EXPECT_EQ(SectionSize(bytes, 0), 4u * 57);
  EXPECT_EQ(SectionSize(bytes, 3), 4u * 24);
  EXPECT_EQ(SectionSize(bytes, 8), 3u * 40);

  // The node count stays only with the node section it counts.
  VectorFile withNodes = testing::SampleRegionFile();
  bytes::WriteLe<std::int32_t>(&withNodes.header[268], 7);
  EXPECT_EQ(bytes::ReadLe<std::int32_t>(&Encode(withNodes)[268]), 0);
  withNodes.keptSections[4] = {1, 2, 3};
  EXPECT_EQ(bytes::ReadLe<std::int32_t>(&Encode(withNodes)[268]), 7);

  // Region 1: arcs 1 and 2 (5 vertices each) in two rings -> 12 points to draw.
  const std::uint32_t record = SectionOffset(bytes, 8) + 40;
  const std::uint32_t list = SectionOffset(bytes, 1) + bytes::ReadLe<std::int32_t>(&bytes[record + 5]);
  EXPECT_EQ(bytes::ReadLe<std::int32_t>(&bytes[record + 1]), 4);
  EXPECT_EQ(bytes::ReadLe<std::int32_t>(&bytes[list]), 12);
  EXPECT_EQ(bytes::ReadLe<std::int32_t>(&bytes[list + 12]), 2);
}

TEST(VectorFileReader, KeepsUnknownBytesAndReadsADirectoryAnywhere) {
  VectorFile file = SampleFile(FileKind::Line);
  for (std::size_t i = 20; i < 91; ++i) file.header[i] = static_cast<std::uint8_t>(i);
  for (std::size_t i = 336; i < 657; ++i) file.header[i] = static_cast<std::uint8_t>(i * 7);
  file.lines[1].bytes[5] = 0xAB;
  file.attributes.trailing = {1, 2, 3};
  const std::vector<std::uint8_t> bytes = Encode(file);

  // Move the directory behind the sections, as other writers do.
  std::vector<std::uint8_t> moved(bytes.begin(), bytes.begin() + 657);
  moved.insert(moved.end(), bytes.begin() + 657 + 160, bytes.end());
  const auto directory = static_cast<std::int32_t>(moved.size());
  moved.insert(moved.end(), bytes.begin() + 657, bytes.begin() + 657 + 160);
  bytes::WriteLe(&moved[12], directory);
  for (int i = 0; i < 16; ++i) {
    std::uint8_t* entry = &moved[directory + 10 * i];
    if (bytes::ReadLe<std::uint32_t>(entry + 4)) bytes::WriteLe(entry, bytes::ReadLe<std::uint32_t>(entry) - 160);
  }

  FileReport report;
  const VectorFile read = Decode(moved, report);
  EXPECT_TRUE(report.warnings.empty());
  EXPECT_EQ(read.lines[1].bytes[5], 0xAB);
  EXPECT_EQ(read.lines[3].vertices, file.lines[3].vertices);
  EXPECT_EQ(Encode(read), bytes);
}

struct BrokenCase {
  const char* name;
  FileKind kind;
  std::function<void(std::vector<std::uint8_t>&)> damage;
  const char* warning;
  std::function<void(const VectorFile&)> check;
};

void PutAt(std::vector<std::uint8_t>& bytes, std::size_t at, std::int32_t value) { bytes::WriteLe(&bytes[at], value); }

const BrokenCase kBrokenCases[] = {
    {"line vertices past the pool", FileKind::Line,
     [](auto& b) { PutAt(b, SectionOffset(b, 0) + 2 * 57 + 14, 1 << 20); }, "line 2: 1 vertices at offset 1048576",
     [](const VectorFile& f) {
       EXPECT_FALSE(f.lines[2].Live());
       EXPECT_TRUE(f.lines[1].Live());
       EXPECT_EQ(f.lines[3].vertices.size(), 2u);
     }},
    {"negative vertex count", FileKind::Line, [](auto& b) { PutAt(b, SectionOffset(b, 0) + 57 + 10, -5); },
     "line 1: -5 vertices", [](const VectorFile& f) { EXPECT_FALSE(f.lines[1].Live()); }},
    {"point text past the pool", FileKind::Point, [](auto& b) { PutAt(b, SectionOffset(b, 0) + 93 + 3, 999999); },
     "point 1: text outside the string pool",
     [](const VectorFile& f) {
       EXPECT_TRUE(f.points[1].Live());
       EXPECT_EQ(f.points[1].Text(), "");
       EXPECT_EQ(f.points[4].Text(), "采样点");
     }},
    {"arc list past the pool", FileKind::Region, [](auto& b) { PutAt(b, SectionOffset(b, 8) + 2 * 40 + 1, 1 << 28); },
     "region 2: arc list outside the vertex pool",
     [](const VectorFile& f) {
       EXPECT_FALSE(f.regions[2].Live());
       EXPECT_EQ(f.regions[1].arcs, (std::vector<std::int32_t>{1, 0, 2}));
     }},
    {"arc list naming a missing arc", FileKind::Region,
     [](auto& b) {
       const std::uint32_t list = SectionOffset(b, 1) + bytes::ReadLe<std::int32_t>(&b[SectionOffset(b, 8) + 40 + 5]);
       PutAt(b, list + 12, -77);
     },
     "region 1: arcs -77 do not exist",
     [](const VectorFile& f) {
       EXPECT_TRUE(f.regions[1].Live());
       EXPECT_EQ(f.regions[1].arcs, (std::vector<std::int32_t>{1, 0}));
     }},
    {"arc list without its total", FileKind::Region,
     [](auto& b) {
       const std::uint32_t record = SectionOffset(b, 8) + 2 * 40;
       PutAt(b, record + 1, 1);
       PutAt(b, SectionOffset(b, 1) + bytes::ReadLe<std::int32_t>(&b[record + 5]), -3);
     },
     "region 2: arc list without its leading total",
     [](const VectorFile& f) { EXPECT_EQ(f.regions[2].arcs, (std::vector<std::int32_t>{-3})); }},
    {"arc list naming a skipped arc", FileKind::Region, [](auto& b) { PutAt(b, SectionOffset(b, 0) + 3 * 57 + 10, -1); },
     "region 2: arcs -3 do not exist", [](const VectorFile& f) { EXPECT_TRUE(f.regions[2].arcs.empty()); }},
    {"attribute records fewer than announced", FileKind::Line,
     [](auto& b) { PutAt(b, SectionOffset(b, 2) + 324, 4000); }, "line attributes: 4000 attribute records announced, 5 present",
     [](const VectorFile& f) { EXPECT_EQ(f.attributes.RecordCount(), 5u); }},
    {"section past the end of the file", FileKind::Point, [](auto& b) { PutAt(b, 657 + 2 * 10 + 4, 1 << 30); },
     "section 2 runs past the end of the file", [](const VectorFile& f) { EXPECT_EQ(f.points.size(), 5u); }},
    {"record section not a whole number of records", FileKind::Line,
     [](auto& b) { PutAt(b, 657 + 4, static_cast<std::int32_t>(SectionSize(b, 0) - 3)); },
     "line records: 54 bytes after the last whole record", [](const VectorFile& f) { EXPECT_EQ(f.lines.size(), 4u); }},
};

TEST(VectorFileReader, SkipsOrMendsBrokenEntitiesAndLoadsTheRest) {
  for (const BrokenCase& c : kBrokenCases) {
    SCOPED_TRACE(c.name);
    std::vector<std::uint8_t> bytes = Encode(SampleFile(c.kind));
    c.damage(bytes);
    VectorFile file;
    FileReport report;
    ASSERT_TRUE(DecodeVectorFile(bytes, "MAP.WX", file, report)) << report.error;
    EXPECT_THAT(report.warnings, ::testing::Contains(HasSubstr(std::string("MAP.WX: ") + c.warning)));
    c.check(file);
    std::vector<std::uint8_t> again;
    EXPECT_TRUE(EncodeVectorFile(file, again, nullptr));
  }
}

TEST(VectorFileReader, FailsOnUnreadableStructureNamingFileAndFault) {
  const std::vector<std::uint8_t> good = Encode(SampleFile(FileKind::Line));
  struct Case {
    const char* name;
    std::function<std::vector<std::uint8_t>()> bytes;
    const char* fault;
  } cases[] = {
      {"empty", [] { return std::vector<std::uint8_t>{}; }, "truncated header (0 bytes"},
      {"short", [&] { return std::vector<std::uint8_t>(good.begin(), good.begin() + 300); }, "truncated header (300"},
      {"garbage", [] { return std::vector<std::uint8_t>(2000, 0x41); }, "wrong magic"},
      {"directory past the end", [&] {
         auto b = good;
         bytes::WriteLe<std::int32_t>(&b[12], static_cast<std::int32_t>(b.size() - 4));
         return b;
       }, "section directory at offset"},
      {"negative directory", [&] {
         auto b = good;
         bytes::WriteLe<std::int32_t>(&b[12], -1);
         return b;
       }, "section directory at offset -1 lies outside the file"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    VectorFile file = SampleFile(FileKind::Point);
    FileReport report;
    EXPECT_FALSE(DecodeVectorFile(c.bytes(), "/maps/ROADS.WL", file, report));
    EXPECT_THAT(report.error, HasSubstr("/maps/ROADS.WL: "));
    EXPECT_THAT(report.error, HasSubstr(c.fault));
    EXPECT_TRUE(file.points.empty() && file.lines.empty());
  }
}

TEST(VectorFileReader, SurvivesEveryTruncation) {
  for (FileKind kind : {FileKind::Point, FileKind::Line, FileKind::Region}) {
    const std::vector<std::uint8_t> bytes = Encode(SampleFile(kind));
    for (std::size_t size = 0; size < bytes.size(); ++size) {
      VectorFile file;
      FileReport report;
      const std::vector<std::uint8_t> cut(bytes.begin(), bytes.begin() + static_cast<long>(size));
      if (DecodeVectorFile(cut, "CUT", file, report)) {
        std::vector<std::uint8_t> again;
        EXPECT_TRUE(EncodeVectorFile(file, again, nullptr));
      } else {
        EXPECT_FALSE(report.error.empty());
      }
    }
  }
}

TEST(VectorFileStorage, SavesAtomicallyAndLoadsBack) {
  const std::string path = zv::test::TempRoot() + "/CONTOUR.WL";
  const VectorFile file = SampleFile(FileKind::Line);
  std::string error;
  ASSERT_TRUE(SaveVectorFile(path, file, &error)) << error;
  ASSERT_TRUE(SaveVectorFile(path, file, &error)) << error;  // over an existing file
  VectorFile read;
  FileReport report;
  ASSERT_TRUE(LoadVectorFile(path, read, report)) << report.error;
  EXPECT_EQ(Encode(read), Encode(file));
  for (const auto& entry : std::filesystem::directory_iterator(zv::test::TempRoot()))
    EXPECT_THAT(entry.path().filename().string(), ::testing::Not(HasSubstr("CONTOUR.WL.")));

  EXPECT_FALSE(SaveVectorFile(zv::test::TempRoot() + "/missing/X.WL", file, &error));
  EXPECT_THAT(error, HasSubstr("/missing/X.WL: cannot save"));
  EXPECT_FALSE(LoadVectorFile(zv::test::TempRoot() + "/missing/X.WL", read, report));
  EXPECT_THAT(report.error, HasSubstr("/missing/X.WL: cannot open"));
}

}  // namespace
}  // namespace zv::files
