// wanderlust_parameters.cpp: defaults, presets and "Tumble" of the
// TK57_Wanderlust parameter block.
#include "filters/wanderlust/wanderlust_parameters.h"

#include <cmath>

#include "shell/kestrel_shell.h"

static_assert(sizeof(WanderlustParameters) == 22 * 4, "the block is 22 fields of 32 bits");

const char* const kWanderlustPresetNames[kWanderlustPresetCount] = {
    " Reset", " Scaled", " Random direction", " Up", " Down", " Repeat random direction",
    " Repeat random direction random fill",
};

namespace {

WanderlustParameters* parameters(void* block) { return static_cast<WanderlustParameters*>(block); }

}  // namespace

void wanderlust_set_defaults(void* block) {
    WanderlustParameters* p = parameters(block);
    p->basic_pattern = 0;
    p->random_direction = 0;
    p->random_fill_colour = 0;
    p->random_stroke_colour = 0;
    p->random_width = 0;
    p->random_fill_swatch = 0;
    p->random_stroke_swatch = 0;
    p->preview = 1;
    p->preset = 0;
    p->copies = 20;
    p->page = 1;
    p->scale_step = 100.0f;
    p->view_zoom = 100.0f;
    p->jitter_x = 10.0f;
    p->jitter_y = 10.0f;
    p->preview_flag = 0;
    p->dialog_bounds_saved = 0;
}

void wanderlust_apply_preset(void* block, int32_t preset_id) {
    WanderlustParameters* p = parameters(block);
    // Every preset starts from the same base; view zoom, page and bounds stay.
    p->preset = preset_id;
    p->preview_flag = 0;
    p->preview = 1;
    p->copies = 20;
    p->jitter_x = 10.0f;
    p->jitter_y = 10.0f;
    p->scale_step = 100.0f;
    p->basic_pattern = 0;
    p->random_direction = 0;
    p->random_fill_colour = 0;
    p->random_stroke_colour = 0;
    p->random_width = 0;
    p->random_fill_swatch = 0;
    p->random_stroke_swatch = 0;
    switch (preset_id) {
        case 1:  // " Scaled"
            p->scale_step = 97.0f;
            p->copies = 50;
            break;
        case 2:  // " Random direction"
            p->random_direction = 1;
            p->jitter_x = 30.0f;
            p->copies = 50;
            break;
        case 3:  // " Up"
            p->jitter_x = 0.0f;
            p->jitter_y = 30.0f;
            break;
        case 4:  // " Down"
            p->jitter_x = 0.0f;
            p->jitter_y = -30.0f;
            break;
        case 5:  // " Repeat random direction"
            p->basic_pattern = 1;
            p->random_direction = 1;
            p->jitter_x = 30.0f;
            p->copies = 50;
            break;
        case 6:  // " Repeat random direction random fill"
            p->scale_step = 97.0f;
            p->random_fill_colour = 1;
            p->basic_pattern = 1;
            p->random_direction = 1;
            p->jitter_x = 30.0f;
            p->copies = 50;
            break;
        default: break;
    }
}

void wanderlust_tumble(void* block) {
    WanderlustParameters* p = parameters(block);
    p->preview_flag = 0;
    p->copies = 20;
    p->jitter_x = 10.0f;
    p->jitter_y = 10.0f;
    p->scale_step = 100.0f;
    const KReal r1 = shell_draw();
    p->copies = 1 - static_cast<int32_t>(std::trunc(-100.0f * r1));
    const KReal r2 = shell_draw();
    p->jitter_x = 300.0f * r2 - 100.0f;
    const KReal r3 = shell_draw();
    p->jitter_y = 300.0f * r3 - 100.0f;
    const KReal r4 = shell_draw();
    if (100.0f * r4 > 70.0f) {
        const KReal r5 = shell_draw();
        const KReal r6 = shell_draw();
        const KReal base = 100.0f + 20.0f * r5;  // rounded to a 32-bit real before the subtraction
        p->scale_step = base - 20.0f * r6;
    }
}
