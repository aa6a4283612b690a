#include "tests/app/app_fixture.h"

#include <QDialog>

#include "framework/docview/doc_template.h"
#include "platform/project/map_project.h"

namespace zv::test {
namespace {

TEST(ZavedizDoc, ANewDocumentHasFreeNumberedSlotsAndAResetKeepsWhatItShould) {
  CZavedizDoc doc;
  const zavediz::SectionData& s = doc.Section();
  EXPECT_EQ(doc.GetProject(), nullptr);
  EXPECT_FALSE(s.headerSet);
  EXPECT_EQ(s.lowestElevation, -1);
  for (int i = 0; i < zavediz::kDesignSlotCount; ++i) {
    EXPECT_FALSE(s.boreholes[i].inUse);
    EXPECT_EQ(s.boreholes[i].number, i + 1);
    EXPECT_EQ(s.trenches[i].number, i + 1);
  }
  doc.Section().headerSet = true;
  doc.Section().boreholes[4] = {true, "ZK5", 12.5};
  doc.Section().boreholes[4].number = 5;
  doc.Section().xTick.set = true;
  doc.ResetZavedizData(false);
  EXPECT_TRUE(s.headerSet);
  EXPECT_FALSE(s.boreholes[4].inUse);
  EXPECT_EQ(s.boreholes[4].depth, 12.5);  // kept, but the slot counts as free
  EXPECT_EQ(s.boreholes[4].number, 5);
  EXPECT_FALSE(s.xTick.set);
  doc.ResetZavedizData(true);
  EXPECT_FALSE(s.headerSet);
}

TEST_F(AppTest, NewProjectsAskForTheirFileAndMapParametersAndUnnamedOnesAreNONAME) {
  ASSERT_TRUE(Start());
  // 新建工程 with the picker cancelled: a project with no file.
  frame().RunCommand(57600);
  ASSERT_EQ(docs().size(), 1u);
  auto* unnamed = dynamic_cast<CZavedizDoc*>(docs().front());
  ASSERT_NE(unnamed->GetProject(), nullptr);
  EXPECT_EQ(unnamed->GetPathName(), QStringLiteral("NONAME"));
  EXPECT_EQ(unnamed->GetDocTemplate(), app_->ProjectTemplate());
  EXPECT_EQ(frame().commandMenus().shownMenu(), 107);
  // With a file chosen, the map parameters are asked next.
  const QString path = QString::fromStdString(TempRoot()) + QStringLiteral("/新工程.mpj");
  script_->AnswerFiles({path});
  script_->AnswerDialog([](QDialog& d) { return QDialog::Rejected; });
  frame().RunCommand(57600);
  ASSERT_EQ(docs().size(), 2u);
  EXPECT_EQ(script_->asked().back().kind, prompt::ScriptedPrompts::Kind::Dialog);
  auto* named = dynamic_cast<CZavedizDoc*>(frame().GetActiveDocument());
  EXPECT_EQ(named->GetPathName(), path);
  EXPECT_EQ(named->GetTitle(), QStringLiteral("新工程.mpj"));
  // New documents never join the recent files.
  EXPECT_TRUE(app_->recentFiles().paths().isEmpty());
  // 新建文件: a section document, no question, the current file forgotten.
  CurrentFilePath() = QStringLiteral("/x.wl");
  const std::size_t asked = script_->asked().size();
  frame().RunCommand(32808);
  EXPECT_EQ(script_->asked().size(), asked);
  EXPECT_TRUE(CurrentFilePath().isEmpty());
  EXPECT_EQ(frame().GetActiveDocument()->GetDocTemplate(), app_->ZavedizTemplate());
  EXPECT_FALSE(SkipProjectDialog());
}

TEST_F(SampleAppTest, OpenedFilesJoinTheRecentFilesAndReopenFromThere) {
  ASSERT_NE(Open(File("HILLS.MPJ")), nullptr);
  EXPECT_EQ(app_->recentFiles().paths(), QStringList{File("HILLS.MPJ")});
  app_->CloseAllDocuments();
  Settle();
  EXPECT_EQ(frame().RunCommand(57616), cmd::RunResult::kRan);
  EXPECT_EQ(docs().size(), 1u);
  // The list lives on in the user's own file.
  docview::RecentFiles again;
  EXPECT_EQ(again.paths(), QStringList{File("HILLS.MPJ")});
}

TEST_F(SampleAppTest, ARecentFileThatIsGoneIsToldAndLeavesTheList) {
  ASSERT_NE(Open(File("HILLS.MPJ")), nullptr);
  app_->CloseAllDocuments();
  Settle();
  QFile::remove(File("HILLS.MPJ"));
  EXPECT_EQ(frame().RunCommand(57616), cmd::RunResult::kRan);
  EXPECT_TRUE(docs().empty());
  EXPECT_TRUE(app_->recentFiles().paths().isEmpty());
  EXPECT_EQ(script_->Messages(),
            std::vector<QString>{QStringLiteral("文件“%1”已不存在，已从最近文件列表中删除。").arg(File("HILLS.MPJ"))});
}

}  // namespace
}  // namespace zv::test
