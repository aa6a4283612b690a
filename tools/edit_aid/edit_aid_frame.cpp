// The frame of the edit-aid tool: slot routing through the mode table,
// overlay previews, the typed-input prompt and appending a figure.
#include <QBrush>
#include <QColor>
#include <QFontMetrics>
#include <QPainter>
#include <QString>
#include <Qt>

#include "common/construction_figures.h"
#include "common/tool_geometry.h"
#include "platform/data/work_area.h"
#include "platform/view/gis_edit_view.h"
#include "tools/edit_aid/sec_edit_aid_tool.h"

namespace zv::tools {

namespace {

// Committed segments of a line in progress, as the platform's colour number.
constexpr long kCommittedColour = 5;
// Readouts and prompts: red text on an opaque background.
const QColor kReadoutText(255, 0, 0);
const QColor kReadoutBackground(255, 255, 255);

bool KeysDispatched(int16_t mode) { return mode >= 100 && mode <= 118; }

}  // namespace

CSecEditAidTool::CSecEditAidTool(CGisEditView* view, int16_t mode, int32_t flag)
    : BaseGisTool(view, mode), row_(FindMode(mode)), flag_(flag) {
  if (row_ && row_->start) (this->*row_->start)();
}

CSecEditAidTool::~CSecEditAidTool() = default;

int CSecEditAidTool::OnLButtonDown(unsigned flags, CPoint point) {
  if (!cursorKnown_) cursor_ = point, cursorKnown_ = true;
  if (row_ && row_->down) (this->*row_->down)(flags, point);
  return 1;
}

void CSecEditAidTool::OnMouseMove(unsigned flags, CPoint point) {
  cursor_ = point;
  cursorKnown_ = true;
  if (row_ && row_->move) (this->*row_->move)(flags, point);
}

int CSecEditAidTool::OnLButtonUp(unsigned flags, CPoint point) {
  if (row_ && row_->up) (this->*row_->up)(flags, point);
  return 1;
}

void CSecEditAidTool::OnRButtonUp(unsigned flags, CPoint point) {
  if (row_ && row_->finish) (this->*row_->finish)(flags, point);
  Stop();
}

int CSecEditAidTool::OnKeyDown(unsigned key, unsigned, unsigned) {
  if (row_ && row_->key && KeysDispatched(m_nMode)) (this->*row_->key)(key);
  return 1;
}

void CSecEditAidTool::DrawHook(KernelDriver*) {
  // A redraw starts from the map again: nothing of ours is on it.
  previewShown_ = false;
  if (row_ && row_->draw) (this->*row_->draw)();
}

int CSecEditAidTool::Running() { return clicks_ > 0 || !vertices_.empty() ? 1 : 0; }

const char* CSecEditAidTool::OperationName() const {
  return row_ && row_->name ? row_->name : BaseGisTool::OperationName();
}

D_DOT CSecEditAidTool::MapOf(CPoint point) const { return m_pView->_WpToLp(point); }
D_DOT CSecEditAidTool::CursorMap() const { return MapOf(cursor_); }

// ---- overlay

void CSecEditAidTool::TogglePreview() {
  KernelDriver* dc = m_pView->_GetMyDC();
  for (const std::vector<CPoint>& line : preview_) {
    if (line.size() == 1) m_pView->_DrawXORLine(line[0].x, line[0].y, line[0].x, line[0].y);
    for (std::size_t i = 1; i < line.size(); ++i)
      m_pView->_DrawXORLine(line[i - 1].x, line[i - 1].y, line[i].x, line[i].y);
  }
  m_pView->_DeleteMyDC(dc);
  previewShown_ = !previewShown_;
}

void CSecEditAidTool::ShowPreview(std::vector<std::vector<D_DOT>> lines) {
  KernelDriver* dc = m_pView->_GetMyDC();
  HidePreview();
  for (const std::vector<D_DOT>& line : lines) {
    std::vector<CPoint> pixels;
    pixels.reserve(line.size());
    for (const D_DOT& p : line) {
      long x = 0, y = 0;
      m_pView->_LpToWp(p, &x, &y);
      pixels.push_back({static_cast<int32_t>(x), static_cast<int32_t>(y)});
    }
    preview_.push_back(std::move(pixels));
  }
  TogglePreview();
  m_pView->_DeleteMyDC(dc);
}

void CSecEditAidTool::HidePreview() {
  if (previewShown_) TogglePreview();
  preview_.clear();
}

void CSecEditAidTool::DrawCommitted(KernelDriver& dc, const D_DOT& from, const D_DOT& to) {
  const D_DOT a = m_pView->_LpToDp(from), b = m_pView->_LpToDp(to);
  dc._Line(static_cast<int>(a.x), static_cast<int>(a.y), static_cast<int>(b.x), static_cast<int>(b.y));
}

void CSecEditAidTool::DrawCommittedSegment(const D_DOT& from, const D_DOT& to) {
  KernelDriver* dc = m_pView->_GetMyDC();
  const long colour = dc->Color();
  const int mode = dc->DrawMode();
  dc->SetColor(kCommittedColour);
  dc->SetDrawMode(display::kDrawCopy);
  DrawCommitted(*dc, from, to);
  dc->SetColor(colour);
  dc->SetDrawMode(mode);
  m_pView->_DeleteMyDC(dc);
}

void CSecEditAidTool::DrawCommittedPolyline(KernelDriver& dc) {
  const long colour = dc.Color();
  const int mode = dc.DrawMode();
  dc.SetColor(kCommittedColour);
  dc.SetDrawMode(display::kDrawCopy);
  for (std::size_t i = 1; i < vertices_.size(); ++i) DrawCommitted(dc, vertices_[i - 1], vertices_[i]);
  dc.SetColor(colour);
  dc.SetDrawMode(mode);
}

void CSecEditAidTool::ShowTextLine(int x, int y, const std::string& text) {
  KernelDriver* dc = m_pView->_GetMyDC();
  QPainter& painter = dc->Painter();
  painter.save();
  painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
  painter.setPen(kReadoutText);
  painter.setBackgroundMode(Qt::OpaqueMode);
  painter.setBackground(kReadoutBackground);
  painter.drawText(x, y + QFontMetrics(painter.font()).ascent(), QString::fromStdString(text));
  painter.restore();
  m_pView->_DeleteMyDC(dc);
}

void CSecEditAidTool::ShowTypedPrompt(const char* label) {
  ShowTextLine(20, 5, label);
  ShowTextLine(20, 25, PaddedTypedText(typed_.text()));
}

void CSecEditAidTool::TypedKey(unsigned key) {
  typed_.Key(key);
  ShowTypedPrompt(kTypedPrompt);
}

bool CSecEditAidTool::TakeClickPoint(int kind, const D_DOT& clicked, const D_DOT& towards, D_DOT* at) {
  if (typed_.empty()) {
    *at = clicked;
    return true;
  }
  const D_DOT last = vertices_.empty() ? clicked : vertices_.back();
  const std::optional<D_DOT> typed = ParseTypedPoint(typed_.text(), kind, last, towards);
  if (!typed) {
    ShowTypedPrompt(kTypedRefused);
    return false;
  }
  *at = *typed;
  return true;
}

// ---- figures

int32_t CSecEditAidTool::AppendFigure(const std::vector<D_DOT>& points) {
  // A figure without length or with an overflowed vertex stays open instead.
  if (!DrawableFigure(points)) return 0;
  HidePreview();
  const LIN_INFO* defaults = BasGetDefaultLineParam(0);
  const int32_t id = BasAppendLine(m_linAi, points, defaults ? *defaults : LIN_INFO{});
  if (id > 0) m_pView->GetUndo().PushList(m_linAi, 0, &id, 1, GisUndo::kAppended);
  ResetFigure();
  m_pView->_UpdateWindow();
  return id;
}

void CSecEditAidTool::ResetFigure() {
  clicks_ = 0;
  std::vector<D_DOT>().swap(vertices_);
  sides_ = 0;
  picking_ = false;
  preview_.clear();
  previewShown_ = false;
}

void CSecEditAidTool::AbandonFigure(unsigned, CPoint) {
  HidePreview();
  ResetFigure();
}

}  // namespace zv::tools
