#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "framework/commands/command_table.h"

namespace zv::cmd {
namespace {

struct Target : CommandTarget {
  explicit Target(std::string cls) : cls(std::move(cls)) {}
  std::string_view CommandClass() const override { return cls; }
  std::string cls;
  std::vector<std::string> ran;
};

Target& T(CommandTarget& t) { return static_cast<Target&>(t); }
void RunA(CommandTarget& t) { T(t).ran.push_back("A"); }
void RunB(CommandTarget& t) { T(t).ran.push_back("B"); }
void RunC(CommandTarget& t) { T(t).ran.push_back("C"); }
CommandUpdate Disabled(CommandTarget&) { return {false, false, {}}; }
CommandUpdate Checked(CommandTarget&) { return {true, true, {}}; }

bool Has(int id) { return id == 500; }
void RunMember(CommandTarget& t, int id) { T(t).ran.push_back("member" + std::to_string(id)); }
bool MemberEnabled(CommandTarget&, int) { return true; }

// A tool view over an editing view, a child frame, a main frame and an
// application over the framework's, as the program arranges them.
CommandRegistry MakeRegistry() {
  CommandRegistry r;
  r.DeclareClass("Edit", "", MemberProvider{Has, RunMember, MemberEnabled});
  r.DeclareClass("ToolView", "Edit");
  r.DeclareClass("Frame", "");
  r.DeclareClass("Main", "");
  r.DeclareClass("FrameworkApp", "");
  r.DeclareClass("App", "FrameworkApp");
  const CommandRow edit[] = {Empty(32995), Handler(1, RunA, "A"), Member(500), Member(501), BoundLater(7, "later")};
  const CommandRow tool[] = {Tool(32995, "CSecAuxTool", 3), Handler(2, RunB, "B", Disabled)};
  const CommandRow frame[] = {Handler(40021, RunC, "C"), Handler(1, RunC, "C")};
  const CommandRow frameworkApp[] = {Handler(57601, RunA, "framework open"), Handler(9, RunA, "A")};
  const CommandRow app[] = {Handler(57601, RunB, "own open"), Handler(33068, RunC, "snap", Checked)};
  r.AddRows("Edit", edit);
  r.AddRows("ToolView", tool);
  r.AddRows("Frame", frame);
  r.AddRows("FrameworkApp", frameworkApp);
  r.AddRows("App", app);
  return r;
}

TEST(CommandTable, TheFirstRowAlongDerivedToBaseAndViewToAppWins) {
  CommandRegistry r = MakeRegistry();
  Target view("ToolView"), frame("Frame"), main("Main"), app("App");
  const Route route{&view, &frame, &main, &app};
  struct Case {
    int id;
    CommandTarget* target;
    std::string holder;
    bool resolved;
  };
  const Case cases[] = {
      {1, &view, "Edit", true},          // the view's base beats the frame
      {40021, &frame, "Frame", true},    // the frame when no view row
      {57601, &app, "App", true},        // the application's open beats the framework's
      {9, &app, "FrameworkApp", true},   // the framework's row when the application has none
      {500, &view, "Edit", true},        // a member the editor has
      {501, &view, "Edit", false},       // a member it lacks is unresolved
      {7, &view, "Edit", false},         // bound later: unresolved
      {32995, &view, "ToolView", false}, // the tool row hides the base's empty row, unresolved without a launcher
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.id);
    const RouteHit hit = Resolve(route, c.id, r);
    ASSERT_NE(hit.row, nullptr);
    EXPECT_EQ(hit.target, c.target);
    EXPECT_EQ(std::string(hit.holder), c.holder);
    EXPECT_EQ(hit.resolved, c.resolved);
  }
  EXPECT_EQ(Resolve(route, 12345, r).row, nullptr);
  // With no view (no document open) the same id lands on the frame.
  EXPECT_EQ(Resolve({nullptr, nullptr, &main, &app}, 1, r).target, nullptr);
  EXPECT_EQ(Resolve({nullptr, &frame, &main, &app}, 1, r).target, &frame);
}

TEST(CommandTable, ExecuteRunsEnabledRowsAndReportsTheOthers) {
  CommandRegistry r = MakeRegistry();
  Target view("ToolView"), frame("Frame"), main("Main"), app("App");
  const Route route{&view, &frame, &main, &app};
  EXPECT_EQ(Execute(route, 1, r), RunResult::kRan);
  EXPECT_EQ(Execute(route, 500, r), RunResult::kRan);
  EXPECT_EQ(Execute(route, 57601, r), RunResult::kRan);
  EXPECT_EQ(Execute(route, 2, r), RunResult::kDisabled);
  EXPECT_EQ(Execute(route, 7, r), RunResult::kBoundLater);
  EXPECT_EQ(Execute(route, 501, r), RunResult::kNotFound);
  EXPECT_EQ(Execute(route, 32995, r), RunResult::kBoundLater);
  EXPECT_EQ(Execute(route, 12345, r), RunResult::kNotFound);
  EXPECT_EQ(view.ran, (std::vector<std::string>{"A", "member500"}));
  EXPECT_EQ(app.ran, (std::vector<std::string>{"B"}));

  const CommandUpdate snap = UpdateOf(Resolve(route, 33068, r), r);
  EXPECT_TRUE(snap.enabled);
  EXPECT_TRUE(snap.checked);
  EXPECT_FALSE(UpdateOf(Resolve(route, 7, r), r).enabled);
}

TEST(CommandTable, AToolLauncherResolvesToolRowsItKnows) {
  CommandRegistry r = MakeRegistry();
  std::vector<std::string> launched;
  r.SetToolLauncher({[](const char* cls, int mode) { return std::string(cls) == "CSecAuxTool" && mode == 3; },
                     [&launched](CommandTarget&, const ToolLaunch& l) {
                       launched.push_back(std::string(l.toolClass) + ":" + std::to_string(l.mode) +
                                          (l.cancelFirst ? ":cancel" : ""));
                     }});
  Target view("ToolView"), app("App");
  EXPECT_TRUE(Resolve({&view, &app}, 32995, r).resolved);
  EXPECT_EQ(Execute({&view, &app}, 32995, r), RunResult::kRan);
  EXPECT_EQ(launched, (std::vector<std::string>{"CSecAuxTool:3:cancel"}));
  // The editing view alone keeps its empty item.
  Target edit("Edit");
  const RouteHit hit = Resolve({&edit}, 32995, r);
  EXPECT_TRUE(hit.resolved);
  EXPECT_EQ(hit.row->kind, CommandKind::kEmpty);
}

}  // namespace
}  // namespace zv::cmd
