#include "tests/exchange/dxf/dxf_test_support.h"

#include "tests/support/test_env.h"

namespace zv::dxf::test {

std::string FixturePath(const std::string& name) { return zv::test::DataPath("dxf/" + name); }

std::string GroupsText(const std::vector<Group>& groups, const std::string& lineEnd) {
  std::string text;
  for (const auto& [code, value] : groups) text += std::to_string(code) + lineEnd + value + lineEnd;
  return text;
}

std::string DxfFileWithBlocks(const std::vector<Group>& layerEntries, const std::vector<Group>& blocks,
                              const std::vector<Group>& entities) {
  std::vector<Group> all = {{0, "SECTION"}, {2, "TABLES"}, {0, "TABLE"}, {2, "LAYER"}};
  all.insert(all.end(), layerEntries.begin(), layerEntries.end());
  all.insert(all.end(), {{0, "ENDTAB"}, {0, "ENDSEC"}, {0, "SECTION"}, {2, "BLOCKS"}});
  all.insert(all.end(), blocks.begin(), blocks.end());
  all.insert(all.end(), {{0, "ENDSEC"}, {0, "SECTION"}, {2, "ENTITIES"}});
  all.insert(all.end(), entities.begin(), entities.end());
  all.insert(all.end(), {{0, "ENDSEC"}, {0, "EOF"}});
  return GroupsText(all);
}

ReadOutcome ReadDxf(const std::string& dxf, const std::string& pointMap, int64_t expansionBudget) {
  ReadOutcome outcome;
  DxfReader reader(CadMap{}, CadMap::Parse(pointMap));
  reader.setExpansionBudget(expansionBudget);
  outcome.result = reader.ReadBytes(dxf, outcome.sink);
  return outcome;
}

std::string DxfFile(const std::vector<Group>& layerEntries, const std::vector<Group>& entities,
                    const std::vector<Group>& header) {
  std::vector<Group> all;
  if (!header.empty()) {
    all.insert(all.end(), {{0, "SECTION"}, {2, "HEADER"}});
    all.insert(all.end(), header.begin(), header.end());
    all.push_back({0, "ENDSEC"});
  }
  all.insert(all.end(), {{0, "SECTION"}, {2, "TABLES"}, {0, "TABLE"}, {2, "LAYER"}});
  all.insert(all.end(), layerEntries.begin(), layerEntries.end());
  all.insert(all.end(), {{0, "ENDTAB"}, {0, "ENDSEC"}, {0, "SECTION"}, {2, "ENTITIES"}});
  all.insert(all.end(), entities.begin(), entities.end());
  all.insert(all.end(), {{0, "ENDSEC"}, {0, "EOF"}});
  return GroupsText(all);
}

}  // namespace zv::dxf::test
