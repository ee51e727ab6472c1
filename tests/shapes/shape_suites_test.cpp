// shape_suites_test.cpp: "AI Shape Construction Suite": exact geometry of
// every shape, the direction of the outlines and the reverse flag, where new
// shapes go and how they are painted, and the refused arguments.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <numbers>
#include <string>
#include <vector>

#include "ai_shape.h"
#include "host/core/host.hpp"
#include "host/document/document.hpp"
#include "host/document/path_segments.hpp"

namespace kh = kestrel::host;

namespace {

constexpr double kKappa = 0.5522847498;

class ShapeTest : public testing::Test {
protected:
    kh::Document& doc() { return host.document(); }
    kh::Art& art(KArtHandle handle) {
        kh::Art* a = doc().art_from(handle);
        EXPECT_NE(a, nullptr);
        return *a;
    }
    std::vector<KPathSegment> anchors(KArtHandle handle) { return kh::segments_of(art(handle).path); }

    kh::Host host;
    const KShapeConstructionSuite* shapes =
        static_cast<const KShapeConstructionSuite*>(host.suites().find(kAIShapeConstructionSuite, kAIShapeConstructionSuiteVersion));
};

void expect_point(KRealPoint p, double x, double y, double tol = 1e-4) {
    EXPECT_NEAR(p.h, x, tol);
    EXPECT_NEAR(p.v, y, tol);
}

// Signed area of the outline (positive counter-clockwise, y up), from dense samples.
double signed_area(const Geom::Path& path) {
    const double n = static_cast<double>(path.size_default());
    const int samples = 2000;
    double area = 0;
    Geom::Point prev = path.pointAt(0);
    for (int i = 1; i <= samples; ++i) {
        const Geom::Point p = path.pointAt(std::min(n, n * i / samples));
        area += prev.x() * p.y() - p.x() * prev.y();
        prev = p;
    }
    return area / 2;
}

double angle_deg(KRealPoint p, double cx, double cy) {
    return std::atan2(p.v - cy, p.h - cx) * 180 / std::numbers::pi;
}

TEST_F(ShapeTest, RectangleCornersStartTopLeftClockwise) {
    KArtHandle a = nullptr;
    ASSERT_EQ(shapes->new_centred_rect(10, 20, 6, 8, 0, &a), kNoErr);
    const auto s = anchors(a);
    ASSERT_EQ(s.size(), 4u);
    expect_point(s[0].p, 6, 23);
    expect_point(s[1].p, 14, 23);
    expect_point(s[2].p, 14, 17);
    expect_point(s[3].p, 6, 17);
    EXPECT_TRUE(art(a).path.closed());
    for (const KPathSegment& seg : s) EXPECT_TRUE(seg.corner);
}

TEST_F(ShapeTest, RoundedRectangleCornersAreQuarterEllipses) {
    KArtHandle a = nullptr;
    // Box 20 wide, 10 high around (0, 0); radii 4 horizontal, 2 vertical.
    ASSERT_EQ(shapes->new_centred_rounded_rect(0, 0, 10, 20, 4, 2, 0, &a), kNoErr);
    const auto s = anchors(a);
    ASSERT_EQ(s.size(), 8u);
    const double pts[8][2] = {{-6, 5}, {6, 5}, {10, 3}, {10, -3}, {6, -5}, {-6, -5}, {-10, -3}, {-10, 3}};
    for (int k = 0; k < 8; ++k) expect_point(s[static_cast<std::size_t>(k)].p, pts[k][0], pts[k][1]);
    // The top-right arc: controls kappa * radius from its ends along the sides.
    expect_point(s[1].out, 6 + kKappa * 4, 5);
    expect_point(s[2].in, 10, 3 + kKappa * 2);
    // A point of the arc lies on the ellipse of the corner.
    const Geom::Point mid = art(a).path[1].pointAt(0.5);
    const double ex = (mid.x() - 6) / 4, ey = (mid.y() - 3) / 2;
    EXPECT_NEAR(ex * ex + ey * ey, 1.0, 1e-3);
}

TEST_F(ShapeTest, RoundedRectangleRadiiClampToHalfTheSides) {
    KArtHandle a = nullptr;
    ASSERT_EQ(shapes->new_centred_rounded_rect(0, 0, 10, 20, 50, 50, 0, &a), kNoErr);
    // Radii 10 and 5: the straight sides vanish; an ellipse through the side midpoints.
    const auto s = anchors(a);
    ASSERT_EQ(s.size(), 4u);
    expect_point(s[0].p, 0, 5);
    expect_point(s[1].p, 10, 0);
    expect_point(s[2].p, 0, -5);
    expect_point(s[3].p, -10, 0);
    // A zero radius gives the plain rectangle.
    KArtHandle plain = nullptr, rect = nullptr;
    ASSERT_EQ(shapes->new_centred_rounded_rect(0, 0, 10, 20, 0, 3, 0, &plain), kNoErr);
    ASSERT_EQ(shapes->new_centred_rect(0, 0, 10, 20, 0, &rect), kNoErr);
    EXPECT_EQ(art(plain).path, art(rect).path);
}

TEST_F(ShapeTest, InscribedOvalFillsItsBox) {
    KArtHandle a = nullptr;
    ASSERT_EQ(shapes->new_centred_oval_inscribed(50, 40, 20, 60, 0, &a), kNoErr);
    const Geom::OptRect b = art(a).path.boundsExact();
    ASSERT_TRUE(b);
    EXPECT_NEAR(b->left(), 20, 1e-4);
    EXPECT_NEAR(b->right(), 80, 1e-4);
    EXPECT_NEAR(b->top(), 30, 1e-4);
    EXPECT_NEAR(b->bottom(), 50, 1e-4);
    const auto s = anchors(a);
    ASSERT_EQ(s.size(), 4u);
    expect_point(s[0].p, 50, 50);  // starts at the top
    expect_point(s[0].out, 50 + kKappa * 30, 50);
    expect_point(s[1].p, 80, 40);
}

TEST_F(ShapeTest, CircumscribedOvalPassesThroughTheBoxCorners) {
    KArtHandle a = nullptr;
    ASSERT_EQ(shapes->new_centred_oval_circumscribed(50, 40, 20, 60, 0, &a), kNoErr);
    const Geom::Path& path = art(a).path;
    const Geom::OptRect b = path.boundsExact();
    ASSERT_TRUE(b);
    const double rx = 30 * std::sqrt(2.0), ry = 10 * std::sqrt(2.0);
    EXPECT_NEAR(b->left(), 50 - rx, 1e-4);
    EXPECT_NEAR(b->right(), 50 + rx, 1e-4);
    EXPECT_NEAR(b->top(), 40 - ry, 1e-4);
    EXPECT_NEAR(b->bottom(), 40 + ry, 1e-4);
    // Each corner of the 60 x 20 box lies on the outline (within the cubic
    // approximation of the ellipse, a few hundredths of a point here).
    for (const Geom::Point corner : {Geom::Point(20, 30), Geom::Point(80, 30), Geom::Point(80, 50), Geom::Point(20, 50)}) {
        const double t = path.nearestTime(corner).asFlatTime();
        EXPECT_LT(Geom::distance(path.pointAt(t), corner), 0.03) << corner;
    }
}

TEST_F(ShapeTest, StarTipsOnTheLargerRadiusFirstStraightUp) {
    for (const auto& [r1, r2] : {std::pair{4.0f, 10.0f}, std::pair{10.0f, 4.0f}}) {
        KArtHandle a = nullptr;
        ASSERT_EQ(shapes->new_centred_star(5, 100, 200, r1, r2, 0, &a), kNoErr);
        const auto s = anchors(a);
        ASSERT_EQ(s.size(), 10u) << r1;
        expect_point(s[0].p, 100, 210);
        for (std::size_t k = 0; k < s.size(); ++k) {
            const double r = std::hypot(s[k].p.h - 100, s[k].p.v - 200);
            EXPECT_NEAR(r, k % 2 == 0 ? 10 : 4, 1e-4) << k;
            // Clockwise in steps of 36 degrees from straight up.
            const double expected = std::remainder(90.0 - 36.0 * static_cast<double>(k), 360.0);
            EXPECT_NEAR(std::remainder(angle_deg(s[k].p, 100, 200) - expected, 360.0), 0, 1e-3) << k;
        }
    }
}

TEST_F(ShapeTest, PolygonVerticesOnTheCircleFirstStraightUp) {
    KArtHandle a = nullptr;
    ASSERT_EQ(shapes->new_centred_polygon(6, -5, 5, 10, 0, &a), kNoErr);
    const auto s = anchors(a);
    ASSERT_EQ(s.size(), 6u);
    expect_point(s[0].p, -5, 15);
    expect_point(s[1].p, -5 + 10 * std::sin(std::numbers::pi / 3), 5 + 10 * std::cos(std::numbers::pi / 3));
    for (std::size_t k = 0; k < s.size(); ++k) {
        EXPECT_NEAR(std::hypot(s[k].p.h + 5, s[k].p.v - 5), 10, 1e-4) << k;
        const double expected = std::remainder(90.0 - 60.0 * static_cast<double>(k), 360.0);
        EXPECT_NEAR(std::remainder(angle_deg(s[k].p, -5, 5) - expected, 360.0), 0, 1e-3) << k;
    }
}

// Every closed shape runs clockwise (negative signed area, y up) and reverse
// flips it without moving any anchor.
TEST_F(ShapeTest, ClosedShapesRunClockwiseAndReverseFlipsThem) {
    const std::vector<std::pair<std::string, std::function<KResult(KBool, KArtHandle*)>>> cases = {
        {"rect", [&](KBool r, KArtHandle* o) { return shapes->new_centred_rect(0, 0, 10, 20, r, o); }},
        {"rounded", [&](KBool r, KArtHandle* o) { return shapes->new_centred_rounded_rect(0, 0, 10, 20, 3, 3, r, o); }},
        {"inscribed", [&](KBool r, KArtHandle* o) { return shapes->new_centred_oval_inscribed(0, 0, 10, 20, r, o); }},
        {"circumscribed",
         [&](KBool r, KArtHandle* o) { return shapes->new_centred_oval_circumscribed(0, 0, 10, 20, r, o); }},
        {"star", [&](KBool r, KArtHandle* o) { return shapes->new_centred_star(7, 0, 0, 3, 9, r, o); }},
        {"polygon", [&](KBool r, KArtHandle* o) { return shapes->new_centred_polygon(5, 0, 0, 9, r, o); }},
    };
    for (const auto& [name, make] : cases) {
        KArtHandle fwd = nullptr, rev = nullptr;
        ASSERT_EQ(make(0, &fwd), kNoErr) << name;
        ASSERT_EQ(make(1, &rev), kNoErr) << name;
        const Geom::Path& f = art(fwd).path;
        const Geom::Path& r = art(rev).path;
        EXPECT_TRUE(f.closed() && r.closed()) << name;
        const double af = signed_area(f), ar = signed_area(r);
        EXPECT_LT(af, 0) << name;
        EXPECT_NEAR(ar, -af, std::fabs(af) * 1e-6) << name;
        // Same anchors, met in the opposite order.
        const auto sf = kh::segments_of(f), sr = kh::segments_of(r);
        ASSERT_EQ(sf.size(), sr.size()) << name;
        std::vector<Geom::Point> pf, pr;
        for (const auto& s : sf) pf.emplace_back(s.p.h, s.p.v);
        for (const auto& s : sr) pr.emplace_back(s.p.h, s.p.v);
        bool matched = false;
        for (std::size_t shift = 0; shift < pf.size() && !matched; ++shift) {
            matched = true;
            for (std::size_t k = 0; k < pf.size() && matched; ++k)
                matched = Geom::distance(pf[(shift + k) % pf.size()], pr[(pf.size() - k) % pf.size()]) < 1e-4;
        }
        EXPECT_TRUE(matched) << name;
    }
}

TEST_F(ShapeTest, SpiralStartsAtStartTurnsAndShrinks) {
    const KRealPoint centre{0, 0}, start{10, 0};
    struct Case {
        KBool direction;
        double first_end_y;  // clockwise goes down from (10, 0), counter-clockwise up
    };
    for (const Case c : {Case{0, -10}, Case{1, 10}}) {
        KArtHandle a = nullptr;
        ASSERT_EQ(shapes->new_spiral(&centre, &start, 50, 6, c.direction, &a), kNoErr);
        const Geom::Path& path = art(a).path;
        EXPECT_FALSE(path.closed());
        const auto s = anchors(a);
        ASSERT_EQ(s.size(), 7u);
        expect_point(s[0].p, 10, 0);
        expect_point(s[1].p, 0, c.first_end_y);
        // Each quarter turn's chord is half the one before (decay 50).
        for (std::size_t k = 1; k + 1 < s.size(); ++k) {
            const double before = std::hypot(s[k].p.h - s[k - 1].p.h, s[k].p.v - s[k - 1].p.v);
            const double after = std::hypot(s[k + 1].p.h - s[k].p.h, s[k + 1].p.v - s[k].p.v);
            EXPECT_NEAR(after, before / 2, 1e-4) << k;
            // Smooth joints: the controls either side of an anchor are collinear with it.
            const Geom::Point in(s[k].in.h - s[k].p.h, s[k].in.v - s[k].p.v);
            const Geom::Point out(s[k].out.h - s[k].p.h, s[k].out.v - s[k].p.v);
            EXPECT_NEAR(Geom::cross(in, out), 0, 1e-3) << k;
            EXPECT_LT(Geom::dot(in, out), 0) << k;
        }
        // The first arc is a quarter circle about the first centre.
        EXPECT_NEAR(Geom::L2(path[0].pointAt(0.5)), 10, 0.01);
    }
}

TEST_F(ShapeTest, NewShapesGoOnTopOfTheCurrentLayerWithTheDefaultStyle) {
    kh::Layer& layer = doc().add_layer("Second");
    doc().set_current_layer(layer);
    kh::Art& existing = doc().new_art(kPathArt, layer);
    doc().set_path(existing, Geom::Path(Geom::Rect(0, 0, 1, 1)));
    KPathStyle style = doc().default_path_style();
    style.fill_paint = 1;
    style.fill = kh::rgb_colour(0.25, 0.5, 0.75);
    style.stroke_width = 3.5f;
    doc().set_default_path_style(style);

    KArtHandle a = nullptr;
    const KRealPoint c{0, 0}, s{5, 5};
    for (int kind = 0; kind < 3; ++kind) {
        KResult r = kind == 0 ? shapes->new_centred_star(5, 0, 0, 2, 4, 0, &a)
                    : kind == 1 ? shapes->new_spiral(&c, &s, 80, 4, 0, &a)
                                : shapes->new_centred_oval_inscribed(0, 0, 3, 3, 1, &a);
        ASSERT_EQ(r, kNoErr);
        kh::Art& made = art(a);
        EXPECT_EQ(made.layer(), &layer);
        EXPECT_EQ(made.parent(), nullptr);
        EXPECT_EQ(layer.last_art(), &made);
        EXPECT_EQ(made.type(), kPathArt);
        EXPECT_FALSE(made.selected());
        EXPECT_EQ(made.style.fill_paint, 1);
        EXPECT_FLOAT_EQ(made.style.fill.body[1], 0.5f);
        EXPECT_FLOAT_EQ(made.style.stroke_width, 3.5f);
    }
}

TEST_F(ShapeTest, UndoRemovesNewShapes) {
    doc().begin_command();
    const std::size_t before = doc().art_count();
    KArtHandle a = nullptr;
    ASSERT_EQ(shapes->new_centred_polygon(5, 0, 0, 9, 0, &a), kNoErr);
    EXPECT_EQ(doc().art_count(), before + 1);
    doc().undo_command();
    EXPECT_EQ(doc().art_count(), before);
    EXPECT_EQ(doc().art_from(a), nullptr);
}

TEST_F(ShapeTest, BadArgumentsAnswerBadParameterAndMakeNothing) {
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const KRealPoint c{0, 0}, s{5, 0};
    KArtHandle out = reinterpret_cast<KArtHandle>(1);
    const std::vector<std::pair<std::string, std::function<KResult()>>> cases = {
        {"star 1 point", [&] { return shapes->new_centred_star(1, 0, 0, 2, 4, 0, &out); }},
        {"star -3 points", [&] { return shapes->new_centred_star(-3, 0, 0, 2, 4, 0, &out); }},
        {"star too many", [&] { return shapes->new_centred_star(20000, 0, 0, 2, 4, 0, &out); }},
        {"polygon 2 sides", [&] { return shapes->new_centred_polygon(2, 0, 0, 4, 0, &out); }},
        {"spiral 0 turns", [&] { return shapes->new_spiral(&c, &s, 80, 0, 0, &out); }},
        {"spiral negative decay", [&] { return shapes->new_spiral(&c, &s, -5, 3, 0, &out); }},
        {"spiral start on centre", [&] { return shapes->new_spiral(&c, &c, 80, 3, 0, &out); }},
        {"spiral null centre", [&] { return shapes->new_spiral(nullptr, &s, 80, 3, 0, &out); }},
        {"spiral null start", [&] { return shapes->new_spiral(&c, nullptr, 80, 3, 0, &out); }},
        {"rect NaN", [&] { return shapes->new_centred_rect(nan, 0, 1, 1, 0, &out); }},
        {"rounded NaN radius", [&] { return shapes->new_centred_rounded_rect(0, 0, 1, 1, nan, 1, 0, &out); }},
        {"oval infinite size",
         [&] { return shapes->new_centred_oval_inscribed(0, 0, std::numeric_limits<float>::infinity(), 1, 0, &out); }},
    };
    const std::size_t before = doc().art_count();
    for (const auto& [name, call] : cases) {
        out = reinterpret_cast<KArtHandle>(1);
        EXPECT_EQ(call(), kBadParameterErr) << name;
        EXPECT_EQ(out, nullptr) << name;
    }
    EXPECT_EQ(shapes->new_centred_rect(0, 0, 1, 1, 0, nullptr), kBadParameterErr);
    EXPECT_EQ(doc().art_count(), before);
}

// An outline of one point has no bounds, and one past the range of the
// suite's reals cannot be measured or moved: both are refused. A flat box
// or a spiral that stops shrinking still has an extent.
TEST_F(ShapeTest, OutlinesWithoutExtentOrOutOfRangeAreRefused) {
    const KRealPoint c{0, 0}, s{5, 0};
    struct Case {
        std::string name;
        std::function<KResult(KArtHandle*)> call;
        KResult expected;
    };
    const std::vector<Case> cases = {
        {"rect 0 x 0", [&](KArtHandle* o) { return shapes->new_centred_rect(3, 4, 0, 0, 0, o); }, kBadParameterErr},
        {"rounded 0 x 0", [&](KArtHandle* o) { return shapes->new_centred_rounded_rect(3, 4, 0, 0, 2, 2, 0, o); },
         kBadParameterErr},
        {"oval 0 x 0", [&](KArtHandle* o) { return shapes->new_centred_oval_inscribed(3, 4, 0, 0, 0, o); },
         kBadParameterErr},
        {"polygon radius 0", [&](KArtHandle* o) { return shapes->new_centred_polygon(5, 3, 4, 0, 0, o); },
         kBadParameterErr},
        {"star radii 0", [&](KArtHandle* o) { return shapes->new_centred_star(5, 3, 4, 0, 0, 0, o); }, kBadParameterErr},
        {"spiral growing past the reals", [&](KArtHandle* o) { return shapes->new_spiral(&c, &s, 1000, 49, 0, o); },
         kBadParameterErr},
        {"flat rect", [&](KArtHandle* o) { return shapes->new_centred_rect(3, 4, 0, 10, 0, o); }, kNoErr},
        {"star inner radius 0", [&](KArtHandle* o) { return shapes->new_centred_star(5, 3, 4, 0, 6, 0, o); }, kNoErr},
        {"spiral decay 0", [&](KArtHandle* o) { return shapes->new_spiral(&c, &s, 0, 4, 0, o); }, kNoErr},
    };
    for (const Case& k : cases) {
        const std::size_t before = doc().art_count();
        KArtHandle out = reinterpret_cast<KArtHandle>(1);
        EXPECT_EQ(k.call(&out), k.expected) << k.name;
        EXPECT_EQ(doc().art_count(), before + (k.expected == kNoErr ? 1 : 0)) << k.name;
        EXPECT_EQ(out == nullptr, k.expected != kNoErr) << k.name;
    }
}

}  // namespace
