#include "tests/app/app_fixture.h"

#include <unistd.h>

#include <filesystem>

#include "common/globals/program_globals.h"
#include "framework/docview/doc_template.h"
#include "platform/project/map_project.h"

namespace zv::test {
namespace {

using RoutingTest = SampleAppTest;

TEST_F(RoutingTest, FilesGoWhereTheirExtensionAndTheActiveDocumentSay) {
  MessageRecorder panes;
  panes.RecordFor({msg::PaneEntry::kStrataList});
  struct Case {
    const char* name;
    QString path;
    bool withProject;   // a plan document is active
    bool addedToProject;
    int sectionDocs;    // section documents open afterwards
    int shellCalls;
  };
  const Case cases[] = {
      {"line file, no document", Copy("CONTOUR.WL", "A.wl"), false, false, 1, 0},
      {"upper-case line file, no document", Copy("CONTOUR.WL", "B.WL"), false, false, 1, 0},
      {"region file, no document", Copy("AREAS.WP", "C.wp"), false, false, 1, 0},
      {"point file, no document", Copy("POINTS.WT", "D.wt"), false, false, 1, 0},
      {"line file into the project", Copy("CONTOUR.WL", "E.wl"), true, true, 0, 0},
      {"point file into the project", Copy("POINTS.WT", "F.WT"), true, true, 0, 0},
      {"text file to the shell", Copy("POINTS.WT", "notes.txt"), false, false, 0, 1},
      {"backup of a project to the shell", Copy("HILLS.MPJ", "x.mpj.bak"), false, false, 0, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    app_->CloseAllDocuments();
    Settle();
    panes.Take();
    const int shellBefore = static_cast<int>(shell_.opened().size());
    CZavedizDoc* plan = nullptr;
    int itemsBefore = 0;
    if (c.withProject) {
      plan = dynamic_cast<CZavedizDoc*>(app_->OpenDocumentFile(File("HILLS.MPJ")));
      ASSERT_NE(plan, nullptr);
      itemsBefore = PrjGetItemCount(plan->GetProject());
    }
    docview::CDocument* result = app_->OpenDocumentFile(c.path);
    EXPECT_EQ(static_cast<int>(app_->ZavedizTemplate()->Documents().size()), c.sectionDocs);
    EXPECT_EQ(static_cast<int>(shell_.opened().size()) - shellBefore, c.shellCalls);
    if (c.addedToProject) {
      EXPECT_EQ(result, nullptr);
      EXPECT_EQ(PrjGetItemCount(plan->GetProject()), itemsBefore + 1);
      const std::vector<Posted> posted = panes.TakeWithoutRedrawRefills();
      ASSERT_EQ(posted.size(), 1u);
      EXPECT_EQ(posted[0].message, msg::kRefillList);
      EXPECT_EQ(posted[0].lParam, PrjGetItemArea(plan->GetProject(), itemsBefore));
    }
    if (c.sectionDocs == 1) {
      ASSERT_NE(result, nullptr);
      EXPECT_EQ(result->GetDocTemplate(), app_->ZavedizTemplate());
      EXPECT_EQ(CurrentFilePath(), c.path);
      EXPECT_EQ(frame().commandMenus().shownMenu(), 141);
    }
  }
  EXPECT_TRUE(script_->Messages().empty());
  // The document itself refuses any other kind of file.
  app_->CloseAllDocuments();
  EXPECT_EQ(app_->FrameworkOpenDocumentFile(folder_ + QStringLiteral("x.mpj.bak")), nullptr);
  EXPECT_TRUE(docs().empty());
}

TEST_F(RoutingTest, AFileAlreadyOpenIsActivatedNotOpenedAgain) {
  docview::CDocument* line = app_->OpenDocumentFile(Copy("CONTOUR.WL", "G.wl"));
  ASSERT_NE(line, nullptr);
  EXPECT_EQ(app_->OpenDocumentFile(folder_ + QStringLiteral("./G.wl")), line);
  docview::CDocument* first = app_->OpenDocumentFile(File("HILLS.MPJ"));
  line->ActivateFirstFrame();
  EXPECT_EQ(frame().GetActiveDocument(), line);
  EXPECT_EQ(app_->OpenDocumentFile(File("HILLS.MPJ")), first);
  EXPECT_EQ(frame().GetActiveDocument(), first);
  EXPECT_EQ(app_->ProjectTemplate()->Documents().size(), 1u);
}

TEST_F(RoutingTest, PathLengthsAre127CharactersAtMost) {
  // A folder name that brings the path to exactly 127 and 128 characters.
  auto pathOf = [this](int length) {
    const QString tail = QStringLiteral("/X.wl");
    QString dir = QString::fromStdString(TempRoot()) + QStringLiteral("/L");
    dir += QString(length - dir.size() - tail.size(), QLatin1Char('d'));
    QDir().mkpath(dir);
    QFile::copy(File("CONTOUR.WL"), dir + tail);
    return dir + tail;
  };
  const QString p127 = pathOf(127), p128 = pathOf(128);
  ASSERT_EQ(p127.size(), 127);
  ASSERT_EQ(p128.size(), 128);
  EXPECT_NE(app_->OpenDocumentFile(p127), nullptr);
  EXPECT_EQ(app_->OpenDocumentFile(p128), nullptr);
  EXPECT_EQ(script_->Messages(), std::vector<QString>{QStringLiteral("路径太长，无法读取文件！")});

  // 打开 stops at the first path too long; the files before it stay open.
  app_->CloseAllDocuments();
  Settle();
  script_->AnswerFiles({File("HILLS.MPJ"), p128, p127});
  frame().RunCommand(57601);
  EXPECT_EQ(docs().size(), 1u);
  EXPECT_EQ(script_->Messages().back(), QStringLiteral("路径太深，无法读取文件！"));
  // A missing file ends the run silently.
  script_->AnswerFiles({folder_ + QStringLiteral("none.wl"), p127});
  frame().RunCommand(57601);
  EXPECT_EQ(docs().size(), 1u);
  EXPECT_EQ(script_->Messages().size(), 2u);
}

// A map file the active project already holds, by its own name or a link,
// is shown (its area posted) and not added a second time.
TEST_F(RoutingTest, AFileTheProjectHoldsIsShownNotAddedAgain) {
  MessageRecorder panes;
  panes.RecordFor({msg::PaneEntry::kStrataList});
  auto* plan = dynamic_cast<CZavedizDoc*>(app_->OpenDocumentFile(File("HILLS.MPJ")));
  ASSERT_NE(plan, nullptr);
  const int items = PrjGetItemCount(plan->GetProject());
  int line = -1;
  for (int i = 0; i < items; ++i)
    if (BasGetWorkAreaType(PrjGetItemArea(plan->GetProject(), i)) == kLineArea) line = i;
  ASSERT_GE(line, 0);
  std::filesystem::create_symlink(File("CONTOUR.WL").toStdString(), (folder_ + QStringLiteral("link.wl")).toStdString());
  for (const QString& path : {File("CONTOUR.WL"), folder_ + QStringLiteral("link.wl")}) {
    SCOPED_TRACE(path.toStdString());
    panes.Take();
    EXPECT_EQ(app_->OpenDocumentFile(path), nullptr);
    EXPECT_EQ(PrjGetItemCount(plan->GetProject()), items);
    EXPECT_TRUE(app_->ZavedizTemplate()->Documents().empty());
    // The views' redraw refills the list too; the item's own area is posted.
    const std::vector<Posted> posted = panes.Take();
    const Posted shown{msg::kRefillList, 0, PrjGetItemArea(plan->GetProject(), line)};
    EXPECT_NE(std::find(posted.begin(), posted.end(), shown), posted.end());
  }
  EXPECT_FALSE(PrjIsChanged(plan->GetProject()));
}

// A rare character outside the BMP is one character of the 127, not two.
TEST_F(RoutingTest, PathLengthsCountCharactersOutsideTheBmpOnce) {
  const QString tail = QStringLiteral("/\U00020BB7.wl");  // 𠮷: two UTF-16 units
  QString dir = QString::fromStdString(TempRoot()) + QStringLiteral("/B");
  dir += QString(127 - dir.size() - (tail.size() - 1), QLatin1Char('d'));
  QDir().mkpath(dir);
  ASSERT_TRUE(QFile::copy(File("CONTOUR.WL"), dir + tail));
  ASSERT_EQ((dir + tail).toUcs4().size(), 127);
  EXPECT_NE(app_->OpenDocumentFile(dir + tail), nullptr);
  script_->AnswerFiles({dir + tail});
  frame().RunCommand(57601);
  EXPECT_TRUE(script_->Messages().empty());
}

// A folder named like a map or project, and a file the user may not read,
// are told instead of opening nothing without a word.
TEST_F(RoutingTest, FoldersAndUnreadableFilesAreToldAndOpenNothing) {
  for (const char* name : {"x.mpj", "y.wl"}) {
    SCOPED_TRACE(name);
    QDir().mkpath(folder_ + QLatin1String(name));
    EXPECT_EQ(app_->OpenDocumentFile(folder_ + QLatin1String(name)), nullptr);
    EXPECT_TRUE(docs().empty());
    ASSERT_FALSE(script_->Messages().empty());
    EXPECT_EQ(script_->Messages().back(), QStringLiteral("“%1”不是文件，无法打开！").arg(folder_ + QLatin1String(name)));
  }
  // Root reads any file: the unreadable one is tried as another user.
  const QString locked = Copy("HILLS.MPJ", QStringLiteral("locked.mpj"));
  std::filesystem::permissions(TempRoot(), std::filesystem::perms::all);
  std::filesystem::permissions(folder_.toStdString(), std::filesystem::perms::all);
  std::filesystem::permissions(locked.toStdString(), std::filesystem::perms::none);
  EXPECT_EXIT(
      {
        if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0)) std::_Exit(2);
        const bool told = app_->OpenDocumentFile(locked) == nullptr && docs().empty() &&
                          script_->Messages().back() == QStringLiteral("无法读取文件“%1”！").arg(locked);
        std::_Exit(told ? 0 : 1);
      },
      ::testing::ExitedWithCode(0), "");
}

// A map file that does not read opens no window: an empty map there could
// be saved over the file.
TEST_F(RoutingTest, ADamagedMapFileOpensNothing) {
  const QString damaged = folder_ + QStringLiteral("damaged.wl");
  QFile out(damaged);
  ASSERT_TRUE(out.open(QIODevice::WriteOnly));
  out.write("not a line file at all");
  out.close();
  EXPECT_EQ(app_->OpenDocumentFile(damaged), nullptr);
  EXPECT_TRUE(docs().empty());
  ASSERT_FALSE(script_->Messages().empty());
  EXPECT_TRUE(script_->Messages().back().startsWith(QStringLiteral("无法打开文件“%1”：").arg(damaged)));
  QFile check(damaged);
  ASSERT_TRUE(check.open(QIODevice::ReadOnly));
  EXPECT_EQ(check.readAll(), QByteArray("not a line file at all"));
}

// A map file cut short still loads what it holds, but the user is told what
// was left out, opened alone or into a project: a save of the part shown
// would otherwise silently drop the rest.
TEST_F(RoutingTest, AMapFileCutShortIsToldWhenItOpensAloneOrIntoAProject) {
  QFile whole(File("CONTOUR.WL"));
  ASSERT_TRUE(whole.open(QIODevice::ReadOnly));
  const QByteArray bytes = whole.readAll();
  for (const bool intoProject : {false, true}) {
    SCOPED_TRACE(intoProject ? "into a project" : "alone");
    if (intoProject) ASSERT_NE(Open(File("HILLS.MPJ")), nullptr);
    const QString cut = folder_ + (intoProject ? QStringLiteral("cut2.wl") : QStringLiteral("cut1.wl"));
    QFile out(cut);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write(bytes.left(bytes.size() / 2));
    out.close();
    const std::size_t before = script_->Messages().size();
    app_->OpenDocumentFile(cut);
    ASSERT_EQ(script_->Messages().size(), before + 1);
    EXPECT_TRUE(script_->Messages().back().contains(QStringLiteral("cut"))) << script_->Messages().back().toStdString();
    EXPECT_EQ(script_->asked().back().style & prompt::kIconWarning, prompt::kIconWarning);
  }
  const std::size_t before = script_->Messages().size();
  app_->OpenDocumentFile(File("CONTOUR.WL"));
  EXPECT_EQ(script_->Messages().size(), before) << "a whole file opens without a word";
}

TEST_F(RoutingTest, TabMessagesActivateTheDocumentTheyName) {
  docview::CDocument* line = app_->OpenDocumentFile(Copy("CONTOUR.WL", "H.wl"));
  docview::CDocument* point = app_->OpenDocumentFile(Copy("POINTS.WT", "I.wt"));
  CZavedizDoc* plan = dynamic_cast<CZavedizDoc*>(app_->OpenDocumentFile(File("HILLS.MPJ")));
  ASSERT_TRUE(plan && line && point);
  auto post = [](std::intptr_t l) {
    msg::PostApplicationMessage(msg::kActivateDocument, 0, l);
    QCoreApplication::sendPostedEvents();
  };
  post(0);
  EXPECT_EQ(frame().GetActiveDocument(), plan);
  // lParam 1 searches once; the document found is remembered.
  post(1);
  EXPECT_EQ(frame().GetActiveDocument(), line);
  EXPECT_EQ(app_->LastZavedizDocument(), line);
  post(0);
  post(1);
  EXPECT_EQ(frame().GetActiveDocument(), line);
  // lParam 2: the document whose file name holds the workspace name.
  CurrentWorkspaceFileName() = QStringLiteral("I.wt");
  post(2);
  EXPECT_EQ(frame().GetActiveDocument(), point);
  EXPECT_EQ(app_->LastZavedizDocument(), point);
  CurrentWorkspaceFileName() = QStringLiteral("I.WT");  // compared with case
  post(0);
  post(2);
  EXPECT_EQ(frame().GetActiveDocument(), plan);
  for (std::intptr_t other : {3, -1}) {
    post(other);
    EXPECT_EQ(frame().GetActiveDocument(), plan);
  }
}

}  // namespace
}  // namespace zv::test
