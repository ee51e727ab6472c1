// scatterbox_generation_test.cpp: the scatter run with every draw scripted:
// the kinds in turn and by draw, lost attempts, range draws, the host call of
// every kind, the regions, rotation, styling, drop shadows, the four-fold
// pattern, the preview kept by Go, and the failure paths.
#include <cmath>
#include <numbers>
#include <ostream>

#include "host/document/path_segments.hpp"
#include "tests/scatterbox/scatterbox_test_support.hpp"

namespace kestrel::test {
namespace {

constexpr double kW = 612;
constexpr double kH = 792;

class ScatterboxGenerationTest : public ScatterboxTest {
protected:
    // The shapes' layer is the current one when a new layer was inserted.
    std::size_t layer_count() { return host.document().layers().size(); }

    // Recorded centre of call i.
    static Geom::Point centre_of_call(std::size_t i) {
        const ShapeCall& c = shape_calls().at(i);
        if (c.op == "spiral") return {c.a[2], c.a[3]};
        if (c.op == "star" || c.op == "polygon") return {c.a[1], c.a[2]};
        return {c.a[0], c.a[1]};
    }
};

TEST_F(ScatterboxGenerationTest, DefaultsMakeFortyShapesOfTheKindsInTurnOnANewLayer) {
    confirm_without_preview();
    shape_calls().clear();
    go_with_draws({});
    ASSERT_EQ(layer_count(), 2u);
    EXPECT_EQ(&host.document().current_layer(), host.document().layers().back());
    EXPECT_EQ(layer_art().size(), 40u);
    const host::ArtRange first_layer = host::top_level(*host.document().layers().front());
    EXPECT_EQ(first_layer.begin(), first_layer.end());
    const std::vector<std::string> cycle = {"spiral", "inscribed", "rect", "star", "polygon"};
    ASSERT_EQ(shape_calls().size(), 40u);
    for (std::size_t i = 0; i < 40; ++i) {
        EXPECT_EQ(shape_calls()[i].op, cycle[i % 5]) << i;
        const Geom::Point c = centre_of_call(i);
        EXPECT_TRUE(c.x() >= 0 && c.x() < kW && c.y() >= 0 && c.y() < kH) << i;
    }
    // No rotation: not a single transform; and no redraw, which only a
    // preview asks for.
    EXPECT_EQ(calls("AI Transform Art Suite/transform_art"), 0);
    EXPECT_EQ(calls("AI Document Suite/redraw_document"), 0);
}

// One attempt per character of outcomes: S spiral, E ellipse, R rectangle,
// T star, P polygon, - lost. The draws follow from the outcomes: eleven
// values, the kind draw (even mix off), the two position draws of a shape
// and the two size draws of an ellipse or a rectangle; all 0.5 but the
// kind draws.
struct KindCase {
    const char* name;
    const char* kinds;
    KBool even_mix;
    std::vector<float> kind_draws;  // one per attempt when even mix is off
    const char* outcomes;
    friend std::ostream& operator<<(std::ostream& os, const KindCase& c) { return os << c.name; }
};

class ScatterboxKindTest : public ScatterboxGenerationTest, public ::testing::WithParamInterface<KindCase> {};

TEST_P(ScatterboxKindTest, KindSequenceAndLostAttempts) {
    const KindCase& c = GetParam();
    const std::string outcomes = c.outcomes;
    int32_t shapes = 0;
    Draws draws;
    std::vector<std::string> expected;
    for (std::size_t i = 0; i < outcomes.size(); ++i) {
        draws.values();
        if (c.even_mix == 0) draws.then({c.kind_draws.at(i)});
        const char o = outcomes[i];
        if (o == '-') continue;
        ++shapes;
        draws.then({0.5f, 0.5f});
        if (o == 'E' || o == 'R') draws.then({0.5f, 0.5f});
        expected.push_back(o == 'S' ? "spiral" : o == 'E' ? "inscribed" : o == 'R' ? "rect" : o == 'T' ? "star" : "polygon");
    }
    prepare(c.kinds, shapes, c.even_mix);
    go_with(draws);
    EXPECT_EQ(ops(), expected);
    EXPECT_EQ(host.random().draws(), draws.size());
    EXPECT_EQ(layer_art().size(), expected.size());
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, ScatterboxKindTest,
    ::testing::Values(
        KindCase{"even mix, all kinds", "RPSXC", 1, {}, "SERTPSE"},
        // Rectangles only: codes 1 to 3, then 4 to 6 (lost), then 1 to 3 again.
        KindCase{"even mix, rectangles only", "R", 1, {}, "R-R-R"},
        KindCase{"even mix, spirals and polygons", "XP", 1, {}, "SPSP"},
        KindCase{"even mix, polygons only", "P", 1, {}, "PPP"},
        // int(5r + 1): 0.0 spiral, 0.2 ellipse (exactly 2), 0.4 rectangle, 0.6 star, 0.99 polygon.
        KindCase{"drawn, all kinds", "RPSXC", 0, {0.0f, 0.2f, 0.4f, 0.6f, 0.99f}, "SERTP"},
        // Disabled kinds hand their draws on; past the last enabled one they are lost.
        KindCase{"drawn, rectangles only", "R", 0, {0.7f, 0.9f, 0.1f, 0.0f, 0.5f}, "--RRR"},
        KindCase{"drawn, spirals only", "X", 0, {0.5f, 0.3f, 0.1f}, "--S"},
        KindCase{"drawn, no stars", "RPXC", 0, {0.6f}, "P"}));

TEST_F(ScatterboxGenerationTest, IntegerRangesNeverReachTheirMaximum) {
    struct Case {
        int32_t min, max;
        float r;
        int32_t sides;
    };
    const Case cases[] = {
        {3, 10, 0.0f, 3}, {3, 10, 0.99999994f, 9}, {3, 10, 0.5f, 6}, {6, 6, 0.9f, 6},
        {10, 3, 0.5f, 13},  // min above max: from min up by (min - max)
        {10, 3, 0.99999994f, 16},
    };
    for (const Case& c : cases) {
        prepare("P", 1);
        block().polygon_points_min = c.min;
        block().polygon_points_max = c.max;
        go_with(Draws().values().value(1, c.r).then({0.5f, 0.5f}));
        ASSERT_EQ(shape_calls().size(), 1u);
        EXPECT_EQ(shape_calls()[0].a[0], c.sides) << c.min << " " << c.max << " " << c.r;
        EXPECT_EQ(nodes(*layer_art().at(0)).size(), static_cast<std::size_t>(c.sides));
    }
}

TEST_F(ScatterboxGenerationTest, ShapeValuesReachEveryKindsHostCall) {
    // Ranges with min above max and one of each kind: the eleven values of
    // the first attempt feed every call.
    prepare("RPSXC", 5);
    ScatterboxParameters& p = block();
    p.spiral_turns_min = 5;
    p.spiral_turns_max = 3;  // 5 + r * 2
    p.arc_x_min = 10;
    p.arc_x_max = 30;
    p.arc_y_min = 40;
    p.arc_y_max = 20;  // 40 + r * 20
    p.decay_min = 80;
    p.decay_max = 90;
    p.star_points_min = 5;
    p.star_points_max = 9;
    p.star_inner_radius_min = 80;  // the inner range larger than the outer one
    p.star_inner_radius_max = 80;
    p.star_outer_radius_min = 30;
    p.star_outer_radius_max = 30;
    p.polygon_radius_min = 100;
    p.polygon_radius_max = 50;  // 100 + r * 50
    p.reverse_path = 1;
    p.clockwise = 1;
    // Spiral, ellipse, rectangle (these two draw their sizes), star, polygon.
    Draws d;
    d.values(0.25f).then({0.5f, 0.5f});
    d.values(0.25f).then({0.5f, 0.5f, 0.5f, 0.5f});
    d.values(0.25f).then({0.5f, 0.5f, 0.5f, 0.5f});
    d.values(0.25f).then({0.5f, 0.5f});
    d.values(0.25f).then({0.5f, 0.5f});
    go_with(d);
    EXPECT_EQ(host.random().draws(), d.size());
    ASSERT_EQ(ops(), (std::vector<std::string>{"spiral", "inscribed", "rect", "star", "polygon"}));
    const auto& calls = shape_calls();
    const double x = kW / 2, y = kH / 2;
    // Spiral: first arc centre (x + arc x, y + arc y), start (x, y), decay,
    // quarter turns, direction 0 for clockwise; no reverse flag.
    EXPECT_EQ(calls[0].a, (std::vector<double>{x + 15, y + 45, x, y, 82.5, 5, 0}));
    // Ellipse 70 by 70 (ranges 40 to 100 at r 0.5), reverse passed unchanged.
    EXPECT_EQ(calls[1].a, (std::vector<double>{x, y, 70, 70, 1}));
    EXPECT_EQ(calls[2].a, (std::vector<double>{x, y, 70, 70, 1}));
    // Star: the smaller radius first, whatever range it came from.
    EXPECT_EQ(calls[3].a, (std::vector<double>{6, x, y, 30, 80, 1}));
    EXPECT_EQ(calls[4].a, (std::vector<double>{4, x, y, 112.5, 1}));
}

TEST_F(ScatterboxGenerationTest, SizesAreHeightAndWidthAndLinkSizeMakesSquaresAndCircles) {
    struct Case {
        const char* kind;
        KBool link;
        KBool inscribed;
        double width, height;  // of the shape's bounds
        const char* op;
    };
    const double s2 = std::sqrt(2.0);
    const Case cases[] = {
        {"R", 0, 1, 70, 40, "rect"},         {"R", 1, 1, 70, 70, "rect"},
        {"C", 0, 1, 70, 40, "inscribed"},    {"C", 1, 1, 70, 70, "inscribed"},
        {"C", 0, 0, 70 * s2, 40 * s2, "circumscribed"},
    };
    for (const Case& c : cases) {
        prepare(c.kind, 1);
        block().link_size = c.link;
        block().inscribed = c.inscribed;
        // Vertical draw 0 (40), horizontal draw 0.5 (70).
        go_with(Draws().values().then({0.5f, 0.5f, 0.0f, 0.5f}));
        ASSERT_EQ(ops(), std::vector<std::string>{c.op});
        const Geom::Rect r = bounds(*layer_art().at(0));
        EXPECT_NEAR(r.width(), c.width, 1e-3) << c.kind << c.link << c.inscribed;
        EXPECT_NEAR(r.height(), c.height, 1e-3) << c.kind << c.link << c.inscribed;
        expect_near(r.midpoint(), {kW / 2, kH / 2});
    }
}

TEST_F(ScatterboxGenerationTest, RoundedRangeChoosesTheRoundedRectangle) {
    prepare("R", 2);
    block().rounded_min = 0;
    block().rounded_max = 10;
    // Rounded draw 0: a plain rectangle; 0.5: both corner radii 5.
    go_with(Draws().values().value(3, 0.0f).then({0.5f, 0.5f, 0.5f, 0.5f}).values().values().value(3, 0.5f).then(
        {0.5f, 0.5f, 0.5f, 0.5f}));
    ASSERT_EQ(ops(), (std::vector<std::string>{"rect", "rounded"}));
    EXPECT_EQ(shape_calls()[1].a[4], 5);
    EXPECT_EQ(shape_calls()[1].a[5], 5);
}

TEST_F(ScatterboxGenerationTest, SpiralDirectionFlagIsTheOppositeOfClockwise) {
    for (const KBool clockwise : {KBool{1}, KBool{0}}) {
        prepare("X", 1);
        block().clockwise = clockwise;
        block().reverse_path = 1;  // not passed to spirals
        go_with(Draws().values().then({0.5f, 0.5f}));
        ASSERT_EQ(shape_calls().size(), 1u);
        EXPECT_EQ(shape_calls()[0].a[6], clockwise == 1 ? 0 : 1);
        // The spiral starts at the centre drawn and first turns a quarter
        // about (x + 35, y + 35): clockwise to straight above the start,
        // counter-clockwise to its right.
        const host::Art& art = *layer_art().at(0);
        expect_near(nodes(art).at(0), {kW / 2, kH / 2});
        const Geom::Point first_end = art.path[0].finalPoint();
        expect_near(first_end, clockwise == 1 ? Geom::Point(kW / 2, kH / 2 + 70) : Geom::Point(kW / 2 + 70, kH / 2));
    }
}

// r1 = 0.25, r2 = 0.75 for one shape (shape index 0).
struct RegionCase {
    int32_t region;
    double x, y;
};

class ScatterboxRegionTest : public ScatterboxGenerationTest, public ::testing::WithParamInterface<RegionCase> {};

TEST_P(ScatterboxRegionTest, CentreOfTheFirstShape) {
    const RegionCase& c = GetParam();
    prepare("P", 1);
    block().region = c.region;
    go_with(Draws().values().then({0.25f, 0.75f}));
    ASSERT_EQ(shape_calls().size(), 1u);
    const Geom::Point at = centre_of_call(0);
    EXPECT_NEAR(at.x(), c.x, 1e-3) << c.region;
    EXPECT_NEAR(at.y(), c.y, 1e-3) << c.region;
}

INSTANTIATE_TEST_SUITE_P(Regions, ScatterboxRegionTest,
                         ::testing::Values(RegionCase{0, 153, 594}, RegionCase{1, 76.5, 297},
                                           RegionCase{2, 382.5, 693}, RegionCase{3, 336.6, 594},
                                           RegionCase{4, 566.1, 594}, RegionCase{5, 15.3, 594},
                                           RegionCase{6, 153, 772.2}, RegionCase{7, 153, 59.4},
                                           RegionCase{8, 566.1, 594},  // shape 0: the right tenth
                                           RegionCase{9, 306 + 153.0 / 7, 594},
                                           RegionCase{12, 153, 594}));  // not a region: the whole page

TEST_F(ScatterboxGenerationTest, FrameAndCrossedAdvanceOnlyOnCompletedShapes) {
    // Rectangles only with even mix: a lost attempt after every shape; and
    // the host refuses the second rectangle. Neither advances the sequence.
    for (const int32_t region : {8, 9}) {
        prepare("R", 5);
        block().region = region;
        host.faults().fail_call("AI Shape Construction Suite/new_centred_rect", 2, kOutOfMemoryErr);
        Draws d;
        for (int i = 0; i < 6; ++i) {
            d.values().then({0.25f, 0.75f, 0.5f, 0.5f});
            if (i < 5) d.values();  // the lost attempt after a shape
        }
        go_with(d);
        EXPECT_EQ(host.random().draws(), d.size());
        ASSERT_EQ(shape_calls().size(), 6u);
        ASSERT_EQ(layer_art().size(), 5u);
        // Shape index of each built shape: 0, (refused), 1, 2, 3, 4.
        const int index_of_call[6] = {0, 1, 1, 2, 3, 4};
        for (std::size_t i = 0; i < 6; ++i) {
            const int s = index_of_call[i];
            const Geom::Point at = centre_of_call(i);
            if (region == 8) {
                const Geom::Point frame[4] = {{566.1, 594}, {15.3, 594}, {153, 772.2}, {153, 59.4}};
                expect_near(at, frame[s % 4], "frame, call " + std::to_string(i));
            } else if (s % 2 == 0) {
                expect_near(at, {306 + 153.0 / 7, 594}, "crossed, call " + std::to_string(i));
            } else {
                expect_near(at, {153, 396 + 594.0 / 7}, "crossed, call " + std::to_string(i));
            }
        }
        host.faults().clear_faults();
    }
}

struct RotationCase {
    const char* name;
    KBool path_centre, defined_centre;
    float degrees;
    int transforms;
    // Where the 60 by 20 rectangle made at (153, 198) ends up.
    double cx, cy, width, height;
    friend std::ostream& operator<<(std::ostream& os, const RotationCase& c) { return os << c.name; }
};

class ScatterboxRotationTest : public ScatterboxGenerationTest, public ::testing::WithParamInterface<RotationCase> {};

TEST_P(ScatterboxRotationTest, RotatesAboutThePathCentreTheDefinedCentreOrBoth) {
    const RotationCase& c = GetParam();
    prepare("R", 1);
    ScatterboxParameters& p = block();
    p.rectangle_vertical_min = p.rectangle_vertical_max = 20;
    p.rectangle_horizontal_min = p.rectangle_horizontal_max = 60;
    p.rotate_about_path_centre = c.path_centre;
    p.rotate_about_defined_centre = c.defined_centre;
    p.rotation_min = p.rotation_max = c.degrees;
    p.centre_x = 0;
    p.centre_y = 0;
    go_with(Draws().values(0.3f).then({0.25f, 0.25f, 0.5f, 0.5f}));
    EXPECT_EQ(calls("AI Transform Art Suite/transform_art"), c.transforms);
    const Geom::Rect r = bounds(*layer_art().at(0));
    expect_near(r.midpoint(), {c.cx, c.cy}, c.name);
    EXPECT_NEAR(r.width(), c.width, 1e-3) << c.name;
    EXPECT_NEAR(r.height(), c.height, 1e-3) << c.name;
}

INSTANTIATE_TEST_SUITE_P(
    Rotations, ScatterboxRotationTest,
    ::testing::Values(
        RotationCase{"no angle", 1, 1, 0, 0, 153, 198, 60, 20},
        // Neither flag: about the path centre.
        RotationCase{"neither flag", 0, 0, 90, 1, 153, 198, 20, 60},
        RotationCase{"path centre", 1, 0, 90, 1, 153, 198, 20, 60},
        // A quarter turn counter-clockwise about (0, 0).
        RotationCase{"defined centre", 0, 1, 90, 1, -198, 153, 20, 60},
        // First about its own centre, then about (0, 0), by the same angle.
        RotationCase{"both", 1, 1, 90, 2, -198, 153, 60, 20},
        RotationCase{"45 degrees", 1, 0, 45, 1, 153, 198, 80 / std::numbers::sqrt2, 80 / std::numbers::sqrt2}));

TEST_F(ScatterboxGenerationTest, RotationAngleIsDrawnBetweenTheLimits) {
    prepare("R", 1);
    block().rotation_min = 30;
    block().rotation_max = 90;
    block().rotate_about_path_centre = 1;
    // Angle draw 0.25: 45 degrees; a square turned by 45 degrees.
    block().link_size = 1;
    go_with(Draws().values().value(10, 0.25f).then({0.5f, 0.5f, 0.5f, 0.0f}));
    const Geom::Rect r = bounds(*layer_art().at(0));
    EXPECT_NEAR(r.width(), 40 * std::numbers::sqrt2, 1e-3);
}

TEST_F(ScatterboxGenerationTest, StylingDrawsInOrderAndProcessColoursKeepAShareOfBlack) {
    host::Document& doc = host.document();
    doc.set_colour_model(kCMYKModel);
    KPathStyle style = doc.default_path_style();
    style.fill = host::cmyk_colour(0.1, 0.1, 0.1, 0.5);
    style.stroke = host::cmyk_colour(0, 0, 0, 1);
    style.stroke_width = 4;
    doc.set_default_path_style(style);
    doc.clear_swatches();
    for (int i = 1; i <= 4; ++i) doc.add_swatch("s" + std::to_string(i), host::grey_colour(i / 10.0));
    prepare("P", 1);
    ScatterboxParameters& p = block();
    p.fill = p.stroke = p.width = p.opacity = 1;
    p.stroke_swatches = 1;
    // fill c, m, y, black share; stroke c, m, y, k; stroke swatch; width; opacity.
    go_with(Draws().values().then({0.5f, 0.5f, 0.2f, 0.4f, 0.6f, 0.5f, 0.1f, 0.2f, 0.3f, 0.4f, 0.6f, 0.25f, 0.7f}));
    EXPECT_EQ(host.random().draws(), 11 + 2 + 4 + 4 + 1 + 1 + 1);
    const host::Art& art = *layer_art().at(0);
    EXPECT_EQ(art.style.fill.kind, kProcessColour);
    const float fill[4] = {0.2f, 0.4f, 0.6f, 0.25f};
    for (int i = 0; i < 4; ++i) EXPECT_FLOAT_EQ(art.style.fill.body[i], fill[i]) << i;
    // The stroke swatch (position int(0.6 * 4) + 1 = 3) replaced the drawn stroke.
    EXPECT_EQ(art.style.stroke.kind, kGreyColour);
    EXPECT_FLOAT_EQ(art.style.stroke.body[0], 0.3f);
    EXPECT_FLOAT_EQ(art.style.stroke_width, 1.0f);
    EXPECT_FLOAT_EQ(art.opacity, 0.7f);
}

TEST_F(ScatterboxGenerationTest, StrokeOfProcessColourIsDrawnWhole) {
    host::Document& doc = host.document();
    doc.set_colour_model(kCMYKModel);
    prepare("P", 1);
    block().stroke = 1;
    go_with(Draws().values().then({0.5f, 0.5f, 0.1f, 0.2f, 0.3f, 0.4f}));
    const KColour& s = layer_art().at(0)->style.stroke;
    EXPECT_EQ(s.kind, kProcessColour);
    EXPECT_FLOAT_EQ(s.body[3], 0.4f);
}

struct ShadowCase {
    int model;
    KBool half;
    KColour fill;      // the default style's fill
    KColour expected;  // the shadow's fill
};

class ScatterboxShadowTest : public ScatterboxGenerationTest, public ::testing::WithParamInterface<ShadowCase> {};

TEST_P(ScatterboxShadowTest, ShadowDirectlyBehindInTheColourModel) {
    const ShadowCase& c = GetParam();
    host::Document& doc = host.document();
    doc.set_colour_model(c.model);
    KPathStyle style = doc.default_path_style();
    style.fill = c.fill;
    doc.set_default_path_style(style);
    prepare("R", 1);
    block().drop_shadow = 1;
    block().half_fill_shadow = c.half;
    go_with(Draws().values().then({0.25f, 0.25f, 0.5f, 0.5f}));
    EXPECT_EQ(host.random().draws(), 15);
    const auto art = layer_art();
    ASSERT_EQ(art.size(), 2u);
    const host::Art& shadow = *art[0];
    const host::Art& shape = *art[1];
    EXPECT_EQ(shape.style.fill.kind, c.fill.kind);
    EXPECT_EQ(shadow.style.fill.kind, c.expected.kind);
    for (int i = 0; i < 4; ++i) EXPECT_FLOAT_EQ(shadow.style.fill.body[i], c.expected.body[i]) << i;
    // 20 points right and 20 down.
    expect_near(bounds(shadow).min(), bounds(shape).min() + Geom::Point(20, -20));
    expect_near(bounds(shadow).max(), bounds(shape).max() + Geom::Point(20, -20));
}

INSTANTIATE_TEST_SUITE_P(
    Models, ScatterboxShadowTest,
    ::testing::Values(ShadowCase{kRGBModel, 0, host::rgb_colour(0.8, 0.4, 0.2), host::rgb_colour(0, 0, 0)},
                      ShadowCase{kRGBModel, 1, host::rgb_colour(0.8, 0.4, 0.2), host::rgb_colour(0.4, 0.2, 0.1)},
                      ShadowCase{kGreyModel, 0, host::grey_colour(0.6), host::grey_colour(0)},
                      ShadowCase{kGreyModel, 1, host::grey_colour(0.6), host::grey_colour(0.3)},
                      ShadowCase{kCMYKModel, 0, host::cmyk_colour(0.2, 0.4, 0.6, 0.8), host::cmyk_colour(1, 1, 1, 1)},
                      ShadowCase{kCMYKModel, 1, host::cmyk_colour(0.2, 0.4, 0.6, 0.8),
                                 host::cmyk_colour(0.1, 0.2, 0.3, 0.4)}));

TEST_F(ScatterboxGenerationTest, ShadowOptionsDrawAfterTheShapesOpacity) {
    prepare("R", 1);
    ScatterboxParameters& p = block();
    p.opacity = 1;
    p.drop_shadow = 1;
    p.shadow_direction = 1;
    p.shadow_opacity = 1;
    p.shadow_scaling = 1;
    // Shape opacity; direction: sign -, 0.5, sign +, 0.5; shadow opacity; squash.
    go_with(Draws().values().then({0.25f, 0.25f, 0.5f, 0.5f, 0.9f, 0.75f, 0.5f, 0.25f, 0.5f, 0.3f, 0.5f}));
    EXPECT_EQ(host.random().draws(), 15 + 1 + 4 + 1 + 1);
    const auto art = layer_art();
    ASSERT_EQ(art.size(), 2u);
    EXPECT_FLOAT_EQ(art[1]->opacity, 0.9f);
    EXPECT_FLOAT_EQ(art[0]->opacity, 0.3f);
    // Moved by (-10, -10), then squashed to half its height onto its bottom.
    const Geom::Rect shape = bounds(*art[1]);
    const Geom::Rect shadow = bounds(*art[0]);
    EXPECT_NEAR(shadow.left(), shape.left() - 10, 1e-3);
    EXPECT_NEAR(shadow.top(), shape.top() - 10, 1e-3);  // 2geom top: the smaller y
    EXPECT_NEAR(shadow.height(), shape.height() / 2, 1e-3);
}

TEST_F(ScatterboxGenerationTest, BasicPatternWithShadowMakesFourShapesAndFourShadows) {
    prepare("P", 1);
    ScatterboxParameters& p = block();
    p.polygon_points_min = p.polygon_points_max = 3;
    p.drop_shadow = 1;
    p.basic_pattern = 1;
    p.rotation_min = p.rotation_max = 30;  // an outline with no symmetry of its own
    go_with(Draws().values().then({0.25f, 0.25f}));
    EXPECT_EQ(host.random().draws(), 13);
    const auto art = layer_art();
    ASSERT_EQ(art.size(), 8u);
    // Back to front: the shadow directly behind the shape, then the
    // shadow's three images, then the shape's, in front of all art.
    const host::Art* shadow = art[0];
    const host::Art* shape = art[1];
    const auto mirror = [](Geom::Point q, int image) {
        const double mx = image == 0 || image == 1 ? kW - q.x() : q.x();
        const double my = image == 1 || image == 2 ? kH - q.y() : q.y();
        return Geom::Point(mx, my);
    };
    for (int image = 0; image < 3; ++image) {
        for (const auto& [original, copy] : {std::pair{shadow, art[2 + image]}, std::pair{shape, art[5 + image]}}) {
            const auto want = nodes(*original);
            const auto got = nodes(*copy);
            ASSERT_EQ(got.size(), 3u);
            for (std::size_t n = 0; n < 3; ++n) expect_near(got[n], mirror(want[n], image), "image " + std::to_string(image));
            EXPECT_EQ(copy->style.fill.kind, original->style.fill.kind);
            EXPECT_FLOAT_EQ(copy->style.fill.body[0], original->style.fill.body[0]);
        }
    }
}

TEST_F(ScatterboxGenerationTest, OkRightAfterAPreviewKeepsItUnchanged) {
    host.random().script(std::vector<float>(2000, 0.5f));
    ASSERT_EQ(open("set 4 12; ok"), kNoErr);
    std::vector<Geom::Path> previewed;
    for (const host::Art* a : layer_art()) previewed.push_back(a->path);
    ASSERT_EQ(previewed.size(), 12u);
    const std::size_t layers = layer_count();
    host.random().reset_count();
    shape_calls().clear();
    EXPECT_EQ(host.plugins().go(*filter), kNoErr);
    EXPECT_EQ(host.random().draws(), 0);
    EXPECT_TRUE(shape_calls().empty());
    EXPECT_EQ(layer_count(), layers);
    std::vector<Geom::Path> kept;
    for (const host::Art* a : layer_art()) kept.push_back(a->path);
    EXPECT_EQ(kept, previewed);
    EXPECT_EQ(block().preview_flag, 0);
}

TEST_F(ScatterboxGenerationTest, OkAfterAFailedPreviewScattersAnew) {
    host.random().script(std::vector<float>(4000, 0.5f));
    // The opening preview reads the bounds of its 40 shapes; the preview of
    // 12 fails at the bounds of its sixth shape, which stays with the five
    // before it.
    host.faults().fail_call("AI Art Suite/get_bounds", 40 + 6, kOutOfMemoryErr);
    ASSERT_EQ(open("set 4 12; ok"), kNoErr);
    EXPECT_EQ(layer_art().size(), 6u);
    EXPECT_EQ(block().preview_flag, 0);  // no finished preview to keep
    host.random().reset_count();
    EXPECT_EQ(host.plugins().go(*filter), kNoErr);
    EXPECT_GT(host.random().draws(), 0);
    EXPECT_EQ(layer_art().size(), 12u);
}

TEST_F(ScatterboxGenerationTest, GoWithoutAPreviewUndoesTheOldOneAndScattersAnew) {
    ASSERT_EQ(open("set 4 12; check 3 0; ok"), kNoErr);
    EXPECT_EQ(layer_art().size(), 12u);  // the last preview stays while Preview is off
    EXPECT_EQ(host.plugins().go(*filter), kNoErr);
    EXPECT_EQ(layer_count(), 2u);  // the preview's layer went with its shapes
    EXPECT_EQ(layer_art().size(), 12u);
}

TEST_F(ScatterboxGenerationTest, NoShapesStillInsertsTheLayerButNoKindsInsertNothing) {
    prepare("RPSXC", 0);
    go_with_draws({});
    EXPECT_EQ(layer_count(), 2u);
    EXPECT_TRUE(layer_art().empty());
    EXPECT_EQ(host.random().draws(), 0);

    // Each run below is a command of its own: the layers before it stay.
    prepare("", 40);
    std::size_t before = layer_count();
    go_with_draws({});
    EXPECT_EQ(layer_count(), before);
    EXPECT_EQ(host.random().draws(), 0);

    prepare("R", 3);
    block().create_new_layer = 0;
    before = layer_count();
    const std::size_t art_before = layer_art().size();
    go_with_draws({});
    EXPECT_EQ(layer_count(), before);
    EXPECT_EQ(layer_art().size(), art_before + 3);
}

TEST_F(ScatterboxGenerationTest, RefusedBuildSkipsTheRestOfItsAttempt) {
    prepare("R", 2);
    block().fill = 1;
    block().opacity = 1;
    host.faults().fail_call("AI Shape Construction Suite/new_centred_rect", 1, kBadParameterErr);
    // Refused: no styling, no opacity; the next rectangle gets both.
    go_with(Draws().values().then({0.5f, 0.5f, 0.5f, 0.5f}).values().values().then(
        {0.5f, 0.5f, 0.5f, 0.5f, 0.1f, 0.2f, 0.3f, 0.4f}).values().values().then({0.5f, 0.5f, 0.5f, 0.5f, 0.1f, 0.2f, 0.3f, 0.4f}));
    EXPECT_EQ(host.random().draws(), 15 + 11 + 19 + 11 + 19);
    EXPECT_EQ(layer_art().size(), 2u);
    EXPECT_EQ(calls("AI Path Style Suite/set_path_style"), 2);
}

// Settings under which no attempt makes a shape end the run after a bounded
// number of attempts.
TEST_F(ScatterboxGenerationTest, RunWithoutProgressEnds) {
    // Every rectangle refused (even mix: a lost attempt after each).
    prepare("R", 5);
    host.faults().fail_call("AI Shape Construction Suite/new_centred_rect", 1, kBadParameterErr, true);
    go_with_draws(std::vector<float>(20000, 0.5f));
    EXPECT_EQ(host.random().draws(), 500 * 15 + 500 * 11);
    EXPECT_TRUE(layer_art().empty());
    host.faults().clear_faults();

    // A random service stuck past the last enabled kind.
    prepare("X", 5, 0);
    go_with_draws(std::vector<float>(20000, 0.99f));
    EXPECT_EQ(host.random().draws(), 1000 * 12);
    EXPECT_TRUE(layer_art().empty());

    // Settings the host refuses every time: polygons of radius 0 are points.
    prepare("P", 5);
    block().polygon_radius_min = block().polygon_radius_max = 0;
    go_with_draws(std::vector<float>(20000, 0.5f));
    EXPECT_EQ(host.random().draws(), 1000 * 13);
    EXPECT_EQ(shape_calls().size(), 1000u);
    EXPECT_TRUE(layer_art().empty());
}

struct FailureCase {
    const char* operation;
    int nth;           // the call of this run that fails
    std::size_t left;  // objects the run left in the layer
    friend std::ostream& operator<<(std::ostream& os, const FailureCase& c) {
        return os << c.operation << " call " << c.nth;
    }
};

class ScatterboxFailureTest : public ScatterboxGenerationTest, public ::testing::WithParamInterface<FailureCase> {};

TEST_P(ScatterboxFailureTest, EndsTheRunQuietlyAndKeepsWhatWasMade) {
    const FailureCase& c = GetParam();
    prepare("R", 3);
    block().drop_shadow = 1;
    block().basic_pattern = 1;
    block().rotation_min = block().rotation_max = 10;
    host.faults().fail_call(c.operation, c.nth, kOutOfMemoryErr);
    go_with_draws(std::vector<float>(200, 0.5f));
    std::size_t left = 0;
    for (host::Layer* layer : host.document().layers()) {
        for ([[maybe_unused]] host::Art& a : host::top_level(*layer)) ++left;
    }
    EXPECT_EQ(left, c.left);
    for (const auto& d : host.dialogs().shown()) EXPECT_NE(d.name, "Error Dialog");
}

// Per shape: bounds (1), rotation (1), shadow duplicate, its move (1), its
// images: 3 duplicates, 1 + 3 bounds, 6 transforms; the shape's images the same.
INSTANTIATE_TEST_SUITE_P(
    Failures, ScatterboxFailureTest,
    ::testing::Values(FailureCase{"AI Undo Suite/undo_changes", 1, 40},  // the opening preview stays
                      FailureCase{"AI Document Suite/get_document_page_size", 1, 0},
                      FailureCase{"AI Layer Suite/insert_layer", 1, 0},
                      FailureCase{"AI Art Suite/get_bounds", 1, 1},               // the first shape's
                      FailureCase{"AI Transform Art Suite/transform_art", 1, 1},  // its rotation
                      FailureCase{"AI Art Suite/duplicate_art", 1, 1},            // its shadow
                      FailureCase{"AI Art Suite/duplicate_art", 3, 3},            // the shadow's second image
                      FailureCase{"AI Art Suite/get_bounds", 6, 6},               // the shape's first image
                      FailureCase{"AI Transform Art Suite/transform_art", 14, 8},  // the last flip of shape 1
                      FailureCase{"AI Art Suite/get_bounds", 10, 9}));            // shape 2's own bounds

}  // namespace
}  // namespace kestrel::test
