#include "platform/view/tool_owner.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace zv {
namespace {

std::vector<std::string> gLog;

struct Probe {
  explicit Probe(std::string name) : name(std::move(name)) {}
  ~Probe() { gLog.push_back("~" + name); }
  std::string name;
};

TEST(ToolOwner, DeletesTheOldToolOnInstallAndTheLastOnDestruction) {
  gLog.clear();
  {
    ToolOwner<Probe> owner;
    owner.Install(std::make_unique<Probe>("a"));
    owner.Install(std::make_unique<Probe>("b"));
    EXPECT_EQ(gLog, std::vector<std::string>{"~a"});
    EXPECT_EQ(owner.current()->name, "b");
  }
  EXPECT_EQ(gLog, (std::vector<std::string>{"~a", "~b"}));
}

TEST(ToolOwner, AToolReplacedOrRemovedInsideItsHandlerLivesUntilTheHandlerReturns) {
  struct Case {
    const char* name;
    std::function<void(ToolOwner<Probe>&)> insideHandler;
    const char* currentAfter;
  };
  const Case cases[] = {
      {"replaced", [](ToolOwner<Probe>& o) { o.Install(std::make_unique<Probe>("next")); }, "next"},
      {"removed", [](ToolOwner<Probe>& o) { o.Remove(); }, nullptr},
      {"replaced twice",
       [](ToolOwner<Probe>& o) {
         o.Install(std::make_unique<Probe>("middle"));
         o.Install(std::make_unique<Probe>("next"));
       },
       "next"},
  };
  for (const Case& c : cases) {
    gLog.clear();
    ToolOwner<Probe> owner;
    owner.Install(std::make_unique<Probe>("running"));
    {
      ToolOwner<Probe>::Dispatch outer(owner);
      Probe* self = owner.current();
      {
        ToolOwner<Probe>::Dispatch inner(owner);  // a nested event
        c.insideHandler(owner);
      }
      // Still alive: the handler may go on using its own members.
      EXPECT_EQ(self->name, "running") << c.name;
      EXPECT_TRUE(std::find(gLog.begin(), gLog.end(), "~running") == gLog.end()) << c.name;
    }
    EXPECT_TRUE(std::find(gLog.begin(), gLog.end(), "~running") != gLog.end()) << c.name;
    if (c.currentAfter)
      EXPECT_EQ(owner.current()->name, c.currentAfter) << c.name;
    else
      EXPECT_EQ(owner.current(), nullptr) << c.name;
  }
}

}  // namespace
}  // namespace zv
