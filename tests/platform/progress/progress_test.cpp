#include "platform/progress/progress.h"

#include <gtest/gtest.h>

#include <vector>

namespace zv {
namespace {

class RecordingSink : public ProgressSink {
 public:
  explicit RecordingSink(std::vector<ProgressState>* shown, bool* cancel) : shown_(shown), cancel_(cancel) {}
  void Show(const ProgressState& s) override { shown_->push_back(s); }
  void Hide() override { shown_->push_back({}); }
  bool CancelRequested() override { return *cancel_; }

 private:
  std::vector<ProgressState>* shown_;
  bool* cancel_;
};

TEST(Progress, NamesRangeAndPositionReachTheSinkOnlyWhileRunning) {
  std::vector<ProgressState> shown;
  bool cancel = false;
  InstallProgressSink(std::make_unique<RecordingSink>(&shown, &cancel));
  SetPos(5);  // before a start: not shown
  EXPECT_TRUE(shown.empty());
  StartProgress("读取", false);
  SetSubProgressName("线");
  SetRange(10, 20);
  EXPECT_TRUE(SetPos(25));
  EXPECT_EQ(CurrentProgress().position, 20);
  SetRange(30, 0);  // reversed: an empty range at 30
  EXPECT_EQ(CurrentProgress().maximum, 30);
  EXPECT_EQ(CurrentProgress().position, 30);
  cancel = true;  // not cancellable: ignored
  EXPECT_TRUE(SetPos(1));
  EndProgress();
  ASSERT_GE(shown.size(), 5u);
  EXPECT_EQ(shown[1].name, "读取");
  EXPECT_EQ(shown[1].subName, "线");
  EXPECT_FALSE(shown.back().running);
  InstallProgressSink(nullptr);
}

TEST(Progress, ACancellableProgressStopsItsCallerOnceCancelled) {
  std::vector<ProgressState> shown;
  bool cancel = false;
  InstallProgressSink(std::make_unique<RecordingSink>(&shown, &cancel));
  StartProgress("计算", true);
  const int startsBefore = CurrentProgress().starts;
  SetRange(0, 100);
  int steps = 0;
  for (int i = 0; i <= 100; ++i, ++steps) {
    if (i == 40) cancel = true;
    if (!SetPos(i)) break;
  }
  EXPECT_EQ(steps, 40);
  EXPECT_TRUE(ProgressCancelled());
  EndProgress();
  StartProgress("again", true);  // a new start forgets the cancel
  cancel = false;
  EXPECT_FALSE(ProgressCancelled());
  EXPECT_EQ(CurrentProgress().starts, startsBefore + 1);
  EndProgress();
  InstallProgressSink(nullptr);
}

}  // namespace
}  // namespace zv
