// selection_list.cpp: the selected art a filter works on, kept in the
// globals block from the dialog's opening to the end of the Go run.
//
// The host's query also returns the direct children of a selected compound
// path; the child pass nulls them, so that a compound path is treated once,
// as a whole. Entries are never removed or reordered.
#include "shell/shell_private.h"

namespace {

bool holds_selection_fields() {
    return gShellGlobals != nullptr && kShellDeliverable.has_selection_list &&
           kShellDeliverable.globals_size >= KSHELL_GLOBALS_WITH_SELECTION;
}

KArtHandle* entries() { return reinterpret_cast<KArtHandle*>(*gShellGlobals->selection); }

// Null every entry equal to one of art's direct children.
KResult null_children_of(KArtHandle art) {
    KArtHandle child = nullptr;
    KResult result = gArtSuite->get_first_child(art, &child);
    if (result != kNoErr) return result;
    while (child != nullptr) {
        KArtHandle* list = entries();
        for (int32_t j = 0; j < gShellGlobals->selection_count; ++j) {
            if (list[j] == child) list[j] = nullptr;
        }
        result = gArtSuite->get_next_sibling(child, &child);
        if (result != kNoErr) return result;
    }
    return kNoErr;
}

KResult child_pass() {
    for (int32_t i = 0; i < gShellGlobals->selection_count; ++i) {
        KArtHandle art = entries()[i];
        if (art == nullptr) continue;
        KRealRect bounds;
        KResult result = gArtSuite->get_bounds(art, &bounds);
        if (result != kNoErr) return result;
        int16_t type = kUnknownArt;
        result = gArtSuite->get_art_type(art, &type);
        if (result != kNoErr) return result;
        if (type == kCompoundPathArt) {
            result = null_children_of(art);
            if (result != kNoErr) return result;
        }
    }
    return kNoErr;
}

}  // namespace

KResult shell_selection_collect(void) {
    if (!holds_selection_fields()) return kBadParameterErr;
    if (gMatchingArtSuite == nullptr || gMdMemorySuite == nullptr) return kSuiteNotFoundErr;
    if (kShellDeliverable.child_pass && gArtSuite == nullptr) return kSuiteNotFoundErr;
    // A list still held would be lost when the new one replaces it.
    shell_selection_free();

    KShellGlobals* g = gShellGlobals;
    g->selection = nullptr;
    KResult result = gMatchingArtSuite->get_matching_art(kShellDeliverable.selection_specs,
                                                         kShellDeliverable.selection_spec_count, &g->selection,
                                                         &g->selection_count);
    if (result != kNoErr) {
        if (g->selection != nullptr) gMdMemorySuite->dispose_handle(g->selection);
        g->selection = nullptr;
        g->selection_count = -1;
        return result;
    }
    if (g->selection_count == 0 || g->selection == nullptr) {
        shell_selection_free();
        return kNoErr;
    }
    if (g->selection_count < 0) return kNoErr;
    if (!kShellDeliverable.child_pass) return kNoErr;
    result = child_pass();
    if (result != kNoErr) shell_selection_free();
    return result;
}

void shell_selection_free(void) {
    if (!holds_selection_fields()) return;
    KShellGlobals* g = gShellGlobals;
    if (g->selection != nullptr) {
        // Without the memory suite the handle cannot be disposed of now; it
        // stays recorded so that a later free can.
        if (gMdMemorySuite == nullptr) {
            g->selection_count = -1;
            return;
        }
        gMdMemorySuite->dispose_handle(g->selection);
        g->selection = nullptr;
    }
    g->selection_count = -1;
}

KArtHandle shell_selection_entry(int32_t index) {
    if (!holds_selection_fields() || gShellGlobals->selection == nullptr) return nullptr;
    if (index < 0 || index >= gShellGlobals->selection_count) return nullptr;
    return entries()[index];
}

KResult shell_selection_dispose_all(void) {
    KResult result = kNoErr;
    if (holds_selection_fields() && gShellGlobals->selection != nullptr) {
        if (gArtSuite == nullptr) {
            result = kSuiteNotFoundErr;
        } else {
            for (int32_t i = 0; i < gShellGlobals->selection_count; ++i) {
                KArtHandle source = entries()[i];
                if (source == nullptr) continue;
                result = gArtSuite->dispose_art(source);
                if (result != kNoErr) break;
            }
        }
    }
    shell_selection_free();
    return result;
}

const KArtSpec kShellPathSelectionSpecs[kShellPathSelectionSpecCount] = {
    {kCompoundPathArt, kArtSelected, kArtSelected}, {kPathArt, kArtSelected, kArtSelected},
    {kMysteryPathArt, kArtSelected, kArtSelected},  {kSymbolArt, kArtSelected, kArtSelected},
    {kTextArt, kArtSelected, kArtSelected},         {kPlacedArt, kArtSelected, kArtSelected},
    {kRasterArt, kArtSelected, kArtSelected},       {kMeshArt, kArtSelected, kArtSelected},
};
