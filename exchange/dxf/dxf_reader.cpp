#include "exchange/dxf/dxf_reader.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>

#include "exchange/dxf/dxf_code_page.h"
#include "exchange/dxf/dxf_group_reader.h"
#include "exchange/dxf/dxf_import_sink.h"
#include "exchange/dxf/dxf_linear_readers.h"
#include "exchange/dxf/dxf_linear_writers.h"
#include "exchange/dxf/dxf_progress.h"
#include "framework/paths/app_folder.h"
#include "framework/text/numbers.h"

namespace zv::dxf {
namespace {

struct PassEntry {
  std::string_view name;
  int pass;
};

// The pass of each entity kind (pass 0 admits them all).
constexpr PassEntry kPassTable[] = {
    {"POINT", 1}, {"CIRCLE", 1},     {"ELLIPSE", 1},  {"ARC", 1},    {"INSERT", 1},
    {"LINE", 2},  {"LWPOLYLINE", 2}, {"POLYLINE", 2}, {"SPLINE", 2},
    {"TEXT", 3},  {"ATTRIB", 3},     {"MTEXT", 3},
    {"HATCH", 4}, {"SOLID", 4},
};

constexpr std::string_view kBinaryDxfSignature = "AutoCAD Binary DXF";
constexpr int kProgressRange = 1000;
constexpr uint64_t kStepsPerProgressUpdate = 1 << 12;

constexpr const char* kCannotOpen = "ZAVEDIZ不能独占使用该文件,请先退出其他程序使用该文件.";
constexpr const char* kBinaryDxf = "这是二进制格式的DXF文件,只能读取文本格式的DXF文件。";
constexpr const char* kNotDxf = "该文件不是DXF文件:文件中没有SECTION段。";
constexpr const char* kNoEof = "DXF文件不完整(没有EOF结束标记),已读入文件结束之前的图元。";

using EntityHandler = void (*)(DxfGroupReader&, const DxfTextDecoder&, DxfDrawContext&);

struct EntityParser {
  std::string_view name;
  EntityHandler handle;
};

constexpr EntityParser kParsers[] = {
    {"LINE", [](DxfGroupReader& g, const DxfTextDecoder& d, DxfDrawContext& c) { WriteLine(ReadLine(g, d), c); }},
    {"LWPOLYLINE",
     [](DxfGroupReader& g, const DxfTextDecoder& d, DxfDrawContext& c) { WriteLwPolyline(ReadLwPolyline(g, d), c); }},
    {"POLYLINE",
     [](DxfGroupReader& g, const DxfTextDecoder& d, DxfDrawContext& c) { WritePolyline(ReadPolyline(g, d), c); }},
};

EntityHandler FindParser(std::string_view name) {
  for (const EntityParser& p : kParsers)
    if (p.name == name) return p.handle;
  return nullptr;
}

// Counts what reaches the sink, for the result.
class CountingSink : public DxfImportSink {
 public:
  explicit CountingSink(DxfImportSink& inner) : inner_(inner) {}
  void BeginImport() override { inner_.BeginImport(); }
  void AppendLine(std::span<const D_DOT> vertices, const DxfLineStyle& style,
                  const DxfEntityAttributes& attributes) override {
    ++count;
    inner_.AppendLine(vertices, style, attributes);
  }
  int64_t count = 0;

 private:
  DxfImportSink& inner_;
};

// The reading of one file.
class FileReading {
 public:
  FileReading(DxfLineSource& source, DxfLayerTable& layers, DxfDrawContext context, int pass, DxfProgress& progress)
      : groups_(source), layers_(layers), context_(context), pass_(pass), progress_(progress) {}

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
      } else if (name == "ENTITIES") {
        progress_.SetSubProgressName("正在读取实体信息");
        ReadEntities();
      }
    }
    progress_.EndProgress();
    result.imported = begun;
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
      EntityHandler handler = nullptr;
      if (groups_.code() == 0 && PassAdmits(pass_, groups_.value())) handler = FindParser(groups_.value());
      if (handler) {
        handler(groups_, decoder_, context_);
        Tick();
      } else {
        Advance();
      }
    }
  }

  DxfGroupReader groups_;
  DxfTextDecoder decoder_;
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
  for (const PassEntry& e : kPassTable)
    if (e.name == entityName) return pass == kAllPasses || pass == e.pass;
  return false;
}

std::string CannotOpenMessage(const std::string& path) { return path + "\n\n" + kCannotOpen; }

DxfReader::DxfReader()
    : DxfReader(CadMap::Load(paths::DataFile("cad_map.lin")), CadMap::Load(paths::DataFile("cad_map.pnt"))) {}

DxfReader::DxfReader(CadMap lineMap, CadMap pointMap) : lineMap_(std::move(lineMap)), pointMap_(std::move(pointMap)) {}

namespace {

DxfReadResult ReadSource(DxfLineSource& source, DxfLayerTable& layers, DxfLayerNumbers& numbers, const CadMap& lineMap,
                         DxfImportSink& sink, int pass, DxfProgress* progress) {
  DxfReadResult result;
  if (StartsWith(FirstBytes(source), kBinaryDxfSignature)) {
    result.messages.emplace_back(kBinaryDxf);
    return result;
  }
  DxfProgress silent;
  CountingSink counting(sink);
  const bool utf8 = SourceIsUtf8(source);
  FileReading reading(source, layers, DxfDrawContext{layers, numbers, lineMap, counting}, pass,
                      progress ? *progress : silent);
  reading.Run(utf8, result);
  result.entities = counting.count;
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
  return ReadSource(source, layers_, layerNumbers_, lineMap_, sink, pass, progress);
}

DxfReadResult DxfReader::ReadBytes(std::string_view bytes, DxfImportSink& sink, int pass, DxfProgress* progress) {
  DxfLineSource source(bytes);
  return ReadSource(source, layers_, layerNumbers_, lineMap_, sink, pass, progress);
}

}  // namespace zv::dxf
