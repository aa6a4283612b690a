#!/bin/sh
# Writes gdal_track.gpx with GDAL's GPX driver from a GeoJSON line (three
# points with heights, a track name). Run from this folder.
set -e
tmp=$(mktemp -d)
cat > "$tmp/track.geojson" <<'JSON'
{"type": "FeatureCollection", "features": [{"type": "Feature", "properties": {"name": "测线一"},
 "geometry": {"type": "LineString", "coordinates": [[117.5, 30.25, 12.5], [117.501, 30.2505, 13.0], [117.502, 30.251, 14.25]]}}]}
JSON
rm -f gdal_track.gpx
ogr2ogr -f GPX -dsco GPX_USE_EXTENSIONS=NO -lco FORCE_GPX_TRACK=YES gdal_track.gpx "$tmp/track.geojson"
rm -r "$tmp"
