#pragma once
// The mine-area combo both database choosers start with: editable, unsorted,
// with one item per minefile row ("code  name", in row order) and nothing
// chosen; whatever its text, leaving it (a pick or a typed code, then Tab)
// runs the chooser's step. Database failures are told with the driver's text.

#include <QComboBox>
#include <functional>
#include <string>

#include "zavediz/chart/borehole_choice.h"

namespace zv::zavediz {

class MineAreaCombo : public QComboBox {
 public:
  MineAreaCombo(QWidget* parent, std::function<void()> onLeave);

  // Opens the catalog on the data source and lists its mine areas; a failed
  // open or read is told and the combo keeps what was read.
  void Fill(chart::BoreholeCatalog& catalog, const std::string& dataSource);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  std::function<void()> onLeave_;
};

// Tells a database failure (the driver's text) with the stop icon.
void TellDatabaseError(const std::string& error);

}  // namespace zv::zavediz
