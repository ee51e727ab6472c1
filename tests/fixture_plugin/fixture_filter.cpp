// fixture_filter.cpp: TK57_Fixture, a tiny filter on the real shell: its
// settings dialog has OK, Cancel and a Preview check box, and its generation
// duplicates every selected object directly above itself, drawing one
// random number per copy (as real generations draw), so that tests can see
// the shell's lifecycle in art, draws and host calls.
#include <cstddef>

#include "shell/kestrel_shell.h"
#include "tests/fixture_plugin/fixture_parameters.h"

namespace {

const KShellSuiteEntry kSuites[] = {
    KSHELL_SUITES_HEAD,
    KSHELL_SUITE(gUndoSuite, kAIUndoSuite, kAIUndoSuiteVersion),
    KSHELL_SUITE(gMatchingArtSuite, kAIMatchingArtSuite, kAIMatchingArtSuiteVersion),
    KSHELL_SUITE(gRandomSuite, kAIRandomSuite, kAIRandomSuiteVersion),
    KSHELL_SUITES_TAIL,
};

// Selected art of the kinds the path filters take; which-attributes and
// attributes 1: only selected art.
const KArtSpec kSelectionSpecs[] = {
    {kCompoundPathArt, kArtSelected, kArtSelected}, {kPathArt, kArtSelected, kArtSelected},
    {kMysteryPathArt, kArtSelected, kArtSelected},  {kSymbolArt, kArtSelected, kArtSelected},
    {kTextArt, kArtSelected, kArtSelected},         {kPlacedArt, kArtSelected, kArtSelected},
    {kRasterArt, kArtSelected, kArtSelected},       {kMeshArt, kArtSelected, kArtSelected},
};

FixtureParameters* block_of_dialog(KADMDialog dialog) {
    void* data = nullptr;
    gADMDialogSuite->get_user_data(dialog, &data);
    return static_cast<FixtureParameters*>(data);
}

FixtureParameters* block_of_item(KADMItem item) {
    KADMDialog dialog = nullptr;
    gADMItemSuite->get_dialog(item, &dialog);
    return block_of_dialog(dialog);
}

void save_bounds(KADMDialog dialog, FixtureParameters* p) {
    KIntRect r{};
    if (gADMDialogSuite->get_bounds_rect(dialog, &r) != kNoErr) return;
    p->dialog_left = r.left;
    p->dialog_top = r.top;
    p->dialog_right = r.right;
    p->dialog_bottom = r.bottom;
    p->dialog_bounds_saved = 1;
}

void set_defaults(void* block) {
    FixtureParameters* p = static_cast<FixtureParameters*>(block);
    p->preview = 1;
    p->preset = 0;
    p->view_zoom = 100.0f;
    p->page = 1;
    p->applies = 0;
    p->preview_flag = 0;
    p->dialog_bounds_saved = 0;
}

KResult generate(void* block) {
    FixtureParameters* p = static_cast<FixtureParameters*>(block);
    int32_t decision = kShellGenerateAnew;
    KResult result = shell_generation_head(block, &decision);
    if (result != kNoErr) return result;
    if (decision == kShellGenerateAnew) {
        if (gRandomSuite == nullptr || gArtSuite == nullptr) {
            shell_selection_free();
            return kSuiteNotFoundErr;
        }
        // A failed collection is an empty selection.
        if (shell_globals()->selection_count == -1) shell_selection_collect();
        for (int32_t i = 0; i < shell_globals()->selection_count; ++i) {
            KArtHandle art = shell_selection_entry(i);
            if (art == nullptr) continue;
            KReal r = 0;
            gRandomSuite->float_rnd(&r);
            KArtHandle copy = nullptr;
            result = gArtSuite->duplicate_art(art, kPlaceAbove, art, &copy);
            if (result != kNoErr) {
                shell_selection_free();
                return result;
            }
        }
    }
    if (p->go_flag == 1) shell_selection_free();
    return kNoErr;
}

// Copies the Preview check box into the block and previews when it is on.
void apply_notify(KADMItem item, KADMNotifier notifier) {
    gADMItemSuite->default_notify(item, notifier);
    KADMDialog dialog = nullptr;
    gADMItemSuite->get_dialog(item, &dialog);
    FixtureParameters* p = block_of_dialog(dialog);
    p->go_flag = 0;
    gADMItemSuite->get_boolean_value(item, &p->preview);
    save_bounds(dialog, p);
    ++p->applies;
    if (p->preview == 1) {
        p->preview_flag = 1;
        generate(p);
    } else {
        p->preview_flag = 0;
    }
}

void ok_notify(KADMItem item, KADMNotifier notifier) {
    gADMItemSuite->default_notify(item, notifier);
    KADMDialog dialog = nullptr;
    gADMItemSuite->get_dialog(item, &dialog);
    save_bounds(dialog, block_of_item(item));
}

KResult init_proc(KADMDialog dialog) {
    FixtureParameters* p = block_of_dialog(dialog);
    if (p->dialog_bounds_saved == 1) {
        const KIntRect r = {p->dialog_left, p->dialog_top, p->dialog_right, p->dialog_bottom};
        gADMDialogSuite->set_bounds_rect(dialog, &r);
    }
    gADMDialogSuite->set_size(dialog, kFixtureDialogWidth, kFixtureDialogHeight);

    KADMItem item = nullptr;
    const KIntRect ok_rect = {120, 10, 190, 30};
    gADMDialogSuite->create_item(dialog, kADMOKItem, kADMTextPushButtonType, &ok_rect, &item);
    gADMItemSuite->set_notify_proc(item, ok_notify);
    gADMItemSuite->set_text(item, "OK");

    const KIntRect cancel_rect = {120, 40, 190, 60};
    gADMDialogSuite->create_item(dialog, kADMCancelItem, kADMTextPushButtonType, &cancel_rect, &item);
    gADMItemSuite->set_text(item, "Cancel");

    KADMItem preview = nullptr;
    const KIntRect preview_rect = {10, 70, 100, 90};
    gADMDialogSuite->create_item(dialog, kFixturePreviewItem, kADMTextCheckBoxType, &preview_rect, &preview);
    gADMItemSuite->set_boolean_value(preview, p->preview);
    gADMItemSuite->set_notify_proc(preview, apply_notify);
    gADMItemSuite->set_text(preview, "Preview");

    shell_selection_collect();
    // A dialog that opens with Preview on shows a preview at once.
    gADMItemSuite->send_notify(preview, kADMUserChangedNotifier);
    return kNoErr;
}

}  // namespace

const KShellDeliverable kShellDeliverable = {
    "TK57_Fixture",
    kSuites,
    static_cast<int32_t>(sizeof kSuites / sizeof kSuites[0]),
    1,
    {0, 0, 0, 0, 1, 0},
    KSHELL_GLOBALS_WITH_SELECTION,
    static_cast<int32_t>(sizeof(FixtureParameters)),
    static_cast<int32_t>(offsetof(FixtureParameters, go_flag) / 4),
    1,
    kSelectionSpecs,
    static_cast<int16_t>(sizeof kSelectionSpecs / sizeof kSelectionSpecs[0]),
    1,
    set_defaults,
    init_proc,
    generate,
    nullptr, /* no dialog kit description: the fixture builds its items by hand */ 
};
