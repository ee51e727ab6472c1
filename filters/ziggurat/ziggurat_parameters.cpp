// ziggurat_parameters.cpp: defaults, presets and "Tumble" of the
// TK57_Ziggurat parameter block.
#include "filters/ziggurat/ziggurat_parameters.h"

#include <cmath>
#include <cstring>

#include "shell/kestrel_shell.h"

static_assert(sizeof(ZigguratParameters) == 32 * 4, "the block is 32 fields of 32 bits");

const char* const kZigguratPresetNames[kZigguratPresetCount] = {" Reset", " Crunched tower"};

const char* const kZigguratBlockMethodNames[kZigguratMethodCount] = {
    " Gap between blocks", " Accumulate", " Start+1", " Alternate half gap", " Decreasing",
    " Decreasing alternate gap", " Random<current", " Width+gap", " Width+random<current",
    " Width+alternate half gap", " Slowdown", " Pulsed accumulate", " Three's company", " Quartet", " Threes",
};

const char* const kZigguratFloorMethodNames[kZigguratMethodCount] = {
    " Gap between floors", " Accumulate", " Spacing + 1", " Alternate halved spacing", " Decreasing",
    " Decreasing alternative spacing", " Random<current", " Height+spacing", " Height+random<current",
    " Height+alternate halved spacing", " Slowdown", " Pulsed accumulate", " Three's company", " Quartet",
    " Threes",
};

namespace {

ZigguratParameters* parameters(void* block) { return static_cast<ZigguratParameters*>(block); }

KReal draw() { return shell_draw(); }

// The spacing settings every preset and Tumble start from.
void reset_spacing(ZigguratParameters* p) {
    p->blocks = 7;
    p->block_gap = 40.0f;
    p->block_gap_method = 0;
    p->reduce = 1;
    p->floor_gap = 40.0f;
    p->floor_gap_method = 0;
    p->alternate = 0;
    p->preview_flag = 0;
}

// A method code from a draw: 0 to 14.
int32_t method_from(KReal r) {
    int32_t code = static_cast<int32_t>(std::trunc(r * 15.0f));
    return code > 14 ? 14 : code;
}

}  // namespace

void ziggurat_set_defaults(void* block) {
    ZigguratParameters* p = parameters(block);
    std::memset(p, 0, sizeof *p);
    reset_spacing(p);
    p->preview = 1;
    p->view_zoom = 100.0f;
    p->page = 1;
}

void ziggurat_apply_preset(void* block, int32_t preset_id) {
    ZigguratParameters* p = parameters(block);
    // Every setting but view zoom, page, the bounds and the Go flag is reset.
    p->preset = preset_id;
    reset_spacing(p);
    p->preview = 1;
    p->fill = 0;
    p->stroke = 0;
    p->width = 0;
    p->opacity = 0;
    p->blend = 0;
    p->warp = 0;
    p->link_gap = 0;
    p->fill_swatches = 0;
    p->stroke_swatches = 0;
    p->drop_shadow = 0;
    p->shadow_direction = 0;
    p->shadow_scaling = 0;
    p->half_fill_shadow = 0;
    p->shadow_opacity = 0;
    if (preset_id == 1) {  // " Crunched tower"
        p->blocks = 14;
        p->block_gap = 32.0f;
        p->block_gap_method = 4;
        p->floor_gap = 68.0f;
    }
}

void ziggurat_tumble(void* block) {
    ZigguratParameters* p = parameters(block);
    reset_spacing(p);
    p->blocks = static_cast<int32_t>(std::trunc(draw() * 20.0f));
    p->block_gap = draw() * 100.0f;
    if (draw() * 100.0f > 70.0f) p->block_gap_method = method_from(draw());
    if (draw() * 100.0f > 60.0f) p->reduce = static_cast<int32_t>(std::trunc(draw() * 6.0f));
    p->floor_gap = draw() * 100.0f;
    if (draw() * 100.0f > 70.0f) p->floor_gap_method = method_from(draw());
    if (draw() * 100.0f > 80.0f) p->alternate = 1;
}
