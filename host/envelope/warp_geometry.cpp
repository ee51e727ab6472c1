// warp_geometry.cpp: the warp styles and the fitting of warped curves.
//
// Every style is a map of the content's centred unit frame, x and y in -1..1
// (x to the right, y up), written with the bend f (-1..1). Each is continuous
// in the point and in f, and the identity for f = 0:
//
//   1  arc          Y = y + f (1 - x^2),            X = x (1 + 0.3 f y)
//   2  arc lower    Y = y + f (1 - x^2) (1 - y) / 2   (the bottom bends)
//   3  arc upper    Y = y + f (1 - x^2) (1 + y) / 2   (the top bends)
//   4  arch         Y = y + f cos(pi x / 2) (3 + y) / 4
//   5  bulge        Y = y (1 + f (1 - x^2))
//   6  shell lower  Y = y - f (1 - x^2) (1 - y) / 2,  X = x (1 - f (1 + y) / 4)
//   7  shell upper  Y = y + f (1 - x^2) (1 + y) / 2,  X = x (1 - f (1 - y) / 4)
//   8  flag         Y = y + f sin(pi x) / 2
//   9  wave         Y = y + f sin(pi (x + y / 2)) / 2
//   10 fish         Y = y (1 + 3/4 f (1 - x^2) (1 - x))
//   11 rise         Y = y + f (1 - cos(pi (x + 1) / 2)) / 2 - f / 2
//   12 fisheye      (X, Y) = (x, y) (1 + f w / 2),  w = (1 - r^2)^3 inside r < 1, else 0
//   13 inflate      X = x (1 + f (1 - y^2) / 2),  Y = y (1 + f (1 - x^2) / 2)
//   14 squeeze      X = x (1 - f (1 - y^2) / 2),  Y = y (1 + f (1 - x^2) / 2)
//   15 twist        rotation by f (pi / 2) w about the centre, w as for fisheye
//
// With rotate the style works in the frame turned a quarter (x' = y,
// y' = -x) and the result is turned back, so its axis is vertical. The two
// distortions then act like a perspective: X' = X (1 + v Y / 2) widens the top
// (v > 0) or the bottom, Y' = Y (1 + h X / 2) makes the right side (h > 0) or
// the left taller; the factors are kept at 0.05 or more so that nothing folds.
#include "host/envelope/warp_geometry.hpp"

#include <algorithm>
#include <cmath>
#include <numbers>

#include <2geom/bezier-curve.h>
#include <2geom/sbasis-to-bezier.h>

namespace kestrel::host {
namespace {

constexpr double kPi = std::numbers::pi;

// (1 - r^2)^3 inside the unit circle, 0 outside: a weight that is 1 at
// the centre and fades out at the circle with two continuous derivatives
// (a smoother fade needs fewer cubics to follow).
double radial_weight(double x, double y) {
    const double r2 = x * x + y * y;
    if (r2 >= 1) return 0;
    return (1 - r2) * (1 - r2) * (1 - r2);
}

double clamp_unit(double v) { return std::isfinite(v) ? std::clamp(v, -1.0, 1.0) : 0.0; }

// A cubic Bezier by its four control points, with its point and derivative.
struct Cubic {
    Geom::Point p0, p1, p2, p3;
    Geom::Point at(double t) const {
        const double s = 1 - t;
        return s * s * s * p0 + 3 * s * s * t * p1 + 3 * s * t * t * p2 + t * t * t * p3;
    }
    Geom::Point derivative(double t) const {
        const double s = 1 - t;
        return 3 * s * s * (p1 - p0) + 6 * s * t * (p2 - p1) + 3 * t * t * (p3 - p2);
    }
};

// Fits the image of one cubic under the warp into out.
class CurveFitter {
public:
    CurveFitter(const Warp& warp, double tolerance, double step) : warp_(warp), tol2_(tolerance * tolerance), step_(step) {}

    void fit(const Cubic& c, Geom::Path& out, const Geom::Point* exact_end) {
        curve_ = &c;
        const Geom::Point q0 = out.finalPoint();
        const Geom::Point q1 = exact_end != nullptr ? *exact_end : warp_(c.p3);
        fit_span(0, 1, q0, image_derivative(0), q1, image_derivative(1), warp_(c.at(0.5)), 0, out);
    }

private:
    static constexpr int kMaxDepth = 10;

