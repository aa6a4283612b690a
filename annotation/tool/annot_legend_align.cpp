#include "annotation/tool/annot_legend_align.h"

#include <QDialog>
#include <cmath>
#include <optional>
#include <vector>

#include "annotation/core/legend_align.h"
#include "common/dialogs/value_input_dlg.h"
#include "framework/prompts/prompts.h"
#include "framework/text/numbers.h"
#include "platform/view/gis_edit_view.h"

namespace zv::annot {
namespace {

constexpr int16_t kSpacingMode = 2;  // "图例间隔：" "15"
constexpr double kUnaskedVerticalSpacing = 5.0;
constexpr char kBadSpacing[] = "图例间隔必须是数值。";
constexpr char kSpacingTooLarge[] = "图例间隔太大，对齐后的图例超出坐标范围。";

void Align(CSecAnnotTool& tool, bool horizontal) {
  CGisEditView* view = tool.View();
  if (!view || view->PoolCount() == 0 || !BasIsWorkAreaValid(view->Pool()[0].area)) return;
  SelectionPool& pool = view->SelectionPool_();
  std::vector<int32_t> frames = FindLegendFrames(pool.entries());
  const D_DOT reference = SortLegendFrames(pool.entries(), frames, horizontal);
  CValueInputDlg dialog(kSpacingMode, view);
  double spacing = kUnaskedVerticalSpacing;
  if (dialog.DoModal() == QDialog::Accepted) {
    const std::optional<double> typed = num::ParseTypedReal(dialog.Value().toStdString());
    if (!typed || !std::isfinite(*typed)) {
      prompt::Message(QString::fromUtf8(kBadSpacing), prompt::kIconWarning);
      return;
    }
    spacing = *typed;
  } else if (horizontal) {
    return;
  }
  if (!LegendSpacingFits(reference, frames.size(), spacing, horizontal)) {
    prompt::Message(QString::fromUtf8(kSpacingTooLarge), prompt::kIconWarning);
    return;
  }
  GisUndo& undo = view->GetUndo();
  undo.BeginStep();
  MoveLegendFrames(pool, undo, frames, reference, spacing, horizontal);
  undo.EndStep();
  view->_UpdateWindow();
}

}  // namespace

void AlignLegendsHorizontally(CSecAnnotTool& tool) { Align(tool, true); }
void AlignLegendsVertically(CSecAnnotTool& tool) { Align(tool, false); }

}  // namespace zv::annot
