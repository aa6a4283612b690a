#include "panels/cvt_lib_dlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <filesystem>
#include <functional>

#include "framework/fileio/file_io.h"
#include "framework/paths/app_folder.h"
#include "framework/paths/path_resolver.h"
#include "framework/prompts/prompts.h"
#include "framework/shell/shell_open.h"
#include "panels/dialog_buttons.h"
#include "panels/pattern_view.h"
#include "platform/display/system_library.h"

namespace zv::panels {
namespace {

constexpr int kSourceFolderEdit = 1361;
constexpr int kTargetFolderEdit = 1118;
constexpr int kComparisonEdit = 1362;
constexpr int kSimilarityEdit = 1368;
constexpr int16_t kSelectParms[8] = {0, 0, 1, 0, 0, 0, 0, 0};
constexpr long kBackground = 10;
const QRect kViewRects[2] = {{120, 57, 178, 149}, {431, 57, 178, 149}};  // (120, 57)-(298, 206), (431, 57)-(609, 206)

QString Name(int id) { return ControlName(id); }

// The kind check boxes: their flags at start; "颜色库" is never offered.
struct KindCheck {
  int id;
  const char* text;
  bool checked;
  bool enabled;
  bool KindFlags::*flag;
};
constexpr KindCheck kKindChecks[] = {
    {1233, "颜色库", false, false, &KindFlags::colours},
    {1083, "线型库", true, true, &KindFlags::lineTypes},
    {1232, "图案库", true, true, &KindFlags::patterns},
    {1364, "子图库", true, true, &KindFlags::subgraphs},
};

std::string DefaultComparisonFile() {
  const std::string data = paths::DataFile(kComparisonFile);
  std::error_code ec;
  return std::filesystem::exists(data, ec) ? data : paths::Join(paths::ShippedDataFolder(), kComparisonFile);
}

// A folder written relative in a comparison file lies beside the file.
QString FolderBeside(const QString& comparisonPath, const std::string& folder) {
  if (folder.empty() || folder.front() == '/') return QString::fromStdString(folder);
  return QString::fromStdString(
      paths::ResolveIn(QFileInfo(comparisonPath).absolutePath().toStdString(), folder));
}

}  // namespace

CDlgCvtLib::CDlgCvtLib(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("dialog317"));
  setWindowTitle(QStringLiteral("系统库转换"));
  BuildControls();
  set_ = BasCreateWorkAreaSet(0);
  for (int side = 0; side < 2; ++side) {
    auto* view = new CPatternView(this, nullptr);
    view->setObjectName(side == 0 ? QStringLiteral("sourceView") : QStringLiteral("targetView"));
    view->displayMode = 7;
    view->setGeometry(kViewRects[side]);
    view->_SetEnableScrollFlag(0);
    view->_SetEnablePopMnFlag(0);
    view->SetSysSelectParm(kSelectParms, 8);
    view->EditWndBkFace(kBackground);
    areas_[side] = {BasCreatePointWorkArea(set_), BasCreateLineWorkArea(set_), BasCreateRegionWorkArea(set_)};
    for (WorkAreaHandle area : {areas_[side].points, areas_[side].lines, areas_[side].regions})
      if (view->GetEditArea(BasGetWorkAreaType(area)) != area) view->ChangeCurAi(area, 1);
    views_[side] = view;
  }
  FillKinds();
}

CDlgCvtLib::~CDlgCvtLib() { Release(); }

