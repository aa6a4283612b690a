// The section tool view's frame commands: the sheet frames by scale, the
// square frames, the range frame, the frame of a typed sheet number, the
// land-use frame and the rectangular frame, drawn into the view's current
// areas with the current default line and text parameters.
#include <deque>
#include <string>
#include <utility>

#include "common/dialogs/value_input_dlg.h"
#include "framework/prompts/prompts.h"
#include "framework/text/numbers.h"
#include "geodesy/frame/frame_values.h"
#include "platform/projection/dms.h"
#include "views/tool_commands/frame_fields_dlg.h"
#include "views/tool_commands/sheet_frames.h"
#include "views/tool_commands/tool_commands.h"
#include "views/view_commands.h"

namespace zv::toolcmd {
namespace {

using framecmd::FieldSpec;
using framecmd::FrameFieldsDlg;

constexpr int kSheetNumberMode = 6;
constexpr int kNumberFrame = 33532;
constexpr int kLandUseFrame = 33241;
constexpr int kRectangleFrame = 33242;
constexpr const char* kFrameMenu = "&1辅助工具/图框/";

frame::FrameTarget TargetOf(const CGisEditView& view) {
  frame::FrameTarget target;
  target.points = view.GetCurrentPntArea();
  target.lines = view.GetCurrentLinArea();
  target.line = *BasGetDefaultLineParam();
  BasGetDefaultPointParam(&target.text, 0);
  return target;
}

// The section's map parameters, from its line area.
MapParams DocumentParams(const CGisEditView& view) {
  MapParams params = DefaultMapParams();
  BasGetMapParams(view.GetCurrentLinArea(), &params);
  return params;
}

void Finish(CGisEditView& view, const frame::FrameResult& result) {
  if (!result.error.empty()) {
    prompt::Message(QString::fromStdString(result.error), prompt::kIconWarning);
    return;
  }
  view.OnRestoreWindow();
}

std::optional<QStringList> Ask(CGisEditView& view, const char* title, const std::vector<FieldSpec>& fields) {
  FrameFieldsDlg dialog(QString::fromUtf8(title), fields, &view);
  if (prompt::Current().Exec(dialog) != QDialog::Accepted) return std::nullopt;
  return dialog.Values();
}

void Tell(const std::string& text) { prompt::Message(QString::fromStdString(text), prompt::kIconWarning); }

// A sheet number typed in the small sheet-number dialog, at a scale (0: any).
void SheetFrame(CGisEditView& view, long scale) {
  CValueInputDlg dialog(kSheetNumberMode, &view);
  if (dialog.DoModal() != QDialog::Accepted) return;
  std::string error;
  const std::optional<framecmd::Sheet> sheet = framecmd::ResolveSheet(dialog.Value().toStdString(), scale, &error);
  if (!sheet) return Tell(error);
  const MapParams document = DocumentParams(view);
  framecmd::FrameTexts texts;
  texts.above = {sheet->number};
  view.RunCommand([&] { Finish(view, framecmd::DrawRangeFrame(TargetOf(view), sheet->extent, sheet->scale, &document, texts)); });
}

void SquareFrame(CGisEditView& view, long scale) {
  const auto values = Ask(view, "图框西南角坐标", {{"x", "X(公里)：", QStringLiteral("0")}, {"y", "Y(公里)：", QStringLiteral("0")}});
  if (!values) return;
  const std::optional<double> x = num::ParseTypedReal((*values)[0].toStdString());
  const std::optional<double> y = num::ParseTypedReal((*values)[1].toStdString());
  if (!x || !y) return Tell("请输入一个数字。");
  view.RunCommand([&] { Finish(view, framecmd::DrawSquareFrame(TargetOf(view), *x, *y, scale)); });
}

void RangeFrame(CGisEditView& view) {
  const auto values = Ask(view, "梯形图框",
                          {{"minLongitude", "起始经度(DDDMMSS)：", QStringLiteral("1170000")},
                           {"maxLongitude", "终止经度(DDDMMSS)：", QStringLiteral("1170345")},
                           {"minLatitude", "起始纬度(DDDMMSS)：", QStringLiteral("390000")},
                           {"maxLatitude", "终止纬度(DDDMMSS)：", QStringLiteral("390230")},
                           {"scale", "比例尺分母：", QStringLiteral("10000")}});
  if (!values) return;
  double angles[4];
  for (int i = 0; i < 4; ++i) {
    const std::optional<double> packed = ParseTypedDms((*values)[i].toStdString());
    if (!packed || *packed < 0.0) return Tell("经纬度数据错误！");
    angles[i] = *packed;
    ProjDmsToSeconds(&angles[i]);
  }
  const std::optional<long> scale = num::ParseTypedWhole((*values)[4].toStdString());
  if (!scale || *scale <= 0) return Tell("比例尺必须大于0！");
  if (angles[1] <= angles[0] || angles[3] <= angles[2]) return Tell("经纬度数据错误！");
  const SheetExtentSeconds range{angles[0], angles[2], angles[1], angles[3]};
  const MapParams document = DocumentParams(view);
  view.RunCommand([&] { Finish(view, framecmd::DrawRangeFrame(TargetOf(view), range, *scale, &document, {})); });
}

template <std::size_t index>
void RunFrameCommand(cmd::CommandTarget& target) {
  CGisEditView* view = EditViewOf(target);
  if (view == nullptr) return;
  const framecmd::FrameCommand& c = framecmd::FrameCommands()[index];
  switch (c.kind) {
    case framecmd::FrameKind::kSheet: return SheetFrame(*view, c.scale);
    case framecmd::FrameKind::kSquare: return SquareFrame(*view, c.scale);
    case framecmd::FrameKind::kRange: return RangeFrame(*view);
  }
}

void NumberFrame(cmd::CommandTarget& target) {
  if (CGisEditView* view = EditViewOf(target)) SheetFrame(*view, 0);
}

void LandUseFrame(cmd::CommandTarget& target) {
  CGisEditView* view = EditViewOf(target);
  if (view == nullptr) return;
  framecmd::LandUseRecord record;
  const auto q = [](const std::string& s) { return QString::fromStdString(s); };
  const auto values = Ask(*view, "土地利用图框",
                          {{"title", "图名：", q(record.title)},
                           {"oldNumber", "图号：", q(record.oldNumber)},
                           {"newNumber", "新图号：", q(record.newNumber)},
                           {"security", "密级：", q(record.security)},
                           {"authority", "出版机关：", q(record.authority)},
                           {"production", "说明：", q(record.production), FieldSpec::kText},
                           {"filePattern", "输出文件：", q(record.filePattern)}});
  if (!values) return;
  std::string* fields[] = {&record.title,     &record.oldNumber,  &record.newNumber,  &record.security,
                           &record.authority, &record.production, &record.filePattern};
  for (int i = 0; i < 7; ++i) *fields[i] = (*values)[i].toStdString();
  const MapParams document = DocumentParams(*view);
  view->RunCommand([&] { Finish(*view, framecmd::DrawLandUseFrame(TargetOf(*view), record, &document)); });
}

void RectangleFrame(cmd::CommandTarget& target) {
  CGisEditView* view = EditViewOf(target);
  if (view == nullptr) return;
  const geodesy::StandardFrameValues d;
  const auto q = [](const std::string& s) { return QString::fromStdString(s); };
  const auto values = Ask(*view, "矩形图框",
                          {{"x1", "X1(公里)：", q(d.x1)},
                           {"x2", "X2(公里)：", q(d.x2)},
                           {"y1", "Y1(公里)：", q(d.y1)},
                           {"y2", "Y2(公里)：", q(d.y2)},
                           {"scale", "比例尺分母：", QString::number(d.scale)},
                           {"zoneFlag", "加带号：", QStringLiteral("1"), FieldSpec::kCheck},
                           {"zone", "带号：", QString::number(d.zone)}});
  if (!values) return;
  geodesy::StandardFrameTexts texts;
  texts.x1 = (*values)[0].toStdString();
  texts.x2 = (*values)[1].toStdString();
  texts.y1 = (*values)[2].toStdString();
  texts.y2 = (*values)[3].toStdString();
  texts.scale = (*values)[4].toStdString();
  texts.zoneFlag = (*values)[5] == QLatin1String("1");
  texts.zone = (*values)[6].toStdString();
  geodesy::StandardFrameValues v;
  if (const auto refusal = geodesy::CheckStandardFrame(texts, &v)) return Tell(refusal->message);
  frame::StandardFrame f{v.x1, v.x2, v.y1, v.y2, v.scale, std::nullopt};
  if (v.zoneFlag) f.zone = static_cast<int>(v.zone);
  view->RunCommand([&] { Finish(*view, frame::DrawStandardFrame(TargetOf(*view), f)); });
}

template <std::size_t... index>
std::vector<cmd::CommandRow> FrameRows(std::index_sequence<index...>) {
  return {cmd::Handler(framecmd::FrameCommands()[index].id, RunFrameCommand<index>, "OnFrame")...};
}

}  // namespace

RowSets FrameCommandRows() {
  RowSets sets;
  sets.section = FrameRows(std::make_index_sequence<framecmd::kFrameCommandCount>());
  sets.section.push_back(cmd::Handler(kNumberFrame, NumberFrame, "OnSheetNumberFrame"));  // 根据图幅号生成图框
  sets.section.push_back(cmd::Handler(kLandUseFrame, LandUseFrame, "OnLandUseFrame"));  // 生成土地利用图框
  sets.section.push_back(cmd::Handler(kRectangleFrame, RectangleFrame, "OnRectangleFrame"));  // 生成矩形图框
  // Menu rows keep their paths as pointers: the texts live for the run.
  static const std::deque<std::string> paths = [] {
    std::deque<std::string> all;
    for (const framecmd::FrameCommand& c : framecmd::FrameCommands()) all.push_back(std::string(kFrameMenu) + c.text);
    return all;
  }();
  for (std::size_t i = 0; i < paths.size(); ++i)
    sets.menus.push_back({cmd::kMenuSection, paths[i].c_str(), framecmd::FrameCommands()[i].id});
  const cmd::MenuRow own[] = {
      {cmd::kMenuSection, "&1辅助工具/图框/根据图幅号生成图框", kNumberFrame},
      {cmd::kMenuSection, "&1辅助工具/图框/生成土地利用图框", kLandUseFrame},
      {cmd::kMenuSection, "&1辅助工具/图框/生成矩形图框", kRectangleFrame},
  };
  sets.menus.insert(sets.menus.end(), std::begin(own), std::end(own));
  return sets;
}

}  // namespace zv::toolcmd
