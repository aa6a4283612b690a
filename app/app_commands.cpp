// The application's own commands (class "CZavedizApp", base "CWinApp") and
// where they appear in the menus.

#include <QFileInfo>
#include <QMdiArea>

#include "app/about/about_dlg.h"
#include "app/app_settings.h"
#include "app/main_frame.h"
#include "app/options/option_pages.h"
#include "app/zavediz_app.h"
#include "common/globals/program_globals.h"
#include "framework/commands/menu_rows.h"
#include "framework/docview/doc_template.h"
#include "framework/messages/pane_window_table.h"
#include "framework/odbc/odbc_installer.h"
#include "framework/paths/app_folder.h"
#include "framework/prompts/prompts.h"
#include "framework/shell/shell_open.h"
#include "framework/text/encoding.h"
#include "views/zavediz_doc.h"

namespace zv {
namespace {

CZavedizApp& AppOf(cmd::CommandTarget& target) { return static_cast<CZavedizApp&>(target); }

constexpr int kMaxOpenPathLength = 127;

// 新建文件: a section document that asks nothing.
void OnFileNewZavediz(cmd::CommandTarget& t) {
  SkipProjectDialog() = true;
  CurrentFilePath().clear();
  AppOf(t).ZavedizTemplate()->OpenDocumentFile(QString());
}

// 打开: several files at once; the first path too long or missing ends the
// run, files opened before it stay open.
void OnOpenMapFiles(cmd::CommandTarget& t) {
  static QString lastFolder;
  prompt::FileRequest request;
  request.title = QStringLiteral("打开MapGis文件");
  request.defaultExtension = QStringLiteral("*.MPJ");
  request.folder = lastFolder;
  request.multiple = true;
  request.filter = QStringLiteral(
      "All MapGis Files (*.wt,*.wl,*.wp,*.mpj)|*.wt;*.wl;*.wp;*.MPJ|MPJ Data Files(*.MPJ)|*.MPJ|"
      "MapGis 点文件 (*.wt)|*.wt|MapGis 线文件 (*.wl)|*.wl|MapGis 区文件 (*.wp)|*.wp|All Files (*.*)|*.*||");
  const QStringList paths = prompt::Current().ChooseFiles(request);
  if (!paths.isEmpty()) lastFolder = QFileInfo(paths.front()).absolutePath();
  for (const QString& path : paths) {
    if (text::CharacterCount(path.toStdString()) > kMaxOpenPathLength) {
      prompt::Message(QStringLiteral("路径太深，无法读取文件！"));
      break;
    }
    if (!QFileInfo::exists(path)) break;
    AppOf(t).OpenDocumentFile(path);
  }
}

// The option sheet opens on the page the command names, after reloading
// the settings that page group reads.
void OnToolOptions(cmd::CommandTarget&) { options::RunOptionSheet(QStringLiteral("工具参数设置"), 0, 1); }
void OnBoreholeOptions(cmd::CommandTarget&) { options::RunOptionSheet(QStringLiteral("钻孔参数设置"), 1, 0); }
void OnZavedizOptions(cmd::CommandTarget&) { options::RunOptionSheet(QStringLiteral("剖面参数设置"), 2, 0); }

// 连接数据源: the borehole database becomes the program's data source.
void OnConnectDataSource(cmd::CommandTarget&) {
  prompt::FileRequest request;
  request.title = QStringLiteral("注册数据源");
  request.defaultExtension = QStringLiteral("*.MDB");
  request.filter = QStringLiteral("Data Files(*.MDB)|*.MDB|All Files(*.*)|*.*||");
  request.folder = QString::fromStdString(paths::GetAppFolder()) + QStringLiteral("zavediz");
  request.overwritePrompt = true;
  const QString path = prompt::ChooseFile(request);
  if (path.isEmpty()) return;
  std::string error;
  if (!odbc::RegisterDataSource(DataSourceName().toStdString(), path.toStdString(), &error)) {
    // The reason matters most for an Access file whose conversion failed.
    prompt::Message(QStringLiteral("注册数据源失败......\n") + QString::fromStdString(error));
    return;
  }
  CurrentFilePath() = path;
  prompt::Message(QStringLiteral("数据源注册成功！！！"));
}

void OnToggleSnap(cmd::CommandTarget&) { SnapEnabled() = SnapEnabled() ? 0 : 1; }
cmd::CommandUpdate OnUpdateToggleSnap(cmd::CommandTarget&) { return {true, SnapEnabled() != 0, {}}; }

void OnToggleOrtho(cmd::CommandTarget&) {
  OrthoEnabled() = OrthoEnabled() ? 0 : 1;
  msg::PaneWindows().Post(msg::PaneEntry::kSectionToolView, msg::kSectionToolRequest, 1, msg::kToolTakeOrtho);
  msg::PaneWindows().Post(msg::PaneEntry::kProjectToolView, msg::kProjectToolRequest, 1, msg::kToolTakeOrtho);
}
cmd::CommandUpdate OnUpdateToggleOrtho(cmd::CommandTarget&) { return {true, OrthoEnabled() != 0, {}}; }

// 加载背景图: a cancel writes the empty path, which removes the picture.
void OnLoadBackgroundPicture(cmd::CommandTarget& t) {
  prompt::FileRequest request;
  request.title = QStringLiteral("打开背景图片");
  request.defaultExtension = QStringLiteral("*.bmp");
  request.filter = QStringLiteral("BMP Files(*.bmp)|*.bmp||");
  const QString path = prompt::ChooseFile(request);
  if (!SettingsFile().WriteString("OTHER", "BACKPIC", path.toStdString())) options::WarnSettingsNotKept();
  Settings().backPicture = path.toStdString();
  BackgroundPicturePath() = path;
  if (CMainFrame* frame = AppOf(t).MainFrame()) frame->MdiArea()->viewport()->update();
}

// The sheet commands open a workbook of the data folder in the running
// spreadsheet program; the first of `names` that exists is opened.
void OpenDataSheet(std::initializer_list<const char*> names, const char* missing) {
  for (const char* name : names) {
    const QString path = QString::fromStdString(paths::GetDataFolder()) + QString::fromUtf8(name);
    if (QFileInfo::exists(path)) {
      shell::Open(path);
      return;
    }
  }
  prompt::Message(QStringLiteral("没有找到文件“%1”").arg(QString::fromUtf8(missing)));
}

void OnOpenPlanProjectionSheet(cmd::CommandTarget&) { OpenDataSheet({"平面工程投影.xls"}, "平面工程投影.xls"); }
void OnOpenGeochemSheet(cmd::CommandTarget&) {
  OpenDataSheet({"化探数据处理.xlsm", "化探数据处理.xls"}, "化探数据处理.xlsm");
}
void OnOpenResamplingSheet(cmd::CommandTarget&) { OpenDataSheet({"重采样RE值计算.xls"}, "重采样RE值计算.xls"); }
void OnOpenSurveySheet(cmd::CommandTarget&) { OpenDataSheet({"SECPMINFO.xls"}, "SECPMINFO.xls"); }

// 关于 zavediz: the About dialog.
void OnAppAbout(cmd::CommandTarget&) {
  CAboutDlg dialog(prompt::GetMainWnd());
  prompt::Current().Exec(dialog);
}

constexpr cmd::CommandRow kRows[] = {
    cmd::Handler(57664, OnAppAbout, "OnAppAbout"),
    cmd::Handler(32808, OnFileNewZavediz, "OnFileNewZavediz"),
    cmd::Handler(57601, OnOpenMapFiles, "OnOpenMapFiles"),
    cmd::Handler(32963, OnConnectDataSource, "OnConnectDataSource"),
    cmd::Handler(32976, OnToolOptions, "OnToolOptions"),
    cmd::Handler(33213, OnBoreholeOptions, "OnBoreholeOptions"),
    cmd::Handler(33371, OnZavedizOptions, "OnZavedizOptions"),
    cmd::Handler(33068, OnToggleSnap, "OnToggleSnap", OnUpdateToggleSnap),
    cmd::Handler(33120, OnToggleOrtho, "OnToggleOrtho", OnUpdateToggleOrtho),
    cmd::Handler(33172, OnLoadBackgroundPicture, "OnLoadBackgroundPicture"),
    cmd::Handler(33412, OnOpenPlanProjectionSheet, "OnOpenPlanProjectionSheet"),
    cmd::Handler(33575, OnOpenGeochemSheet, "OnOpenGeochemSheet"),
    cmd::Handler(33595, OnOpenResamplingSheet, "OnOpenResamplingSheet"),
    cmd::Handler(33624, OnOpenSurveySheet, "OnOpenSurveySheet"),
};

// 文件 and 设置 are alike in the three menus.
void AddFileAndOptionRows(std::vector<cmd::MenuRow>& rows, int menu) {
  const cmd::MenuRow common[] = {
      {menu, "&F文件/新建工程(&N)", 57600},
      {menu, "&F文件/新建文件(&F)", 32808},
      {menu, "&F文件/打开(&O)...", 57601},
      {menu, "&F文件", 0},
      {menu, "&F文件/打印设置(&R)...", 57606},
      {menu, "&F文件", 0},
      {menu, "&F文件/最近文件", 57616},
      {menu, "&F文件/最近文件", 57617},
      {menu, "&F文件/最近文件", 57618},
      {menu, "&F文件/最近文件", 57619},
      {menu, "&F文件/最近文件", 57620},
      {menu, "&F文件", 0},
      {menu, "&F文件/退出(&X)", 57665},
      {menu, "&O设置/参数设置", 32976},
      {menu, "&O设置/柱状图参数", 33213},
      {menu, "&O设置/设置剖面参数", 33371},
      {menu, "&O设置", 0},
      {menu, "&O设置/打开关闭捕捉  空格", 33068, "Space"},
      {menu, "&O设置/正交开关  F2", 33120, "F2"},
      {menu, "&O设置/加载背景图", 33172},
      {menu, "帮助/关于 zavediz(&A)...", 57664},
  };
  rows.insert(rows.end(), std::begin(common), std::end(common));
}

void AddSheetRows(std::vector<cmd::MenuRow>& rows, int menu) {
  const cmd::MenuRow sheets[] = {
      {menu, "&1辅助工具/打开外部数据/打开数据表", 33412},
      {menu, "&1辅助工具/打开外部数据/化探数据处理", 33575},
      {menu, "&1辅助工具/打开外部数据/重采样RE计算", 33595},
      {menu, "&1辅助工具/打开外部数据/编辑测量数据", 33624},
  };
  rows.insert(rows.end(), std::begin(sheets), std::end(sheets));
}

}  // namespace

void CZavedizApp::RegisterCommands() {
  cmd::Registry().DeclareClass("CZavedizApp", "CWinApp");
  cmd::Registry().AddRows("CZavedizApp", kRows);

  std::vector<cmd::MenuRow> rows;
  for (int menu : {cmd::kMenuNoDocument, cmd::kMenuPlan, cmd::kMenuSection}) AddFileAndOptionRows(rows, menu);
  AddSheetRows(rows, cmd::kMenuPlan);
  AddSheetRows(rows, cmd::kMenuSection);
  rows.push_back({cmd::kMenuNoDocument, "&O设置/连接数据源", 32963});
  rows.push_back({cmd::kMenuSection, "&C地质绘图/柱状图(ACCESS)/连接数据源", 32963});
  rows.push_back({cmd::kMenuPlan, "&C剖面图/连接数据源", 32963});
  cmd::Menus().AddRows(rows);

  cmd::Menus().SetTopLevelOrder(cmd::kMenuNoDocument, {"&F文件", "&O设置", "&W显示", "帮助"});
  cmd::Menus().SetTopLevelOrder(cmd::kMenuPlan, {"&F文件", "&N点编辑", "&L线编辑", "&R区编辑", "&T其它", "&1辅助工具",
                                                 "&2辅助工具", "&C剖面图", "&P出图", "&S系统库", "&O设置", "&W显示",
                                                 "&V矢量化", "窗口", "帮助"});
  cmd::Menus().SetTopLevelOrder(cmd::kMenuSection,
                                {"&F文件", "&G工作区", "&N点编辑", "&L线编辑", "&R区编辑", "&T其它", "&1辅助工具",
                                 "&2辅助工具", "&C地质绘图", "&C剖面图", "&P出图", "&S系统库", "&O设置", "&W显示",
                                 "&V矢量化", "窗口", "帮助"});
}

}  // namespace zv
