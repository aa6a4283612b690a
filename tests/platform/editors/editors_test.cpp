#include <gtest/gtest.h>

#include <QDialog>
#include <QDoubleSpinBox>
#include <QListWidget>
#include <QPushButton>
#include <QToolButton>
#include <QTableWidget>
#include <random>

#include "framework/prompts/scripted_prompts.h"
#include "platform/editors/attribute_editor.h"
#include "platform/editors/library_picker.h"
#include "platform/editors/param_editor.h"
#include "platform/editors/param_fields.h"

namespace zv {
namespace {

template <class Record>
Record Noise(uint8_t kindByte) {
  Record r;
  std::mt19937 random(7);
  for (std::size_t i = 0; i < Record::size(); ++i) r.data()[i] = static_cast<uint8_t>(random() % 64);
  r.data()[0] = kindByte;
  return r;
}

// Sets one field of the dialog and accepts it.
prompt::ScriptedPrompts::DialogScript SetField(const char* name, double value) {
  return [=](QDialog& d) {
    auto* box = d.findChild<QDoubleSpinBox*>(name);
    EXPECT_NE(box, nullptr) << name;
    if (box) box->setValue(value);
    return int(QDialog::Accepted);
  };
}

TEST(ParamEditor, ChangesExactlyTheFieldEditedAndNothingOnCancel) {
  prompt::ScopedScriptedPrompts prompts;
  struct Case {
    const char* field;
    double value;
    std::size_t offset, width;
  };
  // Points of kind 1 (sub-graph): the symbol number and the colour.
  for (const Case& c : {Case{"symbolNumber", 321, pnt::kSymbolNumber, 4}, Case{"colour", 9, pnt::kColour, 4}}) {
    PNT_INFO info = Noise<PNT_INFO>(1);
    const PNT_INFO before = info;
    prompts->AnswerDialog(SetField(c.field, c.value));
    EXPECT_EQ(EditPointParam(info, "点参数"), 1);
    for (std::size_t i = 0; i < PNT_INFO::size(); ++i) {
      if (i < c.offset || i >= c.offset + c.width) {
        EXPECT_EQ(info.data()[i], before.data()[i]) << c.field << " byte " << i;
      }
    }
    EXPECT_EQ(ReadParamValue(info.data(), ShownPointFields(1)[0].field), 1);  // kind kept
  }
  LIN_INFO line = Noise<LIN_INFO>(1);
  prompts->AnswerDialog(SetField("width", 0.5));
  EXPECT_EQ(EditLineParam(line, "线参数"), 1);
  EXPECT_FLOAT_EQ(line.width(), 0.5f);
  REG_INFO region = Noise<REG_INFO>(3);
  const REG_INFO unchanged = region;
  prompts->AnswerDialog([](QDialog& d) {
    d.findChild<QDoubleSpinBox*>("pattern")->setValue(12);
    return int(QDialog::Rejected);
  });
  EXPECT_EQ(EditRegionParam(region, "区参数"), 2);
  EXPECT_EQ(region, unchanged);
}

TEST(ParamEditor, PickersChooseFromTheSystemLibrary) {
  prompt::ScopedScriptedPrompts prompts;
  LIN_INFO line;
  line.setStyle(1);
  prompts->AnswerDialog([](QDialog& d) {
    d.findChild<QToolButton*>("colourPick")->click();
    d.findChild<QToolButton*>("stylePick")->click();
    return int(QDialog::Accepted);
  });
  // The colour list: take the sixth entry (colour 5).
  prompts->AnswerDialog([](QDialog& d) {
    auto* items = d.findChild<QListWidget*>("items");
    EXPECT_GT(items->count(), 5);
    items->setCurrentRow(5);
    return int(QDialog::Accepted);
  });
  // The line-type list: cancelled, the style stays.
  prompts->AnswerDialog([](QDialog& d) { return int(QDialog::Rejected); });
  EXPECT_EQ(EditLineParam(line, "线参数"), 1);
  EXPECT_EQ(line.colour(), 5);
  EXPECT_EQ(line.style(), 1);
  // Samples differ from item to item.
  EXPECT_NE(LibraryItemSample(LibraryKind::kColour, 2, {16, 16}), LibraryItemSample(LibraryKind::kColour, 4, {16, 16}));
}

TEST(ParamFields, EachPointKindShowsItsOwnFieldsAndTheCommonOnes) {
  auto names = [](const std::vector<ShownParamField>& fields) {
    std::vector<std::string> out;
    for (const auto& f : fields) out.push_back(f.field.name);
    return out;
  };
  const auto text = names(ShownPointFields(0));
  EXPECT_NE(std::find(text.begin(), text.end(), "charHeight"), text.end());
  EXPECT_EQ(std::find(text.begin(), text.end(), "symbolNumber"), text.end());
  EXPECT_NE(std::find(text.begin(), text.end(), "layer"), text.end());
  for (const auto& f : ShownLineFields()) EXPECT_STRNE(f.label, "") << f.field.name;
  uint8_t bytes[8] = {};
  const ParamField i16{ParamRecordKind::Line, "x", 0, ParamValueType::I16, -1};
  WriteParamValue(bytes, i16, 1e9);
  EXPECT_EQ(ReadParamValue(bytes, i16), 32767);
  WriteParamValue(bytes, i16, -7.9);
  EXPECT_EQ(ReadParamValue(bytes, i16), -7);
}

class AttributeEditorTest : public testing::Test {
 protected:
  void SetUp() override {
    set_ = BasCreateWorkAreaSet(0);
    area_ = BasCreatePointWorkArea(set_);
    CFIELD_HEAD name;
    name.name = "NAME";
    name.length = 12;
    BasInsertField(area_, kPointEntity, name);
    CFIELD_HEAD depth;
    depth.name = "DEPTH";
    depth.type = kFieldDouble;
    depth.decimals = 2;
    BasInsertField(area_, kPointEntity, depth);
    PNT_INFO p;
    id_ = BasAppendPoint(area_, {1, 1}, "", p);
  }
  void TearDown() override { BasFreeWorkAreaSet(set_); }
  std::string Field(const char* name) {
    AttributeRecord r;
    BasReadAttribute(area_, kPointEntity, id_, &r);
    std::string text;
    BasGetFieldText(r, name, &text);
    return text;
  }
  WorkAreaSetHandle set_ = 0;
  WorkAreaHandle area_ = 0;
  int32_t id_ = 0;
};

TEST_F(AttributeEditorTest, EditsTheValuesShownAndRefusesABadOne) {
  prompt::ScopedScriptedPrompts prompts;
  prompts->AnswerDialog([](QDialog& d) {
    auto* table = d.findChild<QTableWidget*>("values");
    EXPECT_FALSE(table->item(0, 1)->flags() & Qt::ItemIsEditable);  // "ID"
    table->item(1, 1)->setText("钻孔1");
    table->item(2, 1)->setText("12.5");
    return int(QDialog::Accepted);
  });
  EXPECT_EQ(EditEntityAttribute(area_, kPointEntity, id_, "属性"), 1);
  EXPECT_EQ(Field("NAME"), "钻孔1");
  EXPECT_EQ(Field("DEPTH"), "12.50");
  prompts->AnswerDialog([](QDialog& d) {
    auto* table = d.findChild<QTableWidget*>("values");
    table->item(1, 1)->setText("other");
    table->item(2, 1)->setText("deep");
    return int(QDialog::Accepted);
  });
  EXPECT_EQ(EditEntityAttribute(area_, kPointEntity, id_, "属性"), 2);
  EXPECT_EQ(Field("NAME"), "钻孔1");
  EXPECT_EQ(prompts->Messages().size(), 1u);
}

TEST_F(AttributeEditorTest, StructureEditorAddsRenamesAndDeletesFieldsKeepingValuesByName) {
  prompt::ScopedScriptedPrompts prompts;
  prompts->AnswerDialog([](QDialog& d) { return int(QDialog::Accepted); });
  EditAttributeStructure(area_, kPointEntity, "结构");
  AttributeRecord r;
  BasReadAttribute(area_, kPointEntity, id_, &r);
  BasSetFieldByName(r, "NAME", "keep");
  BasWriteAttribute(area_, kPointEntity, id_, r);
  prompts->AnswerDialog([](QDialog& d) {
    auto* table = d.findChild<QTableWidget*>("fields");
    d.findChild<QPushButton*>("add")->click();
    table->item(table->rowCount() - 1, 0)->setText("ROCK");
    table->setCurrentCell(2, 0);  // DEPTH
    d.findChild<QPushButton*>("remove")->click();
    return int(QDialog::Accepted);
  });
  EXPECT_EQ(EditAttributeStructure(area_, kPointEntity, "结构"), 1);
  CATT_STRU s;
  BasReadAttributeStructure(area_, kPointEntity, &s);
  ASSERT_EQ(s.fields.size(), 3u);
  EXPECT_EQ(s.fields[0].name, "ID");
  EXPECT_EQ(s.fields[1].name, "NAME");
  EXPECT_EQ(s.fields[2].name, "ROCK");
  EXPECT_EQ(Field("NAME"), "keep");
}

}  // namespace
}  // namespace zv
