#include "views/stand_in_views.h"

#include "framework/commands/menu_rows.h"
#include "platform/editor/editor_commands.h"
#include "platform/editor/workspace.h"
#include "views/zavediz_doc.h"

namespace zv {
namespace {

// The area kind of a map file by its extension: 0 line, 1 point, 2 region.
int AreaKindOf(const QString& path) {
  const QString e = path.right(3).toUpper();
  if (e == QLatin1String(".WL")) return 0;
  if (e == QLatin1String(".WT")) return 1;
  if (e == QLatin1String(".WP")) return 2;
  return -1;
}

bool HasEditorMember(int id) { return editor::FindEditorCommand(id) != nullptr; }

void RunEditorMember(cmd::CommandTarget& target, int id) {
  if (CGisEditView* view = EditViewOf(target)) {
    view->setFocus();
    editor::RunEditorCommand(*view, id);
  }
}

bool EditorMemberEnabled(cmd::CommandTarget& target, int id) {
  CGisEditView* view = EditViewOf(target);
  return view && editor::IsEditorCommandEnabled(*view, id);
}

constexpr cmd::MemberProvider kEditorMembers{HasEditorMember, RunEditorMember, EditorMemberEnabled};

// The editor's items, the same in both document menus.
struct EditorItem {
  const char* path;
  int id;
};
constexpr EditorItem kEditorItems[] = {
    {"&N点编辑/输入点", 412},         {"&N点编辑/输入子图", 32923},       {"&N点编辑/输入注释", 32958},
    {"&N点编辑/输入圆", 32933},       {"&N点编辑/输入弧", 32935},         {"&N点编辑/", 0},
    {"&N点编辑/删除点", 413},         {"&N点编辑/移动点", 414},           {"&N点编辑/复制点", 415},
    {"&N点编辑/", 0},                 {"&N点编辑/修改点参数", 421},       {"&N点编辑/修改文本", 422},
    {"&N点编辑/修改点角度", 423},     {"&N点编辑/缺省点参数", 426},       {"&N点编辑/修改点属性", 429},
    {"&N点编辑/编辑点属性结构", 40009},
    {"&L线编辑/输入线", 336},         {"&L线编辑/删除线", 346},           {"&L线编辑/移动线", 333},
    {"&L线编辑/复制线", 343},         {"&L线编辑/", 0},                   {"&L线编辑/移动线上点", 337},
    {"&L线编辑/线上加点", 341},       {"&L线编辑/线上删点", 342},         {"&L线编辑/线反向", 345},
    {"&L线编辑/", 0},                 {"&L线编辑/剪断线(保留剪断点)", 334}, {"&L线编辑/剪断线(不留剪断点)", 335},
    {"&L线编辑/联接线", 338},         {"&L线编辑/剪断相交线", 33062},     {"&L线编辑/剪断相交线(含被剪线)", 33063},
    {"&L线编辑/", 0},                 {"&L线编辑/修改线参数", 347},       {"&L线编辑/缺省线参数", 359},
    {"&L线编辑/修改线属性", 353},     {"&L线编辑/编辑线属性结构", 361},
    {"&R区编辑/输入区", 377},         {"&R区编辑/删除区", 390},           {"&R区编辑/复制区", 407},
    {"&R区编辑/联接弧段", 33389},     {"&R区编辑/", 0},                   {"&R区编辑/修改区参数", 379},
    {"&R区编辑/缺省区参数", 399},     {"&R区编辑/修改区属性", 392},       {"&R区编辑/编辑区属性结构", 40011},
    {"&T其它/撤消", 204},             {"&T其它/", 0},                     {"&T其它/选择图元", 40039},
    {"&T其它/选择点", 40037},         {"&T其它/选择线", 40036},           {"&T其它/选择区", 40038},
    {"&T其它/移动图形", 442},         {"&T其它/", 0},                     {"&T其它/改当前层", 477},
    {"&T其它/改点层", 467},           {"&T其它/改线层", 465},             {"&T其它/改区层", 466},
    {"&T其它/打开所有层", 474},       {"&T其它/关闭所有层", 475},         {"&T其它/", 0},
    {"&T其它/地图信息", 443},         {"&T其它/查看图元参数", 33146},     {"&T其它/查看图元属性", 33147},
    {"&T其它/编辑地图参数", 319},     {"&T其它/系统参数设置", 447},
    {"&W显示/复位窗口", 32771},       {"&W显示/放大窗口", 57337},         {"&W显示/缩小窗口", 57338},
    {"&W显示/更新窗口", 57342},       {"&W显示/清除窗口", 205},
};

}  // namespace

CGisEditView* EditViewOf(cmd::CommandTarget& target) {
  auto* view = dynamic_cast<docview::CView*>(&target);
  return view ? dynamic_cast<CGisEditView*>(view->Widget()) : nullptr;
}

void StandInSectionView::OnInitialUpdate() {
  const QString path = GetDocument() ? GetDocument()->GetPathName() : QString();
  const int kind = AreaKindOf(path);
  if (kind >= 0) editor::LoadAreaFrom(*this, kind, path.toStdString());
  OnRestoreWindow();
}

void StandInProjectView::OnInitialUpdate() {
  auto* doc = dynamic_cast<CZavedizDoc*>(GetDocument());
  SetProject(doc ? doc->GetProject() : nullptr);
  OnRestoreWindow();
  SelectGraphics();
}

void RegisterStandInViews() {
  cmd::CommandRegistry& registry = cmd::Registry();
  registry.DeclareClass("CSecGisEditView", "", kEditorMembers);
  registry.DeclareClass("CSecToolView", "CSecGisEditView");
  registry.DeclareClass("CSecPrjEditView", "", kEditorMembers);
  registry.DeclareClass("CSecPrjToolView", "CSecPrjEditView");
  std::vector<cmd::CommandRow> members;
  for (const editor::EditorCommand& c : editor::EditorCommands()) members.push_back(cmd::Member(c.id, c.member));
  registry.AddRows("CSecGisEditView", members);
  registry.AddRows("CSecPrjEditView", members);

  std::vector<cmd::MenuRow> rows;
  for (int menu : {cmd::kMenuPlan, cmd::kMenuSection})
    for (const EditorItem& item : kEditorItems) rows.push_back({menu, item.path, item.id, nullptr});
  cmd::Menus().AddRows(rows);

  docview::RegisterViewClass("CSecToolView", [](QWidget* parent) { return new StandInSectionView(parent); });
  docview::RegisterViewClass("CSecPrjToolView", [](QWidget* parent) { return new StandInProjectView(parent); });
}

}  // namespace zv
