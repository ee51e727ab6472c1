// dialog_manager.cpp: modal dialogs without a screen: building a dialog from
// its resource, the init proc, the headless close of the About and error
// dialogs, the scripted modal loop, notification and tracking.
//
// Plug-in code (init, notify and track procs) may re-enter the host and
// open nested dialogs, which add to open_; records are reached through
// stable pointers (each is its own allocation), never through iterators
// kept across a call into the plug-in.
#include "host/adm/dialog_manager.hpp"

#include <algorithm>

#include "host/adm/dialog_state.hpp"
#include "host/adm/event_script.hpp"
#include "host/core/call_guard.hpp"
#include "host/document/document.hpp"
#include "host/plugins/plugin_manager.hpp"
#include "host/plugins/resources.hpp"

namespace kestrel::host {
namespace {

template <class T, class H>
T& checked(const HandleTable<T>& table, H handle, const char* what) {
    T* object = table.get(handle);
    if (object == nullptr) fail(kBadParameterErr, std::string(handle == nullptr ? "null " : "stale or foreign ") + what);
    return *object;
}

ItemKind kind_from_resource(const std::string& kind) {
    if (kind == "button") return ItemKind::TextPushButton;
    if (kind == "frame") return ItemKind::Frame;
    return ItemKind::TextStatic;
}

// A button text without its mnemonic marks: "&OK" answers to "OK".
std::string without_mnemonic(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c != '&') out += c;
    }
    return out;
}

std::string item_name(const Item& item) { return "item " + std::to_string(item.id); }

[[noreturn]] void event_error(const ScriptEvent& e, const std::string& why) {
    throw ScriptError("event \"" + e.text + "\": " + why);
}

}  // namespace

DialogManager::DialogManager(Host& host) : host_(host) {}

DialogManager::~DialogManager() = default;

void DialogManager::push_script(std::string events) { scripts_.push_back(std::move(events)); }

std::size_t DialogManager::scripts_left() const { return scripts_.size(); }

void DialogManager::set_state_recording(bool on) { recording_ = on; }

const nlohmann::json& DialogManager::recorded_states() const { return states_; }

std::optional<std::string> DialogManager::take_error() { return std::exchange(error_, std::nullopt); }

const std::vector<DialogManager::ShownDialog>& DialogManager::shown() const { return shown_; }

const std::vector<std::string>& DialogManager::alerts() const { return alerts_; }

void DialogManager::set_resource_provider(std::function<const Resources*(KPluginRef)> provider) {
    provider_ = std::move(provider);
}

int DialogManager::open_dialogs() const { return static_cast<int>(open_.size()); }

Dialog& DialogManager::dialog(KADMDialog handle) const { return checked(dialog_handles_, handle, "dialog"); }

Item& DialogManager::item(KADMItem handle) const { return checked(item_handles_, handle, "item"); }

Item& DialogManager::popup(KADMList handle) const { return checked(list_handles_, handle, "list"); }

Entry& DialogManager::entry(KADMEntry handle) const { return checked(entry_handles_, handle, "entry"); }

Notifier& DialogManager::notifier(KADMNotifier handle) const { return checked(notifier_handles_, handle, "notifier"); }

TrackState DialogManager::tracking(KADMTracker handle) const {
    if (handle != nullptr) return checked(tracker_handles_, handle, "tracker");
    if (!tracking_.empty()) return *tracking_.back();
    TrackState idle;
    idle.point = last_point_;
    return idle;
}

const Resources& DialogManager::resources_of(KPluginRef self) const {
    const Resources* resources = nullptr;
    if (provider_) {
        resources = provider_(self);
    } else if (Plugin* plugin = host_.plugins().find_plugin(self)) {
        resources = &plugin->resources;
    }
    if (resources == nullptr) fail(kBadParameterErr, "no resources for this plug-in");
    return *resources;
}

void DialogManager::add_alert(std::string text) { alerts_.push_back(std::move(text)); }

void DialogManager::set_before_init(std::function<void(KPluginRef, void*)> hook) { before_init_ = std::move(hook); }

