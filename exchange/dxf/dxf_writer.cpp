#include "exchange/dxf/dxf_writer.h"

#include <filesystem>
#include <map>

#include "exchange/dxf/dxf_block_writer.h"
#include "exchange/dxf/dxf_code_page.h"
#include "exchange/dxf/dxf_entity_writer.h"
#include "exchange/dxf/dxf_names.h"
#include "exchange/dxf/dxf_template.h"
#include "framework/fileio/file_io.h"
#include "platform/display/symbol_library.h"
#include "platform/display/system_library.h"
#include "platform/progress/progress.h"
#include "platform/project/map_project.h"

namespace zv::dxf {
namespace {

namespace fs = std::filesystem;

constexpr char kCannotOpen[] = "ZAVEDIZ不能独占使用该文件,请先退出其他程序使用该文件.";
constexpr char kTableHandleOfLayers[] = "2";

struct FixedLayout {
  const char* name;
  bool paperSpace;
};
constexpr FixedLayout kLayouts[] = {{"*Model_Space", false}, {"*Paper_Space", true}, {"*Paper_Space0", true}};

std::string FileMessage(const std::string& path, const std::string& text) { return path + "\n\n" + text; }

std::string TargetOf(const std::string& projectPath) {
  return fs::path(projectPath).replace_extension(".dxf").string();
}

// A record of the template's BLOCK_RECORD table.
struct TemplateRecord {
  std::string handle;
  std::string layout;  // group 340
};

}  // namespace

// The written BLOCK_RECORD table: its handle, the three layout records and
// one record per used sub-graph, in the order of `used_`.
struct CDxfWriter::Records {
  std::string table;
  std::string layouts[3];
  std::vector<std::string> subgraphs;
  std::map<std::string, TemplateRecord, std::less<>> fromTemplate;  // by name
  std::string templateTable;
};

CDxfWriter::CDxfWriter() : CDxfWriter(display::CurrentLibrary().Subgraphs()) {}
CDxfWriter::CDxfWriter(const display::SingleLevelLibrary* subgraphs) : subgraphs_(subgraphs) {}
CDxfWriter::~CDxfWriter() = default;

bool CDxfWriter::CollectLayers(const MapProject& project) {
  std::set<std::string> used{"0"};
  for (const int index : PrjListItems(&project, -1)) {
    const WorkAreaHandle area = PrjGetItemArea(&project, index);
    if (!BasIsWorkAreaValid(area)) continue;
    std::string name = DxfLayerNameOfFile(PrjGetItemPath(&project, index), used);
    std::string encoded = EncodeGbkText(name);
    layers_.push_back({std::move(name), std::move(encoded), area});
  }
  return !layers_.empty();
}

void CDxfWriter::CollectUsedSubgraphs() {
  std::set<int32_t> used;
  StartProgress("正在查找子图信息...");
  SetRange(0, static_cast<int64_t>(layers_.size()));
  for (std::size_t k = 0; k < layers_.size(); ++k) {
    SetPos(static_cast<int64_t>(k + 1));
    const WorkAreaHandle area = layers_[k].area;
    if (BasGetWorkAreaType(area) != kPointArea) continue;
    int32_t live = 0, bound = 0;
    BasGetPointCount(area, &live, &bound);
    PNT_INFO info;
    for (int32_t id = 1; id < bound; ++id)
      if (BasReadPointParam(area, id, &info) > 0 && info.kind() == 1) used.insert(info.symbolNumber());
  }
  EndProgress();
  used_.assign(used.begin(), used.end());
}

void CDxfWriter::WriteTables(DxfGroupWriter& out) {
  out.Groups({{0, "TABLE"}, {2, "LAYER"}, {5, kTableHandleOfLayers}, {330, "0"}, {100, "AcDbSymbolTable"}});
  out.Int(70, static_cast<long>(layers_.size()) + 1);
  const auto layer = [&](const std::string& handle, std::string_view name) {
    out.Groups({{0, "LAYER"}, {5, handle}, {330, kTableHandleOfLayers}, {100, "AcDbSymbolTableRecord"},
                {100, "AcDbLayerTableRecord"}, {2, name}, {70, "0"}});
    // 7 draws black on white and white on black; 0 would be no colour.
    out.Groups({{62, "7"}, {6, "Continuous"}, {370, "-3"}, {390, "F"}});
  };
  layer("10", "0");
  for (std::size_t i = 0; i < layers_.size(); ++i)
    layer(handles_.Indexed(kLayerPrefix, static_cast<long>(i)), layers_[i].encoded);
  out.Group(0, "ENDTAB");
}

void CDxfWriter::WriteBlockRecords(DxfGroupWriter& out, Records& records) {
  records.table = handles_.Next(kRecordPrefix);
  out.Groups({{5, records.table}, {330, "0"}, {100, "AcDbSymbolTable"}});
  out.Int(70, static_cast<long>(3 + used_.size()));
  const auto record = [&](const std::string& name, const std::string* layout) {
    std::string handle = handles_.Next(kRecordPrefix);
    out.Groups({{0, "BLOCK_RECORD"}, {5, handle}, {330, records.table}, {100, "AcDbSymbolTableRecord"},
                {100, "AcDbBlockTableRecord"}, {2, name}});
    if (layout) out.Group(340, *layout);
    return handle;
  };
  for (int k = 0; k < 3; ++k)
    records.layouts[k] = record(kLayouts[k].name, &records.fromTemplate.at(kLayouts[k].name).layout);
  for (const int32_t s : used_) records.subgraphs.push_back(record(std::to_string(s), nullptr));
  out.Groups({{0, "ENDTAB"}, {0, "ENDSEC"}});
}

void CDxfWriter::WriteBlocks(DxfGroupWriter& out, const Records& records) {
  const auto head = [&](std::string_view entity, const std::string& owner, bool paperSpace) {
    out.Groups({{0, entity}, {5, handles_.Next(kBlockPrefix)}, {330, owner}, {100, "AcDbEntity"}});
    if (paperSpace) out.Group(67, "1");
    out.Group(8, "0");
  };
  const auto block = [&](const std::string& name, const std::string& owner, bool paperSpace, auto&& body) {
    head("BLOCK", owner, paperSpace);
    out.Groups({{100, "AcDbBlockBegin"}, {2, name}, {70, "0"}, {10, "0.0"}, {20, "0.0"}, {30, "0.0"}, {3, name},
                {1, ""}});
    body();
    head("ENDBLK", owner, paperSpace);
    out.Group(100, "AcDbBlockEnd");
  };
  for (int k = 0; k < 3; ++k) block(kLayouts[k].name, records.layouts[k], kLayouts[k].paperSpace, [] {});
  StartProgress("正在写块信息...");
  SetRange(0, static_cast<int64_t>(used_.size()));
  for (std::size_t i = 0; i < used_.size(); ++i) {
    SetPos(static_cast<int64_t>(i + 1));
    const int32_t s = used_[i];
    block(std::to_string(s), records.subgraphs[i], false, [&] { WriteBlockBody(out, s, records.subgraphs[i]); });
  }
  EndProgress();
}

void CDxfWriter::WriteBlockBody(DxfGroupWriter& out, int32_t subgraph, const std::string& owner) {
  const display::SymbolEntry* entry =
      subgraphs_ && subgraph >= 1 && subgraph < subgraphs_->Count() && !subgraphs_->IsBroken(subgraph)
          ? subgraphs_->Entry(subgraph)
          : nullptr;
  if (!entry) {
    result_.messages.push_back("子图库中没有可用的" + std::to_string(subgraph) + "号子图，块“" +
                               std::to_string(subgraph) + "”写为空块。");
    return;
  }
  WriteSubgraphElements(out, handles_, owner, *entry);
}

void CDxfWriter::WriteEntities(DxfGroupWriter& out, DxfHandles& handles) const {
  StartProgress("正在绘制图元...");
  SetRange(0, static_cast<int64_t>(layers_.size()));
  for (std::size_t k = 0; k < layers_.size(); ++k) {
    SetPos(static_cast<int64_t>(k + 1));
    const DxfEntityTarget target{out, handles, modelSpace_, layers_[k].encoded};
    switch (BasGetWorkAreaType(layers_[k].area)) {
      case kLineArea: WriteLwPolylines(target, layers_[k].area); break;
      case kPointArea: WritePoints(target, layers_[k].area); break;
      case kRegionArea: WriteHatches(target, layers_[k].area); break;
      default: break;
    }
  }
  EndProgress();
}

// Everything before the entities, into `head`; false (with a message) when
// the template lacks a part the drawing needs.
bool CDxfWriter::Splice(DxfTemplate& source, DxfGroupWriter& head, const std::string& templatePath) {
  const auto missing = [&](const std::string& part) {
    result_.messages.push_back(FileMessage(templatePath, "模板文件不完整：缺少" + part + "。"));
    return false;
  };
  if (!source.CopyThrough(head, GroupIs(2, "TABLES"))) return missing("TABLES段");
  if (!source.CopyThrough(head, GroupIs(0, "LTYPE")) || !source.CopyThrough(head, ValueIs("ENDTAB")))
    return missing("LTYPE表");
  WriteTables(head);
  if (!source.SkipThrough(GroupIs(0, "LAYER")) || !source.SkipThrough(ValueIs("ENDTAB")))
    return missing("LAYER表");
  if (!source.CopyThrough(head, GroupIs(2, "BLOCK_RECORD"))) return missing("BLOCK_RECORD表");

  Records records;
  std::string name, handle, layout;
  const auto flush = [&] {
    if (!name.empty()) records.fromTemplate[name] = {handle, layout};
    name.clear();
    handle.clear();
    layout.clear();
  };
  bool inRecord = false;
  if (!source.SkipThrough(ValueIs("ENDSEC"), [&](const DxfTemplateGroup& g) {
        if (g.code == 0) {
          flush();
          inRecord = g.value == "BLOCK_RECORD";
        } else if (g.code == 5 && !inRecord) {
          records.templateTable = std::string(g.value);
        } else if (inRecord && g.code == 5) {
          handle = g.value;
        } else if (inRecord && g.code == 2) {
          name = g.value;
        } else if (inRecord && g.code == 340) {
          layout = g.value;
        }
      }))
    return missing("BLOCK_RECORD表");
  flush();
  for (const FixedLayout& fixed : kLayouts)
    if (!records.fromTemplate.count(fixed.name)) return missing(std::string("块记录") + fixed.name);

  WriteBlockRecords(head, records);
  modelSpace_ = records.layouts[0];
  // The template's objects that name its block records name the written ones.
  std::map<std::string, std::string, std::less<>> renamed;
  for (int k = 0; k < 3; ++k) renamed[records.fromTemplate.at(kLayouts[k].name).handle] = records.layouts[k];
  if (!records.templateTable.empty()) renamed[records.templateTable] = records.table;
  source.SetRenamedHandles(std::move(renamed));

  if (!source.CopyThrough(head, GroupIs(2, "BLOCKS"))) return missing("BLOCKS段");
  WriteBlocks(head, records);
  head.Group(0, "ENDSEC");
  if (!source.SkipThrough(ValueIs("ENDSEC"))) return missing("BLOCKS段的结尾");
  if (!source.CopyThrough(head, ValueIs("ENTITIES"))) return missing("ENTITIES段");
  return true;
}

DxfExportResult CDxfWriter::ExportDxf(const std::string& templatePath, const MapProject& project) {
  result_ = {};
  layers_.clear();
  used_.clear();
  handles_ = {};
  const std::string templateName = fs::path(templatePath).filename().string();
  std::error_code ec;
  if (!fs::exists(templatePath, ec)) {
    result_.messages.push_back("没有找到" + templateName + "模板文件！请先创建模板文件。");
    return result_;
  }
  if (!CollectLayers(project)) {
    result_.messages.push_back("没有找到可编辑的文件！");
    return result_;
  }
  if (project.path.empty()) {
    result_.messages.push_back("工程还没有文件名，请先保存工程。");
    return result_;
  }
  result_.target = TargetOf(project.path);
  std::string bytes;
  if (!fileio::ReadWholeFile(templatePath, bytes)) {
    result_.messages.push_back(FileMessage(templatePath, kCannotOpen));
    return result_;
  }
  CollectUsedSubgraphs();

  DxfTemplate source(std::move(bytes));
  DxfGroupWriter head;
  if (!Splice(source, head, templatePath)) return result_;

  // The seed in the header must pass every handle, so the entity stage runs
  // once without output to learn the handles it will make.
  handles_.Note(source.seed());
  DxfHandles counted = handles_;
  DxfGroupWriter discard = DxfGroupWriter::Discarding();
  WriteEntities(discard, counted);
  if (source.seedLength() > 0) {
    std::string seed = counted.Seed();
    head.held().replace(source.seedOffset(), source.seedLength(), seed);
  }

  fileio::AtomicFileWriter file;
  if (!file.Open(result_.target)) {
    result_.messages.push_back(FileMessage(result_.target, kCannotOpen));
    return result_;
  }
  DxfGroupWriter out([&file](std::string_view chunk) { return file.Write(chunk); });
  out.held() = std::move(head.held());
  WriteEntities(out, handles_);
  out.Group(0, "ENDSEC");
  const bool complete = source.SkipThrough(ValueIs("ENDSEC")) && source.CopyRest(out);
  if (!complete) {
    result_.messages.push_back(FileMessage(templatePath, "模板文件不完整：缺少ENTITIES段的结尾或EOF。"));
    return result_;
  }
  if (!out.Flush() || !file.Commit()) {
    result_.messages.push_back(FileMessage(result_.target, kCannotOpen));
    return result_;
  }
  result_.written = true;
  result_.messages.push_back("已写出DXF文件：" + result_.target);
  return result_;
}

}  // namespace zv::dxf
