#pragma once
// The annotation tool: one interactive tool class for the legend, label and
// pattern-fill commands of the "&1辅助工具" menu of both tool views, told
// apart by a signed 16-bit mode (−10 … 9).
//
// What a mode does is one row of the mode table (annot_modes.cpp): the
// routine its constructor runs and the handlers of the four mouse slots and
// of the drawing hook. A missing handler ignores the event. Features add or
// replace the rows of their own modes with SetModeRow, once at start-up;
// a mode without a row (or outside −10 … 9) does nothing in any slot.
//
// Construction reads the view's current point, line and region work areas
// once, in that order; a mode that works again on a later release uses the
// same areas even when the view's current ones changed. A 0 area is tested
// by the mode routines that need it.
//
// After the mode's right-button work, the release goes on to the view's
// SelectAll as 517 while the right-click selection switch ("seclect") is on,
// also when the mode's work stopped or replaced the tool.

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "include/zavediz/records.h"
#include "platform/view/base_gis_tool.h"

namespace zv::annot {

class CSecAnnotTool;

using AnnotRoutine = void (*)(CSecAnnotTool& tool);
using AnnotHandler = void (*)(CSecAnnotTool& tool, unsigned flags, CPoint point);
using AnnotHook = void (*)(CSecAnnotTool& tool, KernelDriver* dc);

struct AnnotModeRow {
  int16_t mode = 0;
  AnnotRoutine start = nullptr;  // run last by the constructor
  AnnotHandler down = nullptr;
  AnnotHandler move = nullptr;
  AnnotHandler up = nullptr;
  AnnotHandler right = nullptr;
  AnnotHook draw = nullptr;
  bool built = false;  // the mode's command may be offered
};

inline constexpr int16_t kFirstAnnotMode = -10;
inline constexpr int16_t kLastAnnotMode = 9;

class CSecAnnotTool : public BaseGisTool {
 public:
  CSecAnnotTool(CGisEditView* view, int16_t mode);
  ~CSecAnnotTool() override;

  int OnLButtonDown(unsigned flags, CPoint point) override;
  void OnMouseMove(unsigned flags, CPoint point) override;
  int OnLButtonUp(unsigned flags, CPoint point) override;
  void OnRButtonUp(unsigned flags, CPoint point) override;
  void DrawHook(KernelDriver* dc) override;

  // ---- The mode table.
  // The row of a mode, or null.
  static const AnnotModeRow* FindMode(int16_t mode);
  // Adds or replaces the row of its mode; false for a mode outside −10 … 9.
  static bool SetModeRow(const AnnotModeRow& row);
  // True when the mode's row says its work is built.
  static bool IsBuilt(int16_t mode);

  CGisEditView* View() const { return m_pView; }

  // ---- The tool's state, shared by the mode routines of every feature.
  // Current work areas, read once.
  WorkAreaHandle m_nPntArea = 0;
  WorkAreaHandle m_nLinArea = 0;
  WorkAreaHandle m_nRegArea = 0;
  // Legend gathering and placement.
  int32_t m_nMoveCount = 0;
  int32_t m_rcPickBox[4] = {0, 0, 0, 0};
  D_DOT m_GatherBox[5] = {};
  uint8_t m_bPickLegend = 0;
  CPoint m_ptBoxStart{}, m_ptBoxEnd{};
  uint8_t m_bBoxDragging = 0;
  uint8_t m_bLegendReady = 0;
  std::vector<std::string> m_strLegendItems;
  int16_t m_nLegendItemCount = 0;
  double m_dLegendWidth = 0, m_dLegendHeight = 0, m_dLegendSpaceX = 0, m_dLegendSpaceY = 0;
  int32_t m_nLegendRows = 0, m_nLegendColumns = 0;
  int16_t m_nLegendTextMode = 0;
  // Hatch settings, copied from the hatch pattern dialog at each fill.
  std::string m_strPatternFile, m_strPatternName;
  double m_dEndAngle = 0.0, m_dAngle = 0.0;
  int32_t m_nPatternColor = 1;
  int32_t m_nFillColor = 9;
  double m_dStartAngle = 0.0;
  double m_dScaleY = 5.0;
  double m_dScaleX = 5.0;
  float m_fLineWidth = 0.05f;
  int16_t m_nPatternSource = 1;  // nonzero: hatch-pattern file; 0: library entry
  int16_t m_nAngleKind = 1;      // nonzero: single angle; 0: gradient
  double m_dFanHeight = 0.0;
  int32_t m_nPatternIndex = -1;
  int32_t m_nPatternExtra = 0;
  // Trend fills: the chosen outline, the trend line (map units) and its
  // rubber band (window pixels).
  std::vector<D_DOT> m_pFillOutline;
  int32_t m_nTrendStage = 0;
  CPoint m_ptRubberStart{}, m_ptRubberEnd{};
  int16_t m_bRubberBand = 0;
  std::vector<D_DOT> m_pTrendPoints;
  // The last mouse position the tool saw (window pixels): where the rubber
  // band ends when the view redraws.
  CPoint m_ptCursor{};

 private:
  // The mode's row as it stood when the tool was made.
  AnnotModeRow row_{};
};

// The selection steps of the dispatch: the view's SelectAll, SelectLin (with
// a trailing 0) or SelectReg with the message given.
enum class AnnotPick : uint8_t { kAll, kLin, kReg };
void AnnotSelect(CSecAnnotTool& tool, AnnotPick pick, unsigned message, unsigned flags, CPoint point);

template <AnnotPick P, unsigned Message>
void SelectStep(CSecAnnotTool& tool, unsigned flags, CPoint point) {
  AnnotSelect(tool, P, Message, flags, point);
}
// The release taken by the selection, then the mode's routine.
template <AnnotPick P, AnnotRoutine Then>
void SelectThen(CSecAnnotTool& tool, unsigned flags, CPoint point) {
  AnnotSelect(tool, P, WM_LBUTTONUP, flags, point);
  Then(tool);
}
// The right button of a mode whose right button only ends the interaction.
void StopTool(CSecAnnotTool& tool, unsigned flags, CPoint point);

}  // namespace zv::annot
