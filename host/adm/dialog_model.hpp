// dialog_model.hpp: the dialog manager's item model: dialogs, their items,
// popup entries, notifiers and trackers, with the value rules (ranges,
// clamping, precision) that every item follows.
//
// The DialogManager owns these records; the ADM suites reach them through
// checked handles. Records never move while their dialog is open.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "adm.h"

namespace kestrel::host {

// What an item is. The first six are created by type name; a frame only
// comes from a dialog resource.
enum class ItemKind { SpinEdit, TextStatic, CheckBox, PopupList, PicturePushButton, TextPushButton, Frame };

// The kind for an ADM type name ("ADM Spin Edit Type"), none for an unknown one.
std::optional<ItemKind> item_kind_from_type_name(std::string_view type_name);
// The type name of a kind; a frame is "ADM Frame Type".
const char* type_name_of(ItemKind kind);
bool is_push_button(ItemKind kind);

struct Dialog;
struct Item;

// One entry of a popup list.
struct Entry {
    Item* popup = nullptr;     // the popup that holds it
    std::string text;          // as the popup shows it
    std::int32_t id = 0;       // the plug-in's entry id
    bool selected = false;     // the chosen entry (at most one per popup)
    KADMEntry handle = nullptr;
};

struct Item {
    Dialog* dialog = nullptr;  // the dialog that holds the item
    std::int32_t id = 0;       // ids may repeat within a dialog
    ItemKind kind = ItemKind::TextStatic;
    KIntRect rect{};           // left, top, right, bottom, dialog coordinates
    std::string text;
    double value = 0;          // number held; 0 or 1 for a check box
    bool real = false;         // a real (not integer) value: set by the real setters
    std::optional<double> min; // range; none: unbounded
    std::optional<double> max;
    std::int32_t precision = 0; // decimals of a real value
    std::int32_t units = 0;     // unit code, 0 none
    std::int32_t font = 0;      // font code, 0 plain, 5 chosen page caption
    bool visible = true;
    bool enabled = true;
    KADMItemNotifyProc notify_proc = nullptr;
    KADMItemTrackProc track_proc = nullptr;
    std::vector<std::unique_ptr<Entry>> entries; // popups only, in list order
    KADMItem handle = nullptr;
    KADMList list = nullptr;   // popups only

    // Clamp to the range and store.
    void set_value(double v);
    // A typed-in value: rounded to the item's decimals (none for an integer
    // item), then clamped.
    void set_typed_value(double v);
    // Set one end of the range; the other end follows when they would cross,
    // and the value held is clamped to the new range.
    void set_min(double v);
    void set_max(double v);
    // The value cut toward zero and held to the 32-bit range.
    std::int32_t int_value() const;
    // Index of the selected entry, -1 when none.
    int selected_index() const;
    // Select exactly the entry at index (others lose their selection).
    void select_only(std::size_t index);
};

// A notification in flight or done: the item it is for and its type name.
struct Notifier {
    Item* item = nullptr;
    std::string type;          // "ADM User Changed Notifier", ...
    KADMNotifier handle = nullptr;
};

// The pointer state of one tracking.
struct TrackState {
    KIntPoint point{};         // first document view, pixels, y down
    std::uint32_t modifiers = 0; // kADMButtonDownModifier when the button is held
    KADMTracker handle = nullptr;
};

struct Dialog {
    std::string name;          // as passed to modal
    int resource_id = 0;
    std::string caption;       // from the resource
    KIntRect bounds{};         // left, top, right, bottom, screen coordinates
    void* user_data = nullptr; // the caller's
    KADMDialog handle = nullptr;
    std::vector<std::unique_ptr<Item>> items;          // creation order
    std::vector<std::unique_ptr<Notifier>> notifiers;  // every notification sent
    std::vector<std::unique_ptr<TrackState>> trackers; // every tracking run
    bool ended = false;        // the modal loop is to stop
    std::int32_t ended_with = 0; // the item id that ended it

    // The first item with that id, null when none.
    Item* find_item(std::int32_t item_id) const;
};

// v rounded half away from zero to decimals places; a value that lies on a
// half in decimal (12.345 at 2) rounds away even when its binary form is a
// hair below.
double round_to_decimals(double v, int decimals);

}  // namespace kestrel::host
