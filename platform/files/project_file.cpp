#include "platform/files/project_file.h"

#include <algorithm>
#include <cstring>
#include <filesystem>

#include "framework/bytes/little_endian.h"
#include "framework/fileio/file_io.h"
#include "framework/paths/path_resolver.h"
#include "framework/text/encoding.h"
#include "framework/text/numbers.h"

namespace zv::files {
namespace {

namespace fs = std::filesystem;

constexpr char kTag[] = "WMAP`D2:";
constexpr char kOtherTag[] = "GDMP`D29";
constexpr std::int32_t kProjectType = 9;

// Header fields.
constexpr std::size_t kItemCount = 12;
constexpr std::size_t kExtent = 14;
constexpr std::size_t kTitle = 686;
constexpr std::size_t kTitleBytes = 60;
constexpr std::size_t kDictionaryOffset = 746;
constexpr std::size_t kFirstItemOffset = 750;
constexpr std::size_t kPageScaleX = 770;
constexpr std::size_t kPageScaleY = 778;
constexpr std::size_t kPageWidth = 794;
constexpr std::size_t kPageHeight = 802;
constexpr std::size_t kLegendOffset = 812;
constexpr std::size_t kBlockOffsets[] = {kDictionaryOffset, kLegendOffset};

// Item fields.
constexpr std::size_t kItemName = 2;
constexpr std::size_t kItemDescription = 130;
constexpr std::size_t kItemExtent = 258;
constexpr std::size_t kItemMinScale = 324;
constexpr std::size_t kItemMaxScale = 332;

// Map-parameter fields set in new records.
constexpr std::size_t kMapScale = 52;
constexpr std::size_t kMapGraphicFactorX = 153;
constexpr std::size_t kMapGraphicFactorY = 161;

std::string ReadGbk(const std::uint8_t* bytes, std::size_t size) {
  const auto* chars = reinterpret_cast<const char*>(bytes);
  return text::FromGbk(std::string_view(chars, strnlen(chars, size)));
}

void WriteGbk(std::uint8_t* bytes, std::size_t size, std::string_view utf8) {
  const std::string gbk = text::ToGbk(text::CutToGbkBytes(utf8, size - 1));
  std::fill_n(bytes, size, 0);
  std::memcpy(bytes, gbk.data(), gbk.size());
}

Extent ReadExtent(const std::uint8_t* p) {
  return {bytes::ReadLe<double>(p), bytes::ReadLe<double>(p + 8), bytes::ReadLe<double>(p + 16), bytes::ReadLe<double>(p + 24)};
}

void WriteExtent(std::uint8_t* p, const Extent& e) {
  bytes::WriteLe(p, e.xmin);
  bytes::WriteLe(p + 8, e.ymin);
  bytes::WriteLe(p + 16, e.xmax);
  bytes::WriteLe(p + 24, e.ymax);
}

std::string WithSlashes(std::string name) {
  std::replace(name.begin(), name.end(), '\\', '/');
  return name;
}

bool KindFromName(const std::string& name, FileKind& kind) {
  const std::string extension = fs::path(WithSlashes(name)).extension().string();
  for (FileKind candidate : {FileKind::Line, FileKind::Point, FileKind::Region})
    if (paths::EqualsIgnoreCase(extension, std::string(ExtensionOf(candidate)))) {
      kind = candidate;
      return true;
    }
  return false;
}

}  // namespace

std::string ProjectItem::FileName() const { return ReadGbk(&bytes[kItemName], kNameBytes); }
bool ProjectItem::SetFileName(std::string_view utf8) {
  if (!ItemFileNameProblem(utf8).empty()) return false;
  WriteGbk(&bytes[kItemName], kNameBytes, utf8);
  return true;
}

std::string ItemFileNameProblem(std::string_view utf8) {
  bool lossy = false;
  const std::size_t length = text::ToGbk(utf8, &lossy).size();
  if (lossy) return "路径中有 GBK 不能表示的字符，工程文件存不下";
  if (length > ProjectItem::kNameBytes - 1)
    return "路径长 " + num::FormatInt(static_cast<long>(length)) + " 字节，工程文件最多存 " +
           num::FormatInt(static_cast<long>(ProjectItem::kNameBytes - 1)) + " 字节";
  return {};
}
std::string ProjectItem::Description() const { return ReadGbk(&bytes[kItemDescription], kNameBytes); }
void ProjectItem::SetDescription(std::string_view utf8) { WriteGbk(&bytes[kItemDescription], kNameBytes, utf8); }
Extent ProjectItem::LayerExtent() const { return ReadExtent(&bytes[kItemExtent]); }
void ProjectItem::SetLayerExtent(const Extent& extent) { WriteExtent(&bytes[kItemExtent], extent); }
double ProjectItem::MinScale() const { return bytes::ReadLe<double>(&bytes[kItemMinScale]); }
double ProjectItem::MaxScale() const { return bytes::ReadLe<double>(&bytes[kItemMaxScale]); }

void ProjectItem::SetScaleRange(double minimum, double maximum) {
  bytes::WriteLe(&bytes[kItemMinScale], minimum);
  bytes::WriteLe(&bytes[kItemMaxScale], maximum);
}

ProjectItem NewProjectItem(std::string_view utf8FileName) {
  ProjectItem item;
  FileKind kind;
  item.bytes[0] = KindFromName(std::string(utf8FileName), kind) ? static_cast<std::uint8_t>(kind) : 0xFF;
  item.SetState(2);
  item.SetFileName(utf8FileName);
  item.SetDescription(fs::path(WithSlashes(std::string(utf8FileName))).filename().string());
  return item;
}

bool ItemFileKind(const ProjectItem& item, FileKind& kind) { return KindFromName(item.FileName(), kind); }

std::string ProjectFile::Title() const { return ReadGbk(&header[kTitle], kTitleBytes); }
void ProjectFile::SetTitle(std::string_view utf8) { WriteGbk(&header[kTitle], kTitleBytes, utf8); }
Extent ProjectFile::ProjectExtent() const { return ReadExtent(&header[kExtent]); }
void ProjectFile::SetProjectExtent(const Extent& extent) { WriteExtent(&header[kExtent], extent); }

ProjectFile NewProjectFile() {
  ProjectFile project;
  std::memcpy(project.header.data(), kTag, 8);
  bytes::WriteLe(&project.header[8], kProjectType);
  bytes::WriteLe(&project.header[kFirstItemOffset], static_cast<std::int32_t>(ProjectFile::kHeaderSize));
  bytes::WriteLe(&project.header[kPageScaleX], 1.0);
  bytes::WriteLe(&project.header[kPageScaleY], 1.0);
  bytes::WriteLe(&project.header[kPageWidth], 1024.0);
  bytes::WriteLe(&project.header[kPageHeight], 768.0);
  bytes::WriteLe(project.MapParameters() + kMapScale, 1.0);
  bytes::WriteLe(project.MapParameters() + kMapGraphicFactorX, 1.0);
  bytes::WriteLe(project.MapParameters() + kMapGraphicFactorY, 1.0);
  project.trailingOrigin = ProjectFile::kHeaderSize;
  return project;
}

bool DecodeProjectFile(std::span<const std::uint8_t> bytes, const std::string& name, ProjectFile& project,
                       FileReport& report) {
  project = ProjectFile{};
  report = FileReport{};
  if (bytes.size() < ProjectFile::kHeaderSize) {
    report.error = name + ": truncated project header (" + num::FormatInt(static_cast<long>(bytes.size())) +
                   " bytes, " + num::FormatInt(ProjectFile::kHeaderSize) + " needed)";
    return false;
  }
  if (std::memcmp(bytes.data(), kTag, 8) != 0 && std::memcmp(bytes.data(), kOtherTag, 8) != 0) {
    report.error = name + ": not a project file (wrong tag)";
    return false;
  }
  std::memcpy(project.header.data(), bytes.data(), ProjectFile::kHeaderSize);
  if (bytes::ReadLe<std::int32_t>(&project.header[8]) != kProjectType)
    report.warnings.push_back(name + ": file type " + num::FormatInt(bytes::ReadLe<std::int32_t>(&project.header[8])) +
                              " instead of 9");

  std::int64_t first = bytes::ReadLe<std::int32_t>(&project.header[kFirstItemOffset]);
  if (first < static_cast<std::int64_t>(ProjectFile::kHeaderSize) || first > static_cast<std::int64_t>(bytes.size())) {
    report.warnings.push_back(name + ": first item offset " + num::FormatInt(static_cast<long>(first)) +
                              " outside the file; items read from " + num::FormatInt(ProjectFile::kHeaderSize));
    first = ProjectFile::kHeaderSize;
  }
  project.preamble.assign(bytes.begin() + ProjectFile::kHeaderSize, bytes.begin() + first);

  const long announced = bytes::ReadLe<std::int16_t>(&project.header[kItemCount]);
  const std::size_t fit = (bytes.size() - static_cast<std::size_t>(first)) / ProjectItem::kSize;
  std::size_t count = static_cast<std::size_t>(std::max<long>(announced, 0));
  if (announced < 0 || count > fit) {
    report.warnings.push_back(name + ": " + num::FormatInt(announced) + " items announced, " +
                              num::FormatInt(static_cast<long>(std::min(count, fit))) + " read");
    count = std::min(count, fit);
  }
  const std::uint8_t* at = bytes.data() + first;
  for (std::size_t i = 0; i < count; ++i, at += ProjectItem::kSize) {
    ProjectItem item;
    std::memcpy(item.bytes.data(), at, ProjectItem::kSize);
    project.items.push_back(item);
  }
  project.trailingOrigin = static_cast<std::uint64_t>(at - bytes.data());
  project.trailing.assign(at, bytes.data() + bytes.size());
  return true;
}

std::vector<std::uint8_t> EncodeProjectFile(const ProjectFile& project) {
  std::array<std::uint8_t, ProjectFile::kHeaderSize> header = project.header;
  const std::uint64_t first = ProjectFile::kHeaderSize + project.preamble.size();
  const std::uint64_t itemsEnd = first + project.items.size() * ProjectItem::kSize;
  bytes::WriteLe(&header[kItemCount], static_cast<std::int16_t>(project.items.size()));
  bytes::WriteLe(&header[kFirstItemOffset], static_cast<std::int32_t>(first));
  for (std::size_t field : kBlockOffsets) {
    const std::int64_t offset = bytes::ReadLe<std::int32_t>(&header[field]);
    if (offset > 0 && static_cast<std::uint64_t>(offset) >= project.trailingOrigin)
      bytes::WriteLe(&header[field], static_cast<std::int32_t>(offset + static_cast<std::int64_t>(itemsEnd) -
                                                      static_cast<std::int64_t>(project.trailingOrigin)));
  }
  std::vector<std::uint8_t> bytes(itemsEnd + project.trailing.size());
  auto out = std::copy(header.begin(), header.end(), bytes.begin());
  out = std::copy(project.preamble.begin(), project.preamble.end(), out);
  for (const ProjectItem& item : project.items) out = std::copy(item.bytes.begin(), item.bytes.end(), out);
  std::copy(project.trailing.begin(), project.trailing.end(), out);
  return bytes;
}

bool LoadProjectFile(const std::string& path, ProjectFile& project, FileReport& report) {
  std::vector<std::uint8_t> bytes;
  report = FileReport{};
  if (!fileio::ReadWholeFile(path, bytes, &report.error)) return false;
  return DecodeProjectFile(bytes, path, project, report);
}

bool SaveProjectFile(const std::string& path, const ProjectFile& project, std::string* error) {
  return fileio::WriteFileAtomically(path, EncodeProjectFile(project), error);
}

std::string ResolveItemPath(const std::string& projectPath, const std::string& itemFileName) {
  const fs::path folder = fs::path(projectPath).parent_path();
  std::string name = WithSlashes(itemFileName);
  const bool windowsAbsolute = name.size() > 2 && name[1] == ':' && name[2] == '/';
  if (!name.empty() && name[0] == '/') {
    const std::string resolved = paths::Resolve(name);
    if (fs::exists(resolved)) return resolved;
  }
  if (windowsAbsolute || (!name.empty() && name[0] == '/'))  // moved with its project: look beside it
    return paths::ResolveIn(folder.string(), fs::path(name).filename().string());
  while (name.rfind("./", 0) == 0) name.erase(0, 2);
  return paths::ResolveIn(folder.string(), name);
}

std::string ItemFileNameFor(const std::string& projectPath, const std::string& filePath) {
  const fs::path folder = fs::absolute(fs::path(projectPath)).parent_path().lexically_normal();
  const fs::path file = fs::absolute(fs::path(filePath)).lexically_normal();
  const fs::path relative = file.lexically_relative(folder);
  const std::string text = relative.generic_string();
  if (relative.empty() || text.rfind("..", 0) == 0) {
    // Outside the folder: absolute, unless only a name that climbs out of
    // the folder fits the item's field.
    std::string climbing = text;
    std::replace(climbing.begin(), climbing.end(), '/', '\\');
    const bool absoluteFits = ItemFileNameProblem(file.string()).empty();
    return absoluteFits || relative.empty() || !ItemFileNameProblem(climbing).empty() ? file.string() : climbing;
  }
  std::string name = ".\\" + text;
  std::replace(name.begin(), name.end(), '/', '\\');
  return name;
}

}  // namespace zv::files
