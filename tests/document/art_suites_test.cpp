// The art suites through their C tables: duplication and paint order, bounds,
// transforms, paint, matching art, tags, path segments, and the refusal of
// null, stale and foreign handles.
#include <cmath>
#include <cstring>
#include <functional>
#include <vector>

#include <2geom/bezier-curve.h>

#include "document_fixture.hpp"

namespace {

// Top-level art of a layer, back to front.
std::vector<const kh::Art*> order_of(const kh::Layer& layer) {
    std::vector<const kh::Art*> out;
    for (const kh::Art& a : kh::top_level(layer)) out.push_back(&a);
    return out;
}

using ArtSuites = DocumentTest;

struct PaintOrderCase {
    int16_t code;
    std::vector<int> expected;  // 0 a, 1 b (the reference), 2 c, 3 the copy; back to front
};

class DuplicatePaintOrder : public DocumentTest, public testing::WithParamInterface<PaintOrderCase> {};

TEST_P(DuplicatePaintOrder, PlacesTheCopyAmongTheSiblings) {
    kh::Art& a = rect(0, 0, 1, 1);
    kh::Art& b = rect(0, 0, 2, 2);
    kh::Art& c = rect(0, 0, 3, 3);
    KArtHandle copy = nullptr;
    ASSERT_EQ(art_suite->duplicate_art(h(a), GetParam().code, h(b), &copy), kNoErr);
    const kh::Art* all[] = {&a, &b, &c, &art(copy)};
    std::vector<const kh::Art*> expected;
    for (int i : GetParam().expected) expected.push_back(all[i]);
    EXPECT_EQ(order_of(doc().current_layer()), expected);
}

INSTANTIATE_TEST_SUITE_P(Codes, DuplicatePaintOrder,
                         testing::Values(PaintOrderCase{kPlaceAbove, {0, 1, 3, 2}},
                                         PaintOrderCase{kPlaceBelow, {0, 3, 1, 2}},
                                         PaintOrderCase{kPlaceAboveAll, {0, 1, 2, 3}}));

TEST_F(ArtSuites, DuplicateAboveAllGoesToTheNewestLayer) {
    kh::Art& src = rect(0, 0, 5, 5);
    KLayerHandle layer = nullptr;
    ASSERT_EQ(layer_suite->insert_layer(nullptr, kPlaceAboveAll, &layer), kNoErr);
    KArtHandle copy = nullptr;
    ASSERT_EQ(art_suite->duplicate_art(h(src), kPlaceAboveAll, h(src), &copy), kNoErr);
    KLayerHandle of_copy = nullptr;
    ASSERT_EQ(art_suite->get_layer_of_art(copy, &of_copy), kNoErr);
    EXPECT_EQ(of_copy, layer);
    EXPECT_EQ(src.layer(), doc().layers().front());
}

TEST_F(ArtSuites, DuplicateCopiesACompoundPathDeeplyAndUnselected) {
    kh::Art& c = compound();
    doc().set_selected(c, true);
    doc().set_opacity(c, 0.25);
    KArtHandle copy = nullptr;
    ASSERT_EQ(art_suite->duplicate_art(h(c), kPlaceAbove, h(c), &copy), kNoErr);
    kh::Art& d = art(copy);
    EXPECT_EQ(d.type(), kCompoundPathArt);
    EXPECT_FLOAT_EQ(d.opacity, 0.25f);
    EXPECT_FALSE(d.selected());
    const kh::Art* src_child = c.first_child();
    int children = 0;
    for (const kh::Art& child : kh::children(d)) {
        ASSERT_NE(src_child, nullptr);
        EXPECT_NE(&child, src_child);
        EXPECT_EQ(child.parent(), &d);
        EXPECT_FALSE(child.selected());
        EXPECT_EQ(child.path, src_child->path);
        src_child = src_child->next();
        ++children;
    }
    EXPECT_EQ(children, 2);
    // Changing the copy leaves the source alone.
    KMatrix move{1, 0, 0, 1, 100, 0};
    ASSERT_EQ(transform_suite->transform_art(copy, &move, 1, 15), kNoErr);
    EXPECT_EQ(doc().exact_bounds(c).left, 0);
    EXPECT_EQ(doc().exact_bounds(d).left, 100);
}

TEST_F(ArtSuites, BoundsAreExactForACurveWhoseControlsStickOut) {
    kh::Art& a = doc().new_art(kPathArt, doc().current_layer());
    Geom::Path p(Geom::Point(0, 0));
    p.appendNew<Geom::CubicBezier>(Geom::Point(0, 100), Geom::Point(100, 100), Geom::Point(100, 0));
    doc().set_path(a, p);
    KRealRect r{};
    ASSERT_EQ(art_suite->get_bounds(h(a), &r), kNoErr);
    // The curve peaks at t = 0.5: y = 3 * 0.25 * 100 = 75, well short of the controls' 100.
    EXPECT_FLOAT_EQ(r.left, 0);
    EXPECT_FLOAT_EQ(r.right, 100);
    EXPECT_FLOAT_EQ(r.bottom, 0);
    EXPECT_FLOAT_EQ(r.top, 75);
    // A group without geometry gives zeros.
    kh::Art& g = doc().new_art(kGroupArt, doc().current_layer());
    ASSERT_EQ(art_suite->get_bounds(h(g), &r), kNoErr);
    EXPECT_EQ(r.left, 0);
    EXPECT_EQ(r.top, 0);
    EXPECT_EQ(r.right, 0);
    EXPECT_EQ(r.bottom, 0);
}

struct TransformCase {
    int32_t options;
    float line_scale;
    float expected_width;
};

class TransformOptions : public DocumentTest, public testing::WithParamInterface<TransformCase> {};

TEST_P(TransformOptions, MapsGeometryAndScalesLinesOnlyWhenAsked) {
    kh::Art& c = compound();
    KPathStyle style = doc().style_of(c);
    style.stroke_width = 2;
    doc().set_style(c, style);
    // x' = a x + c y + tx, y' = b x + d y + ty: a quarter turn, then a push.
    const KMatrix quarter{0, 1, -1, 0, 5, 7};
    ASSERT_EQ(transform_suite->transform_art(h(c), &quarter, GetParam().line_scale, GetParam().options), kNoErr);
    const kh::Art& second = *c.last_child();  // was 20..30 x 0..10
    const Geom::OptRect box = doc().geometric_bounds(second);
    ASSERT_TRUE(box);
    EXPECT_DOUBLE_EQ(box->left(), -10 + 5);
    EXPECT_DOUBLE_EQ(box->right(), 0 + 5);
    EXPECT_DOUBLE_EQ(box->top(), 20 + 7);     // Geom's top() is the smallest y
    EXPECT_DOUBLE_EQ(box->bottom(), 30 + 7);
    for (const kh::Art& child : kh::children(c)) EXPECT_FLOAT_EQ(child.style.stroke_width, GetParam().expected_width);
}

INSTANTIATE_TEST_SUITE_P(Options, TransformOptions,
                         testing::Values(TransformCase{15, 3.0f, 2.0f},  // the filters' options: no line scaling
                                         TransformCase{kScaleLines, 3.0f, 6.0f},
                                         TransformCase{kScaleLines | kTransformObjects, 0.5f, 1.0f}));

TEST_F(ArtSuites, TransformRefusesMatricesThatAreNotNumbers) {
    kh::Art& a = rect(0, 0, 1, 1);
    const Geom::Path before = a.path;
    const KMatrix bad{NAN, 0, 0, 1, 0, 0};
    EXPECT_EQ(transform_suite->transform_art(h(a), &bad, 1, 15), kBadParameterErr);
    EXPECT_EQ(transform_suite->transform_art(h(a), nullptr, 1, 15), kBadParameterErr);
    EXPECT_EQ(a.path, before);
}

TEST_F(ArtSuites, TextTransformsItsAnchorAndCharacters) {
    kh::Art& t = doc().new_art(kTextArt, doc().current_layer());
    t.text->anchor = Geom::Point(10, 20);
    kh::TextChar ch;
    ch.code = 'A';
    ch.style.font_size = 10;
    ch.style.horizontal_scale = 1;
    ch.style.vertical_scale = 1;
    t.text->chars = {ch, ch};
    const KMatrix scale_push{2, 0, 0, 2, 1, 1};
    ASSERT_EQ(transform_suite->transform_art(h(t), &scale_push, 1, 15), kNoErr);
    EXPECT_EQ(kh::char_origin(*t.text, 0), Geom::Point(21, 41));
    EXPECT_EQ(kh::char_origin(*t.text, 1), Geom::Point(21 + 2 * 6, 41));
    KRealRect r{};
    ASSERT_EQ(art_suite->get_bounds(h(t), &r), kNoErr);
    EXPECT_FLOAT_EQ(r.left, 21);
    EXPECT_FLOAT_EQ(r.right, 21 + 24);
    EXPECT_FLOAT_EQ(r.bottom, 41 - 4);
    EXPECT_FLOAT_EQ(r.top, 41 + 16);
}

TEST_F(ArtSuites, TextPaintIsThePaintOfItsCharacters) {
    kh::Art& t = doc().new_art(kTextArt, doc().current_layer());
    t.text->chars.resize(3);
    t.text->chars[0].paint.stroke_width = 3;
    KPathStyle got{};
    ASSERT_EQ(style_suite->get_path_style(h(t), &got), kNoErr);
    EXPECT_FLOAT_EQ(got.stroke_width, 3);
    got.stroke_width = 7;
    ASSERT_EQ(style_suite->set_path_style(h(t), &got), kNoErr);
    for (const kh::TextChar& c : t.text->chars) EXPECT_FLOAT_EQ(c.paint.stroke_width, 7);
}

TEST_F(ArtSuites, PathStyleOfAContainerIsItsFirstPathAndSettingPaintsEveryPath) {
    kh::Art& g = doc().new_art(kGroupArt, doc().current_layer());
    kh::Art& c = compound();
    doc().move(c, kPlaceInsideOnTop, &g);
    KPathStyle first = doc().default_path_style();
    first.stroke_width = 9;
    doc().set_style(*c.first_child(), first);
    KPathStyle got{};
    ASSERT_EQ(style_suite->get_path_style(h(g), &got), kNoErr);
    EXPECT_FLOAT_EQ(got.stroke_width, 9);

    KPathStyle red = doc().default_path_style();
    red.fill = kh::rgb_colour(1, 0, 0);
    red.reserved[2] = 77;  // the host's fields pass through whole
    ASSERT_EQ(style_suite->set_path_style(h(g), &red), kNoErr);
    for (const kh::Art& p : kh::children(c)) {
        EXPECT_EQ(p.style.fill.body[0], 1);
        EXPECT_EQ(p.style.reserved[2], 77);
    }
}

TEST_F(ArtSuites, OpacityIsClampedAndBlendingModesChecked) {
    kh::Art& a = rect(0, 0, 1, 1);
    KReal opacity = 0;
    ASSERT_EQ(blend_suite->set_opacity(h(a), 1.5f), kNoErr);
    ASSERT_EQ(blend_suite->get_opacity(h(a), &opacity), kNoErr);
    EXPECT_EQ(opacity, 1);
    ASSERT_EQ(blend_suite->set_opacity(h(a), -0.5f), kNoErr);
    ASSERT_EQ(blend_suite->get_opacity(h(a), &opacity), kNoErr);
    EXPECT_EQ(opacity, 0);
    EXPECT_EQ(blend_suite->set_opacity(h(a), NAN), kBadParameterErr);

    int32_t mode = -1;
    ASSERT_EQ(blend_suite->set_blending_mode(h(a), kLuminosityBlend), kNoErr);
    ASSERT_EQ(blend_suite->get_blending_mode(h(a), &mode), kNoErr);
    EXPECT_EQ(mode, kLuminosityBlend);
    EXPECT_EQ(blend_suite->set_blending_mode(h(a), 16), kBadParameterErr);
    EXPECT_EQ(blend_suite->set_blending_mode(h(a), -1), kBadParameterErr);
    ASSERT_EQ(blend_suite->get_blending_mode(h(a), &mode), kNoErr);
    EXPECT_EQ(mode, kLuminosityBlend);
}

class MatchingArt : public DocumentTest {
protected:
    // Layer 1: path p1 (selected), compound c (selected, so its two paths
    // too), text t (selected). Layer 2: path p2 (not selected), group g
    // (selected) holding path p3.
    void SetUp() override {
        p1 = &rect(0, 0, 1, 1);
        c = &compound();
        t = &doc().new_art(kTextArt, doc().current_layer());
        doc().add_layer("Layer 2");
        p2 = &rect(0, 0, 2, 2);
        g = &doc().new_art(kGroupArt, doc().current_layer());
        p3 = &doc().new_art(kPathArt, kPlaceInsideOnTop, g);
        for (kh::Art* a : {p1, c, t, g}) doc().set_selected(*a, true);
    }

