#include "host/document/path_bounds.hpp"

#include <algorithm>
#include <cmath>

#include <2geom/bezier-curve.h>

namespace kestrel::host {
namespace {

// Widen [lo, hi] by the extrema of one coordinate of a cubic (p0..p3):
// the derivative is 3 (a t^2 + b t + c).
void cubic_extrema(double p0, double p1, double p2, double p3, double& lo, double& hi) {
    const double a = -p0 + 3 * p1 - 3 * p2 + p3;
    const double b = 2 * (p0 - 2 * p1 + p2);
    const double c = p1 - p0;
    auto at = [&](double t) {
        if (!(t > 0 && t < 1)) return;
        const double u = 1 - t;
        const double v = u * u * u * p0 + 3 * u * u * t * p1 + 3 * u * t * t * p2 + t * t * t * p3;
        lo = std::min(lo, v);
        hi = std::max(hi, v);
    };
    const double scale = std::max({std::abs(a), std::abs(b), std::abs(c)});
    if (scale == 0) return;
    if (std::abs(a) <= 1e-12 * scale) {
        if (b != 0) at(-c / b);
        return;
    }
    const double disc = b * b - 4 * a * c;
    if (disc < 0) return;
    const double s = std::sqrt(disc);
    // The numerically stable pair of roots.
    const double q = -0.5 * (b + std::copysign(s, b));
    if (q != 0) {
        at(q / a);
        at(c / q);
    } else {
        at(-b / (2 * a));
    }
}

void quadratic_extrema(double p0, double p1, double p2, double& lo, double& hi) {
    const double d = p0 - 2 * p1 + p2;
    if (d == 0) return;
    const double t = (p0 - p1) / d;
    if (!(t > 0 && t < 1)) return;
    const double u = 1 - t;
    const double v = u * u * p0 + 2 * u * t * p1 + t * t * p2;
    lo = std::min(lo, v);
    hi = std::max(hi, v);
}

}  // namespace

Geom::OptRect exact_path_bounds(const Geom::Path& path) {
    if (path.empty()) return path.boundsExact();
    double x0 = path.initialPoint()[Geom::X], x1 = x0;
    double y0 = path.initialPoint()[Geom::Y], y1 = y0;
    for (const Geom::Curve& curve : path) {
        const auto* bezier = dynamic_cast<const Geom::BezierCurve*>(&curve);
        if (bezier == nullptr || bezier->order() > 3) {
            const Geom::Rect r = curve.boundsExact();
            x0 = std::min(x0, r.left());
            x1 = std::max(x1, r.right());
            y0 = std::min(y0, r.top());
            y1 = std::max(y1, r.bottom());
            continue;
        }
        const std::size_t order = bezier->order();
        const Geom::Point end = (*bezier)[order];
        x0 = std::min(x0, end[Geom::X]);
        x1 = std::max(x1, end[Geom::X]);
        y0 = std::min(y0, end[Geom::Y]);
        y1 = std::max(y1, end[Geom::Y]);
        const Geom::Point p0 = (*bezier)[0];
        x0 = std::min(x0, p0[Geom::X]);
        x1 = std::max(x1, p0[Geom::X]);
        y0 = std::min(y0, p0[Geom::Y]);
        y1 = std::max(y1, p0[Geom::Y]);
        if (order == 3) {
            const Geom::Point p1 = (*bezier)[1], p2 = (*bezier)[2];
            cubic_extrema(p0[Geom::X], p1[Geom::X], p2[Geom::X], end[Geom::X], x0, x1);
            cubic_extrema(p0[Geom::Y], p1[Geom::Y], p2[Geom::Y], end[Geom::Y], y0, y1);
        } else if (order == 2) {
            const Geom::Point p1 = (*bezier)[1];
            quadratic_extrema(p0[Geom::X], p1[Geom::X], end[Geom::X], x0, x1);
            quadratic_extrema(p0[Geom::Y], p1[Geom::Y], end[Geom::Y], y0, y1);
        }
    }
    return Geom::OptRect(Geom::Rect(Geom::Point(x0, y0), Geom::Point(x1, y1)));
}

}  // namespace kestrel::host
