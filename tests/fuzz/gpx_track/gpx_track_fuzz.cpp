// GPS track files come from receivers and other programs: any bytes must
// read without a crash, a failed read must say why, and every point kept
// must convert or be refused without a crash.
#include <cstdint>
#include <string_view>

#include "exchange/gpx/gpx_tracks.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const zv::gpx::Track track = zv::gpx::ReadTrack(std::string_view(reinterpret_cast<const char*>(data), size));
  const zv::gpx::TrackDatum datum;
  for (const zv::gpx::TrackPoint& point : track.points) (void)zv::gpx::ToPlane(point, datum);
  return 0;
}
