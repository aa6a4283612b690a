#include "framework/workbook/xls_import.h"

#include <fcntl.h>
#include <freexl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <thread>
#include <vector>

#include "framework/text/numbers.h"
#include "framework/workbook/number_format.h"
#include "framework/workbook/workbook_error.h"
#include "framework/workbook/xlsx_reader.h"

extern char** environ;

namespace zv::workbook {

namespace fs = std::filesystem;

namespace {

constexpr auto kConversionTimeout = std::chrono::seconds(120);

std::string DisplayName(const std::string& path) { return fs::path(path).filename().string(); }

// A folder removed when it goes out of scope.
class TemporaryFolder {
 public:
  TemporaryFolder() {
    std::string pattern = (fs::temp_directory_path() / "zavediz-xls-XXXXXX").string();
    if (!mkdtemp(pattern.data())) throw WorkbookError("无法创建临时文件夹。");
    path_ = pattern;
  }
  ~TemporaryFolder() {
    std::error_code ignored;
    fs::remove_all(path_, ignored);
  }
  const fs::path& Path() const { return path_; }

 private:
  fs::path path_;
};

// The LibreOffice profile the program uses, apart from the user's own, so a
// running LibreOffice does not take the conversion over.
std::string ProfileUrl() {
  const char* cache = std::getenv("XDG_CACHE_HOME");
  const char* home = std::getenv("HOME");
  fs::path folder = cache && *cache ? fs::path(cache) : fs::path(home ? home : "/tmp") / ".cache";
  folder /= "zavediz/libreoffice-profile";
  return FileUrl(folder.string());
}

bool RunWithTimeout(std::vector<std::string> arguments) {
  std::vector<char*> argv;
  for (auto& argument : arguments) argv.push_back(argument.data());
  argv.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
  posix_spawnattr_t attributes;
  posix_spawnattr_init(&attributes);
  posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETPGROUP);
  posix_spawnattr_setpgroup(&attributes, 0);
  pid_t child = 0;
  const int spawned = posix_spawn(&child, argv[0], &actions, &attributes, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  posix_spawnattr_destroy(&attributes);
  if (spawned != 0) return false;
  const auto deadline = std::chrono::steady_clock::now() + kConversionTimeout;
  int status = 0;
  for (;;) {
    const pid_t done = waitpid(child, &status, WNOHANG);
    if (done == child) return WIFEXITED(status) && WEXITSTATUS(status) == 0;
    if (done < 0) return false;
    if (std::chrono::steady_clock::now() > deadline) {
      kill(-child, SIGKILL);
      waitpid(child, &status, 0);
      return false;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
}

std::uint32_t FormatWithNumberFormat(WorkbookData& book, std::uint32_t id) {
  CellFormat format;
  format.numberFormat = id;
  return book.AddFormat(format);
}

// "2024-01-05", "2024-01-05 12:30:00" or "12:30:00" -> a 1900-system serial.
double SerialOf(const std::string& text) {
  int year = 1899, month = 12, day = 30;
  std::size_t at = 0;
  if (text.size() >= 10 && text[4] == '-') {
    year = num::ParseInt(text.substr(0, 4));
    month = num::ParseInt(text.substr(5, 2));
    day = num::ParseInt(text.substr(8, 2));
    at = text.size() > 10 ? 11 : text.size();
  }
  double seconds = 0.0;
  if (text.size() >= at + 8 && text[at + 2] == ':') {
    seconds = num::ParseInt(text.substr(at, 2)) * 3600.0 + num::ParseInt(text.substr(at + 3, 2)) * 60.0 +
              num::ParseDouble(text.substr(at + 6));
  }
  if (year == 1899) return seconds / 86400.0;
  return DateSerial(year, month, day, seconds, false);
}

}  // namespace

std::optional<std::string> FindLibreOffice() {
  const char* path = std::getenv("PATH");
  std::string folders = path ? path : "/usr/bin:/bin";
  std::size_t start = 0;
  while (start <= folders.size()) {
    const auto colon = folders.find(':', start);
    const std::string folder = folders.substr(start, colon == std::string::npos ? std::string::npos : colon - start);
    for (const char* name : {"soffice", "libreoffice"}) {
      const fs::path candidate = fs::path(folder.empty() ? "." : folder) / name;
      if (access(candidate.c_str(), X_OK) == 0) return candidate.string();
    }
    if (colon == std::string::npos) break;
    start = colon + 1;
  }
  return std::nullopt;
}

std::unique_ptr<WorkbookData> ReadXlsViaLibreOffice(const std::string& path, const std::string& program,
                                                    const ReadLimits& limits) {
  TemporaryFolder folder;
  // A copy with a plain name, so that the converted file's name is known.
  const fs::path source = folder.Path() / ("workbook" + fs::path(path).extension().string());
  std::error_code error;
  fs::copy_file(path, source, error);
  if (error) throw WorkbookError("无法打开工作簿“" + path + "”。");
  const fs::path out = folder.Path() / "out";
  const bool converted = RunWithTimeout({program, "--headless", "--norestore", "-env:UserInstallation=" + ProfileUrl(),
                                         "--convert-to", "xlsx", "--outdir", out.string(), source.string()});
  const fs::path result = out / "workbook.xlsx";
  if (!converted || !fs::exists(result))
    throw WorkbookError("LibreOffice 无法转换工作簿“" + DisplayName(path) + "”（文件已损坏、已加密或不是工作簿）。");
  auto book = ReadXlsxFile(result.string(), limits);
  return book;
}

std::unique_ptr<WorkbookData> ReadXlsViaFreexl(const std::string& path, const ReadLimits& limits) {
  const std::string name = DisplayName(path);
  const void* handle = nullptr;
  if (freexl_open(path.c_str(), &handle) != FREEXL_OK) {
    if (handle) freexl_close(handle);
    throw WorkbookError("工作簿“" + name + "”已损坏或不是 Excel 工作簿，无法打开。");
  }
  struct Closer {
    const void* handle;
    ~Closer() { freexl_close(handle); }
  } closer{handle};

  unsigned int info = 0;
  if (freexl_get_info(handle, FREEXL_BIFF_PASSWORD, &info) == FREEXL_OK && info == FREEXL_BIFF_OBFUSCATED)
    throw WorkbookError("工作簿“" + name + "”已加密，无法读取。");
  unsigned int sheetCount = 0;
  freexl_get_info(handle, FREEXL_BIFF_SHEET_COUNT, &sheetCount);

  auto book = std::make_unique<WorkbookData>();
  const std::uint32_t dateFormat = FormatWithNumberFormat(*book, 14);
  const std::uint32_t dateTimeFormat = FormatWithNumberFormat(*book, 22);
  const std::uint32_t timeFormat = FormatWithNumberFormat(*book, 21);
  std::size_t budget = limits.maxCells;
  for (unsigned int index = 0; index < sheetCount; ++index) {
    auto sheet = std::make_shared<SheetData>();
    const char* sheetName = nullptr;
    if (freexl_get_worksheet_name(handle, static_cast<unsigned short>(index), &sheetName) == FREEXL_OK && sheetName)
      sheet->name = sheetName;
    if (freexl_select_active_worksheet(handle, static_cast<unsigned short>(index)) != FREEXL_OK)
      throw WorkbookError("工作簿“" + name + "”已损坏，无法读取。");
    unsigned int rows = 0;
    unsigned short columns = 0;
    freexl_worksheet_dimensions(handle, &rows, &columns);
    for (unsigned int r = 0; r < rows; ++r) {
      for (unsigned short c = 0; c < columns; ++c) {
        FreeXL_CellValue value;
        if (freexl_get_cell_value(handle, r, c, &value) != FREEXL_OK || value.type == FREEXL_CELL_NULL) continue;
        if (budget-- == 0) throw WorkbookError("工作簿“" + name + "”的单元格过多，拒绝读取。");
        Cell cell;
        cell.row = static_cast<int>(r) + 1;
        cell.column = c + 1;
        cell.kind = CellKind::kNumber;
        switch (value.type) {
          case FREEXL_CELL_INT:
            cell.number = value.value.int_value;
            break;
          case FREEXL_CELL_DOUBLE:
            cell.number = value.value.double_value;
            break;
          case FREEXL_CELL_DATE:
          case FREEXL_CELL_DATETIME:
          case FREEXL_CELL_TIME:
            cell.number = SerialOf(value.value.text_value ? value.value.text_value : "");
            cell.format = value.type == FREEXL_CELL_DATE ? dateFormat
                          : value.type == FREEXL_CELL_TIME ? timeFormat
                                                           : dateTimeFormat;
            break;
          default:
            cell.kind = CellKind::kText;
            cell.text = book->AddText({value.value.text_value ? value.value.text_value : "", {}});
            break;
        }
        sheet->cells.push_back(cell);
      }
    }
    book->sheets.push_back(sheet);
  }
  if (book->sheets.empty()) throw WorkbookError("工作簿“" + name + "”中没有工作表。");
  return book;
}

std::string XlsWithoutLibreOfficeNotice() {
  return "读取 .xls/.et 工作簿的公式结果、数字格式、边框和合并单元格需要安装 LibreOffice（libreoffice-calc）；"
         "现在只读入了其中的数值和文字。";
}

std::string FileUrl(const std::string& path) {
  static const char* kHex = "0123456789ABCDEF";
  std::string url = "file://";
  for (const unsigned char c : path) {
    const bool plain = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '/' ||
                       c == '-' || c == '_' || c == '.' || c == '~';
    if (plain) {
      url += static_cast<char>(c);
    } else {
      url += '%';
      url += kHex[c >> 4];
      url += kHex[c & 0xF];
    }
  }
  return url;
}

}  // namespace zv::workbook
