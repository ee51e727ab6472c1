/* wanderlust_parameters.h: the parameter block of TK57_Wanderlust, its
 * defaults, its seven presets and the "Tumble" draws. The plug-in's dialog
 * and generation share it, and tests read the block the host keeps through it.
 */
#ifndef KESTREL_WANDERLUST_PARAMETERS_H
#define KESTREL_WANDERLUST_PARAMETERS_H

#include <stdint.h>

#include "kestrel_types.h"

#ifdef __cplusplus
extern "C" {
#endif

/* The block: 22 fields of 32 bits, in this order. */
typedef struct WanderlustParameters {
    KBool basic_pattern;        /* 1: every copy gets three mirror images */
    KBool random_direction;     /* 1: jitter direction and size drawn once per run */
    KBool random_fill_colour;   /* 1: each copy's fill components drawn anew */
    KBool random_stroke_colour; /* 1: each copy's stroke components drawn anew */
    KBool random_width;         /* 1: each copy's stroke width multiplied by a draw */
    KBool random_fill_swatch;   /* 1: each copy's fill from a random document swatch */
    KBool random_stroke_swatch; /* 1: each copy's stroke from a random document swatch */
    KBool preview;              /* the Preview check box */
    int32_t preset;             /* last chosen presets entry, 0 to 6 */
    int32_t copies;             /* copies made of each selected object */
    int32_t page;               /* dialog page shown; always 1 */
    KReal scale_step;           /* percent: copy j scaled by (scale_step / 100) to the power j */
    KReal view_zoom;            /* percent: zoom of the first document view */
    KReal jitter_x;             /* points: horizontal push bound per copy index */
    KReal jitter_y;             /* points: vertical push bound per copy index */
    KBool go_flag;              /* 1 while the generation runs for "AI Go"; no default */
    KBool preview_flag;         /* 1 when a preview was made and not yet consumed */
    int32_t dialog_left;        /* saved dialog bounds, dialog coordinates; no default */
    int32_t dialog_top;
    int32_t dialog_right;
    int32_t dialog_bottom;
    KBool dialog_bounds_saved;  /* 1 once the bounds above are saved */
} WanderlustParameters;

/* Field indexes the dialog table uses (32-bit fields counted from 0). */
enum {
    kWanderlustFieldBasicPattern = 0,
    kWanderlustFieldRandomDirection = 1,
    kWanderlustFieldRandomFillColour = 2,
    kWanderlustFieldRandomStrokeColour = 3,
    kWanderlustFieldRandomWidth = 4,
    kWanderlustFieldRandomFillSwatch = 5,
    kWanderlustFieldRandomStrokeSwatch = 6,
    kWanderlustFieldPreview = 7,
    kWanderlustFieldPreset = 8,
    kWanderlustFieldCopies = 9,
    kWanderlustFieldPage = 10,
    kWanderlustFieldScaleStep = 11,
    kWanderlustFieldViewZoom = 12,
    kWanderlustFieldJitterX = 13,
    kWanderlustFieldJitterY = 14,
    kWanderlustFieldGoFlag = 15,
    kWanderlustFieldDialogLeft = 17
};

/* Number of presets-popup entries (ids 0 to 6). */
enum { kWanderlustPresetCount = 7 };

/* The presets-popup entry texts, by id. */
extern const char* const kWanderlustPresetNames[kWanderlustPresetCount];

/* Fill a new block with the defaults (the Go flag and the bounds are left). */
void wanderlust_set_defaults(void* block);
/* Apply preset id to the block; an id outside 0 to 6 only resets. */
void wanderlust_apply_preset(void* block, int32_t preset_id);
/* The "Tumble" draws: copies, jitter and, sometimes, the scale step. */
void wanderlust_tumble(void* block);

#ifdef __cplusplus
}
#endif

#endif /* KESTREL_WANDERLUST_PARAMETERS_H */
