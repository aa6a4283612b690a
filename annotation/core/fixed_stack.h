#pragma once
// A stack in a fixed array: the calculator's working stores never grow and
// never allocate, and a push beyond the capacity is refused instead of
// writing past the end.

#include <array>
#include <cstddef>

namespace zv::annot {

template <typename T, std::size_t Capacity>
class FixedStack {
 public:
  [[nodiscard]] bool Push(const T& item) {
    if (size_ == Capacity) return false;
    items_[size_++] = item;
    return true;
  }
  void Pop() { --size_; }
  T& Top() { return items_[size_ - 1]; }
  const T& Top() const { return items_[size_ - 1]; }
  bool Empty() const { return size_ == 0; }
  std::size_t Size() const { return size_; }

 private:
  std::array<T, Capacity> items_{};
  std::size_t size_ = 0;
};

}  // namespace zv::annot
