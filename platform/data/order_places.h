#pragma once
// Inside the library: where each id stands among the live ids of a drawing
// order, without walking the order. Not for callers.

#include <cstdint>
#include <vector>

namespace zv::detail {

// The order keeps deleted ids until it is compacted, and a place counts only
// the live ids before it, so a plain id → place table would go wrong at every
// deletion. Instead each id keeps its position in the order, and a prefix-sum
// tree over the positions counts the live ids before it: appending and
// deleting cost a logarithm, and only a rewrite of the order (a move to the
// front or back, a compaction, an id put back) rebuilds it, once, at the next
// question.
class OrderPlaces {
 public:
  void Clear();
  void MarkStale() { stale_ = true; }
  bool Stale() const { return stale_; }
  // `order` as it stands and, for each of its entries, whether it is live.
  void Rebuild(const std::vector<int32_t>& order, const std::vector<bool>& live);
  // The id was pushed at the end of the order.
  void Appended(int32_t id, bool live);
  // The id, live in the order until now, was deleted.
  void Died(int32_t id);
  // The number of live ids before a live id in the order; −1 when the id is
  // not in the order. The table must not be stale.
  int64_t PlaceOf(int32_t id) const;

 private:
  int64_t LiveBefore(std::size_t position) const;  // live entries at positions 1 .. position
  void Add(std::size_t position, int32_t delta);

  std::vector<std::size_t> positionOf_;  // by id; 0: not in the order
  std::vector<int32_t> tree_ = std::vector<int32_t>(1);  // Fenwick tree over positions 1 ..
  bool stale_ = false;
};

}  // namespace zv::detail
