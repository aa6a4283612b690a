// The section editing view's own handlers: the workspace menu (each item
// followed by the title refresh), deleting the selected lines, the select
// modes (ending the running interaction first).
#include "platform/editor/editor_commands.h"
#include "platform/editor/workspace.h"
#include "views/project_save_commands.h"
#include "views/sec_gis_edit_view.h"
#include "views/view_commands.h"

namespace zv {
namespace {

CSecGisEditView* SectionViewOf(cmd::CommandTarget& target) {
  return dynamic_cast<CSecGisEditView*>(EditViewOf(target));
}

// The workspace items 300–317: six roles, each for the point, line and
// region area in that order (300 load point … 317 clear region).
using AreaMember = void (*)(CGisEditView& view, int type);
constexpr AreaMember kWorkspaceRoles[] = {
    [](CGisEditView& v, int type) { editor::LoadArea(v, type); },
    [](CGisEditView& v, int type) { editor::AppendArea(v, type); },
    [](CGisEditView& v, int type) { editor::SaveArea(v, type); },
    [](CGisEditView& v, int type) { editor::SaveAsArea(v, type); },
    [](CGisEditView& v, int type) { editor::SavePartArea(v, type); },
    [](CGisEditView& v, int type) { editor::ClearArea(v, type); },
};
constexpr int kFirstWorkspaceId = 300;
constexpr int kWorkspaceTypes[3] = {kPointArea, kLineArea, kRegionArea};

template <int id>
void Workspace(cmd::CommandTarget& target) {
  CSecGisEditView* view = SectionViewOf(target);
  if (view == nullptr) return;
  kWorkspaceRoles[(id - kFirstWorkspaceId) / 3](*view, kWorkspaceTypes[(id - kFirstWorkspaceId) % 3]);
  view->UpdateTitleFromAreas();
}

template <int... ids>
std::vector<cmd::CommandRow> WorkspaceRows(std::integer_sequence<int, ids...>) {
  return {cmd::Handler(kFirstWorkspaceId + ids, Workspace<kFirstWorkspaceId + ids>, "Workspace")...};
}

void ClearAllWorkspaces(cmd::CommandTarget& target) {
  CSecGisEditView* view = SectionViewOf(target);
  if (view == nullptr) return;
  editor::ClearAllAreas(*view);
  view->UpdateTitleFromAreas();
}

// 206: the live lines of the pool, in pool order, as one undo step; an
// entry whose area is closed stops it and keeps the pool.
void DeleteSelectedLines(cmd::CommandTarget& target) {
  CGisEditView* view = EditViewOf(target);
  if (view == nullptr) return;
  bool stopped = false;
  view->RunCommand([view, &stopped] {
    const std::vector<ENTITY_MSG> entries(view->Pool(), view->Pool() + view->PoolCount());
    for (const ENTITY_MSG& e : entries) {
      if (BasIsWorkAreaValid(e.area) == 0) {
        stopped = true;
        return;
      }
      if (e.type != kLineEntity || BasIsEntityLive(e.area, kLineEntity, e.id) == 0) continue;
      view->GetUndo().PushList(e.area, kLineEntity, &e.id, 1, GisUndo::kDeleted);
      BasDeleteLine(e.area, e.id);
    }
  });
  if (!stopped) view->ClearPool();
}

template <int id>
void SelectAfterCancel(cmd::CommandTarget& target) {
  CGisEditView* view = EditViewOf(target);
  if (view == nullptr) return;
  view->CancelInterActive();
  editor::RunEditorCommand(*view, id);
}

}  // namespace

std::vector<cmd::CommandRow> SectionViewRows() {
  std::vector<cmd::CommandRow> rows = WorkspaceRows(std::make_integer_sequence<int, 18>());
  const cmd::CommandRow own[] = {
      cmd::Handler(318, ClearAllWorkspaces, "ClearAllWorkspaces"),  // &G工作区/&A清全部工作区
      cmd::Handler(206, DeleteSelectedLines, "DeleteSelectedLines"),
      cmd::Handler(40036, SelectAfterCancel<40036>, "SelectLine"),      // 选择线
      cmd::Handler(40037, SelectAfterCancel<40037>, "SelectPoint"),     // 选择点
      cmd::Handler(40038, SelectAfterCancel<40038>, "SelectRegion"),    // 选择区
      cmd::Handler(40039, SelectAfterCancel<40039>, "SelectGraphics"),  // &选择
      cmd::BoundLater(32799, "SaveZavediz"),               // &F文件/保存剖面
      cmd::BoundLater(33193, "ReadPlanDataForZavediz"),    // 读取平面数据
      cmd::Empty(32905), cmd::Empty(32802), cmd::Empty(32909), cmd::Empty(32911), cmd::Empty(32995),
  };
  rows.insert(rows.end(), std::begin(own), std::end(own));
  for (const std::vector<cmd::CommandRow>& more : {SectionSaveRows(), SharedViewRows()})
    rows.insert(rows.end(), more.begin(), more.end());
  return rows;
}

}  // namespace zv
