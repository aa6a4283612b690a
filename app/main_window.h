#pragma once

#include <QMainWindow>

namespace zv {

// The program's main window. For now it lists what the program can do; the
// map views and the full frame come as they are built.
class MainWindow : public QMainWindow {
  Q_OBJECT
 public:
  explicit MainWindow(QWidget* parent = nullptr);
};

}  // namespace zv
