// random_styling.cpp: the random draw and the swatch pick that every
// generation uses the same way.
#include <cmath>

#include "shell/kestrel_shell.h"

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
