#include "common/dialogs/list_pick_dlg.h"

#include <QVBoxLayout>
#include <array>

#include "common/grid_list/grid_list_ctrl.h"
#include "framework/prompts/ok_cancel_buttons.h"
#include "framework/prompts/prompts.h"
#include "framework/text/numbers.h"

namespace zv {

namespace {

constexpr int kDialogId = 275;

enum PickMode : int16_t { kSequenceMode = 1, kFieldMode = 2, kBoreholeMode = 3, kSectionMode = 4 };

struct PickModeText {
  int16_t mode;
  const char* caption;
  const char* columns;
};

constexpr std::array<PickModeText, 4> kModes = {{
    {kSequenceMode, "ID号排实体号", "序号,60;ID号,60"},
    {kFieldMode, "选择要删除的属性", "序号,50;1字段名,200"},
    {kBoreholeMode, "选择绘制的钻孔", "序号,50;1钻孔,70;1比例尺,52"},
    {kSectionMode, "选择绘制的剖面", "序号,50;1剖面,70;1比例尺,52"},
}};

QString Number(long value) { return QString::fromStdString(num::FormatInt(value)); }
int32_t CellNumber(const QString& text) { return num::ParseInt(text.toStdString()); }

}  // namespace

CListPickDlg::CListPickDlg(int16_t mode, QWidget* parent)
    : QDialog(parent), mode_(mode), list_(new grid::CGridListCtrl(this)) {
  setWindowTitle(QStringLiteral("ID号排实体号"));
  list_->setObjectName(QStringLiteral("control1007"));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(list_);
  AddOkCancelButtons(*this, layout);
  resize(360, 420);
}

int CListPickDlg::EntityTypeOfArea() const {
  switch (BasGetWorkAreaType(area_)) {
    case kPointArea: return kPointEntity;
    case kRegionArea: return kRegionEntity;
    default: return kLineEntity;
  }
}

void CListPickDlg::FillList() {
  list_->DeleteAllRows();
  for (const PickModeText& mode : kModes) {
    if (mode.mode != mode_) continue;
    setWindowTitle(QString::fromUtf8(mode.caption));
    list_->SetColumns(QString::fromUtf8(mode.columns));
  }
  list_->LoadColumnState(kDialogId);
  switch (mode_) {
    case kSequenceMode:
      for (const SequencePair& pair : pairs_) list_->AddRow({Number(pair.sequence), Number(pair.id)});
      break;
    case kFieldMode: {
      CATT_STRU structure;
      if (BasReadAttributeStructure(area_, EntityTypeOfArea(), &structure) != 1) break;
      for (int i = 0; i < structure.fieldCount(); ++i) {
        list_->AddRow({Number(i), QString::fromStdString(structure.fields[static_cast<std::size_t>(i)].name)});
      }
      break;
    }
    case kBoreholeMode:
    case kSectionMode:
      for (std::size_t i = 0; i < items_.size(); ++i) {
        list_->AddRow({Number(static_cast<long>(i) + 1), items_[i].name, Number(items_[i].number)});
      }
      break;
    default:
      break;
  }
}

int CListPickDlg::DoModal() {
  FillList();
  return prompt::Current().Exec(*this);
}

void CListPickDlg::accept() {
  switch (mode_) {
    case kSequenceMode:
      pairs_.clear();
      for (int row = 0; row < list_->GetItemCount(); ++row) {
        pairs_.push_back({CellNumber(list_->CellText(row, 0)), CellNumber(list_->CellText(row, 1))});
      }
      break;
    case kFieldMode: {
      const int entityType = EntityTypeOfArea();
      for (const int row : list_->GetSelectedRows()) {
        // Looked up again for each field: every deletion moves the later ones.
        CATT_STRU structure;
        if (BasReadAttributeStructure(area_, entityType, &structure) != 1) break;
        const int index = BasFindField(structure, list_->CellText(row, 1).toStdString());
        if (index >= 0) BasDeleteField(area_, entityType, index);
      }
      break;
    }
    case kBoreholeMode:
    case kSectionMode:
      picked_.clear();
      for (const int row : list_->GetSelectedRows()) {
        picked_.push_back({CellNumber(list_->CellText(row, 0)) + 1, list_->CellText(row, 1),
                           CellNumber(list_->CellText(row, 2))});
      }
      break;
    default:
      break;
  }
  QDialog::accept();
}

}  // namespace zv
