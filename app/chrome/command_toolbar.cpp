#include "app/chrome/command_toolbar.h"

#include <QMenu>
#include <QPainter>
#include <QToolButton>

#include "framework/commands/command_menus.h"
#include "framework/commands/menu_rows.h"

namespace zv::chrome {
namespace {

constexpr int kIconSize = 16;
constexpr int kMenusWithItems[] = {cmd::kMenuSection, cmd::kMenuPlan, cmd::kMenuNoDocument, cmd::kMenuContext};

// A glyph of the tip's first character on a tint of the id, so buttons
// differ at a glance until drawn icons replace them.
QIcon GlyphIcon(int id, const QString& tip) {
  QPixmap pixmap(kIconSize, kIconSize);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QColor(90, 90, 90));
  painter.setBrush(QColor::fromHsv((id * 37) % 360, 70, 235));
  painter.drawRoundedRect(QRectF(0.5, 0.5, kIconSize - 1, kIconSize - 1), 3, 3);
  QFont font = painter.font();
  font.setPixelSize(11);
  painter.setFont(font);
  painter.setPen(Qt::black);
  painter.drawText(QRect(0, 0, kIconSize, kIconSize), Qt::AlignCenter, tip.left(1));
  return QIcon(pixmap);
}

}  // namespace

QString CommandTip(int id) {
  for (int menu : kMenusWithItems)
    for (const cmd::MenuRow& row : cmd::Menus().RowsOf(menu))
      if (row.id == id) {
        const std::vector<std::string> parts = cmd::SplitMenuPath(row.path);
        if (!parts.empty()) return cmd::PlainItemText(QString::fromStdString(parts.back()));
      }
  return QString::number(id);
}

CommandToolBar::CommandToolBar(const ToolbarSpec& spec, RouteFn route, RunFn run, QWidget* parent)
    : QToolBar(QString::fromUtf8(spec.caption), parent), spec_(spec), route_(std::move(route)) {
  setObjectName(QString::fromUtf8(spec.objectName));
  setIconSize(QSize(kIconSize, kIconSize));
  for (int id : spec.ids) {
    if (id == kSeparator) {
      addSeparator();
      continue;
    }
    const QString tip = CommandTip(id);
    QAction* action = addAction(GlyphIcon(id, tip), tip);
    action->setToolTip(tip);
    action->setProperty("zvCommandId", id);
    connect(action, &QAction::triggered, this, [run, id] { run(id); });
    actions_.emplace_back(id, action);
  }
}

QAction* CommandToolBar::ActionOf(int id) const {
  for (const auto& [actionId, action] : actions_)
    if (actionId == id) return action;
  return nullptr;
}

void CommandToolBar::SetDropDown(int id, std::function<void(QMenu&)> fill) {
  auto* menu = new QMenu(this);
  connect(menu, &QMenu::aboutToShow, menu, [menu, fill] {
    menu->clear();
    fill(*menu);
  });
  SetDropDownMenu(id, menu);
}

void CommandToolBar::SetDropDownMenu(int id, QMenu* menu) {
  QAction* action = ActionOf(id);
  auto* button = action ? qobject_cast<QToolButton*>(widgetForAction(action)) : nullptr;
  if (button == nullptr) return;
  button->setMenu(menu);
  button->setPopupMode(QToolButton::MenuButtonPopup);
}

void CommandToolBar::Refresh() {
  const cmd::Route route = route_();
  for (const auto& [id, action] : actions_) {
    const cmd::RouteHit hit = cmd::Resolve(route, id);
    action->setVisible(hit.resolved);
    if (!hit.resolved) continue;
    const cmd::CommandUpdate update = cmd::UpdateOf(hit);
    action->setEnabled(update.enabled);
    action->setCheckable(update.checked || action->isChecked());
    action->setChecked(update.checked);
  }
}

}  // namespace zv::chrome
