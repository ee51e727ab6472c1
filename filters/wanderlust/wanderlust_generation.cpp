// wanderlust_generation.cpp: the copy chains of TK57_Wanderlust. For every
// selected object, from the last list entry to the first, copy j is
// duplicated directly above its source, scaled by the scale step to the power
// j about its own centre, pushed by a random fraction of j times the step,
// optionally restyled, and optionally given three mirror images. A preview
// leaves the sources alone; the run for "AI Go" disposes of them at the end.
#include <cmath>

#include "filters/wanderlust/wanderlust_dialog.h"
#include "filters/wanderlust/wanderlust_parameters.h"
#include "shell/art_geometry.h"
#include "shell/mirror_pattern.h"

namespace {

struct Centre {
    KReal x;
    KReal y;
};

// The chain of one source object.
KResult make_chain(const WanderlustParameters& p, const KShellRestyle& restyle, KArtHandle source, KReal step_x,
                   KReal step_y) {
    KReal s = 1.0f;
    const KReal k = p.scale_step * 0.01f;
    int16_t type = kUnknownArt;
    gArtSuite->get_art_type(source, &type);
    for (int32_t j = 0; j < p.copies; ++j) {
        KArtHandle copy = nullptr;
        // A failed duplication skips this copy; the scale still advances.
        if (gArtSuite->duplicate_art(source, kPlaceAbove, source, &copy) == kNoErr && copy != nullptr) {
            Centre c{};
            KResult result = shell_art_centre(copy, &c.x, &c.y);
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
            result = shell_restyle_and_transform(copy, type, &restyle, &matrix);
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

// A fresh run: the chains of every listed object. A non-zero code is an
// error exit (the caller frees the list).
KResult make_chains(void* block) {
    const WanderlustParameters& p = *static_cast<const WanderlustParameters*>(block);
    KShellRestyle restyle = {p.random_fill_colour, p.random_stroke_colour, p.random_width, p.random_fill_swatch,
                             p.random_stroke_swatch, 0};
    gSwatchListSuite->count_swatches(nullptr, &restyle.swatch_count);

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
        const KResult result = make_chain(p, restyle, source, step_x, step_y);
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
    return shell_generation_run(block, suites_present() ? 1 : 0, make_chains);
}
