// plugin_main.cpp: PluginMain, the routing of the host's messages, and the
// life of the globals block (start-up, shut-down, unload, reload).
#include "shell/shell_private.h"

KShellGlobals* gShellGlobals = nullptr;

namespace {

// The message of the call in progress, for shell_current_message().
KSPMessageData* gCurrentMessage = nullptr;

// "SP Access" messages: the globals block goes to the host and comes back,
// without touching the suite table.
KResult route_access(const KSPBasicSuite* basic, const char* selector, KSPMessageData* message) {
    if (basic->is_equal(selector, kSPAccessUnloadSelector)) {
        message->globals = gShellGlobals;
        return kNoErr;
    }
    if (basic->is_equal(selector, kSPAccessReloadSelector)) {
        gShellNesting = 0;
        gShellGlobals = static_cast<KShellGlobals*>(message->globals);
        return kNoErr;
    }
    return kNoErr;
}

// Every other message, with the suite table acquired.
KResult route(const KSPBasicSuite* basic, const char* caller, const char* selector, void* message) {
    KSPMessageData* data = shell_message_data(message);
    if (basic->is_equal(caller, kSPInterfaceCaller)) {
        if (basic->is_equal(selector, kSPInterfaceStartupSelector)) return shell_startup(data);
        if (basic->is_equal(selector, kSPInterfaceAboutSelector)) {
            shell_about(data);
            return kNoErr;
        }
        if (basic->is_equal(selector, kSPInterfaceShutdownSelector)) return shell_shutdown(data);
        return kNoErr;
    }
    if (basic->is_equal(caller, kAIMenuCaller)) {
        // The deliverables add no menu command of their own.
        if (basic->is_equal(selector, kAIGoSelector)) return kBadSelectionErr;
        return kNoErr;
    }
    if (basic->is_equal(caller, kAIFilterCaller)) {
        if (basic->is_equal(selector, kAIGetParametersSelector)) return shell_get_parameters(shell_filter_message(message));
        if (basic->is_equal(selector, kAIGoSelector)) {
            shell_go(shell_filter_message(message));
            return kNoErr;  // a failure of a Go run is never shown
        }
        return kNoErr;
    }
    return kNoErr;
}

}  // namespace

KShellGlobals* shell_globals(void) { return gShellGlobals; }

KSPMessageData* shell_current_message(void) { return gCurrentMessage; }

extern "C" KResult PluginMain(const char* caller, const char* selector, void* message) {
    KSPMessageData* data = shell_message_data(message);
    if (data == nullptr || data->basic == nullptr || caller == nullptr || selector == nullptr) return kBadParameterErr;
    const KSPBasicSuite* basic = data->basic;

    if (basic->is_equal(caller, kSPAccessCaller)) return route_access(basic, selector, data);

    KSPMessageData* outer_message = gCurrentMessage;
    gCurrentMessage = data;
    KResult result = shell_acquire_suites(basic);
    if (result == kNoErr) result = route(basic, caller, selector, message);
    if (result != kNoErr && result != kSuiteNotFoundErr) shell_report_error(data, result);
    shell_release_suites(basic);
    gCurrentMessage = outer_message;
    return result;
}

KResult shell_startup(KSPMessageData* message) {
    if (gBlocksSuite == nullptr) return kSuiteNotFoundErr;
    void* block = nullptr;
    const KResult result = gBlocksSuite->allocate_block(kShellDeliverable.globals_size, "globals", &block);
    if (result != kNoErr) return result;
    if (block == nullptr) return kOutOfMemoryErr;
    gShellGlobals = static_cast<KShellGlobals*>(block);
    gShellGlobals->basic = message->basic;
    if (kShellDeliverable.globals_size >= KSHELL_GLOBALS_WITH_SELECTION) {
        gShellGlobals->selection = nullptr;
        gShellGlobals->selection_count = -1;
    }
    return shell_register_filter(message);
}

KResult shell_shutdown(KSPMessageData* message) {
    // A list still held when the host shuts the plug-in down (a dialog
    // confirmed without the Go run after it) would outlive the block that
    // records it.
    if (gShellGlobals != nullptr && kShellDeliverable.has_selection_list) shell_selection_free();

    // "SP Blocks Suite" is acquired once more for the free, whatever the
    // table walk gave; the slot is left as the walk filled it, so that the
    // walk's own release stays balanced.
    const void* table = nullptr;
    const KResult result = message->basic->acquire_suite(kSPBlocksSuite, kSPBlocksSuiteVersion, &table);
    if (result == kNoErr) {
        const KSPBlocksSuite* blocks = static_cast<const KSPBlocksSuite*>(table);
        if (gShellGlobals != nullptr) blocks->free_block(gShellGlobals);
        gShellGlobals = nullptr;
        message->basic->release_suite(kSPBlocksSuite, kSPBlocksSuiteVersion);
    }
    message->globals = nullptr;
    return result;
}
