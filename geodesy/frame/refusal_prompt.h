#pragma once
// How the frame dialogs tell a refused value: the message, then the refused
// field takes the focus.

#include <QWidget>

#include "geodesy/frame/frame_values.h"

namespace zv::geodesy {

void TellRefusal(QWidget& dialog, const FrameRefusal& refusal);

}  // namespace zv::geodesy
