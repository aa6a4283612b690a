#include "tests/app/app_fixture.h"

#include <QDropEvent>
#include <QMimeData>
#include <QUrl>

#include "framework/docview/child_frame.h"
#include "framework/docview/doc_template.h"

namespace zv::test {
namespace {

TEST_F(AppTest, StartingWithNoFileShowsTheMaximisedFrameWithMenu106AndNoDocument) {
  ASSERT_TRUE(Start());
  EXPECT_TRUE(frame().isMaximized());
  EXPECT_EQ(frame().commandMenus().shownMenu(), 106);
  EXPECT_TRUE(docs().empty());
  // The section template comes first: the framework's open takes it.
  ASSERT_EQ(app_->Templates().size(), 2u);
  EXPECT_EQ(app_->Templates()[0]->GetResourceId(), 141);
  EXPECT_EQ(app_->Templates()[1]->GetResourceId(), 107);
  EXPECT_EQ(app_->Templates()[0], app_->ZavedizTemplate());
  EXPECT_TRUE(script_->Messages().empty());
}

TEST_F(AppTest, StartingWithTheSampleProjectOpensOnePlanDocumentWithMenu107) {
  ASSERT_TRUE(Start(QStringLiteral(ZV_SOURCE_ROOT "/data/samples/HILLS.MPJ")));
  ASSERT_EQ(docs().size(), 1u);
  CZavedizDoc* doc = ActiveDoc();
  ASSERT_NE(doc, nullptr);
  EXPECT_EQ(doc->GetDocTemplate(), app_->ProjectTemplate());
  EXPECT_EQ(app_->LastProjectDocument(), doc);
  ASSERT_NE(doc->GetProject(), nullptr);
  EXPECT_EQ(doc->GetTitle(), QStringLiteral("HILLS.MPJ"));
  EXPECT_EQ(frame().commandMenus().shownMenu(), 107);
  EXPECT_TRUE(frame().MDIGetActive()->isMaximized());
  EXPECT_TRUE(script_->Messages().empty());
}

TEST_F(AppTest, AMissingFileOnTheCommandLineIsToldAndStartUpFails) {
  EXPECT_FALSE(Start(QStringLiteral("/no/such/file.mpj")));
  EXPECT_EQ(script_->Messages(), std::vector<QString>{QStringLiteral("可能文件不存在！")});
  EXPECT_TRUE(docs().empty());
}

TEST_F(AppTest, AProjectThatCannotBeReadIsToldOnceAndOpensNothing) {
  ASSERT_TRUE(Start());
  const QString bad = QString::fromStdString(TempRoot()) + QStringLiteral("/BAD.MPJ");
  QFile file(bad);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write("not a project");
  file.close();
  EXPECT_EQ(app_->OpenDocumentFile(bad), nullptr);
  EXPECT_TRUE(docs().empty());
  ASSERT_EQ(script_->Messages().size(), 1u);
  EXPECT_TRUE(script_->Messages()[0].startsWith(QStringLiteral("无法打开工程文件")));
}

TEST_F(AppTest, FilesDroppedOnTheFrameOpenAsTheApplicationRoutesThem) {
  ASSERT_TRUE(Start());
  QMimeData data;
  data.setUrls({QUrl::fromLocalFile(QStringLiteral(ZV_SOURCE_ROOT "/data/samples/HILLS.MPJ")),
                QUrl::fromLocalFile(QStringLiteral("/notes/readme.txt"))});
  // A drop lands where the drag entered.
  QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(&frame(), &enter);
  QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(&frame(), &drop);
  ASSERT_EQ(docs().size(), 1u);
  EXPECT_EQ(docs().front()->GetDocTemplate(), app_->ProjectTemplate());
  EXPECT_EQ(shell_.opened(), QStringList{QStringLiteral("/notes/readme.txt")});
}

}  // namespace
}  // namespace zv::test
