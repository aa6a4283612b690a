#include "framework/messages/private_message.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <vector>

#include "framework/messages/pane_window_table.h"
#include "framework/prompts/scripted_prompts.h"

namespace zv::msg {
namespace {

TEST(ApplicationMessage, ReachesTheApplicationAfterTheSenderInOrder) {
  std::vector<std::intptr_t> pages;
  ApplicationMessageHook hook([&](const PrivateMessageEvent& m) {
    EXPECT_EQ(m.message(), kActivateDocument);
    pages.push_back(m.lParam());
  });
  EXPECT_TRUE(PostApplicationMessage(kActivateDocument, 0, 1));
  EXPECT_TRUE(PostApplicationMessage(kActivateDocument, 0, -1));
  EXPECT_TRUE(pages.empty());
  QCoreApplication::sendPostedEvents();
  EXPECT_EQ(pages, (std::vector<std::intptr_t>{1, -1}));
  // The tab strip's page 0 gives −1: no document to activate.
  EXPECT_FALSE(DocumentToActivate(-1).has_value());
  EXPECT_EQ(DocumentToActivate(0), ActivatedDocument::kProject);
  EXPECT_EQ(DocumentToActivate(2), ActivatedDocument::kWorkspaceFile);
  EXPECT_FALSE(DocumentToActivate(3).has_value());
}

TEST(ToolRequest, WParamZeroAndCodesBeyondTheViewReturnAtOnce) {
  struct Case {
    unsigned message;
    std::intptr_t wParam, code;
    bool applies;
  };
  const Case cases[] = {
      {kSectionToolRequest, 0, 1, false},  {kSectionToolRequest, 0, 0, false},
      {kSectionToolRequest, 1, 15, true},  {kSectionToolRequest, 1, 16, false},
      {kProjectToolRequest, 1, 14, true},  {kProjectToolRequest, 1, 15, false},
      {kProjectToolRequest, 5, -1, false}, {kDocumentRequest, 1, 1, false},
  };
  for (const Case& c : cases)
    EXPECT_EQ(ToolRequestApplies(c.message, c.wParam, c.code), c.applies) << c.message << " " << c.wParam << " " << c.code;
  const int modes[] = {18, 19, 100, 20, -10, 21, 22};
  for (int code = 8; code <= 14; ++code) EXPECT_EQ(EditAidModeOfProjectRequest(code), modes[code - 8]);
  EXPECT_EQ(EditAidModeOfProjectRequest(7), 0);
}

TEST(MessageArguments, DocumentOperationsAndOpenedFileCodes) {
  EXPECT_EQ(DecodeDocumentOperation(3).operation, 3);
  EXPECT_EQ(DecodeDocumentOperation(100).operation, 100);
  const DocumentOperation op = DecodeDocumentOperation(1204);
  EXPECT_EQ(op.operation, 4);
  EXPECT_EQ(op.argument, 12);
  EXPECT_EQ(OpenedFileCode("C:\\maps\\a.wl"), 12 * 100 + 7);
  EXPECT_EQ(OpenedFileCode("/home/图.wt"), 11 * 100 + 5);  // 图 is two GBK bytes
  EXPECT_EQ(OpenedFileCode("a.wt"), 4 * 100 - 1);
}

TEST(PostOrShow, AFailedPostShowsTheSendersText) {
  prompt::ScopedScriptedPrompts prompts;
  PaneWindowTable table;
  EXPECT_FALSE(table.PostOrShow(PaneEntry::kTabStrip, kSelectSidePage, 0, 2, "CSecGisEditView发送TAB消息失败"));
  QObject receiver;
  table.Record(PaneEntry::kTabStrip, &receiver);
  EXPECT_TRUE(table.PostOrShow(PaneEntry::kTabStrip, kSelectSidePage, 0, 2, kPostFailedText));
  EXPECT_EQ(prompts->Messages(), std::vector<QString>{"CSecGisEditView发送TAB消息失败"});
  QCoreApplication::sendPostedEvents();
}

}  // namespace
}  // namespace zv::msg
