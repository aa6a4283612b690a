#pragma once
// CDlgCvtLib: the modal dialog 317 "系统库转换". It sets a source and a
// target system-library folder side by side and, through a comparison file,
// lists for a chosen library kind the source entries and the target entries
// paired with the one chosen, drawing each chosen entry in its own preview.
// It reads the libraries and the comparison file and writes neither; nothing
// it shows persists after it closes. Controls are named "control<id>".

#include <QDialog>
#include <string>

#include "framework/prompts/prompts.h"
#include "panels/core/library_comparison.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QListWidget;

namespace zv::panels {

class CPatternView;

class CDlgCvtLib : public QDialog {
  Q_OBJECT

 public:
  explicit CDlgCvtLib(QWidget* parent = nullptr);
  ~CDlgCvtLib() override;

  int DoModal();

  CPatternView* SourceView() const { return views_[0]; }
  CPatternView* TargetView() const { return views_[1]; }
  PreviewAreas SourceAreas() const { return areas_[0]; }
  PreviewAreas TargetAreas() const { return areas_[1]; }

  void reject() override;

 private:
  void BuildControls();
  void FillKinds();
  QString Text(int id) const;
  void SetText(int id, const QString& text);
  std::optional<ComparisonFile> ReadComparison() const;

  void OnSelchangeKind();
  void OnSelchangeSource();
  void OnSelchangeTarget();
  void Preview(int side, int folderEdit, const QString& entry);
  void OnBrowse(int folderEdit);
  prompt::FileRequest ComparisonRequest(const QString& title, bool save) const;
  void OnReadComparison();
  void OnChooseComparison();
  void Release();

  CPatternView* views_[2] = {nullptr, nullptr};
  PreviewAreas areas_[2];
  WorkAreaSetHandle set_ = 0;
  bool released_ = false;
  QComboBox* kinds_ = nullptr;
  QListWidget* sources_ = nullptr;
  QListWidget* targets_ = nullptr;
};

// Runs the dialog from a section view's menu.
void RunSystemLibraryComparison();

}  // namespace zv::panels
