#include "views/tool_view_edit.h"

#include "app/app_settings.h"
#include "platform/data/geometry.h"
#include "platform/editors/attribute_editor.h"
#include "platform/editors/nearest.h"
#include "platform/editors/param_editor.h"

namespace zv {
namespace {

constexpr double kLinePixels = 2.0;
constexpr int kPolylineCommand = 32940;
constexpr int kDrawRegionCommand = 33428;
constexpr int16_t kEditSubGraphMode = 117;

struct EditTitles {
  const char* parameters;
  const char* attributes;
};
// By entity type: line, point, region.
constexpr EditTitles kTitles[] = {{"修改线参数", "修改线属性"}, {"修改点参数", "修改点属性"}, {"修改区参数", "修改区属性"}};

// Runs an editor of the entity's parameters: the record read, edited and
// written back as one undo step, then made the default. 2 when cancelled.
template <class Info>
int EditParameters(CGisEditView& view, const ENTITY_MSG& e, int (*read)(WorkAreaHandle, int32_t, Info*),
                   int (*edit)(Info&, const QString&, QWidget*), int (*write)(WorkAreaHandle, int32_t, const Info&),
                   void (*makeDefault)(const Info&)) {
  Info info;
  if (!read(e.area, e.id, &info)) return 2;
  const int result = edit(info, QString::fromUtf8(kTitles[e.type].parameters), &view);
  if (result == 2) return 2;
  view.RunCommand([&] {
    view.GetUndo().PushList(e.area, e.type, &e.id, 1, GisUndo::kChanged);
    write(e.area, e.id, info);
  });
  makeDefault(info);
  view._UpdateWindow();
  return result;
}

void DefaultPoint(const PNT_INFO& info) { BasSetDefaultPointParam(info); }

int EditEntityParameters(CGisEditView& view, const ENTITY_MSG& e) {
  switch (e.type) {
    case kPointEntity: return EditParameters<PNT_INFO>(view, e, BasReadPointParam, EditPointParam, BasWritePointParam, DefaultPoint);
    case kLineEntity: return EditParameters<LIN_INFO>(view, e, BasReadLineParam, EditLineParam, BasWriteLineParam, BasSetDefaultLineParam);
    default: return EditParameters<REG_INFO>(view, e, BasReadRegionParam, EditRegionParam, BasWriteRegionParam, BasSetDefaultRegionParam);
  }
}

// The attribute editor writes the record itself; the step that undoes it
// is recorded with the record as it was before.
void EditEntityAttributes(CGisEditView& view, const ENTITY_MSG& e) {
  AttributeRecord before;
  const bool hadRecord = BasReadAttribute(e.area, e.type, e.id, &before) != 0;
  if (EditEntityAttribute(e.area, e.type, e.id, QString::fromUtf8(kTitles[e.type].attributes), &view) != 1) return;
  AttributeRecord after;
  if (!hadRecord || !BasReadAttribute(e.area, e.type, e.id, &after) || after.bytes == before.bytes) return;
  BasWriteAttribute(e.area, e.type, e.id, before);
  view.RunCommand([&] {
    view.GetUndo().PushList(e.area, e.type, &e.id, 1, GisUndo::kChanged);
    BasWriteAttribute(e.area, e.type, e.id, after);
  });
}

}  // namespace

DoubleClickChoice ChooseDoubleClickEntity(const ToolViewShared& tv, const D_DOT& at, double lineWithin) {
  for (WorkAreaHandle area : tv.AreasOfType(kPointArea)) {
    D_RECT rect{};
    if (const NearestHit hit = NearestPoint(area, at); hit && BasGetPointRect(area, hit.id, &rect) && BasPointInRect(rect, at))
      return {ENTITY_MSG{area, kPointEntity, hit.id}};
  }
  bool farLine = false;
  for (WorkAreaHandle area : tv.AreasOfType(kLineArea)) {
    const NearestHit hit = NearestLine(area, at);
    if (hit && hit.distance <= lineWithin) return {ENTITY_MSG{area, kLineEntity, hit.id}};
    farLine = farLine || hit;
  }
  for (WorkAreaHandle area : tv.AreasOfType(kRegionArea))
    if (const int32_t region = RegionContaining(area, at)) return {ENTITY_MSG{area, kRegionEntity, region}};
  return {std::nullopt, farLine};
}

bool ToolViewLButtonDblClk(ToolViewShared& tv, unsigned flags, CPoint point) {
  if (Settings().leftDoubleDown == 0) return true;
  CGisEditView& view = tv.View();
  view.CancelInterActive();
  const bool attributes = flags == (MK_LBUTTON | MK_CONTROL);
  const DoubleClickChoice choice = ChooseDoubleClickEntity(tv, view._WpToLp(point), kLinePixels / view._GetWinDispRate());
  if (choice.silent) return false;
  if (!choice.entity) return true;
  if (attributes) {
    EditEntityAttributes(view, *choice.entity);
    return true;
  }
  return EditEntityParameters(view, *choice.entity) != 2;
}

void EditPickedEntity(ToolViewShared& tv) {
  CGisEditView& view = tv.View();
  if (view.PoolCount() == 0 || !BasIsWorkAreaValid(view.Pool()[0].area)) return;
  const ENTITY_MSG e = view.Pool()[0];
  switch (e.type) {
    case kPointEntity: {
      PNT_INFO info;
      if (!BasReadPointParam(e.area, e.id, &info)) return;
      BasSetDefaultPointParam(info);
      if (info.kind() == 1) StartEditAid(tv, kEditSubGraphMode, true, 1);
      return;
    }
    case kLineEntity: {
      LIN_INFO info;
      if (!BasReadLineParam(e.area, e.id, &info)) return;
      BasSetDefaultLineParam(info);
      RunToolViewCommand(tv, kPolylineCommand);
      return;
    }
    case kRegionEntity: {
      REG_INFO info;
      if (!BasReadRegionParam(e.area, e.id, &info)) return;
      BasSetDefaultRegionParam(info);
      RunToolViewCommand(tv, kDrawRegionCommand);
      return;
    }
  }
}

}  // namespace zv
