#include "tests/app/app_fixture.h"

#include <QCloseEvent>
#include <QFileInfo>

#include "common/globals/program_globals.h"
#include "framework/docview/child_frame.h"
#include "framework/docview/doc_template.h"
#include "platform/data/work_area.h"
#include "platform/project/map_project.h"

namespace zv::test {
namespace {

class CloseTest : public SampleAppTest {
 protected:
  QByteArray Bytes(const QString& path) const {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
  }
  // Changes the project and its line file in memory.
  static void Modify(CZavedizDoc* doc) {
    PrjSetChanged(doc->GetProject(), true);
    for (WorkAreaHandle a : doc->GetProject()->areas)
      if (BasGetWorkAreaType(a) == 0) BasSetWorkAreaModified(a, true);
  }
  bool CloseMain() {
    QCloseEvent event;
    QCoreApplication::sendEvent(&frame(), &event);
    return event.isAccepted();
  }
};

TEST_F(CloseTest, ClosingPostsWhichKindOfDocumentIsCurrentNow) {
  MessageRecorder panes;
  panes.RecordFor({msg::PaneEntry::kProjectPage, msg::PaneEntry::kTabStrip, msg::PaneEntry::kWorkspaceFileList});
  // A plan document takes map files into its project: the file first.
  CZavedizDoc* line = Open(Copy("CONTOUR.WL", QStringLiteral("J.wl")));
  CZavedizDoc* plan = Open(File("HILLS.MPJ"));
  ASSERT_TRUE(plan && line);
  panes.Take();

  // A file document closes: a project document remains (page 1).
  line->OnCloseDocument();
  EXPECT_EQ(panes.Take(), (std::vector<Posted>{{msg::kRefreshFileList, 0, 2},
                                               {msg::kSetProject, 0, 0},
                                               {msg::kSelectSidePage, 1, 1}}));
  EXPECT_EQ(CurrentWorkspaceFileName(), QStringLiteral("J.WL"));
  EXPECT_EQ(app_->LastZavedizDocument(), nullptr);
  // The last one, a project document: nothing remains (page 0).
  plan->OnCloseDocument();
  EXPECT_EQ(panes.Take(), (std::vector<Posted>{{msg::kSetProject, 0, 1}, {msg::kSelectSidePage, 1, 0}}));
  EXPECT_EQ(app_->LastProjectDocument(), nullptr);
  Settle();
  EXPECT_TRUE(docs().empty());
  EXPECT_EQ(frame().commandMenus().shownMenu(), 106);
}

TEST_F(CloseTest, FailedPostsAreToldAndTheOperationGoesOn) {
  for (msg::PaneEntry e : {msg::PaneEntry::kProjectPage, msg::PaneEntry::kTabStrip, msg::PaneEntry::kWorkspaceFileList})
    msg::PaneWindows().Record(e, nullptr);
  const QString failed = QStringLiteral("消息发送失败！");
  CZavedizDoc* line = Open(Copy("CONTOUR.WL", QStringLiteral("K.wl")));
  ASSERT_NE(line, nullptr);
  // The section view's activation tells its own failure.
  EXPECT_EQ(script_->Messages(),
            (std::vector<QString>{failed, failed, QStringLiteral("CSecGisEditView发送TAB消息失败")}));
  ASSERT_NE(Open(File("HILLS.MPJ")), nullptr);
  EXPECT_EQ(script_->Messages().size(), 6u);
  EXPECT_EQ(script_->Messages().back(), QStringLiteral("CSecPrjEditView发送TAB消息失败"));
  line->OnCloseDocument();
  EXPECT_EQ(script_->Messages().back(), QStringLiteral("CZavedizDoc发送TAB消息失败"));
  EXPECT_EQ(docs().size(), 1u);
}

TEST_F(CloseTest, CloseAllWithABackgroundDocumentForgetsEveryDocument) {
  CZavedizDoc* line = Open(Copy("CONTOUR.WL", QStringLiteral("L.wl")));
  CZavedizDoc* plan = Open(File("HILLS.MPJ"));
  ASSERT_TRUE(plan && line);
  ASSERT_EQ(frame().GetActiveDocument(), plan);  // the file document is in the background
  app_->CloseAllDocuments();
  EXPECT_EQ(app_->LastProjectDocument(), nullptr);
  EXPECT_EQ(app_->LastZavedizDocument(), nullptr);
  Settle();
  // An activation after the close finds nothing to activate.
  msg::PostApplicationMessage(msg::kActivateDocument, 0, 0);
  msg::PostApplicationMessage(msg::kActivateDocument, 0, 1);
  Settle();
  EXPECT_TRUE(docs().empty());
}

TEST_F(CloseTest, YesSavesTheProjectAndItsModifiedFilesNoDiscardsCancelKeepsOpen) {
  CZavedizDoc* plan = Open(File("HILLS.MPJ"));
  ASSERT_NE(plan, nullptr);
  const QByteArray mpj = Bytes(File("HILLS.MPJ")), wl = Bytes(File("CONTOUR.WL"));
  Modify(plan);
  // Cancel keeps everything open.
  script_->AnswerMessage(prompt::kAnswerCancel);
  EXPECT_FALSE(CloseMain());
  EXPECT_EQ(docs().size(), 1u);
  EXPECT_EQ(script_->Messages().back(), QStringLiteral("工程文件 '%1' 已修改,是否保存?").arg(File("HILLS.MPJ")));
  EXPECT_TRUE(script_->asked().back().style & prompt::kDefaultButton2);
  // No discards: the files stay as they were.
  script_->AnswerMessage(prompt::kAnswerNo);
  EXPECT_TRUE(plan->CanCloseFrame(nullptr));
  EXPECT_EQ(Bytes(File("HILLS.MPJ")), mpj);
  EXPECT_EQ(Bytes(File("CONTOUR.WL")), wl);
  // Yes writes the project and the modified line file.
  Modify(plan);
  WorkAreaHandle line = 0;
  for (WorkAreaHandle a : plan->GetProject()->areas)
    if (BasGetWorkAreaType(a) == 0) line = a;
  D_DOT points[2] = {{1, 1}, {50, 50}};
  ASSERT_GT(BasAppendLine(line, points, 2, LIN_INFO{}), 0);
  script_->AnswerMessage(prompt::kAnswerYes);
  EXPECT_TRUE(plan->CanCloseFrame(nullptr));
  EXPECT_NE(Bytes(File("CONTOUR.WL")), wl);
  EXPECT_FALSE(BasIsWorkAreaModified(line));
}

TEST_F(CloseTest, YesForAProjectWithoutAFileAsksForOneAndWritesIt) {
  frame().RunCommand(57600);  // picker cancelled: "NONAME"
  CZavedizDoc* unnamed = ActiveDoc();
  ASSERT_TRUE(unnamed && unnamed->GetProject());
  PrjSetChanged(unnamed->GetProject(), true);
  // Yes, then the picker cancelled: nothing is written and nothing closes.
  script_->AnswerMessage(prompt::kAnswerYes);
  script_->AnswerFiles({});
  EXPECT_FALSE(unnamed->CanCloseFrame(nullptr));
  EXPECT_EQ(script_->PendingAnswers(), 0);
  // Yes with a file: the project is written there.
  const QString path = folder_ + QStringLiteral("新建 工程.mpj");
  script_->AnswerMessage(prompt::kAnswerYes);
  script_->AnswerFiles({path});
  EXPECT_TRUE(unnamed->CanCloseFrame(nullptr));
  EXPECT_TRUE(QFileInfo(path).isFile());
  EXPECT_EQ(unnamed->GetPathName(), path);
  EXPECT_FALSE(PrjIsChanged(unnamed->GetProject()));
}

TEST_F(CloseTest, AnAreaThatMayNotBeSavedBlocksTheClose) {
  CZavedizDoc* plan = Open(File("HILLS.MPJ"));
  ASSERT_NE(plan, nullptr);
  BasSetWorkAreaState(plan->GetProject()->areas.front(), kWorkAreaStateNoSave);
  EXPECT_FALSE(plan->CanCloseFrame(nullptr));
  EXPECT_FALSE(CloseMain());
  EXPECT_EQ(docs().size(), 1u);
}

TEST_F(CloseTest, TwoModifiedDocumentsAtExitGiveTwoPrompts) {
  CZavedizDoc* plan = Open(File("HILLS.MPJ"));
  const QString other = SampleCopy(QStringLiteral("other"));
  CZavedizDoc* second = Open(other + QStringLiteral("HILLS.MPJ"));
  ASSERT_TRUE(plan && second);
  Modify(plan);
  Modify(second);
  script_->AnswerMessage(prompt::kAnswerNo);
  script_->AnswerMessage(prompt::kAnswerNo);
  EXPECT_TRUE(CloseMain());
  EXPECT_EQ(script_->Messages().size(), 2u);
  Settle();
  EXPECT_TRUE(docs().empty());
}

// No at one document and Cancel at a later one: the exit stops and the first
// document keeps its changes marked, so closing it later asks again.
TEST_F(CloseTest, NoThenCancelAtExitKeepsTheFirstDocumentsChangesMarked) {
  CZavedizDoc* line = Open(Copy("CONTOUR.WL", QStringLiteral("N.wl")));
  CZavedizDoc* plan = Open(File("HILLS.MPJ"));
  ASSERT_TRUE(line && plan);
  for (WorkAreaHandle a : line->Areas()) BasSetWorkAreaModified(a, true);
  Modify(plan);
  script_->AnswerMessage(prompt::kAnswerNo);
  script_->AnswerMessage(prompt::kAnswerCancel);
  EXPECT_FALSE(CloseMain());
  EXPECT_EQ(script_->Messages().size(), 2u);
  EXPECT_EQ(docs().size(), 2u);
  EXPECT_TRUE(BasIsWorkAreaModified(line->Areas().front()));
  EXPECT_TRUE(PrjIsChanged(plan->GetProject()));
  script_->AnswerMessage(prompt::kAnswerCancel);
  line->Frames().front()->close();
  EXPECT_EQ(script_->Messages().size(), 3u);
  EXPECT_EQ(docs().size(), 2u);
}

TEST_F(CloseTest, AModifiedSectionFileIsAskedAboutWhenItsFrameCloses) {
  CZavedizDoc* line = Open(Copy("CONTOUR.WL", QStringLiteral("M.wl")));
  ASSERT_NE(line, nullptr);
  const std::vector<WorkAreaHandle> areas = line->Areas();
  ASSERT_FALSE(areas.empty());
  for (WorkAreaHandle a : areas) BasSetWorkAreaModified(a, true);
  script_->AnswerMessage(prompt::kAnswerCancel);
  line->Frames().front()->close();
  EXPECT_EQ(docs().size(), 1u);
  EXPECT_TRUE(script_->Messages().back().startsWith(QStringLiteral("工作区文件已修改,是否保存?")));
  script_->AnswerMessage(prompt::kAnswerNo);
  line->Frames().front()->close();
  Settle();
  EXPECT_TRUE(docs().empty());
  EXPECT_TRUE(frame().MdiArea()->subWindowList().isEmpty());
  EXPECT_EQ(frame().commandMenus().shownMenu(), 106);
}

}  // namespace
}  // namespace zv::test