void CDlgCvtLib::BuildControls() {
  resize(720, 460);
  const QString library = QString::fromStdString(display::DefaultLibraryFolder());
  const struct {
    int id;
    QString text;
    QRect at;
  } edits[] = {
      {kSourceFolderEdit, library, {10, 230, 215, 22}},
      {kTargetFolderEdit, library, {320, 230, 215, 22}},
      {kComparisonEdit, QString::fromStdString(DefaultComparisonFile()), {10, 280, 500, 22}},
      {kSimilarityEdit, QStringLiteral("0"), {620, 330, 60, 22}},
  };
  for (const auto& e : edits) {
    auto* edit = new QLineEdit(e.text, this);
    edit->setObjectName(Name(e.id));
    edit->setGeometry(e.at);
  }
  const std::pair<const char*, QRect> labels[] = {
      {"原系统库", {10, 210, 100, 20}}, {"目的系统库", {320, 210, 100, 20}},
      {"比较文件", {10, 260, 100, 20}}, {"相似度", {570, 330, 48, 20}}};
  for (const auto& [text, at] : labels) (new QLabel(QString::fromUtf8(text), this))->setGeometry(at);

  sources_ = new QListWidget(this);
  sources_->setObjectName(Name(1363));
  sources_->setGeometry(10, 57, 100, 149);
  targets_ = new QListWidget(this);
  targets_->setObjectName(Name(1008));
  targets_->setGeometry(320, 57, 100, 149);
  kinds_ = new QComboBox(this);
  kinds_->setObjectName(Name(1168));
  kinds_->setGeometry(10, 20, 120, 24);
  connect(kinds_, &QComboBox::currentIndexChanged, this, [this] { OnSelchangeKind(); });
  connect(sources_, &QListWidget::currentRowChanged, this, [this] { OnSelchangeSource(); });
  connect(targets_, &QListWidget::currentRowChanged, this, [this] { OnSelchangeTarget(); });

  int x = 150;
  for (const KindCheck& k : kKindChecks) {
    auto* box = new QCheckBox(QString::fromUtf8(k.text), this);
    box->setObjectName(Name(k.id));
    box->setChecked(k.checked);
    box->setEnabled(k.enabled);
    box->setGeometry(x, 20, 80, 24);
    x += 85;
    connect(box, &QCheckBox::clicked, this, [this] { FillKinds(); });
  }

  AddButtons(*this, {
      {1203, "浏览", {230, 228, 60, 26}, [this] { OnBrowse(kSourceFolderEdit); }},
      {1202, "浏览", {540, 228, 60, 26}, [this] { OnBrowse(kTargetFolderEdit); }},
      {1365, "读", {520, 278, 40, 26}, [this] { OnReadComparison(); }},
      {1366, "写", {565, 278, 40, 26}, [this] { OnChooseComparison(); }},
      {1369, "编辑文本", {610, 278, 80, 26}, [this] { shell::Open(Text(kComparisonEdit)); }},
      {1, "转换", {420, 400, 80, 26}, [] {}},  // the conversion itself is not part of this program
      {2, "退出", {520, 400, 80, 26}, [this] { reject(); }},
      {1279, "↑", {620, 57, 40, 26}, [] {}},
      {1280, "↓", {620, 90, 40, 26}, [] {}},
      {1211, "D", {620, 123, 40, 26}, [] {}},
      {1367, "保存修改结果", {10, 400, 110, 26}, [] {}}
  });
}

int CDlgCvtLib::DoModal() { return prompt::Current().Exec(*this); }

QString CDlgCvtLib::Text(int id) const { return findChild<QLineEdit*>(Name(id))->text(); }
void CDlgCvtLib::SetText(int id, const QString& text) { findChild<QLineEdit*>(Name(id))->setText(text); }

void CDlgCvtLib::FillKinds() {
  KindFlags flags{};
  for (const KindCheck& k : kKindChecks) flags.*k.flag = findChild<QCheckBox*>(Name(k.id))->isChecked();
  const QSignalBlocker block(kinds_);
  kinds_->clear();
  for (const std::string& kind : OfferedKinds(flags)) kinds_->addItem(QString::fromStdString(kind));
  kinds_->setCurrentIndex(-1);
}

std::optional<ComparisonFile> CDlgCvtLib::ReadComparison() const {
  std::string bytes, error;
  if (!fileio::ReadWholeFile(Text(kComparisonEdit).toStdString(), bytes, &error)) {
    prompt::Message(QString::fromStdString(error));
    return std::nullopt;
  }
  return ComparisonFile::Parse(bytes);
}

