// shape_geometry.hpp: the outlines of the simple shapes that the shape
// construction suite builds (rectangles, rounded rectangles, ovals, stars,
// polygons, spirals), as lib2geom paths in artwork coordinates (points, y up).
//
// Pure functions: they check nothing and touch no document; the suite checks
// the arguments and places the result. Closed shapes run clockwise as seen on
// the page; the suite reverses them on request.
#pragma once

#include <2geom/path.h>
#include <2geom/point.h>

namespace kestrel::host {

// Cubic control-point distance of a quarter-circle arc of radius 1.
inline constexpr double kQuarterArcKappa = 0.5522847498;

// Rectangle of width w and height h centred on c.
Geom::Path centred_rect_path(Geom::Point c, double w, double h);
// The same with quarter-ellipse corners of radii rh (horizontal), rv (vertical),
// each clamped to half the side; a radius of 0 gives the plain corner.
Geom::Path centred_rounded_rect_path(Geom::Point c, double w, double h, double rh, double rv);
// Ellipse of semi-axes rx, ry centred on c, four cubic arcs.
Geom::Path centred_oval_path(Geom::Point c, double rx, double ry);
// Star of `points` tips: 2 * points vertices alternating between the larger
// radius (the tips, the first straight up) and the smaller one.
Geom::Path centred_star_path(int points, Geom::Point c, double radius1, double radius2);
// Regular polygon of `sides` vertices at radius, the first straight up.
Geom::Path centred_polygon_path(int sides, Geom::Point c, double radius);
// Open spiral of quarter-circle arcs from start turning about first_centre,
// each radius decay_percent / 100 of the one before; clockwise unless
// counter_clockwise.
Geom::Path spiral_path(Geom::Point first_centre, Geom::Point start, double decay_percent, int quarter_turns,
                       bool counter_clockwise);

}  // namespace kestrel::host
