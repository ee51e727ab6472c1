/* scatterbox_dialog.h: the settings dialog and the generation of
 * TK57_Scatterbox, as the plug-in's deliverable record refers to them.
 */
#ifndef KESTREL_SCATTERBOX_DIALOG_H
#define KESTREL_SCATTERBOX_DIALOG_H

#include "shell/dialog_kit.h"

#ifdef __cplusplus
extern "C" {
#endif

/* The dialog's description for the dialog kit. */
KSHELL_HIDDEN extern const KShellDialog kScatterboxDialog;

/* The scatter run; takes the parameter block, returns 0 or a host code. */
KSHELL_HIDDEN KResult scatterbox_generate(void* block);

#ifdef __cplusplus
}
#endif

#endif /* KESTREL_SCATTERBOX_DIALOG_H */
