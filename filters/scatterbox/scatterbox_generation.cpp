// scatterbox_generation.cpp: the scatter run of TK57_Scatterbox. Attempt
// after attempt draws the shape values and a kind, a centre inside the
// chosen region of the page, builds the shape there and styles it, gives it
// an opacity, turns it about its own centre and/or the defined centre, adds
// a drop shadow and the three mirror images of the four-fold pattern, until
// the requested number of shapes stands. The run needs no selection and
// deletes nothing.
#include <cmath>

#include "filters/scatterbox/scatterbox_dialog.h"
#include "filters/scatterbox/scatterbox_shapes.h"
#include "shell/art_geometry.h"
#include "shell/drop_shadow.h"
#include "shell/mirror_pattern.h"

namespace {

// An attempt whose kind is disabled, or whose build the host refuses, makes
// no shape. At least one enabled kind makes such attempts rare (with even
// mix at most every second one), but a broken random service or settings the
// host always refuses could repeat them for ever: after this many in a row
// the run ends with the shapes it has.
constexpr int32_t kMaxAttemptsWithoutShape = 1000;
// The region factors, as 32-bit reals.
constexpr KReal kHalf = 0.5f;
constexpr KReal kFifth = 0.2f;
constexpr KReal kNineTenths = 0.9f;
constexpr KReal kTenth = 0.1f;
constexpr KReal kSeventh = 0.14285715f;

KReal draw() { return shell_draw(); }

// What stays fixed for one run.
struct Run {
    const ScatterboxParameters* p;
    KReal width;              // page, points
    KReal height;
    KReal rad_min;            // rotation limits, radians
    KReal rad_max;
    bool about_path_centre;   // the effective rotate flags
    bool about_defined_centre;
    KShellMirrorOptions mirror; // about the page centre, offsets from the first image's bounds
};

struct Centre {
    KReal x;
    KReal y;
};

// The centre of shape s from the attempt's two position draws r1, r2.
Centre region_point(const Run& run, int32_t s, KReal r1, KReal r2) {
    const KReal w = run.width;
    const KReal h = run.height;
    int32_t code = run.p->region;
    if (code == 8) code = 4 + s % 4;  // " Frame ": right, left, top, bottom in turn
    switch (code) {
        case 1: return {kHalf * w * r1, kHalf * h * r2};
        case 2: return {kHalf * w + kHalf * w * r1, kHalf * h + kHalf * h * r2};
        case 3: return {kHalf * w + kFifth * w * r1, h * r2};
        case 4: return {kNineTenths * w + kTenth * w * r1, h * r2};
        case 5: return {kTenth * w * r1, h * r2};
        case 6: return {w * r1, kNineTenths * h + kTenth * h * r2};
        case 7: return {w * r1, kTenth * h * r2};
        case 9:  // " Crossed ": a vertical band for even shapes, a horizontal one for odd
            if (s % 2 != 0) return {w * r1, kHalf * h + h * r2 * kSeventh};
            return {kHalf * w + w * r1 * kSeventh, h * r2};
        default: return {w * r1, h * r2};  // " Fill document", and codes the block should not hold
    }
}

// New components by a colour's kind: three draws for RGB, one for grey, four
// for a process colour, whose black is either drawn too or, for a fill, kept
// as a share of itself (black x r); other kinds are left alone.
void draw_components(KColour& c, bool share_of_black) {
    switch (c.kind) {
        case kProcessColour:
            for (int i = 0; i < 3; ++i) c.body[i] = draw();
            c.body[3] = share_of_black ? c.body[3] * draw() : draw();
            break;
        case kRGBColour:
            for (int i = 0; i < 3; ++i) c.body[i] = draw();
            break;
        case kGreyColour: c.body[0] = draw(); break;
        default: break;
    }
}

// The random styling of a new shape; the host's answers are not needed.
void style_shape(const ScatterboxParameters& p, KArtHandle art) {
    int32_t swatch_count = 0;
    gSwatchListSuite->count_swatches(nullptr, &swatch_count);
    KPathStyle style{};
    gPathStyleSuite->get_path_style(art, &style);
    if (p.fill == 1) draw_components(style.fill, true);
    if (p.fill_swatches == 1) shell_pick_swatch(swatch_count, &style.fill, &style.fill_paint);
    if (p.stroke == 1) draw_components(style.stroke, false);
    if (p.stroke_swatches == 1) shell_pick_swatch(swatch_count, &style.stroke, &style.stroke_paint);
    if (p.width == 1) style.stroke_width = style.stroke_width * draw();
    gPathStyleSuite->set_path_style(art, &style);
}

// Turn art by angle about point c.
KResult rotate_about(KArtHandle art, Centre c, KReal angle) {
    KMatrix matrix{};
    gRealMathSuite->matrix_set_translate(&matrix, -c.x, -c.y);
    gRealMathSuite->matrix_concat_rotate(&matrix, angle);
    gRealMathSuite->matrix_concat_translate(&matrix, c.x, c.y);
    return shell_transform_art(art, &matrix);
}

// Everything after the build: styling, opacity, rotation, shadow, mirror
// images. A non-zero code ends the run.
KResult finish_shape(const Run& run, KArtHandle shape, KReal angle) {
    const ScatterboxParameters& p = *run.p;
    style_shape(p, shape);
    if (p.opacity == 1) gBlendStyleSuite->set_opacity(shape, draw());
    Centre c{};
    KResult result = shell_art_centre(shape, &c.x, &c.y);
    if (result != kNoErr) return result;
    if (angle != 0.0f) {
        if (run.about_path_centre) {
            result = rotate_about(shape, c, angle);
            if (result != kNoErr) return result;
        }
        if (run.about_defined_centre) {
            result = rotate_about(shape, {p.centre_x, p.centre_y}, angle);
            if (result != kNoErr) return result;
        }
    }
    if (p.drop_shadow == 1) {
        const KShellShadowOptions options = {p.half_fill_shadow, p.shadow_direction, p.shadow_opacity,
                                             p.shadow_scaling};
        KArtHandle shadow = nullptr;
        result = shell_drop_shadow(shape, &options, &shadow);
        if (result != kNoErr) return result;
        if (p.basic_pattern == 1) {
            result = shell_mirror_images(shadow, &run.mirror);
            if (result != kNoErr) return result;
        }
    }
    if (p.basic_pattern == 1) return shell_mirror_images(shape, &run.mirror);
    return kNoErr;
}

// The attempts of one run, until number of shapes shapes are built.
KResult scatter(const Run& run) {
    const ScatterboxParameters& p = *run.p;
    int32_t made = 0;
    int32_t shape_index = 0;
    int32_t previous_kind = kScatterboxNoKindYet;
    int32_t without_shape = 0;
    while (made < p.number_of_shapes) {
        ScatterboxShapeValues values{};
        scatterbox_draw_shape_values(&p, run.rad_min, run.rad_max, &values);
        const int32_t kind = scatterbox_choose_kind(&p, &previous_kind);
        KArtHandle shape = nullptr;
        if (kind != kScatterboxNoShape) {
            const KReal r1 = draw();
            const KReal r2 = draw();
            const Centre at = region_point(run, shape_index, r1, r2);
            scatterbox_build_shape(&p, kind, at.x, at.y, &values, &shape);
        }
        // A lost attempt, or a build the host refused: nothing to finish.
        if (shape == nullptr) {
            if (++without_shape >= kMaxAttemptsWithoutShape) return kNoErr;
            continue;
        }
        without_shape = 0;
        ++made;
        const KResult result = finish_shape(run, shape, values.angle);
        if (result != kNoErr) return result;
        ++shape_index;
    }
    return kNoErr;
}

// A fresh run: page, kinds, rotation, the new layer, the attempts. A
// non-zero code ends the run.
KResult generate_anew(void* block) {
    const ScatterboxParameters& p = *static_cast<const ScatterboxParameters*>(block);
    KRealPoint page{};
    KResult result = gDocumentSuite->get_document_page_size(&page);
    if (result != kNoErr) return result;
    if (p.rectangles == 0 && p.polygons == 0 && p.stars == 0 && p.spirals == 0 && p.circles == 0) return kNoErr;

    Run run{&p, page.h, page.v, 0.0f, 0.0f, p.rotate_about_path_centre == 1, p.rotate_about_defined_centre == 1,
            {page.h / 2.0f, page.v / 2.0f, 0, 0}};
    if (!run.about_path_centre && !run.about_defined_centre) run.about_path_centre = true;
    gRealMathSuite->degrees_to_radians(p.rotation_max, &run.rad_max);
    gRealMathSuite->degrees_to_radians(p.rotation_min, &run.rad_min);

    if (p.create_new_layer == 1) {
        KLayerHandle layer = nullptr;
        result = gLayerSuite->insert_layer(nullptr, kPlaceAboveAll, &layer);
        if (result != kNoErr) return result;
    }
    return scatter(run);
}

bool suites_present() {
    return gArtSuite != nullptr && gRealMathSuite != nullptr && gPathStyleSuite != nullptr &&
           gTransformArtSuite != nullptr && gSwatchListSuite != nullptr && gRandomSuite != nullptr &&
           gDocumentSuite != nullptr && gBlendStyleSuite != nullptr && gLayerSuite != nullptr &&
           gShapeConstructionSuite != nullptr;
}

}  // namespace

KResult scatterbox_generate(void* block) {
    return shell_generation_run(block, suites_present() ? 1 : 0, generate_anew);
}
