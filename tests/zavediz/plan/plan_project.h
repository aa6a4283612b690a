#pragma once
// The plan the controller tests share: a project in a temporary folder with
// contours every 50 mm from x = 100 (100 m) to x = 250 (130 m), and a view
// showing it one pixel per mm from the origin.

#include <gtest/gtest.h>

#include <QDialog>
#include <QDir>
#include <QLineEdit>
#include <map>
#include <memory>
#include <string>

#include "framework/prompts/scripted_prompts.h"
#include "platform/project/map_project.h"
#include "platform/view/prj_edit_view.h"
#include "tests/support/test_env.h"
#include "tests/zavediz/plan/contour_map.h"
#include "zavediz/plan/plan_section_controller.h"

namespace zv::zavediz::test {

// The project and its contour file; more files go into `Folder()`.
struct ContourProject {
  ContourProject() {
    QDir().mkpath(QString::fromStdString(Folder()));
    project = PrjCreate(0);
    PrjSetPath(project, Folder() + "/plan.mpj");
    contours = PrjGetItemArea(project, PrjAddItem(project, Folder() + "/contours.wl"));
    AddElevationField(contours);
    for (int i = 0; i < 4; ++i) AddContour(contours, {{100.0 + 50 * i, 50}, {100.0 + 50 * i, 250}}, 100 + 10 * i);
  }
  ~ContourProject() { PrjClose(project); }
  static std::string Folder() { return zv::test::TempRoot() + "/plan"; }
  WorkAreaHandle AddFile(const std::string& name) const {
    return PrjGetItemArea(project, PrjAddItem(project, Folder() + "/" + name));
  }

  MapProject* project = nullptr;
  WorkAreaHandle contours = 0;
};

// Shows the project in the view, 400 × 300 pixels, one pixel per mm.
inline void ShowPlan(CPrjEditView& view, MapProject* project) {
  view.resize(400, 300);
  view.show();
  view.SetProject(project);
  WIN_ORG org = view._GetWinDispParam();
  org.x = 0;
  org.y = 0;
  org.scale = 1.0;
  ASSERT_TRUE(view._SetWinDispParam(org));
}

// A controller over the contour plan shown in a view, with the answers of
// its dialogs scripted.
class PlanControllerTest : public testing::Test {
 public:
  void SetUp() override {
    ShowPlan(view_, plan_.project);
    controller_ = std::make_unique<PlanSectionController>(view_, data_);
  }
  void TearDown() override {
    controller_.reset();
    view_.SetProject(nullptr);
  }
  std::string Names() const { return test::Names(data_.terrain); }

  ContourProject plan_;
  CPrjEditView view_;
  SectionData data_;
  std::unique_ptr<PlanSectionController> controller_;
  prompt::ScopedScriptedPrompts script_;
};

// The title-block dialog: `fields` (control name → text) read as shown, then
// OK or cancel.
inline void AnswerHeader(prompt::ScriptedPrompts& script, std::map<QString, QString>* fields, bool ok = true) {
  script.AnswerDialog([fields, ok](QDialog& d) {
    if (fields)
      for (auto& [name, value] : *fields) value = d.findChild<QLineEdit*>(name)->text();
    if (!ok) return static_cast<int>(QDialog::Rejected);
    d.accept();
    return -1;
  });
}

}  // namespace zv::zavediz::test
