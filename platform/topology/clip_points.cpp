// Points are kept or dropped whole, by their position.
#include "platform/topology/clip_copy.h"
#include "platform/topology/clip_outline.h"
#include "platform/topology/topology.h"

namespace zv {

int32_t TopoClipPoints(WorkAreaHandle outline, WorkAreaHandle source, WorkAreaHandle target, double tolerance,
                       int mode) {
  return topo::ClipEach(outline, source, target, tolerance, mode, kPointArea, kPointEntity,
                        [&](const topo::GeosContext&, const topo::ClipOutline& shape, int32_t id) -> int32_t {
                          D_DOT position{};
                          std::string text;
                          PNT_INFO info;
                          if (!BasReadPoint(source, id, &position, &text, &info) || !shape.Keeps(position, tolerance))
                            return 0;
                          const int32_t added = BasAppendPoint(target, position, text, info);
                          if (added == 0) return 0;
                          topo::CopyAttribute(source, kPointEntity, id, target, added);
                          return 1;
                        });
}

}  // namespace zv
