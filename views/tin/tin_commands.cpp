#include "views/tin/tin_commands.h"

#include <QDialog>
#include <QDir>
#include <string>
#include <vector>

#include "common/dialogs/save_path_dlg.h"
#include "framework/commands/command_table.h"
#include "framework/commands/menu_rows.h"
#include "framework/fileio/file_io.h"
#include "framework/prompts/prompts.h"
#include "platform/display/system_library.h"
#include "platform/tin/tin_draw.h"
#include "platform/tin/tin_entries.h"
#include "platform/tin/tin_entry_dlg.h"
#include "platform/tin/tin_oblique.h"
#include "platform/tin/tin_products.h"
#include "platform/tin/tin_sources.h"
#include "platform/tin/tin_xyz.h"
#include "platform/view/gis_edit_view.h"
#include "views/core/project_saving.h"

namespace zv::tintools {
namespace {

using tin::Tin;

constexpr int kGridValues = 33374;      // 高程数据网格化
constexpr int kPlaneContours = 33373;   // 平面等值线图
constexpr int kObliqueGrid = 33375;     // 格网立体图绘制
constexpr int kObliqueBands = 33376;    // 彩色等值立体图
constexpr int kPointElevations = 33588; // 点数据高程提取
constexpr int kLineElevations = 33592;  // 线数据高程提取
constexpr int kOpenTin = 33591;         // 打开TIN文件
constexpr int kBandedProject = 33590;   // 追踪剖分等值线

CGisEditView* ViewOf(cmd::CommandTarget& target) { return dynamic_cast<CGisEditView*>(&target); }

void Tell(const std::string& text) { prompt::Message(QString::fromStdString(text)); }

// Makes a built TIN the view's (a failed build leaves the view without one,
// so nothing stale is drawn) and redraws.
void Keep(CGisEditView& view, const std::shared_ptr<const Tin>& tin) {
  if (tin && !tin::ViewTin(&view))
    QObject::connect(&view, &QObject::destroyed, [key = static_cast<const void*>(&view)] { tin::DropViewTin(key); });
  tin::SetViewTin(&view, tin);
  view._UpdateWindow();
}

// Builds the view's TIN from points and tells what was taken and made.
void BuildFrom(CGisEditView& view, std::vector<tin::TinPoint> points, const std::string& taken) {
  const tin::TinBuild build = tin::BuildTin(std::move(points));
  Keep(view, build.tin);
  Tell(taken + "\n" + tin::BuildReport(build));
}

// The view's TIN, or one built now from its current point and line areas.
std::shared_ptr<const Tin> TinOf(CGisEditView& view) {
  if (std::shared_ptr<const Tin> held = tin::ViewTin(&view)) return held;
  tin::ElevationTake points = tin::ElevationsOfPoints(view.GetCurrentPntArea());
  const tin::ElevationTake lines = tin::ElevationsOfLines(view.GetCurrentLinArea());
  points.points.insert(points.points.end(), lines.points.begin(), lines.points.end());
  const tin::TinBuild build = tin::BuildTin(std::move(points.points));
  if (!build.tin) Tell(tin::PointTakeReport(points) + "\n" + tin::LineTakeReport(lines) + "\n" + tin::BuildReport(build));
  Keep(view, build.tin);
  return build.tin;
}

prompt::FileRequest PointFileRequest(const char* title) {
  prompt::FileRequest request;
  request.title = QString::fromUtf8(title);
  request.defaultExtension = QStringLiteral("*.tin");
  request.filter = QStringLiteral("TIN文件 (*.tin)|*.tin|");
  return request;
}

// The points of an "x y z" file the user picks; false when cancelled or
// unreadable (told).
bool ReadPointFile(const char* title, tin::XyzRead& read) {
  const QString path = prompt::ChooseFile(PointFileRequest(title));
  if (path.isEmpty()) return false;
  std::string bytes, error;
  if (!fileio::ReadWholeFile(path.toStdString(), bytes, &error)) {
    Tell(error);
    return false;
  }
  read = tin::ParseXyz(bytes);
  return true;
}

void RecordAppended(CGisEditView& view, WorkAreaHandle area, int kind, const std::vector<int32_t>& ids) {
  if (!ids.empty()) view.GetUndo().PushList(area, kind, ids, GisUndo::kAppended);
}

void OnPointElevations(cmd::CommandTarget& target) {
  CGisEditView* view = ViewOf(target);
  if (!view) return;
  tin::ElevationTake take = tin::ElevationsOfPoints(view->GetCurrentPntArea());
  BuildFrom(*view, std::move(take.points), tin::PointTakeReport(take));
}

void OnLineElevations(cmd::CommandTarget& target) {
  CGisEditView* view = ViewOf(target);
  if (!view) return;
  tin::ElevationTake take = tin::ElevationsOfLines(view->GetCurrentLinArea());
  const std::string taken = tin::LineTakeReport(take);
  BuildFrom(*view, std::move(take.points), taken);
}

void OnOpenTin(cmd::CommandTarget& target) {
  CGisEditView* view = ViewOf(target);
  tin::XyzRead read;
  if (!view || !ReadPointFile("读取TIN数据", read)) return;
  const std::string taken = tin::XyzReport(read);
  BuildFrom(*view, std::move(read.points), taken);
}

void OnPlaneContours(cmd::CommandTarget& target) {
  CGisEditView* view = ViewOf(target);
  const std::shared_ptr<const Tin> surface = view ? TinOf(*view) : nullptr;
  if (!surface) return;
  const std::optional<std::vector<double>> levels = tin::AskContourLevels(*surface, view);
  if (!levels) return;
  const std::vector<tin::ContourLine> lines = tin::TraceContours(*surface, *levels);
  const WorkAreaHandle area = view->GetCurrentLinArea();
  view->RunCommand([&] {
    RecordAppended(*view, area, kLineEntity, tin::AppendContourLines(area, lines, *BasGetDefaultLineParam()));
  });
}

void OnObliqueGrid(cmd::CommandTarget& target) {
  CGisEditView* view = ViewOf(target);
  const std::shared_ptr<const Tin> surface = view ? TinOf(*view) : nullptr;
  if (!surface) return;
  const WorkAreaHandle area = view->GetCurrentLinArea();
  const std::vector<std::vector<D_DOT>> lines = tin::ObliqueGridLines(tin::ObliqueView(*surface));
  view->RunCommand([&] {
    std::vector<int32_t> ids;
    BasBeginBatch(area);
    for (const std::vector<D_DOT>& line : lines)
      if (const int32_t id = BasAppendLine(area, line, *BasGetDefaultLineParam())) ids.push_back(id);
    BasEndBatch(area);
    RecordAppended(*view, area, kLineEntity, ids);
  });
}

void OnObliqueBands(cmd::CommandTarget& target) {
  CGisEditView* view = ViewOf(target);
  const std::shared_ptr<const Tin> surface = view ? TinOf(*view) : nullptr;
  if (!surface) return;
  const WorkAreaHandle area = view->GetCurrentRegArea();
  const std::vector<double> levels = tin::DefaultBandLevels(*surface);
  const int colours = display::CurrentLibrary().Colours().Count();
  const std::vector<tin::ObliqueCell> cells = tin::ObliqueCells(tin::ObliqueView(*surface));
  view->RunCommand([&] {
    tin::AppendedRegions appended;
    BasBeginBatch(area);
    for (const tin::ObliqueCell& cell : cells) {
      REG_INFO fill = *BasGetDefaultRegionParam();
      fill.setFillColour(static_cast<int32_t>(tin::BandColour(tin::BandOf(cell.value, levels), colours)));
      tin::AppendRingRegion(area, {cell.ring}, *BasGetDefaultLineParam(), fill, appended);
    }
    BasEndBatch(area);
    RecordAppended(*view, area, kLineEntity, appended.arcs);
    RecordAppended(*view, area, kRegionEntity, appended.regions);
  });
}

void OnBandedProject(cmd::CommandTarget& target) {
  CGisEditView* view = ViewOf(target);
  const std::shared_ptr<const Tin> surface = view ? TinOf(*view) : nullptr;
  if (!surface) return;
  CSavePathDlg dialog(view);
  if (dialog.DoModal() != QDialog::Accepted) return;
  std::string folder = dialog.Folder().toStdString();
  if (!folder.empty() && folder.back() != '/' && folder.back() != '\\') folder += '/';

  const std::vector<double> levels = tin::DefaultBandLevels(*surface);
  const std::vector<tin::ContourLine> lines = tin::TraceContours(*surface, levels);
  const WorkAreaSetHandle set = BasCreateWorkAreaSet(0);
  const WorkAreaHandle points = BasCreatePointWorkArea(set);
  const WorkAreaHandle contours = BasCreateLineWorkArea(set);
  const WorkAreaHandle bands = BasCreateRegionWorkArea(set);
  tin::AppendContourLines(contours, lines, *BasGetDefaultLineParam());
  tin::AppendBandRegions(bands, tin::ContourBands(*surface, levels, lines), *BasGetDefaultLineParam(),
                         *BasGetDefaultRegionParam(), display::CurrentLibrary().Colours().Count());
  const views::SaveOutcome outcome =
      views::WriteZavedizFiles(contours, points, bands, folder, dialog.FileName().toStdString());
  BasFreeWorkAreaSet(set);
  if (outcome.ok) return;
  std::string text = "保存失败：";
  for (const std::string& failure : outcome.failures) text += "\n" + failure;
  prompt::Message(QString::fromStdString(text), prompt::kIconWarning);
}

void OnGridValues(cmd::CommandTarget& target) {
  CGisEditView* view = ViewOf(target);
  tin::XyzRead read;
  if (!view || !ReadPointFile("高程数据网格化", read)) return;
  const std::string taken = tin::XyzReport(read);
  const tin::TinBuild build = tin::BuildTin(std::move(read.points));
  if (!build.tin) {
    Tell(taken + "\n" + tin::BuildReport(build));
    return;
  }
  const std::optional<tin::GridSpec> grid = tin::AskGrid(build.tin->extent(), view);
  if (!grid) return;
  prompt::FileRequest request;
  request.title = QStringLiteral("保存网格文件");
  request.defaultExtension = QStringLiteral("*.grd");
  request.filter = QStringLiteral("网格文件 (*.grd)|*.grd|");
  request.save = true;
  request.overwritePrompt = true;
  const QString path = prompt::ChooseFile(request);
  if (path.isEmpty()) return;
  std::string error;
  if (!fileio::WriteFileAtomically(path.toStdString(), tin::DsaaText(*build.tin, *grid), &error))
    prompt::Message(QString::fromStdString(error), prompt::kIconWarning);
}

constexpr cmd::CommandRow kRows[] = {
    cmd::Handler(kGridValues, OnGridValues, "OnGridValues"),
    cmd::Handler(kPlaneContours, OnPlaneContours, "OnPlaneContours"),
    cmd::Handler(kObliqueGrid, OnObliqueGrid, "OnObliqueGrid"),
    cmd::Handler(kObliqueBands, OnObliqueBands, "OnObliqueBands"),
    cmd::Handler(kPointElevations, OnPointElevations, "OnPointElevations"),
    cmd::Handler(kLineElevations, OnLineElevations, "OnLineElevations"),
    cmd::Handler(kOpenTin, OnOpenTin, "OnOpenTin"),
    cmd::Handler(kBandedProject, OnBandedProject, "OnBandedProject"),
};

#define ZV_TIN_MENU "&1辅助工具/专题辅助/等值线与三角网/"
constexpr cmd::MenuRow kMenuRows[] = {
    {cmd::kMenuSection, ZV_TIN_MENU "点数据高程提取", kPointElevations},
    {cmd::kMenuSection, ZV_TIN_MENU "线数据高程提取", kLineElevations},
    {cmd::kMenuSection, ZV_TIN_MENU "打开TIN文件", kOpenTin},
    {cmd::kMenuSection, ZV_TIN_MENU, 0},
    {cmd::kMenuSection, ZV_TIN_MENU "平面等值线图", kPlaneContours},
    {cmd::kMenuSection, ZV_TIN_MENU "追踪剖分等值线", kBandedProject},
    {cmd::kMenuSection, ZV_TIN_MENU "格网立体图绘制", kObliqueGrid},
    {cmd::kMenuSection, ZV_TIN_MENU "彩色等值立体图", kObliqueBands},
    {cmd::kMenuSection, ZV_TIN_MENU, 0},
    {cmd::kMenuSection, ZV_TIN_MENU "高程数据网格化", kGridValues},
};
#undef ZV_TIN_MENU

}  // namespace

void RegisterTinCommands() {
  static bool registered = false;
  if (registered) return;
  registered = true;
  cmd::Registry().AddRows("CSecToolView", kRows);
  cmd::Menus().AddRows(kMenuRows);
}

}  // namespace zv::tintools
