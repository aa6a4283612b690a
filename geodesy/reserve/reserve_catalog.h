#pragma once
// The reserve-verification catalogue: which coded layer files a project of
// that kind gets, the folders it is laid out in, and the 12-character project
// name that records the choice.
//
// Name: index 0 the first character ("H" or "V"); 1 to 7 one flag per
// group, "1" when a box of the group is on; 8 the scale letter; 9 to 11 the
// serial. Layer file: project folder / group folder / first character +
// layer code + serial + "01" + suffix, e.g. "地理地质图层类/HJGABA0100101_地理要素.wt".
#include <array>
#include <optional>
#include <string>
#include <vector>

namespace zv::reserve {

inline constexpr int kBoxCount = 30;
inline constexpr int kSlotCount = 58;

struct LayerSlot {
  int slot;  // 1 .. 58
  const char* code;
  const char* suffix;  // with the extension: "t" point, "l" line, "p" region
};

struct LayerBox {
  const char* label;
  int group;  // index in the project name, 1 .. 7; 0 for the decoration boxes
  const char* folder;
  std::vector<LayerSlot> files;
};

// The 30 check boxes in the dialog's order.
const std::vector<LayerBox>& LayerBoxes();
// The twelve folders every project gets, in the order they are made.
const std::vector<const char*>& TopFolders();
// The 20 scale entries ("1:100万_A" …); the letter is the last character.
const std::vector<const char*>& ScaleEntries();
inline constexpr int kDefaultScale = 8;  // "1:2千_J"

// The five presets in the dialog's order ("套合图", "对照图", …).
struct Preset {
  const char* label;
  std::array<bool, kBoxCount> boxes;
};
const std::vector<Preset>& Presets();

struct Catalog {
  std::string folder;                  // the output folder
  std::string mineCode = "A000000000";  // becomes a folder name
  char first = 'H';
  int scale = kDefaultScale;
  std::string serial = "001";
  std::array<bool, kBoxCount> boxes = DefaultBoxes();

  static std::array<bool, kBoxCount> DefaultBoxes();
};

std::string ProjectName(const Catalog& catalog);
// The folder the project's files go in: output folder / mine code.
std::string ProjectFolder(const Catalog& catalog);
// The 58 layer paths; empty where the box is off.
std::array<std::string, kSlotCount> LayerPaths(const Catalog& catalog);
// The first thing OK must refuse, as the message to show; none when fine.
std::optional<std::string> CheckCatalog(const Catalog& catalog);

}  // namespace zv::reserve
