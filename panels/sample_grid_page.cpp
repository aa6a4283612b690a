#include "panels/sample_grid_page.h"

#include <QCloseEvent>
#include <QPainter>
#include <QPixmap>
#include <QWheelEvent>

namespace zv::panels {

namespace {

constexpr int kCursorSize = 32;

std::optional<ScrollAction> ActionOf(int sliderAction) {
  switch (sliderAction) {
    case QAbstractSlider::SliderSingleStepSub: return ScrollAction::kLineUp;
    case QAbstractSlider::SliderSingleStepAdd: return ScrollAction::kLineDown;
    case QAbstractSlider::SliderPageStepSub: return ScrollAction::kPageUp;
    case QAbstractSlider::SliderPageStepAdd: return ScrollAction::kPageDown;
    case QAbstractSlider::SliderToMinimum: return ScrollAction::kTop;
    case QAbstractSlider::SliderToMaximum: return ScrollAction::kBottom;
    case QAbstractSlider::SliderMove: return ScrollAction::kThumb;
    default: return std::nullopt;
  }
}

}  // namespace

QCursor PageCursor() {
  QPixmap image(kCursorSize, kCursorSize);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  painter.setPen(QPen(Qt::black, 1));
  const int c = kCursorSize / 2;
  painter.drawLine(c, 2, c, kCursorSize - 3);
  painter.drawLine(2, c, kCursorSize - 3, c);
  painter.drawRect(c - 4, c - 4, 8, 8);
  painter.end();
  return QCursor(image, c, c);
}

SampleGridPage::SampleGridPage(QWidget* parent, int16_t displayMode, const GridSpec& spec, int areaType, int gridTop)
    : QWidget(parent), spec_(spec), gridTop_(gridTop) {
  setCursor(PageCursor());
  view_ = new CPatternView(this, this);
  view_->displayMode = displayMode;
  view_->_SetEnableScrollFlag(0);
  view_->_SetEnablePopMnFlag(0);
  // Sub-graphs and colours are picked as a whole; lines and regions by their outlines.
  const bool outlines = displayMode == 3 || displayMode == 4;
  const int16_t parms[8] = {0, 0, static_cast<int16_t>(outlines ? 1 : 0), 0, 0, 0, 0, 0};
  view_->SetSysSelectParm(parms, 8);
  view_->EditWndBkFace(displayMode == 6 ? 9 : 15);
  set_ = BasCreateWorkAreaSet(0);
  area_ = BasCreateWorkArea(set_, areaType);
  view_->ChangeCurAi(area_, 1);
  scroll_ = new QScrollBar(Qt::Vertical, this);
  scroll_->setObjectName(QStringLiteral("scroll"));
  connect(scroll_, &QAbstractSlider::actionTriggered, this, [this](int action) { OnScrollAction(action); });
}

SampleGridPage::~SampleGridPage() { Release(); }

int SampleGridPage::ClientWidth() const { return std::max(0, width() - scroll_->sizeHint().width()); }

void SampleGridPage::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  LayOut();
}

void SampleGridPage::LayOut() {
  const int w = ClientWidth(), h = height();
  scroll_->setGeometry(w, 0, width() - w, h);
  if (!view_) return;
  PlaceControls(w);
  view_->setGeometry(0, gridTop_, w, h);
  grid_ = LayoutGrid(spec_, view_->width(), view_->height(), SampleCount());
  if (!grid_) return;  // not one column fits: the bar stays as it was
  WIN_ORG org = view_->_GetWinDispParam();
  org.x = grid_->originX;
  org.y = grid_->originY;
  org.scale = 1.0;
  view_->_SetWinDispParam(org);
  allRows_ = false;
  built_ = BuildSamples(area_, *grid_, false);
  view_->_UpdateWindow();
  position_ = 0;
  scroll_->setRange(0, grid_->scrollMax);
  scroll_->setPageStep(std::max(1, grid_->visible));
  scroll_->setValue(0);
}

void SampleGridPage::EnsureAllRows() {
  if (allRows_ || !grid_ || !view_) return;
  allRows_ = true;
  built_ = BuildSamples(area_, *grid_, true);
}

void SampleGridPage::Scroll(ScrollAction action, int track) {
  EnsureAllRows();
  if (!grid_) return;
  scroll_->setRange(0, grid_->scrollMax);
  MoveToRow(ScrollPosition(action, position_, track, *grid_));
}

void SampleGridPage::OnScrollAction(int sliderAction) {
  const auto action = ActionOf(sliderAction);
  if (!action) return;
  Scroll(*action, scroll_->sliderPosition());
  scroll_->setSliderPosition(position_);
}

void SampleGridPage::MoveToRow(int row) {
  if (row != position_ && view_) view_->_MoveWindowFxy(0, static_cast<double>(row - position_) * spec_.cellHeight);
  position_ = row;
  const QSignalBlocker quiet(scroll_);
  scroll_->setValue(row);
}

void SampleGridPage::wheelEvent(QWheelEvent* event) {
  EnsureAllRows();
  if (grid_) MoveToRow(WheelPosition(event->angleDelta().y(), position_, *grid_));
  event->accept();
}

void SampleGridPage::closeEvent(QCloseEvent* event) {
  Release();
  QWidget::closeEvent(event);
}

void SampleGridPage::Release() {
  delete view_;
  view_ = nullptr;
  if (area_) {
    BasClearWorkArea(area_, 0);
    BasResetWorkArea(area_);
    BasReleaseWorkArea(area_);
    area_ = 0;
  }
  if (set_) BasFreeWorkAreaSet(set_);
  set_ = 0;
  grid_.reset();
}

}  // namespace zv::panels
