// path_segments.hpp: a path's anchors as the host's segment records, and back.
//
// Anchor k of a path carries the control point before it (in) and after it
// (out); the curve from anchor k to anchor k+1 is the cubic (p_k, out_k,
// in_k+1, p_k+1), a straight line when both controls sit on their anchors.
// A closed path also joins its last anchor to its first.
#pragma once

#include <vector>

#include <2geom/path.h>

#include "ai_art.h"

namespace kestrel::host {

// The anchors of path (arcs and other curves as their cubic equivalents).
// A path without curves has no anchors.
std::vector<KPathSegment> segments_of(const Geom::Path& path);
// A path through the anchors, closed or open.
Geom::Path path_from_segments(const std::vector<KPathSegment>& segments, bool closed);

}  // namespace kestrel::host
