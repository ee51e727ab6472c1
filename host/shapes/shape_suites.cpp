// shape_suites.cpp: "AI Shape Construction Suite" 4: new paths of simple
// shapes, each in front of all art of the current layer, painted with the
// document's default path style and not selected.
//
// The outlines are built in shape_geometry.cpp. Arguments are checked here:
// reals must be finite; sizes and radii count by their magnitude (a box of
// height -10 is the box of height 10); too few or too many vertices answer
// kBadParameterErr (a path holds at most 32767 anchors, the path suite's
// 16-bit count). So does an outline that would be a single point (every
// size or radius 0: art without bounds), or one that leaves the range of the
// suite's 32-bit reals (a spiral that grows by its decay over many turns).
#include <cmath>
#include <cstdint>
#include <limits>

#include "ai_shape.h"
#include "host/document/suite_args.hpp"
#include "host/shapes/shape_geometry.hpp"

namespace kestrel::host {
namespace {

constexpr std::int32_t kMaxAnchors = 32767;

// The new path, frontmost on the current layer, reversed on request.
KResult place_shape(Host& host, Geom::Path path, KBool reverse, KArtHandle* out_art) {
    const Geom::OptRect box = path.boundsFast();
    if (!box || (box->width() == 0 && box->height() == 0)) fail(kBadParameterErr, "the shape has no extent");
    const double limit = std::numeric_limits<KReal>::max();
    for (const double v : {box->left(), box->right(), box->top(), box->bottom()})
        if (!(std::fabs(v) <= limit)) fail(kBadParameterErr, "the shape lies outside the range of points");
    if (reverse) path = path.reversed();
    Document& doc = host.document();
    Art& art = doc.new_art(kPathArt, kPlaceAboveAll, nullptr);
    doc.set_path(art, std::move(path));
    *out_art = doc.handle_of(art);
    return kNoErr;
}

// Common checks of the centred shapes: the output pointer and every real.
void start_shape(KArtHandle* out_art, std::initializer_list<KReal> reals) {
    require(out_art, "output art");
    *out_art = nullptr;
    for (KReal v : reals) require_finite(v, "shape argument");
}

KResult new_centred_rect(KReal x, KReal y, KReal vertical, KReal horizontal, KBool reverse, KArtHandle* out_art) {
    return KESTREL_HOST_CALL("AI Shape Construction Suite/new_centred_rect", [&](Host& host) {
        start_shape(out_art, {x, y, vertical, horizontal});
        return place_shape(host, centred_rect_path({x, y}, std::fabs(horizontal), std::fabs(vertical)), reverse,
                           out_art);
    });
}

KResult new_centred_rounded_rect(KReal x, KReal y, KReal vertical, KReal horizontal, KReal radius_h, KReal radius_v,
                                 KBool reverse, KArtHandle* out_art) {
    return KESTREL_HOST_CALL("AI Shape Construction Suite/new_centred_rounded_rect", [&](Host& host) {
        start_shape(out_art, {x, y, vertical, horizontal, radius_h, radius_v});
        return place_shape(host,
                           centred_rounded_rect_path({x, y}, std::fabs(horizontal), std::fabs(vertical),
                                                     std::fabs(radius_h), std::fabs(radius_v)),
                           reverse, out_art);
    });
}

KResult new_centred_oval_inscribed(KReal x, KReal y, KReal vertical, KReal horizontal, KBool reverse,
                                   KArtHandle* out_art) {
    return KESTREL_HOST_CALL("AI Shape Construction Suite/new_centred_oval_inscribed", [&](Host& host) {
        start_shape(out_art, {x, y, vertical, horizontal});
        return place_shape(host, centred_oval_path({x, y}, std::fabs(horizontal) / 2, std::fabs(vertical) / 2),
                           reverse, out_art);
    });
}

// The ellipse of the box's aspect ratio through its four corners: semi-axes
// sqrt(2) * w/2 and sqrt(2) * h/2, since the corner (w/2, h/2) then gives
// 1/2 + 1/2 = 1 in the ellipse's equation.
KResult new_centred_oval_circumscribed(KReal x, KReal y, KReal vertical, KReal horizontal, KBool reverse,
                                       KArtHandle* out_art) {
    return KESTREL_HOST_CALL("AI Shape Construction Suite/new_centred_oval_circumscribed", [&](Host& host) {
        start_shape(out_art, {x, y, vertical, horizontal});
        const double s = std::sqrt(2.0) / 2;
        return place_shape(host, centred_oval_path({x, y}, std::fabs(horizontal) * s, std::fabs(vertical) * s),
                           reverse, out_art);
    });
}

KResult new_centred_star(int32_t points, KReal x, KReal y, KReal radius1, KReal radius2, KBool reverse,
                         KArtHandle* out_art) {
    return KESTREL_HOST_CALL("AI Shape Construction Suite/new_centred_star", [&](Host& host) {
        start_shape(out_art, {x, y, radius1, radius2});
        if (points < 2 || points > kMaxAnchors / 2) fail(kBadParameterErr, "star points out of range");
        return place_shape(host, centred_star_path(points, {x, y}, std::fabs(radius1), std::fabs(radius2)), reverse,
                           out_art);
    });
}

KResult new_centred_polygon(int32_t sides, KReal x, KReal y, KReal radius, KBool reverse, KArtHandle* out_art) {
    return KESTREL_HOST_CALL("AI Shape Construction Suite/new_centred_polygon", [&](Host& host) {
        start_shape(out_art, {x, y, radius});
        if (sides < 3 || sides > kMaxAnchors) fail(kBadParameterErr, "polygon sides out of range");
        return place_shape(host, centred_polygon_path(sides, {x, y}, std::fabs(radius)), reverse, out_art);
    });
}

// Direction 0 turns clockwise, 1 counter-clockwise. The start must lie off
// the first centre (a spiral of radius 0 has no direction) and the decay must
// not be negative.
KResult new_spiral(const KRealPoint* first_centre, const KRealPoint* start, KReal decay, int32_t quarter_turns,
                   KBool direction, KArtHandle* out_art) {
    return KESTREL_HOST_CALL("AI Shape Construction Suite/new_spiral", [&](Host& host) {
        require(out_art, "output art");
        *out_art = nullptr;
        require(first_centre, "first centre");
        require(start, "start point");
        start_shape(out_art, {first_centre->h, first_centre->v, start->h, start->v, decay});
        if (quarter_turns < 1 || quarter_turns > kMaxAnchors - 1) fail(kBadParameterErr, "quarter turns out of range");
        if (decay < 0) fail(kBadParameterErr, "negative decay");
        const Geom::Point c(first_centre->h, first_centre->v), s(start->h, start->v);
        if (c == s) fail(kBadParameterErr, "spiral start on its centre");
        return place_shape(host, spiral_path(c, s, decay, quarter_turns, direction != 0), 0, out_art);
    });
}

const KShapeConstructionSuite kShapeSuite = {new_centred_rect,           new_centred_rounded_rect,
                                             new_centred_oval_inscribed, new_centred_oval_circumscribed,
                                             new_centred_star,           new_centred_polygon,
                                             new_spiral};
}  // namespace

void register_shape_suites(SuiteRegistry& registry) {
    registry.add(kAIShapeConstructionSuite, kAIShapeConstructionSuiteVersion, &kShapeSuite);
}
}  // namespace kestrel::host
