#include "platform/view/gis_view.h"

#include <QInputDialog>
#include <QPaintEvent>
#include <QResizeEvent>
#include <algorithm>
#include <cmath>

#include "framework/prompts/prompts.h"
#include "platform/data/geometry.h"
#include "platform/view/entity_outline.h"

namespace zv {

namespace {

constexpr int kFlashIntervalMs = 300;
constexpr long kFlashColour = 6;  // red: cyan over a white map, red over black lines
constexpr int kFlashPenWidth = 3;
constexpr double kMapMarginFraction = 0.05;
// Pixels around a partial repaint: anti-aliased edges, pens, markers.
constexpr int kRepaintMarginPixels = 4;
// Entities this far outside a partial repaint are still drawn (wide pens,
// line-style teeth, text).
constexpr int kRepaintCullPixels = 32;

}  // namespace

CGisView::CGisView(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMouseTracking(true);
  setFocusPolicy(Qt::StrongFocus);
  flashTimer_.setInterval(kFlashIntervalMs);
  QObject::connect(&flashTimer_, &QTimer::timeout, this, [this] { FlashStep(); });
  SyncClientSize();
}

CGisView::~CGisView() {
  dc_.reset();
  dcPainter_.reset();
}

void CGisView::SyncClientSize() { window_.SetClientSize(std::max(1, width()), std::max(1, height())); }

void CGisView::SetWindowOf(KernelDriver& dc) const {
  const WIN_ORG o = window_.Get();
  dc.SetWindow(o.x, o.y, o.scale);
}

// ---- display window

void CGisView::_UpdateWindow() {
  SyncClientSize();
  // A context handed out must not outlive the picture it draws on.
  dc_.reset();
  dcPainter_.reset();
  cache_ = QImage(window_.clientWidth(), window_.clientHeight(), QImage::Format_RGB32);
  {
    QPainter painter(&cache_);
    KernelDriver dc(painter, cache_.size());
    SetWindowOf(dc);
    dc.Clear(background_);
    DrawMap(dc, window_.DisplayRect());
  }
  ++redraws_;
  OnMapRedrawn();
  RefreshOverlay();
}

void CGisView::RedrawMapRect(const D_RECT& rect) {
  SyncClientSize();
  const QSize client(window_.clientWidth(), window_.clientHeight());
  if (cache_.isNull() || cache_.size() != client) {
    _UpdateWindow();
    return;
  }
  const D_DOT a = window_.LpToWp({rect.xmin, rect.ymin}), b = window_.LpToWp({rect.xmax, rect.ymax});
  const bool finite = std::isfinite(a.x) && std::isfinite(a.y) && std::isfinite(b.x) && std::isfinite(b.y);
  // Far outside the window a rectangle cannot be placed in pixels: draw all.
  if (!finite || std::max({std::abs(a.x), std::abs(a.y), std::abs(b.x), std::abs(b.y)}) > 1e9) {
    _UpdateWindow();
    return;
  }
  const QRectF device = QRectF(QPointF(a.x, a.y), QPointF(b.x, b.y)).normalized();
  const QRect pixels = device.toAlignedRect()
                           .adjusted(-kRepaintMarginPixels, -kRepaintMarginPixels, kRepaintMarginPixels,
                                     kRepaintMarginPixels)
                           .intersected(cache_.rect());
  if (pixels.isEmpty()) return;  // nothing that changed is in sight
  // A large part of the view costs about what the whole does.
  if (2 * static_cast<qint64>(pixels.width()) * pixels.height() > static_cast<qint64>(client.width()) * client.height()) {
    _UpdateWindow();
    return;
  }
  dc_.reset();
  dcPainter_.reset();
  {
    QPainter painter(&cache_);
    KernelDriver dc(painter, cache_.size());
    SetWindowOf(dc);
    dc.ClipToDevice(pixels, kRepaintCullPixels);
    dc.Clear(background_);
    const QRectF visible = dc.VisibleMapRect();
    DrawMap(dc, {visible.left(), visible.top(), visible.right(), visible.bottom()});
  }
  ++partialRedraws_;
  RefreshOverlay();
}

void CGisView::RefreshOverlay() {
  if (cache_.isNull() || cache_.size() != QSize(window_.clientWidth(), window_.clientHeight())) {
    _UpdateWindow();
    return;
  }
  dc_.reset();
  dcPainter_.reset();
  picture_ = cache_.copy();
  flashShown_ = false;
  // The hooks draw through the context _GetMyDC hands out, so that a hook
  // asking for it gets the same one.
  KernelDriver* dc = _GetMyDC();
  _OwnerDraw(dc);
  _UserDraw(dc);
  DrawAfterOwner(*dc);
  _DeleteMyDC(dc);
  if (!flash_.empty()) FlashStep();
}

WIN_ORG CGisView::_GetWinDispParam() const { return window_.Get(); }
void CGisView::_GetWinDispParam(WIN_ORG* org) const {
  if (org) *org = window_.Get();
}

bool CGisView::_SetWinDispParam(const WIN_ORG& org) {
  SyncClientSize();
  // The drawing context shows the map unrotated, so the view does too.
  WIN_ORG unrotated = org;
  unrotated.rotation = 0.0;
  return window_.Set(unrotated);
}

D_RECT CGisView::_GetWinDispRect() const { return window_.DisplayRect(); }

D_RECT CGisView::_GetWinMapRange() const {
  D_RECT r{0, 0, 0, 0};
  if (!ContentExtent(&r)) r = window_.DisplayRect();
  return r;
}

double CGisView::_GetWinDispRate() const { return window_.Get().rate; }

D_DOT CGisView::_WpToLp(CPoint p) const { return window_.WpToLp(p.x, p.y); }
D_DOT CGisView::_WpToLp(double x, double y) const { return window_.WpToLp(x, y); }
CPoint CGisView::_LpToWp(const D_DOT& p) const {
  const L_DOT l = window_.LpToWpLong(p);
  return {l.x, l.y};
}
void CGisView::_LpToWp(const D_DOT& p, long* x, long* y) const {
  const L_DOT l = window_.LpToWpLong(p);
  if (x) *x = l.x;
  if (y) *y = l.y;
}
void CGisView::_LpToWp(const D_DOT& p, double* x, double* y) const {
  const D_DOT w = window_.LpToWp(p);
  if (x) *x = w.x;
  if (y) *y = w.y;
}
D_DOT CGisView::_LpToDp(const D_DOT& p) const { return window_.LpToDp(p); }
D_DOT CGisView::_WpToDp(CPoint p) const { return {static_cast<double>(p.x), static_cast<double>(p.y)}; }
D_DOT CGisView::_DpToLp(const D_DOT& p) const { return window_.DpToLp(p); }

void CGisView::_EnlargeWindowLxy(CPoint at, double factor) {
  SyncClientSize();
  window_.ZoomAbout(at.x, at.y, factor);
  _UpdateWindow();
}

void CGisView::_ReduceWindowLxy(CPoint at, double factor) {
  SyncClientSize();
  if (factor > 0) window_.ZoomAbout(at.x, at.y, 1.0 / factor);
  _UpdateWindow();
}

void CGisView::_MoveWindowLxy(int dx, int dy) {
  SyncClientSize();
  window_.PanPixels(-dx, -dy);
  _UpdateWindow();
}

void CGisView::_MoveWindowFxy(double dx, double dy) {
  SyncClientSize();
  WIN_ORG org = window_.Get();
  org.x -= dx;
  org.y -= dy;
  window_.Set(org);
  _UpdateWindow();
}

void CGisView::OnRestoreWindow() {
  SyncClientSize();
  D_RECT extent;
  if (ContentExtent(&extent)) window_.ShowAll(extent, kMapMarginFraction);
  _UpdateWindow();
}

// ---- drawing outside a redraw

KernelDriver* CGisView::_GetMyDC() {
  if (picture_.isNull()) RefreshOverlay();
  if (!dc_) {
    dcPainter_ = std::make_unique<QPainter>(&picture_);
    dc_ = std::make_unique<KernelDriver>(*dcPainter_, picture_.size());
    SetWindowOf(*dc_);
    dcRefs_ = 0;
  }
  ++dcRefs_;
  update();
  return dc_.get();
}

void CGisView::_DeleteMyDC(KernelDriver* dc) {
  if (!dc || dc != dc_.get()) return;
  if (--dcRefs_ > 0) return;
  dc_.reset();
  dcPainter_.reset();
  update();
}

void CGisView::_DrawXORLine(int x1, int y1, int x2, int y2) {
  KernelDriver* dc = _GetMyDC();
  const long colour = dc->Color();
  const int mode = dc->DrawMode();
  dc->SetDrawMode(display::kDrawInvert);
  dc->_Line(x1, y1, x2, y2);
  dc->SetColor(colour);
  dc->SetDrawMode(mode);
  _DeleteMyDC(dc);
}

void CGisView::_DrawXORRect(int x1, int y1, int x2, int y2) {
  KernelDriver* dc = _GetMyDC();
  const long colour = dc->Color();
  const int mode = dc->DrawMode();
  dc->SetDrawMode(display::kDrawInvert);
  dc->_Rect(x1, y1, x2, y2);
  dc->SetColor(colour);
  dc->SetDrawMode(mode);
  _DeleteMyDC(dc);
}

void CGisView::_OwnerDraw(KernelDriver*) {}
void CGisView::_UserDraw(KernelDriver*) {}
void CGisView::DrawAfterOwner(KernelDriver&) {}
void CGisView::OnMapRedrawn() {}
void CGisView::DrawMap(KernelDriver&, const D_RECT&) {}
bool CGisView::ContentExtent(D_RECT*) const { return false; }

// ---- flashing

void CGisView::_StartFlash(const ENTITY_MSG* entries, int count) {
  _StopFlash(-1);
  for (int i = 0; entries && i < count; ++i) flash_.push_back(entries[i]);
  if (flash_.empty()) return;
  FlashStep();
  flashTimer_.start();
}

void CGisView::_StopFlash(int which) {
  if (flash_.empty()) return;
  if (flashShown_) FlashStep();  // take the highlight off first
  if (which < 0 || which >= static_cast<int>(flash_.size()))
    flash_.clear();
  else
    flash_.erase(flash_.begin() + which);
  if (flash_.empty()) flashTimer_.stop();
}

void CGisView::FlashStep() {
  if (flash_.empty()) return;
  DrawFlash();
  flashShown_ = !flashShown_;
}

void CGisView::DrawFlash() {
  KernelDriver* dc = _GetMyDC();
  const long colour = dc->Color();
  const int mode = dc->DrawMode();
  dc->SetDrawMode(display::kDrawXor);
  dc->SetColor(kFlashColour);
  for (const ENTITY_MSG& e : flash_) OutlineEntity(*dc, e, kFlashPenWidth);
  dc->SetColor(colour);
  dc->SetDrawMode(mode);
  _DeleteMyDC(dc);
}

// ---- flags

long CGisView::_SetCommandFlag(long flag) {
  const long previous = commandFlag_;
  commandFlag_ = flag;
  return previous;
}

void CGisView::EditWndBkFace(long colour) {
  if (colour == 0) {
    QInputDialog dialog(this);
    dialog.setWindowTitle(QStringLiteral("背景颜色"));
    dialog.setLabelText(QStringLiteral("颜色号:"));
    dialog.setInputMode(QInputDialog::IntInput);
    dialog.setIntRange(0, 9999);
    dialog.setIntValue(static_cast<int>(background_));
    if (prompt::Current().Exec(dialog) != QDialog::Accepted) return;
    colour = dialog.intValue();
  }
  background_ = colour;
  _UpdateWindow();
}

// ---- events

void CGisView::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  if (picture_.isNull())
    painter.fillRect(event->rect(), Qt::white);
  else
    painter.drawImage(event->rect(), picture_, event->rect());
}

void CGisView::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  // Keep the map's lower-left corner where it was; show more or less of it.
  SyncClientSize();
  _UpdateWindow();
}

}  // namespace zv
