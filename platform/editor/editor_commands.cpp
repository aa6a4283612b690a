#include "platform/editor/editor_commands.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "framework/prompts/prompts.h"
#include "platform/data/geometry.h"
#include "platform/editor/editor_dialogs.h"
#include "platform/editor/editor_tools.h"
#include "platform/editor/entity_edits.h"
#include "platform/editor/line_cuts.h"
#include "platform/editors/attribute_editor.h"
#include "platform/editors/nearest.h"
#include "platform/editors/param_editor.h"

namespace zv::editor {

namespace {

using Kinds = CGisEditView::PickKind;
using Picked = std::vector<ENTITY_MSG>;

// ---- parameters of new entities: the current default, on the current layer

PNT_INFO NewPointInfo(const CGisEditView& view, int kind) {
  PNT_INFO info;
  BasGetDefaultPointParam(&info, kind);
  info.setLayer(view.GetCurLayer());
  return info;
}

LIN_INFO NewLineInfo(const CGisEditView& view) {
  LIN_INFO info = *BasGetDefaultLineParam(0);
  info.setLayer(view.GetCurLayer());
  return info;
}

REG_INFO NewRegionInfo(const CGisEditView& view) {
  REG_INFO info = *BasGetDefaultRegionParam(0);
  info.setLayer(view.GetCurLayer());
  return info;
}

double DegreesOf(const D_DOT& from, const D_DOT& to) { return BasSegmentAngle(from, to) * 180.0 / std::numbers::pi; }

// ---- window

void Undo(CGisEditView& v) { v.Undo(); }
bool CanUndo(const CGisEditView& v) { return !v.GetUndo().IsEmpty(); }
void RestoreWindow(CGisEditView& v) { v.OnRestoreWindow(); }
void OpenWindow(CGisEditView& v) { v.SetExtTool(new ZoomTool(&v, true)); }
void ReduceWindow(CGisEditView& v) { v.SetExtTool(new ZoomTool(&v, false)); }
void UpdateWindow(CGisEditView& v) { v._UpdateWindow(); }
void CleanWindow(CGisEditView& v) { v.OnCleanWindow(); }
void SelectLine(CGisEditView& v) { v.SelectLine(); }
void SelectPoint(CGisEditView& v) { v.SelectPoint(); }
void SelectRegion(CGisEditView& v) { v.SelectRegion(); }
void SelectGraphics(CGisEditView& v) { v.SelectGraphics(); }

// ---- entering points

// Tells the user why the data library refused a change (a text or record
// its files cannot hold); silent when it gave no reason.
void TellRefusal() {
  if (!BasLastRefusal().empty()) prompt::Message(QString::fromStdString(BasLastRefusal()));
}

void PlacePoint(CGisEditView& v, const D_DOT& at, const QString& text, int kind) {
  if (!editor::AppendPoint(v.GetUndo(), v.GetCurrentPntArea(), at, text.toStdString(), NewPointInfo(v, kind)))
    TellRefusal();
}

void MakePoint(CGisEditView& v) {
  v.SetExtTool(new ClickTool(&v, 412, "当前状态: 输入点图元", [](CGisEditView& view, const D_DOT& at, CPoint) {
    QString text;
    if (!AskText(QStringLiteral("输入点图元"), QStringLiteral("注释 (空为子图):"), &text)) return;
    PlacePoint(view, at, text, text.isEmpty() ? 1 : 0);
  }));
}

void MakeSubGphCur(CGisEditView& v) {
  v.SetExtTool(new ClickTool(&v, 32923, "当前状态: 造子图", [](CGisEditView& view, const D_DOT& at, CPoint) {
    PlacePoint(view, at, {}, 1);
  }));
}

void MakeNoteCur(CGisEditView& v) {
  v.SetExtTool(new ClickTool(&v, 32958, "当前状态: 造注释", [](CGisEditView& view, const D_DOT& at, CPoint) {
    QString text;
    if (AskText(QStringLiteral("注释"), QStringLiteral("注释:"), &text) && !text.isEmpty()) PlacePoint(view, at, text, 0);
  }));
}

void MakeCircleOR(CGisEditView& v) {
  v.SetExtTool(new MultiClickTool(&v, 32933, 2, "当前状态: 造圆", [](CGisEditView& view, const std::vector<D_DOT>& p) {
    PNT_INFO info = NewPointInfo(view, 2);
    info.setRadius(BasPointDistance(p[0], p[1]));
    editor::AppendPoint(view.GetUndo(), view.GetCurrentPntArea(), p[0], "", info);
  }));
}

void MakeArcOR(CGisEditView& v) {
  v.SetExtTool(new MultiClickTool(&v, 32935, 3, "当前状态: 造弧", [](CGisEditView& view, const std::vector<D_DOT>& p) {
    PNT_INFO info = NewPointInfo(view, 3);
    info.setRadius(BasPointDistance(p[0], p[1]));
    info.Set(pnt::kArcStartAngle, static_cast<float>(DegreesOf(p[0], p[1])));
    info.Set(pnt::kArcEndAngle, static_cast<float>(DegreesOf(p[0], p[2])));
    editor::AppendPoint(view.GetUndo(), view.GetCurrentPntArea(), p[0], "", info);
  }));
}

// ---- picking and acting

void InstallPick(CGisEditView& v, int16_t mode, unsigned kinds, const char* name, PickActionTool::Action action) {
  v.SetExtTool(new PickActionTool(&v, mode, kinds, name, std::move(action)));
}

void DeleteAction(CGisEditView& view, const Picked& picked) { DeleteEntities(view.GetUndo(), picked); }
void DeletePoint(CGisEditView& v) { InstallPick(v, 413, Kinds::kPickPoints, "当前状态: 删除点", DeleteAction); }
void DeleteLine(CGisEditView& v) { InstallPick(v, 346, Kinds::kPickLines, "当前状态: 删除线", DeleteAction); }
void DeleteRegion(CGisEditView& v) { InstallPick(v, 390, Kinds::kPickRegions, "当前状态: 删除区", DeleteAction); }

void MovePointCmd(CGisEditView& v) { v.SetExtTool(new PickDragTool(&v, PickDragTool::kMove, Kinds::kPickPoints, "当前状态: 移动点")); }
void CopyPoint(CGisEditView& v) { v.SetExtTool(new PickDragTool(&v, PickDragTool::kCopy, Kinds::kPickPoints, "当前状态: 复制点")); }
void MoveLineCmd(CGisEditView& v) { v.SetExtTool(new PickDragTool(&v, PickDragTool::kMove, Kinds::kPickLines, "当前状态: 移动线")); }
void CopyLine(CGisEditView& v) { v.SetExtTool(new PickDragTool(&v, PickDragTool::kCopy, Kinds::kPickLines, "当前状态: 复制线")); }
void CopyRegion(CGisEditView& v) { v.SetExtTool(new PickDragTool(&v, PickDragTool::kCopy, Kinds::kPickRegions, "当前状态: 复制区")); }
void MoveLineDotCmd(CGisEditView& v) {
  v.SetExtTool(new PickDragTool(&v, PickDragTool::kVertex, Kinds::kPickLines, "当前状态: 移动线上点"));
}
void MoveGraphCmd(CGisEditView& v) {
  if (v.PoolCount() > 0)
    v.MoveGraph();
  else
    v.SetExtTool(new PickDragTool(&v, PickDragTool::kMove, Kinds::kPickAll, "当前状态: 移动图元"));
}

// The line nearest to a click within the tolerance, in the current line area.
template <class Edit>
void NearLineClick(CGisEditView& v, int16_t mode, const char* name, Edit edit) {
  v.SetExtTool(new ClickTool(&v, mode, name, [edit](CGisEditView& view, const D_DOT& at, CPoint point) {
    const Picked picked = view.PickAtPoint(Kinds::kPickLines, point);
    if (!picked.empty()) edit(view.GetUndo(), picked[0].area, picked[0].id, at);
  }));
}

void AddLineDot(CGisEditView& v) { NearLineClick(v, 341, "当前状态: 加线上点", InsertVertexNear); }
void DelLineDot(CGisEditView& v) { NearLineClick(v, 342, "当前状态: 删线上点", DeleteVertexNear); }

void ChangeLineDir(CGisEditView& v) {
  InstallPick(v, 345, Kinds::kPickLines, "当前状态: 线反向", [](CGisEditView& view, const Picked& picked) {
    for (const ENTITY_MSG& e : picked) ReverseLine(view.GetUndo(), e.area, e.id);
  });
}

void ClipLineHavePoint(CGisEditView& v) {
  NearLineClick(v, 334, "当前状态: 剪断线", [](GisUndo& undo, WorkAreaHandle area, int32_t line, const D_DOT& at) {
    ClipLineAt(undo, area, line, at, true);
  });
}

void ClipLineNoPoint(CGisEditView& v) {
  NearLineClick(v, 335, "当前状态: 剪断线", [](GisUndo& undo, WorkAreaHandle area, int32_t line, const D_DOT& at) {
    ClipLineAt(undo, area, line, at, false);
  });
}

// The line (or arc) of `area` nearest to a click within the tolerance.
int32_t LineAtClick(const CGisEditView& view, WorkAreaHandle area, const D_DOT& at) {
  return NearestLine(area, at, view.selectTolerance() / view._GetWinDispRate()).id;
}

void ChainLine0(CGisEditView& v) { editor::ChainLine(v, 0); }
void ChainLine1(CGisEditView& v) { editor::ChainLine(v, 1); }
void ClipIntersectLin0(CGisEditView& v) { editor::ClipIntersectLin(v, 0); }
void ClipIntersectLin1(CGisEditView& v) { editor::ClipIntersectLin(v, 1); }

void MakeLine(CGisEditView& v) {
  v.SetExtTool(new LineInputTool(&v, 336, "当前状态: 造折线", [](CGisEditView& view, const std::vector<D_DOT>& vertices) {
    editor::AppendLine(view.GetUndo(), view.GetCurrentLinArea(), vertices, NewLineInfo(view));
  }));
}

void MakeRegion(CGisEditView& v) {
  v.SetExtTool(new ClickTool(&v, 377, "当前状态: 造区", [](CGisEditView& view, const D_DOT& at, CPoint) {
    if (!MakeRegionAt(view.GetUndo(), view.GetCurrentRegArea(), at, NewRegionInfo(view)))
      prompt::Message(QStringLiteral("此处没有封闭的弧段。"));
  }));
}

// ---- parameters and attributes of picked entities

bool EditParamsOf(CGisEditView& view, const ENTITY_MSG& e, const QString& title) {
  GisUndo& undo = view.GetUndo();
  switch (e.type) {
    case kPointEntity: {
      PNT_INFO info;
      if (!BasReadPointParam(e.area, e.id, &info) || EditPointParam(info, title, &view) != 1) return false;
      undo.PushSelGraphics(&e, 1, GisUndo::kChanged, 1);
      return BasWritePointParam(e.area, e.id, info) != 0;
    }
    case kLineEntity: {
      LIN_INFO info;
      if (!BasReadLineParam(e.area, e.id, &info) || EditLineParam(info, title, &view) != 1) return false;
      undo.PushSelGraphics(&e, 1, GisUndo::kChanged, 1);
      return BasWriteLineParam(e.area, e.id, info) != 0;
    }
    case kRegionEntity: {
      REG_INFO info;
      if (!BasReadRegionParam(e.area, e.id, &info) || EditRegionParam(info, title, &view) != 1) return false;
      undo.PushSelGraphics(&e, 1, GisUndo::kChanged, 1);
      return BasWriteRegionParam(e.area, e.id, info) != 0;
    }
    default: return false;
  }
}

bool EditAttributeOf(CGisEditView& view, const ENTITY_MSG& e, const QString& title) {
  auto before = CaptureEntity(e, nullptr);
  if (!before || EditEntityAttribute(e.area, e.type, e.id, title, &view) != 1) return false;
  view.GetUndo().PushSnapshots({*before});
  return true;
}

void ParamsOfFirst(CGisEditView& view, const Picked& picked) {
  if (!picked.empty()) EditParamsOf(view, picked[0], QStringLiteral("修改参数"));
}
void AttributeOfFirst(CGisEditView& view, const Picked& picked) {
  if (!picked.empty()) EditAttributeOf(view, picked[0], QStringLiteral("修改属性"));
}

void UpdatePointParm(CGisEditView& v) { InstallPick(v, 421, Kinds::kPickPoints, "当前状态: 修改点参数", ParamsOfFirst); }
void UpdateLineParm(CGisEditView& v) { InstallPick(v, 347, Kinds::kPickLines, "当前状态: 修改线参数", ParamsOfFirst); }
void UpdateRegionParm(CGisEditView& v) { InstallPick(v, 379, Kinds::kPickRegions, "当前状态: 修改区参数", ParamsOfFirst); }
void UpdatePointAtt(CGisEditView& v) { InstallPick(v, 429, Kinds::kPickPoints, "当前状态: 修改点属性", AttributeOfFirst); }
void UpdateLineAtt(CGisEditView& v) { InstallPick(v, 353, Kinds::kPickLines, "当前状态: 修改线属性", AttributeOfFirst); }
void UpdateRegionAtt(CGisEditView& v) { InstallPick(v, 392, Kinds::kPickRegions, "当前状态: 修改区属性", AttributeOfFirst); }
void ViewElementParam(CGisEditView& v) { InstallPick(v, 33146, Kinds::kPickAll, "当前状态: 图元参数", ParamsOfFirst); }
void ViewElementAtt(CGisEditView& v) { InstallPick(v, 33147, Kinds::kPickAll, "当前状态: 图元属性", AttributeOfFirst); }

void UpdateWord(CGisEditView& v) {
  InstallPick(v, 422, Kinds::kPickPoints, "当前状态: 修改文本", [](CGisEditView& view, const Picked& picked) {
    if (picked.empty()) return;
    const ENTITY_MSG& e = picked[0];
    D_DOT at;
    std::string text;
    PNT_INFO info;
    if (!BasReadPoint(e.area, e.id, &at, &text, &info) || (info.kind() != 0 && info.kind() != 5)) return;
    QString edited = QString::fromStdString(text);
    if (!AskText(QStringLiteral("修改文本"), QStringLiteral("文本:"), &edited)) return;
    view.GetUndo().PushSelGraphics(&e, 1, GisUndo::kChanged, 1);
    if (!BasUpdatePoint(e.area, e.id, at, edited.toStdString(), info)) {
      view.GetUndo().Undo();  // nothing changed: no step to undo
      TellRefusal();
    }
  });
}

void UpdateAngle(CGisEditView& v) {
  InstallPick(v, 423, Kinds::kPickPoints, "当前状态: 修改角度", [](CGisEditView& view, const Picked& picked) {
    if (picked.empty()) return;
    const ENTITY_MSG& e = picked[0];
    PNT_INFO info;
    if (!BasReadPointParam(e.area, e.id, &info)) return;
    double angle = info.angle();
    if (!AskNumber(QStringLiteral("修改角度"), QStringLiteral("角度:"), &angle, 3)) return;
    view.GetUndo().PushSelGraphics(&e, 1, GisUndo::kChanged, 1);
    info.setAngle(static_cast<float>(angle));
    BasWritePointParam(e.area, e.id, info);
  });
}

// Point kinds in their numbering: 0 text … 5 text block.
const QStringList kPointKindNames{QStringLiteral("注释"), QStringLiteral("子图"), QStringLiteral("圆"),
                                  QStringLiteral("弧"),   QStringLiteral("图像"), QStringLiteral("文本块")};

void DefautPointParm(CGisEditView& v) {
  int kind = 0;
  if (!AskChoice(QStringLiteral("缺省点参数"), QStringLiteral("点类型:"), kPointKindNames, &kind)) return;
  PNT_INFO info;
  BasGetDefaultPointParam(&info, kind);
  if (EditPointParam(info, QStringLiteral("缺省点参数"), &v) != 1) return;
  // The fields shown were those of the chosen kind, so the record stays that kind's.
  info.setKind(static_cast<uint8_t>(kind));
  BasSetDefaultPointParam(info);
}
void DefautLineParm(CGisEditView& v) {
  LIN_INFO info = *BasGetDefaultLineParam(0);
  if (EditLineParam(info, QStringLiteral("缺省线参数"), &v) == 1) BasSetDefaultLineParam(info);
}
void DefautRegParm(CGisEditView& v) {
  REG_INFO info = *BasGetDefaultRegionParam(0);
  if (EditRegionParam(info, QStringLiteral("缺省区参数"), &v) == 1) BasSetDefaultRegionParam(info);
}

void EditPntAttStru(CGisEditView& v) { EditAttributeStructure(v.GetCurrentPntArea(), kPointEntity, QStringLiteral("点属性结构"), &v); }
void EditLineAttStru(CGisEditView& v) { EditAttributeStructure(v.GetCurrentLinArea(), kLineEntity, QStringLiteral("线属性结构"), &v); }
void EditRegAttStru(CGisEditView& v) { EditAttributeStructure(v.GetCurrentRegArea(), kRegionEntity, QStringLiteral("区属性结构"), &v); }

// ---- layers

void ChangeCurLay(CGisEditView& v) {
  double layer = v.GetCurLayer();
  if (AskNumber(QStringLiteral("改当前层"), QStringLiteral("图层号:"), &layer, 0))
    v.ChangeCurLay(static_cast<int16_t>(std::clamp(layer, -32768.0, 32767.0)));
}

template <int (CGisEditView::*Change)(int16_t)>
void ToCurrentLayer(CGisEditView& view, const Picked& picked) {
  view.AddToPool(picked.data(), static_cast<int>(picked.size()));
  (view.*Change)(view.GetCurLayer());
  view.ClearPool();
}
void ChangeLinLay(CGisEditView& v) { InstallPick(v, 465, Kinds::kPickLines, "当前状态: 改线图层", ToCurrentLayer<&CGisEditView::ChangeLinLay>); }
void ChangeRegLay(CGisEditView& v) { InstallPick(v, 466, Kinds::kPickRegions, "当前状态: 改区图层", ToCurrentLayer<&CGisEditView::ChangeRegLay>); }
void ChangePntLay(CGisEditView& v) { InstallPick(v, 467, Kinds::kPickPoints, "当前状态: 改点图层", ToCurrentLayer<&CGisEditView::ChangePntLay>); }

void OpenAllLay(CGisEditView& v) {
  for (WorkAreaHandle area : v.ShownAreas()) BasSetLayersOn(area, 1);
  v._UpdateWindow();
}

// Every layer off but the current one, where new entities go.
void CloseAllLay(CGisEditView& v) {
  for (WorkAreaHandle area : v.ShownAreas()) {
    BasSetLayersOn(area, 0);
    BasSetLayerOn(area, v.GetCurLayer(), 1);
  }
  v._UpdateWindow();
}

// ---- information

void ViewMapInfo(CGisEditView& v) {
  static const char* const kKinds[] = {"线", "点", "区"};
  QString text;
  for (WorkAreaHandle area : v.ShownAreas()) {
    const int type = BasGetWorkAreaType(area);
    if (type < 0 || type > 2) continue;
    int32_t live = 0, bound = 0;
    BasGetEntityCount(area, type == kPointArea ? kPointEntity : type == kLineArea ? kLineEntity : kRegionEntity, &live, &bound);
    const QString name = QString::fromStdString(BasGetWorkAreaFileName(area));
    text += QStringLiteral("%1文件 %2: %3 个图元\n").arg(QString::fromUtf8(kKinds[type]), name.isEmpty() ? QStringLiteral("(未命名)") : name).arg(live);
  }
  const D_RECT r = v._GetWinMapRange();
  text += QStringLiteral("范围: %1, %2 - %3, %4").arg(r.xmin, 0, 'f', 3).arg(r.ymin, 0, 'f', 3).arg(r.xmax, 0, 'f', 3).arg(r.ymax, 0, 'f', 3);
  prompt::Message(text, prompt::kOk | prompt::kIconInformation);
}

void EditSystemParm(CGisEditView& v) { v.EditSystemParm(); }

// The map parameters of the current areas, edited once and given to all three.
void EditMapParm(CGisEditView& v) {
  MapParams params;
  bool found = false;
  for (int type : {kLineArea, kPointArea, kRegionArea})
    if (!found && BasGetMapParams(v.GetEditArea(type), &params)) found = true;
  if (!found || EditMapParams(params, QStringLiteral("编辑地图参数"), &v) != 1) return;
  for (int type : {kLineArea, kPointArea, kRegionArea}) BasSetMapParams(v.GetEditArea(type), params);
}

constexpr EditorCommand kCommands[] = {
    {204, "Undo", Undo, CanUndo},
    {439, "Undo", Undo, CanUndo},
    {32771, "OnRestoreWindow", RestoreWindow, nullptr},
    {57337, "OnOpenWindow", OpenWindow, nullptr},
    {57338, "OnReduceWindow", ReduceWindow, nullptr},
    {57342, "OnUpdateWindow", UpdateWindow, nullptr},
    {205, "OnCleanWindow", CleanWindow, nullptr},
    {207, "SelectLine", SelectLine, nullptr},
    {40036, "SelectLine", SelectLine, nullptr},
    {40037, "SelectPoint", SelectPoint, nullptr},
    {40038, "SelectRegion", SelectRegion, nullptr},
    {40039, "SelectGraphics", SelectGraphics, nullptr},
    {412, "MakePoint", MakePoint, nullptr},
    {413, "DeletePoint", DeletePoint, nullptr},
    {414, "MovePoint", MovePointCmd, nullptr},
    {415, "CopyPoint", CopyPoint, nullptr},
    {421, "UpdatePointParm", UpdatePointParm, nullptr},
    {422, "UpdateWord", UpdateWord, nullptr},
    {423, "UpdateAngle", UpdateAngle, nullptr},
    {426, "DefautPointParm", DefautPointParm, nullptr},
    {429, "UpdatePointAtt", UpdatePointAtt, nullptr},
    {40009, "EditPntAttStru", EditPntAttStru, nullptr},
    {32923, "MakeSubGphCur", MakeSubGphCur, nullptr},
    {32958, "MakeNoteCur", MakeNoteCur, nullptr},
    {32933, "MakeCircleOR", MakeCircleOR, nullptr},
    {32935, "MakeArcOR", MakeArcOR, nullptr},
    {336, "MakeLine", MakeLine, nullptr},
    {333, "MoveLine", MoveLineCmd, nullptr},
    {343, "CopyLine", CopyLine, nullptr},
    {346, "DeleteLine", DeleteLine, nullptr},
    {337, "MoveLineDot", MoveLineDotCmd, nullptr},
    {341, "AddLineDot", AddLineDot, nullptr},
    {342, "DelLineDot", DelLineDot, nullptr},
    {345, "ChangeLineDir", ChangeLineDir, nullptr},
    {347, "UpdateLineParm", UpdateLineParm, nullptr},
    {353, "UpdateLineAtt", UpdateLineAtt, nullptr},
    {359, "DefautLineParm", DefautLineParm, nullptr},
    {361, "EditLineAttStru", EditLineAttStru, nullptr},
    {334, "ClipLineHavePoint", ClipLineHavePoint, nullptr},
    {335, "ClipLineNoPoint", ClipLineNoPoint, nullptr},
    {338, "ChainLine", ChainLine0, nullptr},
    {33389, "ChainLine", ChainLine1, nullptr},
    {33063, "ClipIntersectLin", ClipIntersectLin1, nullptr},
    {33062, "ClipIntersectLin", ClipIntersectLin0, nullptr},
    {377, "MakeRegion", MakeRegion, nullptr},
    {379, "UpdateRegionParm", UpdateRegionParm, nullptr},
    {390, "DeleteRegion", DeleteRegion, nullptr},
    {392, "UpdateRegionAtt", UpdateRegionAtt, nullptr},
    {399, "DefautRegParm", DefautRegParm, nullptr},
    {407, "CopyRegion", CopyRegion, nullptr},
    {40011, "EditRegAttStru", EditRegAttStru, nullptr},
    {477, "ChangeCurLay", ChangeCurLay, nullptr},
    {465, "ChangeLinLay", ChangeLinLay, nullptr},
    {466, "ChangeRegLay", ChangeRegLay, nullptr},
    {467, "ChangePntLay", ChangePntLay, nullptr},
    {474, "OpenAllLay", OpenAllLay, nullptr},
    {475, "CloseAllLay", CloseAllLay, nullptr},
    {443, "ViewMapInfo", ViewMapInfo, nullptr},
    {33146, "ViewElementParam", ViewElementParam, nullptr},
    {33147, "ViewElementAtt", ViewElementAtt, nullptr},
    {447, "EditSystemParm", EditSystemParm, nullptr},
    {319, "EditMapParm", EditMapParm, nullptr},
    {442, "MoveGraph", MoveGraphCmd, nullptr},
};

}  // namespace

std::span<const EditorCommand> EditorCommands() { return kCommands; }

void ChainLine(CGisEditView& view, int arcs) {
  view.SetExtTool(new MultiClickTool(&view, arcs ? 33389 : 338, 2, arcs ? "当前状态: 联接弧段" : "当前状态: 联接线",
                                     [arcs](CGisEditView& v, const std::vector<D_DOT>& p) {
                                       const WorkAreaHandle area = arcs ? v.GetCurrentRegArea() : v.GetCurrentLinArea();
                                       const int32_t a = LineAtClick(v, area, p[0]), b = LineAtClick(v, area, p[1]);
                                       if (a && b) ChainLines(v.GetUndo(), area, a, b);
                                     }));
}

void ClipIntersectLin(CGisEditView& view, int cutMother) {
  view.SetExtTool(new ClickTool(&view, cutMother ? 33063 : 33062, "当前状态: 剪断相交线",
                                [cutMother](CGisEditView& v, const D_DOT& at, CPoint) {
                                  const WorkAreaHandle area = v.GetCurrentLinArea();
                                  if (const int32_t line = LineAtClick(v, area, at))
                                    ClipAtIntersections(v.GetUndo(), area, line, cutMother != 0);
                                }));
}

const EditorCommand* FindEditorCommand(int id) {
  const auto it = std::find_if(std::begin(kCommands), std::end(kCommands), [id](const EditorCommand& c) { return c.id == id; });
  return it == std::end(kCommands) ? nullptr : &*it;
}

bool IsEditorCommandEnabled(const CGisEditView& view, int id) {
  const EditorCommand* command = FindEditorCommand(id);
  return command && (!command->enabled || command->enabled(view));
}

bool RunEditorCommand(CGisEditView& view, int id) {
  if (!IsEditorCommandEnabled(view, id)) return false;
  const EditorCommand* command = FindEditorCommand(id);
  view.RunCommand([&] { command->run(view); });
  return true;
}

}  // namespace zv::editor
