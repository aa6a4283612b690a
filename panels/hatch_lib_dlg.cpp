#include "panels/hatch_lib_dlg.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <algorithm>
#include <cmath>
#include <functional>
#include <filesystem>
#include <variant>

#include "framework/fileio/file_io.h"
#include "framework/paths/app_folder.h"
#include "framework/paths/path_resolver.h"
#include "framework/prompts/prompts.h"
#include "framework/text/numbers.h"
#include "panels/core/hatch_options.h"
#include "panels/dialog_buttons.h"
#include "panels/pattern_view.h"
#include "platform/display/system_library.h"
#include "platform/editors/library_picker.h"

namespace zv::panels {
namespace {

constexpr QRect kPreviewRect(497, 80, 220, 155);  // client pixels (497, 80) to (717, 235)
constexpr PreviewWindow kPreview{kPreviewRect, {0, 1, 1, 0, 0, 0, 0, 1}, {-6.7, -4.7}, 16.0};

using Member = std::variant<double CHatchLibDlg::*, int CHatchLibDlg::*, float CHatchLibDlg::*,
                            std::string CHatchLibDlg::*>;

// The edits, their members, their up-down ranges (none for texts) and where
// they stand.
struct EditField {
  int id;
  Member member;
  int low, high;
  QRect at;
};

const EditField kEdits[] = {
    {1282, &CHatchLibDlg::m_strAcadFolder, 0, 0, {10, 30, 380, 22}},
    {1283, &CHatchLibDlg::m_strLibFolder, 0, 0, {10, 80, 380, 22}},
    {1303, &CHatchLibDlg::m_strFindText, 0, 0, {220, 270, 120, 22}},
    {1120, &CHatchLibDlg::m_dAngle, -360, 360, {500, 250, 60, 22}},
    {1118, &CHatchLibDlg::m_dStartAngle, -360, 360, {500, 280, 60, 22}},
    {1119, &CHatchLibDlg::m_dEndAngle, -360, 360, {640, 280, 60, 22}},
    {1286, &CHatchLibDlg::m_nFillColor, 0, 10000, {500, 310, 60, 22}},
    {1202, &CHatchLibDlg::m_nPatternColor, 0, 10000, {640, 310, 60, 22}},
    {1219, &CHatchLibDlg::m_dScaleY, 1, 1000, {500, 340, 60, 22}},
    {1220, &CHatchLibDlg::m_dScaleX, 1, 1000, {640, 340, 60, 22}},
    {1204, &CHatchLibDlg::m_fLineWidth, 0, 0, {500, 370, 60, 22}},
};

const std::pair<int, const char*> kLabels[] = {
    {1282, "AutoCAD图案文件夹"}, {1283, "MapGis 图案库文件夹"}, {1118, "起始"}, {1119, "结束"},
    {1219, "Y比例"},              {1220, "X比例"},               {1204, "线宽"},
};

QString Name(int id) { return ControlName(id); }

QString Show(double value) { return QString::fromStdString(num::Format("%.15g", value)); }

std::string WithSeparator(std::string folder) {
  if (!folder.empty() && folder.back() != '/') folder += '/';
  return folder;
}

// The shipped copy stands in for a data folder seeded before it shipped.
std::string DataOrShipped(const std::string& name) {
  const std::string data = paths::DataFile(name);
  std::error_code ec;
  return std::filesystem::exists(data, ec) ? data : paths::Join(paths::ShippedDataFolder(), name);
}

}  // namespace

CHatchLibDlg::CHatchLibDlg(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("dialog280"));
  setWindowTitle(QStringLiteral("花纹库设定"));
  m_strAcadFolder = WithSeparator(DataOrShipped("pat"));
  m_strLibFolder = WithSeparator(display::DefaultLibraryFolder());
  BuildControls();
}

CHatchLibDlg::~CHatchLibDlg() { ReleasePreview(); }