void CDlgCvtLib::OnSelchangeKind() {
  {
    const QSignalBlocker a(sources_), b(targets_);
    sources_->clear();
    targets_->clear();
  }
  const auto file = ReadComparison();
  if (!file) return;
  const QSignalBlocker block(sources_);
  for (const std::string& key : file->Keys(kinds_->currentText().toStdString()))
    sources_->addItem(QString::fromStdString(key));
}

void CDlgCvtLib::OnSelchangeSource() {
  {
    const QSignalBlocker block(targets_);
    targets_->clear();
  }
  if (sources_->currentRow() < 0) return;
  const QString key = sources_->currentItem()->text();
  if (const auto file = ReadComparison()) {
    const QSignalBlocker block(targets_);
    for (const std::string& t : file->Targets(kinds_->currentText().toStdString(), key.toStdString()))
      targets_->addItem(QString::fromStdString(t));
  }
  Preview(0, kSourceFolderEdit, key);
}

void CDlgCvtLib::OnSelchangeTarget() {
  if (targets_->currentRow() >= 0) Preview(1, kTargetFolderEdit, targets_->currentItem()->text());
}

void CDlgCvtLib::Preview(int side, int folderEdit, const QString& entry) {
  const LibraryKind* kind = FindLibraryKind(kinds_->currentText().toStdString());
  if (kind == nullptr) return;
  CPatternView* view = views_[side];
  WIN_ORG org = view->_GetWinDispParam();
  org.x = kind->originX;
  org.y = kind->originY;
  org.scale = kind->scale;
  view->_SetWinDispParam(org);
  const EntryPreview result =
      PreviewLibraryEntry(*kind, Text(folderEdit).toStdString(), entry.toStdString(), areas_[side]);
  if (!result.message.empty()) prompt::Message(QString::fromStdString(result.message));
  view->_UpdateWindow();
}

void CDlgCvtLib::OnBrowse(int folderEdit) {
  const QString chosen = prompt::Current().ChooseFolder(QStringLiteral("请选择路径"), Text(folderEdit));
  if (!chosen.isEmpty()) SetText(folderEdit, chosen);
}

prompt::FileRequest CDlgCvtLib::ComparisonRequest(const QString& title, bool save) const {
  prompt::FileRequest request;
  request.title = title;
  request.folder = QFileInfo(Text(kComparisonEdit)).absolutePath();
  request.defaultExtension = QStringLiteral("*.txt");
  request.filter = QStringLiteral("Data Files(*.txt)|*.txt||");
  request.overwritePrompt = true;
  request.save = save;
  return request;
}

void CDlgCvtLib::OnReadComparison() {
  const QString path = prompt::ChooseFile(ComparisonRequest(QStringLiteral("读取系统库比较文件"), false));
  if (path.isEmpty()) return;
  SetText(kComparisonEdit, path);
  if (const auto file = ReadComparison()) {
    const auto [source, target] = file->Folders();
    SetText(kSourceFolderEdit, FolderBeside(path, source));
    SetText(kTargetFolderEdit, FolderBeside(path, target));
  }
}

void CDlgCvtLib::OnChooseComparison() {
  const QString path = prompt::ChooseFile(ComparisonRequest(QStringLiteral("保存系统库比较文件"), true));
  if (!path.isEmpty()) SetText(kComparisonEdit, path);
}

void CDlgCvtLib::reject() {
  Release();
  QDialog::reject();
}

void CDlgCvtLib::Release() {
  if (released_) return;
  released_ = true;
  for (const PreviewAreas& side : areas_) {
    ClearPreviewAreas(side);
    for (WorkAreaHandle area : {side.points, side.lines, side.regions}) BasReleaseWorkArea(area);
  }
  BasFreeWorkAreaSet(set_);
}

void RunSystemLibraryComparison() {
  CDlgCvtLib dialog(prompt::GetMainWnd());
  dialog.DoModal();
}

}  // namespace zv::panels
