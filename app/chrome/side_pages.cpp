#include "app/chrome/side_pages.h"

#include <map>
#include <string>

namespace zv::chrome {
namespace {

constexpr SidePage kPages[] = {
    {"CDirTreeDlg", 109, "目录"},   {"CPrjDlg", 134, "工程"},   {"CFileDlg", 112, "文件"},
    {"CDlgClr", 306, "颜色"},       {"CDlgSub", 297, "子图"},   {"CDlgLine", 298, "线型"},
    {"CDlgReg", 299, "区域"},       {"CDlgTxt", 301, "属性查询"},
};

std::map<std::string, SidePageFactory>& Factories() {
  static std::map<std::string, SidePageFactory> factories;
  return factories;
}

}  // namespace

std::span<const SidePage> SidePages() { return kPages; }

void RegisterSidePage(const char* className, SidePageFactory factory) { Factories()[className] = std::move(factory); }

QWidget* CreateSidePage(const char* className, QWidget* parent) {
  const auto it = Factories().find(className);
  QWidget* page = it != Factories().end() ? it->second(parent) : new QWidget(parent);
  page->setObjectName(QString::fromLatin1(className));
  return page;
}

}  // namespace zv::chrome
