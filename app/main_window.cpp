#include "app/main_window.h"

#include <QLabel>

#include "framework/paths/app_folder.h"

namespace zv {

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent) {
  setWindowTitle(QStringLiteral("Zavediz"));
  const QString dataFolder = QString::fromStdString(paths::GetDataFolder());
  auto* label = new QLabel(this);
  label->setTextFormat(Qt::RichText);
  label->setAlignment(Qt::AlignTop | Qt::AlignLeft);
  label->setMargin(16);
  label->setText(QStringLiteral(
                     "<h3>Zavediz</h3>"
                     "<p>Built so far: the settings file, text and number helpers, the point-record list, "
                     "the segment tests and the prompts seam.</p>"
                     "<p>Map views, sections, borehole charts and the tools follow.</p>"
                     "<p>Data folder: %1</p>")
                     .arg(dataFolder.toHtmlEscaped()));
  setCentralWidget(label);
  resize(900, 600);
}

}  // namespace zv
