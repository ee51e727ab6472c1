// scatterbox_parameters.cpp: defaults, presets and "Tumble" of the
// TK57_Scatterbox parameter block, and the texts of its popups.
#include "filters/scatterbox/scatterbox_parameters.h"

#include <cmath>
#include <cstddef>
#include <cstring>

#include "shell/kestrel_shell.h"

static_assert(sizeof(ScatterboxParameters) == 71 * 4, "the block is 71 fields of 32 bits");
static_assert(offsetof(ScatterboxParameters, stroke_swatches) == kScatterboxFieldStrokeSwatches * 4, "field order");
static_assert(offsetof(ScatterboxParameters, centre_x) == kScatterboxFieldCentreX * 4, "field order");
static_assert(offsetof(ScatterboxParameters, dialog_left) == kScatterboxFieldDialogLeft * 4, "field order");

const char* const kScatterboxPresetNames[kScatterboxPresetCount] = {
    "Reset",
    "Stars only",
    "Frame clutter",
    "Six point stars only",
    "Circles only",
    "Circles only - 25pts radius",
    "Hexagons only",
    "Rotate about corner",
    "Full rotation",
    "Random rotation",
    "Random opacity",
    "Random opacity cross",
    "Shadow",
    "Shadow + pattern",
};

const char* const kScatterboxShapeNames[kScatterboxShapeCount] = {"Rectangles", "Polygons", "Stars", "Spirals",
                                                                   "Circles"};

const char* const kScatterboxRegionNames[kScatterboxRegionCount] = {
    " Fill document",
    " Fill bottom left corner ",
    " Fill top right corner ",
    " Vertical line ",
    " Along right side of document ",
    " Along left side of document ",
    " Along top of document ",
    " Along bottom of document ",
    " Frame ",
    " Crossed ",
};

namespace {

ScatterboxParameters* parameters(void* block) { return static_cast<ScatterboxParameters*>(block); }

// The centre of the first document view, artwork coordinates; (0, 0) when
// the host has no view.
KRealPoint view_centre() {
    KRealPoint centre{0.0f, 0.0f};
    KDocumentViewHandle view = nullptr;
    if (gDocumentViewSuite == nullptr || gDocumentViewSuite->get_nth_document_view(0, &view) != kNoErr) return centre;
    if (gDocumentViewSuite->get_document_view_centre(view, &centre) != kNoErr) return {0.0f, 0.0f};
    return centre;
}

// The shape settings Tumble starts from as well as every preset: count,
// region, kinds, every range and the rotation.
void reset_shapes(ScatterboxParameters* p) {
    p->number_of_shapes = 40;
    p->region = 0;
    p->shape_page = kScatterboxRectangles;
    p->rectangles = 1;
    p->polygons = 1;
    p->stars = 1;
    p->spirals = 1;
    p->circles = 1;
    p->rectangle_vertical_min = 40.0f;
    p->rectangle_vertical_max = 100.0f;
    p->rectangle_horizontal_min = 40.0f;
    p->rectangle_horizontal_max = 100.0f;
    p->rounded_min = 0.0f;
    p->rounded_max = 0.0f;
    p->polygon_points_min = 3;
    p->polygon_points_max = 10;
    p->polygon_radius_min = 50.0f;
    p->polygon_radius_max = 100.0f;
    p->star_points_min = 4;
    p->star_points_max = 16;
    p->star_inner_radius_min = 20.0f;
    p->star_inner_radius_max = 100.0f;
    p->star_outer_radius_min = 20.0f;
    p->star_outer_radius_max = 100.0f;
    p->spiral_turns_min = 2;
    p->spiral_turns_max = 20;
    p->arc_x_min = 20.0f;
    p->arc_x_max = 50.0f;
    p->arc_y_min = 20.0f;
    p->arc_y_max = 50.0f;
    p->decay_min = 50.0f;
    p->decay_max = 100.0f;
    p->clockwise = 1;
    p->inscribed = 1;
    p->circle_vertical_min = 40.0f;
    p->circle_vertical_max = 100.0f;
    p->circle_horizontal_min = 40.0f;
    p->circle_horizontal_max = 100.0f;
    p->rotation_min = 0.0f;
    p->rotation_max = 0.0f;
    p->rotate_about_path_centre = 0;
    p->rotate_about_defined_centre = 0;
    const KRealPoint centre = view_centre();
    p->centre_x = centre.h;
    p->centre_y = centre.v;
    p->preview_flag = 0;
}

// Everything but view zoom, page, the Go flag and the dialog bounds.
void reset_all(ScatterboxParameters* p) {
    reset_shapes(p);
    p->preview = 1;
    p->fill = 0;
    p->stroke = 0;
    p->width = 0;
    p->fill_swatches = 0;
    p->stroke_swatches = 0;
    p->opacity = 0;
    p->even_mix = 1;
    p->reverse_path = 0;
    p->create_new_layer = 1;
    p->basic_pattern = 0;
    p->link_size = 0;
    p->drop_shadow = 0;
    p->shadow_direction = 0;
    p->shadow_scaling = 0;
    p->half_fill_shadow = 0;
    p->shadow_opacity = 0;
}

void only_kind(ScatterboxParameters* p, KBool* kind) {
    p->rectangles = 0;
    p->polygons = 0;
    p->stars = 0;
    p->spirals = 0;
    p->circles = 0;
    *kind = 1;
}

KReal draw() { return shell_draw(); }

// A strict threshold test on a fresh draw: r x 100 > percent.
bool draw_above(KReal percent) { return draw() * 100.0f > percent; }

// 1 + int(r x scale): a count from one draw.
int32_t count_from_draw(KReal scale) { return 1 + static_cast<int32_t>(std::trunc(draw() * scale)); }

// Both ends of a range, each r x scale.
void draw_range(KReal& min, KReal& max, KReal scale) {
    min = draw() * scale;
    max = draw() * scale;
}

}  // namespace

