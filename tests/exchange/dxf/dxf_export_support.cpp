#include "tests/exchange/dxf/dxf_export_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <map>

#include "framework/fileio/file_io.h"
#include "framework/paths/app_folder.h"
#include "framework/text/numbers.h"

namespace zv::dxf::test {

namespace fs = std::filesystem;

Groups ReadGroups(const std::string& path) {
  std::string bytes;
  EXPECT_TRUE(fileio::ReadWholeFile(path, bytes)) << path;
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < bytes.size()) {
    std::size_t end = bytes.find("\r\n", start);
    EXPECT_NE(end, std::string::npos) << "every line ends with CR LF";
    if (end == std::string::npos) end = bytes.size();
    lines.push_back(bytes.substr(start, end - start));
    start = end + 2;
  }
  Groups groups;
  for (std::size_t i = 0; i + 1 < lines.size(); i += 2) groups.emplace_back(num::ParseInt(lines[i]), lines[i + 1]);
  return groups;
}

std::vector<Groups> SectionEntities(const Groups& groups, const std::string& section) {
  std::vector<Groups> entities;
  bool inside = false;
  for (std::size_t i = 0; i < groups.size(); ++i) {
    const Group& g = groups[i];
    if (!inside) {
      inside = g == Group{2, section} && i > 0 && groups[i - 1] == Group{0, "SECTION"};
      continue;
    }
    if (g == Group{0, "ENDSEC"}) break;
    if (g.first == 0) entities.emplace_back();
    if (!entities.empty()) entities.back().push_back(g);
  }
  return entities;
}

std::string ValueOf(const Groups& entity, int code) {
  for (const Group& g : entity)
    if (g.first == code) return g.second;
  return {};
}

std::vector<std::string> ValuesOf(const Groups& entity, int code) {
  std::vector<std::string> values;
  for (const Group& g : entity)
    if (g.first == code) values.push_back(g.second);
  return values;
}

std::string TemplatePath() { return (fs::path(paths::ShippedDataFolder()) / "dxf2004.dxf").string(); }

TestProject::TestProject(const std::string& folder, const std::string& name)
    : folder_(folder), name_(name), project_(PrjCreate()) {
  fs::create_directories(folder);
  PrjSetPath(project_, (fs::path(folder) / (name + ".MPJ")).string());
}

TestProject::~TestProject() { PrjClose(project_); }

WorkAreaHandle TestProject::Add(const std::string& fileName) {
  const int index = PrjAddItem(project_, (fs::path(folder_) / fileName).string());
  EXPECT_GE(index, 0) << fileName;
  return PrjGetItemArea(project_, index);
}

std::string TestProject::Target() const { return (fs::path(folder_) / (name_ + ".dxf")).string(); }

namespace {

template <typename T>
void Put(std::string& bytes, T value) {
  char raw[sizeof(T)];
  std::memcpy(raw, &value, sizeof(T));
  bytes.append(raw, sizeof(T));
}

}  // namespace

display::SingleLevelLibrary BuildSubgraphs(const std::vector<std::pair<int, std::vector<TestElement>>>& entries,
                                           const std::vector<int>& damaged) {
  int count = 1;
  for (const auto& [n, elements] : entries) count = std::max(count, n + 1);
  for (const int n : damaged) count = std::max(count, n + 1);
  std::string file(static_cast<std::size_t>(count) * 4, '\0');
  const auto setSlot = [&](int n, uint32_t value) { std::memcpy(file.data() + n * 4, &value, 4); };
  setSlot(0, static_cast<uint32_t>(count));
  for (const auto& [n, elements] : entries) {
    setSlot(n, static_cast<uint32_t>(file.size()));
    std::string parts, points;
    int16_t floats = 0;
    std::string heads;
    for (const TestElement& e : elements) {
      for (const int16_t v : {static_cast<int16_t>(e.kind), static_cast<int16_t>(e.fill),
                              static_cast<int16_t>(e.colour), static_cast<int16_t>(e.width),
                              static_cast<int16_t>(e.parts.size())})
        Put(heads, v);
      for (const auto& part : e.parts) {
        Put(parts, static_cast<int16_t>(part.size()));
        for (const auto& [x, y] : part) {
          Put(points, x);
          Put(points, y);
          floats = static_cast<int16_t>(floats + 2);
        }
      }
    }
    Put(file, static_cast<int16_t>(elements.size()));
    Put(file, floats);
    file += heads + parts + points;
  }
  for (const int n : damaged) setSlot(n, static_cast<uint32_t>(file.size() + 1000));
  std::string error;
  auto library = display::SingleLevelLibrary::Parse(file, 4, &error);
  EXPECT_TRUE(library) << error;
  return std::move(*library);
}

}  // namespace zv::dxf::test
