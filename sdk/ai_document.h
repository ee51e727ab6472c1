/* ai_document.h: the document: "AI Document Suite" 7, "AI Document View
 * Suite" 7, "AI Layer Suite" 9, "AI Undo Suite" 4, "AI Swatch List Suite" 4
 * and "AI Random Suite" 3.
 *
 * Every call works on the host's current document.
 */
#ifndef KESTREL_AI_DOCUMENT_H
#define KESTREL_AI_DOCUMENT_H

#include "kestrel_types.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kAIDocumentSuite "AI Document Suite"
#define kAIDocumentSuiteVersion 7

/* The document setup; its first two reals are the page size. */
typedef struct KDocumentSetup {
    KReal width;        /* page width, points */
    KReal height;       /* page height, points */
    KBool show_placed_images;
    int16_t page_view;
    KReal output_resolution; /* dots per inch */
} KDocumentSetup;

typedef struct KDocumentSuite {
    KResult (*get_document_setup)(KDocumentSetup *out_setup);
    KResult (*set_document_setup)(const KDocumentSetup *setup);
    /* Page width (h) and height (v), points. */
    KResult (*get_document_page_size)(KRealPoint *out_size);
    /* kGreyModel, kRGBModel or kCMYKModel. */
    KResult (*get_document_colour_model)(int16_t *out_model);
    /* Ask the host to show the document as it stands now. */
    KResult (*redraw_document)(void);
} KDocumentSuite;

#define kAIDocumentViewSuite "AI Document View Suite"
#define kAIDocumentViewSuiteVersion 7

typedef struct KDocumentViewSuite {
    /* The view at index (0 is the first). */
    KResult (*get_nth_document_view)(int32_t index, KDocumentViewHandle *out_view);
    KResult (*count_document_views)(int32_t *out_count);
    /* The visible area in artwork coordinates. */
    KResult (*get_document_view_bounds)(KDocumentViewHandle view, KRealRect *out_bounds);
    /* The artwork point at the centre of the view. */
    KResult (*get_document_view_centre)(KDocumentViewHandle view, KRealPoint *out_centre);
    KResult (*set_document_view_centre)(KDocumentViewHandle view, const KRealPoint *centre);
    /* Zoom factor: 1.0 is 100 percent. */
    KResult (*get_document_view_zoom)(KDocumentViewHandle view, KReal *out_zoom);
    /* Set the zoom factor; kBadParameterErr for zero or less. */
    KResult (*set_document_view_zoom)(KDocumentViewHandle view, KReal zoom);
    /* Convert a point of the view (pixels, y down) to artwork coordinates. */
    KResult (*view_point_to_artwork_point)(KDocumentViewHandle view, const KIntPoint *view_point, KRealPoint *out_artwork_point);
    KResult (*artwork_point_to_view_point)(KDocumentViewHandle view, const KRealPoint *artwork_point, KIntPoint *out_view_point);
} KDocumentViewSuite;

#define kAILayerSuite "AI Layer Suite"
#define kAILayerSuiteVersion 9

typedef struct KLayerSuite {
    /* A new layer placed by a paint-order code relative to reference (null:
     * kPlaceAboveAll puts it in front of all layers). It becomes the current
     * layer, which receives new art. */
    KResult (*insert_layer)(KLayerHandle reference, int16_t paint_order, KLayerHandle *out_layer);
    KResult (*count_layers)(int32_t *out_count);
    /* The layer at index, 0 the backmost. */
    KResult (*get_nth_layer)(int32_t index, KLayerHandle *out_layer);
    KResult (*get_current_layer)(KLayerHandle *out_layer);
    KResult (*set_current_layer)(KLayerHandle layer);
    /* Copy the layer's name (at most max_len bytes with the zero). */
    KResult (*get_layer_title)(KLayerHandle layer, char *out_title, int32_t max_len);
    KResult (*set_layer_title)(KLayerHandle layer, const char *title);
} KLayerSuite;

#define kAIUndoSuite "AI Undo Suite"
#define kAIUndoSuiteVersion 4

typedef struct KUndoSuite {
    /* Revert every document change made since the current command began
     * (a filter invocation: "AI Get Parameters" and the "AI Go" after it are
     * one command). Handles of art made since then go stale. */
    KResult (*undo_changes)(void);
} KUndoSuite;

#define kAISwatchListSuite "AI Swatch List Suite"
#define kAISwatchListSuiteVersion 4

typedef struct KSwatchListSuite {
    /* Number of swatches; list null means the current document's list. */
    KResult (*count_swatches)(KSwatchListHandle list, int32_t *out_count);
    /* The swatch at a position counted from 1. A position outside 1..count
     * answers kNoSuchSwatchErr and a null swatch. */
    KResult (*get_nth_swatch)(KSwatchListHandle list, int32_t position, KSwatchHandle *out_swatch);
    /* The swatch's whole colour record. */
    KResult (*get_swatch_colour)(KSwatchHandle swatch, KColour *out_colour);
    /* Copy the swatch's name (at most max_len bytes with the zero). */
    KResult (*get_swatch_name)(KSwatchHandle swatch, char *out_name, int32_t max_len);
} KSwatchListSuite;

#define kAIRandomSuite "AI Random Suite"
#define kAIRandomSuiteVersion 3

typedef struct KRandomSuite {
    /* One draw: a real r with 0 <= r < 1. The order of calls fixes the results. */
    KResult (*float_rnd)(KReal *out_r);
    /* Restart the sequence from a seed. */
    KResult (*set_seed)(int32_t seed);
} KRandomSuite;

#ifdef __cplusplus
}
#endif

#endif /* KESTREL_AI_DOCUMENT_H */
