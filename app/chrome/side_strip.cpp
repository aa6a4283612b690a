#include "app/chrome/side_strip.h"

#include <QTabBar>

#include "app/chrome/side_pages.h"
#include "framework/messages/pane_window_table.h"
#include "framework/messages/private_message.h"
#include "framework/prompts/prompts.h"

namespace zv::chrome {
namespace {

// Only the project, file and workspace-file pages name a document kind.
constexpr int kDocumentPages = 3;

void TellApplication(int page) {
  if (!msg::PostApplicationMessage(msg::kActivateDocument, 0, page - 1))
    prompt::Message(QString::fromUtf8(msg::kPostFailedText));
}

}  // namespace

SideStrip::SideStrip(QWidget* parent) : QTabWidget(parent) {
  setObjectName(QStringLiteral("sideStrip"));
  setTabPosition(QTabWidget::South);
  setDocumentMode(true);
  for (const SidePage& page : SidePages()) {
    const int index = addTab(CreateSidePage(page.className, this), QString::fromUtf8(page.caption));
    setTabToolTip(index, QString::fromUtf8(page.caption));
  }
  connect(tabBar(), &QTabBar::tabBarClicked, this, [this](int index) { ClickTab(index); });
  msg::PaneWindows().Record(msg::PaneEntry::kTabStrip, this);
}

void SideStrip::ClickTab(int index) {
  if (index < 0 || index >= count()) return;
  setCurrentIndex(index);
  if (index < kDocumentPages) TellApplication(index);
}

bool SideStrip::event(QEvent* event) {
  const msg::PrivateMessageEvent* m = msg::AsPrivateMessage(event);
  if (m == nullptr) return QTabWidget::event(event);
  if (m->message() == msg::kSelectSidePage && currentIndex() < kDocumentPages && m->lParam() >= 0 &&
      m->lParam() < count()) {
    setCurrentIndex(static_cast<int>(m->lParam()));
    if (m->wParam() != 0) TellApplication(static_cast<int>(m->lParam()));
  }
  return true;
}

}  // namespace zv::chrome
