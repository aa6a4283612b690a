#pragma once
// An editing view that records what a tool forwards to its selection and
// its pool (and still does it), in the shared view fixture (400 × 300, map
// units one to one onto pixels).

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/view/gis_edit_view.h"
#include "tests/platform/view/view_fixture.h"

namespace zv::annot::test {

class RecordingView : public CGisEditView {
 public:
  int SelectAll(unsigned m, unsigned f, CPoint p) override {
    Note("All", m, p);
    return CGisEditView::SelectAll(m, f, p);
  }
  int SelectLin(unsigned m, unsigned f, CPoint p, short reserved) override {
    Note("Lin", m, p);
    return CGisEditView::SelectLin(m, f, p, reserved);
  }
  int SelectReg(unsigned m, unsigned f, CPoint p) override {
    Note("Reg", m, p);
    return CGisEditView::SelectReg(m, f, p);
  }
  void ClearPool() override {
    calls.push_back("ClearPool");
    CGisEditView::ClearPool();
  }
  std::vector<std::string> Take() { return std::exchange(calls, {}); }

  std::vector<std::string> calls;

 private:
  void Note(const char* kind, unsigned message, CPoint p) {
    calls.push_back(std::string(kind) + " " + std::to_string(message) + " @" + std::to_string(p.x) + "," +
                    std::to_string(p.y));
  }
};

// The shared view fixture over a recording view.
class AnnotViewTest : public zv::test::ViewTest {
 public:
  std::unique_ptr<CGisEditView> MakeView() override { return std::make_unique<RecordingView>(); }
  RecordingView& Recorder() { return static_cast<RecordingView&>(*view); }
};

}  // namespace zv::annot::test
