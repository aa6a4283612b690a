#pragma once
// Choosing a layer number: a small dialog with the number to change, run
// through the prompts seam. The spin box is named "layer".

#include <QString>
#include <QWidget>
#include <cstdint>

namespace zv {

// 1 and the new layer in `layer` after OK; 0 and `layer` unchanged when the
// user cancels.
int BasSelectLayer(const QString& title, int16_t* layer, QWidget* parent = nullptr);

}  // namespace zv
