// Lattice sizes, counted in 64 bits and capped. Linux may grant an allocation
// far larger than the memory and kill the process only when it is filled, so
// a fit checks the total size of its lattices before it allocates any.
#ifndef ZEMBROL_LATTICE_BUDGET_H
#define ZEMBROL_LATTICE_BUDGET_H

#include <cstdint>
#include <optional>

namespace zembrol {

// At most 64 Mi nodes over all levels of one fit (about 0.6 GB of
// coefficients and flags, plus the fit's work arrays for one level).
inline constexpr int64_t kMaxLatticeNodes = int64_t{1} << 26;

// The (m + 3)(n + 3) nodes of an m x n cell lattice; nothing when a count is
// below 1 or the lattice alone exceeds the cap.
inline std::optional<int64_t> LatticeNodes(int64_t m, int64_t n) {
  if (m < 1 || n < 1 || m > kMaxLatticeNodes || n > kMaxLatticeNodes) {
    return std::nullopt;
  }
  const int64_t nodes = (m + 3) * (n + 3);
  if (nodes > kMaxLatticeNodes) {
    return std::nullopt;
  }
  return nodes;
}

// The nodes of `levels` lattices, the first m x n cells and each further one
// doubling the cells in both directions; nothing when the total exceeds the
// cap. The loop ends after a few dozen levels at most, since the sizes grow.
inline std::optional<int64_t> MultilevelNodes(int64_t m, int64_t n, int64_t levels) {
  int64_t total = 0;
  for (int64_t level = 0; level < levels; ++level) {
    const std::optional<int64_t> nodes = LatticeNodes(m, n);
    if (!nodes || total + *nodes > kMaxLatticeNodes) {
      return std::nullopt;
    }
    total += *nodes;
    m *= 2;
    n *= 2;
  }
  return total;
}

}  // namespace zembrol

#endif  // ZEMBROL_LATTICE_BUDGET_H
