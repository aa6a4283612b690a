#include "tools/clip/core/clip_engine.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <filesystem>
#include <set>
#include <system_error>

#include "platform/files/work_area_file.h"
#include "platform/project/map_project.h"
#include "platform/topology/topology.h"
#include "tools/clip/core/clip_frame.h"

namespace zv::tools {
namespace {

namespace fs = std::filesystem;

constexpr double kClipTolerance = 0.01;
constexpr const char* kFrameNames[] = {"图框.wl", "图框.wt", "图框.wp"};

std::string Lower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
  return text;
}

std::string Join(const std::string& folder, const std::string& name) { return (fs::path(folder) / name).string(); }

// Whether two folders are the same folder on disk.
bool SameFolder(const fs::path& a, const fs::path& b) {
  std::error_code ec;
  if (fs::equivalent(a, b, ec)) return true;
  return fs::weakly_canonical(a, ec) == fs::weakly_canonical(b, ec);
}

// The name, or its stem with "_2", "_3", … before the extension, that no
// earlier name took (without regard to case).
std::string FreeName(const std::string& name, std::set<std::string>* taken) {
  std::string candidate = name;
  const fs::path path(name);
  for (int n = 2; taken->count(Lower(candidate)) != 0; ++n)
    candidate = path.stem().string() + "_" + std::to_string(n) + path.extension().string();
  taken->insert(Lower(candidate));
  return candidate;
}

std::string SaveFailure(const std::string& path) { return "保存失败: " + path + "\n" + BasLastSaveError(); }

// One source clipped into a fresh area of its kind with its structures and
// map parameters, scaled, and saved.
std::string ClipOne(const ClipJob& job, WorkAreaHandle outline, const ClipSource& source, const std::string& target) {
  const int type = BasGetWorkAreaType(source.area);
  const WorkAreaSetHandle set = BasCreateWorkAreaSet();
  const WorkAreaHandle result = BasCreateWorkArea(set, type);
  for (const int entityType : {kPointEntity, kLineEntity, kRegionEntity}) {
    CATT_STRU structure;
    if (BasReadAttributeStructure(source.area, entityType, &structure) == 1)
      BasSetAttributeStructure(result, entityType, structure);
  }
  MapParams params;
  if (BasGetMapParams(source.area, &params) == 1) {
    if (job.factor != 1.0) params.setScale(static_cast<double>(job.newScale));
    BasSetMapParams(result, params);
  }
  using Clip = int32_t (*)(WorkAreaHandle, WorkAreaHandle, WorkAreaHandle, double, int);
  const Clip clip = type == kPointArea ? TopoClipPoints : type == kLineArea ? TopoClipLines : TopoClipRegions;
  std::string error;
  if (clip(outline, source.area, result, kClipTolerance, job.mode) < 0) {
    error = "裁剪失败: " + source.path;
  } else {
    if (job.factor != 1.0) BasTransformWorkArea(result, kTransformScale, job.factor, job.factor);
    if (BasSaveWorkArea(result, target, kSavePathComplete) != 1) error = SaveFailure(target);
  }
  BasFreeWorkAreaSet(set);
  return error;
}

// Adds the written files to the project, sets their state and saves it.
std::string WriteProject(const ClipJob& job, const ClipPlan& plan) {
  MapProject* project = PrjCreate(0);
  PrjSetPath(project, plan.projectPath);
  if (job.mapParams) {
    MapParams params = *job.mapParams;
    if (job.factor != 1.0) params.setScale(static_cast<double>(job.newScale));
    PrjSetMapParams(project, params);
  }
  std::string error;
  files::FileReport report;
  auto add = [&](const std::string& path) {
    if (error.empty() && PrjAddItem(project, path, 0, -1, &report) < 0)
      error = "无法加入工程: " + path + (report.error.empty() ? "" : "\n" + report.error);
  };
  for (const std::string& path : plan.targets) add(path);
  for (int i = 0; i < PrjGetItemCount(project); ++i) PrjSetItemState(project, i, job.itemState);
  for (const std::string& path : plan.frames) add(path);
  std::string saveError;
  if (error.empty() && PrjSave(project, &saveError) != 1)
    error = "保存失败: " + plan.projectPath + (saveError.empty() ? "" : "\n" + saveError);
  PrjClose(project);
  return error;
}

// A clip that stops part way leaves the folder as it found it: the files it
// created are removed, so no copies lie there without their project. Files
// that were there before (the user agreed to replace them) stay.
void RemoveNewFiles(const ClipPlan& plan) {
  std::error_code ec;
  const auto remove = [&](const std::string& path) {
    if (std::find(plan.existing.begin(), plan.existing.end(), path) == plan.existing.end() && fs::is_regular_file(path, ec))
      fs::remove(path, ec);
  };
  for (const std::vector<std::string>* list : {&plan.targets, &plan.frames})
    for (const std::string& path : *list) remove(path);
  remove(plan.projectPath);
}

}  // namespace

