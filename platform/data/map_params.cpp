#include "platform/data/map_params.h"

namespace zv {

MapParams DefaultMapParams() {
  MapParams params;
  params.setCoordKind(0);
  params.setUnit(1);
  params.setScale(1.0);
  params.Set(mapp::kParamXFactor, 1.0);
  params.Set(mapp::kParamYFactor, 1.0);
  return params;
}

}  // namespace zv
