#include "views/core/project_saving.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>

#include "platform/files/project_file.h"
#include "platform/files/work_area_file.h"

namespace zv::views {
namespace {

constexpr int kBeforeWriteMode = 1;
constexpr uint8_t kItemEditableCurrent = 3;
constexpr double kMaxIntervalMinutes = 1440.0;
constexpr const char* kIntervalRefusal = "时间间隔应为1秒到1440分钟之间的分钟数。";

void Fail(SaveOutcome& out, const std::string& what) {
  out.ok = false;
  out.failures.push_back(what);
}

// "file: why", either part left out when empty (a project never saved has
// no file name to give).
std::string FileAndWhy(const std::string& path, const std::string& why) {
  if (path.empty() || why.empty()) return path + why;
  return path + ": " + why;
}

std::string SaveErrorOf(const std::string& path) { return FileAndWhy(path, BasLastSaveError()); }

}  // namespace

SaveOutcome SaveProjectFiles(MapProject* project) {
  SaveOutcome out;
  if (project == nullptr) return out;
  std::string error;
  if (PrjSave(project, &error) != 1) Fail(out, FileAndWhy(PrjGetFileName(project), error));
  for (const uint16_t area : PrjGetAreaList(project, -1)) {
    if (BasIsWorkAreaModified(area) == 0) continue;
    BasSetWorkAreaMode(area, kBeforeWriteMode);
    const std::string path = BasGetWorkAreaFileName(area);
    if (path.empty() || BasSaveWorkArea(area, path, kSavePathComplete) != 1) Fail(out, SaveErrorOf(path));
  }
  return out;
}

SaveOutcome WriteZavedizFiles(WorkAreaHandle line, WorkAreaHandle point, WorkAreaHandle region,
                              const std::string& folder, const std::string& name, const MemberOrder& members) {
  SaveOutcome out;
  const std::string base = folder + name;
  for (WorkAreaHandle area : {line, point, region})
    if (BasSaveWorkArea(area, base, 0) != 1) Fail(out, SaveErrorOf(base + WorkAreaExtension(BasGetWorkAreaType(area))));
  if (!out.ok) return out;
  MapProject* project = PrjCreate(0);
  PrjSetPath(project, base + ".mpj");
  for (const char* extension : members) {
    // A name the project file cannot hold would leave a project without it.
    files::FileReport report;
    if (PrjAddItem(project, base + extension, 0, -1, &report) < 0) Fail(out, base + ".mpj: " + report.error);
  }
  for (int i = 0; i < PrjGetItemCount(project); ++i) {
    files::ProjectItem item;
    if (!PrjGetItem(project, i, &item)) continue;
    item.SetState(kItemEditableCurrent);
    PrjSetItem(project, i, item);
  }
  std::string error;
  if (out.ok && PrjSave(project, &error) != 1) Fail(out, FileAndWhy(base + ".mpj", error));
  PrjClose(project);
  return out;
}

int AutoSaveIntervalMs(const std::string& minutes, std::string* error) {
  // Plain decimal minutes only: strtod would also take "0x10" as sixteen.
  if (minutes.find_first_not_of(" +-.0123456789eE") != std::string::npos) {
    if (error) *error = kIntervalRefusal;
    return 0;
  }
  const char* text = minutes.c_str();
  char* end = nullptr;
  errno = 0;
  const double value = std::strtod(text, &end);
  while (end != nullptr && *end == ' ') ++end;
  const bool number = end != text && end != nullptr && *end == '\0' && errno == 0 && std::isfinite(value);
  const double ms = value * 60000.0;
  if (!number || ms < 1000.0 || value > kMaxIntervalMinutes) {
    if (error) *error = kIntervalRefusal;
    return 0;
  }
  return static_cast<int>(ms);
}

void ResetDefaultParams() {
  PNT_INFO text;  // every byte 0: the text kind
  text.Set<float>(2, 3.0f);
  text.Set<float>(6, 3.0f);
  text.Set<float>(14, 0.0f);
  text.Set<int16_t>(18, 1);
  text.Set<int32_t>(44, 1);
  BasSetDefaultPointParam(text);

  PNT_INFO sub;
  BasGetDefaultPointParam(&sub, 1);
  sub.Set<int32_t>(2, 21);
  sub.Set<float>(6, 3.0f);
  sub.Set<float>(10, 3.0f);
  BasSetDefaultPointParam(sub);

  LIN_INFO line = *BasGetDefaultLineParam();
  line.Set<int16_t>(0, 1);
  line.Set<uint8_t>(2, 0);
  line.Set<uint8_t>(3, 0);
  line.Set<float>(8, 0.1f);
  line.Set<uint8_t>(12, 0);
  line.Set<int16_t>(25, 0);
  BasSetDefaultLineParam(line);

  REG_INFO region = *BasGetDefaultRegionParam();
  region.Set<int32_t>(0, 5);
  region.Set<int16_t>(4, 0);
  region.Set<float>(6, 5.0f);
  region.Set<float>(10, 5.0f);
  region.Set<int32_t>(14, 0);
  region.Set<uint8_t>(20, 0);
  region.Set<int16_t>(21, 0);
  BasSetDefaultRegionParam(region);
}

}  // namespace zv::views
