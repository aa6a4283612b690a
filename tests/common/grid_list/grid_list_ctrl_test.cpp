#include "common/grid_list/grid_list_ctrl.h"

#include <gtest/gtest.h>

#include <functional>

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QScrollBar>
#include <QTest>

#include "common/grid_list/grid_cell_delegate.h"
#include "common/grid_list/grid_column_state.h"
#include "common/grid_list/sort_header_ctrl.h"
#include "framework/messages/pane_window_table.h"
#include "framework/messages/private_message.h"
#include "framework/profile/profile_file.h"
#include "tests/support/test_env.h"

namespace zv::grid {
namespace {

struct Notice {
  std::intptr_t row;
  std::intptr_t code;
  bool operator==(const Notice&) const = default;
};

class LegendLibraryStandIn : public QObject {
 public:
  LegendLibraryStandIn() { msg::PaneWindows().Record(msg::PaneEntry::kLegendLibrary, this); }
  std::vector<Notice> notices;

 protected:
  void customEvent(QEvent* event) override {
    if (const auto* m = msg::AsPrivateMessage(event); m && m->message() == msg::kLegendGridUsed) {
      notices.push_back({m->wParam(), m->lParam()});
    }
  }
};

void RunPosted() {
  QCoreApplication::sendPostedEvents();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

class GridList : public testing::Test {
 protected:
  void SetUp() override {
    list_.resize(420, 300);
    ASSERT_TRUE(list_.SetColumns("序号,50;1名称,100;选,40;类,80"));
    list_.SetColumnType(1, kColumnText);
    list_.SetColumnType(2, kColumnCheckBox);
    list_.SetColumnType(3, kColumnChoice);
    list_.SetComboItem(4, "砂岩", 0);
    list_.SetComboItem(4, "页岩", 2);  // entry 1 stays empty and is left out
    for (int i = 0; i < 40; ++i) {
      ASSERT_EQ(list_.AddRow({QString::number(i + 1), QStringLiteral("孔%1").arg(i), "0", "泥岩"}), i);
    }
    list_.show();
    list_.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&list_));
  }

  QRect Cell(int row, int column) {
    QRect rect;
    EXPECT_TRUE(list_.GetCellRect(row, column, &rect));
    return rect;
  }
  void Click(int row, int column) {
    QTest::mouseClick(list_.viewport(), Qt::LeftButton, {}, Cell(row, column).center());
    RunPosted();
  }
  void GiveListFocus() {
    list_.setFocus();
    RunPosted();
  }

