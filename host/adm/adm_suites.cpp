// adm_suites.cpp: the eight ADM suites: "ADM Basic Suite" 2, "ADM Dialog
// Suite" 3, "ADM Item Suite" 4, "ADM Icon Suite" 1, "ADM Notifier Suite" 1,
// "ADM List Suite" 1, "ADM Entry Suite" 2 and "ADM Tracker Suite" 1.
//
// Each function checks its handles and output pointers through the dialog
// manager and answers kBadParameterErr for a null, stale or foreign one.
#include <cmath>
#include <cstring>
#include <string>

#include "adm.h"
#include "host/adm/dialog_manager.hpp"
#include "host/core/call_guard.hpp"
#include "host/plugins/resources.hpp"

namespace kestrel::host {
namespace {

DialogManager& adm(Host& host) { return host.dialogs(); }

// Copy text into a caller's buffer of max_len bytes, cut to fit, zero-ended.
void copy_text(const std::string& text, char* out, std::int32_t max_len) {
    require(out, "output text");
    if (max_len <= 0) fail(kBadParameterErr, "no room for the text");
    const std::size_t n = std::min(text.size(), static_cast<std::size_t>(max_len) - 1);
    std::memcpy(out, text.data(), n);
    out[n] = '\0';
}

double finite_real(KReal v) {
    if (!std::isfinite(v)) fail(kBadParameterErr, "value is not a finite number");
    return static_cast<double>(v);
}

// ---- ADM Basic Suite ----------------------------------------------------

KResult basic_get_indexed_string(KPluginRef self, int32_t list_id, int32_t index, char* out_text, int32_t max_len) {
    return KESTREL_HOST_CALL("ADM Basic Suite/get_indexed_string", [&](Host& host) {
        require(out_text, "output text");
        if (max_len <= 0 || index < 0) return kBadParameterErr;
        copy_text(adm(host).resources_of(self).indexed_string(list_id, index), out_text, max_len);
        return kNoErr;
    });
}

KResult basic_error_alert(const char* text) {
    return KESTREL_HOST_CALL("ADM Basic Suite/error_alert", [&](Host& host) {
        require(text, "alert text");
        adm(host).add_alert(text);
        return kNoErr;
    });
}

// ---- ADM Dialog Suite ---------------------------------------------------

KResult dialog_modal(KPluginRef self, const char* name, int32_t resource_id, int32_t style, KADMDialogInitProc init,
                     void* user_data, int32_t* out_item) {
    (void)style;  // headless: every style runs the same way
    return KESTREL_HOST_CALL("ADM Dialog Suite/modal", [&](Host& host) {
        require(name, "dialog name");
        require(out_item, "output item");
        KResult init_result = kNoErr;
        *out_item = adm(host).run_modal(self, name, resource_id, init, user_data, init_result);
        return init_result;
    });
}

KResult dialog_get_user_data(KADMDialog dialog, void** out_user_data) {
    return KESTREL_HOST_CALL("ADM Dialog Suite/get_user_data", [&](Host& host) {
        require(out_user_data, "output user data");
        *out_user_data = adm(host).dialog(dialog).user_data;
        return kNoErr;
    });
}

KResult dialog_get_item(KADMDialog dialog, int32_t item_id, KADMItem* out_item) {
    return KESTREL_HOST_CALL("ADM Dialog Suite/get_item", [&](Host& host) {
        require(out_item, "output item");
        Item* item = adm(host).dialog(dialog).find_item(item_id);
        *out_item = item != nullptr ? item->handle : nullptr;
        return kNoErr;
    });
}

KResult dialog_create_item(KADMDialog dialog, int32_t item_id, const char* type_name, const KIntRect* rect,
                           KADMItem* out_item) {
    return KESTREL_HOST_CALL("ADM Dialog Suite/create_item", [&](Host& host) {
        require(type_name, "type name");
        require(rect, "rectangle");
        require(out_item, "output item");
        Dialog& d = adm(host).dialog(dialog);
        const auto kind = item_kind_from_type_name(type_name);
        if (!kind) return kBadParameterErr;
        *out_item = adm(host).create_item(d, item_id, *kind, *rect).handle;
        return kNoErr;
    });
}

KResult dialog_get_bounds_rect(KADMDialog dialog, KIntRect* out_rect) {
    return KESTREL_HOST_CALL("ADM Dialog Suite/get_bounds_rect", [&](Host& host) {
        require(out_rect, "output rectangle");
        *out_rect = adm(host).dialog(dialog).bounds;
        return kNoErr;
    });
}

KResult dialog_set_bounds_rect(KADMDialog dialog, const KIntRect* rect) {
    return KESTREL_HOST_CALL("ADM Dialog Suite/set_bounds_rect", [&](Host& host) {
        require(rect, "rectangle");
        Dialog& d = adm(host).dialog(dialog);
        if (rect->right < rect->left || rect->bottom < rect->top) return kBadParameterErr;
        d.bounds = *rect;
        return kNoErr;
    });
}

KResult dialog_set_size(KADMDialog dialog, int32_t width, int32_t height) {
    return KESTREL_HOST_CALL("ADM Dialog Suite/set_size", [&](Host& host) {
        Dialog& d = adm(host).dialog(dialog);
        if (width < 0 || height < 0) return kBadParameterErr;
        d.bounds.right = d.bounds.left + width;
        d.bounds.bottom = d.bounds.top + height;
        return kNoErr;
    });
}

KResult dialog_end_modal(KADMDialog dialog, int32_t item_id) {
    return KESTREL_HOST_CALL("ADM Dialog Suite/end_modal", [&](Host& host) {
        adm(host).end_modal(adm(host).dialog(dialog), item_id);
        return kNoErr;
    });
}

// ---- ADM Item Suite -----------------------------------------------------

KResult item_set_notify_proc(KADMItem item, KADMItemNotifyProc proc) {
    return KESTREL_HOST_CALL("ADM Item Suite/set_notify_proc", [&](Host& host) {
        adm(host).item(item).notify_proc = proc;
        return kNoErr;
    });
}

KResult item_default_notify(KADMItem item, KADMNotifier notifier) {
    return KESTREL_HOST_CALL("ADM Item Suite/default_notify", [&](Host& host) {
        Item& it = adm(host).item(item);
        adm(host).notifier(notifier);
        adm(host).default_notify(it);
        return kNoErr;
    });
}

KResult item_send_notify(KADMItem item, const char* notifier_name) {
    return KESTREL_HOST_CALL("ADM Item Suite/send_notify", [&](Host& host) {
        require(notifier_name, "notifier name");
        Item& it = adm(host).item(item);
        if (*notifier_name == '\0') return kBadParameterErr;
        adm(host).notify(it, notifier_name);
        return kNoErr;
    });
}

KResult item_set_track_proc(KADMItem item, KADMItemTrackProc proc) {
    return KESTREL_HOST_CALL("ADM Item Suite/set_track_proc", [&](Host& host) {
        adm(host).item(item).track_proc = proc;
        return kNoErr;
    });
}

KResult item_default_track(KADMItem item, KADMTracker tracker) {
    return KESTREL_HOST_CALL("ADM Item Suite/default_track", [&](Host& host) {
        adm(host).item(item);
        adm(host).tracking(tracker);
        // Headless, the default tracking has nothing to draw or follow.
        return kNoErr;
    });
}

KResult item_get_dialog(KADMItem item, KADMDialog* out_dialog) {
    return KESTREL_HOST_CALL("ADM Item Suite/get_dialog", [&](Host& host) {
        require(out_dialog, "output dialog");
        *out_dialog = adm(host).item(item).dialog->handle;
        return kNoErr;
    });
}

KResult item_get_list(KADMItem item, KADMList* out_list) {
    return KESTREL_HOST_CALL("ADM Item Suite/get_list", [&](Host& host) {
        require(out_list, "output list");
        *out_list = adm(host).item(item).list;
        return kNoErr;
    });
}

KResult item_get_id(KADMItem item, int32_t* out_id) {
    return KESTREL_HOST_CALL("ADM Item Suite/get_id", [&](Host& host) {
        require(out_id, "output id");
        *out_id = adm(host).item(item).id;
        return kNoErr;
    });
}

KResult item_show(KADMItem item, KBool show) {
    return KESTREL_HOST_CALL("ADM Item Suite/show", [&](Host& host) {
        adm(host).item(item).visible = show != 0;
        return kNoErr;
    });
}

KResult item_enable(KADMItem item, KBool enable) {
    return KESTREL_HOST_CALL("ADM Item Suite/enable", [&](Host& host) {
        adm(host).item(item).enabled = enable != 0;
        return kNoErr;
    });
}

KResult item_set_text(KADMItem item, const char* text) {
    return KESTREL_HOST_CALL("ADM Item Suite/set_text", [&](Host& host) {
        require(text, "text");
        adm(host).item(item).text = text;
        return kNoErr;
    });
}

KResult item_get_text(KADMItem item, char* out_text, int32_t max_len) {
    return KESTREL_HOST_CALL("ADM Item Suite/get_text", [&](Host& host) {
        require(out_text, "output text");
        copy_text(adm(host).item(item).text, out_text, max_len);
        return kNoErr;
    });
}

KResult item_set_font(KADMItem item, int32_t font) {
    return KESTREL_HOST_CALL("ADM Item Suite/set_font", [&](Host& host) {
        adm(host).item(item).font = font;
        return kNoErr;
    });
}

KResult item_set_units(KADMItem item, int32_t units) {
    return KESTREL_HOST_CALL("ADM Item Suite/set_units", [&](Host& host) {
        adm(host).item(item).units = units;
        return kNoErr;
    });
}

KResult item_set_precision(KADMItem item, int32_t decimals) {
    return KESTREL_HOST_CALL("ADM Item Suite/set_precision", [&](Host& host) {
        Item& it = adm(host).item(item);
        if (decimals < 0 || decimals > 15) return kBadParameterErr;
        it.precision = decimals;
        return kNoErr;
    });
}

KResult item_get_boolean_value(KADMItem item, KBool* out_value) {
    return KESTREL_HOST_CALL("ADM Item Suite/get_boolean_value", [&](Host& host) {
        require(out_value, "output value");
        *out_value = adm(host).item(item).value != 0 ? 1 : 0;
        return kNoErr;
    });
}

KResult item_set_boolean_value(KADMItem item, KBool value) {
    return KESTREL_HOST_CALL("ADM Item Suite/set_boolean_value", [&](Host& host) {
        adm(host).item(item).value = value != 0 ? 1 : 0;
        return kNoErr;
    });
}

KResult item_get_int_value(KADMItem item, int32_t* out_value) {
    return KESTREL_HOST_CALL("ADM Item Suite/get_int_value", [&](Host& host) {
        require(out_value, "output value");
        *out_value = adm(host).item(item).int_value();
        return kNoErr;
    });
}

KResult item_set_int_value(KADMItem item, int32_t value) {
    return KESTREL_HOST_CALL("ADM Item Suite/set_int_value", [&](Host& host) {
        adm(host).item(item).set_value(value);
        return kNoErr;
    });
}

KResult item_get_float_value(KADMItem item, KReal* out_value) {
    return KESTREL_HOST_CALL("ADM Item Suite/get_float_value", [&](Host& host) {
        require(out_value, "output value");
        *out_value = static_cast<KReal>(adm(host).item(item).value);
        return kNoErr;
    });
}

KResult item_set_float_value(KADMItem item, KReal value) {
    return KESTREL_HOST_CALL("ADM Item Suite/set_float_value", [&](Host& host) {
        Item& it = adm(host).item(item);
        const double v = finite_real(value);
        it.real = true;
        it.set_value(v);
        return kNoErr;
    });
}

KResult item_set_min_int_value(KADMItem item, int32_t value) {
    return KESTREL_HOST_CALL("ADM Item Suite/set_min_int_value", [&](Host& host) {
        adm(host).item(item).set_min(value);
        return kNoErr;
    });
}

KResult item_set_max_int_value(KADMItem item, int32_t value) {
    return KESTREL_HOST_CALL("ADM Item Suite/set_max_int_value", [&](Host& host) {
        adm(host).item(item).set_max(value);
        return kNoErr;
    });
}

KResult item_set_min_float_value(KADMItem item, KReal value) {
    return KESTREL_HOST_CALL("ADM Item Suite/set_min_float_value", [&](Host& host) {
        Item& it = adm(host).item(item);
        const double v = finite_real(value);
        it.real = true;
        it.set_min(v);
        return kNoErr;
    });
}

KResult item_set_max_float_value(KADMItem item, KReal value) {
    return KESTREL_HOST_CALL("ADM Item Suite/set_max_float_value", [&](Host& host) {
        Item& it = adm(host).item(item);
        const double v = finite_real(value);
        it.real = true;
        it.set_max(v);
        return kNoErr;
    });
}

// ---- ADM Icon Suite -----------------------------------------------------

KResult icon_get_icon_size(int32_t icon_id, KIntPoint* out_size) {
    return KESTREL_HOST_CALL("ADM Icon Suite/get_icon_size", [&](Host&) {
        (void)icon_id;
        require(out_size, "output size");
        // The headless host carries no icons: every id is unknown.
        return kBadParameterErr;
    });
}

// ---- ADM Notifier Suite -------------------------------------------------

KResult notifier_get_item(KADMNotifier notifier, KADMItem* out_item) {
    return KESTREL_HOST_CALL("ADM Notifier Suite/get_item", [&](Host& host) {
        require(out_item, "output item");
        *out_item = adm(host).notifier(notifier).item->handle;
        return kNoErr;
    });
}

KResult notifier_is_notifier_type(KADMNotifier notifier, const char* type_name, KBool* out_yes) {
    return KESTREL_HOST_CALL("ADM Notifier Suite/is_notifier_type", [&](Host& host) {
        require(type_name, "notifier type");
        require(out_yes, "output flag");
        *out_yes = adm(host).notifier(notifier).type == type_name ? 1 : 0;
        return kNoErr;
    });
}

// ---- ADM List Suite -----------------------------------------------------

KResult list_insert_entry(KADMList list, int32_t index, KADMEntry* out_entry) {
    return KESTREL_HOST_CALL("ADM List Suite/insert_entry", [&](Host& host) {
        require(out_entry, "output entry");
        Item& popup = adm(host).popup(list);
        if (index < 0 || static_cast<std::size_t>(index) > popup.entries.size()) return kBadParameterErr;
        *out_entry = adm(host).insert_entry(popup, static_cast<std::size_t>(index)).handle;
        return kNoErr;
    });
}

KResult list_get_entry(KADMList list, int32_t index, KADMEntry* out_entry) {
    return KESTREL_HOST_CALL("ADM List Suite/get_entry", [&](Host& host) {
        require(out_entry, "output entry");
        const Item& popup = adm(host).popup(list);
        const bool inside = index >= 0 && static_cast<std::size_t>(index) < popup.entries.size();
        *out_entry = inside ? popup.entries[static_cast<std::size_t>(index)]->handle : nullptr;
        return kNoErr;
    });
}

KResult list_get_active_entry(KADMList list, KADMEntry* out_entry) {
    return KESTREL_HOST_CALL("ADM List Suite/get_active_entry", [&](Host& host) {
        require(out_entry, "output entry");
        const Item& popup = adm(host).popup(list);
        const int selected = popup.selected_index();
        *out_entry = selected >= 0 ? popup.entries[static_cast<std::size_t>(selected)]->handle : nullptr;
        return kNoErr;
    });
}

KResult list_count_entries(KADMList list, int32_t* out_count) {
    return KESTREL_HOST_CALL("ADM List Suite/count_entries", [&](Host& host) {
        require(out_count, "output count");
        *out_count = static_cast<int32_t>(adm(host).popup(list).entries.size());
        return kNoErr;
    });
}

// ---- ADM Entry Suite ----------------------------------------------------

KResult entry_set_text(KADMEntry entry, const char* text) {
    return KESTREL_HOST_CALL("ADM Entry Suite/set_text", [&](Host& host) {
        require(text, "text");
        adm(host).entry(entry).text = text;
        return kNoErr;
    });
}

KResult entry_set_id(KADMEntry entry, int32_t entry_id) {
    return KESTREL_HOST_CALL("ADM Entry Suite/set_id", [&](Host& host) {
        adm(host).entry(entry).id = entry_id;
        return kNoErr;
    });
}

KResult entry_get_id(KADMEntry entry, int32_t* out_id) {
    return KESTREL_HOST_CALL("ADM Entry Suite/get_id", [&](Host& host) {
        require(out_id, "output id");
        *out_id = adm(host).entry(entry).id;
        return kNoErr;
    });
}

// A popup has one chosen entry: selecting one unselects the others.
KResult entry_select(KADMEntry entry, KBool select) {
    return KESTREL_HOST_CALL("ADM Entry Suite/select", [&](Host& host) {
        Entry& e = adm(host).entry(entry);
        if (select == 0) {
            e.selected = false;
            return kNoErr;
        }
        for (const auto& other : e.popup->entries) other->selected = false;
        e.selected = true;
        return kNoErr;
    });
}

// ---- ADM Tracker Suite --------------------------------------------------

KResult tracker_get_point(KADMTracker tracker, KIntPoint* out_point) {
    return KESTREL_HOST_CALL("ADM Tracker Suite/get_point", [&](Host& host) {
        require(out_point, "output point");
        *out_point = adm(host).tracking(tracker).point;
        return kNoErr;
    });
}

KResult tracker_get_modifiers(KADMTracker tracker, uint32_t* out_modifiers) {
    return KESTREL_HOST_CALL("ADM Tracker Suite/get_modifiers", [&](Host& host) {
        require(out_modifiers, "output modifiers");
        *out_modifiers = adm(host).tracking(tracker).modifiers;
        return kNoErr;
    });
}

// ---- Tables -------------------------------------------------------------

const KADMBasicSuite kBasic = {basic_get_indexed_string, basic_error_alert};

const KADMDialogSuite kDialog = {dialog_modal,           dialog_get_user_data,   dialog_get_item,
                                 dialog_create_item,     dialog_get_bounds_rect, dialog_set_bounds_rect,
                                 dialog_set_size,        dialog_end_modal};

const KADMItemSuite kItem = {
    item_set_notify_proc,    item_default_notify,     item_send_notify,         item_set_track_proc,
    item_default_track,      item_get_dialog,         item_get_list,            item_get_id,
    item_show,               item_enable,             item_set_text,            item_get_text,
    item_set_font,           item_set_units,          item_set_precision,       item_get_boolean_value,
    item_set_boolean_value,  item_get_int_value,      item_set_int_value,       item_get_float_value,
    item_set_float_value,    item_set_min_int_value,  item_set_max_int_value,   item_set_min_float_value,
    item_set_max_float_value};

const KADMIconSuite kIcon = {icon_get_icon_size};

const KADMNotifierSuite kNotifier = {notifier_get_item, notifier_is_notifier_type};

const KADMListSuite kList = {list_insert_entry, list_get_entry, list_get_active_entry, list_count_entries};

const KADMEntrySuite kEntry = {entry_set_text, entry_set_id, entry_get_id, entry_select};

const KADMTrackerSuite kTracker = {tracker_get_point, tracker_get_modifiers};

}  // namespace

void register_adm_suites(SuiteRegistry& registry) {
    registry.add(kADMBasicSuite, kADMBasicSuiteVersion, &kBasic);
    registry.add(kADMDialogSuite, kADMDialogSuiteVersion, &kDialog);
    registry.add(kADMItemSuite, kADMItemSuiteVersion, &kItem);
    registry.add(kADMIconSuite, kADMIconSuiteVersion, &kIcon);
    registry.add(kADMNotifierSuite, kADMNotifierSuiteVersion, &kNotifier);
    registry.add(kADMListSuite, kADMListSuiteVersion, &kList);
    registry.add(kADMEntrySuite, kADMEntrySuiteVersion, &kEntry);
    registry.add(kADMTrackerSuite, kADMTrackerSuiteVersion, &kTracker);
}

}  // namespace kestrel::host
