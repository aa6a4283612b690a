#include "platform/editors/attribute_editor.h"

#include <QDialog>
#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <charconv>
#include <string>

#include "framework/prompts/ok_cancel_buttons.h"
#include "framework/prompts/prompts.h"

namespace zv {

namespace {

QTableWidgetItem* Cell(const QString& text, bool editable) {
  auto* item = new QTableWidgetItem(text);
  if (!editable) item->setFlags(item->flags() & ~Qt::ItemIsEditable);
  return item;
}

bool NumericField(uint8_t type) {
  return type == kFieldByte || type == kFieldShort || type == kFieldLong || type == kFieldFloat ||
         type == kFieldDouble || type == kFieldBoolean || type == kFieldNumber;
}

// A whole number text (blanks around allowed; empty is zero), read without
// regard to the user's locale.
bool IsNumberText(const QString& text) {
  const std::string bytes = text.trimmed().toStdString();
  if (bytes.empty()) return true;
  double value = 0;
  const char* end = bytes.data() + bytes.size();
  const auto [at, error] = std::from_chars(bytes.data() + (bytes[0] == '+' ? 1 : 0), end, value);
  return error == std::errc() && at == end;
}

}  // namespace

int EditEntityAttribute(WorkAreaHandle area, int entityType, int32_t id, const QString& title, QWidget* parent) {
  AttributeRecord record;
  if (!BasReadAttribute(area, entityType, id, &record) || !record.structure) return 2;
  const CATT_STRU& structure = *record.structure;
  QDialog dialog(parent ? parent : prompt::GetMainWnd());
  dialog.setWindowTitle(title);
  auto* layout = new QVBoxLayout(&dialog);
  auto* table = new QTableWidget(static_cast<int>(structure.fields.size()), 2, &dialog);
  table->setObjectName(QStringLiteral("values"));
  table->setHorizontalHeaderLabels({QStringLiteral("字段名称"), QStringLiteral("字段值")});
  table->horizontalHeader()->setStretchLastSection(true);
  std::vector<QString> before;
  for (int i = 0; i < static_cast<int>(structure.fields.size()); ++i) {
    std::string text;
    BasGetFieldText(record, i, &text);
    before.push_back(QString::fromStdString(text));
    const bool editable = i > 0 && structure.fields[static_cast<std::size_t>(i)].editFlag == 1;
    table->setItem(i, 0, Cell(QString::fromStdString(structure.fields[static_cast<std::size_t>(i)].name), false));
    table->setItem(i, 1, Cell(before.back(), editable));
  }
  layout->addWidget(table);
  AddOkCancelButtons(dialog, layout);
  if (prompt::Current().Exec(dialog) != QDialog::Accepted) return 2;
  for (int i = 1; i < static_cast<int>(structure.fields.size()); ++i) {
    const QString now = table->item(i, 1)->text();
    if (now == before[static_cast<std::size_t>(i)]) continue;
    const uint8_t type = structure.fields[static_cast<std::size_t>(i)].type;
    const QString value = NumericField(type) ? now.trimmed() : now;
    if ((NumericField(type) && !IsNumberText(now)) || !BasSetFieldByIndex(record, i, value.toStdString())) {
      prompt::Message(QStringLiteral("字段值无效: ") + table->item(i, 0)->text());
      return 2;
    }
  }
  return BasWriteAttribute(area, entityType, id, record) ? 1 : 2;
}

int EditAttributeStructure(WorkAreaHandle area, int entityType, const QString& title, QWidget* parent) {
  CATT_STRU structure;
  if (!BasReadAttributeStructure(area, entityType, &structure)) return 2;
  QDialog dialog(parent ? parent : prompt::GetMainWnd());
  dialog.setWindowTitle(title);
  auto* layout = new QVBoxLayout(&dialog);
  auto* table = new QTableWidget(static_cast<int>(structure.fields.size()), 4, &dialog);
  table->setObjectName(QStringLiteral("fields"));
  table->setHorizontalHeaderLabels(
      {QStringLiteral("字段名称"), QStringLiteral("字段类型"), QStringLiteral("字段长度"), QStringLiteral("小数位数")});
  for (int i = 0; i < static_cast<int>(structure.fields.size()); ++i) {
    const CFIELD_HEAD& f = structure.fields[static_cast<std::size_t>(i)];
    const bool editable = i > 0;
    table->setItem(i, 0, Cell(QString::fromStdString(f.name), editable));
    table->setItem(i, 1, Cell(QString::number(f.type), editable));
    table->setItem(i, 2, Cell(QString::number(f.length), editable));
    table->setItem(i, 3, Cell(QString::number(f.decimals), editable));
  }
  layout->addWidget(table);
  auto* add = new QPushButton(QStringLiteral("添加字段"), &dialog);
  add->setObjectName(QStringLiteral("add"));
  QObject::connect(add, &QPushButton::clicked, table, [table] {
    const int row = table->rowCount();
    table->insertRow(row);
    table->setItem(row, 0, Cell(QStringLiteral("字段%1").arg(row), true));
    table->setItem(row, 1, Cell(QString::number(kFieldString), true));
    table->setItem(row, 2, Cell(QStringLiteral("10"), true));
    table->setItem(row, 3, Cell(QStringLiteral("0"), true));
  });
  auto* remove = new QPushButton(QStringLiteral("删除字段"), &dialog);
  remove->setObjectName(QStringLiteral("remove"));
  QObject::connect(remove, &QPushButton::clicked, table, [table] {
    if (table->currentRow() > 0) table->removeRow(table->currentRow());
  });
  layout->addWidget(add);
  layout->addWidget(remove);
  AddOkCancelButtons(dialog, layout);
  if (prompt::Current().Exec(dialog) != QDialog::Accepted) return 2;

  CATT_STRU edited;
  edited.fields.push_back(structure.fields.front());
  for (int row = 1; row < table->rowCount(); ++row) {
    CFIELD_HEAD f;
    bool okType = false, okLength = false, okDecimals = false;
    f.name = table->item(row, 0)->text().trimmed().toStdString();
    const int type = table->item(row, 1)->text().toInt(&okType);
    f.length = static_cast<int16_t>(table->item(row, 2)->text().toInt(&okLength));
    f.decimals = static_cast<int8_t>(table->item(row, 3)->text().toInt(&okDecimals));
    if (f.name.empty() || !okType || !okLength || !okDecimals || FieldTypeName(type).empty() || f.length < 1 ||
        f.decimals < 0) {
      prompt::Message(QStringLiteral("字段定义无效: 第%1行").arg(row + 1));
      return 2;
    }
    f.type = static_cast<uint8_t>(type);
    edited.fields.push_back(f);
  }
  LayOutStructure(edited);
  if (BasSetAttributeStructure(area, entityType, edited)) return 1;
  if (!BasLastRefusal().empty()) prompt::Message(QString::fromStdString(BasLastRefusal()));
  return 2;
}

}  // namespace zv
