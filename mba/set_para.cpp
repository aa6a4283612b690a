#include <QApplication>

#include "mba/bspline_para_dlg.h"
#include "mba/zembrol.h"

int32_t CMutilBSplineObj::SetMultiBSplinePara(int& levels, int32_t& m, int32_t& n, int& calcInvalid, int32_t& initM,
                                              int32_t& initN) {
  // A client without a running widget application cannot show the dialog.
  if (qobject_cast<QApplication*>(QCoreApplication::instance()) == nullptr) {
    return 0;
  }
  CBSplineParaDlg dialog(QApplication::activeWindow());
  if (dialog.RunModal() != QDialog::Accepted) {
    return 0;
  }
  const zembrol::BSplineParameters& chosen = dialog.Values();
  levels = chosen.levels;
  m = chosen.m;
  n = chosen.n;
  calcInvalid = chosen.calcInvalid ? 1 : 0;
  initM = chosen.initM;
  initN = chosen.initN;
  return 1;
}
