#pragma once
// The strata of a straight section: one filled region per stretch of the
// section line between two consecutive points of the geology boundary list
// (the geology reading's points, which the strata list stores each
// stretch's contact attitude and colour into), closed above by the
// overburden base, below by the bedrock line (the terrain profile lowered
// by the overburden and `stratum`), and at the sides by the contact
// boundaries. An inner contact with an attitude "direction/dip" is drawn
// along its apparent dip in the section, any other straight down; each
// ends where it first meets the bedrock line. The bedrock line is a
// construction line: it is gone from the line area after the pass.
//
// Without a geology reading (fewer than two boundary points) there are no
// strata. Needs the overburden arcs of DrawOverburdenBase.

#include <optional>
#include <string>
#include <vector>

#include "zavediz/draw/zavediz_sheet.h"

namespace zv::zavediz {

void DrawStrata(ZavedizSheet& sheet);

// The far end of a contact boundary from its upper point `p`: 100 mm along
// the apparent dip of an attitude "direction/dip" (degrees) on a section
// line of direction `direction` (radians), towards the side the beds dip
// to; without a "/", or with a number that is not finite, `stratum`
// straight down.
D_DOT StratumBoundaryEnd(const D_DOT& p, const std::string& attitude, double direction, double stratum);

// Where the boundary p-q first meets the bedrock line (vertices ascending in
// x) going from p: a bedrock vertex on the boundary counts. None when it
// meets no bedrock segment.
std::optional<D_DOT> ClipToBedrock(const D_DOT& p, const D_DOT& q, const std::vector<D_DOT>& bedrock);

}  // namespace zv::zavediz