  CGridListCtrl list_;
};

TEST_F(GridList, FirstClickSelectsASecondOpensTheEditorOfTheColumnsKind) {
  Click(2, 1);
  EXPECT_EQ(list_.GetSelectedRows(), std::vector<int>{2});
  EXPECT_EQ(list_.textEditor(), nullptr) << "the first click on a row only selects it";

  Click(2, 1);
  QLineEdit* text = list_.textEditor();
  ASSERT_NE(text, nullptr);
  EXPECT_EQ(text->text(), "孔2");
  EXPECT_EQ(text->cursorPosition(), 2) << "caret at the end";
  EXPECT_EQ(text->geometry(), Cell(2, 1));
  text->setText("新孔");
  GiveListFocus();
  EXPECT_EQ(list_.textEditor(), nullptr);
  EXPECT_EQ(list_.GetRowCells(2), (QStringList{"3", "新孔", "0", "泥岩"}));

  Click(2, 3);  // same row: the choice box opens at once
  QComboBox* choice = list_.choiceEditor();
  ASSERT_NE(choice, nullptr);
  QStringList entries;
  for (int i = 0; i < choice->count(); ++i) entries << choice->itemText(i);
  EXPECT_EQ(entries, (QStringList{"砂岩", "页岩"}));
  EXPECT_EQ(choice->currentText(), "泥岩") << "the cell text in the edit field";
  EXPECT_EQ(choice->geometry().left(), Cell(2, 3).left() - 2);
  choice->setEditText("页岩");
  GiveListFocus();
  EXPECT_EQ(list_.choiceEditor(), nullptr);
  EXPECT_EQ(list_.CellText(2, 3), "页岩");

  Click(2, 0);  // read-only column
  EXPECT_EQ(list_.textEditor(), nullptr);
  EXPECT_EQ(list_.choiceEditor(), nullptr);
}

TEST_F(GridList, ClickingAnotherRowCommitsTheOpenEditorAndOnlySelects) {
  Click(4, 1);
  Click(4, 1);
  ASSERT_NE(list_.textEditor(), nullptr);
  list_.textEditor()->setText("改");
  Click(6, 1);
  EXPECT_EQ(list_.CellText(4, 1), "改");
  EXPECT_EQ(list_.textEditor(), nullptr);
  EXPECT_EQ(list_.GetSelectedRows(), std::vector<int>{6});
}

TEST_F(GridList, AnEditorCommitsWhenTheFocusGoesElsewhere) {
  QLineEdit elsewhere(&list_);  // stands for a dialog's OK button
  elsewhere.show();
  Click(4, 1);
  Click(4, 1);
  ASSERT_NE(list_.textEditor(), nullptr);
  list_.textEditor()->setText("typed");
  elsewhere.setFocus();
  RunPosted();
  EXPECT_EQ(list_.CellText(4, 1), "typed");
  EXPECT_EQ(list_.textEditor(), nullptr);

  Click(4, 3);
  ASSERT_NE(list_.choiceEditor(), nullptr);
  list_.choiceEditor()->setEditText("页岩");
  elsewhere.setFocus();
  RunPosted();
  EXPECT_EQ(list_.CellText(4, 3), "页岩");
}

// The editor knows its row by number: sorting, deleting or inserting rows
// while it is open must not carry the typed text into another row.
TEST_F(GridList, AnOpenEditorCommitsToItsOwnRowBeforeTheRowsMove) {
  const std::function<void()> moves[] = {
      [this] { QTest::mouseClick(list_.sortHeader()->viewport(), Qt::LeftButton, {}, QPoint(60, 5)); },
      [this] { list_.DeleteRow(0); },
      [this] { list_.InsertRow(0, {"新", "", "0", ""}); },
  };
  for (const auto& move : moves) {
    Click(5, 1);
    Click(5, 1);
    ASSERT_NE(list_.textEditor(), nullptr);
    const QString number = list_.CellText(5, 0);
    list_.textEditor()->setText("typed");
    move();
    GiveListFocus();
    int typed = 0;
    for (int r = 0; r < list_.GetItemCount(); ++r) typed += list_.CellText(r, 1) == "typed" ? 1 : 0;
    EXPECT_EQ(typed, 1);
    for (int r = 0; r < list_.GetItemCount(); ++r) {
      if (list_.CellText(r, 1) == "typed") EXPECT_EQ(list_.CellText(r, 0), number);
      list_.SetCellText(r, 1, QStringLiteral("孔%1").arg(r));
    }
  }
}

TEST_F(GridList, ACheckBoxTogglesOnEveryClickAlsoTheFirstOnARow) {
  Click(5, 2);
  EXPECT_EQ(list_.CellText(5, 2), "1");
  Click(5, 2);
  EXPECT_EQ(list_.CellText(5, 2), "0");
  Click(7, 2);
  EXPECT_EQ(list_.CellText(7, 2), "1");
  EXPECT_EQ(list_.textEditor(), nullptr);
  EXPECT_EQ(list_.choiceEditor(), nullptr);
}

TEST_F(GridList, WithoutAKindTableClicksOnlySelect) {
  CGridListCtrl plain;
  plain.resize(300, 200);
  plain.SetColumns("a,50;b,50");
  plain.AddRow({"1", "x"});
  plain.show();
  QRect cell;
  ASSERT_TRUE(plain.GetCellRect(0, 1, &cell));
  QTest::mouseClick(plain.viewport(), Qt::LeftButton, {}, cell.center());
  QTest::mouseClick(plain.viewport(), Qt::LeftButton, {}, cell.center());
  EXPECT_EQ(plain.textEditor(), nullptr);
  EXPECT_EQ(plain.GetSelectedRows(), std::vector<int>{0});
}

TEST_F(GridList, NoticesGoToTheLegendLibraryOnlyWithTheFlag) {
  LegendLibraryStandIn library;
  Click(1, 1);
  Click(1, 1);
  ASSERT_NE(list_.textEditor(), nullptr);
  GiveListFocus();
  EXPECT_TRUE(library.notices.empty());

  list_.SetNotify(true);
  Click(3, 1);  // the row before this click is still 1
  Click(3, 1);
  ASSERT_NE(list_.textEditor(), nullptr);
  GiveListFocus();
  Click(3, 3);
  ASSERT_NE(list_.choiceEditor(), nullptr);
  GiveListFocus();  // a choice box commits without a notice
  EXPECT_EQ(library.notices, (std::vector<Notice>{{1, 2}, {3, 2}, {3, 1}, {3, 2}}));
}

TEST_F(GridList, RowsTakeExactlyOneTextPerColumn) {
  EXPECT_EQ(list_.AddRow({"1", "2", "3"}), -1);
  EXPECT_EQ(list_.AddRow({"1", "2", "3", "4", "5"}), -1);
  EXPECT_EQ(list_.GetItemCount(), 40);
  EXPECT_EQ(list_.InsertRow(1, {"a", "b", "c", "d"}), 1);
  EXPECT_EQ(list_.GetRowCells(1), (QStringList{"a", "b", "c", "d"}));
  EXPECT_EQ(list_.GetRow(1)->backColours.size(), 4u);
  EXPECT_EQ(list_.GetRow(1)->textColours[3], list_.textColour());
  EXPECT_FALSE(list_.SetCellText(41, 0, "x"));
  EXPECT_FALSE(list_.SetCellText(0, 4, "x"));
  EXPECT_TRUE(list_.DeleteRow(1));
  EXPECT_EQ(list_.CellText(1, 0), "2");
  list_.DeleteAllRows();
  EXPECT_EQ(list_.GetItemCount(), 0);
  EXPECT_TRUE(list_.GetRowCells(0).isEmpty());
}

TEST_F(GridList, HeaderClicksSortAndFlipAndTheSelectionFollowsItsRow) {
  list_.DeleteAllRows();
  for (const char* n : {"10", "9", "100", "", "9.5"}) list_.AddRow({n, n, "0", ""});
  list_.SelectRow(2);  // "100"
  auto clickHeader = [&](int column) {
    QHeaderView* header = list_.horizontalHeader();
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                      QPoint(header->sectionViewportPosition(column) + 5, header->height() / 2));
  };
  auto columnZero = [&] {
    QStringList texts;
    for (int row = 0; row < list_.GetItemCount(); ++row) texts << list_.CellText(row, 0);
    return texts;
  };
  clickHeader(0);
  EXPECT_EQ(columnZero(), (QStringList{"", "9", "9.5", "10", "100"}));
  EXPECT_TRUE(list_.sortAscending());
  EXPECT_EQ(list_.GetSelectedRows(), std::vector<int>{4});
  clickHeader(0);
  EXPECT_EQ(columnZero(), (QStringList{"100", "10", "9.5", "9", ""}));
  EXPECT_FALSE(list_.sortAscending());
  EXPECT_EQ(list_.sortHeader()->sortColumn(), 0);
  EXPECT_FALSE(list_.sortHeader()->ascending());
  clickHeader(1);
  EXPECT_TRUE(list_.sortAscending()) << "another column sorts ascending";
  EXPECT_EQ(list_.sortHeader()->sortColumn(), 1);
}

