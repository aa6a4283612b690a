#pragma once
// The block dialog's map commands without their dialog: corners collected
// from the list, the touched sheets, each range map drawn into new work
// areas and written with its project into the output folder ("区块1",
// "区块2", "区块3_1" …: ".wp", ".wl", ".wt", then ".mpj").
#include <string>
#include <vector>

#include "geodesy/block/block_corners.h"
#include "geodesy/block/range_maps.h"

namespace zv::block {

enum class RangeMap { One = 1, Two = 2, Three = 3 };

struct BlockMapResult {
  std::vector<std::string> projects;  // written whole, to be opened
  std::vector<std::string> messages;  // for the user: refusals, sheets left out, failed saves
};

// Draws and writes the maps asked for, in order, into `folder` (which must
// exist). A corner the projection library rejects stops everything, naming
// its row. More than four touched sheets: the first four are drawn and the
// others named. A map whose file or project fails to save is named and its
// project not listed.
BlockMapResult MakeRangeMaps(const std::string& folder, const CornerRows& rows, const std::vector<RangeMap>& maps,
                             Date today);

}  // namespace zv::block