void CHatchLibDlg::BuildControls() {
  resize(730, 440);
  for (const EditField& f : kEdits) {
    auto* edit = new QLineEdit(this);
    edit->setObjectName(Name(f.id));
    edit->setGeometry(f.at);
    if (f.high > f.low) {
      auto* updown = new QSpinBox(this);
      updown->setObjectName(QStringLiteral("updown%1").arg(f.id));
      updown->setRange(f.low, f.high);
      updown->setGeometry(f.at.right() + 1, f.at.top(), 18, f.at.height());
      updown->setButtonSymbols(QAbstractSpinBox::UpDownArrows);
      connect(updown, &QSpinBox::valueChanged, this, [edit](int v) {
        edit->setText(QString::number(v));
        emit edit->textEdited(edit->text());
      });
      connect(edit, &QLineEdit::textChanged, updown, [updown](const QString& text) {
        const auto value = num::ParseTypedReal(text.toStdString());
        const QSignalBlocker block(updown);
        if (value) updown->setValue(static_cast<int>(std::clamp<double>(*value, updown->minimum(), updown->maximum())));
      });
    }
  }
  for (const auto& [id, text] : kLabels) {
    auto* label = new QLabel(QString::fromUtf8(text), this);
    const QRect at = findChild<QLineEdit*>(Name(id))->geometry();
    label->setGeometry(at.left() - (id == 1282 || id == 1283 ? 0 : 60), at.top() - (id == 1282 || id == 1283 ? 20 : 0),
                       id == 1282 || id == 1283 ? 200 : 58, 20);
  }
  const auto edited = [this](int id, auto handler) {
    connect(findChild<QLineEdit*>(Name(id)), &QLineEdit::textEdited, this, handler);
  };
  edited(1282, [this] { OnChangeFolder(); });
  edited(1283, [this] { OnChangeFolder(); });
  edited(1219, [this] { OnChangeYScale(); });
  for (int id : {1202, 1120, 1286}) edited(id, [this] { OnChangeParam(); });

  acadRadio_ = new QRadioButton(QStringLiteral("AutoCAD图案库"), this);
  libRadio_ = new QRadioButton(QStringLiteral("MapGis 图案库"), this);
  singleRadio_ = new QRadioButton(QStringLiteral("单一角度"), this);
  gradientRadio_ = new QRadioButton(QStringLiteral("渐变"), this);
  const std::pair<QRadioButton*, std::pair<int, QRect>> radios[] = {
      {acadRadio_, {1287, {400, 30, 120, 22}}},
      {libRadio_, {1288, {400, 80, 120, 22}}},
      {singleRadio_, {1289, {420, 250, 78, 22}}},
      {gradientRadio_, {1192, {420, 280, 78, 22}}},
  };
  for (const auto& [radio, place] : radios) {
    radio->setObjectName(Name(place.first));
    radio->setGeometry(place.second);
    radio->setAutoExclusive(false);  // the handlers mark the pairs
  }
  connect(acadRadio_, &QRadioButton::clicked, this, [this] { OnAcadSource(); });
  connect(libRadio_, &QRadioButton::clicked, this, [this] { OnLibSource(); });
  connect(singleRadio_, &QRadioButton::clicked, this, [this] {
    m_nAngleKind = 1;
    MarkRadios();
  });
  connect(gradientRadio_, &QRadioButton::clicked, this, [this] {
    m_nAngleKind = 0;
    MarkRadios();
  });

  auto* filesLabel = new QLabel(QStringLiteral("图案文件名"), this);
  filesLabel->setGeometry(10, 110, 150, 20);
  files_ = new QListWidget(this);
  files_->setObjectName(Name(1284));
  files_->setGeometry(10, 130, 200, 130);
  auto* patternsLabel = new QLabel(QStringLiteral("图案名"), this);
  patternsLabel->setGeometry(220, 110, 150, 20);
  patterns_ = new QListWidget(this);
  patterns_->setObjectName(Name(1285));
  patterns_->setGeometry(220, 130, 260, 130);
  connect(files_, &QListWidget::currentRowChanged, this, [this] { LoadPatternNames(); });
  connect(patterns_, &QListWidget::currentRowChanged, this, [this] { PreviewPattern(); });

  auto* frame = new QGroupBox(QStringLiteral("图案显示"), this);
  frame->setGeometry(kPreviewRect.adjusted(-6, -20, 6, 6));
  frame->lower();
  note_ = new QLabel(this);
  note_->setObjectName(QStringLiteral("previewNote"));
  note_->setWordWrap(true);
  note_->setGeometry(497, 238, 220, 10);

  AddButtons(*this, {
      {1231, "浏览", {530, 30, 60, 24}, [this] { OnBrowseFolder(true); }},
      {1232, "浏览", {530, 80, 60, 24}, [this] { OnBrowseFolder(false); }},
      {1290, "填充颜色", {420, 310, 78, 24}, [this] { OnPickColour(&m_nFillColor); }},
      {1291, "图案颜色", {570, 310, 68, 24}, [this] { OnPickColour(&m_nPatternColor); }},
      {1302, "↓", {350, 270, 40, 24}, [this] { OnFind(1); }},
      {1304, "↑", {395, 270, 40, 24}, [this] { OnFind(-1); }},
      {1, "绘制", {420, 400, 80, 26}, [this] { accept(); }},
      {1201, "复位", {520, 400, 80, 26}, [this] { OnReset(); }},
      {2, "放弃", {620, 400, 80, 26}, [this] { reject(); }}
  });
  findChild<QPushButton*>(Name(1302))->setDefault(true);  // Enter searches on and never ends the dialog
}

