// dialog_kit.cpp: the settings dialog of every deliverable, built from the
// deliverable's KShellDialog table: item recipes, the init proc, the apply,
// presets, Tumble, view-zoom, OK and page notifiers, the drag tracker and the
// dialog position memory. The parameter block is the dialog's user data and
// is written at once by every notifier.
#include "shell/dialog_kit.h"

#include <cmath>

namespace {

const KShellDialog* description() { return kShellDeliverable.dialog; }

// The items the init proc made for the open settings dialog, by table index
// (ids may repeat across pages, so the id alone does not find each one).
enum { kKitMaxItems = 256 };
KADMDialog gKitDialog = nullptr;
KADMItem gKitItems[kKitMaxItems];

KADMDialog dialog_of(KADMItem item) {
    KADMDialog dialog = nullptr;
    gADMItemSuite->get_dialog(item, &dialog);
    return dialog;
}

// The item made for table entry index; by id when the dialog is not the one
// the table was built for.
KADMItem created_item(KADMDialog dialog, int32_t index) {
    if (dialog == gKitDialog && index < kKitMaxItems) return gKitItems[index];
    return shell_dialog_item(dialog, description()->items[index].id);
}

const KShellItem* table_item(int32_t id) {
    const KShellDialog* d = description();
    for (int32_t i = 0; i < d->item_count; ++i) {
        if (d->items[i].id == id) return &d->items[i];
    }
    return nullptr;
}

KADMItemNotifyProc notify_proc_of(const KShellItem& desc) {
    switch (desc.notify) {
        case kKitNotifyApply: return shell_apply_notify;
        case kKitNotifyViewZoom: return shell_view_zoom_notify;
        case kKitNotifyPresets: return shell_presets_notify;
        case kKitNotifyTumble: return shell_tumble_notify;
        case kKitNotifyOK: return shell_ok_notify;
        case kKitNotifyPage: return shell_page_notify;
        case kKitNotifyCustom: return desc.custom_notify;
        default: return nullptr;
    }
}

void set_notify(KADMItem item, const KShellItem& desc) {
    if (KADMItemNotifyProc proc = notify_proc_of(desc)) gADMItemSuite->set_notify_proc(item, proc);
}

const char* type_name_of(int32_t type) {
    switch (type) {
        case kKitIntSpinEdit:
        case kKitRealSpinEdit:
        case kKitViewZoomSpinEdit: return kADMSpinEditType;
        case kKitLabel: return kADMTextStaticType;
        case kKitCheckBox: return kADMTextCheckBoxType;
        case kKitPresetsPopup:
        case kKitPopup: return kADMPopupListType;
        case kKitTextButton: return kADMTextPushButtonType;
        default: return kADMPicturePushButtonType;
    }
}

// Create one item by its recipe; the calls come in the recipe's order.
KADMItem create_item(KADMDialog dialog, const KShellItem& desc, void* block) {
    KADMItem item = nullptr;
    if (gADMDialogSuite->create_item(dialog, desc.id, type_name_of(desc.type), &desc.rect, &item) != kNoErr ||
        item == nullptr) {
        return nullptr;
    }
    const KShellDialog* d = description();
    switch (desc.type) {
        case kKitIntSpinEdit:
            if (desc.field >= 0) gADMItemSuite->set_int_value(item, shell_int_at(block, desc.field));
            gADMItemSuite->set_min_int_value(item, static_cast<int32_t>(desc.min));
            gADMItemSuite->set_max_int_value(item, static_cast<int32_t>(desc.max));
            gADMItemSuite->set_units(item, 0);
            set_notify(item, desc);
            break;
        case kKitRealSpinEdit:
            if (desc.field >= 0) gADMItemSuite->set_float_value(item, shell_real_at(block, desc.field));
            gADMItemSuite->set_min_float_value(item, desc.min);
            gADMItemSuite->set_max_float_value(item, desc.max);
            gADMItemSuite->set_units(item, 0);
            gADMItemSuite->set_precision(item, desc.precision);
            set_notify(item, desc);
            break;
        case kKitViewZoomSpinEdit:
            gADMItemSuite->set_units(item, 0);
            gADMItemSuite->set_min_float_value(item, 1.0f);
            gADMItemSuite->set_max_float_value(item, 500.0f);
            gADMItemSuite->set_precision(item, 2);
            gADMItemSuite->set_float_value(item, shell_real_at(block, d->view_zoom_field));
            set_notify(item, desc);
            break;
        case kKitCheckBox:
            if (desc.field >= 0) gADMItemSuite->set_boolean_value(item, shell_int_at(block, desc.field));
            set_notify(item, desc);
            if (desc.text != nullptr) gADMItemSuite->set_text(item, desc.text);
            break;
        case kKitPresetsPopup:
        case kKitPopup:
            // The presets popup's entries come after all items (init step 5).
            set_notify(item, desc);
            break;
        case kKitDragButton:
            gADMItemSuite->set_track_proc(item, shell_drag_track);
            break;
        case kKitPageButton:
            set_notify(item, desc);
            break;
        default:  // labels and text push buttons
            set_notify(item, desc);
            if (desc.text != nullptr) gADMItemSuite->set_text(item, desc.text);
            break;
    }
    return item;
}

// Insert entries 0, 1, ... (entry id = index) and choose the one at index
// chosen.
void fill_popup(KADMItem popup, const char* const* entries, int32_t count, int32_t chosen_index) {
    KADMList list = nullptr;
    if (gADMItemSuite->get_list(popup, &list) != kNoErr || list == nullptr) return;
    for (int32_t i = 0; i < count; ++i) {
        KADMEntry entry = nullptr;
        if (gADMListSuite->insert_entry(list, i, &entry) != kNoErr || entry == nullptr) continue;
        gADMEntrySuite->set_text(entry, entries[i]);
        gADMEntrySuite->set_id(entry, i);
    }
    KADMEntry chosen = nullptr;
    gADMListSuite->get_entry(list, chosen_index, &chosen);
    if (chosen != nullptr) gADMEntrySuite->select(chosen, 1);
}

// Fill the dialog's popups in the table's order, or the presets popup alone
// when the dialog lists none.
void fill_popups(KADMDialog dialog, const void* block) {
    const KShellDialog* d = description();
    if (d->popups != nullptr) {
        for (int32_t i = 0; i < d->popup_count; ++i) {
            const KShellPopup& p = d->popups[i];
            if (KADMItem popup = shell_dialog_item(dialog, p.item)) fill_popup(popup, p.entries, p.entry_count, shell_int_at(block, p.field));
        }
        return;
    }
    for (int32_t i = 0; i < d->item_count; ++i) {
        if (d->items[i].type != kKitPresetsPopup) continue;
        if (KADMItem popup = shell_dialog_item(dialog, d->items[i].id)) {
            fill_popup(popup, d->presets, d->preset_count, shell_int_at(block, d->preset_field));
        }
    }
}



// Read every value item into its field (the Preview check box is read on
// its own, before the others).
void read_items(KADMDialog dialog, void* block) {
    const KShellDialog* d = description();
    for (int32_t i = 0; i < d->item_count; ++i) {
        const KShellItem& desc = d->items[i];
        if (desc.field < 0 || desc.id == d->preview_item) continue;
        KADMItem item = created_item(dialog, i);
        if (item == nullptr) continue;
        switch (desc.field_kind) {
            case kKitFieldInt: gADMItemSuite->get_int_value(item, shell_int_field(block, desc.field)); break;
            case kKitFieldReal: gADMItemSuite->get_float_value(item, shell_real_field(block, desc.field)); break;
            case kKitFieldBool: gADMItemSuite->get_boolean_value(item, shell_int_field(block, desc.field)); break;
            case kKitFieldPopup:
                *shell_int_field(block, desc.field) = shell_popup_chosen_id(item, shell_int_at(block, desc.field));
                break;
            default: break;
        }
    }
}

// Shared by the presets and Tumble notifiers: default handling, the
// filter's change to the block, the block back into the items, refresh.
void change_and_show(KADMItem item, KADMNotifier notifier, void (*change)(void* block, int32_t entry_id),
                     int32_t entry_id) {
    gADMItemSuite->default_notify(item, notifier);
    KADMDialog dialog = dialog_of(item);
    void* block = shell_dialog_block(dialog);
    if (block == nullptr) return;
    change(block, entry_id);
    shell_dialog_write_items(dialog, block);
    shell_dialog_refresh(dialog, block);
}

void apply_preset(void* block, int32_t entry_id) {
    if (description()->apply_preset != nullptr) description()->apply_preset(block, entry_id);
}

void tumble(void* block, int32_t) {
    if (description()->tumble != nullptr) description()->tumble(block);
}

}  // namespace

