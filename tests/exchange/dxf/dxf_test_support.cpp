#include "tests/exchange/dxf/dxf_test_support.h"

#include "tests/support/test_env.h"

namespace zv::dxf::test {

std::string FixturePath(const std::string& name) { return zv::test::DataPath("dxf/" + name); }

std::string GroupsText(const std::vector<Group>& groups, const std::string& lineEnd) {
  std::string text;
  for (const auto& [code, value] : groups) text += std::to_string(code) + lineEnd + value + lineEnd;
  return text;
}

namespace {

void AppendSection(std::vector<Group>& all, const char* name, const std::vector<Group>& groups) {
  all.insert(all.end(), {{0, "SECTION"}, {2, name}});
  all.insert(all.end(), groups.begin(), groups.end());
  all.push_back({0, "ENDSEC"});
}

std::vector<Group> LayerTable(const std::vector<Group>& entries) {
  std::vector<Group> table = {{0, "TABLE"}, {2, "LAYER"}};
  table.insert(table.end(), entries.begin(), entries.end());
  table.push_back({0, "ENDTAB"});
  return table;
}

}  // namespace

std::string DxfFileWithBlocks(const std::vector<Group>& layerEntries, const std::vector<Group>& blocks,
                              const std::vector<Group>& entities) {
  std::vector<Group> all;
  AppendSection(all, "TABLES", LayerTable(layerEntries));
  AppendSection(all, "BLOCKS", blocks);
  AppendSection(all, "ENTITIES", entities);
  all.push_back({0, "EOF"});
  return GroupsText(all);
}

std::string DxfFile(const std::vector<Group>& layerEntries, const std::vector<Group>& entities,
                    const std::vector<Group>& header) {
  std::vector<Group> all;
  if (!header.empty()) AppendSection(all, "HEADER", header);
  AppendSection(all, "TABLES", LayerTable(layerEntries));
  AppendSection(all, "ENTITIES", entities);
  all.push_back({0, "EOF"});
  return GroupsText(all);
}

ReadOutcome ReadDxf(const std::string& dxf, const std::string& pointMap, int64_t expansionBudget) {
  ReadOutcome outcome;
  DxfReader reader(CadMap{}, CadMap::Parse(pointMap));
  reader.setExpansionBudget(expansionBudget);
  outcome.result = reader.ReadBytes(dxf, outcome.sink);
  return outcome;
}

}  // namespace zv::dxf::test
