#include "app/about/about_dlg.h"

#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QVBoxLayout>

#include "app/about/static_link.h"
#include "framework/paths/app_folder.h"

namespace zv {
namespace {

struct LinkRow {
  const char* caption;
  const char* target;  // empty: the help page of the data folder
};

constexpr LinkRow kLinks[] = {
    {"使用说明", ""},
    {"Qt", "https://www.qt.io/"},
    {"PROJ", "https://proj.org/"},
    {"GEOS", "https://libgeos.org/"},
};

}  // namespace

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("关于 zavediz"));
  auto* layout = new QVBoxLayout(this);
  auto* title = new QLabel(QStringLiteral("Zavediz"), this);
  QFont big = title->font();
  big.setPointSizeF(big.pointSizeF() * 1.6);
  big.setBold(true);
  title->setFont(big);
  layout->addWidget(title);
  layout->addWidget(new QLabel(QStringLiteral("地质剖面、钻孔柱状图、坐标与图幅计算及地图编辑工具"), this));
  layout->addWidget(new QLabel(QStringLiteral("单击或按任意键关闭。"), this));
  for (const LinkRow& row : kLinks) {
    const QString target = *row.target ? QString::fromUtf8(row.target)
                                       : QString::fromStdString(paths::GetDataFolder()) + QStringLiteral("zavediz.html");
    auto* link = new CStaticLink(QString::fromUtf8(row.caption), target, this);
    link->setObjectName(QStringLiteral("link%1").arg(links_.size() + 1));
    links_ << link;
    layout->addWidget(link);
  }
}

void CAboutDlg::mousePressEvent(QMouseEvent*) { reject(); }
void CAboutDlg::keyPressEvent(QKeyEvent*) { reject(); }

}  // namespace zv
