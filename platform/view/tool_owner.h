#pragma once
// Ownership of a view's installed tool. The view owns the tool from its
// installation on and deletes it when another is installed, when it is
// removed, or when the owner goes. A tool may replace or remove itself from
// inside one of its own handlers (a mode that restarts another tool, a right
// button that ends the figure); the owner then only retires it, and deletes
// it once the outermost handler running through Dispatch has returned.

#include <memory>
#include <utility>
#include <vector>

namespace zv {

template <class Tool>
class ToolOwner {
 public:
  ToolOwner() = default;
  ToolOwner(const ToolOwner&) = delete;
  ToolOwner& operator=(const ToolOwner&) = delete;
  ~ToolOwner() {
    retired_.clear();
    current_.reset();
  }

  Tool* current() const { return current_.get(); }

  // Installs `tool` (null installs nothing) and retires the previous one.
  void Install(std::unique_ptr<Tool> tool) {
    Retire(std::move(current_));
    current_ = std::move(tool);
  }
  // Retires the current tool; no tool is installed afterwards.
  void Remove() { Retire(std::move(current_)); }

  // Held while a handler of a tool runs; retired tools are deleted when the
  // outermost one ends.
  class Dispatch {
   public:
    explicit Dispatch(ToolOwner& owner) : owner_(owner) { ++owner_.depth_; }
    Dispatch(const Dispatch&) = delete;
    Dispatch& operator=(const Dispatch&) = delete;
    ~Dispatch() {
      if (--owner_.depth_ == 0) owner_.retired_.clear();
    }

   private:
    ToolOwner& owner_;
  };

  bool dispatching() const { return depth_ > 0; }

 private:
  void Retire(std::unique_ptr<Tool> tool) {
    if (!tool) return;
    if (depth_ > 0)
      retired_.push_back(std::move(tool));
    else
      tool.reset();
  }

  std::unique_ptr<Tool> current_;
  std::vector<std::unique_ptr<Tool>> retired_;
  int depth_ = 0;
};

}  // namespace zv
