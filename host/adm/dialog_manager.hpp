// dialog_manager.hpp: the host's headless dialog manager behind the eight
// ADM suites. Dialogs run without a screen: the About box and the error
// dialog close at once, every other modal dialog plays the next script of
// user events (see event_script.hpp) and records what it showed.
//
//   host.dialogs().push_script("set 4 30; check 3 1; ok");
//   host.plugins().get_parameters(*filter);       // the dialog plays the script
//   if (auto error = host.dialogs().take_error()) ...;
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include <nlohmann/json.hpp>

#include "adm.h"
#include "host/adm/dialog_model.hpp"
#include "host/core/handle_table.hpp"

namespace kestrel::host {

class Host;
struct Resources;
struct ScriptEvent;

// Resource ids of the dialogs shown headless, without a script.
constexpr int kAboutDialogResource = 16050;
constexpr int kErrorDialogResource = 16051;

class DialogManager {
public:
    explicit DialogManager(Host& host);
    ~DialogManager();
    DialogManager(const DialogManager&) = delete;
    DialogManager& operator=(const DialogManager&) = delete;

    // Events for the next settings dialog (any modal dialog other than the
    // About box 16050 and the error dialog 16051): one script per opening, in order.
    void push_script(std::string events);
    std::size_t scripts_left() const;
    // Record every item's state after the init proc and after each event.
    void set_state_recording(bool on);
    const nlohmann::json& recorded_states() const;  // a JSON array, one entry per record
    // The error of the last dialog's script (unknown, hidden or disabled item,
    // bad syntax, events exhausted while open), cleared by taking it.
    std::optional<std::string> take_error();

    // Every modal dialog shown so far, in the order they opened (About and error dialogs too).
    struct ShownDialog {
        std::string name;            // the name passed to modal ("About Dialog", "Error Dialog", "TK57_Wanderlust")
        int resource_id = 0;
        std::string caption;         // from the resource
        std::vector<std::pair<int, std::string>> item_texts; // id and text of every item when it closed
        int ended_with = 0;          // the item id that ended it
    };
    const std::vector<ShownDialog>& shown() const;
    const std::vector<std::string>& alerts() const;  // texts given to error_alert

    // Where a plug-in's resources come from (default: the loaded plug-in's
    // resources; tests can give their own). The provider answers null for an
    // unknown plug-in.
    void set_resource_provider(std::function<const Resources*(KPluginRef)> provider);
    // Called as a settings dialog opens, before its init proc runs, with the
    // plug-in and the dialog's user data (the parameter block): the
    // command-line host types its --set values in here.
    void set_before_init(std::function<void(KPluginRef, void*)> hook);
    int open_dialogs() const;  // modal dialogs open now (they nest)

    // ---- Used by the ADM suite functions --------------------------------
    // Each lookup throws HostError(kBadParameterErr) for a null, stale or
    // foreign handle.
    Dialog& dialog(KADMDialog handle) const;
    Item& item(KADMItem handle) const;
    Item& popup(KADMList handle) const;
    Entry& entry(KADMEntry handle) const;
    Notifier& notifier(KADMNotifier handle) const;
    // The tracker's state; a null handle means the current tracking.
    TrackState tracking(KADMTracker handle) const;

    // The plug-in's resources; throws kBadParameterErr when there are none.
    const Resources& resources_of(KPluginRef self) const;
    void add_alert(std::string text);

    // Run a modal dialog to its end; answers the item id that ended it.
    // Throws kBadParameterErr for an unknown resource. An init proc that
    // fails ends the dialog with 2 at once; its code goes to init_result.
    std::int32_t run_modal(KPluginRef self, std::string name, int resource_id, KADMDialogInitProc init,
                           void* user_data, KResult& init_result);
    Item& create_item(Dialog& dialog, std::int32_t item_id, ItemKind kind, const KIntRect& rect);
    Entry& insert_entry(Item& popup, std::size_t index);
    // Run the item's notify proc with a notifier of that type, or the
    // default handling when it has none.
    void notify(Item& item, std::string_view notifier_type);
    // OK and Cancel end their dialog with their id; other items do nothing.
    void default_notify(Item& item);
    // End the modal loop of a dialog; the first end counts.
    void end_modal(Dialog& dialog, std::int32_t item_id);

private:
    void close_headless(Dialog& d);
    void play_script(Dialog& d, std::optional<std::string> script);
    void apply_event(Dialog& d, const ScriptEvent& e);
    Item& event_target(Dialog& d, const ScriptEvent& e) const;
    void track(Item& item, KIntPoint point, std::uint32_t modifiers);
    void record_state(const Dialog& d, const std::string* event);
    void close(Dialog& d);
    KIntPoint artwork_to_view(double x, double y) const;

    Host& host_;
    std::function<const Resources*(KPluginRef)> provider_;
    std::function<void(KPluginRef, void*)> before_init_;
    std::deque<std::string> scripts_;
    bool recording_ = false;
    nlohmann::json states_ = nlohmann::json::array();
    std::optional<std::string> error_;
    std::vector<ShownDialog> shown_;
    std::vector<std::string> alerts_;

    std::vector<std::unique_ptr<Dialog>> open_;  // innermost last
    std::vector<TrackState*> tracking_;          // trackings in progress, innermost last
    KIntPoint last_point_{};                     // where the pointer was last

    HandleTable<Dialog> dialog_handles_{0xA1};
    HandleTable<Item> item_handles_{0xA2};
    HandleTable<Item> list_handles_{0xA3};
    HandleTable<Entry> entry_handles_{0xA4};
    HandleTable<Notifier> notifier_handles_{0xA5};
    HandleTable<TrackState> tracker_handles_{0xA6};
};

}  // namespace kestrel::host
