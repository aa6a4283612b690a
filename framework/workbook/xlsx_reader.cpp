#include "framework/workbook/xlsx_reader.h"

#include <filesystem>
#include <fstream>
#include <map>

#include "framework/workbook/workbook_error.h"
#include "framework/workbook/xlsx_parts.h"

namespace zv::workbook {

namespace {

using xlsx::Attribute;
using xlsx::Child;
using xlsx::Is;

// "xl/workbook.xml" + "worksheets/sheet1.xml" -> "xl/worksheets/sheet1.xml".
std::string ResolveTarget(const std::string& partPath, std::string_view target) {
  if (!target.empty() && target[0] == '/') return std::string(target.substr(1));
  std::string folder = partPath.substr(0, partPath.rfind('/') + 1);
  std::string result = folder + std::string(target);
  // Fold "../" steps.
  std::vector<std::string> parts;
  std::size_t start = 0;
  while (start <= result.size()) {
    const auto slash = result.find('/', start);
    const std::string piece = result.substr(start, slash == std::string::npos ? std::string::npos : slash - start);
    if (piece == "..") {
      if (!parts.empty()) parts.pop_back();
    } else if (!piece.empty() && piece != ".") {
      parts.push_back(piece);
    }
    if (slash == std::string::npos) break;
    start = slash + 1;
  }
  std::string joined;
  for (const auto& piece : parts) joined += (joined.empty() ? "" : "/") + piece;
  return joined;
}

std::string RelsPathOf(const std::string& partPath) {
  const auto slash = partPath.rfind('/');
  const std::string folder = slash == std::string::npos ? "" : partPath.substr(0, slash + 1);
  const std::string file = slash == std::string::npos ? partPath : partPath.substr(slash + 1);
  return folder + "_rels/" + file + ".rels";
}

struct Relationship {
  std::string type;  // the last segment of the type URI ("worksheet", "styles", ...)
  std::string target;
};

class Package {
 public:
  Package(std::string_view bytes, const std::string& displayName, const ReadLimits& limits)
      : zip_(bytes, displayName, limits), displayName_(displayName) {}

  bool Load(pugi::xml_document& document, const std::string& part) {
    const auto bytes = zip_.Read(part);
    if (!bytes) return false;
    xlsx::LoadXml(document, *bytes, part, displayName_);
    return true;
  }

  std::map<std::string, Relationship> Relationships(const std::string& partPath) {
    std::map<std::string, Relationship> rels;
    pugi::xml_document document;
    if (!Load(document, RelsPathOf(partPath))) return rels;
    for (auto rel = document.document_element().first_child(); rel; rel = rel.next_sibling()) {
      std::string type = rel.attribute("Type").value();
      type = type.substr(type.rfind('/') + 1);
      rels[rel.attribute("Id").value()] = {type, ResolveTarget(partPath, rel.attribute("Target").value())};
    }
    return rels;
  }

  const std::string& DisplayName() const { return displayName_; }

 private:
  ZipArchive zip_;
  std::string displayName_;
};

std::string FindByType(const std::map<std::string, Relationship>& rels, std::string_view type) {
  for (const auto& [id, rel] : rels)
    if (rel.type == type) return rel.target;
  return {};
}

}  // namespace

std::unique_ptr<WorkbookData> ReadXlsx(std::string_view bytes, const std::string& displayName,
                                       const ReadLimits& limits) {
  Package package(bytes, displayName, limits);
  auto book = std::make_unique<WorkbookData>();

  std::string workbookPart = FindByType(package.Relationships(""), "officeDocument");
  if (workbookPart.empty()) workbookPart = "xl/workbook.xml";
  pugi::xml_document workbook;
  if (!package.Load(workbook, workbookPart))
    throw WorkbookError("工作簿“" + displayName + "”已损坏或不是 Excel 工作簿，无法打开。");
  const pugi::xml_node root = workbook.document_element();
  book->date1904 = Child(root, "workbookPr").attribute("date1904").as_bool();
  const auto rels = package.Relationships(workbookPart);

  xlsx::ColourContext colours;
  pugi::xml_document part;
  if (const auto theme = FindByType(rels, "theme"); !theme.empty() && package.Load(part, theme))
    colours.theme = xlsx::ReadTheme(part);
  if (const auto styles = FindByType(rels, "styles"); !styles.empty() && package.Load(part, styles))
    xlsx::ReadStyles(part, colours, *book);
  if (const auto strings = FindByType(rels, "sharedStrings"); !strings.empty() && package.Load(part, strings))
    xlsx::ReadSharedStrings(part, colours, *book, limits.maxCells);
  const std::size_t sharedStrings = book->texts.size();

  std::size_t cellBudget = limits.maxCells;
  for (auto sheet = Child(root, "sheets").first_child(); sheet; sheet = sheet.next_sibling()) {
    if (!Is(sheet, "sheet")) continue;
    const auto rel = rels.find(Attribute(sheet, "id").value());
    if (rel == rels.end() || rel->second.type != "worksheet") continue;  // chart sheets and the like
    auto data = std::make_shared<SheetData>();
    data->name = sheet.attribute("name").value();
    pugi::xml_document sheetXml;
    if (!package.Load(sheetXml, rel->second.target))
      throw WorkbookError("工作簿“" + displayName + "”已损坏：缺少工作表“" + data->name + "”。");
    xlsx::SheetContext context{colours, *book, sharedStrings, cellBudget, limits.maxUsedCells, displayName};
    xlsx::ReadWorksheet(sheetXml, *data, context);
    book->sheets.push_back(std::move(data));
  }
  if (book->sheets.empty())
    throw WorkbookError("工作簿“" + displayName + "”中没有工作表。");

  const int activeTab = Child(Child(root, "bookViews"), "workbookView").attribute("activeTab").as_int(0);
  book->activeSheet = activeTab >= 0 && activeTab < static_cast<int>(book->sheets.size()) ? activeTab : 0;
  return book;
}

std::unique_ptr<WorkbookData> ReadXlsxFile(const std::string& path, const ReadLimits& limits) {
  const std::string displayName = std::filesystem::path(path).filename().string();
  std::error_code error;
  const auto size = std::filesystem::file_size(path, error);
  if (error) throw WorkbookError("无法打开工作簿“" + path + "”。");
  if (size > limits.maxTotalBytes) throw WorkbookError("工作簿“" + displayName + "”过大，拒绝读取。");
  std::ifstream in(path, std::ios::binary);
  std::string bytes(static_cast<std::size_t>(size), '\0');
  if (!in.read(bytes.data(), static_cast<std::streamsize>(size)))
    throw WorkbookError("无法读取工作簿“" + path + "”。");
  return ReadXlsx(bytes, displayName, limits);
}

}  // namespace zv::workbook
