#include "common/grid_list/sort_header_ctrl.h"

#include <QMouseEvent>
#include <QPainter>

namespace zv::grid {

namespace {

void DrawLine(QPainter& painter, const QColor& colour, QPoint from, QPoint to) {
  painter.setPen(QPen(colour, 1));
  painter.drawLine(from, to);
}

}  // namespace

CSortHeaderCtrl::CSortHeaderCtrl(QWidget* parent) : QHeaderView(Qt::Horizontal, parent) {
  setSectionsClickable(true);
  setHighlightSections(false);
}

void CSortHeaderCtrl::SetSortArrow(int column, bool ascending) {
  sortColumn_ = column;
  ascending_ = ascending;
  viewport()->update();
}

void CSortHeaderCtrl::mousePressEvent(QMouseEvent* event) {
  pressedSection_ = logicalIndexAt(event->position().toPoint());
  QHeaderView::mousePressEvent(event);
}

void CSortHeaderCtrl::mouseReleaseEvent(QMouseEvent* event) {
  pressedSection_ = -1;
  QHeaderView::mouseReleaseEvent(event);
  viewport()->update();
}

void CSortHeaderCtrl::paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const {
  if (logicalIndex != sortColumn_) {
    QHeaderView::paintSection(painter, rect, logicalIndex);
    return;
  }
  painter->save();
  painter->fillRect(rect, palette().button());

  // Everything is measured in quarters of the item height.
  const int o = rect.height() / 4;
  QRect textRect = rect.adjusted(o, 0, -o - 3 * o, 0);
  if (pressedSection_ == logicalIndex) textRect.translate(1, 2);
  if (textRect.isValid()) {
    const auto alignment = Qt::Alignment(
        model() ? model()->headerData(logicalIndex, orientation(), Qt::TextAlignmentRole).toInt() : Qt::AlignLeft);
    const QString text = model() ? model()->headerData(logicalIndex, orientation(), Qt::DisplayRole).toString().left(255)
                                 : QString();
    const Qt::Alignment horizontal = alignment & Qt::AlignHorizontal_Mask;
    painter->setPen(palette().color(QPalette::ButtonText));
    painter->drawText(textRect, int(horizontal | Qt::AlignVCenter) | Qt::TextSingleLine,
                      painter->fontMetrics().elidedText(text, Qt::ElideRight, textRect.width()));
  }

  const QColor highlight = palette().color(QPalette::Light);
  const QColor shadow = palette().color(QPalette::Dark);
  const int r = rect.right() + 1;  // the item's right edge, as the arrow is measured from it
  const int top = rect.top();
  const int bottom = rect.bottom() + 1;
  if (ascending_) {
    const QPoint apex(r - 2 * o, top + o);
    const QPoint baseLeft(r - 3 * o - 2, bottom - o - 1);
    const QPoint baseRight(r - o, bottom - o - 1);
    DrawLine(*painter, highlight, baseRight, apex);
    DrawLine(*painter, highlight, baseLeft, baseRight);
    DrawLine(*painter, shadow, apex, baseLeft);
  } else {
    const QPoint topLeft(r - 3 * o - 1, top + o);
    const QPoint topRight(r - o - 1, top + o);
    const QPoint apex(r - 2 * o - 1, bottom - o);
    DrawLine(*painter, highlight, topRight, apex);
    DrawLine(*painter, shadow, apex, topLeft);
    DrawLine(*painter, shadow, topLeft, topRight);
  }
  painter->restore();
}

}  // namespace zv::grid
