#pragma once
// The graticule frame: the quadrilateral that a longitude and latitude range
// projects to on a Gauss-Krüger map, with two outer borders, the kilometre
// grid, corner ticks with their angles, and quarter-minute ticks along the
// borders. Angles are typed as packed DDDMMSS; the corners are projected
// through the map-projection record (GeographicToMap), in millimetres at its
// scale; the grid uses the record's scale truncated to a whole number.
//
// Drawing order: the inner quadrilateral P0 P1 P2 P3 P0 (P0 the minimum
// longitude and latitude, anticlockwise), the borders through the corners
// moved 10 mm (0.1) and 11 mm (0.5) outward; the easting grid lines left to
// right with their bottom and top labels; the northing grid lines bottom to
// top with their left and right labels; per corner the horizontal tick with
// the latitude (degrees, then the rest) and the vertical tick with the
// longitude; the longitude ticks (bottom, top per value), then the latitude
// ticks (left, right per value), across the band between the two borders.
// The first and the last grid line of each direction carry split labels
// (eastings with the zone before them); the others their last two whole
// digits. Afterwards both areas get the record as their map parameters.

#include <optional>
#include <string>
#include <vector>

#include "platform/data/map_params.h"
#include "tools/frame/standard_frame.h"

namespace zv::frame {

struct GraticuleFrame {
  std::string minLongitude, maxLongitude, minLatitude, maxLatitude;  // DDDMMSS as typed
  double interval = 1.0;                                              // km
  MapParams record;                                                   // the map-projection record
  int zone = 0;
};

// Draws the frame. Refused, with nothing drawn and the areas' parameters
// unchanged, when an angle is no packed angle, the record cannot be
// projected (its projector's message), the interval is not above zero or the
// grid would be wider than kMaxGridLines.
FrameResult DrawGraticuleFrame(const FrameTarget& target, const GraticuleFrame& frame);

// The packed angles of the quarter-minute ticks: from the minimum with its
// seconds raised to the next quarter (0 stays), every 15″, up to the maximum
// (within 0.00001″). None for a walk of more than about 83°.
std::optional<std::vector<double>> QuarterMinuteMarks(double minimum, double maximum);

}  // namespace zv::frame
