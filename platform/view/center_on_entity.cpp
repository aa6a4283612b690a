#include "platform/view/center_on_entity.h"

#include "platform/view/gis_view.h"

namespace zv {

void CenterOnEntity(CGisView& view, const ENTITY_MSG& entity) {
  using RectReader = int (*)(WorkAreaHandle, int32_t, D_RECT*);
  constexpr RectReader kReaders[] = {BasGetLineRect, BasGetPointRect, BasGetRegionRect};
  if (entity.type < kLineEntity || entity.type > kRegionEntity) return;
  D_RECT rect{};
  if (!kReaders[entity.type](entity.area, entity.id, &rect)) return;
  WIN_ORG org = view._GetWinDispParam();
  org.x = (rect.xmin + rect.xmax) / 2 - org.width / 2;
  org.y = (rect.ymin + rect.ymax) / 2 - org.height / 2;
  view._SetWinDispParam(org);
  view._UpdateWindow();
}

}  // namespace zv
