#include "framework/commands/command_table.h"

#include <algorithm>

namespace zv::cmd {

CommandRegistry::Class& CommandRegistry::Get(std::string_view name) {
  for (Class& c : classes_)
    if (c.name == name) return c;
  classes_.push_back({std::string(name), {}, {}, {}});
  return classes_.back();
}

const CommandRegistry::Class* CommandRegistry::Lookup(std::string_view name) const {
  for (const Class& c : classes_)
    if (c.name == name) return &c;
  return nullptr;
}

void CommandRegistry::DeclareClass(std::string_view name, std::string_view base, MemberProvider members) {
  Class& c = Get(name);
  c.base = std::string(base);
  c.members = members;
}

void CommandRegistry::AddRows(std::string_view className, std::span<const CommandRow> rows) {
  Class& c = Get(className);
  c.rows.insert(c.rows.end(), rows.begin(), rows.end());
}

CommandRegistry::Found CommandRegistry::Find(std::string_view className, int id) const {
  // A chain is short; the bound guards against a class declared as its own
  // ancestor.
  const Class* c = Lookup(className);
  for (int depth = 0; c != nullptr && depth < 32; ++depth) {
    const auto it = std::find_if(c->rows.begin(), c->rows.end(), [id](const CommandRow& r) { return r.id == id; });
    if (it != c->rows.end()) return {&*it, c->name};
    c = c->base.empty() ? nullptr : Lookup(c->base);
  }
  return {};
}

const MemberProvider* CommandRegistry::Members(std::string_view className) const {
  const Class* c = Lookup(className);
  return c ? &c->members : nullptr;
}

std::string_view CommandRegistry::BaseOf(std::string_view className) const {
  const Class* c = Lookup(className);
  return c ? std::string_view(c->base) : std::string_view();
}

CommandRegistry& Registry() {
  static CommandRegistry registry;
  return registry;
}

namespace {

bool IsResolved(const CommandRow& row, std::string_view holder, const CommandRegistry& registry) {
  switch (row.kind) {
    case CommandKind::kHandler: return row.handler != nullptr;
    case CommandKind::kEmpty: return true;
    case CommandKind::kBoundLater: return false;
    case CommandKind::kToolLaunch: {
      const ToolLauncher& launcher = registry.toolLauncher();
      return launcher.knows && launcher.launch && launcher.knows(row.tool.toolClass, row.tool.mode);
    }
    case CommandKind::kPlatformMember: {
      const MemberProvider* members = registry.Members(holder);
      return members && members->has && members->run && members->has(row.id);
    }
  }
  return false;
}

}  // namespace

RouteHit Resolve(const Route& route, int id, const CommandRegistry& registry) {
  for (CommandTarget* target : route) {
    if (target == nullptr) continue;
    const CommandRegistry::Found found = registry.Find(target->CommandClass(), id);
    if (found.row == nullptr) continue;
    return {target, found.row, found.holder, IsResolved(*found.row, found.holder, registry)};
  }
  return {};
}

CommandUpdate UpdateOf(const RouteHit& hit, const CommandRegistry& registry) {
  if (!hit.resolved) return {false, false, {}};
  const CommandRow& row = *hit.row;
  if (row.update) return row.update(*hit.target);
  if (row.kind == CommandKind::kPlatformMember) {
    const MemberProvider* members = registry.Members(hit.holder);
    return {!members->enabled || members->enabled(*hit.target, row.id), false, {}};
  }
  return {};
}

RunResult Execute(const Route& route, int id, const CommandRegistry& registry) {
  const RouteHit hit = Resolve(route, id, registry);
  if (hit.row == nullptr) return RunResult::kNotFound;
  if (hit.row->kind == CommandKind::kBoundLater) return RunResult::kBoundLater;
  // A launch row whose tool is not made yet waits like a bound-later row.
  if (!hit.resolved) return hit.row->kind == CommandKind::kToolLaunch ? RunResult::kBoundLater : RunResult::kNotFound;
  if (!UpdateOf(hit, registry).enabled) return RunResult::kDisabled;
  const CommandRow& row = *hit.row;
  switch (row.kind) {
    case CommandKind::kHandler: row.handler(*hit.target); break;
    case CommandKind::kPlatformMember: registry.Members(hit.holder)->run(*hit.target, row.id); break;
    case CommandKind::kToolLaunch: registry.toolLauncher().launch(*hit.target, row.tool); break;
    case CommandKind::kEmpty:
    case CommandKind::kBoundLater: break;
  }
  return RunResult::kRan;
}

}  // namespace zv::cmd
