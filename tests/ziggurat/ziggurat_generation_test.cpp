// ziggurat_generation_test.cpp: the towers of the "AI Go" run with every
// draw scripted: floors and positions, floor counts at the edges of blocks
// and reduce, every spacing rule, link gap, the checkerboard doubling, the
// drop shadow's place, colour and random settings, plain and warped
// envelopes, compound sources, swatch picks, the order of every draw, and Go
// right after a preview.
#include <ostream>
#include <string>
#include <vector>

#include "tests/ziggurat/ziggurat_test_support.hpp"

namespace kestrel::test {
namespace {

class ZigguratGenerationTest : public ZigguratTest {
protected:
    // One floor of copies blocks + 1 copies (reduce beyond blocks).
    void one_floor(int32_t blocks) {
        block().blocks = blocks;
        block().reduce = blocks + 1;
    }

    // A style with these fills and strokes painted or not, stroke width 2.
    static KPathStyle paint(const KColour& fill, const KColour& stroke, KBool painted) {
        KPathStyle s{};
        s.fill_paint = painted;
        s.stroke_paint = painted;
        s.fill = fill;
        s.stroke = stroke;
        s.stroke_width = 2;
        return s;
    }
};

TEST_F(ZigguratGenerationTest, DefaultTowerStepsFloorsInwardOverTheBase) {
    selected_rect(0, 0, 30, 20);
    confirm_without_preview();
    ASSERT_EQ(block().blocks, 7);
    ASSERT_EQ(block().reduce, 1);
    go_with_draws({});
    EXPECT_EQ(host.random().draws(), 0);

    // Floors of 8, 7, ..., 1 copies, made floor by floor, each in front of
    // the ones before: copy i of floor j at (40 i + 20 j, 40 j).
    const auto art = layer_art();
    ASSERT_EQ(art.size(), 36u);
    std::size_t n = 0;
    for (int j = 0; j < 8; ++j) {
        for (int i = 0; i <= 7 - j; ++i, ++n) {
            const double left = 40.0 * i + 20.0 * j;
            const double bottom = 40.0 * j;
            expect_rect(bounds(*art[n]), left, bottom, left + 30, bottom + 20,
                        "floor " + std::to_string(j) + " copy " + std::to_string(i));
        }
    }
}

TEST_F(ZigguratGenerationTest, TowersAreMadeFromTheLastSelectedObjectToTheFirst) {
    selected_rect(0, 0, 30, 20);
    selected_rect(100, 0, 30, 20);
    confirm_without_preview();
    block().blocks = 0;
    block().opacity = 1;
    go_with_draws({0.1f, 0.2f});
    const auto art = layer_art();
    ASSERT_EQ(art.size(), 2u);
    // The frontmost source's copy was made first, so it is the backmost.
    expect_rect(bounds(*art[0]), 100, 0, 130, 20);
    EXPECT_FLOAT_EQ(art[0]->opacity, 0.1f);
    expect_rect(bounds(*art[1]), 0, 0, 30, 20);
    EXPECT_FLOAT_EQ(art[1]->opacity, 0.2f);
}

struct CountCase {
    const char* name;
    int32_t blocks;
    int32_t reduce;
    std::size_t copies;  // copies of the one source object
};

class ZigguratCountTest : public ZigguratGenerationTest, public ::testing::WithParamInterface<CountCase> {};

TEST_P(ZigguratCountTest, FloorsEndWhenTheReducedCountFallsBelowZero) {
    const CountCase& c = GetParam();
    selected_rect(0, 0, 30, 20);
    confirm_without_preview();
    block().blocks = c.blocks;
    block().reduce = c.reduce;
    go_with_draws({});
    EXPECT_EQ(layer_art().size(), c.copies) << c.name;
}

INSTANTIATE_TEST_SUITE_P(Edges, ZigguratCountTest,
                         ::testing::Values(CountCase{"reduce beyond blocks: one floor", 3, 5, 4},
                                           CountCase{"blocks 0: one copy", 0, 1, 1},
                                           CountCase{"reduce 0: 210 floors", 2, 0, 3 * 210},
                                           CountCase{"negative blocks taken as 0", -3, 1, 1},
                                           CountCase{"negative reduce taken as 0", 1, -2, 2 * 210}),
                         [](const auto& info) { return std::to_string(info.index); });

TEST_F(ZigguratGenerationTest, BlocksZeroReplacesTheSourceByOneCopyInItsPlace) {
    host::Art& source = selected_rect(5, 6, 30, 20);
    confirm_without_preview();
    block().blocks = 0;
    go_with_draws({});
    EXPECT_FALSE(source.in_document());
    const auto art = layer_art();
    ASSERT_EQ(art.size(), 1u);
    expect_rect(bounds(*art[0]), 5, 6, 35, 26);
}

TEST_F(ZigguratGenerationTest, BlocksAndReduceZeroKeepEveryFloorOverTheBaseCopy) {
    selected_rect(0, 0, 30, 20);
    confirm_without_preview();
    block().blocks = 0;
    block().reduce = 0;
    go_with_draws({});
    const auto art = layer_art();
    ASSERT_EQ(art.size(), 210u);
    for (std::size_t j = 0; j < art.size(); j += 50) {
        expect_rect(bounds(*art[j]), 0, 40.0 * j, 30, 40.0 * j + 20, "floor " + std::to_string(j));
    }
}

// One spacing rule at a time on a 30 by 20 object. Block rules: one floor,
// block gap 40; the offsets are the copies' left edges. Floor rules: blocks
// 0 and reduce 0 (210 floors of one copy), floor gap 10; the offsets are
// the floors' bottom edges.
struct SpacingCase {
    const char* name;
    bool floors;
    int32_t code;
    std::vector<float> draws;      // the rule's draws, in order (the rest 0)
    std::int64_t draws_made;       // draws the whole run makes
    std::vector<double> offsets;   // of copies (floors) 0, 1, ...
    friend std::ostream& operator<<(std::ostream& os, const SpacingCase& c) { return os << c.name; }
};

class ZigguratSpacingTest : public ZigguratGenerationTest, public ::testing::WithParamInterface<SpacingCase> {};

TEST_P(ZigguratSpacingTest, OffsetsFollowTheRule) {
    const SpacingCase& c = GetParam();
    selected_rect(0, 0, 30, 20);
    confirm_without_preview();
    block().block_gap = 40;
    block().floor_gap = 10;
    std::vector<float> draws = c.draws;
    if (c.floors) {
        block().blocks = 0;
        block().reduce = 0;
        block().floor_gap_method = c.code;
        draws.resize(210, 0.0f);
    } else {
        one_floor(static_cast<int32_t>(c.offsets.size()) - 1);
        block().block_gap_method = c.code;
    }
    go_with_draws(draws);
    EXPECT_EQ(host.random().draws(), c.draws_made);
    const auto art = layer_art();
    ASSERT_GE(art.size(), c.offsets.size());
    for (std::size_t n = 0; n < c.offsets.size(); ++n) {
        const Geom::Rect r = bounds(*art[n]);
        const double along = c.floors ? r.top() : r.left();  // 2geom: top is the smaller y
        const double across = c.floors ? r.left() : r.top();
        EXPECT_NEAR(along, c.offsets[n], 1e-3) << c.name << ", copy " << n;
        EXPECT_NEAR(across, 0, 1e-3) << c.name << ", copy " << n;
    }
}

const double kThird = 40.0 / 3;  // block gap / 3
const double kFloorThird = 10.0 / 3;

INSTANTIATE_TEST_SUITE_P(
    BlockRules, ZigguratSpacingTest,
    ::testing::Values(
        SpacingCase{"gap between blocks", false, 0, {}, 0, {0, 40, 80, 120, 160}},
        SpacingCase{"accumulate", false, 1, {}, 0, {0, 0, 40, 120, 240}},
        SpacingCase{"start+1", false, 2, {}, 0, {0, 40, 81, 123, 166}},
        SpacingCase{"alternate half gap", false, 3, {}, 0, {0, 40, 60, 100, 120}},
        SpacingCase{"decreasing", false, 4, {}, 0, {0, 40, 60, 60 + kThird, 70 + kThird}},
        SpacingCase{"decreasing alternate gap", false, 5, {}, 0, {0, 40, 80, 80 + kThird, 120 + kThird}},
        SpacingCase{"random<current", false, 6, {0.5f, 0.25f, 0.75f, 0.1f}, 4, {0, 20, 30, 60, 64}},
        SpacingCase{"width+gap", false, 7, {}, 0, {0, 0, 70, 140, 210}},
        SpacingCase{"width+random<current", false, 8, {0.5f, 0.25f, 0.75f, 0.1f}, 4, {0, 0, 40, 120, 102}},
        SpacingCase{"width+alternate half gap", false, 9, {}, 0, {0, 40, 50, 100, 110}},
        SpacingCase{"slowdown", false, 10, {}, 0, {0, 40, 79, 117, 154}},
        SpacingCase{"pulsed accumulate: the eleventh step adds nothing", false, 11, {}, 0,
                    {0, 0, 40, 120, 240, 400, 600, 840, 1120, 1440, 1800, 1800}},
        SpacingCase{"three's company", false, 12, {}, 0, {0, 40, 40 + kThird, 40 + 2 * kThird, 80 + 2 * kThird}},
        SpacingCase{"quartet", false, 13, {}, 0, {0, 40, 50, 60, 70, 110}},
        SpacingCase{"threes", false, 14, {}, 0, {0, 20, 20 + kThird, 20 + 2 * kThird, 40 + 2 * kThird}},
        SpacingCase{"unknown code: no step", false, 15, {}, 0, {0, 0, 0}}),
    [](const auto& info) { return "code_" + std::to_string(info.param.code); });

INSTANTIATE_TEST_SUITE_P(
    FloorRules, ZigguratSpacingTest,
    ::testing::Values(
        SpacingCase{"gap between floors", true, 0, {}, 0, {0, 10, 20, 30, 40}},
        SpacingCase{"accumulate", true, 1, {}, 0, {0, 10, 30, 60, 100}},
        SpacingCase{"spacing + 1", true, 2, {}, 0, {0, 11, 23, 36, 50}},
        SpacingCase{"alternate halved spacing", true, 3, {}, 0, {0, 5, 15, 20, 30}},
        SpacingCase{"decreasing: divides by the floors laid", true, 4, {}, 0,
                    {0, 10, 15, 15 + kFloorThird, 17.5 + kFloorThird}},
        SpacingCase{"decreasing alternative spacing", true, 5, {}, 0, {0, 10, 15, 25, 27.5}},
        // A draw after every floor, the 210th included.
        SpacingCase{"random<current", true, 6, {0.5f, 0.25f, 0.75f, 0.1f}, 210, {0, 5, 7.5, 15, 16}},
        SpacingCase{"height+spacing", true, 7, {}, 0, {0, 30, 60, 90, 120}},
        SpacingCase{"height+random<current", true, 8, {0.5f, 0.25f, 0.75f, 0.1f}, 210, {0, 25, 45, 82.5, 84}},
        SpacingCase{"height+alternate halved spacing", true, 9, {}, 0, {0, 25, 50, 65, 90}},
        SpacingCase{"slowdown", true, 10, {}, 0, {0, 9, 17, 24, 30}},
        SpacingCase{"pulsed accumulate: the tenth floor adds nothing", true, 11, {}, 0,
                    {0, 10, 30, 60, 100, 150, 210, 280, 360, 450, 450, 460}},
        SpacingCase{"three's company", true, 12, {}, 0,
                    {0, kFloorThird, 2 * kFloorThird, 10 + 2 * kFloorThird, 10 + 3 * kFloorThird}},
        SpacingCase{"quartet", true, 13, {}, 0, {0, 2.5, 5, 7.5, 17.5, 20}},
        SpacingCase{"threes", true, 14, {}, 0, {0, kFloorThird, 2 * kFloorThird, 5 + 2 * kFloorThird, 5 + 3 * kFloorThird}},
        SpacingCase{"unknown code: no step", true, 15, {}, 0, {0, 0, 0}}),
    [](const auto& info) { return "code_" + std::to_string(info.param.code); });

TEST_F(ZigguratGenerationTest, LinkGapGivesFloorsTheBlockGapAndCodeInTheFloorTable) {
    selected_rect(0, 0, 30, 20);
    confirm_without_preview();
    block().blocks = 0;
    block().reduce = 0;
    block().link_gap = 1;
    block().block_gap = 40;
    block().block_gap_method = 4;  // floors: y + 40 / n
    block().floor_gap = 10;
    block().floor_gap_method = 7;  // ignored
    go_with_draws({});
    const auto art = layer_art();
    ASSERT_EQ(art.size(), 210u);
    const double expected[] = {0, 40, 60, 60 + 40.0 / 3};
    for (std::size_t j = 0; j < 4; ++j) {
        expect_rect(bounds(*art[j]), 0, expected[j], 30, expected[j] + 20, "floor " + std::to_string(j));
    }
}

TEST_F(ZigguratGenerationTest, AlternateDoublesTheOddCellsAboutTheSourceCentre) {
    selected_rect(100, 50, 30, 20);  // centre (115, 60)
    confirm_without_preview();
    block().blocks = 2;
    block().alternate = 1;
    go_with_draws({});
    // Floors of 3, 2 and 1 copies; row offsets 0, 20, 40.
    struct Cell {
        int i, j;
        double l, b, r, t;
    };
    const Cell cells[] = {
        {0, 0, 100, 50, 130, 70},  {1, 0, 125, 40, 185, 80},   {2, 0, 180, 50, 210, 70},
        {0, 1, 105, 80, 165, 120}, {1, 1, 160, 90, 190, 110}, {0, 2, 140, 130, 170, 150},
    };
    const auto art = layer_art();
    ASSERT_EQ(art.size(), 6u);
    for (std::size_t n = 0; n < 6; ++n) {
        const Cell& c = cells[n];
        expect_rect(bounds(*art[n]), c.l, c.b, c.r, c.t,
                    "floor " + std::to_string(c.j) + " copy " + std::to_string(c.i));
    }
}

TEST_F(ZigguratGenerationTest, DropShadowSitsDirectlyBehindItsCopyInBlack) {
    host.document().set_colour_model(kRGBModel);
    host::Art& behind = selected_rect(200, 0, 10, 10);
    host.document().set_selected(behind, false);
    host::Art& source = selected_rect(0, 0, 30, 20);
    host.document().set_style(source, paint(host::rgb_colour(0.8, 0.6, 0.4), host::grey_colour(0), 1));
    confirm_without_preview();
    block().blocks = 1;
    block().reduce = 2;
    block().drop_shadow = 1;
    go_with_draws({});

    // behind, shadow 0, copy 0, shadow 1, copy 1.
    const auto art = layer_art();
    ASSERT_EQ(art.size(), 5u);
    EXPECT_EQ(art[0], &behind);
    for (int i = 0; i < 2; ++i) {
        const host::Art& shadow = *art[1 + 2 * i];
        const host::Art& copy = *art[2 + 2 * i];
        EXPECT_EQ(shadow.next(), &copy) << "copy " << i;
        expect_rect(bounds(copy), 40.0 * i, 0, 40.0 * i + 30, 20, "copy " + std::to_string(i));
        expect_rect(bounds(shadow), 40.0 * i + 20, -20, 40.0 * i + 50, 0, "shadow " + std::to_string(i));
        EXPECT_EQ(shadow.style.fill.kind, kRGBColour);
        for (int c = 0; c < 3; ++c) EXPECT_EQ(shadow.style.fill.body[c], 0.0f);
        EXPECT_NEAR(copy.style.fill.body[0], 0.8, 1e-6);
    }
}

struct ShadowColourCase {
    const char* name;
    int model;
    KBool half_fill;
    KColour fill;      // the source's fill
    KBool fill_paint;  // the source's fill-paint flag, which the shadow keeps
    KColour expected;  // the shadow's fill: kind and components
    int components;
    friend std::ostream& operator<<(std::ostream& os, const ShadowColourCase& c) { return os << c.name; }
};

class ZigguratShadowColourTest : public ZigguratGenerationTest,
                                 public ::testing::WithParamInterface<ShadowColourCase> {};

TEST_P(ZigguratShadowColourTest, ShadowFillFollowsTheColourModel) {
    const ShadowColourCase& c = GetParam();
    host.document().set_colour_model(c.model);
    host::Art& source = selected_rect(0, 0, 30, 20);
    host.document().set_style(source, paint(c.fill, c.fill, c.fill_paint));
    confirm_without_preview();
    block().blocks = 0;
    block().drop_shadow = 1;
    block().half_fill_shadow = c.half_fill;
    go_with_draws({});
    const auto art = layer_art();
    ASSERT_EQ(art.size(), 2u);
    const KPathStyle& shadow = art[0]->style;
    EXPECT_EQ(shadow.fill.kind, c.expected.kind) << c.name;
    for (int k = 0; k < c.components; ++k) EXPECT_FLOAT_EQ(shadow.fill.body[k], c.expected.body[k]) << c.name << " " << k;
    EXPECT_EQ(shadow.fill_paint, c.fill_paint) << c.name;
    EXPECT_EQ(art[1]->style.fill.kind, c.fill.kind) << c.name << ": the copy keeps its fill";
}

INSTANTIATE_TEST_SUITE_P(
    Models, ZigguratShadowColourTest,
    ::testing::Values(
        ShadowColourCase{"grey black", kGreyModel, 0, host::grey_colour(0.8), 1, host::grey_colour(0), 1},
        ShadowColourCase{"grey half", kGreyModel, 1, host::grey_colour(0.8), 1, host::grey_colour(0.4), 1},
        ShadowColourCase{"rgb black, fill unpainted", kRGBModel, 0, host::rgb_colour(0.8, 0.6, 0.4), 0,
                         host::rgb_colour(0, 0, 0), 3},
        ShadowColourCase{"rgb half", kRGBModel, 1, host::rgb_colour(0.8, 0.6, 0.4), 1,
                         host::rgb_colour(0.4, 0.3, 0.2), 3},
        ShadowColourCase{"cmyk black is all four at full", kCMYKModel, 0, host::cmyk_colour(0.2, 0.4, 0.6, 0.8), 1,
                         host::cmyk_colour(1, 1, 1, 1), 4},
        ShadowColourCase{"cmyk half", kCMYKModel, 1, host::cmyk_colour(0.2, 0.4, 0.6, 0.8), 1,
                         host::cmyk_colour(0.1, 0.2, 0.3, 0.4), 4}),
    [](const auto& info) { return std::to_string(info.index); });

TEST_F(ZigguratGenerationTest, RandomShadowDirectionOpacityAndSquash) {
    selected_rect(0, 0, 30, 20);
    confirm_without_preview();
    block().blocks = 0;
    block().drop_shadow = 1;
    block().shadow_direction = 1;
    block().shadow_opacity = 1;
    block().shadow_scaling = 1;
    // 0.7: leftward, d_x = -0.25 * 20; exactly 0.5 is not above one half:
    // d_y = 0.75 * -20; opacity 0.4; squashed to half height.
    go_with_draws({0.7f, 0.25f, 0.5f, 0.75f, 0.4f, 0.5f});
    EXPECT_EQ(host.random().draws(), 6);
    const auto art = layer_art();
    ASSERT_EQ(art.size(), 2u);
    expect_rect(bounds(*art[0]), -5, -15, 25, -5, "shadow");
    EXPECT_FLOAT_EQ(art[0]->opacity, 0.4f);
    expect_rect(bounds(*art[1]), 0, 0, 30, 20, "copy");
    EXPECT_FLOAT_EQ(art[1]->opacity, 1.0f);
}

class ZigguratPlainWarpTest : public ZigguratGenerationTest, public ::testing::WithParamInterface<float> {};

TEST_P(ZigguratPlainWarpTest, StylesOutsideOneToFifteenLeaveAPlainEnvelopeAndTheNextDrawsInStep) {
    selected_rect(0, 0, 30, 20);
    confirm_without_preview();
    one_floor(1);
    block().warp = 1;
    // Copy 0: a style draw giving 0, 16 or 17, then seven draws that would
    // warp hard. Copy 1: style 5, bend -0.4 (0.7 turns the sign), horizontal
    // 0.6, vertical 0.3 (exactly 0.5 keeps the sign), no rotation (0.5).
    go_with_draws({GetParam(), 0.9f, 0.9f, 0.9f, 0.9f, 0.9f, 0.9f, 0.9f,
                   0.3f, 0.7f, 0.4f, 0.2f, 0.6f, 0.5f, 0.3f, 0.5f});
    EXPECT_EQ(host.random().draws(), 16);
    EXPECT_EQ(calls("AI Envelope Suite/make_envelope"), 2);
    EXPECT_EQ(calls("AI Envelope Suite/apply_warp"), 1);
    const auto art = layer_art();
    ASSERT_EQ(art.size(), 2u);
    ASSERT_EQ(art[0]->type(), kEnvelopeArt);
    EXPECT_EQ(art[0]->warp.style, 0);
    ASSERT_NE(art[0]->first_child(), nullptr);
    EXPECT_EQ(art[0]->first_child()->type(), kPathArt);
    expect_rect(bounds(*art[0]), 0, 0, 30, 20);
    ASSERT_EQ(art[1]->type(), kEnvelopeArt);
    const host::EnvelopeWarp& warp = art[1]->warp;
    EXPECT_EQ(warp.style, 5);
    EXPECT_FLOAT_EQ(warp.bend, -0.4f);
    EXPECT_FLOAT_EQ(warp.horizontal_distortion, 0.6f);
    EXPECT_FLOAT_EQ(warp.vertical_distortion, 0.3f);
    EXPECT_FALSE(warp.rotate);
}

// int(r x 18): 0, 16 and 17.
INSTANTIATE_TEST_SUITE_P(Styles, ZigguratPlainWarpTest, ::testing::Values(0.05f, 0.9f, 0.97f));

TEST_F(ZigguratGenerationTest, CompoundSourceIsStyledAndMovedPerMemberPath) {
    host::Document& doc = host.document();
    host::Art& compound = doc.new_art(kCompoundPathArt, doc.current_layer());
    const double lefts[] = {0, 20};
    const double heights[] = {10, 20};
    for (int m = 0; m < 2; ++m) {
        host::Art& member = doc.new_art(kPathArt, kPlaceInsideOnTop, &compound);
        Geom::Path p(Geom::Point(lefts[m], 0));
        p.appendNew<Geom::LineSegment>(Geom::Point(lefts[m] + 10, 0));
        p.appendNew<Geom::LineSegment>(Geom::Point(lefts[m] + 10, heights[m]));
        p.close();
        doc.set_path(member, p);
        doc.set_style(member, paint(host::rgb_colour(0, 0, 0), host::grey_colour(0), 1));
    }
    doc.set_selected(compound, true);
    confirm_without_preview();
    one_floor(1);
    block().fill = 1;
    block().stroke = 1;
    block().width = 1;
    block().opacity = 1;
    // Per copy: for each member three fill, one stroke and one width draw;
    // then the copy's opacity.
    go_with_draws({0.1f, 0.2f, 0.3f, 0.4f, 0.5f, 0.6f, 0.7f, 0.8f, 0.9f, 0.25f, 0.75f,
                   0.15f, 0.15f, 0.15f, 0.15f, 0.15f, 0.35f, 0.35f, 0.35f, 0.35f, 0.35f, 0.55f});
    EXPECT_EQ(host.random().draws(), 22);

    // One tower for the compound path (its members are not towers of their own).
    const auto art = layer_art();
    ASSERT_EQ(art.size(), 2u);
    const host::Art& copy0 = *art[0];
    ASSERT_EQ(copy0.type(), kCompoundPathArt);
    const host::Art* a = copy0.first_child();
    ASSERT_NE(a, nullptr);
    const host::Art* b = a->next();
    ASSERT_NE(b, nullptr);
    const float fill_a[] = {0.1f, 0.2f, 0.3f};
    const float fill_b[] = {0.6f, 0.7f, 0.8f};
    for (int c = 0; c < 3; ++c) {
        EXPECT_FLOAT_EQ(a->style.fill.body[c], fill_a[c]);
        EXPECT_FLOAT_EQ(b->style.fill.body[c], fill_b[c]);
    }
    EXPECT_FLOAT_EQ(a->style.stroke.body[0], 0.4f);
    EXPECT_FLOAT_EQ(a->style.stroke_width, 1.0f);
    EXPECT_FLOAT_EQ(b->style.stroke.body[0], 0.9f);
    EXPECT_FLOAT_EQ(b->style.stroke_width, 0.5f);
    EXPECT_FLOAT_EQ(copy0.opacity, 0.75f);

    // Copy 1 is moved 40 points as a whole: every member by the same step.
    const host::Art& copy1 = *art[1];
    ASSERT_EQ(copy1.type(), kCompoundPathArt);
    expect_rect(bounds(*copy1.first_child()), 40, 0, 50, 10, "first member");
    expect_rect(bounds(*copy1.first_child()->next()), 60, 0, 70, 20, "second member");
    EXPECT_FLOAT_EQ(copy1.first_child()->style.fill.body[0], 0.15f);
    EXPECT_FLOAT_EQ(copy1.opacity, 0.55f);
}

struct SwatchCase {
    int swatches;        // grey swatches s1 .. sN of level N / 100
    float fill_draw;
    float stroke_draw;
    int fill_picked;     // position whose colour the fill takes; 0: fill unchanged
    int stroke_picked;
    friend std::ostream& operator<<(std::ostream& os, const SwatchCase& c) {
        return os << c.swatches << " swatches, draws " << c.fill_draw << " and " << c.stroke_draw;
    }
};

class ZigguratSwatchTest : public ZigguratGenerationTest, public ::testing::WithParamInterface<SwatchCase> {};

TEST_P(ZigguratSwatchTest, FillThenStrokeSwatchPick) {
    const SwatchCase& c = GetParam();
    host::Document& doc = host.document();
    doc.clear_swatches();
    for (int i = 1; i <= c.swatches; ++i) doc.add_swatch("s" + std::to_string(i), host::grey_colour(i / 100.0));
    host::Art& source = selected_rect(0, 0, 30, 20);
    doc.set_style(source, paint(host::rgb_colour(0.5, 0.5, 0.5), host::rgb_colour(0.5, 0.5, 0.5), 0));
    confirm_without_preview();
    block().blocks = 0;
    block().fill_swatches = 1;
    block().stroke_swatches = 1;
    go_with_draws({c.fill_draw, c.stroke_draw});
    EXPECT_EQ(host.random().draws(), 2);
    const auto art = layer_art();
    ASSERT_EQ(art.size(), 1u);
    const KPathStyle& got = art[0]->style;
    const struct {
        const KColour& colour;
        KBool paint;
        int picked;
        const char* what;
    } sides[] = {{got.fill, got.fill_paint, c.fill_picked, "fill"},
                 {got.stroke, got.stroke_paint, c.stroke_picked, "stroke"}};
    for (const auto& side : sides) {
        if (side.picked == 0) {
            EXPECT_EQ(side.colour.kind, kRGBColour) << side.what;
            EXPECT_EQ(side.paint, 0) << side.what;
        } else {
            EXPECT_EQ(side.colour.kind, kGreyColour) << side.what;
            EXPECT_FLOAT_EQ(side.colour.body[0], static_cast<float>(side.picked / 100.0)) << side.what;
            EXPECT_EQ(side.paint, 1) << side.what;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Picks, ZigguratSwatchTest,
                         ::testing::Values(SwatchCase{10, 0.5f, 0.05f, 6, 2},   // pick 1 becomes 2
                                           SwatchCase{10, 0.95f, 0.0f, 10, 2},
                                           SwatchCase{2, 0.99f, 0.4f, 2, 2},    // held to the count
                                           SwatchCase{1, 0.5f, 0.9f, 0, 0},     // 2 is past the end: unchanged
                                           SwatchCase{0, 0.5f, 0.5f, 0, 0}));

// Every styling, shadow and warp flag on, with link gap, alternate, and
// random block and floor rules: three copies (floors of 2 and 1) of 23
// draws each, the block rule's draw after copy 0 and the floor rule's after
// the base floor; every draw has its own value, so a draw out of place shows.
TEST_F(ZigguratGenerationTest, EveryFlagOnDrawsInOrder) {
    host::Document& doc = host.document();
    doc.clear_swatches();
    for (int i = 1; i <= 10; ++i) doc.add_swatch("s" + std::to_string(i), host::rgb_colour(i / 20.0, i / 40.0, i / 80.0));
    host::Art& source = selected_rect(0, 0, 30, 20);
    doc.set_style(source, paint(host::rgb_colour(0, 0, 0), host::grey_colour(0), 1));
    confirm_without_preview();
    ZigguratParameters& p = block();
    p.blocks = 1;
    p.reduce = 1;
    p.block_gap = 40;
    p.block_gap_method = 6;  // x + r * 40
    p.floor_gap_method = 8;  // replaced by the block rule through link gap
    p.link_gap = 1;
    p.alternate = 1;
    p.fill = p.stroke = p.width = p.fill_swatches = p.stroke_swatches = p.opacity = p.blend = 1;
    p.drop_shadow = p.half_fill_shadow = p.shadow_direction = p.shadow_opacity = p.shadow_scaling = 1;
    p.warp = 1;

    // One copy's draws: fill (3, RGB), stroke (1, grey), width, fill swatch
    // (position 4), stroke swatch (7), opacity, blend (mode 8), shadow
    // direction (4: left 5, down 15), shadow opacity, shadow squash, warp (8,
    // style 0 so the geometry stays plain).
    const float per_copy[23] = {0.11f, 0.12f, 0.13f, 0.14f, 0.5f, 0.33f, 0.66f, 0.45f, 0.42f, 0.7f, 0.25f, 0.2f,
                                0.75f, 0.35f, 0.5f, 0.01f, 0.6f, 0.2f, 0.3f, 0.4f, 0.55f, 0.65f, 0.8f};
    std::vector<float> draws;
    for (int c = 0; c < 3; ++c) {
        for (float r : per_copy) draws.push_back(r + 0.001f * static_cast<float>(c));
        if (c == 0) draws.push_back(0.25f);  // block rule: copy 1 at x = 10
        if (c == 1) draws.push_back(0.75f);  // floor rule: floor 1 at y = 30
    }
    go_with_draws(draws);
    EXPECT_EQ(host.random().draws(), 71);
    EXPECT_EQ(calls("AI Art Suite/duplicate_art"), 9);
    EXPECT_EQ(calls("AI Envelope Suite/make_envelope"), 3);
    EXPECT_EQ(calls("AI Envelope Suite/apply_warp"), 0);
    EXPECT_FALSE(source.in_document());

    // shadow 0, envelope 0, shadow 1, envelope 1, shadow 2, envelope 2.
    const auto art = layer_art();
    ASSERT_EQ(art.size(), 6u);
    // Copy 0 in its place; copy 1 (cell 1, 0) and copy 2 (cell 0, 1) doubled
    // about their own centres; floor 1's row offset is x_0 / 2 = 5.
    const Geom::Point centres[] = {{15, 10}, {25, 10}, {20, 40}};
    const double sizes[] = {1, 2, 2};
    const KColour fill_swatch = host::rgb_colour(4 / 20.0, 4 / 40.0, 4 / 80.0);
    const KColour stroke_swatch = host::rgb_colour(7 / 20.0, 7 / 40.0, 7 / 80.0);
    for (int c = 0; c < 3; ++c) {
        const std::string what = "copy " + std::to_string(c);
        const float d = 0.001f * static_cast<float>(c);
        const host::Art& shadow = *art[2 * c];
        const host::Art& envelope = *art[2 * c + 1];
        ASSERT_EQ(envelope.type(), kEnvelopeArt) << what;
        EXPECT_EQ(envelope.warp.style, 0) << what;
        EXPECT_EQ(shadow.next(), &envelope) << what;
        const host::Art* copy = envelope.first_child();
        ASSERT_NE(copy, nullptr) << what;

        const Geom::Rect r = bounds(*copy);
        expect_near(r.midpoint(), centres[c], what);
        EXPECT_NEAR(r.width(), 30 * sizes[c], 1e-3) << what;
        EXPECT_NEAR(r.height(), 20 * sizes[c], 1e-3) << what;
        EXPECT_EQ(copy->style.fill.kind, kRGBColour) << what;
        EXPECT_FLOAT_EQ(copy->style.fill.body[0], fill_swatch.body[0]) << what;
        EXPECT_FLOAT_EQ(copy->style.stroke.body[0], stroke_swatch.body[0]) << what;
        EXPECT_FLOAT_EQ(copy->style.stroke_width, 2 * (0.5f + d)) << what;
        EXPECT_FLOAT_EQ(copy->opacity, 0.45f + d) << what;
        EXPECT_EQ(copy->blending_mode, 8) << what;

        // Half of the swatch fill, moved (-5, -15), faded, squashed to half
        // its height onto its bottom edge.
        for (int k = 0; k < 3; ++k) EXPECT_FLOAT_EQ(shadow.style.fill.body[k], fill_swatch.body[k] * 0.5f) << what;
        EXPECT_FLOAT_EQ(shadow.opacity, 0.35f + d) << what;
        const double dx = -(0.25 + d) * 20;
        const double dy = -(0.75 + d) * 20;
        expect_rect(bounds(shadow), r.left() + dx, r.top() + dy, r.right() + dx, r.top() + dy + r.height() * (0.5 + d),
                    what + " shadow");
    }
}

TEST_F(ZigguratGenerationTest, OkRightAfterAPreviewKeepsThePreviewArt) {
    // The block is made while nothing is selected: that dialog's opening
    // preview has nothing to build, so no art outlives its command.
    ASSERT_EQ(open("check 3 0; ok"), kNoErr);
    host::Art& source = selected_rect(0, 0, 30, 20);
    KPathStyle style{};
    style.fill_paint = 1;
    style.fill = host::rgb_colour(0, 0, 0);
    host.document().set_style(source, style);
    // The default tower of 36 copies, with the fill randomised.
    block().fill = 1;
    std::vector<float> draws;
    for (int n = 0; n < 36 * 3; ++n) draws.push_back(static_cast<float>(n % 97) / 100.0f);
    host.random().script(draws);
    ASSERT_EQ(open("check 3 1; ok"), kNoErr);
    EXPECT_EQ(block().preview_flag, 1);
    auto preview = layer_art();
    ASSERT_EQ(preview.size(), 37u);
    EXPECT_EQ(preview[0], &source);
    std::vector<Geom::Rect> rects;
    std::vector<KColour> fills;
    for (std::size_t n = 1; n < preview.size(); ++n) {
        rects.push_back(bounds(*preview[n]));
        fills.push_back(preview[n]->style.fill);
    }

    host.random().reset_count();
    EXPECT_EQ(host.plugins().go(*filter), kNoErr);
    EXPECT_EQ(host.random().draws(), 0);
    EXPECT_EQ(block().preview_flag, 0);
    EXPECT_FALSE(source.in_document());
    const auto art = layer_art();
    ASSERT_EQ(art.size(), 36u);
    for (std::size_t n = 0; n < art.size(); ++n) {
        EXPECT_EQ(art[n], preview[n + 1]);
        EXPECT_EQ(bounds(*art[n]), rects[n]);
        for (int c = 0; c < 3; ++c) EXPECT_EQ(art[n]->style.fill.body[c], fills[n].body[c]) << n;
    }
}

}  // namespace
}  // namespace kestrel::test