KADMItem shell_dialog_item(KADMDialog dialog, int32_t id) {
    KADMItem item = nullptr;
    gADMDialogSuite->get_item(dialog, id, &item);
    return item;
}

int32_t shell_popup_chosen_id(KADMItem popup, int32_t fallback) {
    KADMList list = nullptr;
    KADMEntry entry = nullptr;
    int32_t id = fallback;
    if (gADMItemSuite->get_list(popup, &list) != kNoErr || list == nullptr) return fallback;
    if (gADMListSuite->get_active_entry(list, &entry) != kNoErr || entry == nullptr) return fallback;
    if (gADMEntrySuite->get_id(entry, &id) != kNoErr) return fallback;
    return id;
}

void shell_popup_choose_id(KADMItem popup, int32_t entry_id) {
    KADMList list = nullptr;
    int32_t count = 0;
    if (gADMItemSuite->get_list(popup, &list) != kNoErr || list == nullptr) return;
    gADMListSuite->count_entries(list, &count);
    for (int32_t i = 0; i < count; ++i) {
        KADMEntry entry = nullptr;
        int32_t id = -1;
        gADMListSuite->get_entry(list, i, &entry);
        if (entry != nullptr && gADMEntrySuite->get_id(entry, &id) == kNoErr && id == entry_id) {
            gADMEntrySuite->select(entry, 1);
            return;
        }
    }
}

