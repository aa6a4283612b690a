#include "platform/display/system_library.h"

#include <QDebug>
#include <filesystem>
#include <fstream>
#include <mutex>
#include <set>
#include <type_traits>
#include <vector>

#include "framework/paths/app_folder.h"
#include "framework/paths/path_resolver.h"
#include "platform/data/environment.h"

namespace zv::display {
namespace {

// A symbol library above this size is not one of ours; refusing it keeps a
// wrong folder from eating memory.
constexpr std::streamoff kLargestLibrary = 64 << 20;

struct NoticeState {
  std::mutex mutex;
  NoticeSink sink;
  std::set<std::string> given;
};

NoticeState& Notices() {
  static NoticeState state;
  return state;
}

void Notice(const std::string& text) {
  auto& state = Notices();
  NoticeSink sink;
  {
    std::lock_guard lock(state.mutex);
    if (!state.given.insert(text).second) return;
    sink = state.sink;
  }
  if (sink)
    sink(text);
  else
    qWarning("%s", text.c_str());
}

std::optional<std::string> ReadWhole(const std::string& path, std::string* error) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    *error = "cannot be opened";
    return std::nullopt;
  }
  in.seekg(0, std::ios::end);
  const std::streamoff size = in.tellg();
  if (size < 0 || size > kLargestLibrary) {
    *error = "is too large for a symbol library";
    return std::nullopt;
  }
  in.seekg(0);
  std::string bytes(static_cast<std::size_t>(size), '\0');
  if (!in.read(bytes.data(), size)) {
    *error = "cannot be read";
    return std::nullopt;
  }
  return bytes;
}

template <typename Library, typename ParseFn>
std::optional<Library> LoadOne(const std::string& folder, const char* name, const char* fallback, ParseFn parse) {
  const std::string path = paths::ResolveIn(folder, name);
  std::string reason;
  std::optional<Library> library;
  if (auto bytes = ReadWhole(path, &reason)) {
    library = parse(*bytes, &reason);
    if (library) {
      if constexpr (!std::is_same_v<Library, ColourTable>) {
        const auto& problems = library->Problems();
        if (!problems.empty())
          Notice("系统库文件 " + path + " 有 " + std::to_string(problems.size()) + " 项无法读取（" + problems.front() +
                 "），这些项以简单图形显示。");
      }
      return library;
    }
  }
  Notice("系统库文件 " + path + " 无法读取（" + reason + "），改用" + fallback + "。");
  return std::nullopt;
}

struct Current {
  std::mutex mutex;
  std::shared_ptr<const SystemLibrary> library;
  // Libraries replaced by a reload stay alive: drawings may still hold them.
  std::vector<std::shared_ptr<const SystemLibrary>> retired;
};

Current& CurrentState() {
  static Current state;
  return state;
}

}  // namespace

SystemLibrary SystemLibrary::Plain() { return SystemLibrary(); }

SystemLibrary SystemLibrary::Load(const std::string& folder) {
  SystemLibrary library;
  library.folder_ = folder;
  if (auto colours = LoadOne<ColourTable>(folder, kColourTableFile, "十六种基本颜色",
                                          [](std::string_view b, std::string* e) { return ColourTable::Parse(b, e); }))
    library.colours_ = std::move(*colours);
  library.subgraphs_ = LoadOne<SingleLevelLibrary>(
      folder, kSubgraphFile, "简单圆圈",
      [](std::string_view b, std::string* e) { return SingleLevelLibrary::Parse(b, 4, e); });
  library.lineTypes_ = LoadOne<LineTypeLibrary>(
      folder, kLineTypeFile, "实线", [](std::string_view b, std::string* e) { return LineTypeLibrary::Parse(b, e); });
  library.patterns_ = LoadOne<SingleLevelLibrary>(
      folder, kPatternFile, "无图案的填充",
      [](std::string_view b, std::string* e) { return SingleLevelLibrary::Parse(b, 6, e); });
  std::string ignored;
  if (auto names = ReadWhole(paths::ResolveIn(folder, kPatternNameFile), &ignored))
    library.patternNames_ = PatternNames::Parse(*names);  // a missing name list is no error
  return library;
}

void SetNoticeSink(NoticeSink sink) {
  std::lock_guard lock(Notices().mutex);
  Notices().sink = std::move(sink);
}

std::string DefaultLibraryFolder() {
  const std::string configured = zv::BasGetEnvironment()->path(zv::env::kSystemLibraryFolder);
  const std::string folder =
      configured.empty() ? paths::ResolveIn(paths::GetDataFolder(), "slib") : paths::Resolve(configured);
  std::error_code ec;
  if (std::filesystem::is_directory(folder, ec)) return folder;
  // A data folder made before the library was shipped, or a folder that has
  // gone: the library shipped with the program stands in.
  const std::string shipped = paths::ResolveIn(paths::ShippedDataFolder(), "slib");
  Notice("系统库目录 " + folder + " 不存在，改用程序自带的系统库 " + shipped + "。");
  return shipped;
}

void ReloadFromEnvironment() { SetLibraryFolder(DefaultLibraryFolder()); }

const SystemLibrary& CurrentLibrary() {
  auto& state = CurrentState();
  std::lock_guard lock(state.mutex);
  if (!state.library) state.library = std::make_shared<SystemLibrary>(SystemLibrary::Load(DefaultLibraryFolder()));
  return *state.library;
}

void SetLibraryFolder(const std::string& folder, bool force) {
  auto& state = CurrentState();
  {
    std::lock_guard lock(state.mutex);
    if (!force && state.library && state.library->Folder() == folder) return;
  }
  auto loaded = std::make_shared<SystemLibrary>(SystemLibrary::Load(folder));
  std::lock_guard lock(state.mutex);
  if (state.library) state.retired.push_back(state.library);
  state.library = std::move(loaded);
}

}  // namespace zv::display
