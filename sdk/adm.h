/* adm.h: the dialog manager: "ADM Basic Suite" 2, "ADM Dialog Suite" 3,
 * "ADM Item Suite" 4, "ADM Icon Suite" 1, "ADM Notifier Suite" 1, "ADM List
 * Suite" 1, "ADM Entry Suite" 2 and "ADM Tracker Suite" 1.
 *
 * Dialog resources carry no items: an init proc creates every item at run
 * time by type name. Dialogs, items, lists, entries, notifiers and trackers
 * belong to the dialog manager and are valid only while their dialog is open
 * [dialog]; a stale one answers kBadParameterErr.
 */
#ifndef KESTREL_ADM_H
#define KESTREL_ADM_H

#include "kestrel_types.h"

#ifdef __cplusplus
extern "C" {
#endif

typedef struct KADMDialogOpaque *KADMDialog;
typedef struct KADMItemOpaque *KADMItem;
typedef struct KADMListOpaque *KADMList;
typedef struct KADMEntryOpaque *KADMEntry;
typedef struct KADMNotifierOpaque *KADMNotifier;
typedef struct KADMTrackerOpaque *KADMTracker;

/* Item type names. */
#define kADMSpinEditType "ADM Spin Edit Type"
#define kADMTextStaticType "ADM Text Static Type"
#define kADMTextCheckBoxType "ADM Text Check Box Type"
#define kADMPopupListType "ADM Popup List Type"
#define kADMPicturePushButtonType "ADM Picture Push Button Type"
#define kADMTextPushButtonType "ADM Text Push Button Type"

/* Notifier names. */
#define kADMUserChangedNotifier "ADM User Changed Notifier"

/* Fixed item ids. */
#define kADMOKItem 1
#define kADMCancelItem 2

/* Modifier bit of the tracker: the pointer button is held. */
#define kADMButtonDownModifier 0x20

/* Callbacks the plug-in gives the dialog manager. They run inside the
 * modal loop and may re-enter PluginMain. */
typedef KResult (*KADMDialogInitProc)(KADMDialog dialog);
typedef void (*KADMItemNotifyProc)(KADMItem item, KADMNotifier notifier);
typedef KBool (*KADMItemTrackProc)(KADMItem item, KADMTracker tracker);

#define kADMBasicSuite "ADM Basic Suite"
#define kADMBasicSuiteVersion 2

typedef struct KADMBasicSuite {
    /* Entry index of string list list_id (string resource list_id + index)
     * into out_text, at most max_len bytes with the zero. An entry past the
     * end reads as "". */
    KResult (*get_indexed_string)(KPluginRef self, int32_t list_id, int32_t index, char *out_text, int32_t max_len);
    /* Show an alert with a text; returns when the user confirms it. */
    KResult (*error_alert)(const char *text);
} KADMBasicSuite;

#define kADMDialogSuite "ADM Dialog Suite"
#define kADMDialogSuiteVersion 3

typedef struct KADMDialogSuite {
    /* Run a modal dialog from dialog resource resource_id of self. init runs
     * once the dialog exists; out_item receives the id of the item that
     * ended it (1 OK, 2 Cancel). user_data stays the caller's. */
    KResult (*modal)(KPluginRef self, const char *name, int32_t resource_id, int32_t style, KADMDialogInitProc init,
                     void *user_data, int32_t *out_item);
    KResult (*get_user_data)(KADMDialog dialog, void **out_user_data);
    /* The first item with that id (null when there is none). */
    KResult (*get_item)(KADMDialog dialog, int32_t item_id, KADMItem *out_item);
    /* A new item of a type name at a rectangle. */
    KResult (*create_item)(KADMDialog dialog, int32_t item_id, const char *type_name, const KIntRect *rect, KADMItem *out_item);
    KResult (*get_bounds_rect)(KADMDialog dialog, KIntRect *out_rect);
    KResult (*set_bounds_rect)(KADMDialog dialog, const KIntRect *rect);
    KResult (*set_size)(KADMDialog dialog, int32_t width, int32_t height);
    /* End the modal loop with an item id. */
    KResult (*end_modal)(KADMDialog dialog, int32_t item_id);
} KADMDialogSuite;

#define kADMItemSuite "ADM Item Suite"
#define kADMItemSuiteVersion 4

typedef struct KADMItemSuite {
    KResult (*set_notify_proc)(KADMItem item, KADMItemNotifyProc proc);
    /* The default handling of a notification: OK and Cancel end the dialog
     * with their id; a check box or spin edit has already taken its value. */
    KResult (*default_notify)(KADMItem item, KADMNotifier notifier);
    /* Send a named notifier: "ADM User Changed Notifier" runs the item's
     * notify proc as if the user had changed it. */
    KResult (*send_notify)(KADMItem item, const char *notifier_name);
    KResult (*set_track_proc)(KADMItem item, KADMItemTrackProc proc);
    KResult (*default_track)(KADMItem item, KADMTracker tracker);
    KResult (*get_dialog)(KADMItem item, KADMDialog *out_dialog);
    /* The entry list of a popup (null for other items). */
    KResult (*get_list)(KADMItem item, KADMList *out_list);
    KResult (*get_id)(KADMItem item, int32_t *out_id);
    KResult (*show)(KADMItem item, KBool show);
    KResult (*enable)(KADMItem item, KBool enable);
    KResult (*set_text)(KADMItem item, const char *text);
    KResult (*get_text)(KADMItem item, char *out_text, int32_t max_len);
    /* Font code: 0 plain, 5 the chosen page caption. */
    KResult (*set_font)(KADMItem item, int32_t font);
    /* Unit code: 0 none. */
    KResult (*set_units)(KADMItem item, int32_t units);
    /* Decimal places shown by a real spin edit. */
    KResult (*set_precision)(KADMItem item, int32_t decimals);
    KResult (*get_boolean_value)(KADMItem item, KBool *out_value);
    KResult (*set_boolean_value)(KADMItem item, KBool value);
    KResult (*get_int_value)(KADMItem item, int32_t *out_value);
    /* Values outside the item's range are clamped to it. */
    KResult (*set_int_value)(KADMItem item, int32_t value);
    KResult (*get_float_value)(KADMItem item, KReal *out_value);
    KResult (*set_float_value)(KADMItem item, KReal value);
    /* Setting a range clamps the value already held. */
    KResult (*set_min_int_value)(KADMItem item, int32_t value);
    KResult (*set_max_int_value)(KADMItem item, int32_t value);
    KResult (*set_min_float_value)(KADMItem item, KReal value);
    KResult (*set_max_float_value)(KADMItem item, KReal value);
} KADMItemSuite;

#define kADMIconSuite "ADM Icon Suite"
#define kADMIconSuiteVersion 1

/* Acquired by every deliverable, called by none. */
typedef struct KADMIconSuite {
    KResult (*get_icon_size)(int32_t icon_id, KIntPoint *out_size);
} KADMIconSuite;

#define kADMNotifierSuite "ADM Notifier Suite"
#define kADMNotifierSuiteVersion 1

/* Acquired by every deliverable, called by none. */
typedef struct KADMNotifierSuite {
    KResult (*get_item)(KADMNotifier notifier, KADMItem *out_item);
    /* 1 when the notifier's name is type_name. */
    KResult (*is_notifier_type)(KADMNotifier notifier, const char *type_name, KBool *out_yes);
} KADMNotifierSuite;

#define kADMListSuite "ADM List Suite"
#define kADMListSuiteVersion 1

typedef struct KADMListSuite {
    /* A new entry at index (0 .. count). */
    KResult (*insert_entry)(KADMList list, int32_t index, KADMEntry *out_entry);
    /* The entry at index; null outside 0 .. count - 1. */
    KResult (*get_entry)(KADMList list, int32_t index, KADMEntry *out_entry);
    /* The chosen entry; null when none is chosen. */
    KResult (*get_active_entry)(KADMList list, KADMEntry *out_entry);
    KResult (*count_entries)(KADMList list, int32_t *out_count);
} KADMListSuite;

#define kADMEntrySuite "ADM Entry Suite"
#define kADMEntrySuiteVersion 2

typedef struct KADMEntrySuite {
    KResult (*set_text)(KADMEntry entry, const char *text);
    KResult (*set_id)(KADMEntry entry, int32_t entry_id);
    KResult (*get_id)(KADMEntry entry, int32_t *out_id);
    /* Select (choose) the entry, or unselect it. */
    KResult (*select)(KADMEntry entry, KBool select);
} KADMEntrySuite;

#define kADMTrackerSuite "ADM Tracker Suite"
#define kADMTrackerSuiteVersion 1

typedef struct KADMTrackerSuite {
    /* The pointer position of the current tracking; tracker may be null (the
     * current one). View coordinates: pixels of the first document view. */
    KResult (*get_point)(KADMTracker tracker, KIntPoint *out_point);
    /* The modifier word of the current tracking (kADMButtonDownModifier ...). */
    KResult (*get_modifiers)(KADMTracker tracker, uint32_t *out_modifiers);
} KADMTrackerSuite;

#ifdef __cplusplus
}
#endif

#endif /* KESTREL_ADM_H */
