#include "common/grid_list/grid_cell_delegate.h"

#include <QPainter>
#include <qdrawutil.h>

#include "common/grid_list/grid_list_ctrl.h"

namespace zv::grid {

GridCellDelegate::GridCellDelegate(CGridListCtrl* list) : QStyledItemDelegate(list), list_(list) {}

QRect GridCellDelegate::CheckBoxRect(const QRect& cell) {
  const int side = cell.height() - 1;
  const int left = cell.width() / 2 - side / 2 + cell.left() - 1;
  return {left, cell.top(), side, side};
}

void GridCellDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const {
  QRect cell;
  if (!list_->GetCellRect(index.row(), index.column(), &cell)) return;
  const bool selected = option.state.testFlag(QStyle::State_Selected);
  const QVariant ownBack = index.data(Qt::BackgroundRole);
  const QVariant ownText = index.data(Qt::ForegroundRole);
  const QColor back = selected ? list_->selectedBackColour()
                               : (ownBack.isValid() ? ownBack.value<QColor>() : list_->backColour());
  const QColor fore = selected ? list_->selectedTextColour()
                               : (ownText.isValid() ? ownText.value<QColor>() : list_->textColour());

  painter->save();
  painter->fillRect(cell, back);
  const QString text = index.data(Qt::DisplayRole).toString();
  if (list_->ColumnType(index.column()) == kColumnCheckBox) {
    const QRect box = CheckBoxRect(cell);
    qDrawShadePanel(painter, box, option.palette, /*sunken=*/true, 1);
    if (text == QLatin1String("1")) {
      painter->setPen(QPen(fore, 1));
      // Seven strokes three pixels long: four stepping down to the left,
      // then three stepping up to the left.
      int x = box.left() + 9;
      int y = box.top() + 3;
      for (int stroke = 0; stroke < 7; ++stroke) {
        painter->drawLine(x, y, x, y + 2);
        --x;
        y += stroke < 3 ? 1 : -1;
      }
    }
  } else if (!text.isEmpty()) {
    const auto alignment = Qt::Alignment(index.data(Qt::TextAlignmentRole).toInt());
    painter->setPen(fore);
    painter->drawText(cell, int((alignment & Qt::AlignHorizontal_Mask) | Qt::AlignVCenter) | Qt::TextSingleLine,
                      text);
  }
  painter->restore();
}

}  // namespace zv::grid
