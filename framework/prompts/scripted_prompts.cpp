#include "framework/prompts/scripted_prompts.h"

#include <QDialog>
#include <stdexcept>

namespace zv::prompt {

template <typename T>
bool ScriptedPrompts::Take(T& out) {
  if (answers_.empty()) return false;
  if (!std::holds_alternative<T>(answers_.front()))
    throw std::logic_error("scripted prompts: the next answer is for another kind of question");
  out = std::get<T>(std::move(answers_.front()));
  answers_.pop_front();
  return true;
}

std::vector<QString> ScriptedPrompts::Messages() const {
  std::vector<QString> texts;
  for (const Asked& a : asked_)
    if (a.kind == Kind::Message) texts.push_back(a.text);
  return texts;
}

int ScriptedPrompts::Message(const QString& text, const QString& caption, unsigned style) {
  asked_.push_back({Kind::Message, text, caption, style, {}});
  int answer = 0;
  if (Take(answer)) return answer;
  switch (style & kButtonsMask) {
    case kYesNo:
    case kYesNoCancel: return (style & kDefaultButton2) ? kAnswerNo : kAnswerYes;
    case kRetryCancel: return kAnswerRetry;
    default: return kAnswerOk;
  }
}

QStringList ScriptedPrompts::ChooseFiles(const FileRequest& request) {
  asked_.push_back({Kind::Files, request.title, {}, 0, request});
  QStringList paths;
  Take(paths);
  return paths;
}

QString ScriptedPrompts::ChooseFolder(const QString& title, const QString& initialFolder) {
  FileRequest request;
  request.title = title;
  request.folder = initialFolder;
  asked_.push_back({Kind::Folder, title, {}, 0, request});
  QString folder;
  Take(folder);
  return folder;
}

int ScriptedPrompts::Exec(QDialog& dialog) {
  asked_.push_back({Kind::Dialog, dialog.windowTitle(), {}, 0, {}});
  DialogScript script;
  if (!Take(script)) return QDialog::Rejected;
  dialog.setResult(QDialog::Rejected);
  const int result = script(dialog);
  return result == -1 ? dialog.result() : result;
}

ScopedScriptedPrompts::ScopedScriptedPrompts() {
  auto script = std::make_unique<ScriptedPrompts>();
  script_ = script.get();
  previous_ = Install(std::move(script));
}

ScopedScriptedPrompts::~ScopedScriptedPrompts() { Install(std::move(previous_)); }

}  // namespace zv::prompt
