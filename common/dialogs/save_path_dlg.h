#pragma once
// CSavePathDlg "设置保存路径": asks for the folder to save into and a file
// name. The folder starts as the user's documents folder (home when there is
// none), the name as "未定名". "浏览路径" picks a folder. OK closes only when
// the folder is absolute and exists or can be created (created at once, with
// every missing parent); otherwise a message says what is wrong and the
// dialog stays open (folder_path.h). With SetMode(0) the name is greyed and
// comes back unchanged.

#include <QDialog>
#include <QString>

class QLineEdit;

namespace zv {

class CSavePathDlg : public QDialog {
  Q_OBJECT

 public:
  explicit CSavePathDlg(QWidget* parent = nullptr);

  void SetFolder(const QString& folder) { folder_ = folder; }
  void SetFileName(const QString& name) { fileName_ = name; }
  // 0 greys the file name; anything else lets the user type it.
  void SetMode(int fileNameEnabled) { fileNameEnabled_ = fileNameEnabled; }

  // After OK: the folder as typed or picked, and the file name.
  QString Folder() const { return folder_; }
  QString FileName() const { return fileName_; }

  // Shows the current values and runs the dialog through the prompts seam;
  // QDialog::Accepted or Rejected.
  int DoModal();

  void accept() override;

  // The folder the dialog starts with.
  static QString DefaultFolder();

 private:
  void Browse();

  QString folder_;
  QString fileName_;
  int fileNameEnabled_ = 1;
  QLineEdit* folderEdit_;
  QLineEdit* nameEdit_;
};

}  // namespace zv
