#include "platform/editor/command_menu.h"

#include "platform/editor/editor_commands.h"

namespace zv::editor {

void AddEditorCommands(QMenu& menu, CGisEditView& view) {
  for (const EditorCommand& command : EditorCommands()) {
    QAction* action = menu.addAction(QStringLiteral("%1 (%2)").arg(QString::fromLatin1(command.member)).arg(command.id));
    action->setData(command.id);
    const int id = command.id;
    QObject::connect(action, &QAction::triggered, &view, [&view, id] {
      view.setFocus();
      RunEditorCommand(view, id);
    });
  }
  QObject::connect(&menu, &QMenu::aboutToShow, &menu, [&menu, &view] {
    for (QAction* action : menu.actions())
      if (action->data().isValid()) action->setEnabled(IsEditorCommandEnabled(view, action->data().toInt()));
  });
}

}  // namespace zv::editor
