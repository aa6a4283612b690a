// The two editing views' tables put together and registered, then the tool
// views over them, the view classes the templates show.
#include <algorithm>

#include "framework/docview/view.h"
#include "platform/editor/editor_commands.h"
#include "views/edit_view_ids.h"
#include "views/sec_gis_edit_view.h"
#include "views/sec_prj_edit_view.h"
#include "views/tool_view_commands.h"
#include "views/view_commands.h"

namespace zv {
namespace {

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

void NoDigitiser(cmd::CommandTarget&) {}
cmd::CommandUpdate Disabled(cmd::CommandTarget&) { return {false, false, {}}; }

// The row of one platform binding: the editor's member when it is built,
// else bound later under the member's name; the digitiser's items stay
// disabled, as Linux offers no digitiser.
cmd::CommandRow PlatformRow(const views::PlatformBinding& b) {
  if (b.id >= views::kFirstDigitiserId && b.id <= views::kLastDigitiserId)
    return cmd::Handler(b.id, NoDigitiser, b.member, Disabled);
  return HasEditorMember(b.id) ? cmd::Member(b.id, b.member) : cmd::BoundLater(b.id, b.member);
}

void AddPlatformRows(std::vector<cmd::CommandRow>& rows, std::span<const views::PlatformBinding> bindings,
                     std::span<const int> omitted = {}) {
  const std::size_t own = rows.size();
  for (const views::PlatformBinding& b : bindings) {
    if (std::find(omitted.begin(), omitted.end(), b.id) != omitted.end()) continue;
    const auto taken = [&b](const cmd::CommandRow& r) { return r.id == b.id; };
    if (std::any_of(rows.begin(), rows.begin() + static_cast<std::ptrdiff_t>(own), taken)) continue;
    rows.push_back(PlatformRow(b));
  }
}

}  // namespace

const cmd::MemberProvider& EditorMembers() { return kEditorMembers; }

std::vector<cmd::CommandRow> SectionViewTable() {
  std::vector<cmd::CommandRow> rows = SectionViewRows();
  AddPlatformRows(rows, views::SectionPlatformBindings());
  return rows;
}

std::vector<cmd::CommandRow> PlanViewTable() {
  std::vector<cmd::CommandRow> rows = PlanViewRows();
  AddPlatformRows(rows, views::SectionPlatformBindings(), views::PlanOmittedBindings());
  AddPlatformRows(rows, views::PlanAddedBindings());
  return rows;
}

void RegisterEditViews() {
  static bool registered = false;
  if (registered) return;
  registered = true;
  cmd::CommandRegistry& registry = cmd::Registry();
  registry.DeclareClass("CSecGisEditView", "", kEditorMembers);
  registry.DeclareClass("CSecPrjEditView", "", kEditorMembers);
  registry.DeclareClass("CSecToolView", "CSecGisEditView");
  registry.DeclareClass("CSecPrjToolView", "CSecPrjEditView");
  registry.AddRows("CSecGisEditView", SectionViewTable());
  registry.AddRows("CSecPrjEditView", PlanViewTable());
  cmd::Menus().AddRows(EditViewMenuRows());
  RegisterToolViews();
}

}  // namespace zv
