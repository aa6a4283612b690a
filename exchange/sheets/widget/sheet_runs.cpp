#include "exchange/sheets/widget/sheet_runs.h"

#include <QFileInfo>

#include "annotation/key_field_dlg.h"
#include "exchange/gpx/gpx_tracks.h"
#include "exchange/sheets/attribute_export.h"
#include "exchange/sheets/attribute_import.h"
#include "exchange/sheets/attribute_join.h"
#include "exchange/sheets/widget/data_projection_dlg.h"
#include "framework/fileio/file_io.h"
#include "framework/prompts/prompts.h"
#include "framework/shell/shell_open.h"
#include "framework/workbook/widget/spreadsheet_program.h"
#include "geodesy/gpx/datum_param_dlg.h"
#include "geodesy/gpx/gpx_export_dlg.h"
#include "platform/projection/map_projector.h"
#include "platform/view/gis_edit_view.h"
#include "views/view_chrome.h"

namespace zv::sheets {
namespace {

namespace msg = workbook::message;
constexpr const char* kNoData = "\n当前表格没有数据!";
constexpr const char* kBadSelection = "\n当前表格选择的数据不合理!";
constexpr const char* kNoArea = "工作区可能不存在，请检查！";
constexpr const char* kImported = "导入属性成功！";
constexpr const char* kNothingImported = "表格第一行没有与属性字段同名的列，没有导入属性！";
constexpr const char* kNoJoinColumn = "没有选择连接字段！";
constexpr const char* kBadKeyType = "只能利用“字符串、短整型、长整型”的数据类型进行关联!";
constexpr const char* kNoProjection = "未设置投影参数！";

QString Q(const std::string& text) { return QString::fromStdString(text); }

std::array<WorkAreaHandle, 3> CurrentAreas(const CGisEditView& view) {
  return {view.GetCurrentPntArea(), view.GetCurrentLinArea(), view.GetCurrentRegArea()};
}

std::vector<ENTITY_MSG> PoolOf(const CGisEditView& view) {
  return {view.Pool(), view.Pool() + view.PoolCount()};
}

bool HasValidPool(const CGisEditView& view) { return view.PoolCount() > 0 && BasIsWorkAreaValid(view.Pool()[0].area); }

// The active sheet of the program the flavour names, with the workbook
// window shown; none after the program's message.
std::optional<workbook::Worksheet> AttachSheet(workbook::Flavour flavour, const char* missingText) {
  std::optional<workbook::Worksheet> sheet;
  if (flavour == workbook::Flavour::kEt) {
    if (auto et = workbook::AttachEt()) sheet = et->sheet;
  } else {
    sheet = workbook::AttachExcelSheet(QString::fromUtf8(missingText));
  }
  if (sheet) shell::ShowWorkbookWindow();
  return sheet;
}

bool TooSmall(const workbook::Extent& extent) { return extent.rows < 2 && extent.columns < 2; }

// The active sheet with the extent of its data (the used range, or the
// selection of its window); none after the message of a missing program
// or sheet, or of too little data.
struct AttachedSheet {
  workbook::Worksheet sheet;
  workbook::Extent extent;
};
std::optional<AttachedSheet> AttachData(workbook::Flavour flavour, const char* missingText, bool selection) {
  const auto sheet = AttachSheet(flavour, missingText);
  if (!sheet) return std::nullopt;
  const std::optional<workbook::Window> window =
      workbook::Application(workbook::RunningProgram(), flavour).ActiveWindow();
  const workbook::Extent extent =
      workbook::ExtentOf(selection && window ? window->RangeSelection() : sheet->UsedRange());
  if (TooSmall(extent)) {
    prompt::Message(selection ? kBadSelection : kNoData);
    return std::nullopt;
  }
  return AttachedSheet{*sheet, extent};
}

std::vector<std::string> NamesOf(const std::vector<SheetColumn>& columns) {
  std::vector<std::string> names;
  for (const SheetColumn& c : columns) names.push_back(c.name);
  return names;
}

// The file a key-field dialog chose, when it exists (a message when not)
// and holds entities (quietly false when empty).
bool UsableArea(WorkAreaHandle area) {
  if (area == 0) {
    prompt::Message(kNoArea);
    return false;
  }
  int32_t live = 0, bound = 0;
  BasGetEntityCount(area, BasGetWorkAreaType(area), &live, &bound);
  return live > 0;
}

int ColumnAt(const std::vector<SheetColumn>& columns, int position) {
  return position >= 0 && position < static_cast<int>(columns.size()) ? columns[static_cast<std::size_t>(position)].column
                                                                       : 0;
}

}  // namespace

workbook::Started StartShown(workbook::Flavour flavour) {
  workbook::Started started = flavour == workbook::Flavour::kEt ? workbook::StartEt() : workbook::StartExcel();
  shell::ShowWorkbookWindow();
  return started;
}

long MainScaleDenominator() {
  const long scale = Chrome().ScaleDenominator();
  return scale != 0 ? scale : 1000;
}

void RunAttributeExport(CGisEditView& view, workbook::Flavour flavour, bool picked) {
  if (picked && !HasValidPool(view)) return;
  Guarded([&] {
    const workbook::Started started = StartShown(flavour);
    const workbook::Sheets sheets = started.book.Sheets();
    if (sheets.Count() < 3) sheets.Add(3 - sheets.Count());
    if (picked)
      ExportSelectedAttributeSheets(sheets, CurrentAreas(view), PoolOf(view));
    else
      ExportAttributeSheets(sheets, CurrentAreas(view));
  });
}

void RunAttributeImport(CGisEditView& view) {
  annot::CKeyFieldDlg dialog(annot::CKeyFieldDlg::kImport, CurrentAreas(view), {});
  if (prompt::Current().Exec(dialog) != QDialog::Accepted) return;
  const WorkAreaHandle area = dialog.area();
  if (!UsableArea(area)) return;
  Guarded([&] {
    const auto data = AttachData(workbook::Flavour::kExcel, msg::kNoExcelOpenOne, false);
    if (!data) return;
    const workbook::Worksheet& sheet = data->sheet;
    const workbook::Extent& extent = data->extent;
    ImportOutcome outcome;
    view.RunCommand([&] {
      view.GetUndo().PushList(area, BasGetWorkAreaType(area), LiveAttributeIds(area), GisUndo::kChanged);
      outcome = ImportSheetAttributes(sheet, extent, area);
    });
    prompt::Message(outcome.matchedFields > 0 ? kImported : kNothingImported);
  });
}

void RunAttributeJoin(CGisEditView& view) {
  Guarded([&] {
    const auto data = AttachData(workbook::Flavour::kExcel, msg::kNoExcelOpenOne, false);
    if (!data) return;
    const workbook::Worksheet& sheet = data->sheet;
    const workbook::Extent& extent = data->extent;
    const std::vector<SheetColumn> columns = HeaderColumns(sheet, extent, extent.firstRow);
    annot::CKeyFieldDlg dialog(annot::CKeyFieldDlg::kJoin, CurrentAreas(view), NamesOf(columns));
    if (prompt::Current().Exec(dialog) != QDialog::Accepted) return;
    const WorkAreaHandle area = dialog.area();
    if (!UsableArea(area)) return;
    if (dialog.chosen().empty()) {
      prompt::Message(kNoJoinColumn);
      return;
    }
    JoinRequest request{area, dialog.keyField(), ColumnAt(columns, dialog.keyColumn()), {}};
    for (const annot::ChosenColumn& c : dialog.chosen()) request.columns.push_back({c.name, ColumnAt(columns, c.position)});
    if (request.keyColumn == 0) return;
    JoinOutcome outcome;
    view.RunCommand([&] {
      view.GetUndo().PushStructure(area, BasGetWorkAreaType(area));
      outcome = JoinSheetAttributes(sheet, extent, request);
    });
    if (outcome.result == JoinOutcome::Result::kBadKeyType) prompt::Message(kBadKeyType);
    if (outcome.result == JoinOutcome::Result::kRefused) prompt::Message(Q(outcome.refusal));
  });
}

void RunRowProjection(CGisEditView& view, workbook::Flavour flavour, bool selection) {
  Guarded([&] {
    const auto data = AttachData(flavour, selection ? msg::kNoExcel : msg::kNoExcelOpenOne, selection);
    if (!data) return;
    const workbook::Worksheet& sheet = data->sheet;
    const workbook::Extent& extent = data->extent;
    const std::vector<SheetColumn> columns =
        selection ? SelectionColumns(sheet, extent) : HeaderColumns(sheet, extent, extent.firstRow);
    CDataProjectionDlg dialog(NamesOf(columns));
    if (prompt::Current().Exec(dialog) != QDialog::Accepted) return;
    const ProjectionChoice& choice = dialog.choice();
    ProjectionColumns chosen{ColumnAt(columns, choice.x), ColumnAt(columns, choice.y), ColumnAt(columns, choice.note),
                             ColumnAt(columns, choice.dipDirection), ColumnAt(columns, choice.dipAngle), {}};
    for (int position : choice.attributes) chosen.attributes.push_back(columns[static_cast<std::size_t>(position)]);
    std::unique_ptr<MapProjector> projector;
    if (!choice.options.noProjection) projector = MapProjector::FromMapParams(choice.result);
    const int unit = choice.input.unit();
    const PlaneProjector toPlane = [&](double& x, double& y) {
      const std::optional<double> lon = AngleInDegrees(x, unit);
      const std::optional<double> lat = AngleInDegrees(y, unit);
      if (!projector || !lon || !lat) return false;
      double e = *lon, n = *lat;
      if (!projector->ToPlane(e, n)) return false;
      x = e;
      y = n;
      return true;
    };
    const int first = selection ? extent.firstRow : extent.firstRow + 1;
    const RowWalk walk{first, extent.firstRow + static_cast<int>(extent.rows) - 1, extent.firstRow,
                       !selection && flavour == workbook::Flavour::kExcel};
    ProjectionOutcome outcome;
    view.RunCommand([&] {
      view.GetUndo().PushStructure(view.GetCurrentPntArea(), kPointEntity);
      outcome = ProjectSheetRows(sheet, walk, chosen, choice.options, choice.style, toPlane,
                                 flavour == workbook::Flavour::kEt ? FieldTyping::kEt : FieldTyping::kExcel,
                                 view.GetCurrentPntArea(), view.GetCurrentLinArea());
      view.GetUndo().PushList(view.GetCurrentPntArea(), kPointEntity, outcome.points, GisUndo::kAppended);
      view.GetUndo().PushList(view.GetCurrentLinArea(), kLineEntity, outcome.lines, GisUndo::kAppended);
    });
    if (!outcome.refusal.empty()) prompt::Message(Q(outcome.refusal));
    if (outcome.projectionFailed) prompt::Message(kNoProjection);
  });
}

void RunLineVertexExport(CGisEditView& view) {
  if (!HasValidPool(view)) return;
  Guarded([&] {
    const workbook::Started started = StartShown(workbook::Flavour::kExcel);
    const workbook::Worksheet sheet = started.book.Sheets().Item(1);
    sheet.Select();
    ExportLineVertices(sheet, PoolOf(view), static_cast<double>(MainScaleDenominator()) * 0.001);
  });
}

void RunGpxExport(CGisEditView& view, bool picked) {
  if (picked && !HasValidPool(view)) return;
  gpx::CGpxExportDlg dialog;
  if (picked) dialog.TakeEntities(PoolOf(view));
  prompt::Current().Exec(dialog);
}

void RunGpxTracks(CGisEditView& view) {
  gpx::CDatumParamDlg datumDialog;
  if (prompt::Current().Exec(datumDialog) != QDialog::Accepted) return;
  prompt::FileRequest request;
  request.title = "打开GPX文件";
  request.defaultExtension = "*.GPX";
  request.filter = "All GPX Files (*.gpx)|*.gpx|All Files (*.*)|*.*||";
  request.multiple = true;
  const QStringList paths = prompt::Current().ChooseFiles(request);
  if (paths.isEmpty()) return;
  const gpx::DatumParams& params = datumDialog.values();
  const gpx::TrackDatum datum{params.shift.dx, params.shift.dy, params.shift.dz, params.datum, params.scale};
  const WorkAreaHandle points = view.GetCurrentPntArea();
  const WorkAreaHandle lines = view.GetCurrentLinArea();
  for (const QString& path : paths) {
    const QString name = QFileInfo(path).fileName();
    std::string bytes, error;
    if (!fileio::ReadWholeFile(path.toStdString(), bytes, &error)) {
      prompt::Message(QStringLiteral("无法打开文件“%1”：%2").arg(path, Q(error)), prompt::kIconStop);
      return;
    }
    const gpx::Track track = gpx::ReadTrack(bytes);
    view.RunCommand([&] {
      view.GetUndo().PushStructure(points, kPointEntity);
      view.GetUndo().PushStructure(lines, kLineEntity);
      const gpx::Placement placed =
          gpx::PlaceTrack(track, datum, points, lines, *BasGetDefaultPointParam(1), *BasGetDefaultLineParam());
      view.GetUndo().PushList(points, kPointEntity, placed.points, GisUndo::kAppended);
      if (placed.line != 0) view.GetUndo().PushList(lines, kLineEntity, {placed.line}, GisUndo::kAppended);
      if (placed.skipped > 0)
        prompt::Message(QStringLiteral("文件“%1”中有%2个航迹点的经纬度无法换算（经度不在3度带内或数值错误），已跳过。").arg(name).arg(placed.skipped));
    });
    if (!track.fault.empty())
      prompt::Message(QStringLiteral("文件“%1”不完整或有错误（%2），已读入出错之前的%3个航迹点。")
                          .arg(name, Q(track.fault))
                          .arg(track.points.size()));
  }
}

}  // namespace zv::sheets
