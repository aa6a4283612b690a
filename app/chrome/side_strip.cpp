#include "app/chrome/side_strip.h"

#include <QPainter>
#include <QTabBar>

#include "app/chrome/side_pages.h"
#include "app/chrome/tab_geometry.h"
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

constexpr int kIconSize = 16;

QIcon PageIcon(const QString& caption) {
  QPixmap pixmap(kIconSize, kIconSize);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setPen(QColor(60, 60, 60));
  painter.setBrush(QColor(250, 235, 180));
  painter.drawRect(0, 0, kIconSize - 1, kIconSize - 1);
  QFont font = painter.font();
  font.setPixelSize(11);
  painter.setFont(font);
  painter.drawText(QRect(0, 0, kIconSize, kIconSize), Qt::AlignCenter, caption.left(1));
  return QIcon(pixmap);
}

// Tabs laid out and drawn by the strip's own rules: icon-wide tabs along
// the bottom, the active one raised in the button face, the others parted
// by a grey line.
class SideTabBar : public QTabBar {
 public:
  explicit SideTabBar(QWidget* parent) : QTabBar(parent) { setDrawBase(false); }

 protected:
  QSize tabSizeHint(int index) const override {
    const std::vector<TabRect> tabs = Layout();
    if (index < 0 || index >= static_cast<int>(tabs.size())) return QTabBar::tabSizeHint(index);
    return {tabs[index].right - tabs[index].left + 1, tabs[index].bottom - tabs[index].top + 1};
  }

  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.fillRect(rect(), palette().button());
    const std::vector<TabRect> tabs = Layout();
    for (int i = 0; i < static_cast<int>(tabs.size()); ++i) {
      const QRect r(QPoint(tabs[i].left, 0), QPoint(tabs[i].right, height() - 1));
      if (i == currentIndex()) {
        painter.fillRect(r.adjusted(-1, 0, 0, -2), palette().button());
        painter.setPen(palette().color(QPalette::Shadow));
        painter.drawLine(r.left(), r.bottom(), r.right(), r.bottom());
        painter.drawLine(r.right() - 1, r.top(), r.right() - 1, r.bottom());
        painter.setPen(palette().color(QPalette::Light));
        painter.drawLine(r.left() - 1, r.top(), r.left() - 1, r.bottom());
      } else {
        painter.setPen(QColor(128, 128, 128));
        painter.drawLine(r.right(), r.top() + 5, r.right(), r.bottom() - 1);
      }
      int left = r.left() + 3;
      const int right = r.right() - 2;
      if (right - left > kIconSize && !tabIcon(i).isNull()) {
        painter.drawPixmap(left, r.top() + 3, tabIcon(i).pixmap(kIconSize, kIconSize));
        left += kIconSize + 2;
      }
      if (tabText(i).isEmpty()) continue;
      const QFontMetrics metrics(font());
      const std::u32string caption = CutCaption(tabText(i).toStdU32String(), right - left, [&](const std::u32string& t) {
        return metrics.horizontalAdvance(QString::fromStdU32String(t));
      });
      painter.setPen(palette().color(QPalette::ButtonText));
      painter.drawText(QRect(QPoint(left, r.top() + 2), QPoint(right, r.bottom())), Qt::AlignVCenter | Qt::TextSingleLine,
                       QString::fromStdU32String(caption));
    }
  }

 private:
  std::vector<TabRect> Layout() const {
    std::vector<int> natural;
    const QFontMetrics metrics(font());
    for (int i = 0; i < count(); ++i)
      natural.push_back(NaturalTabWidth(metrics.horizontalAdvance(tabText(i)), !tabIcon(i).isNull()));
    const int w = parentWidget() ? parentWidget()->width() : width();
    return LayoutTabs({0, 0, w - 1, 23}, natural);
  }
};

}  // namespace

SideStrip::SideStrip(QWidget* parent) : QTabWidget(parent) {
  setTabBar(new SideTabBar(this));
  setObjectName(QStringLiteral("sideStrip"));
  setTabPosition(QTabWidget::South);
  setDocumentMode(true);
  for (const SidePage& page : SidePages()) {
    // The tabs show icons only; the caption is the tooltip.
    const QString caption = QString::fromUtf8(page.caption);
    const int index = addTab(CreateSidePage(page.className, this), PageIcon(caption), QString());
    setTabToolTip(index, caption);
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