void scatterbox_set_defaults(void* block) {
    ScatterboxParameters* p = parameters(block);
    std::memset(p, 0, sizeof *p);
    reset_all(p);
    p->view_zoom = 100.0f;
    p->preset = 0;
    p->page = 1;
    p->dialog_bounds_saved = 0;
}

void scatterbox_apply_preset(void* block, int32_t preset_id) {
    ScatterboxParameters* p = parameters(block);
    p->preset = preset_id;
    reset_all(p);
    switch (preset_id) {
        case 1:  // "Stars only"
            only_kind(p, &p->stars);
            break;
        case 2:  // "Frame clutter"
            p->region = 8;
            break;
        case 3:  // "Six point stars only"
            p->star_points_min = 6;
            p->star_points_max = 6;
            only_kind(p, &p->stars);
            break;
        case 4:  // "Circles only"
            only_kind(p, &p->circles);
            break;
        case 5:  // "Circles only - 25pts radius"
            p->circle_vertical_min = 50.0f;
            p->circle_vertical_max = 50.0f;
            p->circle_horizontal_min = 50.0f;
            p->circle_horizontal_max = 50.0f;
            only_kind(p, &p->circles);
            break;
        case 6:  // "Hexagons only"
            p->polygon_points_min = 6;
            p->polygon_points_max = 6;
            only_kind(p, &p->polygons);
            break;
        case 7:  // "Rotate about corner"
            p->rotation_min = 0.0f;
            p->rotation_max = 90.0f;
            p->rotate_about_defined_centre = 1;
            p->centre_x = 0.0f;
            p->centre_y = 0.0f;
            break;
        case 8:  // "Full rotation"
            p->rotation_min = 0.0f;
            p->rotation_max = 360.0f;
            p->rotate_about_defined_centre = 1;
            p->centre_x = 0.0f;
            p->centre_y = 0.0f;
            break;
        case 9:  // "Random rotation"
            p->rotation_min = 0.0f;
            p->rotation_max = 360.0f;
            p->rotate_about_path_centre = 1;
            break;
        case 10:  // "Random opacity"
            p->opacity = 1;
            break;
        case 11:  // "Random opacity cross"
            p->region = 9;
            p->opacity = 1;
            p->number_of_shapes = 100;
            break;
        case 12:  // "Shadow"
        case 13:  // "Shadow + pattern": the same settings as "Shadow"
            p->drop_shadow = 1;
            break;
        default: break;
    }
}

void scatterbox_tumble(void* block) {
    ScatterboxParameters* p = parameters(block);
    reset_shapes(p);
    const KRealPoint centre = {p->centre_x, p->centre_y};  // the view centre, asked again by the reset

    p->number_of_shapes = static_cast<int32_t>(std::trunc(draw() * 150.0f));
    if (draw_above(76.0f)) {
        const int32_t region = static_cast<int32_t>(std::trunc(draw() * 10.0f));
        p->region = region > 9 ? 9 : region;
    }
    KBool* kinds[] = {&p->rectangles, &p->polygons, &p->stars, &p->spirals, &p->circles};
    for (KBool* kind : kinds) {
        if (draw_above(80.0f)) *kind = 0;
    }
    draw_range(p->rectangle_vertical_min, p->rectangle_vertical_max, 300.0f);
    draw_range(p->rectangle_horizontal_min, p->rectangle_horizontal_max, 300.0f);
    if (draw_above(80.0f)) draw_range(p->rounded_min, p->rounded_max, 20.0f);
    p->polygon_points_min = count_from_draw(14.0f);
    p->polygon_points_max = count_from_draw(17.0f);
    draw_range(p->polygon_radius_min, p->polygon_radius_max, 300.0f);
    p->star_points_min = count_from_draw(14.0f);
    p->star_points_max = count_from_draw(20.0f);
    draw_range(p->star_inner_radius_min, p->star_inner_radius_max, 300.0f);
    draw_range(p->star_outer_radius_min, p->star_outer_radius_max, 300.0f);
    draw_range(p->arc_x_min, p->arc_x_max, 100.0f);
    draw_range(p->arc_y_min, p->arc_y_max, 100.0f);
    p->decay_min = 10.0f + 90.0f * draw();
    const KReal grow = 100.0f + 10.0f * draw();  // a 32-bit real before the second draw is taken off
    p->decay_max = grow - 30.0f * draw();
    p->spiral_turns_min = count_from_draw(14.0f);
    p->spiral_turns_max = count_from_draw(30.0f);
    p->clockwise = draw_above(50.0f) ? 1 : 0;
    p->inscribed = draw_above(50.0f) ? 1 : 0;
    draw_range(p->circle_vertical_min, p->circle_vertical_max, 300.0f);
    draw_range(p->circle_horizontal_min, p->circle_horizontal_max, 300.0f);
    if (draw_above(80.0f)) {
        p->rotation_max = draw() * 360.0f;
        p->rotation_min = draw() * 360.0f;
    }
    if (draw_above(50.0f)) p->rotate_about_path_centre = 1;
    if (draw_above(70.0f)) p->rotate_about_defined_centre = 1;
    const KReal x = centre.h + 200.0f * draw();
    p->centre_x = x - 200.0f * draw();
    const KReal y = centre.v + 200.0f * draw();
    p->centre_y = y - 200.0f * draw();
}
