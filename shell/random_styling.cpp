// random_styling.cpp: the random draw, the swatch pick and the restyling of
// copies that the generations share.
#include <cmath>

#include "shell/kestrel_shell.h"

#include "shell/art_geometry.h"

KReal shell_draw(void) {
    KReal r = 0;
    if (gRandomSuite != nullptr) gRandomSuite->float_rnd(&r);
    return r;
}

void shell_pick_swatch(int32_t swatch_count, KColour* colour, KBool* paint) {
    const KReal r = shell_draw();
    int32_t n = static_cast<int32_t>(std::trunc(r * static_cast<KReal>(swatch_count))) + 1;
    if (n > swatch_count) n = swatch_count;
    if (n < 0) n = 0;
    if (n == 1 || n == 0) n = 2;
    if (gSwatchListSuite == nullptr) return;
    KSwatchHandle swatch = nullptr;
    if (gSwatchListSuite->get_nth_swatch(nullptr, n, &swatch) != kNoErr || swatch == nullptr) return;
    KColour picked{};
    if (gSwatchListSuite->get_swatch_colour(swatch, &picked) != kNoErr) return;
    *colour = picked;
    *paint = 1;
}

void shell_draw_components(KColour* colour) {
    if (colour->kind == kProcessColour || colour->kind == kRGBColour) {
        colour->body[0] = shell_draw();
        colour->body[1] = shell_draw();
        colour->body[2] = shell_draw();
    } else if (colour->kind == kGreyColour) {
        colour->body[0] = shell_draw();
    }
}

namespace {

void restyle(KArtHandle art, const KShellRestyle& r) {
    KPathStyle style{};
    gPathStyleSuite->get_path_style(art, &style);
    if (r.fill == 1) shell_draw_components(&style.fill);
    if (r.stroke == 1) shell_draw_components(&style.stroke);
    if (r.width == 1) style.stroke_width = style.stroke_width * shell_draw();
    if (r.fill_swatches == 1) shell_pick_swatch(r.swatch_count, &style.fill, &style.fill_paint);
    if (r.stroke_swatches == 1) shell_pick_swatch(r.swatch_count, &style.stroke, &style.stroke_paint);
    gPathStyleSuite->set_path_style(art, &style);
}

}  // namespace

KResult shell_restyle_and_transform(KArtHandle art, int16_t type, const KShellRestyle* r, const KMatrix* matrix) {
    if (type != kCompoundPathArt) {
        restyle(art, *r);
        return shell_transform_art(art, matrix);
    }
    KArtHandle child = nullptr;
    KResult result = gArtSuite->get_first_child(art, &child);
    while (result == kNoErr && child != nullptr) {
        restyle(child, *r);
        result = shell_transform_art(child, matrix);
        if (result == kNoErr) result = gArtSuite->get_next_sibling(child, &child);
    }
    return result;
}
