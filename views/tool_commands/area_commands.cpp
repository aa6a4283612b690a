// The tool views' commands over their current areas and files: attribute
// statistics, ID numbering, the defaults reset, inverting the selection,
// the attribute-structure copy, the borehole log workbook and the map
// picture on the clipboard.
#include <QFileInfo>

#include "common/globals/program_globals.h"
#include "framework/paths/app_folder.h"
#include "framework/prompts/prompts.h"
#include "framework/shell/shell_open.h"
#include "platform/clipboard/clipboard.h"
#include "platform/projectview/project_output.h"
#include "platform/statistics/statistics_window.h"
#include "views/core/project_saving.h"
#include "views/sec_prj_edit_view.h"
#include "views/tool_commands/tool_commands.h"
#include "views/tool_core/area_walks.h"
#include "views/tool_core/structure_copy.h"
#include "views/view_commands.h"

namespace zv::toolcmd {
namespace {

QString Utf8(const std::string& text) { return QString::fromStdString(text); }

toolview::CurrentAreas AreasOf(const CGisEditView& view) {
  return {view.GetCurrentLinArea(), view.GetCurrentPntArea(), view.GetCurrentRegArea()};
}

// 33560 .. 33562: the figures of the current area of one kind. Work-area
// and entity types share their numbers.
template <int type>
void ShowStatistics(cmd::CommandTarget& target) {
  static constexpr const char* kTitles[] = {"线属性统计", "点属性统计", "区属性统计"};
  CGisEditView* view = EditViewOf(target);
  if (view == nullptr) return;
  const WorkAreaHandle area = AreasOf(*view).OfType(type);
  stats::ShowStatisticsWindow(stats::ComputeStatistics(area, type), QString::fromUtf8(kTitles[type]), view);
}

// 33173: field 0 of every point, line and region numbered by its id.
void NumberIds(cmd::CommandTarget& target) {
  CGisEditView* view = EditViewOf(target);
  if (view == nullptr) return;
  const toolview::CurrentAreas areas = AreasOf(*view);
  // One undo step takes back the numbering of all three kinds.
  GisUndo& undo = view->GetUndo();
  undo.BeginStep();
  for (const int type : {kPointEntity, kLineEntity, kRegionEntity}) {
    const WorkAreaHandle area = areas.OfType(type);
    undo.PushList(area, type, BasGetDisplayOrder(area, type), GisUndo::kChanged);
    toolview::NumberEntityIds(area, type);
  }
  undo.EndStep();
  prompt::Message(QStringLiteral("实体号赋给ID号成功！"));
}

void ResetDefaults(cmd::CommandTarget&) { views::ResetDefaultParams(); }

// 33531: the switch flips first, whatever the pool holds.
void InvertSelectionCommand(cmd::CommandTarget& target) {
  InvertSelection() = InvertSelection() != 0 ? 0 : 1;
  CGisEditView* view = EditViewOf(target);
  if (view == nullptr || view->PoolCount() == 0) return;
  const std::vector<ENTITY_MSG> inverted =
      toolview::InvertedPool({view->Pool(), static_cast<std::size_t>(view->PoolCount())}, AreasOf(*view));
  view->ClearPool();
  if (!inverted.empty()) view->AddToPool(inverted.data(), static_cast<int>(inverted.size()));
  view->FlashSelectGraphics();
}

cmd::CommandUpdate InvertChecked(cmd::CommandTarget&) { return {true, InvertSelection() != 0, {}}; }

prompt::FileRequest PlatformFileRequest(const char* title, bool multiple) {
  prompt::FileRequest request;
  request.title = QString::fromUtf8(title);
  request.defaultExtension = QStringLiteral("*.wt;*.wl;*.wp");
  request.filter = QStringLiteral("All MapGis Files (*.w*)|*.wt;*.wl;*.wp|");
  request.multiple = multiple;
  return request;
}

// 33594: one source, then any number of targets; a target that fails is
// told by name and the others go on.
void CopyAttributeStructure(cmd::CommandTarget&) {
  const QString source = prompt::ChooseFile(PlatformFileRequest("选择源文件", false));
  if (source.isEmpty()) return;
  std::string error;
  const std::optional<std::vector<CFIELD_HEAD>> copied = toolview::ReadCopiedFields(source.toStdString(), &error);
  if (!copied) {
    prompt::Message(Utf8(error), prompt::kIconWarning);
    return;
  }
  prompt::Message(QStringLiteral("拷贝属性结构成功，请选择粘贴属性结构的文件。"));
  const QStringList targets = prompt::Current().ChooseFiles(PlatformFileRequest("选择目的文件", true));
  QStringList failures;
  for (const QString& path : targets)
    if (const std::string problem = toolview::PasteStructureIntoFile(path.toStdString(), *copied); !problem.empty())
      failures << Utf8(problem);
  if (!failures.isEmpty()) prompt::Message(failures.join(QLatin1Char('\n')), prompt::kIconWarning);
}

// 33601: the borehole log workbook of the program's data folder.
void OpenBoreholeLog(cmd::CommandTarget&) {
  const QString path = Utf8(paths::DataFile("ZKInfoEdit.xls"));
  if (!QFileInfo(path).isFile()) {
    prompt::Message(QStringLiteral("找不到ZKInfoEdit.xls表格"));
    return;
  }
  shell::Open(path);
}

// 33558: the whole project as a picture of the view's size, with its files.
void CopyMapPicture(cmd::CommandTarget& target) {
  auto* view = dynamic_cast<CSecPrjEditView*>(EditViewOf(target));
  MapProject* project = view ? view->GetProject() : nullptr;
  if (project == nullptr) return;
  QStringList files;
  if (const std::string own = PrjGetFileName(project); !own.empty()) files << Utf8(own);
  for (int i = 0; i < PrjGetItemCount(project); ++i) files << Utf8(PrjGetItemPath(project, i));
  clipboard::CopyImageAndFiles(prjview::ProjectImage(*project, view->size()), files);
}

}  // namespace

RowSets AreaCommandRows() {
  RowSets sets;
  sets.both = {
      cmd::Handler(33560, ShowStatistics<kPointEntity>, "OnPointStatistics"),           // 点属性统计
      cmd::Handler(32776, ResetDefaults, "OnResetDefaultParams"),
      cmd::Handler(33531, InvertSelectionCommand, "OnInvertSelection", InvertChecked),  // 反向选择图元
      cmd::Handler(33594, CopyAttributeStructure, "OnCopyAttributeStructure"),          // 属性结构拷贝
  };
  sets.section = {
      cmd::Handler(33561, ShowStatistics<kLineEntity>, "OnLineStatistics"),    // 线属性统计
      cmd::Handler(33562, ShowStatistics<kRegionEntity>, "OnRegionStatistics"),  // 区属性统计
      cmd::Handler(33173, NumberIds, "OnNumberIds"),                           // 实体号赋ID号
      cmd::Handler(33427, ResetDefaults, "OnResetDefaultParams"),
      cmd::Handler(33601, OpenBoreholeLog, "OnBoreholeLog"),                    // 钻孔编录
  };
  sets.plan = {cmd::Handler(33558, CopyMapPicture, "OnOleCopy")};  // OLE拷贝
  for (const int menu : {cmd::kMenuSection, cmd::kMenuPlan}) {
    sets.menus.push_back({menu, "&1辅助工具/属性统计/点属性统计", 33560});
    sets.menus.push_back({menu, "&T其它/反向选择图元", 33531});
    sets.menus.push_back({menu, "&1辅助工具/属性结构拷贝", 33594});
  }
  const cmd::MenuRow own[] = {
      {cmd::kMenuSection, "&1辅助工具/属性统计/线属性统计", 33561},
      {cmd::kMenuSection, "&1辅助工具/属性统计/区属性统计", 33562},
      {cmd::kMenuSection, "&1辅助工具/实体号赋ID号", 33173},
      {cmd::kMenuSection, "&C地质绘图/钻孔编录", 33601},
      {cmd::kMenuPlan, "&T其它/OLE拷贝", 33558},
  };
  sets.menus.insert(sets.menus.end(), std::begin(own), std::end(own));
  return sets;
}

}  // namespace zv::toolcmd