    std::vector<KArtHandle> query(std::vector<KArtSpec> specs) {
        KMemHandle list = nullptr;
        int32_t count = -1;
        EXPECT_EQ(matching_suite->get_matching_art(specs.data(), static_cast<int16_t>(specs.size()), &list, &count),
                  kNoErr);
        std::vector<KArtHandle> out;
        if (count == 0) {
            EXPECT_EQ(list, nullptr);
            return out;
        }
        EXPECT_EQ(host.memory().handle_size(list), static_cast<int32_t>(count * sizeof(KArtHandle)));
        auto* entries = reinterpret_cast<KArtHandle*>(*list);
        out.assign(entries, entries + count);
        host.memory().dispose_handle(list);
        return out;
    }

    kh::Art *p1, *c, *t, *p2, *g, *p3;
};

TEST_F(MatchingArt, ReturnsSelectedArtInPaintOrderContainersFirst) {
    const auto found = query({{kCompoundPathArt, kArtSelected, kArtSelected}, {kPathArt, kArtSelected, kArtSelected}});
    const std::vector<KArtHandle> expected = {h(*p1), h(*c), h(*c->first_child()), h(*c->last_child()), h(*p3)};
    EXPECT_EQ(found, expected);
}

TEST_F(MatchingArt, FiltersOnTheChosenAttributeBitsOnly) {
    // which 0: every path whatever its attributes.
    EXPECT_EQ(query({{kPathArt, 0, kArtSelected}}).size(), 5u);
    // Unselected paths only.
    EXPECT_EQ(query({{kPathArt, kArtSelected, 0}}), std::vector<KArtHandle>{h(*p2)});
    EXPECT_EQ(query({{kTextArt, kArtSelected, kArtSelected}}), std::vector<KArtHandle>{h(*t)});
}

TEST_F(MatchingArt, NothingMatchingGivesANullHandleAndNoAllocation) {
    const std::size_t before = host.memory().live_handles();
    KArtSpec spec{kPlacedArt, kArtSelected, kArtSelected};
    KMemHandle list = reinterpret_cast<KMemHandle>(1);
    int32_t count = -1;
    ASSERT_EQ(matching_suite->get_matching_art(&spec, 1, &list, &count), kNoErr);
    EXPECT_EQ(list, nullptr);
    EXPECT_EQ(count, 0);
    EXPECT_EQ(host.memory().live_handles(), before);
}

TEST_F(MatchingArt, TheListBelongsToThePluginUntilItDisposesOfIt) {
    const std::size_t before = host.memory().live_plugin_handles();
    KArtSpec spec{kPathArt, kArtSelected, kArtSelected};
    KMemHandle list = nullptr;
    int32_t count = 0;
    ASSERT_EQ(matching_suite->get_matching_art(&spec, 1, &list, &count), kNoErr);
    EXPECT_EQ(host.memory().live_plugin_handles(), before + 1);
    // The list stays valid while the document changes.
    KArtHandle first = reinterpret_cast<KArtHandle*>(*list)[0];
    ASSERT_EQ(art_suite->dispose_art(first), kNoErr);
    EXPECT_TRUE(host.memory().is_handle(list));
    host.memory().dispose_handle(list);
    EXPECT_EQ(host.memory().live_plugin_handles(), before);
}

TEST_F(ArtSuites, SelectingAContainerSelectsItsMembers) {
    kh::Art& c = compound();
    ASSERT_EQ(art_suite->set_art_user_attr(h(c), kArtSelected, kArtSelected), kNoErr);
    for (const kh::Art& p : kh::children(c)) EXPECT_TRUE(p.selected());
    int32_t attr = 0;
    ASSERT_EQ(art_suite->get_art_user_attr(h(*c.first_child()), kArtSelected | kArtLocked, &attr), kNoErr);
    EXPECT_EQ(attr, kArtSelected);
    ASSERT_EQ(art_suite->set_art_user_attr(h(c), kArtSelected, 0), kNoErr);
    for (const kh::Art& p : kh::children(c)) EXPECT_FALSE(p.selected());
    // Other bits stay on the container itself.
    ASSERT_EQ(art_suite->set_art_user_attr(h(c), kArtLocked, kArtLocked), kNoErr);
    EXPECT_EQ(c.first_child()->attributes, 0);
}

TEST_F(ArtSuites, TreeWalkAndNewArt) {
    KArtHandle group = nullptr, inner = nullptr, below = nullptr;
    ASSERT_EQ(art_suite->new_art(kGroupArt, kPlaceAboveAll, nullptr, &group), kNoErr);
    ASSERT_EQ(art_suite->new_art(kPathArt, kPlaceInsideOnBottom, group, &inner), kNoErr);
    ASSERT_EQ(art_suite->new_art(kPathArt, kPlaceBelow, inner, &below), kNoErr);
    KArtHandle got = nullptr;
    ASSERT_EQ(art_suite->get_first_child(group, &got), kNoErr);
    EXPECT_EQ(got, below);
    ASSERT_EQ(art_suite->get_next_sibling(below, &got), kNoErr);
    EXPECT_EQ(got, inner);
    ASSERT_EQ(art_suite->get_next_sibling(inner, &got), kNoErr);
    EXPECT_EQ(got, nullptr);
    ASSERT_EQ(art_suite->get_parent(inner, &got), kNoErr);
    EXPECT_EQ(got, group);
    ASSERT_EQ(art_suite->get_parent(group, &got), kNoErr);
    EXPECT_EQ(got, nullptr);
    ASSERT_EQ(art_suite->get_first_child(inner, &got), kNoErr);
    EXPECT_EQ(got, nullptr);
    // New paths carry the document's default style.
    KPathStyle style{};
    ASSERT_EQ(style_suite->get_path_style(inner, &style), kNoErr);
    EXPECT_EQ(std::memcmp(&style, &doc().default_path_style(), sizeof style), 0);
}

TEST_F(ArtSuites, PlacementsThatMakeNoSenseAreRefused) {
    kh::Art& p = rect(0, 0, 1, 1);
    kh::Art& c = compound();
    KArtHandle out = reinterpret_cast<KArtHandle>(1);
    EXPECT_EQ(art_suite->new_art(kPathArt, kPlaceAbove, nullptr, &out), kBadParameterErr);
    EXPECT_EQ(out, nullptr);
    EXPECT_EQ(art_suite->new_art(kPathArt, kPlaceInsideOnTop, h(p), &out), kBadParameterErr);    // not a container
    EXPECT_EQ(art_suite->new_art(kGroupArt, kPlaceInsideOnTop, h(c), &out), kBadParameterErr);   // compound holds paths
    EXPECT_EQ(art_suite->duplicate_art(h(p), 9, h(p), &out), kBadParameterErr);                 // unknown code
    EXPECT_EQ(art_suite->new_art(12, kPlaceAboveAll, nullptr, &out), kBadParameterErr);          // unknown type
    EXPECT_THROW(doc().move(c, kPlaceInsideOnTop, &c), kh::HostError);
    EXPECT_EQ(doc().art_count(), 4u);
}

TEST_F(ArtSuites, PathSegmentsRoundTrip) {
    kh::Art& a = doc().new_art(kPathArt, doc().current_layer());
    const KPathSegment segs[3] = {
        {{0, 0}, {0, 0}, {0, 0}, 1},
        {{10, 0}, {10, 0}, {10, 5}, 1},     // a curve leaves this anchor
        {{10, 10}, {12, 10}, {10, 10}, 1},  // and arrives here
    };
    ASSERT_EQ(path_suite->set_path_segments(h(a), 0, 3, segs), kNoErr);
    ASSERT_EQ(path_suite->set_path_closed(h(a), 1), kNoErr);
    int16_t n = 0;
    ASSERT_EQ(path_suite->get_path_segment_count(h(a), &n), kNoErr);
    ASSERT_EQ(n, 3);
    KPathSegment back[3]{};
    ASSERT_EQ(path_suite->get_path_segments(h(a), 0, 3, back), kNoErr);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(back[i].p.h, segs[i].p.h) << i;
        EXPECT_EQ(back[i].p.v, segs[i].p.v) << i;
        EXPECT_EQ(back[i].in.h, segs[i].in.h) << i;
        EXPECT_EQ(back[i].out.v, segs[i].out.v) << i;
    }
    KBool closed = 0;
    ASSERT_EQ(path_suite->get_path_closed(h(a), &closed), kNoErr);
    EXPECT_EQ(closed, 1);
    EXPECT_EQ(path_suite->get_path_segments(h(a), 2, 2, back), kBadParameterErr);
    EXPECT_EQ(path_suite->set_path_segments(h(a), 5, 1, segs), kBadParameterErr);  // would leave a gap
    kh::Art& g = doc().new_art(kGroupArt, doc().current_layer());
    EXPECT_EQ(path_suite->get_path_segment_count(h(g), &n), kBadParameterErr);
}

