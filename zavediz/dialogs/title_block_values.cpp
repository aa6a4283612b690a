#include "zavediz/dialogs/title_block_values.h"

#include "framework/text/encoding.h"

namespace zv::zavediz {

TitleBlockValues DefaultTitleBlock() {
  TitleBlockValues values;
  values.unit = "×××";
  values.title = "××矿区×××矿段×××矿××线地质设计剖面图";
  values.column1 = {{
      {"11", "拟编", "×××", 7.0},
      {"12", "审核", "×××", 7.0},
      {"13", "计算机成图", "×××", 7.0},
      {"14", "项目负责", "×××", 7.0},
      {"15", "总工程师", "×××", 7.0},
      {"16", "大队长", "×××", 7.0},
  }};
  values.column2 = {{
      {"21", "资料来源", "实测", 14.0},
      {"22", "比例尺", "1:2000", 7.0},
      {"23", "日期", "2008.10.12", 7.0},
      {"24", "图号", "1", 7.0},
      {"25", "顺序号", "1", 7.0},
      {"", "备用", "备用", 7.0},
  }};
  return values;
}

void LimitTitleTexts(TitleBlockValues& values) {
  values.unit = text::CutToGbkBytes(values.unit, kTitleContentBytes);
  values.title = text::CutToGbkBytes(values.title, kTitleContentBytes);
  for (auto* column : {&values.column1, &values.column2}) {
    for (TitleBlockRowValues& row : *column) {
      row.label = text::CutToGbkBytes(row.label, kTitleLabelBytes);
      row.content = text::CutToGbkBytes(row.content, kTitleContentBytes);
    }
  }
}

}  // namespace zv::zavediz
