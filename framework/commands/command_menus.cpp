#include "framework/commands/command_menus.h"

#include <QKeySequence>
#include <map>

namespace zv::cmd {
namespace {

constexpr const char* kIdProperty = "zvCommandId";
constexpr const char* kTextProperty = "zvCommandText";

int ItemId(const QAction* action) {
  const QVariant v = action->property(kIdProperty);
  return v.isValid() ? v.toInt() : 0;
}

QString Utf8(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

QString PlainItemText(const QString& text) {
  QString plain = text;
  plain.remove(QLatin1Char('&'));
  return plain.section(QLatin1Char('\t'), 0, 0).trimmed();
}

CommandMenus::CommandMenus(QWidget& window, RouteProvider route, NoticeFn notice, const MenuRegistry& menus,
                           const CommandRegistry& commands)
    : QObject(&window), window_(window), route_(std::move(route)), notice_(std::move(notice)), menus_(menus),
      commands_(commands) {}

RunResult CommandMenus::Run(int id, const QString& text) {
  const RunResult result = Execute(route_(), id, commands_);
  if (result == RunResult::kBoundLater && notice_)
    notice_(QStringLiteral("“%1”暂不可用").arg(text.isEmpty() ? QString::number(id) : PlainItemText(text)));
  if (afterRun_) afterRun_();
  return result;
}

QAction* CommandMenus::AddItem(QMenu& into, const QString& text, int id) {
  QAction* action = into.addAction(text);
  action->setProperty(kIdProperty, id);
  action->setProperty(kTextProperty, text);
  connect(action, &QAction::triggered, this, [this, id, text] { Run(id, text); });
  return action;
}

bool CommandMenus::Refresh(QMenu& menu) {
  const Route route = route_();
  bool any = false;
  for (QAction* action : menu.actions()) {
    if (QMenu* sub = action->menu()) {
      const bool shown = Refresh(*sub);
      action->setVisible(shown);
      any = any || shown;
      continue;
    }
    const int id = ItemId(action);
    if (id == 0) continue;  // separators
    const RouteHit hit = Resolve(route, id, commands_);
    action->setVisible(hit.resolved);
    if (!hit.resolved) continue;
    const CommandUpdate update = UpdateOf(hit, commands_);
    action->setEnabled(update.enabled);
    const bool checkable = hit.row->update != nullptr && update.checked;
    action->setCheckable(checkable || action->isChecked());
    action->setChecked(update.checked);
    action->setText(update.text.empty() ? action->property(kTextProperty).toString() : Utf8(update.text));
    any = true;
  }
  return any;
}

void CommandMenus::Fill(QWidget& top, int menu, std::string_view path) {
  const std::vector<std::string> prefix = SplitMenuPath(path);
  std::map<std::string, QMenu*> folders;  // joined path → sub-menu
  QMenuBar* bar = qobject_cast<QMenuBar*>(&top);
  QMenu* root = qobject_cast<QMenu*>(&top);
  for (const MenuRow& row : menus_.RowsOf(menu)) {
    std::vector<std::string> parts = SplitMenuPath(row.path);
    if (parts.size() < prefix.size() || !std::equal(prefix.begin(), prefix.end(), parts.begin())) continue;
    parts.erase(parts.begin(), parts.begin() + static_cast<std::ptrdiff_t>(prefix.size()));
    const std::size_t folderCount = row.id == 0 ? parts.size() : (parts.empty() ? 0 : parts.size() - 1);
    if (row.id != 0 && parts.empty()) continue;
    QMenu* into = root;
    std::string key;
    for (std::size_t i = 0; i < folderCount; ++i) {
      key += parts[i] + '/';
      auto it = folders.find(key);
      if (it == folders.end()) {
        QMenu* sub = nullptr;
        if (into != nullptr) {
          sub = into->addMenu(Utf8(parts[i]));
        } else {
          sub = bar->addMenu(Utf8(parts[i]));
        }
        connect(sub, &QMenu::aboutToShow, this, [this, sub] { Refresh(*sub); });
        it = folders.emplace(key, sub).first;
      }
      into = it->second;
    }
    if (into == nullptr) continue;  // an item straight on the bar is not offered
    if (row.id == 0) {
      into->addSeparator();
      continue;
    }
    const QString text = Utf8(parts.back());
    AddItem(*into, text, row.id);
    if (row.shortcut != nullptr && root == nullptr) {
      // A window action takes the key, so it works with the menu closed;
      // the item's own text names the key where the menu shows one.
      auto* key = new QAction(&window_);
      key->setShortcut(QKeySequence(QString::fromLatin1(row.shortcut)));
      key->setShortcutContext(Qt::WindowShortcut);
      key->setProperty(kIdProperty, row.id);
      const int id = row.id;
      connect(key, &QAction::triggered, this, [this, id, text] { Run(id, text); });
      window_.addAction(key);
      keys_.push_back(key);
    }
  }
}

void CommandMenus::Show(QMenuBar& bar, int menu) {
  for (QAction* key : keys_) {
    window_.removeAction(key);
    delete key;
  }
  keys_.clear();
  for (QAction* action : bar.actions())
    if (QMenu* sub = action->menu()) sub->deleteLater();
  bar.clear();
  shown_ = menu;
  Fill(bar, menu, {});
  // Top-level menus with nothing to offer along the current route are left
  // out of the bar.
  for (QAction* action : bar.actions())
    if (QMenu* sub = action->menu()) action->setVisible(Refresh(*sub));
}

QMenu* CommandMenus::BuildPopup(int menu, std::string_view path, QWidget* parent) {
  auto* popup = new QMenu(parent);
  Fill(*popup, menu, path);
  connect(popup, &QMenu::aboutToShow, this, [this, popup] { Refresh(*popup); });
  return popup;
}

}  // namespace zv::cmd
