#include "panels/attribute_page.h"

#include <QEvent>
#include <QLabel>

#include "common/globals/program_globals.h"
#include "framework/prompts/prompts.h"
#include "framework/text/numbers.h"
#include "panels/core/page_records.h"
#include "platform/editors/layer_picker.h"
#include "platform/editors/library_picker.h"

namespace zv::panels {
namespace {

constexpr int kRowHeight = 18;
constexpr int kGridTop = 75;

template <class... Ts>
struct Overloaded : Ts... {
  using Ts::operator()...;
};
template <class... Ts>
Overloaded(Ts...) -> Overloaded<Ts...>;

QString TextOf(const SettingVariable& value) {
  return std::visit(Overloaded{[](const std::string* v) { return QString::fromStdString(*v); },
                               [](const float* v) { return QString::fromStdString(num::Format("%.6g", double(*v))); },
                               [](const double* v) { return QString::fromStdString(num::Format("%.6g", *v)); },
                               [](const auto* v) { return QString::number(static_cast<long>(*v)); }},
                    value);
}

// Stores a box's text; false when the box holds no number.
bool Take(const SettingVariable& value, const QString& text) {
  const std::string typed = text.toStdString();
  return std::visit(Overloaded{[&](std::string* v) {
                                 *v = typed;
                                 return true;
                               },
                               [&](float* v) {
                                 const auto n = num::ParseTypedReal(typed);
                                 if (n) *v = static_cast<float>(*n);
                                 return n.has_value();
                               },
                               [&](double* v) {
                                 const auto n = num::ParseTypedReal(typed);
                                 if (n) *v = *n;
                                 return n.has_value();
                               },
                               [&](auto* v) {
                                 const auto n = num::ParseTypedWhole(typed);
                                 if (n) *v = static_cast<std::remove_reference_t<decltype(*v)>>(*n);
                                 return n.has_value();
                               }},
                    value);
}

}  // namespace

AttributePage::AttributePage(QWidget* parent, const PageSpec& spec, int areaType)
    : SampleGridPage(parent, spec.displayMode, kSymbolGrid, areaType, kGridTop), spec_(spec) {}

void AttributePage::SetUp(std::vector<PageKey> keys) {
  keys_ = std::move(keys);
  LoadPageKeys(PageSettingsFile(), keys_);
  for (std::size_t r = 0; r < spec_.rows.size(); ++r) {
    const PageRow& row = spec_.rows[r];
    RowWidgets& w = rows_[r];
    const QString text = QString::fromUtf8(row.text);
    if (row.chooser == Chooser::kNone) {
      w.left = new QLabel(text, this);
    } else {
      auto* button = new QPushButton(text, this);
      button->setObjectName(QStringLiteral("choose_") + QString::fromLatin1(row.key));
      connect(button, &QPushButton::clicked, this, [this, &row] { Choose(row); });
      w.left = button;
    }
    w.box = MakeBox(row.key);
    if (row.rightText) {
      w.rightLabel = new QLabel(QString::fromUtf8(row.rightText), this);
      w.rightBox = MakeBox(row.rightKey);
    }
  }
  modify_ = new QRadioButton(QString::fromUtf8(spec_.modifyText), this);
  modify_->setObjectName(QStringLiteral("modify"));
  draw_ = new QRadioButton(QString::fromUtf8(spec_.drawText), this);
  draw_->setObjectName(QStringLiteral("draw"));
  modify_->setAutoExclusive(false);
  draw_->setAutoExclusive(false);
  connect(modify_, &QRadioButton::clicked, this, [this] { SetOperation(1); });
  connect(draw_, &QRadioButton::clicked, this, [this] { SetOperation(0); });
  modify_->setChecked(OpType() == 1);
  draw_->setChecked(OpType() == 0);
  ShowBoxes();
}

QLineEdit* AttributePage::MakeBox(const char* key) {
  auto* box = new QLineEdit(this);
  box->setObjectName(QString::fromLatin1(key));
  box->setCursor(Qt::IBeamCursor);
  // The style box changes only by a pick; the others write their key when
  // they lose the focus.
  if (std::string_view(key) != spec_.styleKey) box->installEventFilter(this);
  return box;
}

QLineEdit* AttributePage::Box(const char* key) const { return findChild<QLineEdit*>(QString::fromLatin1(key)); }

QPushButton* AttributePage::ChooserButton(const char* key) const {
  return findChild<QPushButton*>(QStringLiteral("choose_") + QString::fromLatin1(key));
}

const PageKey* AttributePage::KeyOf(const char* key) const {
  for (const PageKey& k : keys_)
    if (std::string_view(k.key) == key) return &k;
  return nullptr;
}

bool AttributePage::TakeBoxes() {
  bool allNumbers = true;
  for (const PageKey& k : keys_)
    if (QLineEdit* box = Box(k.key)) allNumbers = Take(k.value, box->text()) && allNumbers;
  if (!allNumbers) prompt::Message(QStringLiteral("请输入一个数。"));
  return allNumbers;
}

void AttributePage::ShowBoxes() {
  for (const PageKey& k : keys_) ShowBox(k.key);
}

void AttributePage::ShowBox(const char* key) {
  const PageKey* k = KeyOf(key);
  QLineEdit* box = Box(key);
  if (k && box) box->setText(TextOf(k->value));
}

void AttributePage::ShowSample(const SampleValue& value) {
  StoreStyle(value);
  ShowBox(spec_.styleKey);
}

void AttributePage::PickSample(const SampleValue& value) {
  StoreStyle(value);
  ShowBox(spec_.styleKey);
  SavePageKey(PageSettingsFile(), keys_, spec_.styleKey);
  TakeBoxes();
  FillDefault();
  CurrentPickMode() = PickMode(spec_.drawValue, OpType());
  if (spec_.showAfterPick) ShowBoxes();
}

void AttributePage::Choose(const PageRow& row) {
  const PageKey* k = KeyOf(row.key);
  if (!k) return;
  if (row.chooser == Chooser::kColour) {
    long* colour = std::get<long*>(k->value);
    const int chosen = PickLibraryItem(LibraryKind::kColour, static_cast<int>(*colour), this);
    if (chosen >= 0) *colour = chosen;
  } else {
    BasSelectLayer(QStringLiteral("选择图层"), std::get<int16_t*>(k->value), this);
  }
  // Written also when cancelled: the value as it stands.
  SavePageKey(PageSettingsFile(), keys_, row.key);
  ShowBox(row.key);
}

void AttributePage::SetOperation(int16_t type) {
  SetOpType(type);
  modify_->setChecked(type == 1);
  draw_->setChecked(type == 0);
  SavePageKey(PageSettingsFile(), keys_, spec_.opKey);
}

bool AttributePage::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::FocusOut) {
    TakeBoxes();
    SavePageKey(PageSettingsFile(), keys_, watched->objectName().toLatin1().constData());
  }
  return SampleGridPage::eventFilter(watched, event);
}

void AttributePage::PlaceControls(int w) {
  for (int r = 0; r < 4; ++r) {
    const int y = kRowHeight * r;
    RowWidgets& row = rows_[r];
    if (row.left) row.left->setGeometry(1, y, 40, kRowHeight);
    if (row.box) row.box->setGeometry(41, y, w / 2 - 38, kRowHeight);
    if (row.rightLabel) row.rightLabel->setGeometry(w / 2 + 5, y, 15, kRowHeight);
    if (row.rightBox) row.rightBox->setGeometry(w / 2 + 22, y, w / 2 - 30, kRowHeight);
  }
  if (modify_) modify_->setGeometry(w / 2 + 5, 2 * kRowHeight, spec_.radioWidth, kRowHeight);
  if (draw_) draw_->setGeometry(w / 2 + 5, 3 * kRowHeight, spec_.radioWidth, kRowHeight);
}

}  // namespace zv::panels
