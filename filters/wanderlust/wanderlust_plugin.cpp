// wanderlust_plugin.cpp: the TK57_Wanderlust deliverable record: names,
// suite table, registration values, selection list, block layout, and its
// dialog and generation.
#include <cstddef>

#include "filters/wanderlust/wanderlust_dialog.h"
#include "filters/wanderlust/wanderlust_parameters.h"
#include "shell/kestrel_shell.h"

namespace {

const KShellSuiteEntry kSuites[] = {
    KSHELL_SUITES_HEAD,
    KSHELL_SUITE(gMatchingArtSuite, kAIMatchingArtSuite, kAIMatchingArtSuiteVersion),
    KSHELL_SUITE(gPathSuite, kAIPathSuite, kAIPathSuiteVersion),
    KSHELL_SUITE(gPathStyleSuite, kAIPathStyleSuite, kAIPathStyleSuiteVersion),
    KSHELL_SUITE(gSwatchListSuite, kAISwatchListSuite, kAISwatchListSuiteVersion),
    KSHELL_SUITE(gTransformArtSuite, kAITransformArtSuite, kAITransformArtSuiteVersion),
    KSHELL_SUITE(gDocumentSuite, kAIDocumentSuite, kAIDocumentSuiteVersion),
    KSHELL_SUITE(gDocumentViewSuite, kAIDocumentViewSuite, kAIDocumentViewSuiteVersion),
    KSHELL_SUITE(gRandomSuite, kAIRandomSuite, kAIRandomSuiteVersion),
    KSHELL_SUITE(gUndoSuite, kAIUndoSuite, kAIUndoSuiteVersion),
    KSHELL_SUITES_TAIL,
};

}  // namespace

const KShellDeliverable kShellDeliverable = {
    "TK57_Wanderlust",
    kSuites,
    static_cast<int32_t>(sizeof kSuites / sizeof kSuites[0]),
    1,
    {0, 0, 0, 0, 1, 0},
    KSHELL_GLOBALS_WITH_SELECTION,
    static_cast<int32_t>(sizeof(WanderlustParameters)),
    static_cast<int32_t>(offsetof(WanderlustParameters, go_flag) / 4),
    1,
    kShellPathSelectionSpecs,
    kShellPathSelectionSpecCount,
    1,
    wanderlust_set_defaults,
    shell_dialog_init_proc,
    wanderlust_generate,
    &kWanderlustDialog,
};
