/* dialog_kit.h: the building blocks of every deliverable's settings dialog.
 *
 * A filter describes its dialog as one KShellDialog (size, a table of items,
 * its presets, its refresh item or pages and a few callbacks) and points
 * kShellDeliverable.dialog at it; it then gives shell_dialog_init_proc as its
 * init proc. The kit creates the items, copies them into the parameter block
 * and previews, fills the presets popup, runs "Tumble", the drag buttons, the
 * view zoom, OK, the dialog position memory and page switching.
 */
#ifndef KESTREL_DIALOG_KIT_H
#define KESTREL_DIALOG_KIT_H

#include <stdint.h>

#include "shell/kestrel_shell.h"

#ifdef __cplusplus
extern "C" {
#endif

/* What an item of the table is, and so how the init proc creates it. */
typedef enum KShellItemType {
    kKitIntSpinEdit = 0,   /* integer spin edit: value, range, unit 0 */
    kKitRealSpinEdit,      /* real spin edit: value, range, unit 0, precision */
    kKitViewZoomSpinEdit,  /* the view-zoom spin edit: unit 0, 1 to 500, 2 decimals, value from view zoom */
    kKitLabel,             /* static text */
    kKitCheckBox,          /* text check box: value, notify proc, label */
    kKitPresetsPopup,      /* the presets popup, filled from KShellDialog.presets */
    kKitPopup,             /* any other popup (entries are the filter's own) */
    kKitTextButton,        /* text push button (OK, Cancel, "Shuffle", "Tumble") */
    kKitDragButton,        /* picture push button whose track proc is the drag tracker */
    kKitPageButton         /* picture push button that shows one page */
} KShellItemType;

/* How an item's value maps onto its field of the parameter block. */
typedef enum KShellFieldKind {
    kKitFieldNone = 0, /* no field (or one the kit handles by role: preset, view zoom) */
    kKitFieldInt,      /* int32_t field, integer item value */
    kKitFieldReal,     /* KReal field, real item value */
    kKitFieldBool,     /* KBool field, check box */
    kKitFieldPopup     /* int32_t field, the id of the chosen entry */
} KShellFieldKind;

/* Which notify proc an item gets. */
typedef enum KShellNotifyRole {
    kKitNotifyNone = 0,  /* no notify proc: default handling only (Cancel, labels, drag buttons) */
    kKitNotifyApply,     /* the apply notifier */
    kKitNotifyViewZoom,  /* the view-zoom notifier */
    kKitNotifyPresets,   /* the presets notifier */
    kKitNotifyTumble,    /* the Tumble notifier */
    kKitNotifyOK,        /* the OK notifier */
    kKitNotifyPage,      /* the page notifier */
    kKitNotifyCustom     /* KShellItem.custom_notify */
} KShellNotifyRole;

/* Formula of a drag button; x or y is the artwork point, constants are
 * 32-bit reals, trunc cuts toward zero. */
typedef enum KShellDragForm {
    kKitDragNone = 0,     /* no formula */
    kKitDragIntTrunc,     /* a - trunc(v * b), an integer */
    kKitDragRealOffset,   /* a - v * b */
    kKitDragRealScale,    /* v * b */
    kKitDragCustom        /* KShellItem.drag_formula */
} KShellDragForm;

/* Which coordinate of the pointer a drag formula takes. */
enum { kKitAxisX = 0, kKitAxisY = 1 };

/* A drag button's own formula: the new value from the artwork point. */
typedef KReal (*KShellDragFormula)(KReal x, KReal y);

/* One item of a dialog table; the init proc creates them in table order. */
typedef struct KShellItem {
    int32_t id;                        /* item id; 1 OK, 2 Cancel */
    int32_t type;                      /* KShellItemType */
    KIntRect rect;                     /* left, top, right, bottom, dialog coordinates */
    const char* text;                  /* label or button text; null for none */
    KReal min;                         /* spin edits: smallest value */
    KReal max;                         /* spin edits: largest value */
    int32_t precision;                 /* real spin edits: decimals shown */
    int32_t field;                     /* index of the 32-bit field shown; -1 for none */
    int32_t field_kind;                /* KShellFieldKind */
    int32_t notify;                    /* KShellNotifyRole */
    KADMItemNotifyProc custom_notify;  /* kKitNotifyCustom: the proc */
    int32_t page;                      /* page the item belongs to, 1 ...; 0 on every page */
    int32_t drives;                    /* drag buttons: id of the spin edit set */
    int32_t drag_form;                 /* drag buttons: KShellDragForm */
    int32_t drag_axis;                 /* drag buttons: kKitAxisX or kKitAxisY */
    KReal drag_a;                      /* drag buttons: constant a */
    KReal drag_b;                      /* drag buttons: constant b */
    KShellDragFormula drag_formula;    /* kKitDragCustom: the formula */
} KShellItem;

/* One page of a paged dialog. */
typedef struct KShellPage {
    int32_t button;        /* id of the page button */
    int32_t caption;       /* id of the caption label (font 5 when shown, 0 otherwise) */
    int32_t refresh_item;  /* first value item of the page: notified after a notifier changed values */
} KShellPage;

/* A popup the init proc fills: entries 0, 1, ... with entry id = index, and
 * the field whose value is the index of the entry chosen at opening. The
 * presets popup may be one of them (its field is the preset field). */
typedef struct KShellPopup {
    int32_t item;                 /* id of the popup item */
    const char* const* entries;   /* entry texts, by index */
    int32_t entry_count;          /* entries in entries */
    int32_t field;                /* int32_t field: index of the entry chosen at opening */
} KShellPopup;

/* A deliverable's whole settings dialog. Field indexes count 32-bit fields
 * of the parameter block from 0. */
typedef struct KShellDialog {
    int32_t width;                          /* dialog size set by the init proc, dialog units */
    int32_t height;
    const KShellItem* items;                /* the item table, in creation order */
    int32_t item_count;                     /* entries in items */
    const char* const* presets;             /* presets popup entry texts, entry id = index */
    int32_t preset_count;                   /* entries in presets */
    int32_t preview_item;                   /* id of the Preview check box */
    int32_t preview_field;                  /* field of the Preview check box (KBool) */
    int32_t preset_field;                   /* field holding the last chosen preset (int32_t) */
    int32_t view_zoom_field;                /* field of the view zoom, percent (KReal) */
    int32_t page_field;                     /* field of the page shown (int32_t) */
    int32_t bounds_field;                   /* field of dialog left; top, right, bottom and the saved flag follow */
    int32_t refresh_item;                   /* single-page dialogs: the item notified after a notifier changed values */
    const KShellPage* pages;                /* paged dialogs: the pages, in order; null for one page */
    int32_t page_count;                     /* entries in pages; 0 for a single-page dialog */
    void (*apply_preset)(void* block, int32_t preset_id);  /* apply a preset to the block */
    void (*tumble)(void* block);                            /* the "Tumble" draws */
    void (*enable_rules)(KADMDialog dialog, const void* block); /* enable or disable dependent items; may be null */
    /* The popups the init proc fills, in filling order; null: the presets
     * popup alone, from presets above. */
    const KShellPopup* popups;
    int32_t popup_count;
    int32_t apply_skips_position;           /* 1: only OK saves the dialog position, not the apply notifier */
    /* Hooks for items whose field depends on other settings (one set of
     * items serving several records); each may be null. */
    void (*after_create)(KADMDialog dialog, void* block);               /* init: after the popups are filled */
    void (*after_read)(KADMDialog dialog, void* block);                 /* apply: after the items are read */
    void (*after_write)(KADMDialog dialog, const void* block);          /* presets, Tumble: after the items are written */
    void (*after_show_page)(KADMDialog dialog, void* block, int32_t page); /* page notifier: after the page is shown */
} KShellDialog;

/* The init proc: give it as KShellDeliverable.init_proc. */
KSHELL_HIDDEN KResult shell_dialog_init_proc(KADMDialog dialog);

/* The notifiers and the track proc the table's roles stand for; a filter's
 * custom notifier may call them too. */
KSHELL_HIDDEN void shell_apply_notify(KADMItem item, KADMNotifier notifier);
KSHELL_HIDDEN void shell_presets_notify(KADMItem item, KADMNotifier notifier);
KSHELL_HIDDEN void shell_tumble_notify(KADMItem item, KADMNotifier notifier);
KSHELL_HIDDEN void shell_view_zoom_notify(KADMItem item, KADMNotifier notifier);
KSHELL_HIDDEN void shell_ok_notify(KADMItem item, KADMNotifier notifier);
KSHELL_HIDDEN void shell_page_notify(KADMItem item, KADMNotifier notifier);
KSHELL_HIDDEN KBool shell_drag_track(KADMItem item, KADMTracker tracker);

/* Field index (32-bit fields counted from 0) of a parameter block, as an
 * integer or a real. */
static inline int32_t* shell_int_field(void* block, int32_t index) { return (int32_t*)block + index; }
static inline KReal* shell_real_field(void* block, int32_t index) { return (KReal*)((int32_t*)block + index); }
static inline int32_t shell_int_at(const void* block, int32_t index) { return ((const int32_t*)block)[index]; }
static inline KReal shell_real_at(const void* block, int32_t index) { return *(const KReal*)((const int32_t*)block + index); }

/* The item of dialog with id (null when there is none). */
KSHELL_HIDDEN KADMItem shell_dialog_item(KADMDialog dialog, int32_t id);
/* The id of a popup's chosen entry; fallback when none is chosen. */
KSHELL_HIDDEN int32_t shell_popup_chosen_id(KADMItem popup, int32_t fallback);
/* Choose the entry of a popup whose id is entry_id (none when there is no such entry). */
KSHELL_HIDDEN void shell_popup_choose_id(KADMItem popup, int32_t entry_id);

/* The parameter block of a dialog or of an item's dialog (its user data). */
KSHELL_HIDDEN void* shell_dialog_block(KADMDialog dialog);
KSHELL_HIDDEN void* shell_item_block(KADMItem item);
/* Read the dialog's bounds into the four bounds fields and set the saved flag. */
KSHELL_HIDDEN void shell_dialog_save_position(KADMDialog dialog, void* block);
/* Set every int, real, bool and popup item from its field. */
KSHELL_HIDDEN void shell_dialog_write_items(KADMDialog dialog, const void* block);
/* Send "ADM User Changed Notifier" to the refresh item (paged dialogs: the
 * shown page's refresh item, then its page button). */
KSHELL_HIDDEN void shell_dialog_refresh(KADMDialog dialog, const void* block);
/* Show page (1 ...): page field, caption fonts, item visibility. */
KSHELL_HIDDEN void shell_dialog_show_page(KADMDialog dialog, void* block, int32_t page);

/* The value a drag button's formula gives for an artwork point. */
KSHELL_HIDDEN KReal shell_drag_value(const KShellItem* button, KReal x, KReal y);

#ifdef __cplusplus
}
#endif

#endif /* KESTREL_DIALOG_KIT_H */
