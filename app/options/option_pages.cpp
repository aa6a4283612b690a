#include "app/options/option_pages.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "app/options/option_values.h"
#include "framework/messages/pane_window_table.h"
#include "framework/messages/private_message.h"
#include "framework/paths/path_resolver.h"
#include "framework/prompts/ok_cancel_buttons.h"
#include "framework/prompts/prompts.h"
#include "platform/editors/library_picker.h"

namespace zv::options {
namespace {

constexpr std::intptr_t kReloadSelectSetting = 13;

const OptionRow kSystemRows[] = {
    {"选择直接移动", "standard chart", Control::kCheck, &AppSettings::standardChart},
    {"使用其它图签", "other chart", Control::kCheck, &AppSettings::otherChart},
    {"控制栏位置(左/右)", "control left/right", Control::kCheck, &AppSettings::controlLeftRight},
    {"控制栏宽度", "control width", Control::kWhole, &AppSettings::controlWidth, 500},
    {"背景颜色号", "back color", Control::kColour, &AppSettings::backColor},
    {"弧段可见", "arc show", Control::kCheck, &AppSettings::arcShow},
    {"数据压缩存盘", "compress", Control::kCheck, &AppSettings::compress},
    {"使用十字大光标", "cross cursor", Control::kCheck, &AppSettings::crossCursor},
    {"透明显示", "lucency show", Control::kCheck, &AppSettings::lucencyShow},
    {"还原显示", "rever show", Control::kCheck, &AppSettings::reverShow},
    {"符号编辑框可见", "symbol", Control::kCheck, &AppSettings::symbol},
    {"拓扑重建时搜子区", "top", Control::kCheck, &AppSettings::top},
    {"坐标点可见", "ZB show", Control::kCheck, &AppSettings::zbShow},
    {"使用视窗滚动条", "scroll", Control::kCheck, &AppSettings::scroll},
    {"初始状态为选择", "seclect", Control::kCheck, &AppSettings::seclect},
    {"使用原MapGis菜单", "menu", Control::kCheck, &AppSettings::menu},
    {"双击左键编辑参数", "leftdoudown", Control::kCheck, &AppSettings::leftDoubleDown},
    {"显示图签位置", "TQPosition", Control::kCorner, &AppSettings::tqPosition},
    {"选择图元显示口", "ShowKou", Control::kCheck, &AppSettings::showKou},
};

const OptionRow kChartRows[] = {
    {"表头高度", "laberH", Control::kReal, &AppSettings::headerHeight},
    {"外框线宽", "outw", Control::kReal, &AppSettings::outerWidth},
    {"框内线宽", "inw", Control::kReal, &AppSettings::innerWidth},
    {"压缩符号", "subNo", Control::kSubgraph, &AppSettings::subNo},
    {"地层与矿体颜色合并", "unite", Control::kCheck, &AppSettings::unite},
};

const OptionRow kSectionRows[] = {
    {"地形使用曲线", "cvrve", Control::kCheck, &AppSettings::curve},
    {"坐标带号", "strap", Control::kCheck, &AppSettings::strap},
    {"带号", "editstrap", Control::kWhole, &AppSettings::editStrap},
    {"浮土颜色", "groupclr", Control::kColour, &AppSettings::groundColor},
    {"平面图宽度(mm)", "ichnography", Control::kReal, &AppSettings::ichnography},
    {"钻孔子图号", "zkpara", Control::kSubgraph, &AppSettings::boreholeSymbol},
    {"基岩层厚度(mm)", "stratum", Control::kReal, &AppSettings::stratum},
    {"浮土层厚度(mm)", "grounddata", Control::kOneDecimal, &AppSettings::groundData},
};

const QStringList kCorners{QStringLiteral("左上"), QStringLiteral("右上"), QStringLiteral("左下"), QStringLiteral("右下")};

double Get(const AppSettings& s, const Field& field) {
  return std::visit([&s](auto member) { return static_cast<double>(s.*member); }, field);
}

void Set(AppSettings& s, const Field& field, double value) {
  std::visit([&s, value](auto member) { s.*member = static_cast<std::remove_reference_t<decltype(s.*member)>>(value); },
             field);
}

bool IsWhole(Control c) { return c == Control::kWhole || c == Control::kColour || c == Control::kSubgraph; }

QString Shown(Control c, double value) {
  if (c == Control::kOneDecimal) return QString::asprintf("%.1f", value);
  if (IsWhole(c)) return QString::number(static_cast<long>(value));
  return QString::number(value, 'g', 7);
}

}  // namespace

OptionPage::OptionPage(std::span<const OptionRow> rows, QWidget* parent)
    : QWidget(parent), rows_(rows.begin(), rows.end()) {
  auto* form = new QFormLayout(this);
  for (const OptionRow& row : rows_) {
    const QString key = QString::fromUtf8(row.key);
    const QString label = QString::fromUtf8(row.label);
    QWidget* control = nullptr;
    switch (row.control) {
      case Control::kCheck: {
        auto* box = new QCheckBox(label, this);
        connect(box, &QCheckBox::toggled, this, [this] { modified_ = true; });
        control = box;
        form->addRow(box);
        break;
      }
      case Control::kCorner: {
        auto* list = new QComboBox(this);
        list->addItems(kCorners);
        connect(list, &QComboBox::activated, this, [this] { modified_ = true; });
        control = list;
        form->addRow(label, list);
        break;
      }
      default: {
        auto* edit = new QLineEdit(this);
        connect(edit, &QLineEdit::textEdited, this, [this] { modified_ = true; });
        control = edit;
        if (row.control == Control::kColour || row.control == Control::kSubgraph) {
          auto* line = new QWidget(this);
          auto* h = new QHBoxLayout(line);
          h->setContentsMargins(0, 0, 0, 0);
          h->addWidget(edit);
          auto* pick = new QPushButton(label, line);
          pick->setObjectName(key + QStringLiteral(" button"));
          const LibraryKind kind = row.control == Control::kColour ? LibraryKind::kColour : LibraryKind::kSubgraph;
          connect(pick, &QPushButton::clicked, this, [this, edit, kind] {
            const int chosen = PickLibraryItem(kind, edit->text().toInt(), this);
            modified_ = true;
            if (chosen >= 0) edit->setText(QString::number(chosen));
          });
          h->addWidget(pick);
          form->addRow(QString(), line);
        } else {
          form->addRow(label, edit);
        }
      }
    }
    control->setObjectName(key);
    controls_.push_back(control);
  }
}

QWidget* OptionPage::ControlOf(const char* key) const {
  for (std::size_t i = 0; i < rows_.size(); ++i)
    if (std::string_view(rows_[i].key) == key) return controls_[i];
  return nullptr;
}

void OptionPage::Load(const AppSettings& settings) {
  for (std::size_t i = 0; i < rows_.size(); ++i) {
    const double value = Get(settings, rows_[i].field);
    QWidget* c = controls_[i];
    if (auto* box = qobject_cast<QCheckBox*>(c)) box->setChecked(value != 0);
    else if (auto* list = qobject_cast<QComboBox*>(c)) list->setCurrentIndex(static_cast<int>(value));
    else if (auto* edit = qobject_cast<QLineEdit*>(c)) edit->setText(Shown(rows_[i].control, value));
  }
  modified_ = false;
}

std::optional<QString> OptionPage::Check() const {
  for (std::size_t i = 0; i < rows_.size(); ++i) {
    auto* edit = qobject_cast<QLineEdit*>(controls_[i]);
    if (edit == nullptr || !edit->isEnabled()) continue;
    const std::string text = edit->text().toStdString();
    const OptionRow& row = rows_[i];
    if (row.control == Control::kOneDecimal) continue;  // read as its leading number
    if (IsWhole(row.control)) {
      const std::optional<long> value = ParseWhole(text);
      if (row.maximum >= 0 && (!value || *value < 0 || *value > row.maximum))
        return QString::fromStdString(RangeMessage(0, row.maximum));
      if (!value) return QStringLiteral("请输入一个整数。");
    } else if (!ParseReal(text)) {
      return QStringLiteral("请输入一个数字。");
    }
  }
  return std::nullopt;
}

void OptionPage::Store(AppSettings& settings) const {
  for (std::size_t i = 0; i < rows_.size(); ++i) {
    QWidget* c = controls_[i];
    const OptionRow& row = rows_[i];
    if (auto* box = qobject_cast<QCheckBox*>(c)) {
      Set(settings, row.field, box->isChecked() ? 1 : 0);
    } else if (auto* list = qobject_cast<QComboBox*>(c)) {
      Set(settings, row.field, list->currentIndex());
    } else if (auto* edit = qobject_cast<QLineEdit*>(c)) {
      const std::string text = edit->text().toStdString();
      if (row.control == Control::kOneDecimal) Set(settings, row.field, LeadingNumber(text));
      else if (IsWhole(row.control)) Set(settings, row.field, static_cast<double>(ParseWhole(text).value_or(0)));
      else Set(settings, row.field, ParseReal(text).value_or(0.0));
    }
  }
}

std::vector<OptionPage*> MakeOptionPages(QWidget* parent) {
  auto* system = new OptionPage(kSystemRows, parent);
  auto* chart = new OptionPage(kChartRows, parent);
  auto* section = new OptionPage(kSectionRows, parent);

  // The zone number box follows its switch.
  auto* zone = qobject_cast<QCheckBox*>(section->ControlOf("strap"));
  QWidget* zoneBox = section->ControlOf("editstrap");
  QObject::connect(zone, &QCheckBox::toggled, zoneBox, &QWidget::setEnabled);
  // The overburden colour only applies to an overburden of some thickness.
  auto* thickness = qobject_cast<QLineEdit*>(section->ControlOf("grounddata"));
  QWidget* colourLine = section->ControlOf("groupclr")->parentWidget();
  QObject::connect(thickness, &QLineEdit::textChanged, colourLine, [colourLine](const QString& text) {
    colourLine->setEnabled(OverburdenColourApplies(text.toStdString()));
  });
  return {system, chart, section};
}

OptionSheet::OptionSheet(const QString& caption, int firstPage, QWidget* parent)
    : QDialog(parent), tabs_(new QTabWidget(this)) {
  setWindowTitle(caption);
  auto* layout = new QVBoxLayout(this);
  pages_ = MakeOptionPages(this);
  const QString titles[] = {QStringLiteral("系统参数"), QStringLiteral("柱状图"), QStringLiteral("剖面图")};
  for (std::size_t i = 0; i < pages_.size(); ++i) {
    pages_[i]->Load(Settings());
    tabs_->addTab(pages_[i], titles[i]);
  }
  // Load sets the boxes; the dependent controls follow what they show.
  auto* zone = qobject_cast<QCheckBox*>(pages_[2]->ControlOf("strap"));
  pages_[2]->ControlOf("editstrap")->setEnabled(zone->isChecked());
  pages_[2]->ControlOf("groupclr")->parentWidget()->setEnabled(
      OverburdenColourApplies(qobject_cast<QLineEdit*>(pages_[2]->ControlOf("grounddata"))->text().toStdString()));
  layout->addWidget(tabs_);
  AddOkCancelButtons(*this, layout);
  shown_ = std::clamp(firstPage, 0, static_cast<int>(pages_.size()) - 1);
  tabs_->setCurrentIndex(shown_);
  // A page keeps the user until its values can be taken.
  connect(tabs_, &QTabWidget::currentChanged, this, [this](int index) {
    if (index == shown_) return;
    if (const std::optional<QString> refusal = pages_[static_cast<std::size_t>(shown_)]->Check()) {
      const int back = shown_;
      prompt::Message(*refusal, prompt::kIconWarning);
      tabs_->setCurrentIndex(back);
      return;
    }
    shown_ = index;
  });
}

void OptionSheet::accept() {
  for (std::size_t i = 0; i < pages_.size(); ++i)
    if (const std::optional<QString> refusal = pages_[i]->Check()) {
      prompt::Message(*refusal, prompt::kIconWarning);
      shown_ = static_cast<int>(i);
      tabs_->setCurrentIndex(shown_);
      return;
    }
  QDialog::accept();
}

void WarnSettingsNotKept() {
  prompt::Message(QStringLiteral("参数无法写入文件“%1”，下次启动时不会保留！")
                      .arg(QString::fromStdString(paths::Resolve(SettingsFile().path()))),
                  prompt::kIconWarning);
}

bool RunOptionSheet(const QString& caption, int firstPage, int loadWhich) {
  LoadSettings(loadWhich);
  OptionSheet sheet(caption, firstPage, prompt::GetMainWnd());
  if (prompt::Current().Exec(sheet) != QDialog::Accepted) return false;
  AppSettings& settings = Settings();
  for (OptionPage* page : sheet.pages()) page->Store(settings);
  // The values apply now either way; a file that cannot take them is told,
  // so the user does not expect them at the next start.
  if (!SaveSettings(100)) WarnSettingsNotKept();
  msg::PaneWindows().Post(msg::PaneEntry::kProjectEditView, msg::kPlanRequest, 0, kReloadSelectSetting);
  return true;
}

}  // namespace zv::options
