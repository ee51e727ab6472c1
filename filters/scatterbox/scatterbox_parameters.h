/* scatterbox_parameters.h: the parameter block of TK57_Scatterbox, its
 * defaults, its fourteen presets and the "Tumble" draws, with the entry texts
 * of the shapes and regions popups. The plug-in's dialog and generation share
 * it, and tests read the block the host keeps through it.
 */
#ifndef KESTREL_SCATTERBOX_PARAMETERS_H
#define KESTREL_SCATTERBOX_PARAMETERS_H

#include <stdint.h>

#include "kestrel_types.h"

#ifdef __cplusplus
extern "C" {
#endif

/* The block: 71 fields of 32 bits, in this order. Sizes, radii and arcs are
 * points, angles degrees, decay percent; each shape setting is a min and max
 * pair (the left and right spin edits of a dialog row). */
typedef struct ScatterboxParameters {
    KBool preview;                  /* the Preview check box */
    int32_t number_of_shapes;       /* shapes a run makes */
    int32_t region;                 /* page region, 0 to 9 (kScatterboxRegionNames) */
    int32_t shape_page;             /* shape kind the dialog shows, 0 to 4 (kScatterboxShapeNames) */
    KBool rectangles;               /* 1: rectangles take part */
    KBool polygons;                 /* 1: polygons take part */
    KBool stars;                    /* 1: stars take part */
    KBool spirals;                  /* 1: spirals take part */
    KBool circles;                  /* 1: ellipses take part */
    KReal rectangle_vertical_min;   /* rectangle height range */
    KReal rectangle_vertical_max;
    KReal rectangle_horizontal_min; /* rectangle width range */
    KReal rectangle_horizontal_max;
    KReal rounded_min;              /* rectangle corner radius range; 0 or less: square corners */
    KReal rounded_max;
    int32_t polygon_points_min;     /* polygon sides range (max exclusive) */
    int32_t polygon_points_max;
    KReal polygon_radius_min;       /* polygon radius range */
    KReal polygon_radius_max;
    int32_t star_points_min;        /* star points range (max exclusive) */
    int32_t star_points_max;
    KReal star_inner_radius_min;    /* star first radius range */
    KReal star_inner_radius_max;
    KReal star_outer_radius_min;    /* star second radius range */
    KReal star_outer_radius_max;
    int32_t spiral_turns_min;       /* spiral quarter turns range (max exclusive) */
    int32_t spiral_turns_max;
    KReal arc_x_min;                /* spiral: first arc centre right of the start */
    KReal arc_x_max;
    KReal arc_y_min;                /* spiral: first arc centre above the start */
    KReal arc_y_max;
    KReal decay_min;                /* spiral: each quarter turn's radius, percent of the one before */
    KReal decay_max;
    KBool clockwise;                /* 1: spirals turn clockwise */
    KBool inscribed;                /* 1: ellipses fit inside their size box; 0: through its corners */
    KReal circle_vertical_min;      /* ellipse height range */
    KReal circle_vertical_max;
    KReal circle_horizontal_min;    /* ellipse width range */
    KReal circle_horizontal_max;
    KReal centre_x;                 /* user defined rotation centre, artwork coordinates */
    KReal centre_y;
    KReal rotation_max;             /* degrees */
    KReal view_zoom;                /* percent: zoom of the first document view */
    KReal rotation_min;             /* degrees */
    KBool rotate_about_path_centre; /* 1: each shape turns about its own centre */
    KBool rotate_about_defined_centre; /* 1: each shape turns about (centre_x, centre_y) */
    KBool even_mix;                 /* 1: the kinds take turns; 0: a draw picks the kind */
    KBool reverse_path;             /* passed to the host with every shape but spirals */
    KBool create_new_layer;         /* 1: a new layer in front of all layers receives the shapes */
    KBool opacity;                  /* 1: random opacity per shape */
    KBool fill;                     /* 1: random fill components */
    KBool fill_swatches;            /* 1: fill from a random document swatch */
    KBool stroke;                   /* 1: random stroke components */
    KBool width;                    /* 1: stroke width times a draw */
    KBool drop_shadow;              /* 1: every shape gets a shadow */
    KBool half_fill_shadow;         /* 1: shadow in the fill at half strength; 0: black */
    KBool shadow_direction;         /* 1: random shadow offset */
    KBool shadow_opacity;           /* 1: random shadow opacity */
    KBool shadow_scaling;           /* 1: shadow squashed by a draw */
    KBool link_size;                /* 1: rectangles and ellipses take their width as height */
    KBool basic_pattern;            /* 1: three mirror images of every shape and shadow */
    KBool stroke_swatches;          /* 1: stroke from a random document swatch */
    int32_t preset;                 /* last chosen presets entry, 0 to 13 */
    int32_t page;                   /* dialog page shown: 1 shapes, 2 rotate, 3 settings */
    KBool go_flag;                  /* 1 while the generation runs for "AI Go"; no default */
    KBool preview_flag;             /* 1 when a preview was made and not yet consumed */
    int32_t dialog_left;            /* saved dialog bounds, dialog coordinates; no default */
    int32_t dialog_top;
    int32_t dialog_right;
    int32_t dialog_bottom;
    KBool dialog_bounds_saved;      /* 1 once the bounds above are saved */
} ScatterboxParameters;

/* Field indexes the dialog table uses (32-bit fields counted from 0). */
enum {
    kScatterboxFieldPreview = 0,
    kScatterboxFieldNumberOfShapes = 1,
    kScatterboxFieldRegion = 2,
    kScatterboxFieldShapePage = 3,
    kScatterboxFieldRectangles = 4,
    kScatterboxFieldPolygons = 5,
    kScatterboxFieldStars = 6,
    kScatterboxFieldSpirals = 7,
    kScatterboxFieldCircles = 8,
    kScatterboxFieldRectangleVerticalMin = 9,
    kScatterboxFieldRectangleHorizontalMin = 11,
    kScatterboxFieldRoundedMin = 13,
    kScatterboxFieldPolygonPointsMin = 15,
    kScatterboxFieldPolygonRadiusMin = 17,
    kScatterboxFieldStarPointsMin = 19,
    kScatterboxFieldStarInnerRadiusMin = 21,
    kScatterboxFieldStarOuterRadiusMin = 23,
    kScatterboxFieldSpiralTurnsMin = 25,
    kScatterboxFieldArcXMin = 27,
    kScatterboxFieldArcYMin = 29,
    kScatterboxFieldDecayMin = 31,
    kScatterboxFieldClockwise = 33,
    kScatterboxFieldInscribed = 34,
    kScatterboxFieldCircleVerticalMin = 35,
    kScatterboxFieldCircleHorizontalMin = 37,
    kScatterboxFieldCentreX = 39,
    kScatterboxFieldCentreY = 40,
    kScatterboxFieldRotationMax = 41,
    kScatterboxFieldViewZoom = 42,
    kScatterboxFieldRotationMin = 43,
    kScatterboxFieldRotateAboutPathCentre = 44,
    kScatterboxFieldRotateAboutDefinedCentre = 45,
    kScatterboxFieldEvenMix = 46,
    kScatterboxFieldReversePath = 47,
    kScatterboxFieldCreateNewLayer = 48,
    kScatterboxFieldOpacity = 49,
    kScatterboxFieldFill = 50,
    kScatterboxFieldFillSwatches = 51,
    kScatterboxFieldStroke = 52,
    kScatterboxFieldWidth = 53,
    kScatterboxFieldDropShadow = 54,
    kScatterboxFieldHalfFillShadow = 55,
    kScatterboxFieldShadowDirection = 56,
    kScatterboxFieldShadowOpacity = 57,
    kScatterboxFieldShadowScaling = 58,
    kScatterboxFieldLinkSize = 59,
    kScatterboxFieldBasicPattern = 60,
    kScatterboxFieldStrokeSwatches = 61,
    kScatterboxFieldPreset = 62,
    kScatterboxFieldPage = 63,
    kScatterboxFieldGoFlag = 64,
    kScatterboxFieldDialogLeft = 66
};

/* Entries of the three popups. */
enum { kScatterboxPresetCount = 14, kScatterboxShapeCount = 5, kScatterboxRegionCount = 10 };

/* Shape kinds as the dialog's shapes popup numbers them (shape_page). */
enum {
    kScatterboxRectangles = 0,
    kScatterboxPolygons = 1,
    kScatterboxStars = 2,
    kScatterboxSpirals = 3,
    kScatterboxCircles = 4
};

/* The entry texts, by id. */
extern const char* const kScatterboxPresetNames[kScatterboxPresetCount];
extern const char* const kScatterboxShapeNames[kScatterboxShapeCount];
extern const char* const kScatterboxRegionNames[kScatterboxRegionCount];

/* Fill a new (zero-filled) block with the defaults; the rotation centre is
 * the centre of the first document view. */
void scatterbox_set_defaults(void* block);
/* Apply preset id to the block; an id outside 0 to 13 only resets. */
void scatterbox_apply_preset(void* block, int32_t preset_id);
/* The "Tumble" draws: count, region, kinds, every range, rotation and centre. */
void scatterbox_tumble(void* block);

#ifdef __cplusplus
}
#endif

#endif /* KESTREL_SCATTERBOX_PARAMETERS_H */
