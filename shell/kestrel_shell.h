/* kestrel_shell.h: the plug-in shell that every Kestrel deliverable carries.
 *
 * The shell owns PluginMain: it routes the host's messages, acquires and
 * releases the deliverable's suite table around every call, registers the
 * filter, runs the parameter block's lifecycle around the settings dialog and
 * the Go run, and reports errors. A deliverable plugs in by defining one
 * record, kShellDeliverable (its names, suite table, block layout and its three
 * plug points: defaults, dialog init proc, generation):
 *
 *   static const KShellSuiteEntry kSuites[] = { KSHELL_SUITES_HEAD, ..., KSHELL_SUITES_TAIL };
 *   const KShellDeliverable kShellDeliverable = { "TK57_Name", kSuites, ... };
 */
#ifndef KESTREL_SHELL_H
#define KESTREL_SHELL_H

#include <stddef.h>
#include <stdint.h>

#include "kestrel_sdk.h"

#ifdef __cplusplus
extern "C" {
#endif

/* Everything the shell declares stays inside the deliverable; PluginMain is
 * the one export. */
#define KSHELL_HIDDEN __attribute__((visibility("hidden")))
#define KSHELL_EXPORT __attribute__((visibility("default")))

/* ---- Resource numbers and fixed texts ------------------------------------ */

enum {
    kShellRegistrationStrings = 16000, /* string list: menu category (1) and title (2) */
    kShellErrorStrings = 16050,        /* string list: the error table, code and message pairs */
    kShellAboutDialog = 16050,         /* dialog: the About box */
    kShellErrorDialog = 16051,         /* dialog: "Plug-in Error" */
    kShellSettingsDialog = 16100       /* dialog: the empty settings dialog */
};

enum {
    kShellRegistrationBufferSize = 65, /* bytes for one registration string, zero included */
    kShellTextBufferSize = 256,        /* bytes for error-table entries, message and code text */
    kShellMaxParameterSize = 1024      /* largest parameter block the shell snapshots, bytes */
};

/* ---- Message records ------------------------------------------------------
 * The host's message starts with a KSPMessageData; "AI Filter" messages
 * continue as a KFilterMessage (sdk/sp_basic.h). */

static inline KSPMessageData* shell_message_data(void* message) { return (KSPMessageData*)message; }
static inline KFilterMessage* shell_filter_message(void* message) { return (KFilterMessage*)message; }

/* The message of the PluginMain call in progress (the innermost one when
 * calls nest); null outside PluginMain. */
KSHELL_HIDDEN KSPMessageData* shell_current_message(void);

/* ---- Globals block --------------------------------------------------------
 * Allocated from "SP Blocks Suite" under the name "globals" at start-up,
 * freed at shut-down, handed to the host across unload and reload. The words
 * that hold handles are pointer-sized on this 64-bit host. A deliverable
 * without a selection list allocates only the fields before selection
 * (KSHELL_GLOBALS_WITHOUT_SELECTION). */
typedef struct KShellGlobals {
    int32_t unused;                   /* word 1: never read or written */
    KFilterHandle filter;             /* word 2: the registered filter */
    int32_t filter_count;             /* word 3: filters registered, 0 or 1 */
    const KSPBasicSuite* basic;       /* word 4: SP Basic of the start-up message */
    KMemHandle selection;             /* word 5: selection list, a handle of KArtHandle entries; null when none */
    int32_t selection_count;          /* word 6: entries in the list; -1 when no list is held */
} KShellGlobals;

#define KSHELL_GLOBALS_WITH_SELECTION ((int32_t)sizeof(KShellGlobals))
#define KSHELL_GLOBALS_WITHOUT_SELECTION ((int32_t)offsetof(KShellGlobals, selection))

/* The globals block; null before start-up and after shut-down. */
KSHELL_HIDDEN KShellGlobals* shell_globals(void);

/* ---- Suite table ----------------------------------------------------------
 * One entry per suite, in acquisition order; slot is the address of one of
 * the typed slots below (null while the suite is not acquired). */
typedef struct KShellSuiteEntry {
    const char* name; /* "AI Art Suite" */
    int32_t version;  /* the suite's version */
    void* slot;       /* address of the suite's slot, such as &gArtSuite */
} KShellSuiteEntry;

#define KSHELL_SUITE(slot, name, version) { name, version, (void*)&(slot) }

/* The entries every deliverable's table starts with. */
#define KSHELL_SUITES_HEAD                                                    \
    KSHELL_SUITE(gBlocksSuite, kSPBlocksSuite, kSPBlocksSuiteVersion),        \
    KSHELL_SUITE(gAccessSuite, kSPAccessSuite, kSPAccessSuiteVersion),        \
    KSHELL_SUITE(gMdMemorySuite, kAIMdMemorySuite, kAIMdMemorySuiteVersion),  \
    KSHELL_SUITE(gRealMathSuite, kAIRealMathSuite, kAIRealMathSuiteVersion),  \
    KSHELL_SUITE(gArtSuite, kAIArtSuite, kAIArtSuiteVersion),                 \
    KSHELL_SUITE(gUserSuite, kAIUserSuite, kAIUserSuiteVersion)

/* The entries every deliverable's table ends with: menu, filter and the
 * eight dialog-manager suites. */
#define KSHELL_SUITES_TAIL                                                        \
    KSHELL_SUITE(gMenuSuite, kAIMenuSuite, kAIMenuSuiteVersion),                  \
    KSHELL_SUITE(gFilterSuite, kAIFilterSuite, kAIFilterSuiteVersion),            \
    KSHELL_SUITE(gADMBasicSuite, kADMBasicSuite, kADMBasicSuiteVersion),          \
    KSHELL_SUITE(gADMDialogSuite, kADMDialogSuite, kADMDialogSuiteVersion),       \
    KSHELL_SUITE(gADMItemSuite, kADMItemSuite, kADMItemSuiteVersion),             \
    KSHELL_SUITE(gADMIconSuite, kADMIconSuite, kADMIconSuiteVersion),             \
    KSHELL_SUITE(gADMNotifierSuite, kADMNotifierSuite, kADMNotifierSuiteVersion), \
    KSHELL_SUITE(gADMListSuite, kADMListSuite, kADMListSuiteVersion),             \
    KSHELL_SUITE(gADMEntrySuite, kADMEntrySuite, kADMEntrySuiteVersion),          \
    KSHELL_SUITE(gADMTrackerSuite, kADMTrackerSuite, kADMTrackerSuiteVersion)

/* Suite slots: one per suite of the host interface; filled between the
 * acquisition at the start of a call and the release at the end of the
 * outermost call, null otherwise. A slot may also be null inside a call when
 * its acquisition failed early; code that needs it checks first. */
KSHELL_HIDDEN extern const KSPBlocksSuite* gBlocksSuite;
KSHELL_HIDDEN extern const KSPAccessSuite* gAccessSuite;
KSHELL_HIDDEN extern const KMdMemorySuite* gMdMemorySuite;
KSHELL_HIDDEN extern const KRealMathSuite* gRealMathSuite;
KSHELL_HIDDEN extern const KArtSuite* gArtSuite;
KSHELL_HIDDEN extern const KUserSuite* gUserSuite;
KSHELL_HIDDEN extern const KPathSuite* gPathSuite;
KSHELL_HIDDEN extern const KPathStyleSuite* gPathStyleSuite;
KSHELL_HIDDEN extern const KBlendStyleSuite* gBlendStyleSuite;
KSHELL_HIDDEN extern const KTransformArtSuite* gTransformArtSuite;
KSHELL_HIDDEN extern const KMatchingArtSuite* gMatchingArtSuite;
KSHELL_HIDDEN extern const KTagSuite* gTagSuite;
KSHELL_HIDDEN extern const KDocumentSuite* gDocumentSuite;
KSHELL_HIDDEN extern const KDocumentViewSuite* gDocumentViewSuite;
KSHELL_HIDDEN extern const KLayerSuite* gLayerSuite;
KSHELL_HIDDEN extern const KUndoSuite* gUndoSuite;
KSHELL_HIDDEN extern const KSwatchListSuite* gSwatchListSuite;
KSHELL_HIDDEN extern const KRandomSuite* gRandomSuite;
KSHELL_HIDDEN extern const KEnvelopeSuite* gEnvelopeSuite;
KSHELL_HIDDEN extern const KShapeConstructionSuite* gShapeConstructionSuite;
KSHELL_HIDDEN extern const KTextStreamSuite* gTextStreamSuite;
KSHELL_HIDDEN extern const KTextSuite* gTextSuite;
KSHELL_HIDDEN extern const KTextFaceStyleSuite* gTextFaceStyleSuite;
KSHELL_HIDDEN extern const KDictionarySuite* gDictionarySuite;
KSHELL_HIDDEN extern const KFilterSuite* gFilterSuite;
KSHELL_HIDDEN extern const KMenuSuite* gMenuSuite;
KSHELL_HIDDEN extern const KADMBasicSuite* gADMBasicSuite;
KSHELL_HIDDEN extern const KADMDialogSuite* gADMDialogSuite;
KSHELL_HIDDEN extern const KADMItemSuite* gADMItemSuite;
KSHELL_HIDDEN extern const KADMIconSuite* gADMIconSuite;
KSHELL_HIDDEN extern const KADMNotifierSuite* gADMNotifierSuite;
KSHELL_HIDDEN extern const KADMListSuite* gADMListSuite;
KSHELL_HIDDEN extern const KADMEntrySuite* gADMEntrySuite;
KSHELL_HIDDEN extern const KADMTrackerSuite* gADMTrackerSuite;

/* ---- The deliverable ------------------------------------------------------
 * Each deliverable defines kShellDeliverable once. The parameter block is a
 * record of 32-bit fields; the Go flag and the preview flag are two adjacent
 * fields, the Go flag first. */
typedef struct KShellDeliverable {
    const char* filter_name;             /* filter and dialog name, "TK57_Wanderlust" */
    const KShellSuiteEntry* suites;      /* the suite table, in acquisition order */
    int32_t suite_count;                 /* entries in suites */
    int32_t enable_action;               /* automatic enabling: the action */
    int32_t enable_words[6];             /* automatic enabling: the six condition words, in order */
    int32_t globals_size;                /* bytes of the globals block: KSHELL_GLOBALS_WITH(OUT)_SELECTION */
    int32_t parameter_size;              /* bytes of the parameter block, at most kShellMaxParameterSize */
    int32_t go_flag_index;               /* index of the Go flag among the 32-bit fields; the preview flag follows */
    KBool has_selection_list;            /* 1: the filter works on a selection list */
    const KArtSpec* selection_specs;     /* the art types the selection list asks for, in order */
    int16_t selection_spec_count;        /* entries in selection_specs */
    KBool child_pass;                    /* 1: children of selected compound paths are taken out of the list */

    /* The three plug points. */
    void (*set_defaults)(void* block);   /* fill a new parameter block with the filter's defaults */
    KADMDialogInitProc init_proc;        /* the settings dialog's init proc; the block is the dialog's user data */
    KResult (*generate)(void* block);    /* the generation; starts with shell_generation_head */

    /* The settings dialog's description for the dialog kit (shell/dialog_kit.h);
     * null for a deliverable whose init proc builds the dialog itself. */
    const struct KShellDialog* dialog;
} KShellDeliverable;

KSHELL_HIDDEN extern const KShellDeliverable kShellDeliverable;

/* ---- Entry point ---------------------------------------------------------- */

/* The only export: every host message arrives here. */
KSHELL_EXPORT KResult PluginMain(const char* caller, const char* selector, void* message);

/* ---- Parameter block and the common head of a generation ----------------- */

/* The Go flag and the preview flag of a parameter block. */
KSHELL_HIDDEN KBool* shell_go_flag(void* block);
KSHELL_HIDDEN KBool* shell_preview_flag(void* block);

/* What the common head decided. */
enum {
    kShellGenerateAnew = 0,  /* the previous preview was undone: generate now */
    kShellKeepPreview = 1    /* Go after a preview: the preview art is the result; go to the finishing step */
};

/* The common head of every generation: with the Go flag and the preview flag
 * both 1, clears the preview flag and answers kShellKeepPreview (no new
 * draws); otherwise undoes the current command's changes (the previous
 * preview) and answers kShellGenerateAnew. A failed undo frees the selection
 * list and returns its code. */
KSHELL_HIDDEN KResult shell_generation_head(void* block, int32_t* out_decision);

/* The whole run of a generation: the common head; then, unless the preview
 * is kept, make_anew(block) (suites_ok 0 answers "S!Fd" instead); a preview
 * redraws the document and keeps the selection list, a real run disposes of
 * the selected sources (a deliverable without a selection list has none) and
 * frees the list. Any failure frees the list, clears the preview flag (the
 * art left is no finished preview) and is returned. */
KSHELL_HIDDEN KResult shell_generation_run(void* block, int suites_ok, KResult (*make_anew)(void* block));

/* ---- Selection list ------------------------------------------------------- */

/* Collect the selected art of the deliverable's selection_specs into the globals
 * block (count -1 when nothing matched or the query failed), then take the
 * direct children of selected compound paths out (null entries) when the
 * deliverable asks for the child pass. A list still held is freed first. */
KSHELL_HIDDEN KResult shell_selection_collect(void);
/* Dispose of the list (if any) and set the count to -1. Safe to repeat. */
KSHELL_HIDDEN void shell_selection_free(void);
/* Entry index of the list (null entries included); null outside 0..count-1. */
KSHELL_HIDDEN KArtHandle shell_selection_entry(int32_t index);
/* The finishing step of a real run of a filter that replaces its sources:
 * dispose of the art of every non-null entry in index order from 0, stopping
 * at the first failure, then free the list. Answers that failure, else 0. */
KSHELL_HIDDEN KResult shell_selection_dispose_all(void);

/* The art types the path filters take into their selection list, in this
 * order: compound paths, paths, mystery paths, symbols, text, placed, raster
 * and mesh art, each selected. */
enum { kShellPathSelectionSpecCount = 8 };
KSHELL_HIDDEN extern const KArtSpec kShellPathSelectionSpecs[kShellPathSelectionSpecCount];

/* ---- Random draws and swatch picks shared by the generations ------------- */

/* One call of the host's random service: a real r with 0 <= r < 1 (0 when the
 * suite is missing). */
KSHELL_HIDDEN KReal shell_draw(void);
/* A swatch pick with one draw: position int(r x swatch_count) + 1, capped at
 * the count, with 0 and 1 turned into 2. The swatch's colour replaces colour
 * and turns paint on; a position the host has no swatch or colour for leaves
 * both unchanged. */
KSHELL_HIDDEN void shell_pick_swatch(int32_t swatch_count, KColour* colour, KBool* paint);

/* New components for a colour by draws: three for process and RGB colours
 * (a process colour's black is kept), one for grey, none for other kinds. */
KSHELL_HIDDEN void shell_draw_components(KColour* colour);

/* The random restyling of the copy filters, each step only when its flag
 * is 1, in this order: fill components, stroke components, stroke width
 * times a draw, fill swatch, stroke swatch. */
typedef struct KShellRestyle {
    KBool fill;
    KBool stroke;
    KBool width;
    KBool fill_swatches;
    KBool stroke_swatches;
    int32_t swatch_count;  /* of the current document, read once per run */
} KShellRestyle;

/* Restyle a copy and transform it by matrix (line scale 1, options 15). A
 * copy of type kCompoundPathArt is done member by member in child order,
 * each member restyled and then transformed, so that every member gets its
 * own draws and the same matrix; type is the copy's art type. The path
 * style's read and write are not checked; a failed child query or
 * transform ends it with that code. */
KSHELL_HIDDEN KResult shell_restyle_and_transform(KArtHandle art, int16_t type, const KShellRestyle* restyle,
                                                  const KMatrix* matrix);

/* ---- Error reporting and the About box ------------------------------------ */

/* Show a non-zero code in the "Plug-in Error" dialog with the message of the
 * error table; silent for "STOP" and without the dialog-manager suites. */
KSHELL_HIDDEN void shell_report_error(KSPMessageData* message, KResult code);
/* Show the About box (dialog 16050). */
KSHELL_HIDDEN void shell_about(KSPMessageData* message);
/* A notify proc that only runs the default handling (closes OK and Cancel). */
KSHELL_HIDDEN void shell_default_notify(KADMItem item, KADMNotifier notifier);

/* ---- Text helpers ---------------------------------------------------------
 * Length-prefixed text: one length byte, then the characters. */

/* Length of a zero-terminated text. */
KSHELL_HIDDEN int32_t shell_text_length(const char* text);
/* Turn a zero-terminated text into a length-prefixed one in place; a text of
 * 256 characters or more is left unchanged and 0 is answered, else 1. */
KSHELL_HIDDEN KBool shell_c_to_pascal(char* text);
/* Turn a length-prefixed text back into a zero-terminated one in place (the
 * buffer holds at least length + 1 bytes). */
KSHELL_HIDDEN void shell_pascal_to_c(char* text);
/* Write a four-character code as a length-prefixed text of four characters,
 * first character from the most significant byte (5 bytes). */
KSHELL_HIDDEN void shell_code_to_pascal(KResult code, char* out_text);

#ifdef __cplusplus
}
#endif

#endif /* KESTREL_SHELL_H */
