#pragma once
// CHatchLibDlg: the modal dialog 280 "花纹库设定" in which the user picks a
// hatch pattern and how to draw it, before the pattern fill commands hatch
// regions or closed lines. Two sources: hatch-pattern files in one folder
// ("AutoCAD图案库") and pattern libraries in another ("MapGis 图案库"). The
// chosen pattern is previewed over a sample outline in an embedded
// CPatternView; a pattern too dense to draw is said beside the preview.
//
// The caller builds the dialog, may set m_nFillColor, runs DoModal and, on
// OK, reads the members below. The settings persist in "HWOption.sec",
// written only on OK. Controls are named "control<id>" by their dialog ids.

#include <QDialog>
#include <string>

#include "panels/core/hatch_preview.h"

class QButtonGroup;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;

namespace zv::panels {

class CPatternView;

class CHatchLibDlg : public QDialog {
  Q_OBJECT

 public:
  explicit CHatchLibDlg(QWidget* parent = nullptr);
  ~CHatchLibDlg() override;

  // Loads the options, builds the preview and lists the current source, then
  // runs the dialog through the prompts seam; QDialog::Accepted or Rejected.
  int DoModal();
  // The first half of DoModal, for callers that show the dialog themselves.
  void OnInitDialog();

  double m_dEndAngle = 34.0;
  double m_dAngle = 0.0;
  int m_nPatternColor = 1;
  std::string m_strAcadFolder;
  int m_nFillColor = 9;
  double m_dStartAngle = 23.0;
  double m_dScaleY = 5.0;
  float m_fLineWidth = 0.05f;
  double m_dScaleX = 5.0;
  std::string m_strLibFolder;
  std::string m_strFindText;
  int m_nPatternSource = 1;  // 1 hatch-pattern files, 0 pattern libraries
  int m_nAngleKind = 1;      // 1 single angle, 0 gradient
  std::string m_strPatternFile;
  std::string m_strPatternName;
  int m_nPatternIndex = 0;
  // Kept for the fill commands: this program reads every library directly,
  // never through a copy, so it stays 0.
  int m_nPatternExtra = 0;
  bool m_bPreviewShown = false;
  int m_nFileListPos = 0;
  int m_nPatternListPos = 0;

  CPatternView* PreviewView() const { return view_; }
  PreviewAreas PreviewWorkAreas() const { return areas_; }
  // What the last preview left out, as shown beside it.
  QString PreviewNote() const;

  void accept() override;
  void reject() override;

 private:
  void BuildControls();
  void CreatePreviewView();
  void ShowFields();
  // Reads the edits into the members; a text that is no number keeps its
  // member and, with `report`, is told and stops the reading.
  bool TakeFields(bool report);
  void MarkRadios();
  void EnableFolderControls();

  void OnAcadSource();
  void OnLibSource();
  void OnBrowseFolder(bool acad);
  void OnChangeFolder();
  void ListFiles();
  void LoadPatternNames();
  void PreviewPattern();
  void OnPickColour(int* member);
  void OnChangeYScale();
  void OnChangeParam();
  void OnFind(int direction);
  void OnReset();
  void ReleasePreview();

  std::string SourceFolder() const;
  void SaveOptions();

  CPatternView* view_ = nullptr;
  WorkAreaSetHandle set_ = 0;
  PreviewAreas areas_;
  bool released_ = false;
  bool initialised_ = false;

  QListWidget* files_ = nullptr;
  QListWidget* patterns_ = nullptr;
  QLabel* note_ = nullptr;
  QRadioButton* acadRadio_ = nullptr;
  QRadioButton* libRadio_ = nullptr;
  QRadioButton* singleRadio_ = nullptr;
  QRadioButton* gradientRadio_ = nullptr;
};

}  // namespace zv::panels
