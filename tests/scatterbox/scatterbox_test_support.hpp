// scatterbox_test_support.hpp: the shared deliverable fixture with
// TK57_Scatterbox loaded, a shape construction suite that records every
// call before the host builds the shape, and a builder of scripted draws in
// the order one attempt makes them.
#pragma once

#include <string>
#include <vector>

#include "ai_shape.h"
#include "filters/scatterbox/scatterbox_parameters.h"
#include "tests/support/filter_test.hpp"

namespace kestrel::test {

// One call of the shape construction suite as the filter made it.
struct ShapeCall {
    std::string op;         // "rect", "rounded", "inscribed", "circumscribed", "star", "polygon", "spiral"
    std::vector<double> a;  // the arguments in order, points as two values, the output left out
};

// The calls recorded since the fixture started.
inline std::vector<ShapeCall>& shape_calls() {
    static std::vector<ShapeCall> calls;
    return calls;
}

// The host's own table, which the recording one forwards to.
inline const KShapeConstructionSuite*& real_shapes() {
    static const KShapeConstructionSuite* real = nullptr;
    return real;
}

inline void record(std::string op, std::vector<double> args) { shape_calls().push_back({std::move(op), std::move(args)}); }

// Records, then lets the host build (and count, and fail on request).
inline const KShapeConstructionSuite kRecordingShapes = {
    [](KReal x, KReal y, KReal v, KReal h, KBool rev, KArtHandle* out) {
        record("rect", {x, y, v, h, static_cast<double>(rev)});
        return real_shapes()->new_centred_rect(x, y, v, h, rev, out);
    },
    [](KReal x, KReal y, KReal v, KReal h, KReal rh, KReal rv, KBool rev, KArtHandle* out) {
        record("rounded", {x, y, v, h, rh, rv, static_cast<double>(rev)});
        return real_shapes()->new_centred_rounded_rect(x, y, v, h, rh, rv, rev, out);
    },
    [](KReal x, KReal y, KReal v, KReal h, KBool rev, KArtHandle* out) {
        record("inscribed", {x, y, v, h, static_cast<double>(rev)});
        return real_shapes()->new_centred_oval_inscribed(x, y, v, h, rev, out);
    },
    [](KReal x, KReal y, KReal v, KReal h, KBool rev, KArtHandle* out) {
        record("circumscribed", {x, y, v, h, static_cast<double>(rev)});
        return real_shapes()->new_centred_oval_circumscribed(x, y, v, h, rev, out);
    },
    [](int32_t points, KReal x, KReal y, KReal r1, KReal r2, KBool rev, KArtHandle* out) {
        record("star", {static_cast<double>(points), x, y, r1, r2, static_cast<double>(rev)});
        return real_shapes()->new_centred_star(points, x, y, r1, r2, rev, out);
    },
    [](int32_t sides, KReal x, KReal y, KReal r, KBool rev, KArtHandle* out) {
        record("polygon", {static_cast<double>(sides), x, y, r, static_cast<double>(rev)});
        return real_shapes()->new_centred_polygon(sides, x, y, r, rev, out);
    },
    [](const KRealPoint* c, const KRealPoint* s, KReal decay, int32_t turns, KBool direction, KArtHandle* out) {
        record("spiral", {c->h, c->v, s->h, s->v, decay, static_cast<double>(turns), static_cast<double>(direction)});
        return real_shapes()->new_spiral(c, s, decay, turns, direction, out);
    },
};

// Draws in the order of the attempts: each attempt's eleven shape values
// (0.5 unless given), then whatever the test appends.
class Draws {
public:
    // The eleven shape values, all r.
    Draws& values(float r = 0.5f) {
        list_.insert(list_.end(), 11, r);
        return *this;
    }
    // Shape value index (0 star points ... 10 angle) of the last attempt.
    Draws& value(std::size_t index, float r) {
        list_[list_.size() - 11 + index] = r;
        return *this;
    }
    Draws& then(std::initializer_list<float> rs) {
        list_.insert(list_.end(), rs);
        return *this;
    }
    const std::vector<float>& list() const { return list_; }
    std::int64_t size() const { return static_cast<std::int64_t>(list_.size()); }

private:
    std::vector<float> list_;
};

class ScatterboxTest : public FilterTest<ScatterboxParameters> {
protected:
    ScatterboxTest() : FilterTest("TK57_Scatterbox") {}

    void SetUp() override {
        FilterTest::SetUp();
        shape_calls().clear();
        real_shapes() = static_cast<const KShapeConstructionSuite*>(
            host.suites().find(kAIShapeConstructionSuite, kAIShapeConstructionSuiteVersion));
        host.suites().add(kAIShapeConstructionSuite, kAIShapeConstructionSuiteVersion, &kRecordingShapes);
    }

    // The block exists with Preview off; only the kinds in `kinds` (letters
    // R P S X C: rectangles, polygons, stars, spirals, circles) take part,
    // number shapes, even mix as given. Shape calls start again.
    void prepare(const std::string& kinds, int32_t number, KBool even_mix = 1) {
        confirm_without_preview();
        ScatterboxParameters& p = block();
        p.rectangles = kinds.find('R') != std::string::npos;
        p.polygons = kinds.find('P') != std::string::npos;
        p.stars = kinds.find('S') != std::string::npos;
        p.spirals = kinds.find('X') != std::string::npos;
        p.circles = kinds.find('C') != std::string::npos;
        p.number_of_shapes = number;
        p.even_mix = even_mix;
        shape_calls().clear();
    }

    void go_with(const Draws& draws) { go_with_draws(draws.list()); }

    // The ops of the recorded calls, in order.
    static std::vector<std::string> ops() {
        std::vector<std::string> out;
        for (const ShapeCall& c : shape_calls()) out.push_back(c.op);
        return out;
    }
};

}  // namespace kestrel::test
