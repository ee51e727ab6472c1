/* drop_shadow.h: the drop shadow that the shape filters give an object: a
 * duplicate directly behind it, filled black or with the object's fill at
 * half strength in the document's colour model, moved by a fixed or random
 * offset, with an optional random opacity and vertical squash.
 */
#ifndef KESTREL_DROP_SHADOW_H
#define KESTREL_DROP_SHADOW_H

#include "shell/kestrel_shell.h"

#ifdef __cplusplus
extern "C" {
#endif

/* The four shadow settings of a parameter block. */
typedef struct KShellShadowOptions {
    KBool half_fill;         /* 1: the object's fill at half strength; 0: black */
    KBool random_direction;  /* 1: four draws give a random offset within 20 points each way */
    KBool random_opacity;    /* 1: one draw gives the shadow's opacity */
    KBool random_scaling;    /* 1: one draw squashes the shadow onto its own bottom edge */
} KShellShadowOptions;

/* The shadow colour for a fill in colour model model (0 grey, 1 RGB, 2 CMYK):
 * the fill's components halved, or black, in the model's colour kind. Other
 * models leave the fill as it is. */
KSHELL_HIDDEN void shell_shadow_colour(KColour* fill, int16_t model, KBool half_fill);

/* Give art its shadow. Draws, in this order and each only when its option is
 * 1: direction (4), opacity (1), scaling (1). The duplicate, a bounds read or
 * a transform that fails ends it with that code (a shadow already made stays
 * in the document). out_shadow, when not null, receives the shadow (null
 * when the duplicate failed). */
KSHELL_HIDDEN KResult shell_drop_shadow(KArtHandle art, const KShellShadowOptions* options, KArtHandle* out_shadow);

#ifdef __cplusplus
}
#endif

#endif /* KESTREL_DROP_SHADOW_H */
