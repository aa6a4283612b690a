#pragma once
// Command tables: what a command id does for each class of command target
// (views, child frames, the main frame, the application), as rows of data.
//
// A class's table names its base class's table; looking an id up walks the
// class chain derived → base and the first row for the id wins, so a derived
// class overrides a base row by adding its own. A command travels along a
// route of targets (active view → its child frame → main frame →
// application); the first target whose chain has a row for the id takes it.
//
// Registration: each module adds its rows with one call (`DeclareClass`,
// `AddRows`); app/ lists those calls in one place. Rows of one class keep the
// order of their registration, so a module registered earlier wins over a
// later one for the same id in the same class.
//
// Row kinds:
//   kHandler         a function of the target (`handler`).
//   kPlatformMember  the platform editor's member with the same id, run by the
//                    class's MemberProvider (see DeclareClass). The row is
//                    unresolved when the provider does not know the id.
//   kToolLaunch      installs a tool {class, mode, cancels first, flag}
//                    through the installed ToolLauncher (the tool views bind
//                    it to the tool factory); while no launcher knows the
//                    class and mode the row is bound later.
//   kEmpty           the item exists and does nothing.
//   kBoundLater      kept for its id; hidden in menus and toolbars; reached by
//                    a key it only yields a notice naming the item.
// An unresolved or bound-later row still ends the walk: a derived row hides
// the base row of the same id even before its own handler exists.

#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace zv::cmd {

class CommandTarget {
 public:
  virtual ~CommandTarget() = default;
  // The name of the target's class in the registry ("CSecToolView", ...).
  virtual std::string_view CommandClass() const = 0;
};

// What a menu item shows: enabled, checked, and a text of its own when the
// text changes with the state (empty: the row's text).
struct CommandUpdate {
  bool enabled = true;
  bool checked = false;
  std::string text;
};

enum class CommandKind { kHandler, kPlatformMember, kToolLaunch, kEmpty, kBoundLater };

struct ToolLaunch {
  const char* toolClass = nullptr;
  int mode = 0;
  bool cancelFirst = false;
  int flag = 0;
};

using HandlerFn = void (*)(CommandTarget& target);
using UpdateFn = CommandUpdate (*)(CommandTarget& target);

struct CommandRow {
  int id = 0;
  CommandKind kind = CommandKind::kEmpty;
  HandlerFn handler = nullptr;  // kHandler
  UpdateFn update = nullptr;    // null: enabled, not checked
  ToolLaunch tool{};            // kToolLaunch
  const char* name = nullptr;   // the handler's or member's name, for notices and tests
};

// Row builders, so tables read as one line per command.
constexpr CommandRow Handler(int id, HandlerFn fn, const char* name, UpdateFn update = nullptr) {
  return {id, CommandKind::kHandler, fn, update, {}, name};
}
constexpr CommandRow Member(int id, const char* name = nullptr) {
  return {id, CommandKind::kPlatformMember, nullptr, nullptr, {}, name};
}
constexpr CommandRow Tool(int id, const char* toolClass, int mode, bool cancelFirst = true, int flag = 0) {
  return {id, CommandKind::kToolLaunch, nullptr, nullptr, {toolClass, mode, cancelFirst, flag}, toolClass};
}
constexpr CommandRow Empty(int id) { return {id, CommandKind::kEmpty, nullptr, nullptr, {}, nullptr}; }
constexpr CommandRow BoundLater(int id, const char* name = nullptr) {
  return {id, CommandKind::kBoundLater, nullptr, nullptr, {}, name};
}

// How a class runs kPlatformMember rows on its targets.
struct MemberProvider {
  bool (*has)(int id) = nullptr;
  void (*run)(CommandTarget& target, int id) = nullptr;
  bool (*enabled)(CommandTarget& target, int id) = nullptr;  // null: always enabled
};

// How kToolLaunch rows install their tools (the tool views register one).
// `knows` tells whether a tool class makes a mode now; a row it does not
// know acts as a bound-later row.
struct ToolLauncher {
  std::function<bool(const char* toolClass, int mode)> knows;
  std::function<void(CommandTarget& target, const ToolLaunch& launch)> launch;
};

class CommandRegistry {
 public:
  // Declares a class and its base ("" for none). Declaring a class again
  // changes its base and provider and keeps its rows.
  void DeclareClass(std::string_view name, std::string_view base, MemberProvider members = {});
  // Appends rows to a class (declared on first use, with no base).
  void AddRows(std::string_view className, std::span<const CommandRow> rows);

  // The first row for the id along the class chain, with the class whose
  // table holds it; null when none has the id.
  struct Found {
    const CommandRow* row = nullptr;
    std::string_view holder;
  };
  Found Find(std::string_view className, int id) const;
  const MemberProvider* Members(std::string_view className) const;
  std::string_view BaseOf(std::string_view className) const;

  void SetToolLauncher(ToolLauncher launcher) { launcher_ = std::move(launcher); }
  const ToolLauncher& toolLauncher() const { return launcher_; }

 private:
  struct Class {
    std::string name;
    std::string base;
    MemberProvider members;
    std::vector<CommandRow> rows;
  };
  Class& Get(std::string_view name);
  const Class* Lookup(std::string_view name) const;

  std::vector<Class> classes_;
  ToolLauncher launcher_;
};

// The program's one registry.
CommandRegistry& Registry();

// ---- Routing

// Where an id lands along a route, and what it does there.
struct RouteHit {
  CommandTarget* target = nullptr;
  const CommandRow* row = nullptr;
  std::string_view holder;  // the class whose table holds the row
  // The row can run now or later (a handler, a member the provider knows, a
  // tool a launcher knows, an empty item). Bound-later rows are unresolved.
  bool resolved = false;
};

using Route = std::vector<CommandTarget*>;

// The first target of the route (nulls skipped) whose class chain has a row
// for the id.
RouteHit Resolve(const Route& route, int id, const CommandRegistry& registry = Registry());

// Enabled and checked for a resolved hit (disabled when unresolved).
CommandUpdate UpdateOf(const RouteHit& hit, const CommandRegistry& registry = Registry());

enum class RunResult { kRan, kDisabled, kBoundLater, kNotFound };
// Runs the command along the route when it resolves and is enabled.
RunResult Execute(const Route& route, int id, const CommandRegistry& registry = Registry());

}  // namespace zv::cmd
