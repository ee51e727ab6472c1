/* scatterbox_shapes.h: what one attempt of the scatter run decides about its
 * shape: the eleven shape values drawn at its start, the kind among the
 * enabled ones, and the host call that builds that kind at a centre.
 *
 *   ScatterboxShapeValues v;  scatterbox_draw_shape_values(p, rad_min, rad_max, &v);
 *   int32_t kind = scatterbox_choose_kind(p, &previous);   // kScatterboxNoShape: the attempt is lost
 *   scatterbox_build_shape(p, kind, x, y, &v, &art);
 */
#ifndef KESTREL_SCATTERBOX_SHAPES_H
#define KESTREL_SCATTERBOX_SHAPES_H

#include "filters/scatterbox/scatterbox_parameters.h"
#include "shell/kestrel_shell.h"

#ifdef __cplusplus
extern "C" {
#endif

/* Construction kinds, in the order the choice passes over disabled kinds.
 * These codes belong to the run; the dialog numbers kinds differently. */
enum {
    kScatterboxNoKindYet = 0, /* the previous kind before a run's first attempt */
    kScatterboxSpiral = 1,
    kScatterboxEllipse = 2,
    kScatterboxRectangle = 3,
    kScatterboxStar = 4,
    kScatterboxPolygon = 5,
    kScatterboxNoShape = 6    /* every kind from the drawn one on is disabled */
};

/* The values every attempt draws, whatever kind it becomes. */
typedef struct ScatterboxShapeValues {
    int32_t star_points;      /* star tips */
    int32_t polygon_sides;
    int32_t quarter_turns;    /* spiral */
    KReal rounded;            /* rectangle corner radius, points; 0 or less: square corners */
    KReal arc_x;              /* spiral: first arc centre offset from the start, points */
    KReal arc_y;
    KReal decay;              /* spiral, percent */
    KReal star_radius_small;  /* the smaller of the two star radii, points */
    KReal star_radius_large;
    KReal polygon_radius;     /* points */
    KReal angle;              /* rotation, radians */
} ScatterboxShapeValues;

/* r x |max - min| + min. */
KSHELL_HIDDEN KReal scatterbox_real_range(KReal r, KReal min, KReal max);
/* int(r x |max - min| + min): max is never reached when min < max; with min
 * above max the value lies from min to min + (min - max). */
KSHELL_HIDDEN int32_t scatterbox_int_range(KReal r, int32_t min, int32_t max);

/* The eleven draws of an attempt, in order; rad_min and rad_max are the
 * rotation limits in radians. */
KSHELL_HIDDEN void scatterbox_draw_shape_values(const ScatterboxParameters* p, KReal rad_min, KReal rad_max,
                                                ScatterboxShapeValues* out_values);

/* The kind of an attempt (one draw with even mix off, none with it on),
 * passed over the disabled kinds; *previous is the kind of the attempt
 * before and receives this one. */
KSHELL_HIDDEN int32_t scatterbox_choose_kind(const ScatterboxParameters* p, int32_t* previous);

/* Build a shape of kind centred at (x, y) through "AI Shape Construction
 * Suite" (ellipses and rectangles draw their two sizes first). *out_art is
 * null unless the host made the shape; the host's code is returned. */
KSHELL_HIDDEN KResult scatterbox_build_shape(const ScatterboxParameters* p, int32_t kind, KReal x, KReal y,
                                             const ScatterboxShapeValues* values, KArtHandle* out_art);

#ifdef __cplusplus
}
#endif

#endif /* KESTREL_SCATTERBOX_SHAPES_H */
