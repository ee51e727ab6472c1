// envelope_suites_test.cpp: "AI Envelope Suite": the envelope's structure and
// place, the consumed shape, undo, warps of the content (recorded parameters,
// a second warp restarting from the unwarped shape, also after an undo and
// in a copy, plain styles) and the refused arguments.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "ai_envelope.h"
#include "host/core/host.hpp"
#include "host/document/document.hpp"

namespace kh = kestrel::host;

namespace {

class EnvelopeTest : public testing::Test {
protected:
    kh::Document& doc() { return host.document(); }
    KArtHandle h(const kh::Art& a) { return doc().handle_of(a); }
    kh::Art& art(KArtHandle handle) {
        kh::Art* a = doc().art_from(handle);
        EXPECT_NE(a, nullptr);
        return *a;
    }
    kh::Art& rect(double x0, double y0, double x1, double y1) {
        kh::Art& a = doc().new_art(kPathArt, doc().current_layer());
        doc().set_path(a, Geom::Path(Geom::Rect(x0, y0, x1, y1)));
        return a;
    }
    // An envelope of one rectangle, no shape.
    kh::Art& wrapped(double x0, double y0, double x1, double y1) {
        KArtHandle a = h(rect(x0, y0, x1, y1));
        KArtHandle env = nullptr;
        EXPECT_EQ(suite->make_envelope(&a, 1, nullptr, nullptr, &env), kNoErr);
        return art(env);
    }
    const Geom::Path& content(const kh::Art& env) { return env.first_child()->path; }