int CHatchLibDlg::DoModal() {
  OnInitDialog();
  return prompt::Current().Exec(*this);
}

void CHatchLibDlg::OnInitDialog() {
  HatchOptions options;
  options.fillColor = m_nFillColor;
  LoadHatchOptions(options);
  if (!options.acadFolder.empty()) m_strAcadFolder = options.acadFolder;
  if (!options.libFolder.empty()) m_strLibFolder = options.libFolder;
  m_dAngle = options.angle;
  m_dStartAngle = options.startAngle;
  m_dEndAngle = options.endAngle;
  m_nPatternColor = options.patternColor;
  m_dScaleY = options.scaleY;
  m_nFileListPos = options.fileListPos;
  m_nPatternListPos = options.patternListPos;
  m_nAngleKind = options.angleKind;
  m_fLineWidth = options.lineWidth;
  m_dScaleX = options.scaleX;
  m_nPatternSource = options.patternSource;
  ShowFields();
  CreatePreviewView();
  MarkRadios();
  EnableFolderControls();
  initialised_ = true;
  ListFiles();
}

void CHatchLibDlg::CreatePreviewView() {
  set_ = BasCreateWorkAreaSet(0);
  areas_ = {BasCreatePointWorkArea(set_), BasCreateLineWorkArea(set_), BasCreateRegionWorkArea(set_)};
  view_ = panels::CreatePreviewView(this, areas_, kPreview);
}

void CHatchLibDlg::ShowFields() {
  for (const EditField& f : kEdits) {
    auto* edit = findChild<QLineEdit*>(Name(f.id));
    std::visit(
        [&](auto member) {
          const auto& value = this->*member;
          using T = std::decay_t<decltype(value)>;
          if constexpr (std::is_same_v<T, std::string>) edit->setText(QString::fromStdString(value));
          else if constexpr (std::is_same_v<T, int>) edit->setText(QString::number(value));
          else if constexpr (std::is_same_v<T, float>) edit->setText(QString::fromStdString(num::Format("%g", value)));
          else edit->setText(Show(value));
        },
        f.member);
  }
}

bool CHatchLibDlg::TakeFields(bool report) {
  bool all = true;
  for (const EditField& f : kEdits) {
    auto* edit = findChild<QLineEdit*>(Name(f.id));
    const std::string text = edit->text().toStdString();
    const bool ok = std::visit(
        [&](auto member) {
          auto& value = this->*member;
          using T = std::decay_t<decltype(value)>;
          if constexpr (std::is_same_v<T, std::string>) {
            value = text;
            return true;
          } else if constexpr (std::is_same_v<T, int>) {
            const auto whole = num::ParseTypedWhole(text);
            if (!whole || *whole < INT32_MIN || *whole > INT32_MAX) return false;
            value = static_cast<int>(*whole);
            return true;
          } else {
            const auto real = num::ParseTypedReal(text);
            if (!real || !std::isfinite(*real)) return false;
            value = static_cast<T>(*real);
            return true;
          }
        },
        f.member);
    if (!ok && !report) {  // while typing, a field keeps its last number
      all = false;
      continue;
    }
    if (!ok) {
      prompt::Message(std::holds_alternative<int CHatchLibDlg::*>(f.member) ? QStringLiteral("请输入一个整数。")
                                                                            : QStringLiteral("请输入一个数字。"));
      edit->setFocus();
      return false;
    }
  }
  return all;
}

void CHatchLibDlg::MarkRadios() {
  acadRadio_->setChecked(m_nPatternSource == 1);
  libRadio_->setChecked(m_nPatternSource == 0);
  singleRadio_->setChecked(m_nAngleKind == 1);
  gradientRadio_->setChecked(m_nAngleKind == 0);
}