TEST_F(ArtSuites, TagsAreSetReadAndCut) {
    kh::Art& a = rect(0, 0, 1, 1);
    ASSERT_EQ(tag_suite->set_tag(h(a), "kind", "star"), kNoErr);
    ASSERT_EQ(tag_suite->set_tag(h(a), "kind", "spiral"), kNoErr);
    char value[4] = "xx";
    ASSERT_EQ(tag_suite->get_tag(h(a), "kind", value, sizeof value), kNoErr);
    EXPECT_STREQ(value, "spi");
    ASSERT_EQ(tag_suite->get_tag(h(a), "absent", value, sizeof value), kNoErr);
    EXPECT_STREQ(value, "");
    EXPECT_EQ(a.tags.size(), 1u);
    EXPECT_EQ(tag_suite->get_tag(h(a), "kind", value, 0), kBadParameterErr);
}

// Every operation that takes an art handle refuses a null, a stale (disposed
// or undone) and a foreign (another kind of handle) one.
TEST_F(ArtSuites, NullStaleAndForeignArtHandlesAreRefused) {
    kh::Art& disposed = rect(0, 0, 1, 1);
    const KArtHandle stale = h(disposed);
    doc().dispose(disposed);
    doc().begin_command();
    const KArtHandle undone = h(rect(0, 0, 1, 1));
    doc().undo_command();
    const KArtHandle foreign = reinterpret_cast<KArtHandle>(doc().handle_of(doc().current_layer()));
    kh::Art& live = rect(0, 0, 1, 1);

    KRealRect r;
    KArtHandle out;
    int16_t type;
    int32_t attr;
    KPathStyle style = doc().default_path_style();
    KReal real;
    KMatrix m{1, 0, 0, 1, 0, 0};
    KLayerHandle layer;
    char text[8];
    const std::vector<std::pair<const char*, std::function<KResult(KArtHandle)>>> calls = {
        {"get_art_type", [&](KArtHandle a) { return art_suite->get_art_type(a, &type); }},
        {"get_first_child", [&](KArtHandle a) { return art_suite->get_first_child(a, &out); }},
        {"get_next_sibling", [&](KArtHandle a) { return art_suite->get_next_sibling(a, &out); }},
        {"get_parent", [&](KArtHandle a) { return art_suite->get_parent(a, &out); }},
        {"get_bounds", [&](KArtHandle a) { return art_suite->get_bounds(a, &r); }},
        {"duplicate_art source", [&](KArtHandle a) { return art_suite->duplicate_art(a, kPlaceAboveAll, nullptr, &out); }},
        {"duplicate_art reference", [&](KArtHandle a) { return art_suite->duplicate_art(h(live), kPlaceAbove, a, &out); }},
        {"dispose_art", [&](KArtHandle a) { return art_suite->dispose_art(a); }},
        {"get_art_user_attr", [&](KArtHandle a) { return art_suite->get_art_user_attr(a, 1, &attr); }},
        {"set_art_user_attr", [&](KArtHandle a) { return art_suite->set_art_user_attr(a, 1, 1); }},
        {"new_art reference", [&](KArtHandle a) { return art_suite->new_art(kPathArt, kPlaceBelow, a, &out); }},
        {"get_layer_of_art", [&](KArtHandle a) { return art_suite->get_layer_of_art(a, &layer); }},
        {"get_path_style", [&](KArtHandle a) { return style_suite->get_path_style(a, &style); }},
        {"set_path_style", [&](KArtHandle a) { return style_suite->set_path_style(a, &style); }},
        {"get_opacity", [&](KArtHandle a) { return blend_suite->get_opacity(a, &real); }},
        {"set_opacity", [&](KArtHandle a) { return blend_suite->set_opacity(a, 0.5f); }},
        {"set_blending_mode", [&](KArtHandle a) { return blend_suite->set_blending_mode(a, 1); }},
        {"transform_art", [&](KArtHandle a) { return transform_suite->transform_art(a, &m, 1, 15); }},
        {"set_tag", [&](KArtHandle a) { return tag_suite->set_tag(a, "k", "v"); }},
        {"get_tag", [&](KArtHandle a) { return tag_suite->get_tag(a, "k", text, sizeof text); }},
        {"get_path_closed", [&](KArtHandle a) { KBool c; return path_suite->get_path_closed(a, &c); }},
    };
    const std::size_t art_before = doc().art_count();
    for (const auto& [name, call] : calls) {
        for (KArtHandle bad : {KArtHandle{}, stale, undone, foreign}) EXPECT_EQ(call(bad), kBadParameterErr) << name;
    }
    EXPECT_EQ(doc().art_count(), art_before);
    // A reference is optional with kPlaceAboveAll, but one given must be valid.
    for (KArtHandle bad : {stale, undone, foreign})
        EXPECT_EQ(art_suite->duplicate_art(h(live), kPlaceAboveAll, bad, &out), kBadParameterErr);
    // Null output pointers are refused too, and change nothing.
    EXPECT_EQ(art_suite->duplicate_art(h(live), kPlaceAboveAll, nullptr, nullptr), kBadParameterErr);
    EXPECT_EQ(art_suite->get_bounds(h(live), nullptr), kBadParameterErr);
    EXPECT_EQ(doc().art_count(), art_before);
}

TEST_F(ArtSuites, InjectedFaultsReachThePlugin) {
    kh::Art& a = rect(0, 0, 1, 1);
    host.faults().fail_call("AI Art Suite/duplicate_art", 2, kOutOfMemoryErr);
    KArtHandle out = nullptr;
    EXPECT_EQ(art_suite->duplicate_art(h(a), kPlaceAboveAll, nullptr, &out), kNoErr);
    EXPECT_EQ(art_suite->duplicate_art(h(a), kPlaceAboveAll, nullptr, &out), kOutOfMemoryErr);
    EXPECT_EQ(host.faults().calls("AI Art Suite/duplicate_art"), 2);
    EXPECT_EQ(doc().art_count(), 2u);
}

}  // namespace
