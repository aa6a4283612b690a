#pragma once
// The one seam through which the program asks the user anything modal. The
// program installs QtPrompts; tests install ScriptedPrompts, which answers by
// script and records what was asked, so no test ever blocks on a window.

#include <QPointer>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <memory>

class QDialog;

namespace zv::prompt {

// Message box styles and answers, with the values the program's callers use.
enum Style : unsigned {
  kOk = 0x0,
  kOkCancel = 0x1,
  kYesNoCancel = 0x3,
  kYesNo = 0x4,
  kRetryCancel = 0x5,
  kButtonsMask = 0xF,
  kIconStop = 0x10,
  kIconQuestion = 0x20,
  kIconWarning = 0x30,
  kIconInformation = 0x40,
  kIconMask = 0xF0,
  kDefaultButton2 = 0x100,  // the second button is the default (No of Yes/No/Cancel)
};

enum Answer : int { kAnswerOk = 1, kAnswerCancel = 2, kAnswerRetry = 4, kAnswerYes = 6, kAnswerNo = 7 };

// A file picker as the program asks for it. `filter` is in the form
// "Data Files(*.MDB)|*.MDB|All Files(*.*)|*.*||".
struct FileRequest {
  QString title;
  QString folder;
  QString fileName;
  QString defaultExtension;
  QString filter;
  bool save = false;
  bool multiple = false;
  bool overwritePrompt = false;
};

class Prompts {
 public:
  virtual ~Prompts() = default;
  // A message box; returns the Answer of the button taken.
  virtual int Message(const QString& text, const QString& caption, unsigned style) = 0;
  // Chosen paths; empty when cancelled.
  virtual QStringList ChooseFiles(const FileRequest& request) = 0;
  // A chosen folder; empty when cancelled.
  virtual QString ChooseFolder(const QString& title, const QString& initialFolder) = 0;
  // Runs a modal dialog; QDialog::Accepted or QDialog::Rejected.
  virtual int Exec(QDialog& dialog) = 0;
};

// The installed seam (QtPrompts until another is installed).
Prompts& Current();

// Installs a seam and returns the previous one.
std::unique_ptr<Prompts> Install(std::unique_ptr<Prompts> prompts);

// Message box with the program's caption.
int Message(const QString& text, unsigned style = kOk, const QString& caption = QString());

// One file to open or save; empty when cancelled.
QString ChooseFile(const FileRequest& request);

// The program's main window, parent of its dialogs; null before it exists.
void SetMainWindow(QWidget* window);
QWidget* GetMainWnd();

}  // namespace zv::prompt
