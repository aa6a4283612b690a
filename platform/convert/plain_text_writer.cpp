#include "platform/convert/plain_text_writer.h"

#include "framework/fileio/file_io.h"
#include "framework/text/encoding.h"
#include "platform/convert/plain_text_format.h"
#include "platform/convert/plain_text_numbers.h"

namespace zv::convert {
namespace {

template <typename Record>
void AppendFields(std::string& out, const Record& record, std::span<const ListedField> fields) {
  for (const ListedField& f : fields) {
    if (&f != fields.data()) out += ' ';
    switch (f.type) {
      case ParamValueType::U8: AppendNumber(out, static_cast<int>(record.template Get<uint8_t>(f.offset))); break;
      case ParamValueType::I16: AppendNumber(out, record.template Get<int16_t>(f.offset)); break;
      case ParamValueType::I32: AppendNumber(out, record.template Get<int32_t>(f.offset)); break;
      case ParamValueType::F32: AppendNumber(out, record.template Get<float>(f.offset)); break;
      case ParamValueType::F64: AppendNumber(out, record.template Get<double>(f.offset)); break;
    }
  }
  out += '\n';
}

void AppendQuoted(std::string& out, std::string_view utf8) {
  out += '"';
  for (const char c : text::ToGbk(utf8)) {
    if (c == '"') out += '"';
    out += c;
  }
  out += '"';
}

void AppendPair(std::string& out, double a, double b) {
  AppendNumber(out, a);
  out += ' ';
  AppendNumber(out, b);
  out += '\n';
}

// Field 0 ("ID") of an entity, 0 when unreadable.
double IdValue(WorkAreaHandle area, int entityType, int32_t id) {
  AttributeRecord record;
  double value = 0.0;
  if (BasReadAttribute(area, entityType, id, &record) == 1) BasGetFieldDoubleByIndex(record, 0, &value);
  return value;
}

std::vector<int32_t> LiveIds(WorkAreaHandle area, int entityType) {
  int32_t live = 0, bound = 0;
  BasGetEntityCount(area, entityType, &live, &bound);
  std::vector<int32_t> ids;
  ids.reserve(static_cast<std::size_t>(live));
  for (int32_t id = 1; id < bound; ++id)
    if (BasIsEntityLive(area, entityType, id)) ids.push_back(id);
  return ids;
}

void AppendPoints(std::string& out, WorkAreaHandle area, const std::vector<int32_t>& ids) {
  AppendNumber(out, ids.size());
  out += '\n';
  D_DOT at{};
  std::string text;
  PNT_INFO info;
  for (const int32_t id : ids) {
    BasReadPoint(area, id, &at, &text, &info);
    AppendNumber(out, at.x);
    out += ' ';
    AppendNumber(out, at.y);
    out += ' ';
    AppendNumber(out, IdValue(area, kPointEntity, id));
    out += '\n';
    AppendNumber(out, static_cast<int>(info.kind()));
    out += '\n';
    if (PointKindHasText(info.kind())) {
      AppendQuoted(out, text);
      out += ' ';
    }
    AppendFields(out, info, PointFields(info.kind()));
  }
}

// Lines, or the arcs of a region area.
void AppendLines(std::string& out, WorkAreaHandle area, const std::vector<int32_t>& ids) {
  AppendNumber(out, ids.size());
  out += '\n';
  std::vector<D_DOT> vertices;
  LIN_INFO info;
  for (const int32_t id : ids) {
    BasReadLine(area, id, &vertices, &info);
    AppendFields(out, info, LineFields());
    AppendNumber(out, vertices.size());
    out += '\n';
    for (const D_DOT& v : vertices) AppendPair(out, v.x, v.y);
    AppendPair(out, IdValue(area, kLineEntity, id), BasGetLineLength(area, id));
  }
}

void AppendRegions(std::string& out, WorkAreaHandle area, const std::vector<int32_t>& arcIds,
                   const std::vector<int32_t>& ids) {
  // Arcs are numbered by their place in the file.
  std::vector<int32_t> ordinal(arcIds.empty() ? 1 : static_cast<std::size_t>(arcIds.back()) + 1, 0);
  for (std::size_t i = 0; i < arcIds.size(); ++i) ordinal[static_cast<std::size_t>(arcIds[i])] = static_cast<int32_t>(i + 1);
  AppendNumber(out, ids.size());
  out += '\n';
  std::vector<int32_t> arcs;
  REG_INFO info;
  for (const int32_t id : ids) {
    BasReadRegion(area, id, &arcs, &info);
    AppendFields(out, info, RegionFields());
    AppendNumber(out, arcs.size() - 1);
    out += '\n';
    for (std::size_t i = 1; i < arcs.size(); ++i) {
      const int32_t arc = arcs[i];
      const int32_t place = ordinal[static_cast<std::size_t>(arc < 0 ? -arc : arc)];
      AppendNumber(out, arc < 0 ? -place : place);
      out += i + 1 < arcs.size() ? ' ' : '\n';
    }
    if (arcs.size() == 1) out += '\n';
    AppendPair(out, IdValue(area, kRegionEntity, id), BasRegionArea(area, id));
  }
}

void AppendAttributes(std::string& out, WorkAreaHandle area, int entityType, const std::vector<int32_t>& ids) {
  CATT_STRU structure;
  if (BasReadAttributeStructure(area, entityType, &structure) != 1) return;
  out.append(kAttributesKeyword);
  out += '\n';
  AppendNumber(out, structure.fields.size());
  out += '\n';
  for (const CFIELD_HEAD& f : structure.fields) {
    AppendQuoted(out, f.name);
    out += ' ';
    AppendNumber(out, static_cast<int>(f.type));
    out += ' ';
    AppendNumber(out, f.length);
    out += ' ';
    AppendNumber(out, static_cast<int>(f.decimals));
    out += '\n';
  }
  AppendNumber(out, ids.size());
  out += '\n';
  std::string value;
  for (std::size_t i = 0; i < ids.size(); ++i) {
    AttributeRecord record;
    const bool read = BasReadAttribute(area, entityType, ids[i], &record) == 1;
    AppendNumber(out, i + 1);
    for (int f = 0; f < structure.fieldCount(); ++f) {
      value.clear();
      if (read) BasGetFieldText(record, f, &value);
      out += ' ';
      AppendQuoted(out, value);
    }
    out += '\n';
  }
}

}  // namespace

std::string PlainTextBytes(WorkAreaHandle area) {
  const int type = BasGetWorkAreaType(area);
  const std::span<const std::string_view> headers = HeadersOf(type);
  if (headers.empty()) return {};
  std::string out;
  out.append(headers.back());
  out += '\n';
  const int entityType = type;  // work-area and entity types share their numbers
  const std::vector<int32_t> ids = LiveIds(area, entityType);
  if (type == kPointArea) {
    AppendPoints(out, area, ids);
  } else if (type == kLineArea) {
    AppendLines(out, area, ids);
  } else {
    const std::vector<int32_t> arcs = LiveIds(area, kLineEntity);
    AppendLines(out, area, arcs);
    AppendRegions(out, area, arcs, ids);
  }
  AppendAttributes(out, area, entityType, ids);
  return out;
}

bool SavePlainTextFile(const std::string& path, WorkAreaHandle area, std::string* error) {
  const std::string bytes = PlainTextBytes(area);
  if (bytes.empty()) {
    if (error) *error = path + "：不是点、线或区工作区。";
    return false;
  }
  return fileio::WriteFileAtomically(path, bytes, error);
}

}  // namespace zv::convert
