#include "geodesy/reserve/reserve_catalog.h"

#include <algorithm>
#include <filesystem>

namespace zv::reserve {
namespace {

constexpr const char* kGeo = "地理地质图层类";
constexpr const char* kFit = "核查矿区套合图层类";
constexpr const char* kWork = "探采工程图层类";
constexpr const char* kReserve = "资源储量图层类";
constexpr const char* kDecor = "图件整饰图层类";
constexpr const char* kMaps = "MAPGIS电子图";

// Boxes 0-3 geography, 4-9 the fit, 10-15 works, 16 sections, 17 levels,
// 18-24 reserves, 25-28 decoration, 29 columns.
std::array<bool, kBoxCount> Boxes(std::initializer_list<int> on) {
  std::array<bool, kBoxCount> boxes{};
  for (int i : on) boxes[i] = true;
  return boxes;
}

// The fit map's boxes, which a new catalog also starts with.
std::array<bool, kBoxCount> FitBoxes() {
  return Boxes({0, 1, 2, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 25, 26, 27, 28});
}

}  // namespace

const std::vector<LayerBox>& LayerBoxes() {
  static const std::vector<LayerBox> boxes = {
      {"地理要素", 1, kGeo, {{1, "JGABA01", "_地理要素.wt"}, {2, "JGABA02", "_地理要素.wl"}, {3, "JGABA03", "_地理要素.wp"}}},
      {"地形等高线", 1, kGeo, {{4, "JGABA04", "_地形等高线.wl"}}},
      {"地质要素", 1, kGeo, {{5, "JGABA05", "_地质要素.wt"}, {6, "JGABA06", "_地质要素.wl"}, {7, "JGABA07", "_地质要素.wp"}}},
      {"矿层顶、底板等高线", 1, kGeo, {{8, "JGABA08", "_矿层顶、底板等高线.wl"}}},
      {"核查矿区", 2, kFit, {{9, "JGABB01", "_核查矿区.wl"}, {10, "JGABB02", "_核查矿区.wp"}}},
      {"原上表矿区", 2, kFit, {{11, "JGABB03", "_原上表矿区.wl"}, {12, "JGABB04", "_原上表矿区.wp"}}},
      {"勘查工作区", 2, kFit, {{13, "JGABB05", "_勘查工作区.wl"}, {14, "JGABB06", "_勘查工作区.wp"}}},
      {"采矿范围", 2, kFit, {{15, "JGABB07", "_采矿权范围.wl"}, {16, "JGABB08", "_采矿权范围.wp"}}},
      {"探矿权范围", 2, kFit, {{17, "JGABB09", "_探矿权范围.wl"}, {18, "JGABB10", "_探矿权范围.wp"}}},
      {"套合图层类注释", 2, kFit, {{19, "JGABB11", "_套合图层类注释.wt"}}},
      {"钻孔、各类井口", 3, kWork, {{20, "JGABC01", "_钻孔、各类井口.wt"}}},
      {"勘探线", 3, kWork, {{21, "JGABC02", "_勘探线.wl"}}},
      {"探矿工程", 3, kWork, {{22, "JGABC03", "_探矿工程.wl"}}},
      {"采矿工程", 3, kWork, {{23, "JGABC04", "_采矿工程.wl"}}},
      {"采空区", 3, kWork, {{24, "JGABC05", "_采空区.wl"}, {25, "JGABC06", "_采空区.wp"}}},
      {"工程图层类注释", 3, kWork, {{26, "JGABC07", "_工程图层类注释.wt"}}},
      {"勘探线剖面图", 4, kMaps, {{50, "JGAB101", "_勘探线剖面.wt"}, {51, "JGAB102", "_勘探线剖面.wl"}, {52, "JGAB103", "_勘探线剖面.wp"}}},
      {"中段平面图", 5, kMaps, {{53, "JGAB201", "_中段平面图.wt"}, {54, "JGAB202", "_中段平面图.wl"}, {55, "JGAB203", "_中段平面图.wp"}}},
      {"矿体", 6, kReserve, {{27, "JGABD01", "_矿体.wl"}, {28, "JGABD02", "_矿体.wp"}}},
      {"原块段", 6, kReserve, {{29, "JGABD03", "_原块段.wl"}, {30, "JGABD04", "_原块段.wp"}}},
      {"核查块段", 6, kReserve, {{31, "JGABD05", "_核查块段.wl"}, {32, "JGABD06", "_核查块段.wp"}}},
      {"资源储量类型界线", 6, kReserve, {{33, "JGABD07", "_资源储量类型界线.wl"}}},
      {"资源储量估算标注圆", 6, kReserve, {{34, "JGABD08", "_资源储量估算标注圆.wt"}, {35, "JGABD09", "_资源储量估算标注圆.wl"}}},
      {"资源储量利用", 6, kReserve, {{36, "JGABD10", "_资源储量利用.wl"}, {37, "JGABD11", "_资源储量利用.wp"}}},
      {"压覆区", 6, kReserve, {{38, "JGABD12", "_压覆区.wl"}}},
      {"图面辅助修饰", 0, kDecor, {{39, "YBBA001", "_图面辅助修饰.wt"}, {40, "YBBA002", "_图面辅助修饰.wl"}, {41, "YBBA003", "_图面辅助修饰.wp"}}},
      {"图框", 0, kDecor, {{42, "YBBB001", "_图框.wt"}, {43, "YBBB002", "_图框.wl"}, {44, "YBBB003", "_图框.wp"}}},
      {"图例", 0, kDecor, {{45, "YBBC001", "_图例.wt"}, {46, "YBBC002", "_图例.wl"}, {47, "YBBC003", "_图例.wp"}}},
      {"责任表", 0, kDecor, {{48, "YBBD001", "_责任表.wt"}, {49, "YBBD002", "_责任表.wl"}}},
      {"柱状图", 7, kMaps, {{56, "JGAB401", "_柱状图.wt"}, {57, "JGAB402", "_柱状图.wl"}, {58, "JGAB403", "_柱状图.wp"}}},
  };
  return boxes;
}

const std::vector<const char*>& TopFolders() {
  static const std::vector<const char*> folders = {"ACCESS数据库", "DWG电子图", "JPG栅格图", "MAPGIS电子图",
                                                   "储量核查报告", kGeo,          kFit,        "评审表格",
                                                   kWork,          kDecor,        "修改说明",  kReserve};
  return folders;
}

const std::vector<const char*>& ScaleEntries() {
  static const std::vector<const char*> entries = {
      "1:100万_A", "1:50万_B",  "1:25万_C",   "1:10万_D",   "1:5万_E",    "1:2.5万_F",  "1:1万_G",
      "1:5千_H",   "1:2千_J",   "1:1千_K",    "1:5百_L",    "1:20万_R",   "1:150万_S",  "1:250万_T",
      "1:400万_U", "1:500万_V", "1:600万_W",  "1:800万_X",  "1:1000万_Y", "无比例尺_O"};
  return entries;
}

const std::vector<Preset>& Presets() {
  static const std::vector<Preset> presets = [] {
    const auto compare = Boxes({0, 1, 2, 10, 11, 12, 13, 14, 15, 25, 26, 27, 28});
    // The six fit boxes, the six works, the seven reserves, the decoration.
    const auto reserves =
        Boxes({4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 18, 19, 20, 21, 22, 23, 24, 25, 26, 27, 28});
    return std::vector<Preset>{{"套合图", FitBoxes()},
                               {"对照图", compare},
                               {"原储量估算图", reserves},
                               {"核查储量估算图", reserves},
                               {"储量利用分布图", reserves}};
  }();
  return presets;
}

std::array<bool, kBoxCount> Catalog::DefaultBoxes() { return FitBoxes(); }

std::string ProjectName(const Catalog& catalog) {
  std::string name(1, catalog.first);
  for (int group = 1; group <= 7; ++group) {
    bool any = false;
    for (int i = 0; i < kBoxCount; ++i) any = any || (catalog.boxes[i] && LayerBoxes()[i].group == group);
    name += any ? '1' : '0';
  }
  const std::string scale = ScaleEntries()[catalog.scale];
  name += scale.back();
  return name + catalog.serial.substr(0, 3);
}

std::string ProjectFolder(const Catalog& catalog) {
  return (std::filesystem::path(catalog.folder) / catalog.mineCode).string();
}

std::array<std::string, kSlotCount> LayerPaths(const Catalog& catalog) {
  std::array<std::string, kSlotCount> paths;
  const std::filesystem::path project = ProjectFolder(catalog);
  const std::string prefix = std::string(1, catalog.first);
  const std::string serial = catalog.serial.substr(0, 3);
  for (int i = 0; i < kBoxCount; ++i) {
    if (!catalog.boxes[i]) continue;
    const LayerBox& box = LayerBoxes()[i];
    for (const LayerSlot& s : box.files) {
      paths[s.slot - 1] = (project / box.folder / (prefix + s.code + serial + "01" + s.suffix)).string();
    }
  }
  return paths;
}

std::optional<std::string> CheckCatalog(const Catalog& catalog) {
  if (catalog.folder.empty()) return "请输入目录！";
  // Both become parts of folder and file names.
  const auto plain = [](const std::string& text) {
    return std::all_of(text.begin(), text.end(), [](char ch) {
      return (ch >= '0' && ch <= '9') || (ch >= 'A' && ch <= 'Z') || (ch >= 'a' && ch <= 'z');
    });
  };
  if (catalog.mineCode.empty() || !plain(catalog.mineCode)) return "矿区编号只能由字母和数字组成！";
  if (!plain(catalog.serial)) return "第9-11位只能由字母和数字组成！";
  return std::nullopt;
}

}  // namespace zv::reserve