std::int32_t DialogManager::run_modal(KPluginRef self, std::string name, int resource_id, KADMDialogInitProc init,
                                      void* user_data, KResult& init_result) {
    init_result = kNoErr;
    const DialogResource* found = resources_of(self).dialog(resource_id);
    if (found == nullptr) fail(kBadParameterErr, "no dialog resource " + std::to_string(resource_id));
    const DialogResource resource = *found;  // the provider's storage is not ours to hold on to

    auto owned = std::make_unique<Dialog>();
    Dialog* d = owned.get();
    d->name = std::move(name);
    d->resource_id = resource_id;
    d->caption = resource.caption;
    d->bounds = {100, 100, 100 + resource.width, 100 + resource.height};
    d->user_data = user_data;
    d->handle = dialog_handles_.make<KADMDialog>(d);
    open_.push_back(std::move(owned));

    // Whatever happens below, the dialog closes and its handles go stale.
    struct Closer {
        DialogManager* manager;
        Dialog* dialog;
        ~Closer() {
            if (dialog != nullptr) manager->close(*dialog);
        }
    } closer{this, d};

    for (const DialogItemResource& r : resource.items) {
        create_item(*d, r.id, kind_from_resource(r.kind), r.rect).text = r.text;
    }
    const std::size_t shown_index = shown_.size();
    shown_.push_back({d->name, resource_id, d->caption, {}, 0});

    const bool headless = resource_id == kAboutDialogResource || resource_id == kErrorDialogResource;
    std::optional<std::string> script;
    if (!headless && !scripts_.empty()) {
        script = std::move(scripts_.front());
        scripts_.pop_front();
    }

    if (!headless && before_init_) before_init_(self, user_data);
    if (init != nullptr) init_result = init(d->handle);
    if (init_result != kNoErr) {
        end_modal(*d, kADMCancelItem);
    } else if (headless) {
        close_headless(*d);
    } else {
        play_script(*d, std::move(script));
    }

    ShownDialog& shown = shown_[shown_index];
    for (const auto& item : d->items) shown.item_texts.emplace_back(item->id, item->text);
    shown.ended_with = d->ended_with;
    return d->ended_with;
}

void DialogManager::close_headless(Dialog& d) {
    if (Item* ok = d.find_item(kADMOKItem)) notify(*ok, kADMUserChangedNotifier);
    // Shown headless, the dialog closes at once even when item 1 is missing
    // or its notify proc leaves the dialog open.
    end_modal(d, kADMOKItem);
}

void DialogManager::play_script(Dialog& d, std::optional<std::string> script) {
    if (recording_) record_state(d, nullptr);
    if (!script) {
        error_ = "no events were given for the dialog \"" + d.name + "\"";
        end_modal(d, kADMCancelItem);
        return;
    }
    const std::vector<std::string> events = split_events(*script);
    for (const std::string& text : events) {
        if (d.ended) {
            // The dialog has its result; the events after it are a fault of
            // the script, reported without changing the result.
            error_ = "events left after the dialog closed: \"" + text + "\"";
            return;
        }
        try {
            apply_event(d, parse_event(text));
        } catch (const ScriptError& e) {
            error_ = e.what();
            end_modal(d, kADMCancelItem);
            return;
        }
        if (recording_) record_state(d, &text);
    }
    if (!d.ended) {
        error_ = "events ended while the dialog was open";
        end_modal(d, kADMCancelItem);
    }
}

Item& DialogManager::event_target(Dialog& d, const ScriptEvent& e) const {
    Item* target = nullptr;
    if (e.label) {
        for (const auto& item : d.items) {
            if (is_push_button(item->kind) && (item->text == *e.label || without_mnemonic(item->text) == *e.label)) {
                target = item.get();
                break;
            }
        }
        if (target == nullptr) event_error(e, "no push button \"" + *e.label + "\"");
    } else {
        target = d.find_item(e.item_id);
        if (target == nullptr) event_error(e, "no item " + std::to_string(e.item_id));
    }
    if (!target->visible) event_error(e, item_name(*target) + " is hidden");
    // The init procs disable OK and never enable it again, yet the user
    // confirms every dialog with it: item 1 stays usable.
    if (!target->enabled && target->id != kADMOKItem) event_error(e, item_name(*target) + " is disabled");
    return *target;
}

