#pragma once
// "表达式输入": composes an attribute expression over the fields of one of the
// work areas handed in, or asks for a text replacement in one field.
//
// The expression edit starts as the first result field followed by "=";
// choosing another file resets it to "=", another result field to that
// field's name and "="; a click in the field list appends the field's name,
// an operator button its text. "文字替换" switches between the expression
// (expression, abnormal value and field list enabled) and the replacement
// (find and replace texts enabled). OK refuses an abnormal value that is no
// number. Controls carry "control<id>": 1160 expression, 1156 field list,
// 1157 files, 1158 result field, 1159 abnormal value, 1218 "文字替换",
// 1219 find, 1220 replace, 1155 and 1202–1215 the operators.
#include <QDialog>
#include <string>
#include <vector>

#include "annotation/core/expression_areas.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QListWidget;

namespace zv::annot {

struct ExpressionChoice {
  WorkAreaHandle area = 0;
  bool replace = false;
  std::string expression;
  double abnormal = 0.0;
  std::string field;  // the result field, also the field of a replacement
  std::string find;
  std::string replacement;
};

class CExpressionDlg : public QDialog {
  Q_OBJECT
 public:
  explicit CExpressionDlg(const std::vector<WorkAreaHandle>& areas, QWidget* parent = nullptr);

  // After OK.
  const ExpressionChoice& choice() const { return choice_; }

  void accept() override;

 private:
  void ChooseFile(int index);
  void Append(const QString& text);
  void SwitchReplace();

  std::vector<OfferedArea> areas_;
  ExpressionChoice choice_;
  QLineEdit* expression_;
  QListWidget* fields_;
  QComboBox* files_;
  QComboBox* result_;
  QLineEdit* abnormal_;
  QCheckBox* replace_;
  QLineEdit* find_;
  QLineEdit* replacement_;
};

}  // namespace zv::annot
