#include "exchange/dxf/dxf_reader.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>

#include "exchange/dxf/dxf_blocks.h"
#include "exchange/dxf/dxf_checked_sink.h"
#include "exchange/dxf/dxf_code_page.h"
#include "exchange/dxf/dxf_entities.h"
#include "exchange/dxf/dxf_group_reader.h"
#include "exchange/dxf/dxf_import_sink.h"
#include "exchange/dxf/dxf_progress.h"
#include "framework/paths/app_folder.h"
#include "framework/text/numbers.h"

namespace zv::dxf {
namespace {

constexpr std::string_view kBinaryDxfSignature = "AutoCAD Binary DXF";
constexpr int kProgressRange = 1000;
constexpr uint64_t kStepsPerProgressUpdate = 1 << 12;

constexpr const char* kCannotOpen = "ZAVEDIZ不能独占使用该文件,请先退出其他程序使用该文件.";
constexpr const char* kBinaryDxf = "这是二进制格式的DXF文件,只能读取文本格式的DXF文件。";
constexpr const char* kNotDxf = "该文件不是DXF文件:文件中没有SECTION段。";
constexpr const char* kNoEof = "DXF文件不完整(没有EOF结束标记),已读入文件结束之前的图元。";

// The reading of one file.
class FileReading {
 public:
  FileReading(DxfLineSource& source, DxfLayerTable& layers, DxfDrawContext context, int pass, DxfProgress& progress,
              int64_t expansionBudget)
      : groups_(source), layers_(layers), context_(context), pass_(pass), progress_(progress) {
    context_.blocks = &blocks_;
    context_.expansion = &expansion_;
    expansion_.budget = expansionBudget;
  }

  void Run(bool utf8, DxfReadResult& result) {
    decoder_ = DxfTextDecoder(utf8);
    layers_.Clear();
    progress_.StartProgress();
    progress_.SetMainProgressName("正在读取dxf信息...");
    progress_.SetRange(0, kProgressRange);
    bool begun = false;
    bool sawEof = false;
    groups_.Next();
    while (!groups_.AtEnd()) {
      if (groups_.Is0("EOF")) {
        sawEof = true;
        break;
      }
      if (!groups_.Is0("SECTION")) {
        Advance();
        continue;
      }
      if (!begun) {
        context_.sink.BeginImport();
        begun = true;
      }
      if (!Advance()) break;
      if (groups_.code() != 2) continue;
      const std::string name = groups_.value();
      if (name == "HEADER") {
        ReadHeader();
      } else if (name == "TABLES") {
        progress_.SetSubProgressName("正在读取层信息");
        ReadTables();
      } else if (name == "BLOCKS") {
        if (PassAdmits(pass_, "INSERT")) ReadBlocks();
      } else if (name == "ENTITIES") {
        progress_.SetSubProgressName("正在读取实体信息");
        ReadEntities();
      }
    }
    progress_.EndProgress();
    result.imported = begun;
    for (std::string& message : expansion_.messages) result.messages.push_back(std::move(message));
    if (!begun) {
      result.messages.emplace_back(kNotDxf);
      return;
    }
    if (!sawEof) result.messages.emplace_back(kNoEof);
    if (groups_.badCodeCount() > 0) {
      result.messages.push_back(num::Format("DXF文件第%llu行的组码不是数字(共%llu处),这些组已跳过。",
                                            static_cast<unsigned long long>(groups_.firstBadCodeLine()),
                                            static_cast<unsigned long long>(groups_.badCodeCount())));
    }
  }

 private:
  // Every passed-over group and every entity read counts one step.
  void Tick() {
    if (++steps_ % kStepsPerProgressUpdate == 0 && groups_.size() > 0)
      progress_.SetPos(static_cast<int>(groups_.position() * kProgressRange / groups_.size()));
  }

  bool Advance() {
    Tick();
    return groups_.Next();
  }

  bool AtSectionEnd() const { return groups_.AtEnd() || groups_.Is0("ENDSEC") || groups_.Is0("EOF"); }

  // Only the code page is taken from the header.
  void ReadHeader() {
    std::string variable;
    while (Advance() && !AtSectionEnd()) {
      if (groups_.code() == 9) variable = groups_.value();
      else if (groups_.code() == 3 && variable == "$DWGCODEPAGE")
        decoder_.SetDeclaredCodePage(groups_.value());
    }
  }

  void ReadTables() {
    Advance();
    while (!AtSectionEnd()) {
      if (groups_.Is0("LAYER")) {
        layers_.Add(ReadLayerEntry(groups_, decoder_));
      } else {
        Advance();
      }
    }
  }