void DialogManager::apply_event(Dialog& d, const ScriptEvent& e) {
    using Kind = ScriptEvent::Kind;
    if (e.kind == Kind::Move) {
        const std::int32_t width = d.bounds.right - d.bounds.left;
        const std::int32_t height = d.bounds.bottom - d.bounds.top;
        d.bounds = {e.left, e.top, e.left + width, e.top + height};
        return;
    }
    Item& item = event_target(d, e);
    switch (e.kind) {
        case Kind::Set:
            if (item.kind != ItemKind::SpinEdit) event_error(e, item_name(item) + " is not a spin edit");
            item.set_typed_value(e.number);
            notify(item, kADMUserChangedNotifier);
            break;
        case Kind::Check:
            if (item.kind != ItemKind::CheckBox) event_error(e, item_name(item) + " is not a check box");
            item.value = e.number;
            notify(item, kADMUserChangedNotifier);
            break;
        case Kind::Choose:
            if (item.kind != ItemKind::PopupList) event_error(e, item_name(item) + " is not a popup");
            if (static_cast<std::size_t>(e.index) >= item.entries.size()) {
                event_error(e, item_name(item) + " has no entry " + std::to_string(e.index));
            }
            item.select_only(static_cast<std::size_t>(e.index));
            notify(item, kADMUserChangedNotifier);
            break;
        case Kind::Click:
        case Kind::Ok:
        case Kind::Cancel:
            if (!is_push_button(item.kind)) event_error(e, item_name(item) + " is not a push button");
            notify(item, kADMUserChangedNotifier);
            break;
        case Kind::Drag:
            track(item, artwork_to_view(e.x, e.y), kADMButtonDownModifier);
            break;
        case Kind::Hover:
            track(item, last_point_, 0);
            break;
        case Kind::Move:
            break;
    }
}

KIntPoint DialogManager::artwork_to_view(double x, double y) const {
    return host_.document().artwork_to_view(KRealPoint{static_cast<KReal>(x), static_cast<KReal>(y)});
}

Item& DialogManager::create_item(Dialog& d, std::int32_t item_id, ItemKind kind, const KIntRect& rect) {
    auto owned = std::make_unique<Item>();
    Item* item = owned.get();
    item->dialog = &d;
    item->id = item_id;
    item->kind = kind;
    item->rect = rect;
    d.items.push_back(std::move(owned));
    item->handle = item_handles_.make<KADMItem>(item);
    if (kind == ItemKind::PopupList) item->list = list_handles_.make<KADMList>(item);
    return *item;
}

Entry& DialogManager::insert_entry(Item& popup, std::size_t index) {
    if (index > popup.entries.size()) fail(kBadParameterErr, "entry index out of range");
    auto owned = std::make_unique<Entry>();
    Entry* entry = owned.get();
    entry->popup = &popup;
    popup.entries.insert(popup.entries.begin() + static_cast<std::ptrdiff_t>(index), std::move(owned));
    entry->handle = entry_handles_.make<KADMEntry>(entry);
    return *entry;
}

void DialogManager::notify(Item& item, std::string_view notifier_type) {
    auto owned = std::make_unique<Notifier>();
    owned->item = &item;
    owned->type = std::string(notifier_type);
    owned->handle = notifier_handles_.make<KADMNotifier>(owned.get());
    const KADMNotifier handle = owned->handle;
    item.dialog->notifiers.push_back(std::move(owned));
    if (KADMItemNotifyProc proc = item.notify_proc) {
        proc(item.handle, handle);  // plug-in code: item is not touched after it
    } else {
        default_notify(item);
    }
}

void DialogManager::default_notify(Item& item) {
    if (item.id == kADMOKItem || item.id == kADMCancelItem) end_modal(*item.dialog, item.id);
}

void DialogManager::end_modal(Dialog& d, std::int32_t item_id) {
    if (d.ended) return;
    d.ended = true;
    d.ended_with = item_id;
}

void DialogManager::track(Item& item, KIntPoint point, std::uint32_t modifiers) {
    auto owned = std::make_unique<TrackState>();
    TrackState* state = owned.get();
    state->point = point;
    state->modifiers = modifiers;
    state->handle = tracker_handles_.make<KADMTracker>(state);
    item.dialog->trackers.push_back(std::move(owned));
    last_point_ = point;

    struct Pop {
        std::vector<TrackState*>& stack;
        ~Pop() { stack.pop_back(); }
    } pop{tracking_};
    tracking_.push_back(state);
    // Without a track proc the default tracking has nothing to do headless.
    if (KADMItemTrackProc proc = item.track_proc) proc(item.handle, state->handle);
}

void DialogManager::record_state(const Dialog& d, const std::string* event) {
    nlohmann::json state = dialog_state(d);
    if (event != nullptr) state["event"] = *event;
    states_.push_back(std::move(state));
}

void DialogManager::close(Dialog& d) {
    for (const auto& item : d.items) {
        for (const auto& entry : item->entries) entry_handles_.release(entry->handle);
        if (item->list != nullptr) list_handles_.release(item->list);
        item_handles_.release(item->handle);
    }
    for (const auto& n : d.notifiers) notifier_handles_.release(n->handle);
    for (const auto& t : d.trackers) tracker_handles_.release(t->handle);
    dialog_handles_.release(d.handle);
    auto it = std::find_if(open_.begin(), open_.end(), [&](const auto& p) { return p.get() == &d; });
    if (it != open_.end()) open_.erase(it);
}

}  // namespace kestrel::host
