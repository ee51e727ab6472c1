// Conversion between lib2geom paths and the host's anchor records.
#include "host/document/path_segments.hpp"

#include <cmath>

#include <2geom/bezier-curve.h>

namespace kestrel::host {
namespace {

KRealPoint to_point(const Geom::Point& p) {
    return KRealPoint{static_cast<KReal>(p[Geom::X]), static_cast<KReal>(p[Geom::Y])};
}

Geom::Point to_geom(const KRealPoint& p) { return Geom::Point(p.h, p.v); }

bool same(const KRealPoint& a, const KRealPoint& b) { return a.h == b.h && a.v == b.v; }

// The two inner control points of a curve as a cubic.
std::pair<Geom::Point, Geom::Point> cubic_controls(const Geom::Curve& curve) {
    if (const auto* cubic = dynamic_cast<const Geom::CubicBezier*>(&curve)) return {(*cubic)[1], (*cubic)[2]};
    const Geom::Point p0 = curve.initialPoint();
    const Geom::Point p3 = curve.finalPoint();
    if (curve.isLineSegment()) return {p0, p3};
    if (const auto* quad = dynamic_cast<const Geom::QuadraticBezier*>(&curve)) {
        const Geom::Point q = (*quad)[1];
        return {p0 + (q - p0) * (2.0 / 3.0), p3 + (q - p3) * (2.0 / 3.0)};
    }
    // Other curves (arcs): the cubic with the same end tangents.
    const Geom::Point d0 = curve.pointAndDerivatives(0, 1)[1];
    const Geom::Point d1 = curve.pointAndDerivatives(1, 1)[1];
    return {p0 + d0 / 3.0, p3 - d1 / 3.0};
}

KBool is_corner(const KPathSegment& s) {
    if (same(s.in, s.p) || same(s.out, s.p)) return 1;
    const double ax = s.p.h - s.in.h, ay = s.p.v - s.in.v;
    const double bx = s.out.h - s.p.h, by = s.out.v - s.p.v;
    const double cross = ax * by - ay * bx;
    const double dot = ax * bx + ay * by;
    const double scale = std::hypot(ax, ay) * std::hypot(bx, by);
    return (dot <= 0 || std::fabs(cross) > 1e-6 * scale) ? 1 : 0;
}

}  // namespace

std::vector<KPathSegment> segments_of(const Geom::Path& path) {
    std::vector<KPathSegment> segments;
    const std::size_t curves = path.size_default();
    if (curves == 0) return segments;
    const bool closed = path.closed();
    const std::size_t anchors = closed ? curves : curves + 1;
    segments.resize(anchors);
    for (std::size_t k = 0; k < anchors; ++k) {
        const Geom::Point p = k < curves ? path[k].initialPoint() : path[curves - 1].finalPoint();
        segments[k].p = segments[k].in = segments[k].out = to_point(p);
    }
    for (std::size_t k = 0; k < curves; ++k) {
        const auto [c1, c2] = cubic_controls(path[k]);
        segments[k].out = to_point(c1);
        segments[(k + 1) % anchors].in = to_point(c2);
    }
    for (KPathSegment& s : segments) s.corner = is_corner(s);
    return segments;
}

Geom::Path path_from_segments(const std::vector<KPathSegment>& segments, bool closed) {
    if (segments.empty()) {
        Geom::Path empty;
        empty.close(closed);
        return empty;
    }
    Geom::Path path(to_geom(segments.front().p));
    const std::size_t n = segments.size();
    const std::size_t curves = closed ? n : n - 1;
    for (std::size_t k = 0; k < curves; ++k) {
        const KPathSegment& a = segments[k];
        const KPathSegment& b = segments[(k + 1) % n];
        if (same(a.out, a.p) && same(b.in, b.p)) {
            // The closing line of a closed path is the path's own closing segment.
            if (!(closed && k + 1 == n)) path.appendNew<Geom::LineSegment>(to_geom(b.p));
        } else {
            path.appendNew<Geom::CubicBezier>(to_geom(a.out), to_geom(b.in), to_geom(b.p));
        }
    }
    path.close(closed);
    return path;
}

}  // namespace kestrel::host
