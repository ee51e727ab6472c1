// ziggurat_dialog.cpp: the settings dialog of TK57_Ziggurat as a table for
// the dialog kit: three pages ("Base", "Floors", "Settings") chosen with
// picture buttons, the two spacing-rule popups, the drag buttons' formulas
// and the enable rules of the shadow options and of the linked floor gap.
#include "filters/ziggurat/ziggurat_dialog.h"

#include <cstddef>

#include "filters/ziggurat/ziggurat_parameters.h"

namespace {

// Item ids.
enum {
    kPreviewItem = 3,
    kBlocksItem = 5,
    kBlockGapItem = 6,
    kReduceItem = 7,
    kFloorGapItem = 8,
    kViewZoomItem = 9,
    kBlockMethodItem = 20,
    kFloorMethodItem = 21,
    kPresetsItem = 22,
    kFirstSettingItem = 30,
    kShadowDirectionItem = 41,
    kShadowOpacityItem = 42,
    kHalfFillShadowItem = 43,
    kShadowScalingItem = 44,
    kBaseButton = 60,
    kFloorsButton = 61,
    kSettingsButton = 62,
    kBaseCaption = 63,
    kFloorsCaption = 64,
    kSettingsCaption = 65
};

// Pages of the dialog.
enum { kBasePage = 1, kFloorsPage = 2, kSettingsPage = 3 };

// Field index of a member of the block (32-bit fields counted from 0).
#define FIELD_OF(member) static_cast<int32_t>(offsetof(ZigguratParameters, member) / 4)
#define FIELD(member, kind) FIELD_OF(member), (kind)
#define NO_FIELD -1, kKitFieldNone
#define NO_DRAG 0, kKitDragNone, kKitAxisX, 0.0f, 0.0f, nullptr
// A check box of the settings page.
#define SETTING(id, l, t, r, b, text, member)                                                                    \
    {(id), kKitCheckBox, {(l), (t), (r), (b)}, (text), 0, 0, 0, FIELD(member, kKitFieldBool), kKitNotifyApply, \
     nullptr, kSettingsPage, NO_DRAG}
// A picture button that drags the value of spin edit `drives`.
#define DRAG(id, l, t, r, b, page, drives, form, axis, a, bb)                                              \
    {(id), kKitDragButton, {(l), (t), (r), (b)}, nullptr, 0, 0, 0, NO_FIELD, kKitNotifyNone, nullptr, (page), \
     (drives), (form), (axis), (a), (bb), nullptr}
// A text or picture item on every page with no field.
#define FIXED(id, type, l, t, r, b, text, notify) \
    {(id), (type), {(l), (t), (r), (b)}, (text), 0, 0, 0, NO_FIELD, (notify), nullptr, 0, NO_DRAG}

constexpr KReal kThird = 0.33333334f;
constexpr KReal kTenth = -0.1f;

const KShellItem kItems[] = {
    {kBlocksItem, kKitIntSpinEdit, {180, 70, 240, 90}, nullptr, 1, 100, 0, FIELD(blocks, kKitFieldInt),
     kKitNotifyApply, nullptr, kBasePage, NO_DRAG},
    {kBlockGapItem, kKitRealSpinEdit, {180, 92, 240, 112}, nullptr, -1000, 1000, 2, FIELD(block_gap, kKitFieldReal),
     kKitNotifyApply, nullptr, kBasePage, NO_DRAG},
    {kViewZoomItem, kKitViewZoomSpinEdit, {340, 195, 400, 215}, nullptr, 1, 500, 2, NO_FIELD, kKitNotifyViewZoom,
     nullptr, 0, NO_DRAG},
    {kReduceItem, kKitIntSpinEdit, {180, 70, 240, 90}, nullptr, 1, 50, 0, FIELD(reduce, kKitFieldInt),
     kKitNotifyApply, nullptr, kFloorsPage, NO_DRAG},
    {kFloorGapItem, kKitRealSpinEdit, {180, 92, 240, 112}, nullptr, -1000, 1000, 2, FIELD(floor_gap, kKitFieldReal),
     kKitNotifyApply, nullptr, kFloorsPage, NO_DRAG},
    {70, kKitLabel, {10, 70, 178, 90}, "Blocks", 0, 0, 0, NO_FIELD, kKitNotifyNone, nullptr, kBasePage, NO_DRAG},
    {72, kKitLabel, {10, 70, 178, 90}, "Reduce", 0, 0, 0, NO_FIELD, kKitNotifyNone, nullptr, kFloorsPage, NO_DRAG},
    {kPreviewItem, kKitCheckBox, {320, 130, 400, 144}, "Preview", 0, 0, 0, FIELD(preview, kKitFieldBool),
     kKitNotifyApply, nullptr, 0, NO_DRAG},
    SETTING(30, 10, 70, 160, 84, "Fill [R]", fill),
    SETTING(31, 10, 87, 160, 101, "Stroke [R]", stroke),
    SETTING(32, 10, 104, 160, 118, "Width [R]", width),
    SETTING(33, 10, 121, 160, 135, "Opacity [R]", opacity),
    SETTING(34, 10, 138, 160, 152, "Blend [R]", blend),
    SETTING(37, 10, 155, 160, 169, "Link gap", link_gap),
    SETTING(38, 10, 172, 160, 186, "Fill swatches [R]", fill_swatches),
    SETTING(39, 10, 189, 160, 203, "Stroke swatches [R]", stroke_swatches),
    SETTING(35, 161, 70, 310, 84, "Warp [R]", warp),
    SETTING(36, 161, 87, 310, 101, "Alternate", alternate),
    SETTING(40, 161, 104, 310, 118, "Drop shadow", drop_shadow),
    SETTING(kShadowDirectionItem, 161, 121, 310, 135, "Shadow direction [R]", shadow_direction),
    SETTING(kShadowOpacityItem, 161, 138, 310, 152, "Shadow opacity [R]", shadow_opacity),
    SETTING(kHalfFillShadowItem, 161, 155, 310, 169, "Half fill shadow", half_fill_shadow),
    SETTING(kShadowScalingItem, 161, 172, 310, 186, "Shadow scaling [R]", shadow_scaling),
    FIXED(kADMOKItem, kKitTextButton, 320, 10, 400, 30, "OK", kKitNotifyOK),
    FIXED(kADMCancelItem, kKitTextButton, 320, 40, 400, 60, "Cancel", kKitNotifyNone),
    FIXED(50, kKitTextButton, 320, 70, 400, 90, "Shuffle", kKitNotifyApply),
    FIXED(51, kKitTextButton, 320, 100, 400, 120, "Tumble", kKitNotifyTumble),
    // The apply notifier does not read the preset back: the presets
    // notifier keeps it.
    FIXED(kPresetsItem, kKitPresetsPopup, 320, 155, 400, 175, nullptr, kKitNotifyPresets),
    {kBlockMethodItem, kKitPopup, {10, 92, 178, 112}, nullptr, 0, 0, 0, FIELD(block_gap_method, kKitFieldPopup),
     kKitNotifyApply, nullptr, kBasePage, NO_DRAG},
    {kFloorMethodItem, kKitPopup, {10, 92, 178, 112}, nullptr, 0, 0, 0, FIELD(floor_gap_method, kKitFieldPopup),
     kKitNotifyApply, nullptr, kFloorsPage, NO_DRAG},
    DRAG(90, 250, 70, 270, 90, kBasePage, kBlocksItem, kKitDragIntTrunc, kKitAxisX, 1.0f, kTenth),
    DRAG(91, 250, 92, 270, 112, kBasePage, kBlockGapItem, kKitDragRealScale, kKitAxisX, 0.0f, kThird),
    DRAG(92, 250, 70, 270, 90, kFloorsPage, kReduceItem, kKitDragIntTrunc, kKitAxisY, 1.0f, kTenth),
    DRAG(93, 250, 92, 270, 112, kFloorsPage, kFloorGapItem, kKitDragRealScale, kKitAxisY, 0.0f, kThird),
    FIXED(kBaseButton, kKitPageButton, 10, 5, 60, 35, nullptr, kKitNotifyPage),
    FIXED(kFloorsButton, kKitPageButton, 80, 5, 130, 35, nullptr, kKitNotifyPage),
    FIXED(kSettingsButton, kKitPageButton, 150, 5, 200, 35, nullptr, kKitNotifyPage),
    FIXED(kBaseCaption, kKitLabel, 17, 40, 77, 55, "Base", kKitNotifyNone),
    FIXED(kFloorsCaption, kKitLabel, 83, 40, 149, 55, "Floors", kKitNotifyNone),
    FIXED(kSettingsCaption, kKitLabel, 155, 40, 230, 55, "Settings", kKitNotifyNone),
};

// Each page: its button, its caption and the first value item, which the
// kit notifies (then the button) after a notifier changed values.
const KShellPage kPages[] = {
    {kBaseButton, kBaseCaption, kBlocksItem},
    {kFloorsButton, kFloorsCaption, kReduceItem},
    {kSettingsButton, kSettingsCaption, kFirstSettingItem},
};

// The popups in the order they are filled: floor rules, block rules,
// presets.
const KShellPopup kPopups[] = {
    {kFloorMethodItem, kZigguratFloorMethodNames, kZigguratMethodCount, FIELD_OF(floor_gap_method)},
    {kBlockMethodItem, kZigguratBlockMethodNames, kZigguratMethodCount, FIELD_OF(block_gap_method)},
    {kPresetsItem, kZigguratPresetNames, kZigguratPresetCount, FIELD_OF(preset)},
};

#undef SETTING
#undef DRAG
#undef FIXED
#undef NO_DRAG
#undef NO_FIELD
#undef FIELD
#undef FIELD_OF

void enable(KADMDialog dialog, int32_t id, bool on) {
    if (KADMItem item = shell_dialog_item(dialog, id)) gADMItemSuite->enable(item, on ? 1 : 0);
}

// The shadow options mean nothing without a shadow; with the gap linked the
// floors take the block rule and gap, so the floor ones are not used.
void enable_rules(KADMDialog dialog, const void* block) {
    const ZigguratParameters* p = static_cast<const ZigguratParameters*>(block);
    const bool shadow = p->drop_shadow == 1;
    enable(dialog, kShadowDirectionItem, shadow);
    enable(dialog, kShadowOpacityItem, shadow);
    enable(dialog, kShadowScalingItem, shadow);
    enable(dialog, kHalfFillShadowItem, shadow);
    const bool own_floor_gap = p->link_gap != 1;
    enable(dialog, kFloorMethodItem, own_floor_gap);
    enable(dialog, kFloorGapItem, own_floor_gap);
}

}  // namespace

const KShellDialog kZigguratDialog = {
    410,
    220,
    kItems,
    static_cast<int32_t>(sizeof kItems / sizeof kItems[0]),
    kZigguratPresetNames,
    kZigguratPresetCount,
    kPreviewItem,
    kZigguratFieldPreview,
    kZigguratFieldPreset,
    kZigguratFieldViewZoom,
    kZigguratFieldPage,
    kZigguratFieldDialogLeft,
    kBlocksItem,
    kPages,
    static_cast<int32_t>(sizeof kPages / sizeof kPages[0]),
    ziggurat_apply_preset,
    ziggurat_tumble,
    enable_rules,
    kPopups,
    static_cast<int32_t>(sizeof kPopups / sizeof kPopups[0]),
    0,
    nullptr,
    nullptr,
    nullptr,
    nullptr,
};
