#include "platform/convert/plain_text_reader.h"

#include <cmath>
#include <optional>
#include <vector>

#include "framework/fileio/file_io.h"
#include "framework/text/encoding.h"
#include "framework/text/numbers.h"
#include "platform/convert/plain_text_format.h"
#include "platform/convert/plain_text_numbers.h"

namespace zv::convert {
namespace {

// The tokens of the text: runs of non-blanks, or quoted texts in which a
// doubled quote stands for one.
class Tokens {
 public:
  explicit Tokens(std::string_view text) : text_(text) {}

  // The next token; false at the end (or in an unclosed quote, which is an
  // error the caller reports by `unclosed()`).
  bool Next(std::string_view& token, bool* quoted = nullptr) {
    SkipBlanks();
    if (at_ >= text_.size()) return false;
    line_ = lineNow_;
    if (text_[at_] != '"') {
      const std::size_t from = at_;
      while (at_ < text_.size() && !IsBlank(text_[at_])) ++at_;
      token = text_.substr(from, at_ - from);
      if (quoted) *quoted = false;
      return true;
    }
    buffer_.clear();
    for (++at_; at_ < text_.size(); ++at_) {
      const char c = text_[at_];
      if (c == '\n') ++lineNow_;
      if (c != '"') {
        buffer_ += c;
      } else if (at_ + 1 < text_.size() && text_[at_ + 1] == '"') {
        buffer_ += '"';
        ++at_;
      } else {
        ++at_;
        token = buffer_;
        if (quoted) *quoted = true;
        return true;
      }
    }
    unclosed_ = true;
    return false;
  }
  bool unclosed() const { return unclosed_; }
  int line() const { return line_; }

 private:
  static bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }
  void SkipBlanks() {
    for (; at_ < text_.size() && IsBlank(text_[at_]); ++at_)
      if (text_[at_] == '\n') ++lineNow_;
  }

  std::string_view text_;
  std::size_t at_ = 0;
  int lineNow_ = 1;
  int line_ = 1;
  std::string buffer_;
  bool unclosed_ = false;
};

struct Refused {
  std::string message;
};

class Parser {
 public:
  Parser(std::string_view text, WorkAreaHandle area) : tokens_(text), area_(area) {}

  void Read(PlainTextRead& result) {
    const std::string header = Word("文件头");
    const int kind = KindOfHeader(header);
    if (kind < 0) Fail("不是点、线或区明码文件（文件头" + header + "）");
    if (kind != BasGetWorkAreaType(area_)) Fail("文件类型与工作区不符");
    std::vector<int32_t> ids;
    if (kind == kPointArea) {
      ids = ReadPoints();
    } else if (kind == kLineArea) {
      ids = ReadLines();
    } else {
      const std::vector<int32_t> arcs = ReadLines();
      ids = ReadRegions(arcs);
    }
    std::string_view token;
    if (tokens_.Next(token) && token == kAttributesKeyword) ReadAttributes(kind, ids);
    if (tokens_.unclosed()) Fail("引号不成对");
    result.entities = static_cast<int64_t>(ids.size());
  }

  [[noreturn]] void Fail(const std::string& what) const {
    throw Refused{"第" + num::FormatInt(tokens_.line()) + "行：" + what};
  }

 private:
  std::string_view Token(const char* what, bool* quoted = nullptr) {
    std::string_view token;
    if (!tokens_.Next(token, quoted)) Fail(std::string(tokens_.unclosed() ? "引号不成对：" : "数据不完整，缺少") + what);
    return token;
  }
  std::string Word(const char* what) { return std::string(Token(what)); }
  std::string Text(const char* what) {
    bool quoted = false;
    const std::string_view token = Token(what, &quoted);
    if (!quoted) Fail(std::string(what) + "应加引号");
    return std::string(token);
  }
  template <typename T>
  T Number(const char* what) {
    const std::string_view token = Token(what);
    T value{};
    if (!ParseNumber(token, value)) Fail(std::string(what) + "不是数字：" + std::string(token));
    return value;
  }
  // A coordinate: "nan" or "inf" would put vertices nowhere into the area.
  double Coordinate() {
    const double value = Number<double>("坐标");
    if (!std::isfinite(value)) Fail("坐标不是有限数值");
    return value;
  }
  // A count; a negative one is refused, a large one only fails when the
  // data runs out.
  int64_t Count(const char* what) {
    const int64_t n = Number<int64_t>(what);
    if (n < 0) Fail(std::string(what) + "为负数");
    return n;
  }

  template <typename Record>
  void Fields(Record& record, std::span<const ListedField> fields) {
    for (const ListedField& f : fields) {
      switch (f.type) {
        case ParamValueType::U8: record.Set(f.offset, static_cast<uint8_t>(Number<int>("参数"))); break;
        case ParamValueType::I16: record.Set(f.offset, Number<int16_t>("参数")); break;
        case ParamValueType::I32: record.Set(f.offset, Number<int32_t>("参数")); break;
        case ParamValueType::F32: record.Set(f.offset, Number<float>("参数")); break;
        case ParamValueType::F64: record.Set(f.offset, Number<double>("参数")); break;
      }
    }
  }

  void SetId(int entityType, int32_t id, double value) {
    if (value == 0.0) return;
    AttributeRecord record;
    if (BasReadAttribute(area_, entityType, id, &record) == 1 && BasSetFieldByIndex(record, 0, value))
      BasWriteAttribute(area_, entityType, id, record);
  }

