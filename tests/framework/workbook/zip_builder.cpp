#include "tests/framework/workbook/zip_builder.h"

#include <zip.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>

#include "tests/support/test_env.h"

namespace zv::workbook::testing {

std::string MakeZip(const Parts& parts, bool encrypted) {
  const std::string path = zv::test::TempRoot() + "/built.zip";
  int error = 0;
  zip_t* archive = zip_open(path.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &error);
  if (!archive) throw std::runtime_error("zip_open");
  for (const auto& [name, content] : parts) {
    zip_source_t* source = zip_source_buffer(archive, content.data(), content.size(), 0);
    const zip_int64_t index = zip_file_add(archive, name.c_str(), source, ZIP_FL_OVERWRITE);
    if (encrypted) zip_file_set_encryption(archive, static_cast<zip_uint64_t>(index), ZIP_EM_AES_256, "secret");
  }
  if (zip_close(archive) != 0) throw std::runtime_error("zip_close");
  std::ifstream in(path, std::ios::binary);
  std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  std::filesystem::remove(path);
  return bytes;
}

Parts MinimalWorkbook(const std::string& sheetXml) {
  return {
      {"xl/workbook.xml",
       R"(<workbook xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main" )"
       R"(xmlns:r="http://schemas.openxmlformats.org/officeDocument/2006/relationships">)"
       R"(<sheets><sheet name="S" sheetId="1" r:id="rId1"/></sheets></workbook>)"},
      {"xl/_rels/workbook.xml.rels",
       R"(<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">)"
       R"(<Relationship Id="rId1" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/worksheet" )"
       R"(Target="worksheets/sheet1.xml"/></Relationships>)"},
      {"xl/worksheets/sheet1.xml", sheetXml},
  };
}

}  // namespace zv::workbook::testing
