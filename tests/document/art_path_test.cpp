// Outlines that keep their maps until read: a moved copy reads exactly as if
// every map had been applied in turn, its bounds follow the maps before the
// outline is read, the original keeps its own outline, and undo restores an
// outline with its bounds.
#include <cmath>
#include <vector>

#include <2geom/transforms.h>

#include "document_fixture.hpp"
#include "host/document/path_bounds.hpp"

namespace {

// A closed path whose first curve's controls stick out of its end points,
// so that its bounds are not those of its nodes.
Geom::Path bulging_path() {
    Geom::Path p(Geom::Point(0, 0));
    p.appendNew<Geom::CubicBezier>(Geom::Point(10, 30), Geom::Point(30, 30), Geom::Point(40, 0));
    p.appendNew<Geom::LineSegment>(Geom::Point(40, -10));
    p.appendNew<Geom::QuadraticBezier>(Geom::Point(20, -25), Geom::Point(0, -10));
    p.close();
    return p;
}

void expect_same_rect(const Geom::OptRect& a, const Geom::OptRect& b, const char* what) {
    ASSERT_TRUE(a && b) << what;
    EXPECT_NEAR(a->left(), b->left(), 1e-9) << what;
    EXPECT_NEAR(a->right(), b->right(), 1e-9) << what;
    EXPECT_NEAR(a->top(), b->top(), 1e-9) << what;
    EXPECT_NEAR(a->bottom(), b->bottom(), 1e-9) << what;
}

struct MapCase {
    const char* name;
    std::vector<Geom::Affine> maps;
    bool read_between;  // read the outline after each map
};

class ArtPathMaps : public DocumentTest, public testing::WithParamInterface<MapCase> {};

TEST_P(ArtPathMaps, CopyReadsAsEveryMapAppliedInTurn) {
    const MapCase& c = GetParam();
    kh::Art& source = doc().new_art(kPathArt, doc().current_layer());
    doc().set_path(source, bulging_path());
    const Geom::Path original = bulging_path();
    (void)doc().geometric_bounds(source);  // the source's bounds are known, as after a bounds read

    kh::Art& copy = doc().duplicate(source, kPlaceAboveAll, nullptr);
    Geom::Path expected = original;
    for (const Geom::Affine& m : c.maps) {
        doc().transform(copy, m);
        expected *= m;
        if (c.read_between) {
            EXPECT_EQ(copy.path, expected) << c.name;
        }
    }
    // Bounds first (they may come without reading the outline), then the outline.
    expect_same_rect(doc().geometric_bounds(copy), kh::exact_path_bounds(expected), c.name);
    EXPECT_EQ(copy.path, expected) << c.name;
    expect_same_rect(doc().geometric_bounds(copy), kh::exact_path_bounds(expected), c.name);
    EXPECT_EQ(source.path, original) << c.name;
    EXPECT_EQ(copy.path.size_default(), original.size_default()) << c.name;
    EXPECT_TRUE(copy.path.closed()) << c.name;
}

const Geom::Affine kDoubled = Geom::Translate(-20, 0) * Geom::Scale(2) * Geom::Translate(20, 0) * Geom::Translate(80, 40);

INSTANTIATE_TEST_SUITE_P(
    Maps, ArtPathMaps,
    testing::Values(MapCase{"one move", {Geom::Translate(40, 0)}, false},
                    MapCase{"moved, then shadowed", {Geom::Translate(40, 80), Geom::Translate(20, -20)}, false},
                    MapCase{"doubled about the centre", {kDoubled}, false},
                    MapCase{"squashed onto its bottom edge",
                            {Geom::Translate(-20, 10) * Geom::Scale(1, 0.3) * Geom::Translate(20, -10)}, false},
                    MapCase{"mirrored", {Geom::Scale(-1, 1) * Geom::Translate(50.5, 0)}, false},
                    MapCase{"rotated: bounds from the mapped curves", {Geom::Rotate(0.3)}, false},
                    MapCase{"more maps than are kept",
                            {Geom::Translate(1, 2), Geom::Scale(3), Geom::Rotate(1), Geom::Translate(-5, 0)}, false},
                    MapCase{"read after every map", {Geom::Translate(1, 2), Geom::Rotate(0.5), Geom::Scale(2)}, true}),
    [](const auto& info) { return std::to_string(info.index); });

using ArtPaths = DocumentTest;

TEST_F(ArtPaths, UndoOfAMoveRestoresTheOutlineAndItsBounds) {
    kh::Art& a = doc().new_art(kPathArt, doc().current_layer());
    doc().set_path(a, bulging_path());
    const Geom::OptRect before = doc().geometric_bounds(a);
    doc().begin_command();
    doc().transform(a, Geom::Translate(100, 0));
    doc().transform(a, Geom::Rotate(0.7));
    expect_same_rect(doc().geometric_bounds(a), kh::exact_path_bounds(a.path), "moved");
    doc().undo_command();
    EXPECT_EQ(a.path, bulging_path());
    expect_same_rect(doc().geometric_bounds(a), before, "undone");
}

}  // namespace
