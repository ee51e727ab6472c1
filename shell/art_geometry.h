/* art_geometry.h: the centre of an object's bounds and the transforms that
 * every generation passes to the host the same way (line scale 1, transform
 * options 15).
 */
#ifndef KESTREL_ART_GEOMETRY_H
#define KESTREL_ART_GEOMETRY_H

#include "shell/kestrel_shell.h"

#ifdef __cplusplus
extern "C" {
#endif

/* The centre of art's bounds, left + width/2 and bottom + height/2; the
 * bounds read's code. */
KSHELL_HIDDEN KResult shell_art_centre(KArtHandle art, KReal* out_x, KReal* out_y);

/* Transform art by matrix, line scale 1, options 15. */
KSHELL_HIDDEN KResult shell_transform_art(KArtHandle art, const KMatrix* matrix);
/* The same; with per_member 1 and a compound path, each member path in
 * child order. */
KSHELL_HIDDEN KResult shell_transform(KArtHandle art, const KMatrix* matrix, KBool per_member);

#ifdef __cplusplus
}
#endif

#endif /* KESTREL_ART_GEOMETRY_H */
