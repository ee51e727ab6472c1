// shape_geometry.cpp: the outlines of the shape construction suite's shapes.
//
// Orientation: artwork y grows upward, so "clockwise" below means clockwise as
// seen on the page: from the top towards the right, then down, then left.
#include "host/shapes/shape_geometry.hpp"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

#include <2geom/bezier-curve.h>

namespace kestrel::host {
namespace {

void line_to(Geom::Path& path, Geom::Point p) {
    if (p != path.finalPoint()) path.appendNew<Geom::LineSegment>(p);
}

void cubic_to(Geom::Path& path, Geom::Point c1, Geom::Point c2, Geom::Point p) {
    path.appendNew<Geom::CubicBezier>(c1, c2, p);
}

// A closed path through the vertices in order, starting at the first.
Geom::Path closed_polyline(const std::vector<Geom::Point>& vertices) {
    Geom::Path path(vertices.front());
    for (std::size_t k = 1; k < vertices.size(); ++k) line_to(path, vertices[k]);
    line_to(path, vertices.front());
    path.close(true);
    return path;
}

// The point at angle a (radians, counter-clockwise from +x) on the circle
// (c, r); the quarter angles give exact coordinates.
Geom::Point on_circle(Geom::Point c, double r, double a) {
    return c + r * Geom::Point(std::cos(a), std::sin(a));
}

}  // namespace

// Four corners: top-left, top-right, bottom-right, bottom-left, then closed
// back to the top-left (clockwise on the page).
Geom::Path centred_rect_path(Geom::Point c, double w, double h) {
    const double l = c.x() - w / 2, r = c.x() + w / 2, t = c.y() + h / 2, b = c.y() - h / 2;
    return closed_polyline({{l, t}, {r, t}, {r, b}, {l, b}});
}

// Starts on the top edge where the top-left corner's arc ends (left + rh, top)
// and runs clockwise: top edge, top-right arc, right edge, bottom-right arc,
// bottom edge, bottom-left arc, left edge, top-left arc back to the start.
// Each corner is a quarter ellipse of radii (rh, rv) as one cubic whose
// controls sit kappa * radius from the arc's ends along the sides. Sides
// shorter than twice a radius clamp that radius to half the side, so the
// straight part vanishes (no zero-length lines are kept).
Geom::Path centred_rounded_rect_path(Geom::Point c, double w, double h, double rh, double rv) {
    rh = std::min(rh, w / 2);
    rv = std::min(rv, h / 2);
    if (rh <= 0 || rv <= 0) return centred_rect_path(c, w, h);
    const double l = c.x() - w / 2, r = c.x() + w / 2, t = c.y() + h / 2, b = c.y() - h / 2;
    const double kh = kQuarterArcKappa * rh, kv = kQuarterArcKappa * rv;
    Geom::Path path(Geom::Point(l + rh, t));
    line_to(path, {r - rh, t});
    cubic_to(path, {r - rh + kh, t}, {r, t - rv + kv}, {r, t - rv});
    line_to(path, {r, b + rv});
    cubic_to(path, {r, b + rv - kv}, {r - rh + kh, b}, {r - rh, b});
    line_to(path, {l + rh, b});
    cubic_to(path, {l + rh - kh, b}, {l, b + rv - kv}, {l, b + rv});
    line_to(path, {l, t - rv});
    cubic_to(path, {l, t - rv + kv}, {l + rh - kh, t}, {l + rh, t});
    path.close(true);
    return path;
}

// Starts at the top (c.x, c.y + ry) and runs clockwise through the right,
// bottom and left extremes, one cubic quarter arc each (kappa controls).
Geom::Path centred_oval_path(Geom::Point c, double rx, double ry) {
    const double x = c.x(), y = c.y(), kx = kQuarterArcKappa * rx, ky = kQuarterArcKappa * ry;
    Geom::Path path(Geom::Point(x, y + ry));
    cubic_to(path, {x + kx, y + ry}, {x + rx, y + ky}, {x + rx, y});
    cubic_to(path, {x + rx, y - ky}, {x + kx, y - ry}, {x, y - ry});
    cubic_to(path, {x - kx, y - ry}, {x - rx, y - ky}, {x - rx, y});
    cubic_to(path, {x - rx, y + ky}, {x - kx, y + ry}, {x, y + ry});
    path.close(true);
    return path;
}

// 2 * points vertices at equal angles, clockwise from straight up. The tips
// (even vertices, the first straight up) lie on the larger of the two radii
// whatever their order, the notches between them on the smaller.
Geom::Path centred_star_path(int points, Geom::Point c, double radius1, double radius2) {
    const double outer = std::max(radius1, radius2), inner = std::min(radius1, radius2);
    const int n = 2 * points;
    std::vector<Geom::Point> vertices;
    vertices.reserve(static_cast<std::size_t>(n));
    vertices.emplace_back(c.x(), c.y() + outer);
    for (int k = 1; k < n; ++k)
        vertices.push_back(on_circle(c, k % 2 == 0 ? outer : inner, std::numbers::pi / 2 - k * std::numbers::pi / points));
    return closed_polyline(vertices);
}

// `sides` vertices at equal angles on the circle (c, radius), clockwise from
// the one straight up.
Geom::Path centred_polygon_path(int sides, Geom::Point c, double radius) {
    std::vector<Geom::Point> vertices;
    vertices.reserve(static_cast<std::size_t>(sides));
    vertices.emplace_back(c.x(), c.y() + radius);
    for (int k = 1; k < sides; ++k)
        vertices.push_back(on_circle(c, radius, std::numbers::pi / 2 - k * 2 * std::numbers::pi / sides));
    return closed_polyline(vertices);
}

// A classic decaying spiral: the first arc is a quarter circle about
// first_centre through start (radius |start - first_centre|), turning a
// quarter clockwise (or counter-clockwise). Each next arc starts where the
// last one ended, with radius times decay / 100, and its centre on the line
// from that end point to the previous centre, so the tangents agree at every
// joint. Each arc is one cubic with kappa controls along the tangents.
Geom::Path spiral_path(Geom::Point first_centre, Geom::Point start, double decay_percent, int quarter_turns,
                       bool counter_clockwise) {
    const double turn = counter_clockwise ? 1.0 : -1.0;  // sense of the angle's change
    const double decay = decay_percent / 100;
    Geom::Point centre = first_centre;
    double radius = Geom::L2(start - first_centre);
    double angle = std::atan2(start.y() - first_centre.y(), start.x() - first_centre.x());
    Geom::Path path(start);
    Geom::Point from = start;
    for (int k = 0; k < quarter_turns; ++k) {
        const double to_angle = angle + turn * std::numbers::pi / 2;
        const Geom::Point to = on_circle(centre, radius, to_angle);
        // Tangent of motion at an angle a: turn * (-sin a, cos a).
        const double kr = kQuarterArcKappa * radius * turn;
        const Geom::Point c1 = from + kr * Geom::Point(-std::sin(angle), std::cos(angle));
        const Geom::Point c2 = to - kr * Geom::Point(-std::sin(to_angle), std::cos(to_angle));
        cubic_to(path, c1, c2, to);
        centre = to + (centre - to) * decay;
        radius *= decay;
        angle = to_angle;
        from = to;
    }
    return path;
}

}  // namespace kestrel::host