void* shell_dialog_block(KADMDialog dialog) {
    void* data = nullptr;
    gADMDialogSuite->get_user_data(dialog, &data);
    return data;
}

void* shell_item_block(KADMItem item) { return shell_dialog_block(dialog_of(item)); }

void shell_dialog_save_position(KADMDialog dialog, void* block) {
    KIntRect r{};
    if (gADMDialogSuite->get_bounds_rect(dialog, &r) != kNoErr) return;
    const int32_t b = description()->bounds_field;
    *shell_int_field(block, b) = r.left;
    *shell_int_field(block, b + 1) = r.top;
    *shell_int_field(block, b + 2) = r.right;
    *shell_int_field(block, b + 3) = r.bottom;
    *shell_int_field(block, b + 4) = 1;
}

void shell_dialog_write_items(KADMDialog dialog, const void* block) {
    const KShellDialog* d = description();
    for (int32_t i = 0; i < d->item_count; ++i) {
        const KShellItem& desc = d->items[i];
        if (desc.field < 0) continue;
        KADMItem item = created_item(dialog, i);
        if (item == nullptr) continue;
        switch (desc.field_kind) {
            case kKitFieldInt: gADMItemSuite->set_int_value(item, shell_int_at(block, desc.field)); break;
            case kKitFieldReal: gADMItemSuite->set_float_value(item, shell_real_at(block, desc.field)); break;
            case kKitFieldBool: gADMItemSuite->set_boolean_value(item, shell_int_at(block, desc.field)); break;
            case kKitFieldPopup: shell_popup_choose_id(item, shell_int_at(block, desc.field)); break;
            default: break;
        }
    }
    if (d->after_write != nullptr) d->after_write(dialog, block);
}

void shell_dialog_refresh(KADMDialog dialog, const void* block) {
    const KShellDialog* d = description();
    if (d->page_count > 0 && d->pages != nullptr) {
        int32_t page = shell_int_at(block, d->page_field);
        if (page < 1 || page > d->page_count) page = 1;
        const KShellPage& shown = d->pages[page - 1];
        // The apply notifier may move the block; nothing is read after it.
        if (KADMItem item = shell_dialog_item(dialog, shown.refresh_item)) gADMItemSuite->send_notify(item, kADMUserChangedNotifier);
        if (KADMItem button = shell_dialog_item(dialog, shown.button)) gADMItemSuite->send_notify(button, kADMUserChangedNotifier);
        return;
    }
    if (KADMItem item = shell_dialog_item(dialog, d->refresh_item)) gADMItemSuite->send_notify(item, kADMUserChangedNotifier);
}

