#include "zavediz/data/borehole_section_commands.h"

#include <array>

#include "app/app_settings.h"
#include "common/globals/program_globals.h"
#include "framework/commands/command_table.h"
#include "framework/commands/menu_rows.h"
#include "framework/prompts/prompts.h"
#include "views/view_commands.h"
#include "zavediz/chart_tool/borehole_select_dlg.h"
#include "zavediz/data/borehole_section.h"
#include "zavediz/draw/section_request_handler.h"

namespace zv::zavediz {
namespace {

// The id bounds of what a run may append to, so that the undo takes back
// exactly what it added: the points, the trace and box lines, and the box
// arcs and regions of the region area.
class AppendedEntities {
 public:
  explicit AppendedEntities(const ZavedizAreas& areas)
      : parts_{{{areas.point, kPointEntity}, {areas.line, kLineEntity}, {areas.region, kLineEntity},
                {areas.region, kRegionEntity}}} {
    for (Part& part : parts_) part.before = Bound(part);
  }

  void Push(GisUndo& undo) const {
    for (const Part& part : parts_) {
      std::vector<int32_t> ids;
      for (int32_t id = part.before, end = Bound(part); id < end; ++id) ids.push_back(id);
      if (!ids.empty()) undo.PushList(part.area, part.kind, ids, GisUndo::kAppended);
    }
  }

 private:
  struct Part {
    WorkAreaHandle area;
    int kind;
    int32_t before = 1;
  };
  static int32_t Bound(const Part& part) {
    int32_t live = 0, bound = 1;
    BasGetEntityCount(part.area, part.kind, &live, &bound);
    return bound;
  }
  std::array<Part, 4> parts_;
};

void ReadBoreholeData(cmd::CommandTarget& target) {
  auto* view = dynamic_cast<CSecGisEditView*>(EditViewOf(target));
  if (view == nullptr) return;
  const std::string source = DataSourceName().toStdString();
  chart::CBoreholeSelectDlg chooser(view, source);
  if (prompt::Current().Exec(chooser) == QDialog::Accepted) {
    const SectionRequestHandler& section = SectionRequestHandler::Of(*view);
    CZavedizDoc* document = section.Document();
    BoreholeTarget into;
    into.data = document ? &document->Section() : nullptr;
    into.drawn = section.Drawn();
    into.areas = ZavedizAreas{view->GetCurrentLinArea(), view->GetCurrentPntArea(), view->GetCurrentRegArea()};
    into.stripWidth = Settings().ichnography;
    std::vector<std::string> holes;
    for (const QString& hole : chooser.selectedHoles()) holes.push_back(hole.toStdString());
    view->RunCommand([&] {
      const AppendedEntities appended(into.areas);
      DrawBoreholes(source, chart::MineCodeOf(chooser.mineArea().toStdString()), holes, into,
                    [](const std::string& text) { prompt::Message(QString::fromStdString(text)); });
      appended.Push(view->GetUndo());
    });
  }
  view->OnRestoreWindow();
  view->_UpdateWindow();
}

constexpr cmd::CommandRow kRows[] = {cmd::Handler(32989, ReadBoreholeData, "ReadBoreholeData")};
constexpr cmd::MenuRow kMenu[] = {{cmd::kMenuSection, "&C地质绘图/剖面图补充/读取钻孔数据", 32989}};

}  // namespace

void RegisterBoreholeSectionCommands() {
  static bool registered = false;
  if (registered) return;
  registered = true;
  cmd::Registry().AddRows("CSecToolView", kRows);
  cmd::Menus().AddRows(kMenu);
}

}  // namespace zv::zavediz
