#pragma once
// Project files (".mpj"): a 1113-byte header (with a map-parameter record at
// 816), then 400-byte layer items naming the point, line, region and other
// files of the map. A project stores no geometry.
//
// Header and items are kept as the bytes read; blocks whose layout is not
// known (a layer dictionary and legends, addressed from the header) are kept
// too and their offsets follow them when the item count changes.

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/files/file_report.h"
#include "platform/files/vector_file.h"

namespace zv::files {

struct ProjectItem {
  static constexpr std::size_t kSize = 400;
  static constexpr std::size_t kNameBytes = 128;

  std::array<std::uint8_t, kSize> bytes{};

  std::uint8_t KindCode() const { return bytes[0]; }
  // 0 closed, 1 open, 2 editable, 3 editable and current.
  std::uint8_t State() const { return bytes[1]; }
  void SetState(std::uint8_t state) { bytes[1] = state; }
  // The file name as stored (UTF-8; usually ".\NAME.WT").
  std::string FileName() const;
  // False, leaving the name as it was, when the field cannot hold the name
  // whole (ItemFileNameProblem says why): a cut name would name another file.
  bool SetFileName(std::string_view utf8);
  std::string Description() const;
  void SetDescription(std::string_view utf8);
  Extent LayerExtent() const;
  void SetLayerExtent(const Extent& extent);
  // Hidden below the minimum and above the maximum scale; 0/0 always shown.
  double MinScale() const;
  double MaxScale() const;
  void SetScaleRange(double minimum, double maximum);
};

// Why an item's name field cannot hold the name whole: its GBK form is
// longer than 127 bytes, or it has characters GBK cannot hold. Empty when
// it fits.
std::string ItemFileNameProblem(std::string_view utf8);

// A new item for a file (its name must fit, see ItemFileNameProblem): the kind code written is the vector file kind
// (0 line, 1 point, 2 region) taken from the extension, 0xFF for anything
// else; state 2 (editable); the description is the file's base name.
ProjectItem NewProjectItem(std::string_view utf8FileName);

// The kind of the file an item names, from its extension; false for files
// that are not ".wt", ".wl" or ".wp" (images, network files...).
bool ItemFileKind(const ProjectItem& item, FileKind& kind);

struct ProjectFile {
  static constexpr std::size_t kHeaderSize = 1113;
  static constexpr std::size_t kMapParamOffset = 816;

  std::array<std::uint8_t, kHeaderSize> header{};
  // Bytes between the header and the first item, kept as they were.
  std::vector<std::uint8_t> preamble;
  std::vector<ProjectItem> items;
  // Bytes after the last item (layer dictionary, legends), kept as they were.
  std::vector<std::uint8_t> trailing;
  // Where `trailing` began in the file read; offsets in the header that point
  // into it move with it on save.
  std::uint64_t trailingOrigin = 0;

  const std::uint8_t* MapParameters() const { return header.data() + kMapParamOffset; }
  std::uint8_t* MapParameters() { return header.data() + kMapParamOffset; }
  std::string Title() const;
  void SetTitle(std::string_view utf8);
  Extent ProjectExtent() const;
  void SetProjectExtent(const Extent& extent);
};

// An empty project: tag "WMAP`D2:", type 9, page scale 1, page 1024 x 768,
// map parameters with scale 1 and graphic-unit factors 1.
ProjectFile NewProjectFile();

// Accepts both tags seen in the wild ("WMAP`D2:" and "GDMP`D29"). Items cut
// short by the end of the file are dropped with a warning.
bool DecodeProjectFile(std::span<const std::uint8_t> bytes, const std::string& name, ProjectFile& project,
                       FileReport& report);
std::vector<std::uint8_t> EncodeProjectFile(const ProjectFile& project);

bool LoadProjectFile(const std::string& path, ProjectFile& project, FileReport& report);
bool SaveProjectFile(const std::string& path, const ProjectFile& project, std::string* error);

// The path of the file an item names: relative names (".\NAME.WT",
// "sub\NAME.WL") are taken from the project's folder, "\" is a separator,
// and the name is matched without regard to case.
std::string ResolveItemPath(const std::string& projectPath, const std::string& itemFileName);

// The name to store for a file: ".\" and the path below the project's folder
// when the file lies there, else the absolute path, or, when only that fits
// the item's field, the path from the project's folder ("..\DATA\A.WT");
// "\" as separator.
std::string ItemFileNameFor(const std::string& projectPath, const std::string& filePath);

}  // namespace zv::files
