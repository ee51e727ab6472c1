/* shell_private.h: what the shell's own files share and no filter uses: the
 * suite-table walks, the handlers PluginMain routes to, and the shell's
 * static state.
 */
#ifndef KESTREL_SHELL_PRIVATE_H
#define KESTREL_SHELL_PRIVATE_H

#include "shell/kestrel_shell.h"

#ifdef __cplusplus
extern "C" {
#endif

/* The globals pointer: the shell's own reference to the globals block. */
KSHELL_HIDDEN extern KShellGlobals* gShellGlobals;
/* PluginMain calls inside the acquire/release bracket now. */
KSHELL_HIDDEN extern int16_t gShellNesting;

/* Acquire the whole suite table (outermost call only); counts the nesting
 * in every case. Returns the walk's result. */
KSHELL_HIDDEN KResult shell_acquire_suites(const KSPBasicSuite* basic);
/* Release the whole suite table (outermost call only); counts down. */
KSHELL_HIDDEN KResult shell_release_suites(const KSPBasicSuite* basic);

/* Handlers routed by PluginMain. */
KSHELL_HIDDEN KResult shell_startup(KSPMessageData* message);
KSHELL_HIDDEN KResult shell_shutdown(KSPMessageData* message);
KSHELL_HIDDEN KResult shell_register_filter(KSPMessageData* message);
KSHELL_HIDDEN KResult shell_get_parameters(KFilterMessage* message);
KSHELL_HIDDEN KResult shell_go(KFilterMessage* message);

#ifdef __cplusplus
}
#endif

#endif /* KESTREL_SHELL_PRIVATE_H */
