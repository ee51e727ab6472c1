// dialog_model.cpp: type names and the value rules of dialog items.
#include "host/adm/dialog_model.hpp"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>

namespace kestrel::host {
namespace {

struct KindName {
    ItemKind kind;
    const char* name;
};

constexpr KindName kKindNames[] = {
    {ItemKind::SpinEdit, kADMSpinEditType},
    {ItemKind::TextStatic, kADMTextStaticType},
    {ItemKind::CheckBox, kADMTextCheckBoxType},
    {ItemKind::PopupList, kADMPopupListType},
    {ItemKind::PicturePushButton, kADMPicturePushButtonType},
    {ItemKind::TextPushButton, kADMTextPushButtonType},
};

}  // namespace

std::optional<ItemKind> item_kind_from_type_name(std::string_view type_name) {
    for (const KindName& k : kKindNames) {
        if (type_name == k.name) return k.kind;
    }
    return std::nullopt;
}

const char* type_name_of(ItemKind kind) {
    for (const KindName& k : kKindNames) {
        if (k.kind == kind) return k.name;
    }
    return "ADM Frame Type";
}

bool is_push_button(ItemKind kind) {
    return kind == ItemKind::TextPushButton || kind == ItemKind::PicturePushButton;
}

void Item::set_value(double v) {
    if (min && v < *min) v = *min;
    if (max && v > *max) v = *max;
    value = v;
}

void Item::set_typed_value(double v) { set_value(round_to_decimals(v, real ? precision : 0)); }

void Item::set_min(double v) {
    min = v;
    if (max && *max < v) max = v;
    set_value(value);
}

void Item::set_max(double v) {
    max = v;
    if (min && *min > v) min = v;
    set_value(value);
}

std::int32_t Item::int_value() const {
    if (std::isnan(value)) return 0;
    const double t = std::trunc(value);
    if (t <= static_cast<double>(std::numeric_limits<std::int32_t>::min())) return std::numeric_limits<std::int32_t>::min();
    if (t >= static_cast<double>(std::numeric_limits<std::int32_t>::max())) return std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(t);
}

int Item::selected_index() const {
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (entries[i]->selected) return static_cast<int>(i);
    }
    return -1;
}

void Item::select_only(std::size_t index) {
    for (std::size_t i = 0; i < entries.size(); ++i) entries[i]->selected = (i == index);
}

Item* Dialog::find_item(std::int32_t item_id) const {
    for (const auto& item : items) {
        if (item->id == item_id) return item.get();
    }
    return nullptr;
}

double round_to_decimals(double v, int decimals) {
    if (!std::isfinite(v)) return v;
    const double scale = std::pow(10.0, decimals);
    const double scaled = v * scale;
    // A typed decimal such as 12.345 is a hair below the half in binary; a
    // relative nudge of a few ulps lets it round the way it reads.
    const double nudged = scaled + std::copysign(std::fabs(scaled) * 4 * std::numeric_limits<double>::epsilon(), scaled);
    return std::round(nudged) / scale;
}

}  // namespace kestrel::host
