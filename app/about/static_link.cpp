#include "app/about/static_link.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QMouseEvent>
#include <QUrl>

namespace zv {
namespace {

// A path that exists opens as a file; anything else as an address.
bool OpenOnDesktop(const QString& target) {
  const QUrl url = QFileInfo::exists(target) ? QUrl::fromLocalFile(QFileInfo(target).absoluteFilePath())
                                             : QUrl::fromUserInput(target);
  return url.isValid() && QDesktopServices::openUrl(url);
}

}  // namespace

CStaticLink::CStaticLink(const QString& text, const QString& target, QWidget* parent)
    : QLabel(text, parent), target_(target), opener_(OpenOnDesktop) {
  QFont underlined = font();
  underlined.setUnderline(true);
  setFont(underlined);
  setCursor(Qt::PointingHandCursor);
  SetColour(kUnvisited);
}

void CStaticLink::SetColour(QRgb colour) {
  colour_ = colour;
  QPalette palette = this->palette();
  palette.setColor(QPalette::WindowText, QColor::fromRgb(colour));
  setPalette(palette);
}

void CStaticLink::mousePressEvent(QMouseEvent* event) {
  // The link takes its own click, so a dialog that closes on clicks stays.
  event->accept();
  if (event->button() != Qt::LeftButton) return;
  const QString target = target_.isEmpty() ? text() : target_;
  if (target.isEmpty()) return;
  if (opener_(target)) {
    SetColour(kVisited);
  } else {
    QApplication::beep();
  }
}

}  // namespace zv
