#pragma once
// Helpers of the DXF export tests: a project of new files in a temporary
// folder, the groups of a written drawing, and a small sub-graph library
// built in code.

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "platform/data/work_area.h"
#include "platform/display/symbol_library.h"
#include "platform/project/map_project.h"

namespace zv::dxf::test {

using Group = std::pair<int, std::string>;
using Groups = std::vector<Group>;

// The groups of a DXF file (values as bytes, line ends removed).
Groups ReadGroups(const std::string& path);
// The entities (from one (0, X) to the next) of a section, e.g. "ENTITIES".
std::vector<Groups> SectionEntities(const Groups& groups, const std::string& section);
// The first value of a code in an entity, or "" when it has none.
std::string ValueOf(const Groups& entity, int code);
std::vector<std::string> ValuesOf(const Groups& entity, int code);

// The shipped template.
std::string TemplatePath();

// A project saved as `folder`/`name`.MPJ with new, empty files.
class TestProject {
 public:
  explicit TestProject(const std::string& folder, const std::string& name = "MAP");
  ~TestProject();
  TestProject(const TestProject&) = delete;
  TestProject& operator=(const TestProject&) = delete;

  // A new file of the project; its work area.
  WorkAreaHandle Add(const std::string& fileName);
  MapProject& project() { return *project_; }
  std::string Target() const;  // the drawing's path
  const std::string& folder() const { return folder_; }

 private:
  std::string folder_;
  std::string name_;
  MapProject* project_;
};

// Sub-graph elements for a library entry: kind, fill, line colour, width, parts.
struct TestElement {
  int kind = 2;
  int fill = 0;
  int colour = 0;
  int width = 2;
  std::vector<std::vector<std::pair<float, float>>> parts;
};
// A sub-graph library with the entries given by number (count = highest + 1);
// `damaged` numbers point past the end of the file.
display::SingleLevelLibrary BuildSubgraphs(const std::vector<std::pair<int, std::vector<TestElement>>>& entries,
                                           const std::vector<int>& damaged = {});

}  // namespace zv::dxf::test