  std::vector<int32_t> ReadPoints() {
    const int64_t n = Count("点数");
    std::vector<int32_t> ids;
    for (int64_t i = 0; i < n; ++i) {
      D_DOT at{Coordinate(), 0.0};
      at.y = Coordinate();
      const double idValue = Number<double>("ID");
      const int kind = Number<int>("点类型");
      if (kind < 0 || kind > 5) Fail("点类型" + num::FormatInt(kind) + "不存在");
      PNT_INFO info;
      info.setKind(static_cast<uint8_t>(kind));
      const std::string text = PointKindHasText(kind) ? Text("字符串") : std::string();
      Fields(info, PointFields(kind));
      const int32_t id = BasAppendPoint(area_, at, text, info);
      if (id == 0) Fail("点不能加入：" + BasLastRefusal());
      SetId(kPointEntity, id, idValue);
      ids.push_back(id);
    }
    return ids;
  }

  std::vector<int32_t> ReadLines() {
    const int64_t n = Count("线数");
    std::vector<int32_t> ids;
    std::vector<D_DOT> vertices;
    for (int64_t i = 0; i < n; ++i) {
      LIN_INFO info;
      Fields(info, LineFields());
      const int64_t m = Count("线点数");
      if (m == 0) Fail("线没有点");
      vertices.clear();
      for (int64_t k = 0; k < m; ++k) {
        const double x = Coordinate();
        vertices.push_back({x, Coordinate()});
      }
      const double idValue = Number<double>("ID");
      Number<double>("线长度");
      const int32_t id = BasAppendLine(area_, vertices, info);
      if (id == 0) Fail("线不能加入");
      SetId(kLineEntity, id, idValue);
      ids.push_back(id);
    }
    return ids;
  }

  std::vector<int32_t> ReadRegions(const std::vector<int32_t>& arcIds) {
    const int64_t n = Count("区数");
    std::vector<int32_t> ids;
    std::vector<int32_t> arcs;
    for (int64_t i = 0; i < n; ++i) {
      REG_INFO info;
      Fields(info, RegionFields());
      const int64_t k = Count("弧段数");
      arcs.assign(1, 0);
      for (int64_t j = 0; j < k; ++j) {
        const int64_t place = Number<int64_t>("弧段号");
        const int64_t magnitude = place < 0 ? -place : place;
        if (magnitude > static_cast<int64_t>(arcIds.size())) Fail("弧段号" + num::FormatInt(static_cast<long>(place)) + "超出弧段数");
        const int32_t arc = magnitude == 0 ? 0 : arcIds[static_cast<std::size_t>(magnitude - 1)];
        arcs.push_back(place < 0 ? -arc : arc);
      }
      const double idValue = Number<double>("ID");
      Number<double>("面积");
      const int32_t id = BasAppendRegion(area_, arcs, info);
      if (id == 0) Fail("区不能由所列弧段组成");
      SetId(kRegionEntity, id, idValue);
      ids.push_back(id);
    }
    return ids;
  }

  void ReadAttributes(int entityType, const std::vector<int32_t>& ids) {
    const int64_t fieldCount = Count("字段数");
    CATT_STRU structure;
    for (int64_t i = 0; i < fieldCount; ++i) {
      CFIELD_HEAD field;
      field.name = Text("字段名");
      const int type = Number<int>("字段类型");
      if (FieldTypeName(type).empty()) Fail("字段类型" + num::FormatInt(type) + "不存在");
      field.type = static_cast<uint8_t>(type);
      field.length = Number<int16_t>("字段长度");
      field.decimals = static_cast<int8_t>(Number<int>("小数位数"));
      structure.fields.push_back(field);
    }
    LayOutStructure(structure);
    if (BasSetAttributeStructure(area_, entityType, structure) != 1) Fail("属性结构不能设置：" + BasLastRefusal());
    CATT_STRU laid;
    BasReadAttributeStructure(area_, entityType, &laid);
    const int64_t records = Count("记录数");
    for (int64_t r = 0; r < records; ++r) {
      const int64_t ordinal = Number<int64_t>("序号");
      if (ordinal < 1 || ordinal > static_cast<int64_t>(ids.size())) Fail("序号超出实体数");
      const int32_t id = ids[static_cast<std::size_t>(ordinal - 1)];
      AttributeRecord record;
      BasReadAttribute(area_, entityType, id, &record);
      for (int64_t f = 0; f < fieldCount; ++f) {
        const std::string value = Text("属性值");
        // Fields whose name the structure already had keep the place the
        // library gave them; the values follow the names.
        const int index = BasFindField(laid, structure.fields[static_cast<std::size_t>(f)].name);
        if (index >= 0 && !value.empty() && !BasSetFieldByIndex(record, index, value))
          Fail("属性值不符合字段类型：" + value);
      }
      BasWriteAttribute(area_, entityType, id, record);
    }
  }

  Tokens tokens_;
  WorkAreaHandle area_;
};

}  // namespace

PlainTextRead ReadPlainText(std::string_view bytes, WorkAreaHandle area) {
  PlainTextRead result;
  const std::string text = text::DecodeTextFile(bytes);
  BasBeginBatch(area);
  try {
    Parser(text, area).Read(result);
    result.ok = true;
  } catch (const Refused& refused) {
    result.error = refused.message;
    BasResetWorkArea(area);
  }
  BasEndBatch(area);
  return result;
}

PlainTextRead ReadPlainTextFile(const std::string& path, WorkAreaHandle area) {
  std::string bytes;
  std::string error;
  if (!fileio::ReadWholeFile(path, bytes, &error)) return {false, path + "：" + error, 0};
  PlainTextRead result = ReadPlainText(bytes, area);
  if (!result.ok) result.error = path + "，" + result.error;
  return result;
}

}  // namespace zv::convert
