/* mirror_pattern.h: the four-fold mirrored pattern that the copy and shape
 * filters add to an object with "Basic pattern": three duplicates in front of
 * all art, placed where the object would be if mirrored across a vertical
 * line, through a point and across a horizontal line, each flipped about its
 * own centre.
 */
#ifndef KESTREL_MIRROR_PATTERN_H
#define KESTREL_MIRROR_PATTERN_H

#include "shell/art_geometry.h"

#ifdef __cplusplus
extern "C" {
#endif

/* How the pattern of one filter is made. */
typedef struct KShellMirrorOptions {
    KReal centre_x;    /* the point the pattern is symmetric about */
    KReal centre_y;
    KBool bounds_each; /* 1: each duplicate's own bounds give its offset; 0: the first duplicate's give all three */
    KBool per_member;  /* 1: a compound path (type 3) is transformed member by member */
} KShellMirrorOptions;

/* The three mirror images of art. A failed duplicate, bounds read, child
 * query or transform ends it with that code; images made stay. */
KSHELL_HIDDEN KResult shell_mirror_images(KArtHandle art, const KShellMirrorOptions* options);

#ifdef __cplusplus
}
#endif

#endif /* KESTREL_MIRROR_PATTERN_H */
