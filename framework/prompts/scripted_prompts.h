#pragma once
// The seam in tests: answers come from a script queued beforehand, and every
// question is recorded. A question with no answer queued gets the default
// (the default button of a message box; cancel for pickers and dialogs).

#include <QString>
#include <QStringList>
#include <deque>
#include <functional>
#include <variant>
#include <vector>

#include "framework/prompts/prompts.h"

namespace zv::prompt {

class ScriptedPrompts : public Prompts {
 public:
  enum class Kind { Message, Files, Folder, Dialog };

  struct Asked {
    Kind kind;
    QString text;     // message text, picker title, or dialog window title
    QString caption;  // message caption
    unsigned style = 0;
    FileRequest files;
  };

  // Fills or checks a dialog and returns QDialog::Accepted or Rejected. It
  // may press the dialog's own buttons; Exec then returns the dialog's result
  // when the script returns -1.
  using DialogScript = std::function<int(QDialog&)>;

  void AnswerMessage(int answer) { answers_.emplace_back(answer); }
  void AnswerFiles(QStringList paths) { answers_.emplace_back(std::move(paths)); }
  void AnswerFolder(QString folder) { answers_.emplace_back(std::move(folder)); }
  void AnswerDialog(DialogScript script) { answers_.emplace_back(std::move(script)); }

  const std::vector<Asked>& asked() const { return asked_; }
  std::vector<QString> Messages() const;
  int PendingAnswers() const { return static_cast<int>(answers_.size()); }

  int Message(const QString& text, const QString& caption, unsigned style) override;
  QStringList ChooseFiles(const FileRequest& request) override;
  QString ChooseFolder(const QString& title, const QString& initialFolder) override;
  int Exec(QDialog& dialog) override;

 private:
  using AnswerValue = std::variant<int, QStringList, QString, DialogScript>;
  template <typename T>
  bool Take(T& out);

  std::deque<AnswerValue> answers_;
  std::vector<Asked> asked_;
};

// Installs a ScriptedPrompts for the lifetime of the guard and puts the
// previous seam back afterwards.
class ScopedScriptedPrompts {
 public:
  ScopedScriptedPrompts();
  ~ScopedScriptedPrompts();
  ScopedScriptedPrompts(const ScopedScriptedPrompts&) = delete;
  ScopedScriptedPrompts& operator=(const ScopedScriptedPrompts&) = delete;
  ScriptedPrompts* operator->() { return script_; }
  ScriptedPrompts& operator*() { return *script_; }

 private:
  ScriptedPrompts* script_;
  std::unique_ptr<Prompts> previous_;
};

}  // namespace zv::prompt
