// dialog_state.hpp: a dialog's state as JSON, for recording what a headless
// dialog showed after its init proc and after each event.
//
//   {"dialog": name, "bounds": [l, t, r, b], "items": [{"id", "type", "rect",
//    "text", "value", "min", "max", "precision", "units", "visible",
//    "enabled", "font"} ...]}
// Popups add "entries": [{"text", "id"}] and "selected" (index or -1).
// Values are JSON integers for integer items, reals for real items and
// booleans for check boxes; an end of a range never set is null.
#pragma once

#include <nlohmann/json.hpp>

#include "host/adm/dialog_model.hpp"

namespace kestrel::host {

nlohmann::json dialog_state(const Dialog& dialog);
nlohmann::json item_state(const Item& item);

}  // namespace kestrel::host
