#include "platform/editors/param_editor.h"

#include <QDialog>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QToolButton>
#include <cstring>
#include <optional>
#include <QVBoxLayout>
#include <limits>
#include <vector>

#include "framework/prompts/ok_cancel_buttons.h"
#include "framework/prompts/prompts.h"
#include "platform/editors/library_picker.h"
#include "platform/editors/param_fields.h"

namespace zv {

namespace {

double Limit(ParamValueType type) {
  switch (type) {
    case ParamValueType::U8: return 255.0;
    case ParamValueType::I16: return 32767.0;
    case ParamValueType::I32: return 2147483647.0;
    default: return 1e15;
  }
}

// The library a field's number comes from, if any.
std::optional<LibraryKind> PickerOf(const char* field) {
  static const std::pair<const char*, LibraryKind> kPickers[] = {
      {"colour", LibraryKind::kColour},         {"fillColour", LibraryKind::kColour},
      {"patternColour", LibraryKind::kColour},  {"auxColour", LibraryKind::kColour},
      {"symbolAuxColour", LibraryKind::kColour}, {"circleOutlineColour", LibraryKind::kColour},
      {"symbolNumber", LibraryKind::kSubgraph}, {"style", LibraryKind::kLineType},
      {"pattern", LibraryKind::kPattern},
  };
  for (const auto& [name, kind] : kPickers)
    if (std::strcmp(name, field) == 0) return kind;
  return std::nullopt;
}

int EditRecord(uint8_t* record, const std::vector<ShownParamField>& fields, const QString& title, QWidget* parent) {
  QDialog dialog(parent ? parent : prompt::GetMainWnd());
  dialog.setWindowTitle(title);
  auto* layout = new QVBoxLayout(&dialog);
  auto* form = new QFormLayout;
  std::vector<QDoubleSpinBox*> boxes;
  for (const ShownParamField& shown : fields) {
    auto* box = new QDoubleSpinBox(&dialog);
    box->setObjectName(QString::fromLatin1(shown.field.name));
    const bool integral = shown.field.type != ParamValueType::F32 && shown.field.type != ParamValueType::F64;
    box->setDecimals(integral ? 0 : 6);
    const double limit = Limit(shown.field.type);
    box->setRange(shown.field.type == ParamValueType::U8 ? 0.0 : -limit, limit);
    box->setValue(ReadParamValue(record, shown.field));
    if (const std::optional<LibraryKind> picker = PickerOf(shown.field.name)) {
      auto* row = new QHBoxLayout;
      row->addWidget(box, 1);
      auto* pick = new QToolButton(&dialog);
      pick->setObjectName(box->objectName() + QStringLiteral("Pick"));
      pick->setText(QStringLiteral("…"));
      QObject::connect(pick, &QToolButton::clicked, box, [box, kind = *picker, &dialog] {
        const int chosen = PickLibraryItem(kind, static_cast<int>(box->value()), &dialog);
        if (chosen >= 0) box->setValue(chosen);
      });
      row->addWidget(pick);
      form->addRow(QString::fromUtf8(shown.label), row);
    } else {
      form->addRow(QString::fromUtf8(shown.label), box);
    }
    boxes.push_back(box);
  }
  layout->addLayout(form);
  AddOkCancelButtons(dialog, layout);
  if (prompt::Current().Exec(dialog) != QDialog::Accepted) return 2;
  for (std::size_t i = 0; i < fields.size(); ++i) {
    // A value left as shown keeps its bytes (a float shown with 6 decimals
    // would otherwise be rounded).
    const double before = ReadParamValue(record, fields[i].field);
    const double after = boxes[i]->value();
    QDoubleSpinBox probe;
    probe.setDecimals(boxes[i]->decimals());
    probe.setRange(boxes[i]->minimum(), boxes[i]->maximum());
    probe.setValue(before);
    if (probe.value() != after) WriteParamValue(record, fields[i].field, after);
  }
  return 1;
}

}  // namespace

int EditMapParams(MapParams& params, const QString& title, QWidget* parent) {
  using T = ParamValueType;
  constexpr auto kAny = ParamRecordKind::Point;  // the record kind plays no part here
  static const ShownParamField kFields[] = {
      {{kAny, "coordKind", mapp::kCoordKind, T::U8, -1}, "坐标系类型"},
      {{kAny, "unit", mapp::kUnit, T::U8, -1}, "坐标单位"},
      {{kAny, "projection", mapp::kProjection, T::U8, -1}, "投影类型"},
      {{kAny, "ellipsoid", mapp::kEllipsoid, T::U8, -1}, "椭球参数"},
      {{kAny, "scale", mapp::kScale, T::F64, -1}, "比例尺分母"},
      {{kAny, "centralMeridian", mapp::kCentralMeridian, T::F64, -1}, "中央经线"},
      {{kAny, "originLat", mapp::kOriginLat, T::F64, -1}, "投影原点纬度"},
      {{kAny, "stdParallel1", mapp::kStdParallel1, T::F64, -1}, "第一标准纬线"},
      {{kAny, "stdParallel2", mapp::kStdParallel2, T::F64, -1}, "第二标准纬线"},
      {{kAny, "falseEasting", mapp::kFalseEasting, T::F64, -1}, "东伪偏移"},
      {{kAny, "falseNorthing", mapp::kFalseNorthing, T::F64, -1}, "北伪偏移"},
  };
  return EditRecord(params.data(), std::vector<ShownParamField>(std::begin(kFields), std::end(kFields)), title, parent);
}

int EditPointParam(PNT_INFO& info, const QString& title, QWidget* parent) {
  return EditRecord(info.data(), ShownPointFields(info.kind()), title, parent);
}

int EditLineParam(LIN_INFO& info, const QString& title, QWidget* parent) {
  return EditRecord(info.data(), ShownLineFields(), title, parent);
}

int EditRegionParam(REG_INFO& info, const QString& title, QWidget* parent) {
  return EditRecord(info.data(), ShownRegionFields(), title, parent);
}

}  // namespace zv
