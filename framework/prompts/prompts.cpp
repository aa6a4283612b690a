#include "framework/prompts/prompts.h"

#include "framework/prompts/qt_prompts.h"

namespace zv::prompt {
namespace {

std::unique_ptr<Prompts>& Slot() {
  static std::unique_ptr<Prompts> installed;
  return installed;
}

QPointer<QWidget>& MainWindowSlot() {
  static QPointer<QWidget> window;
  return window;
}

}  // namespace

Prompts& Current() {
  auto& slot = Slot();
  if (!slot) slot = std::make_unique<QtPrompts>();
  return *slot;
}

std::unique_ptr<Prompts> Install(std::unique_ptr<Prompts> prompts) {
  auto previous = std::move(Slot());
  Slot() = std::move(prompts);
  return previous;
}

int Message(const QString& text, unsigned style, const QString& caption) {
  return Current().Message(text, caption.isEmpty() ? QStringLiteral("zavediz") : caption, style);
}

QString ChooseFile(const FileRequest& request) {
  QStringList files = Current().ChooseFiles(request);
  return files.isEmpty() ? QString() : files.front();
}

void SetMainWindow(QWidget* window) { MainWindowSlot() = window; }

QWidget* GetMainWnd() { return MainWindowSlot().data(); }

}  // namespace zv::prompt