    // d/dt of warp(curve(t)), by a central difference along the curve's
    // derivative, with a step of about step_ points.
    Geom::Point image_derivative(double t) const {
        const Geom::Point p = curve_->at(t);
        const Geom::Point d = curve_->derivative(t);
        const double len = Geom::L2(d);
        if (len == 0) return Geom::Point(0, 0);
        const double e = step_ / len;
        return (warp_(p + e * d) - warp_(p - e * d)) / (2 * e);
    }

    // The Hermite cubic through (q0, d0) and (q1, d1) over [t0, t1], whose
    // true image passes through qm at the middle; split at the middle while
    // the cubic strays more than the tolerance from the true image at a
    // quarter, the middle or three quarters. The halves inherit the quarter
    // points as their middles, so each split costs four warp evaluations.
    void fit_span(double t0, double t1, Geom::Point q0, Geom::Point d0, Geom::Point q1, Geom::Point d1,
                  Geom::Point qm, int depth, Geom::Path& out) {
        const double dt = t1 - t0;
        const Cubic h{q0, q0 + d0 * (dt / 3), q1 - d1 * (dt / 3), q1};
        if (depth < kMaxDepth) {
            bool close = Geom::distanceSq(h.at(0.5), qm) <= tol2_;
            const Geom::Point qa = warp_(curve_->at(t0 + dt / 4));
            close = close && Geom::distanceSq(h.at(0.25), qa) <= tol2_;
            const Geom::Point qb = warp_(curve_->at(t0 + 3 * dt / 4));
            close = close && Geom::distanceSq(h.at(0.75), qb) <= tol2_;
            if (!close) {
                const double tm = t0 + dt / 2;
                const Geom::Point dm = image_derivative(tm);
                fit_span(t0, tm, q0, d0, qm, dm, qa, depth + 1, out);
                fit_span(tm, t1, qm, dm, q1, d1, qb, depth + 1, out);
                return;
            }
        }
        out.appendNew<Geom::CubicBezier>(h.p1, h.p2, h.p3);
    }

