#pragma once
// How the triangles of a TIN meet: for each triangle and each of its edges
// (edge i runs from corner i to corner i + 1, counter-clockwise), the
// triangle on the other side, or −1 on the surface's outer boundary.
#include <array>
#include <cstdint>
#include <vector>

#include "platform/tin/tin.h"

namespace zv::tin {

using Neighbours = std::array<int32_t, 3>;

std::vector<Neighbours> TriangleNeighbours(const Tin& tin);

// The edge of triangle `t` whose far side is `other`, or −1.
int EdgeToward(const std::vector<Neighbours>& neighbours, int32_t t, int32_t other);

}  // namespace zv::tin
