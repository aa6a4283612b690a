#include "framework/rulers/ruler_client.h"

#include <QGridLayout>
#include <QMouseEvent>
#include <QPainter>

#include "framework/messages/pane_window_table.h"
#include "framework/messages/private_message.h"

namespace zv::rulers {
namespace {

constexpr QColor kBackground(240, 240, 240);
constexpr int kShownBand = kRulerWidth;
constexpr int kCornerClickCode = 5;

// "Times New Roman" when installed, else a serif face.
QFont RulerFont(int pixelHeight) {
  QFont font(QStringLiteral("Times New Roman"));
  font.setStyleHint(QFont::Serif);
  font.setPixelSize(pixelHeight);
  return font;
}

class Corner : public QWidget {
 public:
  Corner(RulerClient& client, QWidget* parent) : QWidget(parent), client_(client) {
    setFocusPolicy(Qt::NoFocus);
  }

 protected:
  void mousePressEvent(QMouseEvent* event) override {
    msg::PaneWindows().Post(msg::PaneEntry::kSectionEditView, msg::kDocumentRequest, 0, kCornerClickCode);
    client_.ShowRulers(false);
    QWidget::mousePressEvent(event);
  }

 private:
  RulerClient& client_;
};

}  // namespace

CRulerView::CRulerView(bool horizontal, QWidget* parent) : QWidget(parent), horizontal_(horizontal) {
  setFocusPolicy(Qt::NoFocus);
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void CRulerView::UpdateRuler(int mode, double originX, double originY, int cursorX, int cursorY, double zoom) {
  originX_ = originX;
  originY_ = originY;
  zoom_ = zoom;
  if (mode == 3) {
    MoveCursorMark(cursorX, cursorY);
  } else if ((mode == 2 && horizontal_) || (mode == 1 && !horizontal_)) {
    repaint();
  } else {
    update();
  }
}

void CRulerView::MoveCursorMark(int x, int y) {
  erase_ = cursor_;
  cursor_ = horizontal_ ? x : y;
  cursorOnly_ = true;
  repaint();
  cursorOnly_ = false;
}

void CRulerView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const auto line = [&](int at) {
    painter.setCompositionMode(QPainter::RasterOp_NotDestination);
    if (horizontal_)
      painter.fillRect(at, 0, 1, height(), Qt::black);
    else
      painter.fillRect(0, at, width(), 1, Qt::black);
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
  };
  if (cursorOnly_) {
    // An inverted line drawn twice is gone: the old one goes, the new one
    // comes.
    line(erase_);
    line(cursor_);
    return;
  }
  ++repaints_;
  cursor_ = 0;
  painter.fillRect(rect(), kBackground);
  painter.setPen(Qt::black);
  painter.setFont(RulerFont(horizontal_ ? 12 : 10));
  const RulerSteps steps = StepsForZoom(zoom_);
  for (bool major : {true, false}) {
    RulerPass pass{horizontal_, horizontal_ ? width() : height(), origin(), zoom_, major ? steps.major : steps.minor,
                   major};
    const int offset = major ? 0 : kMinorTickOffset;
    for (const RulerTick& tick : RulerTicks(pass)) {
      if (horizontal_) {
        painter.fillRect(tick.position, offset, 1, height(), Qt::black);
        if (!tick.label.empty())
          painter.drawText(QRect(tick.position - 100, 0, 100, height()), Qt::AlignRight | Qt::AlignTop,
                           QString::fromStdString(tick.label));
      } else {
        painter.fillRect(offset, tick.position, width(), 1, Qt::black);
        if (!tick.label.empty()) {
          painter.save();
          painter.translate(0, tick.position);
          painter.rotate(-90);
          painter.drawText(QPoint(0, painter.fontMetrics().ascent()), QString::fromStdString(tick.label));
          painter.restore();
        }
      }
    }
  }
}

RulerClient::RulerClient(QWidget* view, QWidget* parent)
    : QWidget(parent),
      view_(view),
      corner_(new Corner(*this, this)),
      horizontal_(new CRulerView(true, this)),
      vertical_(new CRulerView(false, this)) {
  auto* grid = new QGridLayout(this);
  grid->setContentsMargins(0, 0, 0, 0);
  grid->setSpacing(0);
  grid->addWidget(corner_, 0, 0);
  grid->addWidget(horizontal_, 0, 1);
  grid->addWidget(vertical_, 1, 0);
  grid->addWidget(view, 1, 1);
  corner_->setObjectName(QStringLiteral("rulerCorner"));
  horizontal_->setObjectName(QStringLiteral("horizontalRuler"));
  vertical_->setObjectName(QStringLiteral("verticalRuler"));
  ShowRulers(false);
}

void RulerClient::ShowRulers(bool show) {
  shown_ = show;
  const int band = show ? kShownBand : 0;
  corner_->setFixedSize(band, band);
  horizontal_->setFixedHeight(band);
  vertical_->setFixedWidth(band);
  for (QWidget* w : {corner_, static_cast<QWidget*>(horizontal_), static_cast<QWidget*>(vertical_)}) w->setVisible(show);
}

void RulerClient::UpdateRulers(int mode, double originX, double originY, int cursorX, int cursorY, double zoom) {
  horizontal_->UpdateRuler(mode, originX, originY, cursorX, cursorY, zoom);
  vertical_->UpdateRuler(mode, originX, originY, cursorX, cursorY, zoom);
}

}  // namespace zv::rulers
