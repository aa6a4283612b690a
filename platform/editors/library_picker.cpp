#include "platform/editors/library_picker.h"

#include <QDialog>
#include <QListWidget>
#include <QVBoxLayout>

#include "framework/prompts/ok_cancel_buttons.h"
#include "framework/prompts/prompts.h"
#include "platform/display/entity_display.h"
#include "platform/display/system_library.h"

namespace zv {

namespace {

constexpr QSize kSampleSize(48, 32);

std::pair<int, int> RangeOf(LibraryKind kind) {
  const display::SystemLibrary& library = display::CurrentLibrary();
  switch (kind) {
    case LibraryKind::kColour: return {0, library.ColourCount()};
    case LibraryKind::kSubgraph: return {1, library.SubgraphCount()};
    case LibraryKind::kLineType: return {1, library.LineTypeCount()};
    case LibraryKind::kPattern: return {1, library.PatternCount()};
  }
  return {1, 1};
}

}  // namespace

QImage LibraryItemSample(LibraryKind kind, int number, QSize size) {
  QImage image(size, QImage::Format_RGB32);
  image.fill(Qt::white);
  display::KernelDriver dc(image);
  // One map unit per ten pixels, the map origin at the lower left.
  const double unit = 10.0;
  dc.SetWindow(0, 0, unit);
  const double w = size.width() / unit, h = size.height() / unit;
  switch (kind) {
    case LibraryKind::kColour:
      dc.Clear(number);
      break;
    case LibraryKind::kSubgraph: {
      PNT_INFO info;
      info.setKind(1);
      info.setSymbolNumber(number);
      info.setSymbolHeight(static_cast<float>(h * 0.8));
      info.setSymbolWidth(static_cast<float>(h * 0.8));
      info.setColour(1);
      display::_DispPnt(dc, {w / 2, h / 2}, "", info);
      break;
    }
    case LibraryKind::kLineType: {
      LIN_INFO info;
      info.setStyle(static_cast<int16_t>(number));
      info.setColour(1);
      info.setWidth(0.2f);
      info.setXScale(1.0f);
      info.setYScale(1.0f);
      display::_DispLin(dc, {{0.3, h / 2}, {w - 0.3, h / 2}}, info);
      break;
    }
    case LibraryKind::kPattern: {
      REG_INFO info;
      info.setFillColour(0);
      info.setPattern(static_cast<int16_t>(number));
      info.setPatternHeight(static_cast<float>(h / 2));
      info.setPatternWidth(static_cast<float>(h / 2));
      info.setPatternColour(1);
      display::_DispReg(dc, {{{0.2, 0.2}, {w - 0.2, 0.2}, {w - 0.2, h - 0.2}, {0.2, h - 0.2}, {0.2, 0.2}}}, info);
      break;
    }
  }
  return image;
}

int PickLibraryItem(LibraryKind kind, int current, QWidget* parent) {
  const auto [first, count] = RangeOf(kind);
  if (count <= first) return -1;
  QDialog dialog(parent ? parent : prompt::GetMainWnd());
  static const char* const kTitles[] = {"选择颜色", "选择子图", "选择线型", "选择图案"};
  dialog.setWindowTitle(QString::fromUtf8(kTitles[static_cast<int>(kind)]));
  auto* layout = new QVBoxLayout(&dialog);
  auto* list = new QListWidget(&dialog);
  list->setObjectName(QStringLiteral("items"));
  list->setViewMode(QListView::IconMode);
  list->setIconSize(kSampleSize);
  list->setResizeMode(QListView::Adjust);
  for (int n = first; n < count; ++n) {
    auto* item = new QListWidgetItem(QIcon(QPixmap::fromImage(LibraryItemSample(kind, n, kSampleSize))), QString::number(n), list);
    item->setData(Qt::UserRole, n);
    if (n == current) list->setCurrentItem(item);
  }
  layout->addWidget(list);
  AddOkCancelButtons(dialog, layout);
  QObject::connect(list, &QListWidget::itemDoubleClicked, &dialog, &QDialog::accept);
  if (prompt::Current().Exec(dialog) != QDialog::Accepted || !list->currentItem()) return -1;
  return list->currentItem()->data(Qt::UserRole).toInt();
}

}  // namespace zv
