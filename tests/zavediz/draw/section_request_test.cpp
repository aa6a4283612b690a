// The section view's request handler driven by posted requests: decoding,
// the drawing of a plan document, the data check, the save flow and a plan
// document closed before its request arrives.
#include "zavediz/draw/section_request_handler.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <filesystem>
#include <memory>

#include "framework/messages/pane_window_table.h"
#include "framework/messages/private_message.h"
#include "framework/prompts/scripted_prompts.h"
#include "platform/project/map_project.h"
#include "section_fixture.h"
#include "tests/support/test_env.h"
#include "views/sec_gis_edit_view.h"
#include "zavediz/draw/section_cut.h"
#include "zavediz/draw/zavediz_drawing.h"
#include "zavediz/draw/zavediz_request_post.h"

namespace zv::zavediz {
namespace {

// The save-path dialog: OK with a folder and a name, or cancelled.
prompt::ScriptedPrompts::DialogScript SavePath(QString folder, QString name) {
  return [=](QDialog& d) {
    if (folder.isEmpty()) return int(QDialog::Rejected);
    d.findChild<QLineEdit*>("control1117")->setText(folder);
    d.findChild<QLineEdit*>("control1200")->setText(name);
    d.accept();
    return -1;
  };
}

class SectionRequestTest : public testing::Test {
 protected:
  void SetUp() override {
    view_.resize(400, 300);
    BindSectionRequests();
    msg::PaneWindows().Record(msg::PaneEntry::kSectionEditView, &view_);
    handler_ = &SectionRequestHandler::Of(view_);
    plan_ = std::make_unique<CZavedizDoc>();
    test::FillStraightSection(plan_->Section());
    CutZavediz(plan_->Section(), 2, 30.0);
    folder_ = QString::fromStdString(zv::test::TempRoot()) + "/out";
  }
  void Deliver() { QCoreApplication::sendPostedEvents(); }
  int LineCount() const {
    int32_t live = 0, bound = 0;
    BasGetLineCount(view_.GetCurrentLinArea(), &live, &bound);
    return live;
  }
  bool Exists(const char* file) const { return QFileInfo::exists(folder_ + "/" + file); }

