#include <gtest/gtest.h>

#include <QString>
#include <QStringList>

#include "framework/text/encoding.h"
#include "framework/text/numbers.h"
#include "zavediz/dialogs/title_block_file.h"
#include "zavediz/dialogs/title_block_preset.h"
#include "zavediz/dialogs/title_block_rows.h"

namespace zv::zavediz {
namespace {

QStringList Lines(const std::string& file) {
  QStringList lines = QString::fromStdString(file).split("\r\n");
  EXPECT_EQ(lines.takeLast(), "") << "every line ends with CR LF";
  return lines;
}

// Every field different, sizes with two decimals.
TitleBlockValues Distinct() {
  TitleBlockValues v = DefaultTitleBlock();
  v.unit = "单位";
  v.unitHeight = 7.26;
  v.title = "标题";
  v.titleHeight = 8.04;
  for (int c = 0; c < 2; ++c) {
    auto& column = c == 0 ? v.column1 : v.column2;
    for (int r = 0; r < 6; ++r) {
      const std::string tag = std::to_string(c + 1) + std::to_string(r + 1);
      column[static_cast<std::size_t>(r)] = {tag, "标签" + tag, "内容" + tag, 1.11 * (r + 1) + c};
    }
  }
  v.totalWidth = 91.26;
  v.column1LabelWidth = 20.14;
  v.column1ContentWidth = 25.35;
  v.column2LabelWidth = 20.46;
  v.column2ContentWidth = 25.51;
  v.topographicScale = 10000;
  v.sectionScale = 1000;
  v.lowestElevation = -350;
  return v;
}

double OneDecimal(double value) { return num::ParseDouble(num::Format("%.1f", value)); }

TEST(TitleBlockFile, DefaultsWriteSixtyLinesWithTheOrdersInPlace) {
  const QStringList lines = Lines(FormatTitleBlockFile(DefaultTitleBlock()));
  ASSERT_EQ(lines.size(), kTitleBlockFileLines);
  EXPECT_EQ(lines[0], "×××");        // column 1 row 1
  EXPECT_EQ(lines[2], "2008.10.12");  // column 2 row 3
  EXPECT_EQ(lines[7], "5000");
  EXPECT_EQ(lines[15], "-1");
  EXPECT_EQ(lines[29], "11");
  EXPECT_EQ(lines[40], "") << "the spare row has no order";
  EXPECT_EQ(lines[41], "90.0");
  EXPECT_EQ(lines[59], "7.0");
  EXPECT_EQ(lines[57], "8.0") << "the title's height sits among the rows'";
  EXPECT_EQ(lines[58], "14.0");
}

TEST(TitleBlockFile, EveryFieldComesBackWithSizesToOneDecimal) {
  const TitleBlockValues written = Distinct();
  TitleBlockValues expected = written;
  for (double* size : {&expected.unitHeight, &expected.titleHeight, &expected.totalWidth,
                       &expected.column1LabelWidth, &expected.column1ContentWidth, &expected.column2LabelWidth,
                       &expected.column2ContentWidth}) {
    *size = OneDecimal(*size);
  }
  for (auto* column : {&expected.column1, &expected.column2}) {
    for (auto& row : *column) row.height = OneDecimal(row.height);
  }
  const std::string path = TitleBlockFilePath();
  ASSERT_TRUE(SaveTitleBlockFile(written, path));
  TitleBlockValues read;
  ASSERT_TRUE(LoadTitleBlockFile(read, path));
  EXPECT_EQ(read, expected);

  // The same file as an older installation wrote it, in GBK.
  EXPECT_EQ(ParseTitleBlockFile(text::ToGbk(FormatTitleBlockFile(written))), expected);
}

TEST(TitleBlockFile, ShortLongAndBrokenFilesReadSafely) {
  TitleBlockValues values = Distinct();
  const QStringList lines = Lines(FormatTitleBlockFile(values));
  const TitleBlockValues half = ParseTitleBlockFile(lines.mid(0, 30).join("\n").toStdString());
  EXPECT_EQ(half.column1[0].order, "11") << "line 30";
  EXPECT_EQ(half.column1[1].order, "") << "line 31 is missing";
  EXPECT_EQ(half.totalWidth, 0.0);
  EXPECT_EQ(half.column2[5].height, 0.0);
  EXPECT_EQ(half.column2[5].label, "标签26");

  // A line break inside a value would shift every later line.
  values.title = "第一行\r\n第二行";
  const TitleBlockValues read = ParseTitleBlockFile(FormatTitleBlockFile(values));
  EXPECT_EQ(read.title, "第一行  第二行");
  EXPECT_EQ(read.column2[0].content, "内容21");
  EXPECT_EQ(read.lowestElevation, -350);

  values.column1[0].label = std::string(16, 'a') + "岩石";  // 20 GBK bytes: the second character goes
  values.column1[1].content = std::string(300, 'x');
  const TitleBlockValues cut = ParseTitleBlockFile(FormatTitleBlockFile(values));
  EXPECT_EQ(cut.column1[0].label, std::string(16, 'a') + "岩");
  EXPECT_EQ(cut.column1[1].content.size(), kTitleContentBytes);

  TitleBlockValues untouched = DefaultTitleBlock();
  EXPECT_FALSE(LoadTitleBlockFile(untouched, TitleBlockFilePath() + ".missing"));
  EXPECT_EQ(untouched, DefaultTitleBlock());
}

TEST(TitleBlockRows, TheDefaultsGiveTheBlockGeometry) {
  const TitleBlockValues values = DefaultTitleBlock();
  const auto size = CheckSize(values);
  ASSERT_TRUE(size.has_value());
  EXPECT_DOUBLE_EQ(size->height, 7.0 + 8.0 + 42.0);
  EXPECT_DOUBLE_EQ(size->width, 90.0);

  const TitleBlockRows built = BuildRows(values);
  EXPECT_TRUE(built.orderErrors.empty());
  const auto& r = built.rows;
  EXPECT_EQ(r[0].kind, "01");
  EXPECT_EQ(r[0].content, "×××");
  EXPECT_EQ(std::tie(r[0].contentRight, r[0].contentBottom, r[0].contentWidth, r[0].contentHeight),
            std::make_tuple(0.0, 50.0, 90.0, 7.0));
  EXPECT_EQ(std::tie(r[0].captionRight, r[0].captionBottom), std::make_tuple(-1.0, -1.0));
  EXPECT_EQ(std::tie(r[0].margin, r[0].font, r[0].centred), std::make_tuple(12.0, int16_t{1}, false));
  EXPECT_EQ(r[1].kind, "02");
  EXPECT_EQ(std::tie(r[1].contentRight, r[1].contentBottom, r[1].margin, r[1].font),
            std::make_tuple(0.0, 42.0, 4.0, int16_t{1}));

  // Column 1 row 1, and column 1 row 6 at the bottom.
  EXPECT_EQ(r[2].kind, "11");
  EXPECT_EQ(r[2].caption, "拟编");
  EXPECT_EQ(std::tie(r[2].captionRight, r[2].contentRight, r[2].captionBottom, r[2].contentBottom),
            std::make_tuple(-70.0, -45.0, 35.0, 35.0));
  EXPECT_EQ(std::tie(r[2].captionWidth, r[2].contentWidth, r[2].margin, r[2].font),
            std::make_tuple(20.0, 25.0, 4.0, int16_t{0}));
  EXPECT_DOUBLE_EQ(r[7].contentBottom, 0.0);
  // Column 2 row 1 is twice as high.
  EXPECT_EQ(r[8].kind, "21");
  EXPECT_EQ(std::tie(r[8].captionRight, r[8].contentRight, r[8].contentBottom, r[8].contentHeight),
            std::make_tuple(-25.0, 0.0, 28.0, 14.0));
  EXPECT_DOUBLE_EQ(r[12].contentBottom, 0.0);
  EXPECT_EQ(r[13].kind, "") << "the spare row without an order stays out";
}

TEST(TitleBlockRows, OrdersPlaceRowsByTheirDigitsAndBadOnesAreTold) {
  TitleBlockValues values = DefaultTitleBlock();
  std::swap(values.column1[0].order, values.column1[5].order);  // 拟编 last, 大队长 first
  const TitleBlockRows swapped = BuildRows(values);
  EXPECT_EQ(swapped.rows[2].caption, "大队长");
  EXPECT_EQ(swapped.rows[7].caption, "拟编");

  struct Case {
    const char* order;
    const char* error;  // null: placed
  };
  const std::vector<Case> cases = {
      {"10", kFirstColumnOrderError},  {"17", kFirstColumnOrderError}, {"1", kFirstColumnOrderError},
      {"20", kSecondColumnOrderError}, {"27", kSecondColumnOrderError}, {"16", nullptr},
      {"26", nullptr},                 {"31", nullptr},                 {"", nullptr},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.order);
    TitleBlockValues v = DefaultTitleBlock();
    v.column2[5].order = c.order;
    const TitleBlockRows built = BuildRows(v);
    if (c.error) {
      EXPECT_EQ(built.orderErrors, std::vector<std::string>{c.error});
    } else {
      EXPECT_TRUE(built.orderErrors.empty());
    }
  }
}

TEST(TitleBlockRows, SizesAddUpWithinATolerance) {
  TitleBlockValues values = DefaultTitleBlock();
  values.column1[0].height = 7.1;
  values.column1[1].height = 7.2;
  values.column2[0].height = 14.3;
  // First column 7.1 + 7.2 + 4 × 7 against second column 14.3 + 4 × 7.
  EXPECT_TRUE(CheckSize(values).has_value());
  values.totalWidth = 90.01;
  EXPECT_FALSE(CheckSize(values).has_value());
  values.totalWidth = 90.0;
  values.column2[4].height = 7.01;
  EXPECT_FALSE(CheckSize(values).has_value());
  values.column2[4].order = "x5";  // a row out of the block does not count
  values.column2[4].height = 7.0;
  EXPECT_FALSE(CheckSize(values).has_value());
}

TEST(TitleBlockPreset, ASectionsHeaderTextsOverrideTheFileAndSetTheScale) {
  SectionData section;
  EXPECT_FALSE(PresetOf(section).has_value());
  section.headerSet = true;
  section.surveyingUnit = "队";
  section.title = "图";
  section.row1Left = "a1";
  section.row6Left = "a6";
  section.row1Right = "b1";
  section.row2Right = "5000";
  section.row5Right = "b5";
  TitleBlockValues values = DefaultTitleBlock();
  ApplyPreset(*PresetOf(section), values);
  EXPECT_EQ(values.unit, "队");
  EXPECT_EQ(values.title, "图");
  EXPECT_EQ(values.column1[0].content, "a1");
  EXPECT_EQ(values.column1[5].content, "a6");
  EXPECT_EQ(values.column2[0].content, "b1");
  EXPECT_EQ(values.column2[1].content, "5000");
  EXPECT_EQ(values.column2[4].content, "b5");
  EXPECT_EQ(values.column2[5].content, "备用") << "the spare row is no preset";
  EXPECT_EQ(values.sectionScale, 5000);
}

}  // namespace
}  // namespace zv::zavediz
