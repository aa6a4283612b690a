#include "framework/workbook/workbook_file.h"

#include <filesystem>
#include <fstream>

#include "framework/workbook/workbook_error.h"
#include "framework/workbook/xls_import.h"
#include "framework/workbook/xlsx_reader.h"

namespace zv::workbook {

namespace {

enum class FileKind { kZip, kCompound, kOther };

FileKind KindOf(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw WorkbookError("无法打开工作簿“" + path + "”：文件不存在或无法读取。");
  unsigned char magic[8] = {};
  in.read(reinterpret_cast<char*>(magic), sizeof magic);
  if (in.gcount() >= 4 && magic[0] == 'P' && magic[1] == 'K' && magic[2] == 3 && magic[3] == 4) return FileKind::kZip;
  static const unsigned char kCompound[8] = {0xD0, 0xCF, 0x11, 0xE0, 0xA1, 0xB1, 0x1A, 0xE1};
  if (in.gcount() == 8 && std::equal(magic, magic + 8, kCompound)) return FileKind::kCompound;
  return FileKind::kOther;
}

}  // namespace

LoadedWorkbook LoadWorkbookFile(const std::string& path, const ReadLimits& limits) {
  const std::string name = std::filesystem::path(path).filename().string();
  switch (KindOf(path)) {
    case FileKind::kZip:
      return {ReadXlsxFile(path, limits), {}};
    case FileKind::kCompound:
      if (const auto program = FindLibreOffice()) return {ReadXlsViaLibreOffice(path, *program, limits), {}};
      return {ReadXlsViaFreexl(path, limits), XlsWithoutLibreOfficeNotice()};
    case FileKind::kOther:
      break;
  }
  throw WorkbookError("“" + name + "”不是程序能读取的工作簿（支持 .xlsx、.xlsm、.xls 和 .et）。");
}

}  // namespace zv::workbook
