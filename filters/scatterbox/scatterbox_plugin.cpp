// scatterbox_plugin.cpp: the TK57_Scatterbox deliverable record: names,
// suite table, registration values, block layout (no selection list: the
// filter makes new art only), and its dialog and generation.
#include <cstddef>

#include "filters/scatterbox/scatterbox_dialog.h"
#include "filters/scatterbox/scatterbox_parameters.h"
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
    KSHELL_SUITE(gTagSuite, kAITagSuite, kAITagSuiteVersion),
    KSHELL_SUITE(gBlendStyleSuite, kAIBlendStyleSuite, kAIBlendStyleSuiteVersion),
    KSHELL_SUITE(gTransformArtSuite, kAITransformArtSuite, kAITransformArtSuiteVersion),
    KSHELL_SUITE(gLayerSuite, kAILayerSuite, kAILayerSuiteVersion),
    KSHELL_SUITE(gShapeConstructionSuite, kAIShapeConstructionSuite, kAIShapeConstructionSuiteVersion),
    KSHELL_SUITE(gSwatchListSuite, kAISwatchListSuite, kAISwatchListSuiteVersion),
    KSHELL_SUITES_TAIL,
};

}  // namespace

const KShellDeliverable kShellDeliverable = {
    "TK57_Scatterbox",
    kSuites,
    static_cast<int32_t>(sizeof kSuites / sizeof kSuites[0]),
    1,
    {0, 0, 0, 0, 1, 0},
    KSHELL_GLOBALS_WITHOUT_SELECTION,
    static_cast<int32_t>(sizeof(ScatterboxParameters)),
    static_cast<int32_t>(offsetof(ScatterboxParameters, go_flag) / 4),
    0,
    nullptr,
    0,
    0,
    scatterbox_set_defaults,
    shell_dialog_init_proc,
    scatterbox_generate,
    &kScatterboxDialog,
};