  prompt::ScopedScriptedPrompts script_;
  CSecGisEditView view_;
  SectionRequestHandler* handler_ = nullptr;
  std::unique_ptr<CZavedizDoc> plan_;
  QString folder_;
};

TEST_F(SectionRequestTest, ADrawingAsksOnceForTheFolderAndSavesThere) {
  script_->AnswerDialog(SavePath(folder_, "0线"));
  ASSERT_TRUE(PostZavedizRequest(*plan_, kDrawStraight));
  EXPECT_EQ(LineCount(), 0);  // posted: drawn once the queue runs
  Deliver();
  EXPECT_GT(LineCount(), 20);
  EXPECT_TRUE(handler_->Drawn());
  EXPECT_FALSE(handler_->Polyline());
  EXPECT_EQ(handler_->Document(), plan_.get());
  EXPECT_EQ(view_.SaveFolder(), folder_ + "/");
  for (const char* file : {"0线.wl", "0线.wt", "0线.wp", "0线.mpj"}) EXPECT_TRUE(Exists(file)) << file;
  EXPECT_EQ(script_->PendingAnswers(), 0);
  MapProject* saved = PrjOpen((folder_ + "/0线.mpj").toStdString(), 0, 0);
  ASSERT_NE(saved, nullptr);
  std::vector<std::string> members;
  for (int i = 0; i < PrjGetItemCount(saved); ++i)
    members.push_back(std::filesystem::path(PrjGetItemPath(saved, i)).extension().string());
  PrjClose(saved);
  EXPECT_EQ(members, (std::vector<std::string>{".wp", ".wt", ".wl"}));

  // Later drawings neither ask nor save; 保存剖面 saves at once.
  QFile::remove(folder_ + "/0线.wl");
  PostZavedizRequest(*plan_, kDrawFolded);
  Deliver();
  EXPECT_TRUE(handler_->Polyline());
  EXPECT_FALSE(Exists("0线.wl"));
  handler_->SaveZavediz();
  EXPECT_TRUE(Exists("0线.wl"));
  EXPECT_TRUE(script_->Messages().empty());
}

TEST_F(SectionRequestTest, ARefusedFolderLeavesTheDrawingUnsavedUntilSaveAsksAgain) {
  script_->AnswerDialog(SavePath("", ""));
  PostZavedizRequest(*plan_, kDrawStraight);
  Deliver();
  EXPECT_GT(LineCount(), 0);
  ASSERT_EQ(script_->Messages().size(), 1u);
  EXPECT_EQ(script_->Messages()[0], QString::fromUtf8(kNoSavePathMessage));
  EXPECT_TRUE(view_.SaveFolder().isEmpty());

  script_->AnswerDialog(SavePath(folder_, "剖面"));
  handler_->SaveZavediz();
  EXPECT_TRUE(Exists("剖面.mpj"));
}

// 柱状图路径 sets the folder the section is saved in too, without a name: the
// drawing does not ask, and 保存剖面 saves under the default name.
TEST_F(SectionRequestTest, AFolderSetBeforeTheDrawingIsUsedWithoutAsking) {
  QDir().mkpath(folder_);
  view_.SetSaveFolder(folder_ + "/");
  PostZavedizRequest(*plan_, kDrawStraight);
  Deliver();
  EXPECT_GT(LineCount(), 0);
  handler_->SaveZavediz();
  EXPECT_TRUE(Exists("未定名.mpj")) << (script_->Messages().empty() ? "" : script_->Messages()[0].toStdString());
  EXPECT_FALSE(Exists(".mpj"));
  EXPECT_TRUE(script_->Messages().empty());
}

TEST_F(SectionRequestTest, MissingBaseDataDrawsAndSavesNothing) {
  plan_->Section().headerSet = false;
  PostZavedizRequest(*plan_, kDrawStraight);
  Deliver();
  EXPECT_EQ(LineCount(), 0);
  EXPECT_FALSE(handler_->Drawn());
  ASSERT_EQ(script_->Messages().size(), 1u);
  EXPECT_EQ(script_->Messages()[0], QString::fromUtf8(kNoBaseDataMessage));
  EXPECT_EQ(script_->PendingAnswers(), 0);
}

TEST_F(SectionRequestTest, APlanDocumentClosedBeforeDeliveryDrawsNothing) {
  PostZavedizRequest(*plan_, kDrawStraight);
  plan_.reset();
  Deliver();
  EXPECT_EQ(LineCount(), 0);
  EXPECT_EQ(handler_->Document(), nullptr);
  EXPECT_TRUE(script_->Messages().empty());
}

TEST_F(SectionRequestTest, CodesAreDecodedAndOthersIgnored) {
  // 110 is operation 10 with an argument; 100, 11 and negative codes do nothing.
  script_->AnswerDialog(SavePath("", ""));
  for (std::intptr_t code : {std::intptr_t{100}, std::intptr_t{11}, std::intptr_t{-2}, std::intptr_t{8}}) {
    PostZavedizRequest(*plan_, code);
    Deliver();
    EXPECT_EQ(LineCount(), 0) << code;
  }
  PostZavedizRequest(*plan_, 110);
  Deliver();
  EXPECT_GT(LineCount(), 0);
  EXPECT_TRUE(handler_->Polyline());

  // Operation 1 ends measuring; 5 hides the rulers; 0 with no payload is harmless.
  view_._SetCommandFlag(1300);
  handler_->OnDocumentRequest(0, 1);
  EXPECT_EQ(view_._GetCommandFlag(), kIdleCommandFlag);
  handler_->OnDocumentRequest(0, 5);
  EXPECT_FALSE(handler_->RulerVisible());
  handler_->OnDocumentRequest(0, 0);
}

TEST_F(SectionRequestTest, SelectingAListFlashesItOnlyInAValidArea) {
  const WorkAreaHandle lines = view_.GetCurrentLinArea();
  const D_DOT a{0, 0}, b{10, 10};
  LIN_INFO info{};
  const int32_t id = BasAppendLine(lines, std::vector<D_DOT>{a, b}, info);
  const ENTITY_MSG kept{lines, kLineEntity, 99};
  view_.AddToPool(&kept, 1);

  // A ticket without a list, and a list for an area that is no area.
  handler_->OnDocumentRequest(0, 7 + 100 * lines);
  EXPECT_EQ(view_.PoolCount(), 1);
  handler_->OnDocumentRequest(PutRequestPayload(std::vector<int32_t>{id}), 7 + 100 * 4000);
  EXPECT_EQ(view_.PoolCount(), 1);

  handler_->OnDocumentRequest(PutRequestPayload(std::vector<int32_t>{id}), 7 + 100 * lines);
  ASSERT_EQ(view_.PoolCount(), 1);
  EXPECT_EQ(view_.Pool()[0].id, id);
  EXPECT_TRUE(view_.IsFlashing());

  view_._StopFlash();
  handler_->OnDocumentRequest(PutRequestPayload(FlashRequest{lines, id, kLineEntity}), 6);
  EXPECT_TRUE(view_.IsFlashing());
  const D_RECT shown = view_._GetWinDispRect();
  EXPECT_NEAR((shown.xmin + shown.xmax) / 2, 5.0, 1e-6);
  EXPECT_NEAR((shown.ymin + shown.ymax) / 2, 5.0, 1e-6);
}

}  // namespace
}  // namespace zv::zavediz
