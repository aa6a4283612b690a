#include "platform/statistics/statistics_window.h"

#include <QHeaderView>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace zv::stats {
namespace {

QString Number(double value) { return QString::number(value, 'g', 15); }
QString Utf8(const std::string& text) { return QString::fromStdString(text); }

void Fill(QTreeWidget& tree, const AttributeStatistics& figures) {
  tree.setColumnCount(6);
  tree.setHeaderLabels({QStringLiteral("字段"), QStringLiteral("个数"), QStringLiteral("总和"),
                        QStringLiteral("最小值"), QStringLiteral("最大值"), QStringLiteral("平均值")});
  new QTreeWidgetItem(&tree, QStringList{QStringLiteral("实体数"), QString::number(figures.liveEntities)});
  for (const NumericField& f : figures.numeric)
    new QTreeWidgetItem(&tree, {Utf8(f.name), QString::number(f.count), Number(f.sum), Number(f.minimum),
                                Number(f.maximum), Number(f.mean())});
  for (const TextField& f : figures.texts) {
    auto* field = new QTreeWidgetItem(&tree, {Utf8(f.name), QString::number(static_cast<qlonglong>(f.values.size()))});
    for (const auto& [value, count] : f.values) new QTreeWidgetItem(field, {Utf8(value), QString::number(count)});
  }
  tree.expandAll();
  tree.header()->setSectionResizeMode(QHeaderView::ResizeToContents);
}

}  // namespace

QWidget* ShowStatisticsWindow(const AttributeStatistics& figures, const QString& title, QWidget* parent) {
  auto* window = new QWidget(parent, Qt::Tool);
  window->setAttribute(Qt::WA_DeleteOnClose);
  window->setObjectName(QString::fromLatin1(kStatisticsWindowName));
  window->setWindowTitle(title);
  auto* tree = new QTreeWidget(window);
  tree->setObjectName(QStringLiteral("figures"));
  Fill(*tree, figures);
  auto* layout = new QVBoxLayout(window);
  layout->addWidget(tree);
  window->resize(520, 360);
  window->show();
  return window;
}

}  // namespace zv::stats
