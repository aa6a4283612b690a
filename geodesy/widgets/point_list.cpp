#include "geodesy/widgets/point_list.h"

#include <QApplication>
#include <QBoxLayout>
#include <QButtonGroup>
#include <QRadioButton>
#include <QClipboard>
#include <QFormLayout>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>

#include "common/grid_list/grid_list_ctrl.h"
#include "framework/fileio/file_io.h"
#include "framework/text/encoding.h"
#include "framework/text/numbers.h"
#include "framework/workbook/cell_number.h"
#include "framework/workbook/object_model.h"

namespace zv::geodesy {

std::vector<point_text::Fields> ListRows(const grid::CGridListCtrl& list) {
  std::vector<point_text::Fields> rows;
  for (int r = 0; r < list.GetItemCount(); ++r) {
    const QStringList cells = list.GetRowCells(r);
    rows.push_back({cells.value(0).trimmed().toStdString(), cells.value(1).trimmed().toStdString(),
                    cells.value(2).trimmed().toStdString()});
  }
  return rows;
}

void SetListRows(grid::CGridListCtrl& list, const std::vector<point_text::Fields>& rows) {
  list.DeleteAllRows();
  for (const point_text::Fields& f : rows)
    list.AddRow({QString::fromStdString(f[0]), QString::fromStdString(f[1]), QString::fromStdString(f[2])});
}

void CopyRows(const grid::CGridListCtrl& list, const ClipboardForm& form) {
  QApplication::clipboard()->setText(form.copy(ListRows(list)));
}

void PasteRows(grid::CGridListCtrl& list, const ClipboardForm& form) {
  SetListRows(list, form.paste(QApplication::clipboard()->text()));
}

QString SheetCellText(const workbook::Range& cell) {
  if (cell.Value().type != workbook::CellValue::Type::kNumber) return QString::fromStdString(cell.Text());
  return QString::fromStdString(num::Format("%.15g", workbook::ParseCellNumber(cell)));
}

QStringList SheetRowCells(const workbook::Range& cells, int row, std::initializer_list<int> valueColumns,
                          std::size_t maxCharacters) {
  auto cut = [maxCharacters](const std::string& text) {
    return QString::fromStdString(text::CutToCharacters(text, maxCharacters));
  };
  QStringList texts{cut(cells.Item(row, 1).Text())};
  for (int column : valueColumns) texts << cut(SheetCellText(cells.Item(row, column)).toStdString());
  return texts;
}

std::optional<std::string> ChooseAndReadFile(const prompt::FileRequest& request) {
  const QString path = prompt::ChooseFile(request);
  if (path.isEmpty()) return std::nullopt;
  std::string bytes, error;
  if (!fileio::ReadWholeFile(path.toStdString(), bytes, &error)) {
    prompt::Message(QStringLiteral("无法读取文件“%1”：%2").arg(path, QString::fromStdString(error)), prompt::kIconStop);
    return std::nullopt;
  }
  return bytes;
}

void ChooseAndWriteFile(const prompt::FileRequest& request, const std::string& bytes) {
  const QString path = prompt::ChooseFile(request);
  if (path.isEmpty()) return;
  std::string error;
  if (!fileio::WriteFileAtomically(path.toStdString(), bytes, &error))
    prompt::Message(QStringLiteral("无法保存文件“%1”：%2").arg(path, QString::fromStdString(error)), prompt::kIconStop);
}

grid::CGridListCtrl* MakeList(QWidget* parent, const char* name, const QString& columns, int dialogId) {
  auto* list = new grid::CGridListCtrl(parent);
  list->setObjectName(name);
  list->SetColumns(columns);
  for (int c = 0; c < list->GetColumnCount(); ++c) list->SetColumnType(c, grid::kColumnText);
  list->LoadColumnState(dialogId);
  return list;
}

grid::CGridListCtrl* MakePointList(QWidget* parent, const char* name, const QString& columns, int dialogId,
                                   ClipboardForm form) {
  grid::CGridListCtrl* list = MakeList(parent, name, columns, dialogId);
  AddPointListMenu(*list, std::move(form));
  return list;
}

QButtonGroup* AddRadios(QWidget* parent, const char* name, const QStringList& labels, const QList<int>& ids,
                        QBoxLayout* row) {
  auto* group = new QButtonGroup(parent);
  for (int i = 0; i < labels.size(); ++i) {
    auto* radio = new QRadioButton(labels[i], parent);
    radio->setObjectName(QStringLiteral("%1%2").arg(QLatin1String(name)).arg(ids[i]));
    group->addButton(radio, ids[i]);
    row->addWidget(radio);
  }
  return group;
}

QLineEdit* AddFormEdit(QWidget* parent, QFormLayout* form, const char* name, const QString& label,
                       const QString& value) {
  auto* edit = new QLineEdit(value, parent);
  edit->setObjectName(name);
  form->addRow(label, edit);
  return edit;
}

QPushButton* ActionButton(QWidget* parent, const char* name, const QString& text, std::function<void()> action) {
  auto* button = new QPushButton(text, parent);
  button->setObjectName(name);
  button->setAutoDefault(false);
  QObject::connect(button, &QPushButton::clicked, parent, std::move(action));
  return button;
}

void AddPointListMenu(grid::CGridListCtrl& list, ClipboardForm form) {
  list.setContextMenuPolicy(Qt::CustomContextMenu);
  QObject::connect(&list, &QWidget::customContextMenuRequested, &list, [&list, form](const QPoint& at) {
    QMenu menu(&list);
    menu.addAction(QStringLiteral("追加数据"), &list, [&list] { list.AddRow({{}, {}, {}}); });
    menu.addAction(QStringLiteral("删除数据"), &list, [&list] { list.DeleteAllRows(); });
    menu.addAction(QStringLiteral("复制数据"), &list, [&list, form] { CopyRows(list, form); });
    menu.addAction(QStringLiteral("粘贴数据"), &list, [&list, form] { PasteRows(list, form); });
    menu.exec(list.viewport()->mapToGlobal(at));
  });
}

}  // namespace zv::geodesy
