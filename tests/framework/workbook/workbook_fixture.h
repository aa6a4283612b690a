#pragma once
// Opens committed workbook fixtures through a private spreadsheet session.

#include <memory>
#include <string>

#include "framework/workbook/object_model.h"
#include "tests/support/test_env.h"

namespace zv::workbook::testing {

// A committed fixture of this folder's data (tests/data/workbook).
inline std::string FixturePath(const std::string& name) {
  return zv::test::DataPath("workbook/" + name);
}

struct OpenedBook {
  std::shared_ptr<Session> session = std::make_shared<Session>();
  Application app{session, Flavour::kExcel};
  Workbook book;
  explicit OpenedBook(const std::string& fixture, Flavour flavour = Flavour::kExcel)
      : app(session, flavour), book(app.Workbooks().Open(testing::FixturePath(fixture))) {}
  Worksheet Sheet(int index) const { return book.Sheets().Item(index); }
  Range Cell(int sheet, const std::string& reference) const { return Sheet(sheet).Range(reference); }
};

}  // namespace zv::workbook::testing