void CHatchLibDlg::EnableFolderControls() {
  const bool acad = m_nPatternSource == 1;
  findChild<QLineEdit*>(Name(1282))->setEnabled(acad);
  findChild<QPushButton*>(Name(1231))->setEnabled(acad);
  findChild<QLineEdit*>(Name(1283))->setEnabled(!acad);
  findChild<QPushButton*>(Name(1232))->setEnabled(!acad);
}

std::string CHatchLibDlg::SourceFolder() const { return m_nPatternSource == 1 ? m_strAcadFolder : m_strLibFolder; }

void CHatchLibDlg::OnAcadSource() {
  m_nPatternSource = 1;
  MarkRadios();
  ListFiles();
  EnableFolderControls();
}

void CHatchLibDlg::OnLibSource() {
  m_nPatternSource = 0;
  MarkRadios();
  ListFiles();
  EnableFolderControls();
}

void CHatchLibDlg::OnBrowseFolder(bool acad) {
  std::string& folder = acad ? m_strAcadFolder : m_strLibFolder;
  const QString chosen =
      prompt::Current().ChooseFolder(QStringLiteral("请选择路径"), QString::fromStdString(folder));
  if (chosen.isEmpty()) return;
  folder = WithSeparator(chosen.toStdString());
  ShowFields();
  ListFiles();
}

void CHatchLibDlg::OnChangeFolder() {
  if (!initialised_) return;
  TakeFields(false);  // the folders are texts and always taken
  ListFiles();
}

void CHatchLibDlg::ListFiles() {
  if (!view_) return;
  {
    const QSignalBlocker blockFiles(files_), blockPatterns(patterns_);
    files_->clear();
    patterns_->clear();
  }
  ClearPreviewAreas(areas_);
  note_->clear();
  view_->_UpdateWindow();
  const auto source = m_nPatternSource == 1 ? PatternSource::kHatchFile : PatternSource::kLibrary;
  {
    const QSignalBlocker block(files_);
    for (const std::string& name : ListSourceFiles(SourceFolder(), source)) files_->addItem(QString::fromStdString(name));
    files_->setCurrentRow(-1);
  }
  const int row = std::max(m_nFileListPos, 0);
  if (row < files_->count()) files_->setCurrentRow(row);  // loads its patterns
}

void CHatchLibDlg::LoadPatternNames() {
  {
    const QSignalBlocker block(patterns_);
    patterns_->clear();
  }
  if (files_->currentRow() < 0) return;
  m_strPatternFile = paths::Join(SourceFolder(), files_->currentItem()->text().toStdString());
  std::vector<std::string> names;
  std::string error;
  if (m_nPatternSource == 1) {
    std::string bytes;
    if (fileio::ReadWholeFile(m_strPatternFile, bytes, &error)) names = PatternHeaders(TextFileLines(bytes));
  } else if (const auto library = PatternLibraryFile::Load(m_strPatternFile, &error)) {
    names = library->Labels();
  }
  if (!error.empty()) {
    prompt::Message(QString::fromStdString(error));
    return;
  }
  {
    const QSignalBlocker block(patterns_);
    for (const std::string& name : names) patterns_->addItem(QString::fromStdString(name));
    patterns_->setCurrentRow(-1);
  }
  const int count = patterns_->count();
  const int row = m_nPatternListPos < 0 || m_nPatternListPos >= count ? 0 : m_nPatternListPos;
  if (row < count) patterns_->setCurrentRow(row);  // previews it
}

void CHatchLibDlg::PreviewPattern() {
  if (!view_) return;
  TakeFields(false);
  m_bPreviewShown = true;
  const int row = patterns_->currentRow();
  PreviewRequest request;
  request.source = m_nPatternSource == 1 ? PatternSource::kHatchFile : PatternSource::kLibrary;
  if (files_->currentRow() >= 0 && row >= 0) request.file = m_strPatternFile;
  if (row >= 0) {
    request.header = patterns_->item(row)->text().toStdString();
    m_strPatternName = request.header;
  }
  request.position = row;
  request.angle = m_dAngle;
  request.patternColor = m_nPatternColor;
  request.fillColor = m_nFillColor;
  request.scaleX = m_dScaleX;
  request.scaleY = m_dScaleY;
  const HatchOutcome outcome = PreviewHatchPattern(request, areas_);
  QStringList notes;
  for (const std::string& n : outcome.notes) notes << QString::fromStdString(n);
  note_->setText(notes.join('\n'));
  note_->setGeometry(497, 238, 220, notes.isEmpty() ? 10 : 40);
  view_->_UpdateWindow();
}

