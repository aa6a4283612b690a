#include <gtest/gtest.h>

#include "framework/commands/menu_rows.h"

namespace zv::cmd {
namespace {

TEST(MenuRows, PathsSplitAndTopLevelsFollowTheirOrder) {
  EXPECT_EQ(SplitMenuPath("&C地质绘图/柱状图(ACCESS)/柱状图路径"),
            (std::vector<std::string>{"&C地质绘图", "柱状图(ACCESS)", "柱状图路径"}));
  EXPECT_EQ(SplitMenuPath("&F文件/"), (std::vector<std::string>{"&F文件"}));
  EXPECT_EQ(SplitMenuPath("&1辅助工具/断线功能/定距\\/定数等分线"),
            (std::vector<std::string>{"&1辅助工具", "断线功能", "定距/定数等分线"}));

  MenuRegistry menus;
  const MenuRow rows[] = {
      {107, "帮助/关于", 57664}, {107, "&O设置/参数设置", 32976}, {107, "&F文件/打开", 57601},
      {107, "未列出/项", 1},     {141, "&F文件/新建", 32808},      {107, "&F文件/保存", 57603},
  };
  menus.AddRows(rows);
  menus.SetTopLevelOrder(107, {"&F文件", "&O设置", "帮助"});
  std::vector<int> ids;
  for (const MenuRow& r : menus.RowsOf(107)) ids.push_back(r.id);
  // Listed top levels in their order (rows keep theirs within), then the rest.
  EXPECT_EQ(ids, (std::vector<int>{57601, 57603, 32976, 57664, 1}));
  ASSERT_EQ(menus.RowsOf(141).size(), 1u);
}

}  // namespace
}  // namespace zv::cmd
