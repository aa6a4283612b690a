// Any bytes given to the .xlsx reader give a workbook or a WorkbookError;
// whatever it reads, the object model can walk it. Inputs that are no zip
// archive go straight to the part readers (the first byte chooses styles,
// shared strings or a worksheet), so that the fuzzer reaches the XML
// handling without having to forge compressed archives.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>

#include "framework/workbook/cell_text.h"
#include "framework/workbook/object_model.h"
#include "framework/workbook/workbook_error.h"
#include "framework/workbook/xlsx_parts.h"
#include "framework/workbook/xlsx_reader.h"

namespace {

void Walk(std::unique_ptr<zv::workbook::WorkbookData> data) {
  using namespace zv::workbook;
  auto session = std::make_shared<Session>();
  auto book = std::make_shared<Book>();
  book->data = std::move(data);
  const Workbook workbook(session, book);
  const Sheets sheets = workbook.Sheets();
  for (int i = 1; i <= sheets.Count(); ++i) {
    const Worksheet sheet = sheets.Item(i);
    const Range used = sheet.UsedRange();
    (void)ExtentOf(used);
    int visited = 0;
    for (const Cell& cell : sheet.Data()->cells) {
      if (++visited > 2000) break;
      const Range range = sheet.Cells().Item(cell.row, cell.column);
      (void)range.Text();
      (void)range.Formula();
      (void)range.MergeCells();
      (void)range.MergeArea().Count();
      (void)range.ColumnWidth();
      (void)range.Font().Color();
      for (int edge = kDiagonalDown; edge <= kEdgeRight; ++edge) (void)range.Borders().Item(edge).LineStyle();
      for (int k = 1; k <= 4; ++k) (void)range.Characters(k, 1).Font().Superscript();
    }
    (void)workbook.ActiveWindow().RangeSelection().Text();
  }
}

std::unique_ptr<zv::workbook::WorkbookData> ReadPart(std::string_view bytes) {
  using namespace zv::workbook;
  auto book = std::make_unique<WorkbookData>();
  const char kind = bytes.empty() ? 'w' : bytes.front();
  const std::string xml(bytes.substr(bytes.empty() ? 0 : 1));
  pugi::xml_document document;
  xlsx::LoadXml(document, xml, "part", "fuzz.xlsx");
  xlsx::ColourContext colours;
  auto sheet = std::make_shared<SheetData>();
  sheet->name = "fuzz";
  std::size_t budget = 200000;
  if (kind == 's') {
    xlsx::ReadStyles(document, colours, *book);
  } else if (kind == 't') {
    xlsx::ReadSharedStrings(document, colours, *book, budget);
  } else {
    xlsx::SheetContext context{colours, *book, 0, budget, 20'000'000, "fuzz.xlsx"};
    xlsx::ReadWorksheet(document, *sheet, context);
  }
  book->sheets.push_back(sheet);
  return book;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  zv::workbook::ReadLimits limits;
  limits.maxMemberBytes = std::size_t{8} << 20;
  limits.maxTotalBytes = std::size_t{32} << 20;
  limits.maxCells = 200000;
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  try {
    if (size >= 2 && bytes.substr(0, 2) != "PK")
      Walk(ReadPart(bytes));
    else
      Walk(zv::workbook::ReadXlsx(bytes, "fuzz.xlsx", limits));
  } catch (const zv::workbook::WorkbookError&) {
  }
  return 0;
}
