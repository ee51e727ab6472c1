/* kestrel_types.h: the basic types every suite of the Kestrel host interface uses.
 *
 * Result codes, opaque handles, points, rectangles, matrices, colour and path
 * style records. Plug-ins and the host include this (through the suite headers)
 * and share nothing else. Plain C, usable from C and C++.
 *
 * Call tags used in the suite headers, defined once here:
 *   [ui]      may be called on the host's user-interface thread only (all calls are).
 *   [in-call] valid only between the acquisition of a suite and its release,
 *             that is, inside one PluginMain call.
 *   [dialog]  valid only while the dialog in question is open.
 */
#ifndef KESTREL_TYPES_H
#define KESTREL_TYPES_H

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

/* ---- Result codes --------------------------------------------------------
 * 32-bit signed; 0 is success. Four-character codes pack their first
 * character into the most significant byte: K_FOURCC('!','s','e','l') is
 * 0x2173656C. Small negative numbers are the host's. */
typedef int32_t KResult;

#define K_FOURCC(a, b, c, d) \
    ((KResult)(((uint32_t)(uint8_t)(a) << 24) | ((uint32_t)(uint8_t)(b) << 16) | \
               ((uint32_t)(uint8_t)(c) << 8) | (uint32_t)(uint8_t)(d)))

#define kNoErr             ((KResult)0)
#define kBadSelectionErr   K_FOURCC('!', 's', 'e', 'l') /* selection not valid for the filter */
#define kNoParametersErr   K_FOURCC('!', 'M', 'E', 'M') /* no parameter block could be made */
#define kCanceledErr       K_FOURCC('S', 'T', 'O', 'P') /* the user cancelled; never shown */
#define kSuiteNotFoundErr  K_FOURCC('S', '!', 'F', 'd') /* the host cannot supply that suite */
#define kOutOfMemoryErr    ((KResult)-108)              /* the host ran out of memory */
#define kBadParameterErr   K_FOURCC('P', 'A', 'R', 'M') /* a null, stale or foreign handle, or a bad argument */
#define kNotImplementedErr K_FOURCC('!', 'I', 'M', 'P') /* the host does not offer this operation */
#define kTextOutOfRangeErr K_FOURCC('S', 'K', 'S', 'M') /* a text stream positioned outside its text */
#define kNoSuchSwatchErr   K_FOURCC('S', 'W', 'c', 'h') /* no swatch at that position */

typedef int32_t KBool; /* 0 false, 1 true (32-bit, as the parameter blocks hold them) */
typedef float KReal;   /* the host's reals: 32-bit floats, points or degrees as stated */

/* ---- Opaque handles -------------------------------------------------------
 * Every handle is the host's. The host checks each handle it receives and
 * answers kBadParameterErr for a null, stale or foreign one. */
typedef struct KPluginOpaque *KPluginRef;      /* this plug-in, as the host knows it */
typedef struct KArtOpaque *KArtHandle;         /* one object of the art tree */
typedef struct KLayerOpaque *KLayerHandle;     /* one layer of the document */
typedef struct KFilterOpaque *KFilterHandle;   /* one registered filter */
typedef struct KMenuItemOpaque *KMenuItemHandle; /* one menu item */
typedef struct KDocumentViewOpaque *KDocumentViewHandle; /* one view of the document */
typedef struct KSwatchListOpaque *KSwatchListHandle; /* a swatch list; null means the current document's */
typedef struct KSwatchOpaque *KSwatchHandle;   /* one swatch of a list */
typedef struct KDictionaryOpaque *KDictionaryHandle; /* an attribute dictionary */
typedef struct KDictKeyOpaque *KDictKey;       /* a dictionary key for a name */
typedef struct KTextStreamOpaque *KTextStreamHandle; /* a stream over one text object */
typedef struct KFaceOpaque *KFaceHandle;       /* one font face */

/* A memory handle of "AI MdMemory Suite": the data is reached by one
 * dereference, (*handle) is the block's first byte. */
typedef char **KMemHandle;

/* ---- Geometry ---------------------------------------------------------- */

