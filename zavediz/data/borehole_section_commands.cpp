#include "zavediz/data/borehole_section_commands.h"

#include "app/app_settings.h"
#include "common/globals/program_globals.h"
#include "framework/commands/command_table.h"
#include "framework/commands/menu_rows.h"
#include "framework/prompts/prompts.h"
#include "platform/view/appended_entities.h"
#include "views/view_commands.h"
#include "zavediz/chart_tool/borehole_select_dlg.h"
#include "zavediz/data/borehole_section.h"
#include "zavediz/draw/section_request_handler.h"

namespace zv::zavediz {
namespace {

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
      const AppendedEntities appended(into.areas.point, into.areas.line, into.areas.region);
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
