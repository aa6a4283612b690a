#include "exchange/sheets/row_projection.h"

#include <cmath>

#include "framework/workbook/cell_number.h"
#include "platform/display/text_measure.h"
#include "platform/progress/progress.h"

namespace zv::sheets {
namespace {

constexpr double kDegree = 3.14159265358979323846 / 180.0;

CFIELD_HEAD ProjectedNumberField(FieldTyping typing, const ColumnTyping& column) {
  CFIELD_HEAD field;
  field.type = typing == FieldTyping::kExcel && !column.decimals ? kFieldLong : kFieldDouble;
  field.length = 15;
  field.decimals = 3;
  return field;
}

// Adds a field per attribute column; the names the fields got, by column.
std::vector<std::string> AddFields(const workbook::Worksheet& sheet, const RowWalk& walk,
                                   const ProjectionColumns& columns, FieldTyping typing, WorkAreaHandle area,
                                   std::string* refusal) {
  std::vector<std::string> names;
  std::vector<std::string> taken;
  if (walk.progress) {
    StartProgress("正在写属性结构...");
    SetRange(0, static_cast<int64_t>(columns.attributes.size()));
  }
  for (std::size_t i = 0; i < columns.attributes.size(); ++i) {
    if (walk.progress) SetPos(static_cast<int64_t>(i + 1));
    const SheetColumn& column = columns.attributes[i];
    const ColumnTyping columnTyping = TypeColumn(sheet, column.column, walk.firstRow, walk.lastRow);
    names.push_back(DistinctFieldName(column.name, taken));
    if (!EnsureField(area, kPointEntity, FieldForColumn(names.back(), columnTyping, ProjectedNumberField(typing, columnTyping)))) {
      *refusal = BasLastRefusal();
      if (refusal->empty()) refusal->assign("属性结构无法增加字段！");
      break;
    }
  }
  if (walk.progress) EndProgress();
  return names;
}

}  // namespace

std::string WithoutAngleMarks(std::string text) {
  for (const char* mark : {"°", "′", "″"}) {
    const std::size_t at = text.find(mark);
    if (at != std::string::npos) text.erase(at, std::char_traits<char>::length(mark));
  }
  return text;
}

double CoordinateOf(const workbook::Range& cell) {
  const std::string text = cell.Text();
  const std::string bare = WithoutAngleMarks(text);
  return bare == text ? workbook::ParseCellNumber(cell) : workbook::ParseCellNumber(bare);
}

ProjectionOutcome ProjectSheetRows(const workbook::Worksheet& sheet, const RowWalk& walk,
                                   const ProjectionColumns& columns, const ProjectionOptions& options,
                                   const ProjectionStyle& style, const PlaneProjector& projector, FieldTyping typing,
                                   WorkAreaHandle pointArea, WorkAreaHandle lineArea) {
  ProjectionOutcome outcome;
  if (columns.x <= 0 || columns.y <= 0) return outcome;
  const bool withAttributes = options.giveAttributes && !columns.attributes.empty();
  std::vector<std::string> fieldNames;
  if (withAttributes) {
    fieldNames = AddFields(sheet, walk, columns, typing, pointArea, &outcome.refusal);
    if (!outcome.refusal.empty()) return outcome;
  }
  const workbook::Range cells = sheet.Cells();
  const auto text = [&](int row, int column) { return column > 0 ? cells.Item(row, column).Text() : std::string(); };
  const double toMap = 1000.0 / (options.scale != 0 ? options.scale : 1000);

  if (walk.progress) {
    StartProgress("正在投影数据...");
    SetRange(0, walk.lastRow - walk.firstRow + 1);
  }
  BasBeginBatch(pointArea);
  BasBeginBatch(lineArea);
  std::vector<D_DOT> line;
  for (int r = walk.firstRow; r <= walk.lastRow + 1; ++r) {
    if (walk.progress) SetPos(r - walk.firstRow);
    BasBatchStep(pointArea);
    const bool pastEnd = r > walk.lastRow;
    double x = pastEnd ? 0 : CoordinateOf(cells.Item(r, columns.x));
    double y = pastEnd ? 0 : CoordinateOf(cells.Item(r, columns.y));
    if (pastEnd || (x == 0 && y == 0 && text(r, columns.y).empty())) {
      if (options.drawLine && line.size() >= 2) {
        if (options.closeLine) line.push_back(line.front());
        if (const int32_t id = BasAppendLine(lineArea, line, style.line)) outcome.lines.push_back(id);
      }
      line.clear();
      continue;
    }
    if (!options.noProjection && !projector(x, y)) {
      outcome.projectionFailed = true;
      break;
    }
    const D_DOT at = options.noProjection ? D_DOT{y * toMap, x * toMap} : D_DOT{x * toMap, y * toMap};
    line.push_back(at);
    const double dipDirection = columns.dipDirection > 0 ? workbook::ParseCellNumber(cells.Item(r, columns.dipDirection)) : 0.0;
    const int offset = r - walk.labelBase;
    const bool labelled = options.interval == 0 || offset % options.interval == 0 || offset == 1;
    if (options.noteLabels && columns.note > 0 && labelled) {
      const std::string label = options.attitude ? text(r, columns.dipAngle) : text(r, columns.note);
      D_DOT place{at.x + 5, at.y};
      if (options.attitude) {
        const double width = display::DspTextLength(label, 0, display::kAlongX) * style.note.charWidth();
        place = {at.x + options.distance * std::sin(dipDirection * kDegree) - width / 2,
                 at.y + options.distance * std::cos(dipDirection * kDegree) - style.note.charHeight() / 2.0};
      }
      if (const int32_t id = BasAppendPoint(pointArea, place, label, style.note)) outcome.points.push_back(id);
    }
    if (!options.drawPoints) continue;
    PNT_INFO symbol = style.symbol;
    if (options.attitude) symbol.setAngle(static_cast<float>(-dipDirection));
    const int32_t id = BasAppendPoint(pointArea, at, "", symbol);
    if (id == 0) continue;
    outcome.points.push_back(id);
    AttributeRecord record;
    if (!withAttributes || BasReadAttribute(pointArea, kPointEntity, id, &record) != 1) continue;
    for (std::size_t i = 0; i < fieldNames.size(); ++i) {
      const int index = BasFindField(*record.structure, fieldNames[i]);
      if (index >= 0) SetFieldFromCell(record, index, cells.Item(r, columns.attributes[i].column));
    }
    BasWriteAttribute(pointArea, kPointEntity, id, record);
  }
  BasEndBatch(lineArea);
  BasEndBatch(pointArea);
  if (walk.progress) EndProgress();
  return outcome;
}

}  // namespace zv::sheets
