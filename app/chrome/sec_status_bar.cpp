#include "app/chrome/sec_status_bar.h"

#include <QEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

namespace zv::chrome {

CSecStatusBar::CSecStatusBar(QWidget* parent)
    : QStatusBar(parent), scaleButton_(new QPushButton(QStringLiteral("比例尺"), this)) {
  setObjectName(QStringLiteral("statusBar"));
  setMinimumHeight(kStatusMinHeight);
  const QScreen* screen = QGuiApplication::primaryScreen();
  const std::array<int, kPaneCount> widths = StatusPaneWidths(screen ? screen->availableGeometry().width() : 1024);
  for (int i = 0; i < kPaneCount; ++i) {
    auto* pane = new QLabel(QString::fromUtf8(InitialPaneTexts()[i]), this);
    pane->setObjectName(QStringLiteral("statusPane%1").arg(i));
    pane->setFrameShape(QFrame::Box);
    pane->setFrameShadow(QFrame::Plain);
    pane->setMinimumWidth(0);
    pane->installEventFilter(this);
    panes_[i] = pane;
    // The message pane gives way to the bar's passing messages; the read-out
    // panes stay.
    if (i == 0) {
      pane->setMinimumWidth(widths[i]);
      addWidget(pane, 1);
    } else {
      pane->setFixedWidth(widths[i]);
      addPermanentWidget(pane);
    }
  }
  scaleButton_->setObjectName(QStringLiteral("scaleButton"));
  scaleButton_->setFixedWidth(kScaleButtonWidth);
  scaleButton_->setFocusPolicy(Qt::NoFocus);
  addPermanentWidget(scaleButton_);
}

void CSecStatusBar::SetPaneText(int pane, const QString& text) {
  if (pane < 0 || pane >= kPaneCount) return;
  if (pane == 0) clearMessage();
  panes_[pane]->setText(text);
}

QString CSecStatusBar::PaneText(int pane) const {
  return pane >= 0 && pane < kPaneCount ? panes_[pane]->text() : QString();
}

bool CSecStatusBar::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonDblClick && onDoubleClick_)
    for (int i = 0; i < kPaneCount; ++i)
      if (watched == panes_[i]) {
        onDoubleClick_(i);
        return true;
      }
  return QStatusBar::eventFilter(watched, event);
}

}  // namespace zv::chrome
