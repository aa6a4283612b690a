#pragma once
// The section-line commands of the plan view and the mouse steps behind
// them, kept out of the view: the view owns one controller, calls its
// commands from its command table, hands it each mouse event before the
// platform's own handler (the controller acts by the view's command flag),
// routes plan requests 4, 5 and 6 to OnPlanRequest and draws the overlay
// from its own drawing.
//
// Command flags: 1224 drawing a line for contour elevations, 1225 tracing
// the section line, 1227 idle, 1232/1233 picking the start/end of dialog
// 192, 1237 taking a line, 1238 taking a polyline. Every finished or refused
// step goes back to 1227, except 1224, which stays for the next line.
//
// Messages go through the prompts seam; the header comes from `HeaderDialog`
// (none when cancelled), by default the title-block dialog with the caller's
// preset texts laid over it.
//
// The survey road (32970, 32801) takes a surveyed exploration line of the
// borehole database as a new straight section line: its header from TPMK00,
// its profile from the stations of TPMK001 (plan_survey_road.cpp). 33622
// takes one from the survey workbook in the running spreadsheet program
// (plan_survey_workbook_road.cpp): its sheet 2 row for the header, its sheet
// 3 rows for the profile, each step attaching afresh.

#include <QPointer>
#include <functional>
#include <map>
#include <optional>

#include "platform/view/prj_edit_view.h"
#include "zavediz/dialogs/title_block_preset.h"
#include "zavediz/plan/contour_elevations.h"
#include "zavediz/plan/plan_section.h"
#include "zavediz/plan/section_geometry.h"
#include "zavediz/section_data/section_data.h"

namespace zv::zavediz {

class CPickTerrainPointDlg;

enum PlanCommandFlag : long {
  kFlagAssignElevations = 1224,
  kFlagTraceSection = 1225,
  kFlagIdle = 1227,
  kFlagDesignBorehole = 1228,
  kFlagDesignTrench = 1229,
  kFlagPickStart = 1232,
  kFlagPickEnd = 1233,
  kFlagTakeLine = 1237,
  kFlagTakePolyline = 1238,
};

inline constexpr long kOverlayColour = 6;

class PlanSectionController {
 public:
  using HeaderDialog = std::function<std::optional<ZavedizHeader>(const std::optional<TitleBlockPreset>& preset)>;
  // Chooses the elevation field among the contours' numeric fields; none
  // when cancelled. The default runs CScaleDlg in its field mode.
  using FieldChooser = ElevationFieldChooser;

  PlanSectionController(CPrjEditView& view, SectionData& data, HeaderDialog headerDialog = nullptr,
                        FieldChooser chooseField = nullptr);
  ~PlanSectionController();
  PlanSectionController(const PlanSectionController&) = delete;
  PlanSectionController& operator=(const PlanSectionController&) = delete;

  // ---- Commands
  void OnTraceSection();         // 32783 拉线读取
  void OnPickSectionPoints();    // 32969 定点读取
  void OnTakeLine();             // 33065 选线读取
  void OnTakePolyline();         // 33192 选折线读取
  void OnVerticalProjection();   // 33203 垂直投影图
  void OnSetTitleBlockData();    // 32781 设置图签数据 (new scales drop the stored line)
  void OnReadSurveyFromDatabase();  // 32970 读取测量数据, 32801 剖面数据采集
  void OnReadSurveyFromWorkbook();  // 33622 读取测量数据 (the survey workbook)
  void OnAutoElevation();        // 32780 自动赋高程
  void OnShowAssignedContours(); // 32792 查看已赋属性线
  void OnRestoreContourColour(); // 32793 恢复线颜色

  // True for the flags whose mouse steps are the controller's.
  static bool IsSectionFlag(long flag) { return StepsFor(flag) != nullptr; }

  // ---- Mouse events in window pixels; true when the flag named a step here.
  bool LButtonDown(unsigned flags, CPoint point);
  bool MouseMove(unsigned flags, CPoint point);
  bool LButtonUp(unsigned flags, CPoint point);

  // ---- Plan requests 4 (pick an end; wParam ≠ 0 the start), 5 (take the
  // dialog's line), 6 (the dialog closed), 13 (the select-after setting that
  // 自动赋高程 put aside comes back).
  void OnPlanRequest(intptr_t code, intptr_t wParam);

  // The stored section line: start → crossings → end in colour 6; the chain
  // is empty while no line is stored.
  void DrawOverlay(KernelDriver& dc) const;
  std::vector<D_DOT> OverlayChain() const;

  const PlanSection& Plan() const { return plan_; }
  // Whether the geology of this section line has been read (cleared by
  // every new line).
  bool& GeologyRead() { return plan_.geologyRead; }
  CPickTerrainPointDlg* PickDialog() const;
  const ElevationRange& Range() const { return range_; }

 private:
  struct MouseSteps;
  static const MouseSteps* StepsFor(long flag);
  bool Dispatch(void (PlanSectionController::*MouseSteps::*which)(unsigned, CPoint), unsigned flags, CPoint point);
  bool EndBand();

  // The preamble of every way of fixing a line; false when the header was
  // asked for and not given.
  bool BeginLine(uint16_t verticalProjection);
  bool AskHeader(const std::optional<TitleBlockPreset>& preset = std::nullopt);
  // The survey road after its new line began; false when it failed or the
  // header was cancelled (told after the step's own message).
  bool ReadSurveyLine();
  // The start and the end of both survey roads: a new straight line, and
  // its geometry once the ground ends and the header are in place.
  void BeginSurveyLine();
  void StoreSurveyLine();
  // The steps of 33622, each attaching to the spreadsheet program afresh:
  // the picked section's sheet row (0 when none), its header (false when the
  // command ends), its points into the profile.
  int PickSurveyZavediz();
  bool ReadSurveyZavedizHeader(int row);
  void ReadSurveyZavedizPoints(int row);
  void StoreLine(const std::vector<D_DOT>& vertices);

  void OnBandDown(unsigned flags, CPoint point);
  void OnBandMove(unsigned flags, CPoint point);
  void OnTraceUp(unsigned flags, CPoint point);
  void OnAssignUp(unsigned flags, CPoint point);
  void OnPickPoint(unsigned flags, CPoint point);
  void OnSelectDown(unsigned flags, CPoint point);
  void OnSelectMove(unsigned flags, CPoint point);
  void OnSelectUp(unsigned flags, CPoint point);
  void TakePickedLine();
  void MarkContours(bool show);

  CPrjEditView& view_;
  SectionData& data_;
  HeaderDialog headerDialog_;
  FieldChooser chooseField_;
  PlanSection plan_;
  QPointer<CPickTerrainPointDlg> pickDialog_;
  // Rubber band, in window pixels.
  bool dragging_ = false;
  bool bandShown_ = false;
  CPoint anchor_{};
  CPoint bandEnd_{};
  ElevationRange range_;
  // By line area: ids are only unique within one, and the current line
  // area may change between marking and restoring.
  std::map<WorkAreaHandle, SavedColours> savedColours_;
  int16_t savedSelectAfter_ = 0;
};

}  // namespace zv::zavediz
