// The plan view's services for a side panel and the user, driven offscreen:
// the flash requests (0x46E) as delivered, the pick under flag 1230 that
// reaches a waiting panel, plan request 10, and the distance-and-angle
// measurement with plan request 12.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QPointer>
#include <cmath>
#include <functional>

#include "app/app_settings.h"
#include "common/snapped_point.h"
#include "framework/messages/pane_window_table.h"
#include "framework/messages/private_message.h"
#include "framework/messages/request_payloads.h"
#include "framework/prompts/scripted_prompts.h"
#include "tests/views/view_test_support.h"
#include "views/edit_view_shared.h"
#include "views/view_commands.h"
#include "zavediz/plan/plan_flash.h"

namespace zv::zavediz {
namespace {

// A panel waiting for a pick: it records the ids the view hands it.
class StubRequester : public QObject, public EntityPickRequester {
 public:
  void OnEntityPicked(int32_t id) override { picked.push_back(id); }
  std::vector<int32_t> picked;
};

class PlanFlashTest : public ::testing::Test {
 protected:
  void SetUp() override {
    RegisterEditViews();
    RegisterPlanFlash();
    Settings() = AppSettings();
    view_.resize(400, 300);
    view_.show();
    msg::PaneWindows().Record(msg::PaneEntry::kProjectEditView, &view_);
    requester_ = new StubRequester;
    msg::PaneWindows().Record(msg::PaneEntry::kStrataPanelCommandTarget, requester_);
    // A square frame, a point and a region of 40 × 40 about (200, 150).
    line_ = BasAppendLine(Lines(), std::vector<D_DOT>{{0, 0}, {400, 0}, {400, 300}, {0, 300}, {0, 0}}, LIN_INFO{});
    PNT_INFO text;
    text.setKind(0);
    point_ = BasAppendPoint(view_.GetCurrentPntArea(), {100, 100}, "P", text);
    const int32_t arc = BasAppendLine(Regions(), std::vector<D_DOT>{{180, 130}, {220, 130}, {220, 170}, {180, 170}, {180, 130}},
                                      LIN_INFO{});
    region_ = BasAppendRegion(Regions(), std::vector<int32_t>{0, arc}, REG_INFO{});
    // Map units as pixels, so that clicks land on whole map points.
    WIN_ORG org = view_._GetWinDispParam();
    org.x = 0;
    org.y = 0;
    org.scale = 1.0;
    view_._SetWinDispParam(org);
  }
  void TearDown() override { delete requester_; }

  WorkAreaHandle Lines() const { return view_.GetCurrentLinArea(); }
  WorkAreaHandle Regions() const { return view_.GetCurrentRegArea(); }
  void Deliver() { QCoreApplication::sendPostedEvents(); }
  void ClickAt(D_DOT at, Qt::MouseButton button = Qt::LeftButton) {
    const CPoint p = view_._LpToWp(at);
    zv::test::Click(view_, {p.x, p.y}, button);
  }
  void MoveTo(D_DOT at) {
    const CPoint p = view_._LpToWp(at);
    zv::test::Move(view_, {p.x, p.y});
  }
  bool Flashing() const { return view_.IsFlashing(); }
  std::vector<int32_t> PoolIds() const {
    std::vector<int32_t> ids;
    for (int i = 0; i < view_.PoolCount(); ++i) ids.push_back(view_.Pool()[i].id);
    return ids;
  }

