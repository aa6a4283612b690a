#pragma once

#include <QDialog>
#include <vector>

class QGridLayout;
class QLineEdit;

namespace zv {

// Edits the folders of the environment record: the Chinese fonts, the
// working folder and the system libraries. A folder longer than the record
// holds is refused with a message and the dialog stays open.
class EnvironmentDialog : public QDialog {
  Q_OBJECT
 public:
  explicit EnvironmentDialog(QWidget* parent = nullptr);

  void accept() override;

 private:
  struct Row {
    std::size_t offset;
    QLineEdit* edit;
  };
  void AddRow(QGridLayout* grid, int row, const QString& label, std::size_t offset);

  std::vector<Row> rows_;
};

// Shows the dialog; nonzero when the user confirmed it and the folders were
// stored (the caller then reloads the system libraries).
int BasEnvironmentDialog(QWidget* parent);

}  // namespace zv
