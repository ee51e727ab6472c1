// warp_geometry.hpp: the fifteen warp styles of envelopes as point maps, and
// the warping of whole paths into smooth cubic Bezier outlines.
//
// A Warp is built from the warp parameters and the bounds of the content; it
// maps artwork points to artwork points. warp_path() maps a path through it,
// subdividing each curve until the cubic fit lies within the tolerance:
//
//   const Warp warp(params, *bounds);
//   Geom::Path out = warp_path(in, warp);
#pragma once

#include <cstdint>

#include <2geom/path.h>
#include <2geom/point.h>
#include <2geom/rect.h>

namespace kestrel::host {

// The parameters of one warp, as the envelope suite receives them.
struct WarpParams {
    std::int32_t style = 0;             // 1..15 (arc .. twist); anything else: no warp
    double bend = 0;                    // -1..1, 0 none; the style's strength and sense
    double horizontal_distortion = 0;   // -1..1, 0 none; > 0 makes the right side taller
    double vertical_distortion = 0;     // -1..1, 0 none; > 0 makes the top wider
    bool rotate = false;                // true: the style works along the vertical axis
};

// True for the styles 1..15.
bool is_warp_style(std::int32_t style);

class Warp {
public:
    // The warp of content whose bounds are `bounds` (points). Bend and
    // distortions are clamped to -1..1.
    Warp(const WarpParams& params, const Geom::Rect& bounds);

    // True when the map leaves every point where it is (no style, or all
    // three strengths 0).
    bool identity() const { return identity_; }
    // The image of an artwork point.
    Geom::Point operator()(Geom::Point p) const;

private:
    // The map in the content's centred unit frame (-1..1 on both axes).
    Geom::Point unit_map(double x, double y) const;

    std::int32_t style_;
    double bend_, hdist_, vdist_;
    bool rotate_;
    bool identity_;
    Geom::Point centre_;
    double half_w_, half_h_;
};

// The image of path under warp: one or more cubic Beziers per curve, fitted
// through the warped end points and tangents and split until they lie within
// tolerance (points) of the true image. An identity warp returns path as it is.
Geom::Path warp_path(const Geom::Path& path, const Warp& warp, double tolerance = 0.1);

}  // namespace kestrel::host
