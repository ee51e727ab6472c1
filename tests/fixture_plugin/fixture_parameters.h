/* fixture_parameters.h: the parameter block of the TK57_Fixture test
 * plug-in, shared by the plug-in and the tests that read the block the host
 * keeps.
 */
#ifndef KESTREL_FIXTURE_PARAMETERS_H
#define KESTREL_FIXTURE_PARAMETERS_H

#include "kestrel_types.h"

#ifdef __cplusplus
extern "C" {
#endif

typedef struct FixtureParameters {
    KBool preview;              /* the Preview check box; default 1 */
    int32_t preset;             /* last chosen preset; default 0 */
    KReal view_zoom;            /* percent; default 100 */
    int32_t page;               /* dialog page; default 1 */
    int32_t applies;            /* times the apply notifier ran; default 0 */
    KBool go_flag;              /* 1 when the generation runs for "AI Go"; no default */
    KBool preview_flag;         /* 1 when a preview was made and not yet consumed; default 0 */
    int32_t dialog_left;        /* saved dialog bounds, dialog coordinates */
    int32_t dialog_top;
    int32_t dialog_right;
    int32_t dialog_bottom;
    KBool dialog_bounds_saved;  /* 1 once the bounds above are saved; default 0 */
} FixtureParameters;

/* Item ids of the fixture's settings dialog. */
enum { kFixturePreviewItem = 3 };

/* Size the init proc gives the settings dialog. */
enum { kFixtureDialogWidth = 200, kFixtureDialogHeight = 100 };

#ifdef __cplusplus
}
#endif

#endif /* KESTREL_FIXTURE_PARAMETERS_H */