void shell_dialog_show_page(KADMDialog dialog, void* block, int32_t page) {
    const KShellDialog* d = description();
    if (d->page_count <= 0 || d->pages == nullptr || page < 1 || page > d->page_count) return;
    *shell_int_field(block, d->page_field) = page;
    for (int32_t p = 0; p < d->page_count; ++p) {
        if (KADMItem caption = shell_dialog_item(dialog, d->pages[p].caption)) gADMItemSuite->set_font(caption, 0);
    }
    if (KADMItem caption = shell_dialog_item(dialog, d->pages[page - 1].caption)) gADMItemSuite->set_font(caption, 5);
    // Items are shown or hidden by their table entry, so that items of
    // different pages that share an id are each reached.
    for (int32_t i = 0; i < d->item_count; ++i) {
        const KShellItem& desc = d->items[i];
        if (desc.page == 0) continue;
        if (KADMItem item = created_item(dialog, i)) gADMItemSuite->show(item, desc.page == page ? 1 : 0);
    }
    if (d->after_show_page != nullptr) d->after_show_page(dialog, block, page);
}

KResult shell_dialog_init_proc(KADMDialog dialog) {
    const KShellDialog* d = description();
    void* block = shell_dialog_block(dialog);
    if (d == nullptr || block == nullptr) return kNoErr;
    const int32_t b = d->bounds_field;
    if (shell_int_at(block, b + 4) == 1) {
        const KIntRect r = {shell_int_at(block, b), shell_int_at(block, b + 1), shell_int_at(block, b + 2), shell_int_at(block, b + 3)};
        gADMDialogSuite->set_bounds_rect(dialog, &r);
    }
    gADMDialogSuite->set_size(dialog, d->width, d->height);

    gKitDialog = dialog;
    for (int32_t i = 0; i < d->item_count; ++i) {
        KADMItem item = create_item(dialog, d->items[i], block);
        if (i < kKitMaxItems) gKitItems[i] = item;
    }
    fill_popups(dialog, block);
    if (d->after_create != nullptr) d->after_create(dialog, block);
    // Paged dialogs open on the stored page; the others are hidden.
    if (d->page_count > 0 && d->pages != nullptr) {
        int32_t page = shell_int_at(block, d->page_field);
        if (page < 1 || page > d->page_count) page = 1;
        for (int32_t i = 0; i < d->item_count; ++i) {
            const KShellItem& desc = d->items[i];
            if (desc.page == 0 || desc.page == page) continue;
            if (KADMItem item = created_item(dialog, i)) gADMItemSuite->show(item, 0);
        }
    }
    // OK stays usable through the dialog manager (Return ends with item 1).
    if (KADMItem ok = shell_dialog_item(dialog, kADMOKItem)) gADMItemSuite->enable(ok, 0);
    // Collecting frees a list still held, so none is lost; the result is
    // not needed here (the generation collects again when there is none).
    if (kShellDeliverable.has_selection_list) shell_selection_collect();
    shell_dialog_refresh(dialog, block);
    return kNoErr;
}

void shell_apply_notify(KADMItem item, KADMNotifier notifier) {
    gADMItemSuite->default_notify(item, notifier);
    KADMDialog dialog = dialog_of(item);
    void* block = shell_dialog_block(dialog);
    if (block == nullptr) return;
    const KShellDialog* d = description();
    *shell_go_flag(block) = 0;
    if (KADMItem preview = shell_dialog_item(dialog, d->preview_item)) {
        gADMItemSuite->get_boolean_value(preview, shell_int_field(block, d->preview_field));
    }
    if (d->apply_skips_position == 0) shell_dialog_save_position(dialog, block);
    read_items(dialog, block);
    if (d->after_read != nullptr) d->after_read(dialog, block);
    if (d->enable_rules != nullptr) d->enable_rules(dialog, block);
    if (shell_int_at(block, d->preview_field) == 1) {
        *shell_preview_flag(block) = 1;
        kShellDeliverable.generate(block);  // a preview's code is not shown
    } else {
        *shell_preview_flag(block) = 0;
    }
}

void shell_presets_notify(KADMItem item, KADMNotifier notifier) {
    KADMDialog dialog = dialog_of(item);
    void* block = shell_dialog_block(dialog);
    const int32_t fallback = block != nullptr ? shell_int_at(block, description()->preset_field) : 0;
    // The chosen entry is read after the default handling, inside the step.
    gADMItemSuite->default_notify(item, notifier);
    const int32_t id = shell_popup_chosen_id(item, fallback);
    if (block == nullptr) return;
    apply_preset(block, id);
    shell_dialog_write_items(dialog, block);
    shell_dialog_refresh(dialog, block);
}

