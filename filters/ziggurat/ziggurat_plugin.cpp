// ziggurat_plugin.cpp: the TK57_Ziggurat deliverable record: names, suite
// table, registration values, selection list, block layout, and its dialog
// and generation.
#include <cstddef>

#include "filters/ziggurat/ziggurat_dialog.h"
#include "filters/ziggurat/ziggurat_parameters.h"
#include "shell/kestrel_shell.h"

namespace {

const KShellSuiteEntry kSuites[] = {
    KSHELL_SUITES_HEAD,
    KSHELL_SUITE(gDocumentSuite, kAIDocumentSuite, kAIDocumentSuiteVersion),
    KSHELL_SUITE(gDocumentViewSuite, kAIDocumentViewSuite, kAIDocumentViewSuiteVersion),
    KSHELL_SUITE(gUndoSuite, kAIUndoSuite, kAIUndoSuiteVersion),
    KSHELL_SUITE(gMatchingArtSuite, kAIMatchingArtSuite, kAIMatchingArtSuiteVersion),
    KSHELL_SUITE(gPathSuite, kAIPathSuite, kAIPathSuiteVersion),
    KSHELL_SUITE(gPathStyleSuite, kAIPathStyleSuite, kAIPathStyleSuiteVersion),
    KSHELL_SUITE(gRandomSuite, kAIRandomSuite, kAIRandomSuiteVersion),
    KSHELL_SUITE(gBlendStyleSuite, kAIBlendStyleSuite, kAIBlendStyleSuiteVersion),
    KSHELL_SUITE(gTransformArtSuite, kAITransformArtSuite, kAITransformArtSuiteVersion),
    KSHELL_SUITE(gEnvelopeSuite, kAIEnvelopeSuite, kAIEnvelopeSuiteVersion),
    KSHELL_SUITE(gSwatchListSuite, kAISwatchListSuite, kAISwatchListSuiteVersion),
    KSHELL_SUITES_TAIL,
};

}  // namespace

const KShellDeliverable kShellDeliverable = {
    "TK57_Ziggurat",
    kSuites,
    static_cast<int32_t>(sizeof kSuites / sizeof kSuites[0]),
    1,
    {0, 0, 0, 0, 1, 0},
    KSHELL_GLOBALS_WITH_SELECTION,
    static_cast<int32_t>(sizeof(ZigguratParameters)),
    static_cast<int32_t>(offsetof(ZigguratParameters, go_flag) / 4),
    1,
    kShellPathSelectionSpecs,
    kShellPathSelectionSpecCount,
    1,
    ziggurat_set_defaults,
    shell_dialog_init_proc,
    ziggurat_generate,
    &kZigguratDialog,
};
