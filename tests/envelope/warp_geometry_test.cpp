// warp_geometry_test.cpp: the warp styles as point maps (identity at zero,
// fifteen distinct maps, continuity, the rotate flag, the distortions) and the
// fitting of warped paths (tolerance, closure, cubic output).
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include <2geom/bezier-curve.h>

#include "host/envelope/warp_geometry.hpp"

namespace kh = kestrel::host;

namespace {

const Geom::Rect kBox(100, 200, 300, 300);  // 200 wide, 100 high

// A grid of points over the box and a little beyond.
std::vector<Geom::Point> grid(const Geom::Rect& box) {
    std::vector<Geom::Point> pts;
    for (int i = -1; i <= 11; ++i)
        for (int j = -1; j <= 11; ++j)
            pts.emplace_back(box.left() + box.width() * i / 10.0, box.top() + box.height() * j / 10.0);
    return pts;
}

double max_difference(const kh::Warp& a, const kh::Warp& b, const Geom::Rect& box) {
    double d = 0;
    for (const Geom::Point p : grid(box)) d = std::max(d, Geom::distance(a(p), b(p)));
    return d;
}

kh::Warp make(int style, double bend, double h = 0, double v = 0, bool rotate = false, const Geom::Rect& box = kBox) {
    return kh::Warp(kh::WarpParams{style, bend, h, v, rotate}, box);
}

TEST(WarpMap, EveryStyleIsTheIdentityAtZeroStrength) {
    for (int style = 1; style <= 15; ++style) {
        for (const bool rotate : {false, true}) {
            const kh::Warp w = make(style, 0, 0, 0, rotate);
            EXPECT_TRUE(w.identity()) << style;
            for (const Geom::Point p : grid(kBox)) EXPECT_EQ(w(p), p) << style;
        }
    }
}

TEST(WarpMap, StylesOutsideTheRangeAreTheIdentity) {
    for (const int style : {0, 16, 17, -1}) EXPECT_TRUE(make(style, 0.8, 0.5, 0.5).identity()) << style;
}

TEST(WarpMap, TheFifteenStylesDifferFromOneAnother) {
    for (const double bend : {0.6, -0.6}) {
        for (int a = 1; a <= 15; ++a) {
            EXPECT_GT(max_difference(make(a, bend), make(0, 0), kBox), 5.0) << a << " does nothing";
            for (int b = a + 1; b <= 15; ++b)
                EXPECT_GT(max_difference(make(a, bend), make(b, bend), kBox), 2.0) << a << " vs " << b;
        }
    }
}

TEST(WarpMap, SmallChangesGiveSmallChanges) {
    for (int style = 1; style <= 15; ++style) {
        for (const bool rotate : {false, true}) {
            // In the parameters...
            const kh::Warp w = make(style, 0.7, 0.3, -0.4, rotate);
            EXPECT_LT(max_difference(w, make(style, 0.7001, 0.3, -0.4, rotate), kBox), 0.05) << style;
            EXPECT_LT(max_difference(w, make(style, 0.7, 0.3001, -0.4, rotate), kBox), 0.05) << style;
            EXPECT_LT(max_difference(w, make(style, 0.7, 0.3, -0.4001, rotate), kBox), 0.05) << style;
            // ... and in the point: a step of 0.01 pt moves the image by little.
            for (const Geom::Point p : grid(kBox))
                EXPECT_LT(Geom::distance(w(p), w(p + Geom::Point(0.01, 0.007))), 0.1) << style << " at " << p;
        }
    }
}

// On a square box, the rotated warp is the plain warp seen a quarter turn round.
TEST(WarpMap, RotateTurnsTheAxisToVertical) {
    const Geom::Rect square(0, 0, 100, 100);
    const Geom::Point c = square.midpoint();
    auto turn = [&](Geom::Point p) { return c + Geom::Point(p.y() - c.y(), -(p.x() - c.x())); };   // x' = y, y' = -x
    auto unturn = [&](Geom::Point p) { return c + Geom::Point(-(p.y() - c.y()), p.x() - c.x()); };
    for (int style = 1; style <= 15; ++style) {
        const kh::Warp plain = make(style, 0.5, 0, 0, false, square);
        const kh::Warp rotated = make(style, 0.5, 0, 0, true, square);
        double differs = 0;
        for (const Geom::Point p : grid(square)) {
            EXPECT_LT(Geom::distance(rotated(p), unturn(plain(turn(p)))), 1e-9) << style;
            differs = std::max(differs, Geom::distance(rotated(p), plain(p)));
        }
        // Fisheye, inflate and twist look the same a quarter turn round.
        const bool symmetric = style == 12 || style == 13 || style == 15;
        if (!symmetric) {
            EXPECT_GT(differs, 1.0) << style;
        }
    }
}

TEST(WarpMap, DistortionsWidenOneSide) {
    // Horizontal distortion: the right side grows taller, the left shorter.
    const kh::Warp h = make(1, 0, 0.5, 0);
    EXPECT_FALSE(h.identity());
    const double right = h({300, 300}).y() - h({300, 200}).y();
    const double left = h({100, 300}).y() - h({100, 200}).y();
    EXPECT_NEAR(right, 125, 1e-9);
    EXPECT_NEAR(left, 75, 1e-9);
    // Vertical distortion: the top grows wider, the bottom narrower; negative the other way.
    const kh::Warp v = make(1, 0, 0, -0.5);
    EXPECT_NEAR(v({300, 300}).x() - v({100, 300}).x(), 150, 1e-9);
    EXPECT_NEAR(v({300, 200}).x() - v({100, 200}).x(), 250, 1e-9);
}

TEST(WarpMap, StrengthsAreClampedToUnit) {
    EXPECT_LT(max_difference(make(5, 7.0), make(5, 1.0), kBox), 1e-12);
    EXPECT_LT(max_difference(make(8, 0.2, -9, 4), make(8, 0.2, -1, 1), kBox), 1e-12);
}

// Distance from q to the path, by lib2geom's nearest point.
double distance_to(const Geom::Path& path, Geom::Point q) {
    return Geom::distance(path.pointAt(path.nearestTime(q).asFlatTime()), q);
}

TEST(WarpPath, FollowsTheTrueImageWithinTolerance) {
    Geom::Path in(Geom::Point(100, 200));
    in.appendNew<Geom::LineSegment>(Geom::Point(300, 200));
    in.appendNew<Geom::CubicBezier>(Geom::Point(320, 240), Geom::Point(280, 280), Geom::Point(300, 300));
    in.appendNew<Geom::QuadraticBezier>(Geom::Point(200, 350), Geom::Point(100, 300));
    in.close(true);  // closing line back to (100, 200)
    for (int style = 1; style <= 15; ++style) {
        const kh::Warp w = make(style, 0.9, 0.2, 0.2, style % 2 == 0, *in.boundsExact());
        const Geom::Path out = kh::warp_path(in, w);
        EXPECT_TRUE(out.closed());
        EXPECT_EQ(out.initialPoint(), w(in.initialPoint()));
        EXPECT_EQ(out.finalPoint(), out.initialPoint()) << style;  // no gap at the closure
        for (const Geom::Curve& c : out)
            EXPECT_NE(dynamic_cast<const Geom::CubicBezier*>(&c), nullptr) << style;
        double worst = 0;
        for (std::size_t k = 0; k < in.size_closed(); ++k)
            for (int i = 0; i <= 64; ++i) worst = std::max(worst, distance_to(out, w(in[k].pointAt(i / 64.0))));
        EXPECT_LT(worst, 0.11) << style;
        EXPECT_GT(out.size_default(), in.size_closed()) << style << ": curves were subdivided";
    }
}

TEST(WarpPath, IdentityKeepsThePathAndOpenPathsStayOpen) {
    Geom::Path in(Geom::Point(0, 0));
    in.appendNew<Geom::LineSegment>(Geom::Point(50, 10));
    in.appendNew<Geom::LineSegment>(Geom::Point(100, 0));
    const Geom::Rect box = *in.boundsExact();
    EXPECT_EQ(kh::warp_path(in, make(9, 0, 0, 0, false, box)), in);
    const Geom::Path out = kh::warp_path(in, make(9, 0.5, 0, 0, false, box));
    EXPECT_FALSE(out.closed());
    EXPECT_EQ(out.initialPoint(), make(9, 0.5, 0, 0, false, box)(Geom::Point(0, 0)));
    EXPECT_EQ(out.finalPoint(), make(9, 0.5, 0, 0, false, box)(Geom::Point(100, 0)));
}

}  // namespace
