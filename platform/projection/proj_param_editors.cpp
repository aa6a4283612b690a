#include "platform/projection/proj_param_editors.h"

#include "platform/editors/param_editor.h"

namespace zv {

int ProjEditAngleParams(ProjParams& params, QWidget* parent) {
  return EditMapParams(params.angle, QStringLiteral("角度单位"), parent);
}

int ProjEditMapParams(ProjParams& params, QWidget* parent) {
  return EditMapParams(params.map, QStringLiteral("投影参数"), parent);
}

}  // namespace zv
