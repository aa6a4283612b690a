#pragma once
// Exact comparison and printing of map points in test expectations.
#include <ostream>

#include "include/zavediz/records.h"

inline bool operator==(const D_DOT& a, const D_DOT& b) { return a.x == b.x && a.y == b.y; }
inline std::ostream& operator<<(std::ostream& out, const D_DOT& p) { return out << "(" << p.x << ", " << p.y << ")"; }
