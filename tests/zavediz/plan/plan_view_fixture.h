#pragma once
// The running program with the sample plan open in its project editing view:
// mouse events at map points, the view at scale 1 from the origin, and the
// header and field answers of a first section line.

#include <QDialog>
#include <QLineEdit>
#include <QMouseEvent>

#include "framework/docview/doc_template.h"
#include "framework/docview/view.h"
#include "platform/view/prj_edit_view.h"
#include "tests/app/app_fixture.h"

namespace zv::zavediz::test {

class PlanViewTest : public zv::test::SampleAppTest {
 protected:
  void Mouse(QEvent::Type type, D_DOT at, Qt::MouseButtons buttons) {
    const CPoint p = view_->_LpToWp(at);
    QMouseEvent event(type, QPointF(p.x, p.y), view_->mapToGlobal(QPointF(p.x, p.y)), Qt::LeftButton, buttons,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(view_, &event);
  }
  // Opens the sample plan; its view shows map units as pixels from (0, 0).
  CZavedizDoc* OpenPlan() {
    CZavedizDoc* plan = Open(File("HILLS.MPJ"));
    if (plan == nullptr) return nullptr;
    view_ = dynamic_cast<CPrjEditView*>(plan->GetFirstView()->Widget());
    view_->resize(400, 300);
    WIN_ORG org = view_->_GetWinDispParam();
    org.x = 0;
    org.y = 0;
    org.scale = 1.0;
    view_->_SetWinDispParam(org);
    return plan;
  }
  // The title-block dialog at 1:10,000 for both scales, then the elevation
  // field chooser's first offer.
  void AnswerHeaderAndField() {
    script_->AnswerDialog([](QDialog& d) {
      d.findChild<QLineEdit*>("topographicScale")->setText("10000");
      d.findChild<QLineEdit*>("sectionScale")->setText("10000");
      d.accept();
      return -1;
    });
  }
  void AnswerField() {
    script_->AnswerDialog([](QDialog& d) {
      d.accept();  // the field chooser offers "高程" first
      return -1;
    });
  }

  // The view of the section document opened last (by 图切剖面).
  CGisEditView* NewestSectionView() {
    const auto docs = app_->ZavedizTemplate()->Documents();
    docview::CDocument* doc = docs.empty() ? nullptr : docs.back();
    return doc && doc->GetFirstView() ? dynamic_cast<CGisEditView*>(doc->GetFirstView()->Widget()) : nullptr;
  }

  CPrjEditView* view_ = nullptr;
};

}  // namespace zv::zavediz::test