  zv::test::RecordingChrome chrome_;
  prompt::ScopedScriptedPrompts prompts_;
  CSecPrjEditView view_;
  QPointer<StubRequester> requester_;
  int32_t line_ = 0, point_ = 0, region_ = 0;
};

TEST(FlashRequestDecoding, ThePackedNumberAndTheModesDecode) {
  const FlashOrder packed = DecodeFlashRequest(100, 123 * 10000 + 5 * 100 + 7);
  EXPECT_EQ(packed.mode, kFlashPacked);
  EXPECT_EQ(packed.entity, (ENTITY_MSG{5, 7, 123}));
  EXPECT_EQ(PackFlashEntity(123, 5, 7), 123 * 10000 + 5 * 100 + 7);
  const FlashOrder list = DecodeFlashRequest(4000 * 100 + 1, msg::PutRequestPayload(std::vector<int32_t>{3, 4}));
  EXPECT_EQ(list.mode, kFlashList);
  EXPECT_EQ(list.listArea, 4000) << "a list names any 16-bit area";
  EXPECT_EQ(list.ids, (std::vector<int32_t>{3, 4}));
  EXPECT_TRUE(list.hasList);
  EXPECT_FALSE(DecodeFlashRequest(101, 0).hasList);
  EXPECT_EQ(DecodeFlashRequest(7, 0).mode, 7);
}

TEST_F(PlanFlashTest, FlashRequestsFlashSelectAndEndAsTheirModeSays) {
  ASSERT_LT(Regions(), 100) << "the packed number holds two digits of area";
  struct Case {
    const char* name;
    std::function<void()> post;
    long flag;
    bool flashing;
    bool waiting;  // the flashed area is remembered for a pick
    std::vector<int32_t> pool;
  };
  const Case cases[] = {
      {"one entity", [this] { PostFlashEntity({Lines(), kLineEntity, line_}); }, kPickEntityFlag,
       true, true, {}},
      {"the packed number",
       [this] {
         msg::PostPrivateMessage(&view_, msg::kFlashEntity, kFlashPacked,
                                 PackFlashEntity(region_, Regions(), kRegionEntity));
       },
       kPickEntityFlag, true, true, {}},
      {"a list", [this] { PostFlashList(Regions(), {region_}); }, kFlagIdle, true, false,
       {region_}},
      {"a list request without its list",
       [this] { msg::PostPrivateMessage(&view_, msg::kFlashEntity, Regions() * 100 + 1, 0); },
       kFlagIdle, false, false, {}},
      {"an invalid area", [] { PostFlashEntity({9999, kLineEntity, 1}); }, kFlagIdle, false, false, {}},
      {"an invalid area for a list", [] { PostFlashList(9999, {1}); }, kFlagIdle, false, false, {}},
      {"another mode", [this] { msg::PostPrivateMessage(&view_, msg::kFlashEntity, 7, 0); },
       kFlagIdle, false, false, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    view_._SetCommandFlag(kFlagIdle);
    view_._StopFlash(-1);
    view_.ClearPool();
    PlanFlash::Of(view_).EndFlash();
    c.post();
    Deliver();
    EXPECT_EQ(view_._GetCommandFlag(), c.flag);
    EXPECT_EQ(Flashing(), c.flashing);
    EXPECT_EQ(PlanFlash::Of(view_).FlashedArea() != 0, c.waiting);
    EXPECT_EQ(PoolIds(), c.pool);
  }
  // The region's centre comes to the window's centre.
  const CPoint centre = view_._LpToWp(D_DOT{200, 150});
  EXPECT_NEAR(centre.x, view_.width() / 2, 1);
  EXPECT_NEAR(centre.y, view_.height() / 2, 1);

  // Mode 3 ends it all and closes the waiting panel.
  PostFlashEntity({Lines(), kLineEntity, line_});
  ASSERT_TRUE(PostFlashEnd());
  Deliver();
  EXPECT_EQ(view_._GetCommandFlag(), kFlagIdle);
  EXPECT_FALSE(Flashing());
  EXPECT_EQ(PlanFlash::Of(view_).FlashedArea(), 0);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(requester_.isNull());
  EXPECT_EQ(msg::PaneWindows().Receiver(msg::PaneEntry::kStrataPanelCommandTarget), nullptr);
}

TEST_F(PlanFlashTest, APickUnderTheFlashReachesTheWaitingPanelByTheAreasType) {
  struct Case {
    const char* name;
    WorkAreaHandle area;
    int16_t type;
    int32_t id;
    D_DOT click;
    int32_t picked;
  };
  const Case cases[] = {
      {"a point", view_.GetCurrentPntArea(), kPointEntity, point_, {101, 101}, point_},
      {"a line", Lines(), kLineEntity, line_, {400, 120}, line_},
      {"a region", Regions(), kRegionEntity, region_, {210, 160}, region_},
      {"nothing there", Regions(), kRegionEntity, region_, {50, 250}, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    PostFlashEntity({c.area, c.type, c.id});
    Deliver();
    requester_->picked.clear();
    ClickAt(c.click);
    EXPECT_EQ(requester_->picked, std::vector<int32_t>{c.picked});
  }

  // Plan request 10 ends the wait: a click no longer reaches the panel.
  msg::PaneWindows().Post(msg::PaneEntry::kProjectEditView, msg::kPlanRequest, 0, kEndFlashRequest);
  Deliver();
  EXPECT_EQ(view_._GetCommandFlag(), kFlagIdle);
  EXPECT_FALSE(Flashing());
  requester_->picked.clear();
  ClickAt({210, 160});
  EXPECT_TRUE(requester_->picked.empty());
}

TEST_F(PlanFlashTest, MeasuringOnThePlanGivesTheRightAngleAndEndsWithItsWindow) {
  ASSERT_EQ(cmd::Execute({&view_}, 32975), cmd::RunResult::kRan);
  EXPECT_EQ(view_._GetCommandFlag(), kFlagMeasure);
  ASSERT_EQ(chrome_.measures.size(), 1u);
  EXPECT_EQ(chrome_.measures[0].mode, 0);

  // The first point is the one keyed in; then (10, 0); the cursor at (10, 10).
  SnappedPoint = {0, 0};
  SnapState = kSnapWaiting;
  ClickAt({50, 50});
  EXPECT_EQ(SnapState, kSnapTaken);
  ClickAt({10, 0});
  MoveTo({10, 10});
  std::array<double, 6> v = chrome_.measures.back().values;
  EXPECT_NEAR(v[0], 10, 1e-9);
  EXPECT_NEAR(v[1], 20, 1e-9);
  EXPECT_NEAR(v[4], 0, 1e-9) << "the cursor lies due north of the last point";
  EXPECT_NEAR(v[5], 90, 1e-9);
  // The cursor on the last point: a side without length gives angle 0.
  MoveTo({10, 0});
  v = chrome_.measures.back().values;
  for (double x : v) EXPECT_FALSE(std::isnan(x));
  EXPECT_EQ(v[5], 0);

  // Seventy clicks eastward are all kept; the right button shows the last segment.
  for (int i = 2; i < 70; ++i) ClickAt({10.0 * i, 0});
  ClickAt({0, 0}, Qt::RightButton);
  v = chrome_.measures.back().values;
  EXPECT_NEAR(v[0], 10, 1e-9);
  EXPECT_NEAR(v[1], 690, 1e-9);
  EXPECT_NEAR(v[4], 90, 1e-9);
  EXPECT_NEAR(v[5], 180, 1e-9);
  EXPECT_TRUE(chrome_.menus.empty()) << "the right button ends the measurement first";

  // The measurement window closed (plan request 12).
  msg::PaneWindows().Post(msg::PaneEntry::kProjectEditView, msg::kPlanRequest, 0, 12);
  Deliver();
  EXPECT_EQ(view_._GetCommandFlag(), kFlagIdle);
  EXPECT_TRUE(view_.measure.points.empty());
}

}  // namespace
}  // namespace zv::zavediz
