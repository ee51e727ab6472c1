// ziggurat_dialog.cpp: the settings dialog of TK57_Ziggurat as a table for
// the dialog kit. For now it holds the items that are visible on every page:
// OK, Cancel and Preview; the three pages of settings are still to come.
#include "filters/ziggurat/ziggurat_dialog.h"

#include "filters/ziggurat/ziggurat_parameters.h"

namespace {

enum { kPreviewItem = 3 };

#define NO_DRAG 0, kKitDragNone, kKitAxisX, 0.0f, 0.0f, nullptr

const KShellItem kItems[] = {
    {kPreviewItem, kKitCheckBox, {320, 130, 400, 144}, "Preview", 0, 0, 0, kZigguratFieldPreview, kKitFieldBool,
     kKitNotifyApply, nullptr, 0, NO_DRAG},
    {kADMOKItem, kKitTextButton, {320, 10, 400, 30}, "OK", 0, 0, 0, -1, kKitFieldNone, kKitNotifyOK, nullptr, 0,
     NO_DRAG},
    {kADMCancelItem, kKitTextButton, {320, 40, 400, 60}, "Cancel", 0, 0, 0, -1, kKitFieldNone, kKitNotifyNone,
     nullptr, 0, NO_DRAG},
};

#undef NO_DRAG

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
    kPreviewItem,
    nullptr,
    0,
    ziggurat_apply_preset,
    ziggurat_tumble,
    nullptr,
};
