// scatterbox_dialog.cpp: the settings dialog of TK57_Scatterbox as a table
// for the dialog kit: three pages ("Shapes", "Rotate", "Settings"), the
// shapes, presets and regions popups, the drag button of the number of
// shapes, and the shape page routine through which one set of four rows
// (eight spin edits and their labels) and two check boxes serve all five
// shape kinds.
#include "filters/scatterbox/scatterbox_dialog.h"

#include "filters/scatterbox/scatterbox_parameters.h"

namespace {

// Item ids.
enum {
    kPreviewItem = 3,
    kCountItem = 4,
    kFirstRowItem = 5,  // rows: items 5 and 6, 7 and 8, 9 and 10, 11 and 12
    kRotationMinItem = 13,
    kRotationMaxItem = 14,
    kCentreXItem = 15,
    kCentreYItem = 16,
    kViewZoomItem = 17,
    kFirstRowLabel = 30,  // labels 30 to 33, one per row
    kKindCheckBox = 45,
    kOptionCheckBox = 46,  // "Clockwise" or "Inscribed"
    kRotateDefinedItem = 51,
    kFirstSettingsItem = 52,
    kDropShadowItem = 58,
    kShadowDirectionItem = 59,
    kShadowOpacityItem = 60,
    kHalfFillShadowItem = 61,
    kShadowScalingItem = 62,
    kShuffleTumbleItem = 70,
    kPresetsItem = 80,
    kRegionsItem = 81,
    kShapesItem = 82,
    kShapesButton = 100,
    kRotateButton = 101,
    kSettingsButton = 102,
    kShapesCaption = 103,
    kRotateCaption = 104,
    kSettingsCaption = 105,
    kCountDragItem = 110
};

enum { kRowCount = 4, kShapesPage = 1, kRotatePage = 2, kSettingsPage = 3 };

void shape_page_notify(KADMItem item, KADMNotifier notifier);

#define FIELD(index, kind) (index), (kind)
#define NO_FIELD -1, kKitFieldNone
#define NO_DRAG 0, kKitDragNone, kKitAxisX, 0.0f, 0.0f, nullptr
// A spin edit of the shape rows: the shape page routine gives it its
// range, value and meaning.
#define ROW_EDIT(id, l, t, r, b) \
    {(id), kKitRealSpinEdit, {(l), (t), (r), (b)}, nullptr, 1, 3000, 2, NO_FIELD, kKitNotifyApply, nullptr, kShapesPage, NO_DRAG}
#define LABEL(id, l, t, r, b, text, page) \
    {(id), kKitLabel, {(l), (t), (r), (b)}, (text), 0, 0, 0, NO_FIELD, kKitNotifyNone, nullptr, (page), NO_DRAG}
#define CHECK(id, l, t, r, b, text, field, page) \
    {(id), kKitCheckBox, {(l), (t), (r), (b)}, (text), 0, 0, 0, (field), kKitFieldBool, kKitNotifyApply, nullptr, (page), NO_DRAG}
#define SETTING(id, l, t, r, b, text, field) CHECK(id, l, t, r, b, text, field, kSettingsPage)
#define PAGE_BUTTON(id, l, r) \
    {(id), kKitPageButton, {(l), 5, (r), 35}, nullptr, 0, 0, 0, NO_FIELD, kKitNotifyPage, nullptr, 0, NO_DRAG}

const KShellItem kItems[] = {
    {kCountItem, kKitIntSpinEdit, {180, 70, 240, 90}, nullptr, 2, 1000, 0,
     FIELD(kScatterboxFieldNumberOfShapes, kKitFieldInt), kKitNotifyApply, nullptr, kShapesPage, NO_DRAG},
    ROW_EDIT(5, 180, 160, 240, 180),
    ROW_EDIT(6, 250, 160, 310, 180),
    ROW_EDIT(7, 180, 182, 240, 202),
    ROW_EDIT(8, 250, 182, 310, 202),
    ROW_EDIT(9, 180, 204, 240, 224),
    ROW_EDIT(10, 250, 204, 310, 224),
    ROW_EDIT(11, 180, 226, 240, 246),
    ROW_EDIT(12, 250, 226, 310, 246),
    {kViewZoomItem, kKitViewZoomSpinEdit, {370, 220, 430, 240}, nullptr, 1, 500, 2, NO_FIELD, kKitNotifyViewZoom,
     nullptr, 0, NO_DRAG},
    {kRotationMinItem, kKitRealSpinEdit, {180, 70, 240, 90}, nullptr, 0, 360, 2,
     FIELD(kScatterboxFieldRotationMin, kKitFieldReal), kKitNotifyApply, nullptr, kRotatePage, NO_DRAG},
    {kRotationMaxItem, kKitRealSpinEdit, {250, 70, 310, 90}, nullptr, 0, 360, 2,
     FIELD(kScatterboxFieldRotationMax, kKitFieldReal), kKitNotifyApply, nullptr, kRotatePage, NO_DRAG},
    {kCentreXItem, kKitRealSpinEdit, {180, 92, 240, 112}, nullptr, -5000, 5000, 2,
     FIELD(kScatterboxFieldCentreX, kKitFieldReal), kKitNotifyApply, nullptr, kRotatePage, NO_DRAG},
    {kCentreYItem, kKitRealSpinEdit, {250, 92, 310, 112}, nullptr, -5000, 5000, 2,
     FIELD(kScatterboxFieldCentreY, kKitFieldReal), kKitNotifyApply, nullptr, kRotatePage, NO_DRAG},
    LABEL(34, 10, 70, 148, 90, "Number of shapes", kShapesPage),
    LABEL(30, 10, 160, 148, 180, nullptr, kShapesPage),
    LABEL(31, 10, 182, 148, 202, nullptr, kShapesPage),
    LABEL(32, 10, 204, 148, 224, nullptr, kShapesPage),
    LABEL(33, 10, 226, 148, 246, nullptr, kShapesPage),
    LABEL(35, 10, 70, 148, 90, "Rotation min/max (o)", kRotatePage),
    LABEL(36, 10, 92, 148, 112, "User defined center (p)", kRotatePage),
    // The apply notifier does not read the preset back: the presets
    // notifier keeps it.
    {kPresetsItem, kKitPresetsPopup, {350, 155, 430, 175}, nullptr, 0, 0, 0, NO_FIELD, kKitNotifyPresets, nullptr, 0,
     NO_DRAG},
    {kShapesItem, kKitPopup, {10, 98, 150, 118}, nullptr, 0, 0, 0, FIELD(kScatterboxFieldShapePage, kKitFieldPopup),
     kKitNotifyCustom, shape_page_notify, kShapesPage, NO_DRAG},
    {kRegionsItem, kKitPopup, {155, 98, 300, 118}, nullptr, 0, 0, 0, FIELD(kScatterboxFieldRegion, kKitFieldPopup),
     kKitNotifyApply, nullptr, kShapesPage, NO_DRAG},
    {kCountDragItem, kKitDragButton, {250, 70, 270, 90}, nullptr, 0, 0, 0, NO_FIELD, kKitNotifyNone, nullptr,
     kShapesPage, kCountItem, kKitDragIntTrunc, kKitAxisX, 2.0f, -0.2f, nullptr},
    PAGE_BUTTON(kShapesButton, 10, 60),
    PAGE_BUTTON(kRotateButton, 90, 140),
    PAGE_BUTTON(kSettingsButton, 170, 220),
    LABEL(kShapesCaption, 13, 40, 89, 55, "Shapes", 0),
    LABEL(kRotateCaption, 90, 40, 169, 55, "Rotate", 0),
    LABEL(kSettingsCaption, 170, 40, 260, 55, "Settings", 0),
    {kADMOKItem, kKitTextButton, {350, 10, 430, 30}, "OK", 0, 0, 0, NO_FIELD, kKitNotifyOK, nullptr, 0, NO_DRAG},
    {kADMCancelItem, kKitTextButton, {350, 40, 430, 60}, "Cancel", 0, 0, 0, NO_FIELD, kKitNotifyNone, nullptr, 0,
     NO_DRAG},
    // "Shuffle" and "Tumble" share their id; nothing looks either up by it.
    {kShuffleTumbleItem, kKitTextButton, {350, 70, 430, 90}, "Shuffle", 0, 0, 0, NO_FIELD, kKitNotifyApply, nullptr,
     0, NO_DRAG},
    {kShuffleTumbleItem, kKitTextButton, {350, 100, 430, 120}, "Tumble", 0, 0, 0, NO_FIELD, kKitNotifyTumble,
     nullptr, 0, NO_DRAG},
    CHECK(kPreviewItem, 350, 130, 430, 144, "Preview", kScatterboxFieldPreview, 0),
    CHECK(kKindCheckBox, 10, 130, 150, 144, nullptr, -1, kShapesPage),
    CHECK(kOptionCheckBox, 151, 130, 300, 144, nullptr, -1, kShapesPage),
    SETTING(53, 10, 60, 160, 74, "Fill [R]", kScatterboxFieldFill),
    SETTING(54, 10, 77, 160, 91, "Fill swatches [R]", kScatterboxFieldFillSwatches),
    SETTING(55, 10, 94, 160, 108, "Stroke [R]", kScatterboxFieldStroke),
    SETTING(57, 10, 111, 160, 125, "Stroke swatches [R]", kScatterboxFieldStrokeSwatches),
    SETTING(56, 10, 128, 160, 142, "Width [R]", kScatterboxFieldWidth),
    SETTING(kFirstSettingsItem, 10, 145, 160, 159, "Opacity [R]", kScatterboxFieldOpacity),
    SETTING(kRotateDefinedItem, 10, 162, 160, 176, "Rotate - defined", kScatterboxFieldRotateAboutDefinedCentre),
    SETTING(50, 10, 179, 160, 193, "Rotate - path center", kScatterboxFieldRotateAboutPathCentre),
    SETTING(64, 10, 196, 160, 210, "Link size", kScatterboxFieldLinkSize),
    SETTING(47, 165, 60, 310, 74, "Even mix", kScatterboxFieldEvenMix),
    SETTING(48, 165, 77, 310, 91, "Reverse path", kScatterboxFieldReversePath),
    SETTING(49, 165, 94, 310, 108, "Create new layer", kScatterboxFieldCreateNewLayer),
    SETTING(kDropShadowItem, 165, 111, 310, 125, "Drop shadow", kScatterboxFieldDropShadow),
    SETTING(kShadowDirectionItem, 165, 128, 310, 142, "Shadow direction [R]", kScatterboxFieldShadowDirection),
    SETTING(kShadowOpacityItem, 165, 145, 310, 159, "Shadow opacity [R]", kScatterboxFieldShadowOpacity),
    SETTING(kHalfFillShadowItem, 165, 162, 310, 176, "Half fill shadow", kScatterboxFieldHalfFillShadow),
    SETTING(kShadowScalingItem, 165, 179, 310, 193, "Shadow scaling [R]", kScatterboxFieldShadowScaling),
    SETTING(63, 165, 196, 310, 210, "Basic pattern", kScatterboxFieldBasicPattern),
};

#undef FIELD
#undef NO_FIELD
#undef NO_DRAG
#undef ROW_EDIT
#undef LABEL
#undef CHECK
#undef SETTING
#undef PAGE_BUTTON

// Filled in this order: shapes, presets, regions.
const KShellPopup kPopups[] = {
    {kShapesItem, kScatterboxShapeNames, kScatterboxShapeCount, kScatterboxFieldShapePage},
    {kPresetsItem, kScatterboxPresetNames, kScatterboxPresetCount, kScatterboxFieldPreset},
    {kRegionsItem, kScatterboxRegionNames, kScatterboxRegionCount, kScatterboxFieldRegion},
};

// Page buttons, captions and the first value item of each page.
const KShellPage kPages[] = {
    {kShapesButton, kShapesCaption, kCountItem},
    {kRotateButton, kRotateCaption, kRotationMinItem},
    {kSettingsButton, kSettingsCaption, kFirstSettingsItem},
};

// ---- The shape page ---------------------------------------------------------

// One row of the shapes page: a range of two adjacent fields, min first.
struct Row {
    const char* label;
    int32_t min_field;  // the max field follows
    bool integer;       // integer fields and limits
    KReal low;          // the spin edits' limits
    KReal high;
};

// What the shapes page shows for one kind.
struct KindPage {
    int32_t enable_field;  // the kind's flag, shown by item 45
    const char* option;    // text of item 46; null: item 46 hidden
    int32_t option_field;
    int32_t row_count;
    Row rows[kRowCount];
};

// By shape page code.
const KindPage kKindPages[kScatterboxShapeCount] = {
    {kScatterboxFieldRectangles, nullptr, -1, 3,
     {{"Vertical", kScatterboxFieldRectangleVerticalMin, false, 1, 3000},
      {"Horizontal", kScatterboxFieldRectangleHorizontalMin, false, 1, 3000},
      {"Rounded", kScatterboxFieldRoundedMin, false, 0, 30}}},
    {kScatterboxFieldPolygons, nullptr, -1, 2,
     {{"Points", kScatterboxFieldPolygonPointsMin, true, 2, 70},
      {"Radius", kScatterboxFieldPolygonRadiusMin, false, 1, 3000}}},
    {kScatterboxFieldStars, nullptr, -1, 3,
     {{"Points", kScatterboxFieldStarPointsMin, true, 2, 70},
      {"Inner Radius", kScatterboxFieldStarInnerRadiusMin, false, 1, 3000},
      {"Outer Radius", kScatterboxFieldStarOuterRadiusMin, false, 1, 3000}}},
    {kScatterboxFieldSpirals, "Clockwise", kScatterboxFieldClockwise, 4,
     {{"1/4 Turns", kScatterboxFieldSpiralTurnsMin, true, 1, 50},
      {"Arc (x)", kScatterboxFieldArcXMin, false, 1, 1000},
      {"Arc (y)", kScatterboxFieldArcYMin, false, 1, 1000},
      {"Decay", kScatterboxFieldDecayMin, false, 1, 1000}}},
    {kScatterboxFieldCircles, "Inscribed", kScatterboxFieldInscribed, 2,
     {{"Vertical Size", kScatterboxFieldCircleVerticalMin, false, 1, 3000},
      {"Horizontal Size", kScatterboxFieldCircleHorizontalMin, false, 1, 3000}}},
};

ScatterboxParameters* parameters(void* block) { return static_cast<ScatterboxParameters*>(block); }
// A shape page code, or the rectangles for one the block should not hold.
int32_t valid_shape_page(int32_t code) {
    return code >= 0 && code < kScatterboxShapeCount ? code : kScatterboxRectangles;
}

// The kind the shapes popup shows, into shape page; a popup without a
// valid choice is set to the rectangles.
int32_t read_shape_page(KADMDialog dialog, ScatterboxParameters* p) {
    KADMItem popup = shell_dialog_item(dialog, kShapesItem);
    const int32_t chosen = popup != nullptr ? shell_popup_chosen_id(popup, -1) : p->shape_page;
    const int32_t kind = valid_shape_page(chosen);
    if (kind != chosen && popup != nullptr) shell_popup_choose_id(popup, kind);
    p->shape_page = kind;
    return kind;
}

void show_item(KADMItem item, bool shown) {
    if (item != nullptr) gADMItemSuite->show(item, shown ? 1 : 0);
}

// Limits first, so that the values are not held to the last kind's range.
void write_row(KADMItem left, KADMItem right, const Row& row, const void* block) {
    KADMItem edits[2] = {left, right};
    for (int side = 0; side < 2; ++side) {
        KADMItem item = edits[side];
        if (item == nullptr) continue;
        const int32_t field = row.min_field + side;
        if (row.integer) {
            gADMItemSuite->set_min_int_value(item, static_cast<int32_t>(row.low));
            gADMItemSuite->set_max_int_value(item, static_cast<int32_t>(row.high));
            gADMItemSuite->set_int_value(item, shell_int_at(block, field));
        } else {
            gADMItemSuite->set_min_float_value(item, row.low);
            gADMItemSuite->set_max_float_value(item, row.high);
            gADMItemSuite->set_float_value(item, shell_real_at(block, field));
        }
    }
}

// Show kind on the shapes page: item 45 and its flag, item 46 where the kind
// has an option, the used rows with their limits and values, the labels.
// The rows are shown only while the shapes page is the page shown.
void show_kind(KADMDialog dialog, const ScatterboxParameters* p, int32_t shape_page) {
    const KindPage& kind = kKindPages[shape_page];
    const void* block = p;
    const bool on_page = p->page == kShapesPage;

    if (KADMItem check = shell_dialog_item(dialog, kKindCheckBox)) {
        gADMItemSuite->set_boolean_value(check, shell_int_at(block, kind.enable_field));
        gADMItemSuite->set_text(check, kScatterboxShapeNames[shape_page]);
    }
    if (KADMItem option = shell_dialog_item(dialog, kOptionCheckBox)) {
        if (kind.option != nullptr) {
            gADMItemSuite->set_text(option, kind.option);
            gADMItemSuite->set_boolean_value(option, shell_int_at(block, kind.option_field));
            if (kind.option_field == kScatterboxFieldInscribed) gADMItemSuite->set_notify_proc(option, shell_apply_notify);
        }
        show_item(option, on_page && kind.option != nullptr);
    }
    for (int32_t r = 0; r < kRowCount; ++r) {
        KADMItem left = shell_dialog_item(dialog, kFirstRowItem + 2 * r);
        KADMItem right = shell_dialog_item(dialog, kFirstRowItem + 2 * r + 1);
        const bool used = r < kind.row_count;
        if (used) write_row(left, right, kind.rows[r], block);
        show_item(left, on_page && used);
        show_item(right, on_page && used);
        if (KADMItem label = shell_dialog_item(dialog, kFirstRowLabel + r)) {
            gADMItemSuite->set_text(label, used ? kind.rows[r].label : "");
        }
    }
}

// The shape page routine: the kind chosen in the shapes popup into shape
// page, and onto the page. Only what the page shows changes; no preview.
void show_shape_page(KADMDialog dialog, void* block) {
    ScatterboxParameters* p = parameters(block);
    show_kind(dialog, p, read_shape_page(dialog, p));
}

// Notifier of the shapes popup: no default handling, no preview.
void shape_page_notify(KADMItem item, KADMNotifier) {
    KADMDialog dialog = nullptr;
    gADMItemSuite->get_dialog(item, &dialog);
    if (void* block = shell_dialog_block(dialog)) show_shape_page(dialog, block);
}

// Apply: the shapes page's items into the fields of the kind shown (the
// other kinds keep theirs), then the defined centre once more.
void read_shape_page_items(KADMDialog dialog, void* block) {
    ScatterboxParameters* p = parameters(block);
    const KindPage& kind = kKindPages[valid_shape_page(p->shape_page)];
    if (KADMItem check = shell_dialog_item(dialog, kKindCheckBox)) {
        gADMItemSuite->get_boolean_value(check, shell_int_field(block, kind.enable_field));
    }
    if (kind.option != nullptr) {
        if (KADMItem option = shell_dialog_item(dialog, kOptionCheckBox)) {
            gADMItemSuite->get_boolean_value(option, shell_int_field(block, kind.option_field));
        }
    }
    for (int32_t r = 0; r < kind.row_count; ++r) {
        const Row& row = kind.rows[r];
        for (int side = 0; side < 2; ++side) {
            KADMItem item = shell_dialog_item(dialog, kFirstRowItem + 2 * r + side);
            if (item == nullptr) continue;
            if (row.integer) {
                gADMItemSuite->get_int_value(item, shell_int_field(block, row.min_field + side));
            } else {
                gADMItemSuite->get_float_value(item, shell_real_field(block, row.min_field + side));
            }
        }
    }
    if (KADMItem item = shell_dialog_item(dialog, kRotateDefinedItem)) {
        gADMItemSuite->get_boolean_value(item, &p->rotate_about_defined_centre);
    }
    if (KADMItem item = shell_dialog_item(dialog, kCentreXItem)) gADMItemSuite->get_float_value(item, &p->centre_x);
    if (KADMItem item = shell_dialog_item(dialog, kCentreYItem)) gADMItemSuite->get_float_value(item, &p->centre_y);
}

void enable_item(KADMDialog dialog, int32_t id, KBool enabled) {
    if (KADMItem item = shell_dialog_item(dialog, id)) gADMItemSuite->enable(item, enabled == 1 ? 1 : 0);
}

// The defined centre matters only when shapes turn about it; the shadow
// options only with a shadow.
void enable_rules(KADMDialog dialog, const void* block) {
    const ScatterboxParameters* p = static_cast<const ScatterboxParameters*>(block);
    enable_item(dialog, kCentreXItem, p->rotate_about_defined_centre);
    enable_item(dialog, kCentreYItem, p->rotate_about_defined_centre);
    const int32_t shadow_options[] = {kShadowDirectionItem, kShadowOpacityItem, kShadowScalingItem,
                                      kHalfFillShadowItem};
    for (int32_t id : shadow_options) enable_item(dialog, id, p->drop_shadow);
}

void after_create(KADMDialog dialog, void* block) { show_shape_page(dialog, block); }

// Presets and Tumble leave shape page 0 and the kit has chosen it in the
// shapes popup: the rectangles' rows, limits included, before the refresh
// reads them back.
void after_write(KADMDialog dialog, const void* block) {
    const ScatterboxParameters* p = static_cast<const ScatterboxParameters*>(block);
    show_kind(dialog, p, valid_shape_page(p->shape_page));
}

void after_show_page(KADMDialog dialog, void* block, int32_t page) {
    if (page == kShapesPage) show_shape_page(dialog, block);
}

}  // namespace

const KShellDialog kScatterboxDialog = {
    440,
    250,
    kItems,
    static_cast<int32_t>(sizeof kItems / sizeof kItems[0]),
    kScatterboxPresetNames,
    kScatterboxPresetCount,
    kPreviewItem,
    kScatterboxFieldPreview,
    kScatterboxFieldPreset,
    kScatterboxFieldViewZoom,
    kScatterboxFieldPage,
    kScatterboxFieldDialogLeft,
    kCountItem,
    kPages,
    static_cast<int32_t>(sizeof kPages / sizeof kPages[0]),
    scatterbox_apply_preset,
    scatterbox_tumble,
    enable_rules,
    kPopups,
    static_cast<int32_t>(sizeof kPopups / sizeof kPopups[0]),
    1,
    after_create,
    read_shape_page_items,
    after_write,
    after_show_page,
};
