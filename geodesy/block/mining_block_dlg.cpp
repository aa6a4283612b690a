#include "geodesy/block/mining_block_dlg.h"

#include <QDate>
#include <QDir>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStringList>
#include <QVBoxLayout>

#include "common/dialogs/folder_path.h"
#include "common/grid_list/grid_list_ctrl.h"
#include "framework/prompts/prompts.h"
#include "geodesy/widgets/point_list.h"

namespace zv::block {
namespace {

constexpr int kDialogId = 281;

Date LocalToday() {
  const QDate d = QDate::currentDate();
  return {d.year(), d.month(), d.day()};
}

QString Q(const std::string& s) { return QString::fromStdString(s); }

geodesy::ClipboardForm ClipboardFormOfCorners() {
  return {[](const std::vector<point_text::Fields>& rows) {
            return Q(CornerClipboardText(point_text::FromFields<CornerRow>(rows)));
          },
          [](const QString& text) { return point_text::ToFields(ParseCornerClipboard(text.toStdString())); }};
}

}  // namespace

CMiningBlockDlg::CMiningBlockDlg(reserve::DocumentOpener open, QWidget* parent)
    : QDialog(parent), open_(std::move(open)), clock_(LocalToday) {
  setWindowTitle(QStringLiteral("矿区坐标点"));
  auto* layout = new QVBoxLayout(this);
  list_ = geodesy::MakePointList(this, "corners", QStringLiteral("序号,50;经度,85;纬度,85"), kDialogId,
                                 ClipboardFormOfCorners());
  layout->addWidget(list_);

  auto* folderRow = new QHBoxLayout;
  folderRow->addWidget(new QLabel(QStringLiteral("保存路径"), this));
  folder_ = new QLineEdit(QDir::homePath() + QLatin1Char('/'), this);
  folder_->setObjectName("folder");
  folderRow->addWidget(folder_);
  layout->addLayout(folderRow);

  auto* buttons = new QGridLayout;
  auto button = [&](const char* name, const QString& text, int row, int column, std::function<void()> action) {
    buttons->addWidget(geodesy::ActionButton(this, name, text, std::move(action)), row, column);
  };
  button("read", QStringLiteral("读取数据"), 0, 0, [this] { ReadCornerFileFromUser(); });
  button("browse", QStringLiteral("..."), 0, 1, [this] { BrowseFolder(); });
  button("add", QStringLiteral("增加坐标"), 0, 2, [this] { AddCornerRow(); });
  button("map1", QStringLiteral("生成区块1"), 1, 0, [this] { MakeMaps({RangeMap::One}); });
  button("map2", QStringLiteral("生成区块2"), 1, 1, [this] { MakeMaps({RangeMap::Two}); });
  button("map3", QStringLiteral("生成区块3"), 1, 2, [this] { MakeMaps({RangeMap::Three}); });
  button("all", QStringLiteral("全部生成"), 2, 0, [this] { MakeMaps({RangeMap::One, RangeMap::Two, RangeMap::Three}); });
  button("quit", QStringLiteral("退出"), 2, 2, [this] { reject(); });
  layout->addLayout(buttons);
}

CornerRows CMiningBlockDlg::Rows() const { return point_text::FromFields<CornerRow>(geodesy::ListRows(*list_)); }

void CMiningBlockDlg::SetRows(const CornerRows& rows) { geodesy::SetListRows(*list_, point_text::ToFields(rows)); }

void CMiningBlockDlg::ReadCornerFileFromUser() {
  prompt::FileRequest request;
  request.title = QStringLiteral("读取矿区拐点坐标数据");
  request.defaultExtension = QStringLiteral("*.txt;*.csv");
  request.filter = QStringLiteral("All TXT Files (*.*)|*.txt;*.csv|txt文件 (*.txt)|*.txt|csv文件 (*.csv)|*.csv|");
  if (const auto bytes = geodesy::ChooseAndReadFile(request)) SetRows(ReadCornerFile(*bytes));
}

void CMiningBlockDlg::BrowseFolder() {
  const QString chosen = prompt::Current().ChooseFolder(QStringLiteral("请选择路径"), folder_->text());
  if (!chosen.isEmpty()) folder_->setText(chosen);
}

void CMiningBlockDlg::AddCornerRow() { list_->AddRow({QString::number(list_->GetItemCount() + 1), {}, {}}); }

void CMiningBlockDlg::CopyCorners() { geodesy::CopyRows(*list_, ClipboardFormOfCorners()); }

void CMiningBlockDlg::PasteCorners() { geodesy::PasteRows(*list_, ClipboardFormOfCorners()); }

void CMiningBlockDlg::MakeMaps(const std::vector<RangeMap>& maps) {
  const std::string folder = folder_->text().trimmed().toStdString();
  if (const auto refusal = CheckSaveFolder(folder)) {
    prompt::Message(Q(*refusal), prompt::kIconWarning);
    return;
  }
  const BlockMapResult result = MakeRangeMaps(folder, Rows(), maps, clock_());
  if (!result.messages.empty()) {
    QStringList lines;
    for (const std::string& m : result.messages) lines << Q(m);
    prompt::Message(lines.join(QLatin1Char('\n')), prompt::kIconWarning);
  }
  if (open_)
    for (const std::string& project : result.projects) open_(Q(project));
}

}  // namespace zv::block