/* A point in artwork coordinates: points, y grows upward. */
typedef struct KRealPoint {
    KReal h; /* horizontal, points */
    KReal v; /* vertical, points, y up */
} KRealPoint;

/* A point in dialog or view coordinates: integer pixels, y grows downward. */
typedef struct KIntPoint {
    int32_t h; /* horizontal */
    int32_t v; /* vertical */
} KIntPoint;

/* Art bounds: points, y up, so top >= bottom for a non-empty rectangle. */
typedef struct KRealRect {
    KReal left;   /* smallest x */
    KReal top;    /* largest y */
    KReal right;  /* largest x */
    KReal bottom; /* smallest y */
} KRealRect;

/* Dialog rectangles: integers in dialog coordinates, y down. */
typedef struct KIntRect {
    int32_t left;
    int32_t top;
    int32_t right;
    int32_t bottom;
} KIntRect;

/* An affine map: x' = a*x + c*y + tx, y' = b*x + d*y + ty.
 * Concatenations through "AI Real Math Suite" apply after the operations
 * already in the matrix. */
typedef struct KMatrix {
    KReal a, b, c, d; /* linear part */
    KReal tx, ty;     /* translation, points */
} KMatrix;

/* ---- Colour and paint ---------------------------------------------------- */

/* Colour kinds. Components are reals 0..1 at the start of the body. */
enum {
    kGreyColour = 0,    /* body[0]: grey level, 0 black .. 1 white */
    kProcessColour = 1, /* body[0..3]: cyan, magenta, yellow, black */
    kPatternColour = 2, /* body[0]: the host's pattern number (as an integer bit pattern); no components */
    kSpotColour = 3,    /* body[0]: tint; body[1..4]: cyan, magenta, yellow, black of the ink */
    kRGBColour = 5      /* body[0..2]: red, green, blue */
};

/* The host's colour record: a kind and a body of sixteen 32-bit words. */
typedef struct KColour {
    int32_t kind;    /* one of the kinds above */
    KReal body[16];  /* components first; the rest is the host's */
} KColour;

/* Document colour model codes. */
enum { kGreyModel = 0, kRGBModel = 1, kCMYKModel = 2 };

/* The paint of a path or a character, read and written whole. */
typedef struct KPathStyle {
    KBool fill_paint;     /* 1: the fill is painted */
    KBool stroke_paint;   /* 1: the stroke is painted */
    KColour fill;         /* fill colour */
    KColour stroke;       /* stroke colour */
    KReal stroke_width;   /* points */
    KBool even_odd;       /* fill rule: 1 even-odd, 0 non-zero */
    int32_t line_cap;     /* 0 butt, 1 round, 2 square */
    int32_t line_join;    /* 0 miter, 1 round, 2 bevel */
    KReal miter_limit;    /* ratio */
    int32_t reserved[4];  /* the host's; passed back unchanged */
} KPathStyle;

/* Paint-order codes for duplicating art and inserting layers. */
enum {
    kPlaceAbove = 1,      /* directly above (in front of) the reference */
    kPlaceBelow = 2,      /* directly behind the reference */
    kPlaceInsideOnTop = 3,    /* as the frontmost child of the reference (a container) */
    kPlaceInsideOnBottom = 4, /* as the backmost child of the reference */
    kPlaceAboveAll = 5    /* in front of all art of the current layer (layers: in front of all layers) */
};

/* Art-type codes of the art tree. */
enum {
    kUnknownArt = 0,
    kGroupArt = 1,
    kPathArt = 2,
    kCompoundPathArt = 3, /* its children are paths */
    kTextArt = 4,         /* point text */
    kTextPathArt = 5,     /* text on a path */
    kTextRunArt = 6,      /* area text */
    kPlacedArt = 7,
    kMysteryPathArt = 8,
    kRasterArt = 9,
    kPluginArt = 10,
    kMeshArt = 11,
    kSymbolArt = 13,
    kEnvelopeArt = 14     /* envelope: the wrapped art as its child */
};

#ifdef __cplusplus
}
#endif

#endif /* KESTREL_TYPES_H */
