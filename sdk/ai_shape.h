/* ai_shape.h: "AI Shape Construction Suite" 4: new paths of simple shapes.
 *
 * Every new shape goes in front of all art of the current layer, painted with
 * the host's current default style. Centres and sizes in points; for the
 * centred shapes the vertical size is the height and the horizontal size the
 * width.
 */
#ifndef KESTREL_AI_SHAPE_H
#define KESTREL_AI_SHAPE_H

#include "kestrel_types.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kAIShapeConstructionSuite "AI Shape Construction Suite"
#define kAIShapeConstructionSuiteVersion 4

typedef struct KShapeConstructionSuite {
    KResult (*new_centred_rect)(KReal x, KReal y, KReal vertical, KReal horizontal, KBool reverse, KArtHandle *out_art);
    KResult (*new_centred_rounded_rect)(KReal x, KReal y, KReal vertical, KReal horizontal, KReal radius_h, KReal radius_v, KBool reverse, KArtHandle *out_art);
    /* An oval inscribed in its size box: four cubic arcs. */
    KResult (*new_centred_oval_inscribed)(KReal x, KReal y, KReal vertical, KReal horizontal, KBool reverse, KArtHandle *out_art);
    /* An oval circumscribing its size box (through its corners). */
    KResult (*new_centred_oval_circumscribed)(KReal x, KReal y, KReal vertical, KReal horizontal, KBool reverse, KArtHandle *out_art);
    /* A star of points points alternating between the radii, one point straight up. */
    KResult (*new_centred_star)(int32_t points, KReal x, KReal y, KReal radius1, KReal radius2, KBool reverse, KArtHandle *out_art);
    /* A regular polygon, one vertex straight up. */
    KResult (*new_centred_polygon)(int32_t sides, KReal x, KReal y, KReal radius, KBool reverse, KArtHandle *out_art);
    /* A spiral of quarter-turn arcs from start, turning about first_centre,
     * each quarter turn decay percent of the one before; clockwise for
     * direction 0. */
    KResult (*new_spiral)(const KRealPoint *first_centre, const KRealPoint *start, KReal decay, int32_t quarter_turns, KBool direction, KArtHandle *out_art);
} KShapeConstructionSuite;

#ifdef __cplusplus
}
#endif

#endif /* KESTREL_AI_SHAPE_H */
