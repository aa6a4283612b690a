#pragma once

#include "framework/prompts/prompts.h"

namespace zv::prompt {

// The seam in the running program: Qt's message boxes and pickers.
class QtPrompts : public Prompts {
 public:
  int Message(const QString& text, const QString& caption, unsigned style) override;
  QStringList ChooseFiles(const FileRequest& request) override;
  QString ChooseFolder(const QString& title, const QString& initialFolder) override;
  int Exec(QDialog& dialog) override;
};

}  // namespace zv::prompt
