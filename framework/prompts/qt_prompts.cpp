#include "framework/prompts/qt_prompts.h"

#include <QDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

#include "framework/prompts/file_filter.h"

namespace zv::prompt {
namespace {

struct ButtonSet {
  QMessageBox::StandardButtons buttons;
  QMessageBox::StandardButton defaultButton;
};

ButtonSet ButtonsFor(unsigned style) {
  switch (style & kButtonsMask) {
    case kOkCancel: return {QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Ok};
    case kYesNoCancel: return {QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes};
    case kYesNo: return {QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes};
    case kRetryCancel: return {QMessageBox::Retry | QMessageBox::Cancel, QMessageBox::Retry};
    default: return {QMessageBox::Ok, QMessageBox::Ok};
  }
}

QMessageBox::Icon IconFor(unsigned style) {
  switch (style & kIconMask) {
    case kIconStop: return QMessageBox::Critical;
    case kIconQuestion: return QMessageBox::Question;
    case kIconWarning: return QMessageBox::Warning;
    case kIconInformation: return QMessageBox::Information;
    default: return (style & kButtonsMask) == kOk ? QMessageBox::Warning : QMessageBox::Question;
  }
}

int AnswerFor(int button) {
  switch (button) {
    case QMessageBox::Cancel: return kAnswerCancel;
    case QMessageBox::Yes: return kAnswerYes;
    case QMessageBox::No: return kAnswerNo;
    case QMessageBox::Retry: return kAnswerRetry;
    default: return kAnswerOk;
  }
}

}  // namespace

int QtPrompts::Message(const QString& text, const QString& caption, unsigned style) {
  const ButtonSet set = ButtonsFor(style);
  QMessageBox box(IconFor(style), caption, text, set.buttons, GetMainWnd());
  QMessageBox::StandardButton defaultButton = set.defaultButton;
  if (style & kDefaultButton2) {
    for (QMessageBox::StandardButton b : {QMessageBox::No, QMessageBox::Cancel})
      if (set.buttons & b) {
        defaultButton = b;
        break;
      }
  }
  box.setDefaultButton(defaultButton);
  const int button = box.exec();
  // Closing the box counts as its escape button, as on the original system.
  if (button == QMessageBox::NoButton) return (set.buttons & QMessageBox::Cancel) ? kAnswerCancel : kAnswerOk;
  return AnswerFor(button);
}

QStringList QtPrompts::ChooseFiles(const FileRequest& request) {
  QFileDialog dialog(GetMainWnd(), request.title, request.folder, ToQtFilter(request.filter));
  dialog.setAcceptMode(request.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog.setFileMode(request.save ? QFileDialog::AnyFile
                                  : (request.multiple ? QFileDialog::ExistingFiles : QFileDialog::ExistingFile));
  if (!request.overwritePrompt) dialog.setOption(QFileDialog::DontConfirmOverwrite);
  QString suffix = request.defaultExtension;
  suffix.remove(QStringLiteral("*.")).remove(QLatin1Char('.'));
  if (!suffix.isEmpty()) dialog.setDefaultSuffix(suffix);
  if (!request.fileName.isEmpty()) dialog.selectFile(request.fileName);
  if (dialog.exec() != QDialog::Accepted) return {};
  return dialog.selectedFiles();
}

QString QtPrompts::ChooseFolder(const QString& title, const QString& initialFolder) {
  return QFileDialog::getExistingDirectory(GetMainWnd(), title, initialFolder);
}

int QtPrompts::Exec(QDialog& dialog) { return dialog.exec(); }

}  // namespace zv::prompt
