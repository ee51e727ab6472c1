// dialog_state.cpp: dialogs and items as JSON.
#include "host/adm/dialog_state.hpp"

namespace kestrel::host {
namespace {

nlohmann::json rect_json(const KIntRect& r) { return nlohmann::json::array({r.left, r.top, r.right, r.bottom}); }

// A number as the item holds it: a real for a real item, else an integer
// (cut toward zero, as get_int_value answers).
nlohmann::json number_json(const Item& item, double v) {
    if (item.real) return v;
    Item probe;
    probe.value = v;
    return probe.int_value();
}

nlohmann::json range_end_json(const Item& item, const std::optional<double>& end) {
    if (!end) return nullptr;
    return number_json(item, *end);
}

}  // namespace

nlohmann::json item_state(const Item& item) {
    nlohmann::json j;
    j["id"] = item.id;
    j["type"] = type_name_of(item.kind);
    j["rect"] = rect_json(item.rect);
    j["text"] = item.text;
    if (item.kind == ItemKind::CheckBox) {
        j["value"] = item.value != 0;
    } else {
        j["value"] = number_json(item, item.value);
    }
    j["min"] = range_end_json(item, item.min);
    j["max"] = range_end_json(item, item.max);
    j["precision"] = item.precision;
    j["units"] = item.units;
    j["visible"] = item.visible;
    j["enabled"] = item.enabled;
    j["font"] = item.font;
    if (item.kind == ItemKind::PopupList) {
        nlohmann::json entries = nlohmann::json::array();
        for (const auto& e : item.entries) entries.push_back({{"text", e->text}, {"id", e->id}});
        j["entries"] = std::move(entries);
        j["selected"] = item.selected_index();
    }
    return j;
}

nlohmann::json dialog_state(const Dialog& dialog) {
    nlohmann::json items = nlohmann::json::array();
    for (const auto& item : dialog.items) items.push_back(item_state(*item));
    return {{"dialog", dialog.name}, {"bounds", rect_json(dialog.bounds)}, {"items", std::move(items)}};
}

}  // namespace kestrel::host
