// suite_table.cpp: the suite slots and the walks that fill and empty them.
//
// Only the outermost PluginMain call acquires and releases; calls that
// arrive while a modal dialog of an outer call is open find every slot
// filled and leave it so.
#include <cstdio>
#include <cstring>

#include "shell/shell_private.h"

const KSPBlocksSuite* gBlocksSuite = nullptr;
const KSPAccessSuite* gAccessSuite = nullptr;
const KMdMemorySuite* gMdMemorySuite = nullptr;
const KRealMathSuite* gRealMathSuite = nullptr;
const KArtSuite* gArtSuite = nullptr;
const KUserSuite* gUserSuite = nullptr;
const KPathSuite* gPathSuite = nullptr;
const KPathStyleSuite* gPathStyleSuite = nullptr;
const KBlendStyleSuite* gBlendStyleSuite = nullptr;
const KTransformArtSuite* gTransformArtSuite = nullptr;
const KMatchingArtSuite* gMatchingArtSuite = nullptr;
const KTagSuite* gTagSuite = nullptr;
const KDocumentSuite* gDocumentSuite = nullptr;
const KDocumentViewSuite* gDocumentViewSuite = nullptr;
const KLayerSuite* gLayerSuite = nullptr;
const KUndoSuite* gUndoSuite = nullptr;
const KSwatchListSuite* gSwatchListSuite = nullptr;
const KRandomSuite* gRandomSuite = nullptr;
const KEnvelopeSuite* gEnvelopeSuite = nullptr;
const KShapeConstructionSuite* gShapeConstructionSuite = nullptr;
const KTextStreamSuite* gTextStreamSuite = nullptr;
const KTextSuite* gTextSuite = nullptr;
const KTextFaceStyleSuite* gTextFaceStyleSuite = nullptr;
const KDictionarySuite* gDictionarySuite = nullptr;
const KFilterSuite* gFilterSuite = nullptr;
const KMenuSuite* gMenuSuite = nullptr;
const KADMBasicSuite* gADMBasicSuite = nullptr;
const KADMDialogSuite* gADMDialogSuite = nullptr;
const KADMItemSuite* gADMItemSuite = nullptr;
const KADMIconSuite* gADMIconSuite = nullptr;
const KADMNotifierSuite* gADMNotifierSuite = nullptr;
const KADMListSuite* gADMListSuite = nullptr;
const KADMEntrySuite* gADMEntrySuite = nullptr;
const KADMTrackerSuite* gADMTrackerSuite = nullptr;

int16_t gShellNesting = 0;

namespace {

// A slot is a typed pointer variable; the table knows only its address, so
// it is written and cleared bytewise rather than through a pointer of
// another type.
void store_slot(void* slot, const void* table) { std::memcpy(slot, &table, sizeof table); }

bool slot_filled(const void* slot) {
    const void* table = nullptr;
    std::memcpy(&table, slot, sizeof table);
    return table != nullptr;
}

}  // namespace

KResult shell_acquire_suites(const KSPBasicSuite* basic) {
    KResult result = kNoErr;
    if (gShellNesting == 0) {
        const KShellDeliverable& d = kShellDeliverable;
        for (int32_t i = 0; i < d.suite_count; ++i) {
            const KShellSuiteEntry& entry = d.suites[i];
            const void* table = nullptr;
            result = basic->acquire_suite(entry.name, entry.version, &table);
            store_slot(entry.slot, result == kNoErr ? table : nullptr);
            if (result == kNoErr) continue;
            if (gADMBasicSuite != nullptr) {
                // The dialog manager is there to say which suite is missing;
                // the walk stops at the first such failure.
                char text[256];
                std::snprintf(text, sizeof text, "Suite Loading Error: %d, suite: %s, version: %d!",
                              static_cast<int>(result), entry.name, static_cast<int>(entry.version));
                gADMBasicSuite->error_alert(text);
                break;
            }
            // Before the dialog manager nothing can be shown: go on, leaving
            // this slot empty; the last acquisition decides the result.
        }
    }
    ++gShellNesting;
    return result;
}

KResult shell_release_suites(const KSPBasicSuite* basic) {
    KResult result = kNoErr;
    if (gShellNesting == 1) {
        const KShellDeliverable& d = kShellDeliverable;
        for (int32_t i = 0; i < d.suite_count; ++i) {
            const KShellSuiteEntry& entry = d.suites[i];
            // A suite whose acquisition failed was never acquired: releasing
            // it would fail and stop the walk with the later suites still
            // held, so its empty slot is passed over.
            if (!slot_filled(entry.slot)) continue;
            result = basic->release_suite(entry.name, entry.version);
            if (result != kNoErr) break;
            store_slot(entry.slot, nullptr);
        }
    }
    --gShellNesting;
    return result;
}
