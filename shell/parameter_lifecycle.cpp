// parameter_lifecycle.cpp: the parameter block around the settings dialog
// ("AI Get Parameters") and the Go run ("AI Go"), and the common head of
// every generation.
#include <cstring>

#include "shell/shell_private.h"

namespace {

bool layout_is_sound() {
    const KShellDeliverable& d = kShellDeliverable;
    const int32_t fields = d.parameter_size / 4;
    return d.parameter_size > 0 && d.parameter_size <= kShellMaxParameterSize && d.go_flag_index >= 0 &&
           d.go_flag_index + 1 < fields;
}

// A message for the registered filter; others are not handled.
bool is_our_filter(const KFilterMessage* message) {
    return gShellGlobals != nullptr && gShellGlobals->filter_count > 0 && message->filter == gShellGlobals->filter;
}

// Make the block the host will keep, written straight into the message,
// and fill in the defaults.
KResult create_block(KFilterMessage* message) {
    if (gMdMemorySuite == nullptr) return kSuiteNotFoundErr;
    const KResult result = gMdMemorySuite->new_handle(kShellDeliverable.parameter_size, &message->parameters);
    if (result != kNoErr) return result;
    if (message->parameters == nullptr || *message->parameters == nullptr) return kNoParametersErr;
    kShellDeliverable.set_defaults(*message->parameters);
    return kNoErr;
}

// The block of the message, created with defaults when the host holds none.
// A handle smaller than the block is refused rather than read past its end.
KResult block_of(KFilterMessage* message, void** out_block) {
    *out_block = nullptr;
    if (!layout_is_sound()) return kBadParameterErr;
    if (message->parameters == nullptr) {
        const KResult result = create_block(message);
        if (result != kNoErr) return result;
    } else {
        if (gMdMemorySuite == nullptr) return kSuiteNotFoundErr;
        int32_t size = 0;
        const KResult result = gMdMemorySuite->get_handle_size(message->parameters, &size);
        if (result != kNoErr) return result;
        if (size < kShellDeliverable.parameter_size || *message->parameters == nullptr) return kBadParameterErr;
    }
    *out_block = *message->parameters;
    return kNoErr;
}

void free_selection_list() {
    if (kShellDeliverable.has_selection_list) shell_selection_free();
}

}  // namespace

KBool* shell_go_flag(void* block) { return static_cast<KBool*>(block) + kShellDeliverable.go_flag_index; }

KBool* shell_preview_flag(void* block) { return static_cast<KBool*>(block) + kShellDeliverable.go_flag_index + 1; }

KResult shell_get_parameters(KFilterMessage* message) {
    if (!is_our_filter(message)) return kNoErr;
    if (gADMDialogSuite == nullptr || gUndoSuite == nullptr) return kSuiteNotFoundErr;
    void* block = nullptr;
    KResult result = block_of(message, &block);
    if (result != kNoErr) return result;

    const int32_t size = kShellDeliverable.parameter_size;
    unsigned char snapshot[kShellMaxParameterSize];
    std::memcpy(snapshot, block, static_cast<size_t>(size));

    int32_t item = 0;
    const KResult dialog_result = gADMDialogSuite->modal(message->d.self, kShellDeliverable.filter_name,
                                                         kShellSettingsDialog, 0, kShellDeliverable.init_proc,
                                                         block, &item);
    if (dialog_result == kNoErr && item == kADMOKItem) return kNoErr;

    // Cancel, or a dialog that failed: the document and the block go back to
    // where they stood before the dialog.
    result = gUndoSuite->undo_changes();
    if (result != kNoErr) {
        free_selection_list();
        return dialog_result != kNoErr ? dialog_result : result;
    }
    // The handle is the host's and stays put while the dialog runs, but the
    // block is reached anew in case a notifier's host call moved it.
    block = *message->parameters;
    std::memcpy(block, snapshot, static_cast<size_t>(size));
    *shell_preview_flag(block) = 0;
    free_selection_list();
    return dialog_result != kNoErr ? dialog_result : kCanceledErr;
}

KResult shell_go(KFilterMessage* message) {
    if (!is_our_filter(message)) return kNoErr;
    void* block = nullptr;
    const KResult result = block_of(message, &block);
    if (result != kNoErr) return result;
    *shell_go_flag(block) = 1;
    const KResult generated = kShellDeliverable.generate(block);
    // The generation frees the list at its end; a second free is harmless
    // and makes sure no list outlives the run.
    free_selection_list();
    return generated;
}

KResult shell_generation_head(void* block, int32_t* out_decision) {
    *out_decision = kShellGenerateAnew;
    if (*shell_go_flag(block) == 1 && *shell_preview_flag(block) == 1) {
        *shell_preview_flag(block) = 0;
        *out_decision = kShellKeepPreview;
        return kNoErr;
    }
    const KResult result = gUndoSuite != nullptr ? gUndoSuite->undo_changes() : kSuiteNotFoundErr;
    if (result != kNoErr) {
        free_selection_list();
        return result;
    }
    return kNoErr;
}

namespace {

KResult run_generation(void* block, int suites_ok, KResult (*make_anew)(void* block)) {
    int32_t decision = kShellGenerateAnew;
    KResult result = shell_generation_head(block, &decision);
    if (result != kNoErr) return result;
    if (suites_ok == 0) {
        shell_selection_free();
        return kSuiteNotFoundErr;
    }
    if (decision == kShellGenerateAnew) {
        result = make_anew(block);
        if (result != kNoErr) {
            shell_selection_free();
            return result;
        }
    }
    if (*shell_go_flag(block) == 0) {
        gDocumentSuite->redraw_document();
        return kNoErr;
    }
    return shell_selection_dispose_all();
}

}  // namespace

KResult shell_generation_run(void* block, int suites_ok, KResult (*make_anew)(void* block)) {
    const KResult result = run_generation(block, suites_ok, make_anew);
    // Whatever failed (the undo at the start too, which leaves the previous
    // preview's art in place), the document holds no finished preview of
    // these settings, so the Go that may follow must generate anew rather
    // than keep a partial result and, the list being gone, the sources.
    if (result != kNoErr) *shell_preview_flag(block) = 0;
    return result;
}
