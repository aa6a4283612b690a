#pragma once
// The small questions the editor's commands ask (a text, a number), through
// the prompts seam. False when the user cancels.

#include <QString>
#include <QStringList>

namespace zv::editor {

bool AskText(const QString& title, const QString& label, QString* text);
bool AskNumber(const QString& title, const QString& label, double* value, int decimals = 6);
// One of `choices`; `index` holds the one shown first and the one chosen.
bool AskChoice(const QString& title, const QString& label, const QStringList& choices, int* index);

}  // namespace zv::editor
