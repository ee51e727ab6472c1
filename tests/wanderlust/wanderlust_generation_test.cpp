// wanderlust_generation_test.cpp: the copy chains of the "AI Go" run with
// every draw scripted: geometry and paint order, scale steps, the random
// direction, compound sources, mirror images, swatch picks, draw order, and
// the failure paths.
#include <cmath>
#include <ostream>

#include "tests/wanderlust/wanderlust_test_support.hpp"

namespace kestrel::test {
namespace {

class WanderlustGenerationTest : public WanderlustTest {};

TEST_F(WanderlustGenerationTest, CopiesStartOnTheSourceAndStackDirectlyAboveIt) {
    host::Art& behind = selected_square(100, 100);
    host.document().set_selected(behind, false);
    selected_square();
    host::Art& in_front = selected_square(200, 0);
    host.document().set_selected(in_front, false);
    confirm_without_preview();
    block().copies = 3;
    block().jitter_x = 10;
    block().jitter_y = 20;
    // Per copy r_a (vertical), then r_b (horizontal).
    go_with_draws({0.5f, 0.25f, 0.5f, 0.25f, 0.5f, 0.25f});
    EXPECT_EQ(host.random().draws(), 6);

    // The source is gone; the copies sit where it was, the newest directly
    // above it, so copy 0 is the frontmost of the chain.
    const auto art = layer_art();
    ASSERT_EQ(art.size(), 5u);
    EXPECT_EQ(art[0], &behind);
    EXPECT_EQ(art[4], &in_front);
    expect_rect(bounds(*art[3]), 0, 0, 10, 10, "copy 0");
    expect_rect(bounds(*art[2]), 2.5, 10, 12.5, 20, "copy 1");
    expect_rect(bounds(*art[1]), 5, 20, 15, 30, "copy 2");
    for (int i = 1; i <= 3; ++i) EXPECT_FALSE(art[i]->selected());
}

TEST_F(WanderlustGenerationTest, PreviewKeepsTheSourceUnderItsCopies) {
    host::Art& source = selected_square();
    host.dialogs().push_script("ok");
    host.random().script(std::vector<float>(40, 0.5f));
    ASSERT_EQ(host.plugins().get_parameters(*filter), kNoErr);
    // The preview of the default twenty copies stands above the source.
    auto art = layer_art();
    ASSERT_EQ(art.size(), 21u);
    EXPECT_EQ(art[0], &source);
    EXPECT_TRUE(source.in_document());
    expect_rect(bounds(*art[20]), 0, 0, 10, 10, "copy 0");
    // Go keeps exactly the preview's art and removes the source.
    host.random().reset_count();
    EXPECT_EQ(host.plugins().go(*filter), kNoErr);
    EXPECT_EQ(host.random().draws(), 0);
    EXPECT_FALSE(source.in_document());
    EXPECT_EQ(layer_art().size(), 20u);
}

struct ScaleCase {
    float scale_step;
    double size[3];   // width of copies 0, 1, 2
    bool turned[3];   // copy turned through a half turn
};

class WanderlustScaleTest : public WanderlustGenerationTest, public ::testing::WithParamInterface<ScaleCase> {};

TEST_P(WanderlustScaleTest, CopyJIsScaledByTheStepToThePowerJAboutItsCentre) {
    const ScaleCase& c = GetParam();
    // A right triangle, so that a half turn shows.
    selected_polygon({{0, 0}, {10, 0}, {0, 10}});
    confirm_without_preview();
    block().copies = 3;
    block().jitter_x = 0;
    block().jitter_y = 0;
    block().scale_step = c.scale_step;
    go_with_draws({});
    const auto art = layer_art();
    ASSERT_EQ(art.size(), 3u);
    for (int j = 0; j < 3; ++j) {
        const host::Art& copy = *art[2 - j];
        const Geom::Rect r = bounds(copy);
        EXPECT_NEAR(r.width(), c.size[j], 1e-3) << "copy " << j;
        expect_near(r.midpoint(), {5, 5}, "copy " + std::to_string(j));
        // The right angle sits at the lower left, or at the upper right
        // after a half turn.
        const Geom::Point corner = nodes(copy).front();
        expect_near(corner, c.turned[j] ? r.max() : r.min(), "copy " + std::to_string(j));
    }
}

INSTANTIATE_TEST_SUITE_P(Steps, WanderlustScaleTest,
                         ::testing::Values(ScaleCase{100.0f, {10, 10, 10}, {false, false, false}},
                                           ScaleCase{97.0f, {10, 9.7, 9.409}, {false, false, false}},
                                           ScaleCase{-50.0f, {10, 5, 2.5}, {false, true, false}}));

TEST_F(WanderlustGenerationTest, RandomDirectionFixesOneQuadrantAndIgnoresJitterY) {
    selected_square();
    selected_square(100, 0);
    confirm_without_preview();
    block().copies = 2;
    block().random_direction = 1;
    block().jitter_x = 30;
    block().jitter_y = 999;
    // r1: step x = 15; r2: step y = 0.4 * 15 = 6; r3 > 0.5: step x = -15;
    // r4 <= 0.5: step y stays 6. Then r_a, r_b per copy.
    go_with_draws({0.5f, 0.4f, 0.6f, 0.2f, 0.9f, 0.9f, 0.5f, 0.5f, 0.9f, 0.9f, 1.0f - 1e-7f, 0.1f});
    EXPECT_EQ(host.random().draws(), 4 + 2 * 2 * 2);
    const auto art = layer_art();
    ASSERT_EQ(art.size(), 4u);
    // The second square's chain was made first: its copy 1 took r_a 0.5, r_b 0.5.
    expect_near(bounds(*art[2]).min(), {100 - 7.5, 3}, "second square, copy 1");
    expect_near(bounds(*art[0]).min(), {-1.5, 6}, "first square, copy 1");
}

TEST_F(WanderlustGenerationTest, CompoundSourceMovesAsOneWithColoursPerChild) {
    host::Document& doc = host.document();
    host::Art& compound = doc.new_art(kCompoundPathArt, doc.current_layer());
    for (int i = 0; i < 2; ++i) {
        host::Art& member = doc.new_art(kPathArt, kPlaceInsideOnTop, &compound);
        Geom::Path p(Geom::Point(20 * i, 0));
        p.appendNew<Geom::LineSegment>(Geom::Point(20 * i + 10, 10));
        doc.set_path(member, p);
        doc.set_style(member, [] {
            KPathStyle s{};
            s.fill_paint = 1;
            s.fill = host::rgb_colour(0, 0, 0);
            s.stroke = host::grey_colour(0);
            s.stroke_width = 2;
            return s;
        }());
    }
    doc.set_selected(compound, true);
    confirm_without_preview();
    block().copies = 2;
    block().jitter_x = 10;
    block().jitter_y = 10;
    block().random_fill_colour = 1;
    block().random_stroke_colour = 1;
    // Copy 0: r_a, r_b, then per child three fill and one stroke draw; copy 1 likewise.
    go_with_draws({0.0f, 0.0f, 0.1f, 0.2f, 0.3f, 0.4f, 0.5f, 0.6f, 0.7f, 0.8f,
                   0.5f, 0.5f, 0.1f, 0.1f, 0.1f, 0.1f, 0.2f, 0.2f, 0.2f, 0.2f});
    EXPECT_EQ(host.random().draws(), 20);
    const auto art = layer_art();
    ASSERT_EQ(art.size(), 2u);
    const host::Art& copy0 = *art[1];
    ASSERT_EQ(copy0.type(), kCompoundPathArt);
    const host::Art* a = copy0.first_child();
    const host::Art* b = a->next();
    EXPECT_FLOAT_EQ(a->style.fill.body[0], 0.1f);
    EXPECT_FLOAT_EQ(a->style.fill.body[2], 0.3f);
    EXPECT_FLOAT_EQ(a->style.stroke.body[0], 0.4f);
    EXPECT_FLOAT_EQ(b->style.fill.body[0], 0.5f);
    EXPECT_FLOAT_EQ(b->style.stroke.body[0], 0.8f);
    // Copy 1 is pushed by (5, 5) as a whole.
    const host::Art& copy1 = *art[0];
    expect_near(bounds(*copy1.first_child()).min(), {5, 5}, "first child");
    expect_near(bounds(*copy1.first_child()->next()).min(), {25, 5}, "second child");
}

TEST_F(WanderlustGenerationTest, BasicPatternAddsThreeMirrorImagesAboutTheUnpushedCentre) {
    selected_polygon({{0, 0}, {10, 0}, {0, 10}});
    confirm_without_preview();
    block().copies = 2;
    block().jitter_x = 10;
    block().jitter_y = 10;
    block().basic_pattern = 1;
    go_with_draws({0.3f, 0.3f, 0.5f, 0.5f});
    EXPECT_EQ(host.random().draws(), 4);
    // Back to front: copy 1, copy 0, then the images on top of all art in
    // the order made: those of copy 0, then those of copy 1.
    const auto art = layer_art();
    ASSERT_EQ(art.size(), 8u);
    const Geom::Point centre(5, 5);  // the triangle's bounds centre
    const Geom::Point push(5, 5);  // copy 1: (0.5 * 10 * 1, 0.5 * 10 * 1)
    struct Image {
        std::size_t index;
        double sx, sy;
        Geom::Point push;
    };
    const Image images[] = {
        {0, 1, 1, push},  {5, -1, 1, push}, {6, -1, -1, push}, {7, 1, -1, push},  // copy 1 and its images
        {1, 1, 1, {0, 0}}, {2, -1, 1, {0, 0}}, {3, -1, -1, {0, 0}}, {4, 1, -1, {0, 0}},  // copy 0: on the copy
    };
    const std::vector<Geom::Point> triangle = {{0, 0}, {10, 0}, {0, 10}};
    for (const Image& im : images) {
        const auto got = nodes(*art[im.index]);
        ASSERT_EQ(got.size(), 3u);
        for (std::size_t n = 0; n < 3; ++n) {
            const Geom::Point pushed = triangle[n] + im.push;
            const Geom::Point expected(centre.x() + im.sx * (pushed.x() - centre.x()),
                                       centre.y() + im.sy * (pushed.y() - centre.y()));
            expect_near(got[n], expected, "art " + std::to_string(im.index) + " node " + std::to_string(n));
        }
    }
}

TEST_F(WanderlustGenerationTest, ThreeObjectsDrawSixtyPairsStartingWithTheLastEntry) {
    selected_square(0, 0);
    selected_square(100, 0);
    selected_square(200, 0);
    confirm_without_preview();
    block().copies = 20;
    std::vector<float> draws(120, 0.0f);
    draws[2] = 0.9f;  // copy 1 of the first chain made: r_a
    draws[3] = 0.9f;  // and r_b
    go_with_draws(draws);
    EXPECT_EQ(host.random().draws(), 120);
    EXPECT_EQ(calls("AI Art Suite/duplicate_art"), 60);
    // Only the third square's copy 1 moved: by (9, 9).
    int moved = 0;
    for (const host::Art* a : layer_art()) {
        const Geom::Point at = bounds(*a).min();
        if (at != Geom::Point(0, 0) && at != Geom::Point(100, 0) && at != Geom::Point(200, 0)) {
            ++moved;
            expect_near(at, {209, 9}, "the moved copy");
        }
    }
    EXPECT_EQ(moved, 1);
}

struct SwatchCase {
    int swatches;    // swatches in the document
    float draw;      // the fill-swatch draw
    int picked;      // position whose colour the fill takes; 0: the fill is unchanged
};

class WanderlustSwatchTest : public WanderlustGenerationTest, public ::testing::WithParamInterface<SwatchCase> {};

TEST_P(WanderlustSwatchTest, FillSwatchPick) {
    const SwatchCase& c = GetParam();
    host::Document& doc = host.document();
    doc.clear_swatches();
    for (int i = 1; i <= c.swatches; ++i) doc.add_swatch("s" + std::to_string(i), host::grey_colour(i / 100.0));
    host::Art& source = selected_square();
    KPathStyle style = source.style;
    style.fill_paint = 0;
    style.fill = host::rgb_colour(0.5, 0.5, 0.5);
    doc.set_style(source, style);
    confirm_without_preview();
    block().copies = 1;
    block().random_fill_swatch = 1;
    go_with_draws({0.0f, 0.0f, c.draw});
    EXPECT_EQ(host.random().draws(), 3);
    const auto art = layer_art();
    ASSERT_EQ(art.size(), 1u);
    const KPathStyle& got = art[0]->style;
    if (c.picked == 0) {
        EXPECT_EQ(got.fill.kind, kRGBColour);
        EXPECT_EQ(got.fill_paint, 0);
    } else {
        EXPECT_EQ(got.fill.kind, kGreyColour);
        EXPECT_FLOAT_EQ(got.fill.body[0], static_cast<float>(c.picked / 100.0));
        EXPECT_EQ(got.fill_paint, 1);
    }
}

INSTANTIATE_TEST_SUITE_P(Picks, WanderlustSwatchTest,
                         ::testing::Values(SwatchCase{10, 0.05f, 2},    // pick 1 becomes 2
                                           SwatchCase{10, 0.5f, 6},
                                           SwatchCase{10, 0.95f, 10},
                                           SwatchCase{2, 0.99f, 2},     // held to the count
                                           SwatchCase{1, 0.5f, 0},      // 2 is past the end: unchanged
                                           SwatchCase{0, 0.5f, 0}));

TEST_F(WanderlustGenerationTest, RealRunKeepsAtLeastOneCopy) {
    host::Art& source = selected_square();
    confirm_without_preview();
    block().copies = 0;
    go_with_draws({});
    EXPECT_FALSE(source.in_document());
    const auto art = layer_art();
    ASSERT_EQ(art.size(), 1u);
    expect_rect(bounds(*art[0]), 0, 0, 10, 10);
}

TEST_F(WanderlustGenerationTest, FailedDuplicateSkipsOneCopyAndStillAdvancesTheScale) {
    selected_square();
    confirm_without_preview();
    block().copies = 3;
    block().jitter_x = 0;
    block().jitter_y = 0;
    block().scale_step = 50;
    host.faults().fail_call("AI Art Suite/duplicate_art", 2, kOutOfMemoryErr);
    go_with_draws({});
    EXPECT_EQ(host.random().draws(), 4);  // no draws for the skipped copy
    const auto art = layer_art();
    ASSERT_EQ(art.size(), 2u);
    EXPECT_NEAR(bounds(*art[1]).width(), 10, 1e-4);
    EXPECT_NEAR(bounds(*art[0]).width(), 2.5, 1e-4);  // copy 2: 0.5 squared
}

struct FailureCase {
    const char* operation;
    int nth;  // the call of this run that fails
    friend std::ostream& operator<<(std::ostream& os, const FailureCase& c) {
        return os << c.operation << " call " << c.nth;
    }
};

class WanderlustErrorExitTest : public WanderlustGenerationTest, public ::testing::WithParamInterface<FailureCase> {};

TEST_P(WanderlustErrorExitTest, FreesTheListAndKeepsTheSources) {
    host::Art& source = selected_square();
    confirm_without_preview();
    block().copies = 3;
    block().basic_pattern = 1;
    host.faults().fail_call(GetParam().operation, GetParam().nth, kOutOfMemoryErr);
    go_with_draws({});
    // The run stopped: the source stays, the list is gone at once, and the
    // code is not shown.
    EXPECT_TRUE(source.in_document());
    EXPECT_EQ(host.memory().live_plugin_handles(), 0u);
    for (const auto& d : host.dialogs().shown()) EXPECT_NE(d.name, "Error Dialog");
}

INSTANTIATE_TEST_SUITE_P(Failures, WanderlustErrorExitTest,
                         ::testing::Values(FailureCase{"AI Art Suite/get_bounds", 1},           // the copy's
                                           FailureCase{"AI Art Suite/get_bounds", 2},           // a mirror image's
                                           FailureCase{"AI Transform Art Suite/transform_art", 1},
                                           FailureCase{"AI Transform Art Suite/transform_art", 3},
                                           FailureCase{"AI Art Suite/dispose_art", 1}));

}  // namespace
}  // namespace kestrel::test