void shell_tumble_notify(KADMItem item, KADMNotifier notifier) { change_and_show(item, notifier, tumble, 0); }

void shell_view_zoom_notify(KADMItem item, KADMNotifier) {
    void* block = shell_item_block(item);
    if (block == nullptr) return;
    KReal* zoom = shell_real_field(block, description()->view_zoom_field);
    gADMItemSuite->get_float_value(item, zoom);
    KDocumentViewHandle view = nullptr;
    if (gDocumentViewSuite == nullptr || gDocumentViewSuite->get_nth_document_view(0, &view) != kNoErr) return;
    gDocumentViewSuite->set_document_view_zoom(view, *zoom * 0.01f);
}

void shell_ok_notify(KADMItem item, KADMNotifier notifier) {
    gADMItemSuite->default_notify(item, notifier);
    KADMDialog dialog = dialog_of(item);
    if (void* block = shell_dialog_block(dialog)) shell_dialog_save_position(dialog, block);
}

void shell_page_notify(KADMItem item, KADMNotifier) {
    const KShellDialog* d = description();
    KADMDialog dialog = dialog_of(item);
    void* block = shell_dialog_block(dialog);
    if (block == nullptr) return;
    for (int32_t p = 0; p < d->page_count; ++p) {
        if (shell_dialog_item(dialog, d->pages[p].button) == item) {
            shell_dialog_show_page(dialog, block, p + 1);
            return;
        }
    }
}

KReal shell_drag_value(const KShellItem* button, KReal x, KReal y) {
    const KReal v = button->drag_axis == kKitAxisY ? y : x;
    switch (button->drag_form) {
        case kKitDragIntTrunc: {
            KReal product = v * button->drag_b;
            // Held to the 32-bit range so that the cut toward zero is defined.
            if (!(product > -2.0e9f)) product = -2.0e9f;
            if (product > 2.0e9f) product = 2.0e9f;
            return static_cast<KReal>(static_cast<int32_t>(button->drag_a) - static_cast<int32_t>(std::trunc(product)));
        }
        case kKitDragRealOffset: return button->drag_a - v * button->drag_b;
        case kKitDragRealScale: return v * button->drag_b;
        case kKitDragCustom: return button->drag_formula != nullptr ? button->drag_formula(x, y) : 0.0f;
        default: return 0.0f;
    }
}

KBool shell_drag_track(KADMItem item, KADMTracker tracker) {
    KADMDialog dialog = dialog_of(item);
    void* block = shell_dialog_block(dialog);
    if (block == nullptr) return 1;
    uint32_t modifiers = 0;
    gADMTrackerSuite->get_modifiers(nullptr, &modifiers);
    int32_t id = 0;
    gADMItemSuite->get_id(item, &id);
    const KShellItem* button = table_item(id);
    if ((modifiers & kADMButtonDownModifier) != 0 && button != nullptr && button->drag_form != kKitDragNone) {
        gADMItemSuite->default_track(item, tracker);
        KIntPoint point{};
        gADMTrackerSuite->get_point(tracker, &point);
        KDocumentViewHandle view = nullptr;
        KRealPoint artwork{};
        if (gDocumentViewSuite != nullptr && gDocumentViewSuite->get_nth_document_view(0, &view) == kNoErr &&
            gDocumentViewSuite->view_point_to_artwork_point(view, &point, &artwork) == kNoErr) {
            const KReal value = shell_drag_value(button, artwork.h, artwork.v);
            const KShellItem* driven = table_item(button->drives);
            KADMItem target = shell_dialog_item(dialog, button->drives);
            if (driven != nullptr && driven->field >= 0 && target != nullptr) {
                if (driven->field_kind == kKitFieldInt) {
                    *shell_int_field(block, driven->field) = static_cast<int32_t>(value);
                    gADMItemSuite->set_int_value(target, static_cast<int32_t>(value));
                } else {
                    *shell_real_field(block, driven->field) = value;
                    gADMItemSuite->set_float_value(target, value);
                }
            }
        }
    }
    shell_dialog_refresh(dialog, block);
    return 1;
}
