// The modal dialog "多层B-Spline参数设置" that asks for the six parameters of
// a multilevel B-spline fit.
#ifndef ZEMBROL_BSPLINE_PARA_DLG_H
#define ZEMBROL_BSPLINE_PARA_DLG_H

#include <QDialog>
#include <QStringList>
#include <functional>

#include "mba/bspline_para_values.h"
#include "mba/zembrol_api.h"

class QCheckBox;
class QLineEdit;
class QPushButton;

class ZEMBROL_API CBSplineParaDlg : public QDialog {
  Q_OBJECT

 public:
  // Runs a dialog that is already showing in place of a user (tests).
  using Driver = std::function<void(CBSplineParaDlg&)>;

  explicit CBSplineParaDlg(QWidget* parent = nullptr);

  // Shows the dialog modally. With a driver set, the driver gets the running
  // dialog, messages are kept in Messages() instead of shown in a box, and a
  // dialog the driver leaves open is cancelled, so nothing ever waits.
  int RunModal();

  // Sets the driver for every dialog run from now on; an empty one restores
  // the user.
  static void SetTestDriver(Driver driver);

  // Checks the fields; on success keeps the values and closes with OK, else
  // tells the user, selects the field in error and stays open.
  void OnOK();
  // Closes without keeping anything.
  void OnCancel();

  // The values accepted by OK.
  const zembrol::BSplineParameters& Values() const { return values; }

  QLineEdit* LevelsEdit() const { return levelsEdit; }
  QLineEdit* MEdit() const { return mEdit; }
  QLineEdit* NEdit() const { return nEdit; }
  QCheckBox* CalcInvalidCheck() const { return calcInvalidCheck; }
  QLineEdit* InitMEdit() const { return initMEdit; }
  QLineEdit* InitNEdit() const { return initNEdit; }
  QPushButton* OkButton() const { return okButton; }
  QPushButton* CancelButton() const { return cancelButton; }
  const QStringList& Messages() const { return messages; }

 private:
  void ShowValues(const zembrol::BSplineParameters& shown);
  QLineEdit* EditOf(zembrol::ParaField field) const;
  void Tell(const QString& message);

  static Driver& TestDriver();

  zembrol::BSplineParameters values;
  QLineEdit* levelsEdit;
  QLineEdit* mEdit;
  QLineEdit* nEdit;
  QCheckBox* calcInvalidCheck;
  QLineEdit* initMEdit;
  QLineEdit* initNEdit;
  QPushButton* okButton;
  QPushButton* cancelButton;
  QStringList messages;
};

#endif  // ZEMBROL_BSPLINE_PARA_DLG_H
