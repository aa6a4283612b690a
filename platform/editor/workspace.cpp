#include "platform/editor/workspace.h"

#include <QString>

#include "framework/prompts/prompts.h"
#include "platform/files/work_area_file.h"

namespace zv::editor {

namespace {

struct Kind {
  const char* filter;
  const char* name;
  int entityType;
};

const Kind* KindOf(int type) {
  static const Kind kKinds[] = {
      {"线文件(*.wl)|*.wl|所有文件(*.*)|*.*||", "线", kLineEntity},
      {"点文件(*.wt)|*.wt|所有文件(*.*)|*.*||", "点", kPointEntity},
      {"区文件(*.wp)|*.wp|所有文件(*.*)|*.*||", "区", kRegionEntity},
  };
  return type >= kLineArea && type <= kRegionArea ? &kKinds[type] : nullptr;
}

std::string Ask(int type, bool save, const std::string& current = {}) {
  const Kind* kind = KindOf(type);
  if (!kind) return {};
  prompt::FileRequest request;
  request.title = QString::fromUtf8(save ? "保存" : "打开") + QString::fromUtf8(kind->name) + QStringLiteral("文件");
  request.filter = QString::fromUtf8(kind->filter);
  request.defaultExtension = QString::fromUtf8(WorkAreaExtension(type)).mid(1);
  request.fileName = QString::fromStdString(current);
  request.save = save;
  request.overwritePrompt = save;
  return prompt::ChooseFile(request).toStdString();
}

void Fail(const std::string& what, const std::string& why) {
  prompt::Message(QString::fromStdString(what + (why.empty() ? "" : "\n" + why)), prompt::kOk | prompt::kIconStop);
}

// Copies the area's live entities of its own kind (with the arcs regions
// name) into a fresh area of a temporary set and saves that.
bool SaveEntities(int type, WorkAreaHandle from, const std::vector<int32_t>& ids, const std::string& path) {
  const WorkAreaSetHandle set = BasCreateWorkAreaSet(0);
  const WorkAreaHandle part = BasCreateWorkArea(set, type);
  for (int32_t id : ids) BasCopyEntity(from, KindOf(type)->entityType, id, part);
  const bool ok = BasSaveWorkArea(part, path, kSavePathComplete) != 0;
  if (!ok) Fail("保存失败: " + path, BasLastSaveError());
  BasFreeWorkAreaSet(set);
  return ok;
}

}  // namespace

bool LoadAreaFrom(CGisEditView& view, int type, const std::string& path) {
  const WorkAreaHandle area = view.GetEditArea(type);
  if (!area || path.empty()) return false;
  files::FileReport report;
  if (!BasLoadFileIntoWorkArea(area, path, &report)) {
    Fail("不能读入文件: " + path, report.error);
    return false;
  }
  view.ClearPool();
  view.GetUndo().Clear();
  view.OnRestoreWindow();
  return true;
}

bool LoadArea(CGisEditView& view, int type) { return LoadAreaFrom(view, type, Ask(type, false)); }

bool AppendAreaFrom(CGisEditView& view, int type, const std::string& path) {
  const WorkAreaHandle area = view.GetEditArea(type);
  if (!area || path.empty()) return false;
  const WorkAreaSetHandle set = BasCreateWorkAreaSet(0);
  files::FileReport report;
  const WorkAreaHandle loaded = BasLoadWorkArea(set, path, &report);
  bool ok = loaded && BasGetWorkAreaType(loaded) == type;
  if (!ok) {
    Fail("不能追加文件: " + path, report.error);
  } else {
    const int entityType = KindOf(type)->entityType;
    int32_t live = 0, after = 0;
    int32_t arcsBefore = 0;
    BasGetEntityCount(area, kLineEntity, &live, &arcsBefore);
    int32_t entitiesBefore = 0;
    BasGetEntityCount(area, entityType, &live, &entitiesBefore);
    const int32_t copied = type == kPointArea ? BasCopyPoints(loaded, area)
                           : type == kLineArea ? BasCopyLines(loaded, area)
                                               : BasCopyRegions(loaded, area);
    ok = copied >= 0;
    view.RunCommand([&] {
      // Everything given an id by the copy: the entities, and for regions their arcs.
      std::vector<int32_t> ids;
      BasGetEntityCount(area, entityType, &live, &after);
      for (int32_t id = entitiesBefore; id < after; ++id) ids.push_back(id);
      if (!ids.empty()) view.GetUndo().PushList(area, entityType, ids, GisUndo::kAppended);
      if (type == kRegionArea) {
        std::vector<int32_t> arcs;
        BasGetEntityCount(area, kLineEntity, &live, &after);
        for (int32_t id = arcsBefore; id < after; ++id) arcs.push_back(id);
        if (!arcs.empty()) view.GetUndo().PushList(area, kLineEntity, arcs, GisUndo::kAppended);
      }
    });
    view._UpdateWindow();
  }
  BasFreeWorkAreaSet(set);
  return ok;
}

bool AppendArea(CGisEditView& view, int type) { return AppendAreaFrom(view, type, Ask(type, false)); }

bool SaveAreaTo(CGisEditView& view, int type, const std::string& path) {
  const WorkAreaHandle area = view.GetEditArea(type);
  if (!area || path.empty()) return false;
  if (!BasSaveWorkArea(area, path, kSavePathComplete)) {
    Fail("保存失败: " + path, BasLastSaveError());
    return false;
  }
  return true;
}

bool SaveArea(CGisEditView& view, int type) {
  const std::string name = BasGetWorkAreaFileName(view.GetEditArea(type));
  return name.empty() ? SaveAsArea(view, type) : SaveAreaTo(view, type, name);
}

bool SaveAsArea(CGisEditView& view, int type) {
  return SaveAreaTo(view, type, Ask(type, true, BasGetWorkAreaFileName(view.GetEditArea(type))));
}

bool SavePartAreaTo(CGisEditView& view, int type, const std::string& path) {
  const WorkAreaHandle area = view.GetEditArea(type);
  const Kind* kind = KindOf(type);
  if (!area || !kind || path.empty()) return false;
  std::vector<int32_t> ids;
  for (int i = 0; i < view.PoolCount(); ++i)
    if (view.Pool()[i].area == area && view.Pool()[i].type == kind->entityType) ids.push_back(view.Pool()[i].id);
  if (ids.empty()) {
    prompt::Message(QStringLiteral("没有选中的") + QString::fromUtf8(kind->name) + QStringLiteral("图元。"));
    return false;
  }
  return SaveEntities(type, area, ids, path);
}

bool SavePartArea(CGisEditView& view, int type) { return SavePartAreaTo(view, type, Ask(type, true)); }

void ClearArea(CGisEditView& view, int type) {
  if (type == kPointArea) view.ClearPoint();
  if (type == kLineArea) view.ClearLine();
  if (type == kRegionArea) view.ClearRegion();
  view._UpdateWindow();
}

void ClearAllAreas(CGisEditView& view) {
  view.ClearPool();
  view.ClearLine();
  view.ClearPoint();
  view.ClearRegion();
  view._UpdateWindow();
}

}  // namespace zv::editor
