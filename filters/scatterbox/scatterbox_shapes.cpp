// scatterbox_shapes.cpp: the shape of one scatter attempt: range draws, the
// eleven shape values, the choice of kind and the host build.
#include "filters/scatterbox/scatterbox_shapes.h"

#include <cmath>

namespace {

KReal draw() { return shell_draw(); }

// The two sizes of a rectangle or an ellipse: vertical first, then
// horizontal; linked, the vertical size is the horizontal one.
void draw_sizes(KReal vertical_min, KReal vertical_max, KReal horizontal_min, KReal horizontal_max, KBool link,
                KReal* vertical, KReal* horizontal) {
    *vertical = scatterbox_real_range(draw(), vertical_min, vertical_max);
    *horizontal = scatterbox_real_range(draw(), horizontal_min, horizontal_max);
    if (link == 1) *vertical = *horizontal;
}

}  // namespace

KReal scatterbox_real_range(KReal r, KReal min, KReal max) { return r * std::fabs(max - min) + min; }

int32_t scatterbox_int_range(KReal r, int32_t min, int32_t max) {
    // In double the product of r < 1 and the width stays below the width, so
    // the maximum is never reached; the result is held to the 32-bit range.
    const double width = std::fabs(static_cast<double>(max) - static_cast<double>(min));
    const double v = std::trunc(static_cast<double>(r) * width + min);
    if (v >= 2147483647.0) return 2147483647;
    if (v <= -2147483648.0) return -2147483647 - 1;
    return static_cast<int32_t>(v);
}

void scatterbox_draw_shape_values(const ScatterboxParameters* p, KReal rad_min, KReal rad_max,
                                  ScatterboxShapeValues* out_values) {
    ScatterboxShapeValues& v = *out_values;
    v.star_points = scatterbox_int_range(draw(), p->star_points_min, p->star_points_max);
    v.polygon_sides = scatterbox_int_range(draw(), p->polygon_points_min, p->polygon_points_max);
    v.quarter_turns = scatterbox_int_range(draw(), p->spiral_turns_min, p->spiral_turns_max);
    v.rounded = scatterbox_real_range(draw(), p->rounded_min, p->rounded_max);
    v.arc_x = scatterbox_real_range(draw(), p->arc_x_min, p->arc_x_max);
    v.arc_y = scatterbox_real_range(draw(), p->arc_y_min, p->arc_y_max);
    v.decay = scatterbox_real_range(draw(), p->decay_min, p->decay_max);
    const KReal a = scatterbox_real_range(draw(), p->star_inner_radius_min, p->star_inner_radius_max);
    const KReal b = scatterbox_real_range(draw(), p->star_outer_radius_min, p->star_outer_radius_max);
    v.star_radius_small = b < a ? b : a;
    v.star_radius_large = b < a ? a : b;
    v.polygon_radius = scatterbox_real_range(draw(), p->polygon_radius_min, p->polygon_radius_max);
    v.angle = draw() * (rad_max - rad_min) + rad_min;
}

int32_t scatterbox_choose_kind(const ScatterboxParameters* p, int32_t* previous) {
    int32_t code = 0;
    if (p->even_mix == 0) {
        code = static_cast<int32_t>(std::trunc(5.0f * draw() + 1.0f));
        if (code > kScatterboxPolygon) code = kScatterboxPolygon;
    } else {
        code = *previous + 1;
        if (code > kScatterboxPolygon) code = kScatterboxSpiral;
    }
    // A disabled kind hands the attempt to the next kind in order; past the
    // last one the attempt is lost.
    if (code == kScatterboxSpiral && p->spirals == 0) code = kScatterboxEllipse;
    if (code == kScatterboxEllipse && p->circles == 0) code = kScatterboxRectangle;
    if (code == kScatterboxRectangle && p->rectangles == 0) code = kScatterboxStar;
    if (code == kScatterboxStar && p->stars == 0) code = kScatterboxPolygon;
    if (code == kScatterboxPolygon && p->polygons == 0) code = kScatterboxNoShape;
    *previous = code;
    return code;
}

KResult scatterbox_build_shape(const ScatterboxParameters* p, int32_t kind, KReal x, KReal y,
                               const ScatterboxShapeValues* values, KArtHandle* out_art) {
    const ScatterboxShapeValues& v = *values;
    const KShapeConstructionSuite* shapes = gShapeConstructionSuite;
    *out_art = nullptr;
    KArtHandle art = nullptr;
    KResult result = kNoErr;
    KReal vertical = 0.0f;
    KReal horizontal = 0.0f;
    switch (kind) {
        case kScatterboxSpiral: {
            const KRealPoint first_centre = {x + v.arc_x, y + v.arc_y};
            const KRealPoint start = {x, y};
            // The host turns clockwise for direction 0.
            const KBool direction = p->clockwise == 1 ? 0 : 1;
            result = shapes->new_spiral(&first_centre, &start, v.decay, v.quarter_turns, direction, &art);
            break;
        }
        case kScatterboxEllipse:
            draw_sizes(p->circle_vertical_min, p->circle_vertical_max, p->circle_horizontal_min,
                       p->circle_horizontal_max, p->link_size, &vertical, &horizontal);
            result = p->inscribed == 1
                         ? shapes->new_centred_oval_inscribed(x, y, vertical, horizontal, p->reverse_path, &art)
                         : shapes->new_centred_oval_circumscribed(x, y, vertical, horizontal, p->reverse_path, &art);
            break;
        case kScatterboxRectangle:
            draw_sizes(p->rectangle_vertical_min, p->rectangle_vertical_max, p->rectangle_horizontal_min,
                       p->rectangle_horizontal_max, p->link_size, &vertical, &horizontal);
            result = v.rounded > 0.0f ? shapes->new_centred_rounded_rect(x, y, vertical, horizontal, v.rounded,
                                                                         v.rounded, p->reverse_path, &art)
                                      : shapes->new_centred_rect(x, y, vertical, horizontal, p->reverse_path, &art);
            break;
        case kScatterboxStar:
            result = shapes->new_centred_star(v.star_points, x, y, v.star_radius_small, v.star_radius_large,
                                              p->reverse_path, &art);
            break;
        case kScatterboxPolygon:
            result = shapes->new_centred_polygon(v.polygon_sides, x, y, v.polygon_radius, p->reverse_path, &art);
            break;
        default: return kBadParameterErr;
    }
    if (result == kNoErr) *out_art = art;
    return result;
}
