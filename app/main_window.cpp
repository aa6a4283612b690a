#include "app/main_window.h"

#include <QMenuBar>
#include <QStringList>
#include <QTimer>

#include "framework/prompts/prompts.h"
#include "platform/display/system_library.h"
#include "platform/editor/command_menu.h"
#include "platform/files/file_report.h"
#include "platform/project/map_project.h"
#include "platform/view/prj_edit_view.h"

namespace zv {

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent), view_(new CPrjEditView(this)) {
  setWindowTitle(QStringLiteral("Zavediz"));
  setCentralWidget(view_);
  resize(1200, 800);

  QMenu* file = menuBar()->addMenu(QStringLiteral("文件(&F)"));
  file->addAction(QStringLiteral("打开(&O)..."), this, &MainWindow::ChooseAndOpen);
  file->addSeparator();
  file->addAction(QStringLiteral("退出(&X)"), this, &QWidget::close);
  editor::AddEditorCommands(*menuBar()->addMenu(QStringLiteral("编辑(&E)")), *view_);

  // Library notices arrive while a picture is drawn: show them once the
  // drawing is done, never from inside a paint.
  display::SetNoticeSink([this](const std::string& notice) {
    QTimer::singleShot(0, this, [notice] { prompt::Message(QString::fromStdString(notice), prompt::kIconWarning); });
  });
}

MainWindow::~MainWindow() {
  display::SetNoticeSink({});
  CloseProject();
}

void MainWindow::CloseProject() {
  view_->SetProject(nullptr);
  PrjClose(project_);
  project_ = nullptr;
}

bool MainWindow::OpenProject(const QString& path) {
  files::FileReport report;
  MapProject* opened = PrjOpen(path.toStdString(), 0, 0, &report);
  if (!opened) {
    prompt::Message(QStringLiteral("无法打开工程文件“%1”：%2").arg(path, QString::fromStdString(report.error)),
                    prompt::kIconStop);
    return false;
  }
  CloseProject();
  project_ = opened;
  view_->SetProject(project_);
  view_->OnRestoreWindow();
  view_->SelectGraphics();
  setWindowTitle(QStringLiteral("Zavediz - %1").arg(path));
  if (!report.warnings.empty()) {
    QStringList lines;
    for (const std::string& w : report.warnings) lines << QString::fromStdString(w);
    prompt::Message(lines.join(QLatin1Char('\n')), prompt::kIconWarning);
  }
  return true;
}

void MainWindow::ChooseAndOpen() {
  prompt::FileRequest request;
  request.title = QStringLiteral("打开MapGis文件");
  request.defaultExtension = QStringLiteral("*.MPJ");
  request.filter = QStringLiteral("MPJ Data Files(*.MPJ)|*.MPJ|All Files (*.*)|*.*||");
  const QString path = prompt::ChooseFile(request);
  if (!path.isEmpty()) OpenProject(path);
}

}  // namespace zv
