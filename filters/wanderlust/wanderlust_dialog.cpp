// wanderlust_dialog.cpp: the settings dialog of TK57_Wanderlust as a table
// for the dialog kit: one page, refresh item 4 (copies), the enable rule of
// the vertical jitter and the four drag buttons' formulas.
#include "filters/wanderlust/wanderlust_dialog.h"

#include "filters/wanderlust/wanderlust_parameters.h"

namespace {

// Item ids.
enum {
    kPreviewItem = 3,
    kCopiesItem = 4,
    kJitterXItem = 5,
    kJitterYItem = 6,
    kViewZoomItem = 7,
    kScaleStepItem = 8,
    kPresetsItem = 19
};

// Field, field kind and notify role of an item that shows a field.
#define FIELD(index, kind) (index), (kind)
#define NO_FIELD -1, kKitFieldNone
#define NO_DRAG 0, kKitDragNone, kKitAxisX, 0.0f, 0.0f, nullptr

const KShellItem kItems[] = {
    {kCopiesItem, kKitIntSpinEdit, {180, 20, 240, 40}, nullptr, 3, 2000, 0,
     FIELD(kWanderlustFieldCopies, kKitFieldInt), kKitNotifyApply, nullptr, 0, NO_DRAG},
    {kJitterXItem, kKitRealSpinEdit, {180, 42, 240, 62}, nullptr, -200, 200, 2,
     FIELD(kWanderlustFieldJitterX, kKitFieldReal), kKitNotifyApply, nullptr, 0, NO_DRAG},
    {kJitterYItem, kKitRealSpinEdit, {280, 42, 340, 62}, nullptr, -200, 200, 2,
     FIELD(kWanderlustFieldJitterY, kKitFieldReal), kKitNotifyApply, nullptr, 0, NO_DRAG},
    {kScaleStepItem, kKitRealSpinEdit, {180, 64, 240, 84}, nullptr, -130, 130, 2,
     FIELD(kWanderlustFieldScaleStep, kKitFieldReal), kKitNotifyApply, nullptr, 0, NO_DRAG},
    {kViewZoomItem, kKitViewZoomSpinEdit, {420, 195, 480, 215}, nullptr, 1, 500, 2,
     NO_FIELD, kKitNotifyViewZoom, nullptr, 0, NO_DRAG},
    {30, kKitLabel, {10, 20, 148, 40}, "Number of copies", 0, 0, 0, NO_FIELD, kKitNotifyNone, nullptr, 0, NO_DRAG},
    {31, kKitLabel, {10, 42, 148, 62}, "Jitter (p)", 0, 0, 0, NO_FIELD, kKitNotifyNone, nullptr, 0, NO_DRAG},
    {32, kKitLabel, {10, 64, 148, 84}, "Scale/copies (%)", 0, 0, 0, NO_FIELD, kKitNotifyNone, nullptr, 0, NO_DRAG},
    {kPreviewItem, kKitCheckBox, {400, 130, 480, 144}, "Preview", 0, 0, 0,
     FIELD(kWanderlustFieldPreview, kKitFieldBool), kKitNotifyApply, nullptr, 0, NO_DRAG},
    {10, kKitCheckBox, {10, 90, 340, 104}, "Fill [R]", 0, 0, 0,
     FIELD(kWanderlustFieldRandomFillColour, kKitFieldBool), kKitNotifyApply, nullptr, 0, NO_DRAG},
    {11, kKitCheckBox, {10, 107, 340, 121}, "Stroke [R]", 0, 0, 0,
     FIELD(kWanderlustFieldRandomStrokeColour, kKitFieldBool), kKitNotifyApply, nullptr, 0, NO_DRAG},
    {12, kKitCheckBox, {10, 124, 340, 138}, "Width [R]", 0, 0, 0,
     FIELD(kWanderlustFieldRandomWidth, kKitFieldBool), kKitNotifyApply, nullptr, 0, NO_DRAG},
    {13, kKitCheckBox, {10, 141, 340, 155}, "Fill swatches [R]", 0, 0, 0,
     FIELD(kWanderlustFieldRandomFillSwatch, kKitFieldBool), kKitNotifyApply, nullptr, 0, NO_DRAG},
    {14, kKitCheckBox, {10, 158, 340, 172}, "Stroke swatches [R]", 0, 0, 0,
     FIELD(kWanderlustFieldRandomStrokeSwatch, kKitFieldBool), kKitNotifyApply, nullptr, 0, NO_DRAG},
    {15, kKitCheckBox, {10, 175, 340, 189}, "Direction [R]", 0, 0, 0,
     FIELD(kWanderlustFieldRandomDirection, kKitFieldBool), kKitNotifyApply, nullptr, 0, NO_DRAG},
    {16, kKitCheckBox, {10, 192, 340, 206}, "Basic pattern", 0, 0, 0,
     FIELD(kWanderlustFieldBasicPattern, kKitFieldBool), kKitNotifyApply, nullptr, 0, NO_DRAG},
    // The apply notifier does not read the preset back: the presets
    // notifier keeps it.
    {kPresetsItem, kKitPresetsPopup, {400, 155, 480, 175}, nullptr, 0, 0, 0, NO_FIELD, kKitNotifyPresets, nullptr, 0,
     NO_DRAG},
    {40, kKitDragButton, {250, 20, 270, 40}, nullptr, 0, 0, 0, NO_FIELD, kKitNotifyNone, nullptr, 0, kCopiesItem,
     kKitDragIntTrunc, kKitAxisX, 3.0f, -0.16666667f, nullptr},
    {41, kKitDragButton, {250, 42, 270, 62}, nullptr, 0, 0, 0, NO_FIELD, kKitNotifyNone, nullptr, 0, kJitterXItem,
     kKitDragRealOffset, kKitAxisX, -50.0f, -0.33333334f, nullptr},
    {42, kKitDragButton, {350, 42, 370, 62}, nullptr, 0, 0, 0, NO_FIELD, kKitNotifyNone, nullptr, 0, kJitterYItem,
     kKitDragRealOffset, kKitAxisY, -50.0f, -0.33333334f, nullptr},
    {43, kKitDragButton, {250, 64, 270, 84}, nullptr, 0, 0, 0, NO_FIELD, kKitNotifyNone, nullptr, 0, kScaleStepItem,
     kKitDragRealScale, kKitAxisX, 0.0f, 0.33333334f, nullptr},
    {kADMOKItem, kKitTextButton, {400, 10, 480, 30}, "OK", 0, 0, 0, NO_FIELD, kKitNotifyOK, nullptr, 0, NO_DRAG},
    {kADMCancelItem, kKitTextButton, {400, 40, 480, 60}, "Cancel", 0, 0, 0, NO_FIELD, kKitNotifyNone, nullptr, 0,
     NO_DRAG},
    {20, kKitTextButton, {400, 70, 480, 90}, "Shuffle", 0, 0, 0, NO_FIELD, kKitNotifyApply, nullptr, 0, NO_DRAG},
    {21, kKitTextButton, {400, 100, 480, 120}, "Tumble", 0, 0, 0, NO_FIELD, kKitNotifyTumble, nullptr, 0, NO_DRAG},
};

#undef FIELD
#undef NO_FIELD
#undef NO_DRAG

// The generation ignores the vertical jitter while the direction is random.
void enable_rules(KADMDialog dialog, const void* block) {
    const WanderlustParameters* p = static_cast<const WanderlustParameters*>(block);
    if (KADMItem jitter_y = shell_dialog_item(dialog, kJitterYItem)) {
        gADMItemSuite->enable(jitter_y, p->random_direction == 0 ? 1 : 0);
    }
}

}  // namespace

const KShellDialog kWanderlustDialog = {
    490,
    220,
    kItems,
    static_cast<int32_t>(sizeof kItems / sizeof kItems[0]),
    kWanderlustPresetNames,
    kWanderlustPresetCount,
    kPreviewItem,
    kWanderlustFieldPreview,
    kWanderlustFieldPreset,
    kWanderlustFieldViewZoom,
    kWanderlustFieldPage,
    kWanderlustFieldDialogLeft,
    kCopiesItem,
    nullptr,
    0,
    wanderlust_apply_preset,
    wanderlust_tumble,
    enable_rules,
    nullptr,
    0,
    0,
    nullptr,
    nullptr,
    nullptr,
    nullptr,
};