    const Warp& warp_;
    double tol2_;
    double step_;
    const Cubic* curve_ = nullptr;
};

// The curve as cubics: lines and quadratics exactly, anything else
// (elliptical arcs, higher orders) through lib2geom's cubic approximation.
template <class F>
void for_each_cubic(const Geom::Curve& curve, F&& f) {
    if (const auto* bez = dynamic_cast<const Geom::BezierCurve*>(&curve); bez != nullptr && bez->order() <= 3) {
        const Geom::Point a = bez->controlPoint(0);
        switch (bez->order()) {
        case 1: {
            const Geom::Point b = bez->controlPoint(1);
            f(Cubic{a, a + (b - a) / 3, b - (b - a) / 3, b});
            return;
        }
        case 2: {
            const Geom::Point q = bez->controlPoint(1), b = bez->controlPoint(2);
            f(Cubic{a, a + 2.0 / 3 * (q - a), b + 2.0 / 3 * (q - b), b});
            return;
        }
        case 3:
            f(Cubic{a, bez->controlPoint(1), bez->controlPoint(2), bez->controlPoint(3)});
            return;
        default:  // a single point
            f(Cubic{a, a, a, a});
            return;
        }
    }
    const Geom::Path cubics = Geom::cubicbezierpath_from_sbasis(curve.toSBasis(), 0.01);
    for (const Geom::Curve& piece : cubics) {
        const auto& c = static_cast<const Geom::BezierCurve&>(piece);
        if (c.order() == 3)
            f(Cubic{c.controlPoint(0), c.controlPoint(1), c.controlPoint(2), c.controlPoint(3)});
        else
            for_each_cubic(piece, f);
    }
}

}  // namespace

bool is_warp_style(std::int32_t style) { return style >= 1 && style <= 15; }

Warp::Warp(const WarpParams& params, const Geom::Rect& bounds)
    : style_(params.style),
      bend_(clamp_unit(params.bend)),
      hdist_(clamp_unit(params.horizontal_distortion)),
      vdist_(clamp_unit(params.vertical_distortion)),
      rotate_(params.rotate),
      centre_(bounds.midpoint()),
      half_w_(bounds.width() > 1e-9 ? bounds.width() / 2 : 1.0),
      half_h_(bounds.height() > 1e-9 ? bounds.height() / 2 : 1.0) {
    identity_ = !is_warp_style(style_) || (bend_ == 0 && hdist_ == 0 && vdist_ == 0);
}

Geom::Point Warp::unit_map(double x, double y) const {
    const double f = bend_;
    double X = x, Y = y;
    switch (style_) {
    case 1: X = x * (1 + 0.3 * f * y); Y = y + f * (1 - x * x); break;
    case 2: Y = y + f * (1 - x * x) * (1 - y) / 2; break;
    case 3: Y = y + f * (1 - x * x) * (1 + y) / 2; break;
    case 4: Y = y + f * std::cos(kPi * x / 2) * (3 + y) / 4; break;
    case 5: Y = y * (1 + f * (1 - x * x)); break;
    case 6: X = x * (1 - f * (1 + y) / 4); Y = y - f * (1 - x * x) * (1 - y) / 2; break;
    case 7: X = x * (1 - f * (1 - y) / 4); Y = y + f * (1 - x * x) * (1 + y) / 2; break;
    case 8: Y = y + f * std::sin(kPi * x) / 2; break;
    case 9: Y = y + f * std::sin(kPi * (x + y / 2)) / 2; break;
    case 10: Y = y * (1 + 0.75 * f * (1 - x * x) * (1 - x)); break;
    case 11: Y = y + f * (1 - std::cos(kPi * (x + 1) / 2)) / 2 - f / 2; break;
    case 12: {
        const double s = 1 + f * radial_weight(x, y) / 2;
        X = x * s;
        Y = y * s;
        break;
    }
    case 13: X = x * (1 + f * (1 - y * y) / 2); Y = y * (1 + f * (1 - x * x) / 2); break;
    case 14: X = x * (1 - f * (1 - y * y) / 2); Y = y * (1 + f * (1 - x * x) / 2); break;
    case 15: {
        const double a = f * (kPi / 2) * radial_weight(x, y);
        const double c = std::cos(a), s = std::sin(a);
        X = c * x - s * y;
        Y = s * x + c * y;
        break;
    }
    default: break;
    }
    return {X, Y};
}

Geom::Point Warp::operator()(Geom::Point p) const {
    if (identity_) return p;
    const double x = (p.x() - centre_.x()) / half_w_, y = (p.y() - centre_.y()) / half_h_;
    Geom::Point q;
    if (rotate_) {
        const Geom::Point r = unit_map(y, -x);
        q = Geom::Point(-r.y(), r.x());
    } else {
        q = unit_map(x, y);
    }
    const double X = q.x() * std::max(0.05, 1 + vdist_ * q.y() / 2);
    const double Y = q.y() * std::max(0.05, 1 + hdist_ * q.x() / 2);
    return {centre_.x() + X * half_w_, centre_.y() + Y * half_h_};
}

Geom::Path warp_path(const Geom::Path& path, const Warp& warp, double tolerance) {
    if (warp.identity() || path.empty()) {
        Geom::Path same = path;
        return same;
    }
    const Geom::Point start = warp(path.initialPoint());
    Geom::Path out(start);
    // A difference step of a thousandth of a point keeps the tangents exact
    // to far below the tolerance for any content size.
    CurveFitter fitter(warp, tolerance, 1e-3);
    const std::size_t n = path.size_default();
    for (std::size_t k = 0; k < n; ++k) {
        const bool last = k + 1 == n;
        for_each_cubic(path[k], [&](const Cubic& c) {
            // The last curve of a closed path ends exactly on the start, so
            // the outline closes without a gap.
            const bool ends_path = last && path.closed() && c.p3 == path.initialPoint();
            fitter.fit(c, out, ends_path ? &start : nullptr);
        });
    }
    out.close(path.closed());
    return out;
}

}  // namespace kestrel::host