  void ReadEntities() {
    Advance();
    while (!AtSectionEnd()) {
      DxfRecordParser parse = nullptr;
      if (groups_.code() == 0 && PassAdmits(pass_, groups_.value())) parse = FindRecordParser(groups_.value());
      if (parse) {
        WriteRecord(parse(groups_, decoder_), context_);
        Tick();
      } else {
        Advance();
      }
    }
  }

  // Every BLOCK ... ENDBLK keeps its entities for the references; a block
  // cut short by the end of the section or file keeps what it had.
  void ReadBlocks() {
    Advance();
    while (!AtSectionEnd()) {
      if (groups_.Is0("BLOCK")) ReadBlock();
      else Advance();
    }
  }

  void ReadBlock() {
    std::string name;
    D_DOT base{};
    while (Advance() && groups_.code() != 0) {
      switch (groups_.code()) {
        case 2: name = decoder_.Decode(groups_.value()); break;
        case 10: base.x = GroupDouble(groups_.value()); break;
        case 20: base.y = GroupDouble(groups_.value()); break;
        default: break;
      }
    }
    DxfBlockDefinition& block = blocks_.Define(name, base);
    while (!AtSectionEnd() && !groups_.Is0("ENDBLK") && !groups_.Is0("BLOCK")) {
      DxfRecordParser parse = groups_.code() == 0 ? FindRecordParser(groups_.value()) : nullptr;
      if (parse) {
        block.entities.push_back(parse(groups_, decoder_));
        Tick();
      } else {
        Advance();
      }
    }
    if (!groups_.Is0("ENDBLK"))
      expansion_.messages.push_back("块“" + name + "”没有ENDBLK结束标记,已读入它结束之前的图元。");
  }

  DxfGroupReader groups_;
  DxfTextDecoder decoder_;
  DxfBlocks blocks_;
  DxfExpansionState expansion_;
  DxfLayerTable& layers_;
  DxfDrawContext context_;
  int pass_;
  DxfProgress& progress_;
  uint64_t steps_ = 0;
};

bool StartsWith(std::string_view bytes, std::string_view prefix) {
  return bytes.substr(0, prefix.size()) == prefix;
}

std::string FirstBytes(DxfLineSource& source) {
  std::string line;
  source.NextLine(line);
  source.Rewind();
  return line;
}

}  // namespace

bool PassAdmits(int pass, std::string_view entityName) {
  const int entityPass = PassOfEntity(entityName);
  return entityPass != 0 && (pass == kAllPasses || pass == entityPass);
}

std::string CannotOpenMessage(const std::string& path) { return path + "\n\n" + kCannotOpen; }

DxfReader::DxfReader()
    : DxfReader(CadMap::Load(paths::DataFile("cad_map.lin")), CadMap::Load(paths::DataFile("cad_map.pnt"))) {}

DxfReader::DxfReader(CadMap lineMap, CadMap pointMap) : lineMap_(std::move(lineMap)), pointMap_(std::move(pointMap)) {}

namespace {

DxfReadResult ReadSource(DxfLineSource& source, DxfLayerTable& layers, DxfLayerNumbers& numbers, const CadMap& lineMap,
                         const CadMap& pointMap, int64_t expansionBudget, DxfImportSink& sink, int pass,
                         DxfProgress* progress) {
  DxfReadResult result;
  if (StartsWith(FirstBytes(source), kBinaryDxfSignature)) {
    result.messages.emplace_back(kBinaryDxf);
    return result;
  }
  DxfProgress silent;
  CheckedSink checked(sink);
  const bool utf8 = SourceIsUtf8(source);
  FileReading reading(source, layers, DxfDrawContext{layers, numbers, lineMap, checked, &pointMap}, pass,
                      progress ? *progress : silent, expansionBudget);
  reading.Run(utf8, result);
  result.entities = checked.count();
  return result;
}

}  // namespace

DxfReadResult DxfReader::ReadFile(const std::string& path, DxfImportSink& sink, int pass, DxfProgress* progress) {
  std::error_code error;
  std::FILE* file = std::filesystem::is_regular_file(path, error) ? std::fopen(path.c_str(), "rb") : nullptr;
  if (!file) {
    DxfReadResult result;
    result.messages.push_back(CannotOpenMessage(path));
    return result;
  }
  DxfLineSource source(file);
  return ReadSource(source, layers_, layerNumbers_, lineMap_, pointMap_, expansionBudget_, sink, pass, progress);
}

DxfReadResult DxfReader::ReadBytes(std::string_view bytes, DxfImportSink& sink, int pass, DxfProgress* progress) {
  DxfLineSource source(bytes);
  return ReadSource(source, layers_, layerNumbers_, lineMap_, pointMap_, expansionBudget_, sink, pass, progress);
}

}  // namespace zv::dxf
