#pragma once
// The header of a grid list. It paints the sort column itself: its heading
// narrowed to leave room for a small triangle at the right edge that points
// up for an ascending and down for a descending sort. Other columns keep the
// style's own painting.

#include <QHeaderView>

namespace zv::grid {

class CSortHeaderCtrl : public QHeaderView {
  Q_OBJECT

 public:
  explicit CSortHeaderCtrl(QWidget* parent = nullptr);

  // Shows the arrow on `column` (−1: none) and repaints.
  void SetSortArrow(int column, bool ascending);
  int sortColumn() const { return sortColumn_; }
  bool ascending() const { return ascending_; }

 protected:
  void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  int sortColumn_ = -1;
  bool ascending_ = true;
  int pressedSection_ = -1;
};

}  // namespace zv::grid
