#pragma once
// An editing view with the edit-aid tool installed by its command, and
// helpers that drive it at map coordinates and read what it appended.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/platform/view/view_fixture.h"
#include "tools/edit_aid/edit_aid_commands.h"
#include "tools/edit_aid/sec_edit_aid_tool.h"

namespace zv::tools::test {

class EditAidTest : public zv::test::ViewTest {
 public:
  void SetUp() override {
    ViewTest::SetUp();
    BasResetDefaultParams();
  }

  CSecEditAidTool* Start(int16_t mode) {
    StartEditAidTool(*view, mode);
    return Tool();
  }
  CSecEditAidTool* Tool() const { return dynamic_cast<CSecEditAidTool*>(view->GetExtTool()); }

  void Move(D_DOT p, unsigned flags = 0) { view->MouseMove(flags, At(p)); }
  void RightUp(D_DOT p, unsigned flags = 0) { view->RButtonUp(flags, At(p)); }
  void Key(unsigned key) { view->KeyDown(key, 1, 0); }
  // Types the text as the keys of the main keyboard rows.
  void Type(const std::string& text) {
    for (char c : text) {
      if (c >= '0' && c <= '9') Key(48 + (c - '0'));
      if (c == '.') Key(190);
      if (c == ',') Key(188);
      if (c == '-') Key(189);
    }
  }

  // The lines of an area, in id order.
  static std::vector<std::vector<D_DOT>> Lines(WorkAreaHandle area) {
    int32_t live = 0, bound = 0;
    BasGetLineCount(area, &live, &bound);
    std::vector<std::vector<D_DOT>> lines;
    for (int32_t id = 1; id < bound; ++id) {
      std::vector<D_DOT> v;
      if (BasReadLine(area, id, &v, nullptr)) lines.push_back(v);
    }
    return lines;
  }
  static int32_t LiveCount(WorkAreaHandle area, int (*count)(WorkAreaHandle, int32_t*, int32_t*)) {
    int32_t live = 0, bound = 0;
    count(area, &live, &bound);
    return live;
  }
  // The line of the current line area with the highest id, or none.
  std::vector<D_DOT> LastLine() const {
    std::vector<std::vector<D_DOT>> lines = Lines(lin);
    return lines.empty() ? std::vector<D_DOT>{} : lines.back();
  }
  int32_t LineCount() const { return LiveCount(lin, BasGetLineCount); }

  static void ExpectVertices(const std::vector<D_DOT>& got, const std::vector<D_DOT>& want, double tol = 1e-9) {
    ASSERT_EQ(got.size(), want.size());
    for (std::size_t i = 0; i < want.size(); ++i) {
      SCOPED_TRACE("vertex " + std::to_string(i));
      EXPECT_NEAR(got[i].x, want[i].x, tol);
      EXPECT_NEAR(got[i].y, want[i].y, tol);
    }
  }
};

}  // namespace zv::tools::test