TEST_F(GridList, StoredColumnWidthsApplyOnlyWhenTheirCountMatches) {
  const ProfileFile profile(test::TempRoot() + "/app.ini");
  list_.LoadColumnState(profile, 275);  // absent
  EXPECT_EQ(list_.columnWidth(1), 100);
  ASSERT_TRUE(profile.WriteString(kColumnStateSection, "275", EncodeColumnState({60, 70, 80, 90}).toStdString()));
  ASSERT_TRUE(profile.WriteString(kColumnStateSection, "190", EncodeColumnState({60, 70}).toStdString()));
  list_.LoadColumnState(profile, 190);
  EXPECT_EQ(list_.columnWidth(0), 50);
  list_.LoadColumnState(profile, 275);
  EXPECT_EQ(list_.columnWidth(0), 60);
  EXPECT_EQ(list_.columnWidth(3), 90);
}

TEST_F(GridList, AnOpenEditorFollowsItsCellAndFoldsAboveTheTop) {
  Click(1, 1);
  Click(1, 1);
  QLineEdit* text = list_.textEditor();
  ASSERT_NE(text, nullptr);
  list_.verticalScrollBar()->setValue(5);
  EXPECT_EQ(text->height(), 0);
  list_.verticalScrollBar()->setValue(0);
  EXPECT_EQ(text->geometry(), Cell(1, 1));
  list_.horizontalScrollBar()->setValue(list_.horizontalScrollBar()->maximum());
  EXPECT_EQ(text->geometry(), Cell(1, 1));
}

TEST_F(GridList, CellsPaintInTheirOwnOrTheSelectedColoursAndCheckedBoxesShowATick) {
  list_.SetCellText(0, 2, "1");
  list_.GetRow(1)->backColours[1] = QColor(200, 10, 10);
  list_.SelectRow(3);
  const QImage image = list_.viewport()->grab().toImage();
  auto colourAt = [&](QPoint p) { return image.pixelColor(p); };
  EXPECT_EQ(colourAt(Cell(1, 1).topLeft() + QPoint(2, 1)), QColor(200, 10, 10));
  EXPECT_EQ(colourAt(Cell(3, 0).topLeft() + QPoint(2, 1)), list_.selectedBackColour());
  EXPECT_EQ(colourAt(Cell(2, 1).topLeft() + QPoint(2, 1)), list_.backColour());

  const QRect box = GridCellDelegate::CheckBoxRect(Cell(0, 2));
  EXPECT_EQ(box.height(), Cell(0, 2).height() - 1);
  // The tick's first stroke runs down from (left + 9, top + 3); the last one
  // starts six pixels further left at the same height.
  EXPECT_EQ(colourAt(box.topLeft() + QPoint(9, 4)), list_.textColour());
  EXPECT_EQ(colourAt(box.topLeft() + QPoint(3, 4)), list_.textColour());
  const QRect unchecked = GridCellDelegate::CheckBoxRect(Cell(1, 2));
  EXPECT_NE(colourAt(unchecked.topLeft() + QPoint(9, 4)), list_.textColour());
}

}  // namespace
}  // namespace zv::grid
