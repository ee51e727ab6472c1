/* ziggurat_parameters.h: the parameter block of TK57_Ziggurat, its
 * defaults, its two presets and the "Tumble" draws. The plug-in's dialog and
 * generation share it, and tests read the block the host keeps through it.
 */
#ifndef KESTREL_ZIGGURAT_PARAMETERS_H
#define KESTREL_ZIGGURAT_PARAMETERS_H

#include <stdint.h>

#include "kestrel_types.h"

#ifdef __cplusplus
extern "C" {
#endif

/* The block: 32 fields of 32 bits, in this order. */
typedef struct ZigguratParameters {
    int32_t preset;             /* last chosen presets entry, 0 or 1 */
    int32_t floor_gap_method;   /* floor spacing rule, code 0 to 14 */
    int32_t reduce;             /* blocks each floor has fewer than the one below */
    int32_t page;               /* dialog page shown, 1 to 3 */
    int32_t block_gap_method;   /* block spacing rule, code 0 to 14 */
    int32_t blocks;             /* size of the base floor; it holds blocks + 1 copies */
    KReal view_zoom;            /* percent: zoom of the first document view */
    KReal block_gap;            /* points: gap amount of the block spacing rule */
    KReal floor_gap;            /* points: gap amount of the floor spacing rule */
    KBool fill_swatches;        /* 1: each copy's fill from a random document swatch */
    KBool stroke_swatches;      /* 1: each copy's stroke from a random document swatch */
    KBool link_gap;             /* 1: floors use the block gap and block gap method */
    KBool fill;                 /* 1: each copy's fill components drawn anew */
    KBool stroke;               /* 1: each copy's stroke components drawn anew */
    KBool width;                /* 1: each copy's stroke width multiplied by a draw */
    KBool opacity;              /* 1: each copy's opacity drawn */
    KBool blend;                /* 1: each copy's blending mode drawn */
    KBool alternate;            /* 1: copies with block + floor index odd drawn at double size */
    KBool warp;                 /* 1: each copy wrapped in an envelope with a random warp */
    KBool go_flag;              /* 1 while the generation runs for "AI Go"; no default */
    KBool preview_flag;         /* 1 when the art in the document is a preview of these settings */
    KBool preview;              /* the Preview check box */
    KBool drop_shadow;          /* 1: a shadow copy directly behind each copy */
    KBool half_fill_shadow;     /* 1: shadow fill is the copy's fill at half strength, else black */
    KBool shadow_direction;     /* 1: random shadow offset instead of (20, -20) points */
    KBool shadow_opacity;       /* 1: random shadow opacity */
    KBool shadow_scaling;       /* 1: random vertical squash of the shadow onto its bottom edge */
    int32_t dialog_left;        /* saved dialog bounds, dialog coordinates; no default */
    int32_t dialog_top;
    int32_t dialog_right;
    int32_t dialog_bottom;
    KBool dialog_bounds_saved;  /* 1 once the bounds above are saved */
} ZigguratParameters;

/* Field indexes the dialog table uses (32-bit fields counted from 0). */
enum {
    kZigguratFieldPreset = 0,
    kZigguratFieldPage = 3,
    kZigguratFieldViewZoom = 6,
    kZigguratFieldGoFlag = 19,
    kZigguratFieldPreview = 21,
    kZigguratFieldDialogLeft = 27
};

/* Number of presets-popup entries (ids 0 and 1). */
enum { kZigguratPresetCount = 2 };

/* Number of entries of each spacing-rule popup (codes 0 to 14). */
enum { kZigguratMethodCount = 15 };

/* The presets-popup entry texts, by id. */
extern const char* const kZigguratPresetNames[kZigguratPresetCount];
/* The block and floor spacing-rule entry texts, by code. */
extern const char* const kZigguratBlockMethodNames[kZigguratMethodCount];
extern const char* const kZigguratFloorMethodNames[kZigguratMethodCount];

/* Fill a new block with the defaults (the block is zero-filled first, so the
 * preset, the Go flag and the bounds start at 0). */
void ziggurat_set_defaults(void* block);
/* Apply preset id to the block; an id other than 1 only resets. */
void ziggurat_apply_preset(void* block, int32_t preset_id);
/* The "Tumble" draws: blocks, gaps, and sometimes methods, reduce, alternate. */
void ziggurat_tumble(void* block);

#ifdef __cplusplus
}
#endif

#endif /* KESTREL_ZIGGURAT_PARAMETERS_H */