    kh::Host host;
    const KEnvelopeSuite* suite =
        static_cast<const KEnvelopeSuite*>(host.suites().find(kAIEnvelopeSuite, kAIEnvelopeSuiteVersion));
    const KEnvelopeOptions options{0, 50};
};

TEST_F(EnvelopeTest, EnvelopeWrapsTheArtInItsPlaceAndConsumesTheShape) {
    kh::Art& back = rect(0, 0, 1, 1);
    kh::Art& a = rect(0, 0, 10, 10);
    kh::Art& middle = rect(50, 50, 60, 60);
    kh::Art& b = rect(20, 0, 30, 10);
    kh::Art& shape = rect(0, 0, 30, 10);
    KArtHandle items[2] = {h(a), h(b)};
    const KArtHandle shape_handle = h(shape);
    const std::size_t before = doc().art_count();

    KArtHandle env_handle = nullptr;
    ASSERT_EQ(suite->make_envelope(items, 2, shape_handle, &options, &env_handle), kNoErr);
    kh::Art& env = art(env_handle);
    EXPECT_EQ(env.type(), kEnvelopeArt);
    EXPECT_EQ(env.first_child(), &a);
    EXPECT_EQ(env.last_child(), &b);
    EXPECT_EQ(a.next(), &b);
    EXPECT_EQ(a.parent(), &env);
    // In the first object's place: between back and middle.
    EXPECT_EQ(env.prev(), &back);
    EXPECT_EQ(env.next(), &middle);
    EXPECT_EQ(doc().art_from(shape_handle), nullptr);
    EXPECT_EQ(doc().art_count(), before);  // one envelope made, one shape gone
    EXPECT_EQ(env.warp.style, 0);
    EXPECT_EQ(env.warp.fidelity, 50);
}

TEST_F(EnvelopeTest, UndoRevertsEnvelopeAndWarp) {
    kh::Art& a = rect(0, 0, 10, 10);
    kh::Art& shape = rect(0, 0, 10, 10);
    const Geom::Path original = a.path;
    const KArtHandle shape_handle = h(shape);
    doc().begin_command();
    KArtHandle item = h(a), env = nullptr;
    ASSERT_EQ(suite->make_envelope(&item, 1, shape_handle, &options, &env), kNoErr);
    ASSERT_EQ(suite->apply_warp(env, kWarpBulge, 0.5f, 0, 0, 0), kNoErr);
    EXPECT_NE(a.path, original);
    doc().undo_command();
    EXPECT_EQ(doc().art_from(env), nullptr);
    EXPECT_EQ(a.parent(), nullptr);
    EXPECT_EQ(a.path, original);
    ASSERT_NE(doc().art_from(shape_handle), nullptr);
    EXPECT_EQ(doc().current_layer().first_art(), &a);
    EXPECT_EQ(doc().current_layer().last_art(), &shape);
}

TEST_F(EnvelopeTest, WarpRecordsItsParametersAndDistortsTheContent) {
    kh::Art& env = wrapped(0, 0, 100, 50);
    const Geom::Path original = content(env);
    ASSERT_EQ(suite->apply_warp(h(env), kWarpFlag, 0.5f, -0.25f, 0.75f, 1), kNoErr);
    EXPECT_EQ(env.warp.style, kWarpFlag);
    EXPECT_FLOAT_EQ(env.warp.bend, 0.5f);
    EXPECT_FLOAT_EQ(env.warp.horizontal_distortion, -0.25f);
    EXPECT_FLOAT_EQ(env.warp.vertical_distortion, 0.75f);
    EXPECT_TRUE(env.warp.rotate);
    EXPECT_NE(content(env), original);
    EXPECT_GT(content(env).size_default(), 4u);  // the sides became curves
}

// A second warp starts again from the unwarped content, and a plain style
// brings the unwarped content back exactly.
TEST_F(EnvelopeTest, SecondWarpRestartsFromTheUnwarpedShape) {
    kh::Art& twice = wrapped(0, 0, 100, 50);
    kh::Art& once = wrapped(0, 0, 100, 50);
    const Geom::Path original = content(twice);
    ASSERT_EQ(suite->apply_warp(h(twice), kWarpTwist, 0.9f, 0.3f, 0, 0), kNoErr);
    ASSERT_EQ(suite->apply_warp(h(twice), kWarpArc, 0.4f, 0, 0.2f, 0), kNoErr);
    ASSERT_EQ(suite->apply_warp(h(once), kWarpArc, 0.4f, 0, 0.2f, 0), kNoErr);
    EXPECT_EQ(content(twice), content(once));
    for (const int plain : {0, 16, 17}) {
        ASSERT_EQ(suite->apply_warp(h(twice), kWarpFish, 0.6f, 0, 0, 0), kNoErr);
        ASSERT_EQ(suite->apply_warp(h(twice), plain, 0.6f, 0.1f, 0.1f, 1), kNoErr) << plain;
        EXPECT_EQ(content(twice), original) << plain;
        EXPECT_EQ(twice.warp.style, 0);
    }
    // Zero strength in range is also the unwarped content.
    ASSERT_EQ(suite->apply_warp(h(twice), kWarpFish, 0.6f, 0, 0, 0), kNoErr);
    ASSERT_EQ(suite->apply_warp(h(twice), kWarpFish, 0, 0, 0, 0), kNoErr);
    EXPECT_EQ(content(twice), original);
}

// Content changed after a warp (here moved) is the new unwarped shape.
TEST_F(EnvelopeTest, ContentChangedAfterAWarpIsWarpedAsItIs) {
    kh::Art& env = wrapped(0, 0, 100, 50);
    ASSERT_EQ(suite->apply_warp(h(env), kWarpBulge, 0.5f, 0, 0, 0), kNoErr);
    doc().transform(env, Geom::Translate(500, 0));
    const Geom::Path moved = content(env);
    ASSERT_EQ(suite->apply_warp(h(env), kWarpBulge, 0, 0, 0, 0), kNoErr);
    EXPECT_EQ(content(env), moved);
}

// Undo of a warp brings back the outline the next warp starts from, not only
// the warped content.
TEST_F(EnvelopeTest, UndoneWarpLeavesTheNextWarpStartingFromTheUnwarpedShape) {
    kh::Art& env = wrapped(0, 0, 100, 50);
    kh::Art& once = wrapped(0, 0, 100, 50);
    ASSERT_EQ(suite->apply_warp(h(env), kWarpTwist, 0.9f, 0.3f, 0, 0), kNoErr);
    const Geom::Path twisted = content(env);
    doc().begin_command();
    ASSERT_EQ(suite->apply_warp(h(env), kWarpWave, 0.7f, 0, 0, 1), kNoErr);
    doc().undo_command();
    EXPECT_EQ(content(env), twisted);
    ASSERT_EQ(suite->apply_warp(h(env), kWarpArc, 0.4f, 0, 0.2f, 0), kNoErr);
    ASSERT_EQ(suite->apply_warp(h(once), kWarpArc, 0.4f, 0, 0.2f, 0), kNoErr);
    EXPECT_EQ(content(env), content(once));
}

// A copy of a warped envelope carries the unwarped outline with it.
TEST_F(EnvelopeTest, DuplicatedEnvelopeWarpsAgainFromTheUnwarpedShape) {
    kh::Art& env = wrapped(0, 0, 100, 50);
    const Geom::Path original = content(env);
    ASSERT_EQ(suite->apply_warp(h(env), kWarpBulge, 0.5f, 0, 0, 0), kNoErr);
    kh::Art& copy = doc().duplicate(env, kPlaceAboveAll, nullptr);
    ASSERT_EQ(suite->apply_warp(h(copy), 0, 0, 0, 0, 0), kNoErr);
    EXPECT_EQ(content(copy), original);
    EXPECT_NE(content(env), original);
}

TEST_F(EnvelopeTest, StylesOutsideTheRangeLeaveThePlainEnvelope) {
    for (const int style : {0, 16, 17}) {
        kh::Art& env = wrapped(0, 0, 100, 50);
        const Geom::Path original = content(env);
        EXPECT_EQ(suite->apply_warp(h(env), style, 0.8f, 0.5f, 0.5f, 1), kNoErr) << style;
        EXPECT_EQ(content(env), original) << style;
        EXPECT_EQ(env.warp.style, 0) << style;
    }
}

TEST_F(EnvelopeTest, GroupsAndCompoundPathsInsideWarpToo) {
    kh::Art& group = doc().new_art(kGroupArt, doc().current_layer());
    kh::Art& inner = doc().new_art(kPathArt, kPlaceInsideOnTop, &group);
    doc().set_path(inner, Geom::Path(Geom::Rect(0, 0, 40, 40)));
    KArtHandle item = h(group), env = nullptr;
    ASSERT_EQ(suite->make_envelope(&item, 1, nullptr, &options, &env), kNoErr);
    const Geom::Path original = inner.path;
    ASSERT_EQ(suite->apply_warp(env, kWarpInflate, 0.5f, 0, 0, 0), kNoErr);
    EXPECT_NE(inner.path, original);
}

TEST_F(EnvelopeTest, BadArgumentsAnswerBadParameterAndChangeNothing) {
    kh::Art& a = rect(0, 0, 10, 10);
    kh::Art& b = rect(20, 0, 30, 10);
    kh::Art& group = doc().new_art(kGroupArt, doc().current_layer());
    kh::Art& member = doc().new_art(kPathArt, kPlaceInsideOnTop, &group);
    kh::Art& gone = rect(0, 0, 1, 1);
    const KArtHandle stale = h(gone);
    doc().dispose(gone);
    const KArtHandle foreign = reinterpret_cast<KArtHandle>(doc().handle_of(doc().current_layer()));
    const std::size_t before = doc().art_count();

    struct Case {
        const char* name;
        std::vector<KArtHandle> items;
        KArtHandle shape;
    };
    const std::vector<Case> cases = {
        {"null art", {nullptr}, nullptr},
        {"stale art", {stale}, nullptr},
        {"foreign art", {foreign}, nullptr},
        {"twice", {h(a), h(a)}, nullptr},
        {"art and its member", {h(group), h(member)}, nullptr},
        {"shape is wrapped", {h(a), h(b)}, h(b)},
        {"shape inside wrapped", {h(group)}, h(member)},
        {"wrapped inside shape", {h(member)}, h(group)},
        {"stale shape", {h(a)}, stale},
    };
    for (const Case& c : cases) {
        KArtHandle out = reinterpret_cast<KArtHandle>(1);
        std::vector<KArtHandle> items = c.items;
        EXPECT_EQ(suite->make_envelope(items.data(), static_cast<int32_t>(items.size()), c.shape, &options, &out),
                  kBadParameterErr)
            << c.name;
        EXPECT_EQ(out, nullptr) << c.name;
    }
    KArtHandle item = h(a), out = nullptr;
    EXPECT_EQ(suite->make_envelope(&item, 0, nullptr, &options, &out), kBadParameterErr);
    EXPECT_EQ(suite->make_envelope(nullptr, 1, nullptr, &options, &out), kBadParameterErr);
    EXPECT_EQ(suite->make_envelope(&item, 1, nullptr, &options, nullptr), kBadParameterErr);
    EXPECT_EQ(doc().art_count(), before);
    EXPECT_EQ(a.parent(), nullptr);

    const float nan = std::numeric_limits<float>::quiet_NaN();
    EXPECT_EQ(suite->apply_warp(nullptr, kWarpArc, 0.5f, 0, 0, 0), kBadParameterErr);
    EXPECT_EQ(suite->apply_warp(stale, kWarpArc, 0.5f, 0, 0, 0), kBadParameterErr);
    EXPECT_EQ(suite->apply_warp(foreign, kWarpArc, 0.5f, 0, 0, 0), kBadParameterErr);
    EXPECT_EQ(suite->apply_warp(h(a), kWarpArc, 0.5f, 0, 0, 0), kBadParameterErr);  // not an envelope
    kh::Art& env = wrapped(0, 0, 10, 10);
    const Geom::Path original = content(env);
    EXPECT_EQ(suite->apply_warp(h(env), kWarpArc, nan, 0, 0, 0), kBadParameterErr);
    EXPECT_EQ(suite->apply_warp(h(env), kWarpArc, 0.5f, 0, std::numeric_limits<float>::infinity(), 0),
              kBadParameterErr);
    EXPECT_EQ(content(env), original);
    EXPECT_EQ(env.warp.style, 0);
}

TEST_F(EnvelopeTest, EmptyEnvelopeWarpsWithoutError) {
    kh::Art& group = doc().new_art(kGroupArt, doc().current_layer());
    KArtHandle item = h(group), env = nullptr;
    ASSERT_EQ(suite->make_envelope(&item, 1, nullptr, nullptr, &env), kNoErr);
    EXPECT_EQ(suite->apply_warp(env, kWarpTwist, 0.5f, 0.5f, 0.5f, 1), kNoErr);
    EXPECT_EQ(art(env).warp.style, kWarpTwist);
}

}  // namespace
