#include <QApplication>

#include "app/app_settings.h"
#include "app/main_window.h"
#include "framework/prompts/prompts.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("zavediz"));
  zv::LoadSettings(0);
  zv::LoadSettings(1);
  zv::MainWindow window;
  zv::prompt::SetMainWindow(&window);
  window.showMaximized();
  return QApplication::exec();
}
