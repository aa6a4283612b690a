#pragma once
// The clip tool's tests: the shown view of ViewTest with the tool's
// commands registered, default parameters reset and scripted prompts.
#include <QDialog>

#include "framework/prompts/scripted_prompts.h"
#include "platform/view/tool_factory.h"
#include "tests/platform/view/view_fixture.h"
#include "tests/views/view_test_support.h"
#include "tools/clip/clip_commands.h"
#include "tools/clip/sec_clip_tool.h"

namespace zv::tools {

class ClipToolTest : public zv::test::ViewTest {
 public:
  void SetUp() override {
    ViewTest::SetUp();
    BasResetDefaultParams();
    RegisterClipCommands();
  }
  bool Launch(int16_t mode) { return LaunchTool(*view, "CSecClipTool", mode, true, 0); }
  static int32_t Live(WorkAreaHandle area, int type) {
    int32_t live = 0, bound = 0;
    BasGetEntityCount(area, type, &live, &bound);
    return live;
  }
  static int AcceptAsTyped(QDialog& dialog) {
    dialog.accept();
    return -1;
  }

  prompt::ScopedScriptedPrompts script;
};

}  // namespace zv::tools
