#pragma once

#include <QMainWindow>
#include <QString>

namespace zv {

class CPrjEditView;
struct MapProject;

// The program's main window for now: one project in a project editing view,
// with the platform editor's commands in its menu. The full frame with its
// bars, panes and tab strips replaces it.
class MainWindow : public QMainWindow {
  Q_OBJECT
 public:
  explicit MainWindow(QWidget* parent = nullptr);
  ~MainWindow() override;

  // Opens a project (".mpj") in the view, replacing the one shown; false,
  // after telling the user why, when it cannot be read.
  bool OpenProject(const QString& path);

  CPrjEditView* view() const { return view_; }
  MapProject* project() const { return project_; }

 private:
  void ChooseAndOpen();
  void CloseProject();

  CPrjEditView* view_;
  MapProject* project_ = nullptr;
};

}  // namespace zv
