#pragma once
// The tool views driven offscreen: a view of each kind over a map shown at
// a known scale, the program's switches reset, the prompts scripted, the
// cursor moves recorded, and a recording edit-aid tool in the factory.

#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <vector>

#include "app/app_settings.h"
#include "common/globals/program_globals.h"
#include "common/snapped_point.h"
#include "framework/messages/private_message.h"
#include "framework/prompts/scripted_prompts.h"
#include "platform/view/tool_factory.h"
#include "tests/platform/data/area_probes.h"
#include "tests/views/view_test_support.h"
#include "views/cursor_seam.h"
#include "views/sec_prj_tool_view.h"
#include "views/sec_tool_view.h"
#include "views/view_commands.h"

namespace zv::test {

// What the recording edit-aid tool saw when it was made.
struct MadeTool {
  int mode = 0;
  int flag = 0;
  bool cancelledBefore = false;
};
inline std::vector<MadeTool> madeTools;

class RecordingEditAid : public BaseGisTool {
 public:
  RecordingEditAid(CGisEditView* view, int16_t mode, int32_t flag) : BaseGisTool(view, mode) {
    madeTools.push_back({mode, flag, view->GetExtTool() == nullptr});
  }
};

template <class View>
class ToolViewTest : public ::testing::Test {
 protected:
  void SetUp() override {
    RegisterEditViews();
    Tools().Register(
        "CSecEditAidTool",
        [](CGisEditView* view, int16_t mode, int32_t flag) -> BaseGisTool* { return new RecordingEditAid(view, mode, flag); },
        [](int16_t mode) { return mode != 117; });
    madeTools.clear();
    Settings() = AppSettings();
    CurrentPickMode() = 0;
    SnapEnabled() = 0;
    OrthoEnabled() = 0;
    SnapState = kSnapTaken;
    view_.resize(400, 300);
    view_.show();
    ShowAt(1.0);
  }
  void TearDown() override { CurrentPickMode() = 0; }

  // The map from (0, 0) at the window's bottom-left, `rate` pixels a unit.
  void ShowAt(double rate) {
    WIN_ORG org = view_._GetWinDispParam();
    org.scale = rate;
    org.x = 0;
    org.y = 0;
    ASSERT_TRUE(view_._SetWinDispParam(org));
  }
  QPoint At(const D_DOT& p, QPoint offset = {}) {
    const CPoint c = view_._LpToWp(p);
    return QPoint(c.x, c.y) + offset;
  }
  void Press(QPoint at, Qt::MouseButton button = Qt::LeftButton, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    SendMouse(view_, QEvent::MouseButtonPress, at, button, modifiers);
  }
  void Release(QPoint at, Qt::MouseButton button = Qt::LeftButton) {
    SendMouse(view_, QEvent::MouseButtonRelease, at, button);
  }
  void MoveTo(QPoint at, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QMouseEvent e(QEvent::MouseMove, QPointF(at), view_.mapToGlobal(QPointF(at)), Qt::NoButton, Qt::NoButton, modifiers);
    QApplication::sendEvent(&view_, &e);
  }
  void Key(Qt::Key key) {
    QKeyEvent e(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(&view_, &e);
  }
  void Request(unsigned message, std::intptr_t wParam, std::intptr_t code) {
    msg::PrivateMessageEvent e(message, wParam, code);
    QApplication::sendEvent(&view_, &e);
  }

  RecordingChrome chrome_;
  prompt::ScopedScriptedPrompts prompts_;
  std::vector<QPoint> cursorMoves_;
  ScopedCursorMover mover_{[this](const QPoint& p) { cursorMoves_.push_back(p); }};
  View view_;
};

}  // namespace zv::test
