#pragma once
// One workbook open in the program: its content and where it came from.

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>

#include "framework/workbook/workbook_data.h"

namespace zv::workbook {

struct Book {
  std::unique_ptr<WorkbookData> data = std::make_unique<WorkbookData>();
  std::string path;   // the file it was read from or saved to; empty for a new workbook
  std::string title;  // the file name, or "工作簿1" for a new one
  bool modified = false;
  // The file's state when it was read, to see whether it changed since.
  std::filesystem::file_time_type stamp{};
  std::uintmax_t size = 0;

  bool IsNew() const { return path.empty(); }
  bool ChangedOnDisk() const;
  void RememberFileState();
};

}  // namespace zv::workbook
