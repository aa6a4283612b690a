#pragma once
// The one error the workbook layer raises: a message fit to show the user.
// Object-model calls that the spreadsheet program would refuse (a sheet that
// does not exist, a file that cannot be read) raise it; commands let it end
// the command and the program shows the message.

#include <stdexcept>
#include <string>

namespace zv::workbook {

class WorkbookError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

}  // namespace zv::workbook
