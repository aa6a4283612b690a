// The key-field dialog driven through its controls: the names handed back,
// the import mode and the choice of file.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QListWidget>
#include <QRadioButton>

#include "annotation/key_field_dlg.h"
#include "tests/support/work_areas_fixture.h"

namespace zv::annot {
namespace {

class KeyFieldDlgTest : public zv::test::WorkAreasTest {
 protected:
  void SetUp() override {
    WorkAreasTest::SetUp();
    CFIELD_HEAD depth;
    depth.name = "深度";
    ASSERT_GE(BasInsertField(points_, kPointEntity, depth), 0);
    BasAppendPoint(points_, {1, 1}, "", *BasGetDefaultPointParam(1));
    BasAppendLine(lines_, std::vector<D_DOT>{{0, 0}, {1, 1}}, *BasGetDefaultLineParam());
  }
  template <typename T>
  static T* Control(QDialog& d, int id) {
    return d.findChild<T*>(QString("control%1").arg(id));
  }
};

TEST_F(KeyFieldDlgTest, ANameLikeAFieldComesBackWithItsPosition) {
  CKeyFieldDlg dialog(CKeyFieldDlg::kJoin, {points_, lines_, regions_}, {"孔号", "", "深度", "备注"});
  EXPECT_EQ(Control<QComboBox>(dialog, 1060)->count(), 2);  // ID, 深度
  Control<QComboBox>(dialog, 1060)->setCurrentIndex(1);
  Control<QComboBox>(dialog, 1061)->setCurrentIndex(2);
  dialog.accept();
  EXPECT_EQ(dialog.area(), points_);
  EXPECT_EQ(dialog.keyField(), 1);
  EXPECT_EQ(dialog.keyColumn(), 2);
  std::vector<std::string> names;
  for (const ChosenColumn& c : dialog.chosen()) names.push_back(c.name + "@" + std::to_string(c.position));
  EXPECT_EQ(names, (std::vector<std::string>{"孔号@0", "深度1@1", "备注@2"}));
}

TEST_F(KeyFieldDlgTest, ImportModeAndAnEmptySelectionChooseNoColumns) {
  CKeyFieldDlg import(CKeyFieldDlg::kImport, {points_, lines_, regions_}, {"孔号"});
  EXPECT_FALSE(Control<QListWidget>(import, 1001)->isEnabled());
  import.accept();
  EXPECT_TRUE(import.chosen().empty());
  EXPECT_EQ(import.keyColumn(), -1);

  CKeyFieldDlg join(CKeyFieldDlg::kJoin, {points_, lines_, regions_}, {"孔号", "深度"});
  Control<QListWidget>(join, 1001)->clearSelection();
  join.accept();
  EXPECT_TRUE(join.chosen().empty());
}

TEST_F(KeyFieldDlgTest, TheRadioButtonsChooseTheFileAndItsFields) {
  CKeyFieldDlg dialog(CKeyFieldDlg::kJoin, {points_, lines_, regions_}, {"长度"});
  Control<QRadioButton>(dialog, 1058)->click();
  EXPECT_EQ(Control<QComboBox>(dialog, 1060)->itemText(1), "长度");
  Control<QRadioButton>(dialog, 1059)->click();  // no region: no fields
  EXPECT_EQ(Control<QComboBox>(dialog, 1060)->count(), 0);
  Control<QRadioButton>(dialog, 1058)->click();
  dialog.accept();
  EXPECT_EQ(dialog.area(), lines_);
  ASSERT_EQ(dialog.chosen().size(), 1u);
  EXPECT_EQ(dialog.chosen()[0].name, "长度0");
}

}  // namespace
}  // namespace zv::annot
