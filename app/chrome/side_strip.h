#pragma once
// The side strip in the management bar: the side pages with their tabs
// along the bottom. A click on one of the first three tabs tells the
// application which kind of document to bring forward (kActivateDocument
// with lParam = page − 1, so the directory tree gives −1); "消息发送失败！"
// when that cannot be posted. It receives kSelectSidePage (flag, page): the
// page is selected only while one of the first three is current, and a
// non-zero flag tells the application as a click would.

#include <QTabWidget>

namespace zv::chrome {

class SideStrip : public QTabWidget {
 public:
  explicit SideStrip(QWidget* parent = nullptr);

  // What a click on tab `index` does (also run by the tab bar's clicks).
  void ClickTab(int index);

 protected:
  bool event(QEvent* event) override;
};

}  // namespace zv::chrome
