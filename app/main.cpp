#include <QApplication>
#include <QStringList>

#include "app/app_settings.h"
#include "app/main_window.h"
#include "framework/prompts/prompts.h"
#include "platform/progress/progress_window.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("zavediz"));
  zv::LoadSettings(0);
  zv::LoadSettings(1);
  zv::MainWindow window;
  zv::prompt::SetMainWindow(&window);
  zv::InstallProgressWindow();
  window.showMaximized();
  // One optional project named on the command line; no empty document
  // otherwise.
  const QStringList args = QApplication::arguments();
  if (args.size() > 1) window.OpenProject(args.at(1));
  return QApplication::exec();
}
