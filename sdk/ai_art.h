/* ai_art.h: the art tree: "AI Art Suite" 9, "AI Path Suite" 4,
 * "AI Path Style Suite" 5, "AI Blend Style Suite" 2, "AI Transform Art
 * Suite" 1, "AI Matching Art Suite" 4 and "AI Tag Suite" 2.
 *
 * Art handles stay valid while the art is in the document. A disposed
 * object's handle is stale: the host answers kBadParameterErr for it.
 */
#ifndef KESTREL_AI_ART_H
#define KESTREL_AI_ART_H

#include "kestrel_types.h"

#ifdef __cplusplus
extern "C" {
#endif

/* Art attribute bits (which-attributes and attributes words). */
enum {
    kArtSelected = 0x1, /* the object is selected */
    kArtLocked = 0x2,
    kArtHidden = 0x4
};

#define kAIArtSuite "AI Art Suite"
#define kAIArtSuiteVersion 9

typedef struct KArtSuite {
    /* The art-type code of the object (kPathArt, kCompoundPathArt, ...). */
    KResult (*get_art_type)(KArtHandle art, int16_t *out_type);
    /* The first child of a container, or null when it has none. */
    KResult (*get_first_child)(KArtHandle art, KArtHandle *out_child);
    /* The next sibling in front of art, or null for the frontmost. */
    KResult (*get_next_sibling)(KArtHandle art, KArtHandle *out_sibling);
    /* The container the object is in; null for a layer's top-level art. */
    KResult (*get_parent)(KArtHandle art, KArtHandle *out_parent);
    /* Exact geometric bounds of the path geometry (points, y up). An object
     * without geometry gives an empty rectangle of zeros. */
    KResult (*get_bounds)(KArtHandle art, KRealRect *out_bounds);
    /* Copy art with all its children, placed by a paint-order code relative
     * to the reference (kPlaceAbove, kPlaceBelow, kPlaceAboveAll). The copy
     * is not selected. The document owns the new art. */
    KResult (*duplicate_art)(KArtHandle art, int16_t paint_order, KArtHandle reference, KArtHandle *out_new);
    /* Remove art and its children from the document; its handle goes stale. */
    KResult (*dispose_art)(KArtHandle art);
    /* Read the attribute bits selected by which_attr into out_attr. */
    KResult (*get_art_user_attr)(KArtHandle art, int32_t which_attr, int32_t *out_attr);
    /* Set the attribute bits selected by which_attr to those of attr. */
    KResult (*set_art_user_attr)(KArtHandle art, int32_t which_attr, int32_t attr);
    /* A new empty object of a type (path, compound, group) placed by a paint-order code. */
    KResult (*new_art)(int16_t type, int16_t paint_order, KArtHandle reference, KArtHandle *out_new);
    /* The layer the object is on. */
    KResult (*get_layer_of_art)(KArtHandle art, KLayerHandle *out_layer);
} KArtSuite;

#define kAIPathSuite "AI Path Suite"
#define kAIPathSuiteVersion 4

/* One anchor of a path: the anchor point and its two control points. */
typedef struct KPathSegment {
    KRealPoint p;     /* anchor */
    KRealPoint in;    /* control point before the anchor */
    KRealPoint out;   /* control point after the anchor */
    KBool corner;     /* 1 when the anchor is a corner */
} KPathSegment;

/* Acquired by every deliverable, called by none. */
typedef struct KPathSuite {
    KResult (*get_path_segment_count)(KArtHandle path, int16_t *out_count);
    /* Copy count segments from index first into out_segments. */
    KResult (*get_path_segments)(KArtHandle path, int16_t first, int16_t count, KPathSegment *out_segments);
    KResult (*set_path_segments)(KArtHandle path, int16_t first, int16_t count, const KPathSegment *segments);
    KResult (*get_path_closed)(KArtHandle path, KBool *out_closed);
    KResult (*set_path_closed)(KArtHandle path, KBool closed);
} KPathSuite;

#define kAIPathStyleSuite "AI Path Style Suite"
#define kAIPathStyleSuiteVersion 5

typedef struct KPathStyleSuite {
    /* The paint of a path (of a compound path or group: of its first path). */
    KResult (*get_path_style)(KArtHandle art, KPathStyle *out_style);
    /* Paint a path (a compound path or group: every path in it). */
    KResult (*set_path_style)(KArtHandle art, const KPathStyle *style);
} KPathStyleSuite;

#define kAIBlendStyleSuite "AI Blend Style Suite"
#define kAIBlendStyleSuiteVersion 2

/* Blending modes 0 normal .. 15 luminosity. */
enum {
    kNormalBlend = 0, kMultiplyBlend, kScreenBlend, kOverlayBlend, kSoftLightBlend,
    kHardLightBlend, kColourDodgeBlend, kColourBurnBlend, kDarkenBlend, kLightenBlend,
    kDifferenceBlend, kExclusionBlend, kHueBlend, kSaturationBlend, kColourBlend,
    kLuminosityBlend
};

typedef struct KBlendStyleSuite {
    /* Opacity 0..1 of the object as a whole. */
    KResult (*get_opacity)(KArtHandle art, KReal *out_opacity);
    /* Set opacity, clamped to 0..1. */
    KResult (*set_opacity)(KArtHandle art, KReal opacity);
    KResult (*get_blending_mode)(KArtHandle art, int32_t *out_mode);
    /* Set a blending mode 0..15; kBadParameterErr for another code. */
    KResult (*set_blending_mode)(KArtHandle art, int32_t mode);
} KBlendStyleSuite;

#define kAITransformArtSuite "AI Transform Art Suite"
#define kAITransformArtSuiteVersion 1

/* Option bits of transform_art. */
enum {
    kTransformObjects = 0x1,
    kTransformFillGradients = 0x2,
    kTransformFillPatterns = 0x4,
    kTransformStrokePatterns = 0x8,
    kScaleLines = 0x10
};

typedef struct KTransformArtSuite {
    /* Apply matrix to the object's geometry (children included). The stroke
     * width is multiplied by line_scale when options has kScaleLines. */
    KResult (*transform_art)(KArtHandle art, const KMatrix *matrix, KReal line_scale, int32_t options);
} KTransformArtSuite;

#define kAIMatchingArtSuite "AI Matching Art Suite"
#define kAIMatchingArtSuiteVersion 4

/* One requested kind of art: its type, and the attribute bits that must
 * match (which_attr selects the bits, attr gives their values). */
typedef struct KArtSpec {
    int16_t type;
    int32_t which_attr;
    int32_t attr;
} KArtSpec;

typedef struct KMatchingArtSuite {
    /* All art of the current document that matches any spec, in paint order
     * (back to front, depth first). out_matches receives a new memory handle
     * ("AI MdMemory Suite") of out_count KArtHandle entries, owned by the
     * caller, or null with a count of 0 when nothing matches. */
    KResult (*get_matching_art)(const KArtSpec *specs, int16_t spec_count, KMemHandle *out_matches, int32_t *out_count);
} KMatchingArtSuite;

#define kAITagSuite "AI Tag Suite"
#define kAITagSuiteVersion 2

/* Named text tags on art. Acquired by TK57_Scatterbox, called by none. */
typedef struct KTagSuite {
    KResult (*set_tag)(KArtHandle art, const char *name, const char *value);
    /* Copy the tag's value (at most max_len bytes with the zero); "" when absent. */
    KResult (*get_tag)(KArtHandle art, const char *name, char *out_value, int32_t max_len);
} KTagSuite;

#ifdef __cplusplus
}
#endif

#endif /* KESTREL_AI_ART_H */
