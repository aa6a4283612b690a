#pragma once
// The template drawing the export splices a project into, read as groups
// and copied group by group. A cursor moves forward through it: each step
// copies (or skips) groups up to and including the first group that
// matches, and fails when the template ends first, so a template that lacks
// a part the export needs is found before anything is written.

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zv::dxf {

class DxfGroupWriter;

struct DxfTemplateGroup {
  int code = 0;                // the code line by decimal conversion (leading blanks skipped)
  std::string_view codeLine;   // as read, without the line end
  std::string_view value;
};

class DxfTemplate {
 public:
  // The groups of the template's bytes (CR LF or LF line ends). The bytes
  // are kept by the template.
  explicit DxfTemplate(std::string bytes);

  using Match = std::function<bool(const DxfTemplateGroup&)>;
  // Copies groups to `out` up to and including the first that matches;
  // false when none does. Pointer groups (codes 330 .. 369) that name a
  // renamed handle are written with the new one.
  bool CopyThrough(DxfGroupWriter& out, const Match& match);
  // The same without writing; each skipped group is handed to `seen`.
  bool SkipThrough(const Match& match, const std::function<void(const DxfTemplateGroup&)>& seen = {});
  // Copies everything that is left; false unless it ends with (0, "EOF").
  bool CopyRest(DxfGroupWriter& out);

  // Handles of the template (block records) and the handles that replace
  // them in the groups copied from now on.
  void SetRenamedHandles(std::map<std::string, std::string, std::less<>> renamed) { renamed_ = std::move(renamed); }
  // The byte offset in `out`'s held bytes, and the length, where the value of
  // $HANDSEED was copied (length 0 when it was not).
  std::size_t seedOffset() const { return seedOffset_; }
  std::size_t seedLength() const { return seedLength_; }
  std::string_view seed() const { return seed_; }

 private:
  void Copy(DxfGroupWriter& out, const DxfTemplateGroup& group);

  std::string bytes_;
  std::vector<DxfTemplateGroup> groups_;
  std::size_t next_ = 0;
  std::map<std::string, std::string, std::less<>> renamed_;
  bool seedNext_ = false;
  std::string_view seed_;
  std::size_t seedOffset_ = 0;
  std::size_t seedLength_ = 0;
};

// Matches for the cursor.
DxfTemplate::Match GroupIs(int code, std::string_view value);
DxfTemplate::Match ValueIs(std::string_view value);

}  // namespace zv::dxf