QString CHatchLibDlg::PreviewNote() const { return note_->text(); }

void CHatchLibDlg::OnPickColour(int* member) {
  const int chosen = PickLibraryItem(zv::LibraryKind::kColour, *member, this);
  if (chosen >= 0) *member = chosen;
  ShowFields();
  if (m_bPreviewShown) PreviewPattern();
}

void CHatchLibDlg::OnChangeYScale() {
  if (!m_bPreviewShown || !TakeFields(false)) return;
  m_dScaleX = m_dScaleY;
  findChild<QLineEdit*>(Name(1220))->setText(Show(m_dScaleX));  // the Y edit keeps the text being typed
  PreviewPattern();
}

void CHatchLibDlg::OnChangeParam() {
  if (m_bPreviewShown) PreviewPattern();
}

void CHatchLibDlg::OnFind(int direction) {
  TakeFields(false);
  const int current = patterns_->currentRow();
  if (m_strFindText.empty() || (direction < 0 && current < 0)) return;
  const QString text = QString::fromStdString(m_strFindText);
  for (int row = current + direction; row >= 0 && row < patterns_->count(); row += direction) {
    if (!patterns_->item(row)->text().contains(text, Qt::CaseSensitive)) continue;
    const QSignalBlocker block(patterns_);
    patterns_->setCurrentRow(row);
    if (m_bPreviewShown) PreviewPattern();
    return;
  }
}

void CHatchLibDlg::OnReset() {
  TakeFields(false);  // the folders and the search text stay as typed
  const HatchOptions defaults;
  m_dEndAngle = defaults.endAngle;
  m_nPatternColor = defaults.patternColor;
  m_nFillColor = defaults.fillColor;
  m_dAngle = defaults.angle;
  m_fLineWidth = defaults.lineWidth;
  m_dStartAngle = defaults.startAngle;
  m_dScaleY = defaults.scaleY;
  m_dScaleX = defaults.scaleX;
  ShowFields();
  if (patterns_->currentRow() >= 0) PreviewPattern();
  if (view_) ResetPreviewWindow(*view_, kPreview);
}

void CHatchLibDlg::SaveOptions() {
  HatchOptions o;
  o.acadFolder = m_strAcadFolder;
  o.angle = m_dAngle;
  o.startAngle = m_dStartAngle;
  o.endAngle = m_dEndAngle;
  o.fillColor = m_nFillColor;
  o.patternColor = m_nPatternColor;
  o.scaleY = m_dScaleY;
  o.fileListPos = files_->currentRow();
  o.patternListPos = patterns_->currentRow();
  o.angleKind = m_nAngleKind;
  o.lineWidth = m_fLineWidth;
  o.scaleX = m_dScaleX;
  o.patternSource = m_nPatternSource;
  o.libFolder = m_strLibFolder;
  std::vector<std::string> problems;
  std::string error;
  if (!SaveHatchOptions(o, &problems, &error)) problems.push_back(error);
  for (const std::string& p : problems) prompt::Message(QString::fromStdString(p));
}

void CHatchLibDlg::accept() {
  if (!TakeFields(true)) return;
  if (!(m_dScaleY >= kMinScale && m_dScaleY <= kMaxScale)) {
    prompt::Message(QStringLiteral("请输入一个介于 1e-006 和 1e+006 之间的数字。"));
    findChild<QLineEdit*>(Name(1219))->setFocus();
    return;
  }
  m_nPatternIndex = patterns_->currentRow();
  SaveOptions();
  ReleasePreview();
  QDialog::accept();
}

void CHatchLibDlg::reject() {
  ReleasePreview();
  QDialog::reject();
}

void CHatchLibDlg::ReleasePreview() {
  if (released_ || set_ == 0) return;
  released_ = true;
  ClearPreviewAreas(areas_);
  for (WorkAreaHandle area : {areas_.points, areas_.lines, areas_.regions}) BasReleaseWorkArea(area);
  BasFreeWorkAreaSet(set_);
}

}  // namespace zv::panels
