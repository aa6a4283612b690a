#include "platform/data/order_places.h"

namespace zv::detail {
namespace {
std::size_t LowBit(std::size_t i) { return i & (~i + 1); }
}  // namespace

void OrderPlaces::Clear() {
  positionOf_.clear();
  tree_.assign(1, 0);
  stale_ = false;
}

void OrderPlaces::Rebuild(const std::vector<int32_t>& order, const std::vector<bool>& live) {
  Clear();
  // In one pass: each node hands its sum on to the next node covering it.
  tree_.resize(order.size() + 1, 0);
  for (std::size_t position = 1; position <= order.size(); ++position) {
    const int32_t id = order[position - 1];
    if (id > 0) {
      if (positionOf_.size() <= static_cast<std::size_t>(id)) positionOf_.resize(static_cast<std::size_t>(id) + 1, 0);
      positionOf_[static_cast<std::size_t>(id)] = position;
    }
    tree_[position] += live[position - 1] ? 1 : 0;
    const std::size_t parent = position + LowBit(position);
    if (parent <= order.size()) tree_[parent] += tree_[position];
  }
}

void OrderPlaces::Appended(int32_t id, bool live) {
  if (stale_ || id <= 0) return;
  const std::size_t position = tree_.size();
  // The new node sums the positions it covers: those before it that its
  // range takes in, plus itself.
  const int64_t covered = LiveBefore(position - 1) - LiveBefore(position - LowBit(position));
  tree_.push_back(static_cast<int32_t>(covered) + (live ? 1 : 0));
  if (positionOf_.size() <= static_cast<std::size_t>(id)) positionOf_.resize(static_cast<std::size_t>(id) + 1, 0);
  positionOf_[static_cast<std::size_t>(id)] = position;
}

void OrderPlaces::Died(int32_t id) {
  if (stale_ || id <= 0 || static_cast<std::size_t>(id) >= positionOf_.size()) return;
  const std::size_t position = positionOf_[static_cast<std::size_t>(id)];
  if (position != 0) Add(position, -1);
}

int64_t OrderPlaces::PlaceOf(int32_t id) const {
  if (id <= 0 || static_cast<std::size_t>(id) >= positionOf_.size()) return -1;
  const std::size_t position = positionOf_[static_cast<std::size_t>(id)];
  return position == 0 ? -1 : LiveBefore(position - 1);
}

int64_t OrderPlaces::LiveBefore(std::size_t position) const {
  int64_t sum = 0;
  for (std::size_t i = position; i > 0; i -= LowBit(i)) sum += tree_[i];
  return sum;
}

void OrderPlaces::Add(std::size_t position, int32_t delta) {
  for (std::size_t i = position; i < tree_.size(); i += LowBit(i)) tree_[i] += delta;
}

}  // namespace zv::detail