bool OutlineEnclosesArea(const std::vector<std::vector<D_DOT>>& outline) {
  // Not the signed area: the two lobes of a drawn figure-eight cancel in it.
  // A ring encloses area when its vertices do not all lie on one line.
  for (const std::vector<D_DOT>& ring : outline) {
    if (ring.empty()) continue;
    const D_DOT& o = ring.front();
    const auto apart = std::find_if(ring.begin(), ring.end(), [&](const D_DOT& p) { return p.x != o.x || p.y != o.y; });
    if (apart == ring.end()) continue;
    const double dx = apart->x - o.x, dy = apart->y - o.y;
    for (const D_DOT& q : ring) {
      const double cross = dx * (q.y - o.y) - dy * (q.x - o.x);
      if (cross != 0 && std::isfinite(cross)) return true;
    }
  }
  return false;
}

std::string ClippedProjectName(const std::string& projectFileName) {
  const std::size_t cut = projectFileName.size() >= 4 ? projectFileName.size() - 4 : 0;
  return projectFileName.substr(0, cut) + "(CJ)" + projectFileName.substr(cut);
}

ClipPlan PlanClip(const ClipJob& job) {
  ClipPlan plan;
  for (const ClipSource& source : job.sources) {
    const fs::path path(source.path);
    if (path.has_parent_path() && SameFolder(path.parent_path(), job.folder)) {
      plan.error = "输出文件夹中有被裁剪的文件，请另选文件夹: " + source.path;
      return plan;
    }
  }
  std::set<std::string> taken;
  if (job.frame) {
    for (const char* name : kFrameNames) {
      taken.insert(Lower(name));
      plan.frames.push_back(Join(job.folder, name));
    }
  }
  for (const ClipSource& source : job.sources)
    plan.targets.push_back(Join(job.folder, FreeName(fs::path(source.path).filename().string(), &taken)));
  plan.projectPath = Join(job.folder, job.projectName);
  std::error_code ec;
  for (const std::vector<std::string>* list : {&plan.targets, &plan.frames})
    for (const std::string& path : *list)
      if (fs::exists(path, ec)) plan.existing.push_back(path);
  if (fs::exists(plan.projectPath, ec)) plan.existing.push_back(plan.projectPath);
  return plan;
}

ClipOutcome RunClip(const ClipJob& job, const ClipPlan& plan) {
  ClipOutcome outcome;
  if (!plan.error.empty()) {
    outcome.error = plan.error;
    return outcome;
  }
  const WorkAreaSetHandle set = BasCreateWorkAreaSet();
  const WorkAreaHandle outline = BasCreateLineWorkArea(set);
  for (const std::vector<D_DOT>& ring : job.outline) BasAppendLine(outline, ring, job.outlineLine);
  for (std::size_t i = 0; i < job.sources.size() && outcome.error.empty(); ++i) {
    if (job.progress) job.progress(fs::path(plan.targets[i]).filename().string());
    outcome.error = ClipOne(job, outline, job.sources[i], plan.targets[i]);
  }
  BasFreeWorkAreaSet(set);
  if (outcome.error.empty() && job.frame) {
    const ClipFrameRequest& f = *job.frame;
    outcome.error = WriteClipFrame(job.outline, f.oldScale, f.newScale, f.line, f.text,
                                   {plan.frames[0], plan.frames[1], plan.frames[2]});
  }
  if (outcome.error.empty()) outcome.error = WriteProject(job, plan);
  if (outcome.error.empty())
    outcome.projectPath = plan.projectPath;
  else
    RemoveNewFiles(plan);
  return outcome;
}

}  // namespace zv::tools
