#pragma once
// The small questions the editor's commands ask (a text, a number), through
// the prompts seam. False when the user cancels.

#include <QString>

namespace zv::editor {

bool AskText(const QString& title, const QString& label, QString* text);
bool AskNumber(const QString& title, const QString& label, double* value, int decimals = 6);

}  // namespace zv::editor
