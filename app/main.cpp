#include <QApplication>

#include "app/module_registry.h"
#include "app/zavediz_app.h"
#include "platform/progress/progress_window.h"

int main(int argc, char** argv) {
  QApplication qtApp(argc, argv);
  QApplication::setApplicationName(QStringLiteral("zavediz"));
  zv::RegisterModules();
  zv::InstallProgressWindow();
  zv::CZavedizApp app;
  // A file named on the command line that cannot be opened ends the start.
  if (!app.InitInstance(QApplication::arguments())) return 1;
  return QApplication::exec();
}
