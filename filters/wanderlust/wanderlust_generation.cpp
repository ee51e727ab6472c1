// wanderlust_generation.cpp: the copy chains of TK57_Wanderlust. For every
// selected object, from the last list entry to the first, copy j is
// duplicated directly above its source, scaled by the scale step to the power
// j about its own centre, pushed by a random fraction of j times the step,
// optionally restyled, and optionally given three mirror images. A preview
// leaves the sources alone; the run for "AI Go" disposes of them at the end.
#include <cmath>

#include "filters/wanderlust/wanderlust_dialog.h"
#include "filters/wanderlust/wanderlust_parameters.h"
#include "shell/mirror_pattern.h"

namespace {

// The transform options word and line scale every transform passes.
constexpr int32_t kTransformOptions = 15;
constexpr KReal kLineScale = 1.0f;

struct Centre {
    KReal x;
    KReal y;
};

Centre centre_of(const KRealRect& r) {
    Centre c{};
    shell_bounds_centre(&r, &c.x, &c.y);
    return c;
}

// Replace a colour's components by draws: three for process and RGB
// colours, one for grey, none for the other kinds.
void draw_components(KColour& colour) {
    if (colour.kind == kProcessColour || colour.kind == kRGBColour) {
        colour.body[0] = shell_draw();
        colour.body[1] = shell_draw();
        colour.body[2] = shell_draw();
    } else if (colour.kind == kGreyColour) {
        colour.body[0] = shell_draw();
    }
}

// The random restyling of one object (a copy, or one child of it).
void style_step(const WanderlustParameters& p, int32_t swatch_count, KArtHandle art) {
    KPathStyle style{};
    gPathStyleSuite->get_path_style(art, &style);
    if (p.random_fill_colour == 1) draw_components(style.fill);
    if (p.random_stroke_colour == 1) draw_components(style.stroke);
    if (p.random_width == 1) style.stroke_width = shell_draw() * style.stroke_width;
    if (p.random_fill_swatch == 1) shell_pick_swatch(swatch_count, &style.fill, &style.fill_paint);
    if (p.random_stroke_swatch == 1) shell_pick_swatch(swatch_count, &style.stroke, &style.stroke_paint);
    gPathStyleSuite->set_path_style(art, &style);
}

// Transform art by matrix; a compound object (type 3) child by child, so
// that every child gets the same matrix. styled: run the style step on each
// transformed object first.
KResult transform(KArtHandle art, int16_t type, const KMatrix& matrix, const WanderlustParameters* styled,
                  int32_t swatch_count) {
    if (type != kCompoundPathArt) {
        if (styled != nullptr) style_step(*styled, swatch_count, art);
        return gTransformArtSuite->transform_art(art, &matrix, kLineScale, kTransformOptions);
    }
    KArtHandle child = nullptr;
    KResult result = gArtSuite->get_first_child(art, &child);
    if (result != kNoErr) return result;
    while (child != nullptr) {
        if (styled != nullptr) style_step(*styled, swatch_count, child);
        result = gTransformArtSuite->transform_art(child, &matrix, kLineScale, kTransformOptions);
        if (result != kNoErr) return result;
        result = gArtSuite->get_next_sibling(child, &child);
        if (result != kNoErr) return result;
    }
    return kNoErr;
}

KResult bounds_centre(KArtHandle art, Centre& out) {
    KRealRect bounds{};
    const KResult result = gArtSuite->get_bounds(art, &bounds);
    if (result != kNoErr) return result;
    out = centre_of(bounds);
    return kNoErr;
}

// The chain of one source object.
KResult make_chain(WanderlustParameters& p, KArtHandle source, KReal step_x, KReal step_y, int32_t swatch_count) {
    KReal s = 1.0f;
    const KReal k = p.scale_step * 0.01f;
    int16_t type = kUnknownArt;
    gArtSuite->get_art_type(source, &type);
    for (int32_t j = 0; j < p.copies; ++j) {
        KArtHandle copy = nullptr;
        // A failed duplication skips this copy; the scale still advances.
        if (gArtSuite->duplicate_art(source, kPlaceAbove, source, &copy) == kNoErr && copy != nullptr) {
            Centre c{};
            KResult result = bounds_centre(copy, c);
            if (result != kNoErr) return result;
            const KReal r_a = shell_draw();
            const KReal r_b = shell_draw();
            const KReal index = static_cast<KReal>(j);
            const KReal ty = r_a * step_y * index;
            const KReal tx = r_b * step_x * index;
            KMatrix matrix{};
            gRealMathSuite->matrix_set_translate(&matrix, -c.x, -c.y);
            gRealMathSuite->matrix_concat_scale(&matrix, s, s);
            gRealMathSuite->matrix_concat_translate(&matrix, tx, ty);
            gRealMathSuite->matrix_concat_translate(&matrix, c.x, c.y);
            result = transform(copy, type, matrix, &p, swatch_count);
            if (result != kNoErr) return result;
            if (p.basic_pattern == 1) {
                const KShellMirrorOptions mirror = {c.x, c.y, 1, 1};
                result = shell_mirror_images(copy, &mirror);
                if (result != kNoErr) return result;
            }
        }
        s = s * k;
    }
    return kNoErr;
}

// Steps 2 to 5: the chains of every listed object. A non-zero code is an
// error exit (the caller frees the list).
KResult make_chains(void* block) {
    WanderlustParameters& p = *static_cast<WanderlustParameters*>(block);
    int32_t swatch_count = 0;
    gSwatchListSuite->count_swatches(nullptr, &swatch_count);

    KReal step_x = p.jitter_x;
    KReal step_y = p.jitter_y;
    if (p.random_direction == 1) {
        step_x = shell_draw() * step_x;
        step_y = shell_draw() * step_x;  // the vertical step follows the horizontal one
        if (100.0f * shell_draw() > 50.0f) step_x = -step_x;
        if (100.0f * shell_draw() > 50.0f) step_y = -step_y;
    }

    KShellGlobals* g = shell_globals();
    if (g->selection_count == -1 && shell_selection_collect() != kNoErr) return kNoErr;
    for (int32_t i = g->selection_count - 1; i >= 0; --i) {
        KArtHandle source = shell_selection_entry(i);
        if (source == nullptr) continue;
        const KResult result = make_chain(p, source, step_x, step_y, swatch_count);
        if (result != kNoErr) return result;
    }
    return kNoErr;
}

bool suites_present() {
    return gArtSuite != nullptr && gRealMathSuite != nullptr && gPathStyleSuite != nullptr &&
           gTransformArtSuite != nullptr && gSwatchListSuite != nullptr && gRandomSuite != nullptr &&
           gDocumentSuite != nullptr;
}

}  // namespace

KResult wanderlust_generate(void* block) {
    WanderlustParameters& p = *static_cast<WanderlustParameters*>(block);
    // A real run always leaves at least one copy in place of each source;
    // the preview art of fewer copies is not kept.
    if (p.go_flag == 1 && p.copies < 1) {
        p.copies = 1;
        p.preview_flag = 0;
    }
    return shell_replace_selection_run(block, suites_present() ? 1 : 0, make_chains);
}
