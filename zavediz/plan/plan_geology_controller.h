#pragma once
// The design and geology commands of the plan view, kept out of the view:
// placing design boreholes (command flag 1228) and trenches (1229) with
// their modeless dialogs 195 and 197, reading where the region work area's
// boundaries cross the section line, and opening the strata list. The view
// owns one controller beside the section-line controller, hands it each
// press while the flag is one of its own, and routes plan requests 7 (store
// a borehole), 8 (placing ends), 9 (store a trench) and 11 (read the
// geology again, from the strata list) to OnPlanRequest.
//
// Messages and questions go through the prompts seam. The strata list is
// reached by posting 0x46D (1, region work area) to its pane entry after
// `showAttributeBar` has shown the bar that holds it.

#include <QPointer>
#include <functional>

#include "platform/view/prj_edit_view.h"
#include "zavediz/plan/design_dialogs.h"
#include "zavediz/plan/design_records.h"
#include "zavediz/section_data/section_data.h"

namespace zv::zavediz {

inline constexpr int kReadGeologyRequest = 11;

class PlanGeologyController {
 public:
  PlanGeologyController(CPrjEditView& view, SectionData& data, bool& geologyRead,
                        std::function<void()> showAttributeBar = nullptr);
  ~PlanGeologyController();
  PlanGeologyController(const PlanGeologyController&) = delete;
  PlanGeologyController& operator=(const PlanGeologyController&) = delete;

  // ---- Commands
  void OnDesignBorehole();  // 32784 设计钻孔
  void OnDesignTrench();    // 32785 设计探槽
  void ReadGeologyInfo();   // 32786 读取地质信息
  void OnSetStrataInfo();   // 32782 设置地层信息

  static bool IsDesignFlag(long flag);
  // A press in window pixels; true when the flag was 1228 or 1229.
  bool LButtonDown(unsigned flags, CPoint point);
  // Plan requests 7, 8, 9 and 11; others are not this controller's.
  void OnPlanRequest(intptr_t code);
  static bool IsGeologyRequest(intptr_t code);

  CBoreholeCollarDlg* BoreholeDialog() const { return boreholeDlg_; }
  CTrenchDlg* TrenchDialog() const { return trenchDlg_; }
  const DesignCursor& Cursor(DesignKind kind) const { return kind == DesignKind::kBorehole ? boreholes_ : trenches_; }

 private:
  void BeginDesign(DesignKind kind);
  template <typename Dialog>
  Dialog* DialogOn(QPointer<Dialog>& dialog);
  void StoreBorehole();
  void StoreTrench();
  void EndDesign();

  CPrjEditView& view_;
  SectionData& data_;
  bool& geologyRead_;
  std::function<void()> showAttributeBar_;
  DesignCursor boreholes_;
  DesignCursor trenches_;
  QPointer<CBoreholeCollarDlg> boreholeDlg_;
  QPointer<CTrenchDlg> trenchDlg_;
};

}  // namespace zv::zavediz
