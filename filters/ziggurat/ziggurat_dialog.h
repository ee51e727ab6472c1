/* ziggurat_dialog.h: the settings dialog and the generation of
 * TK57_Ziggurat, as the plug-in's deliverable record refers to them.
 */
#ifndef KESTREL_ZIGGURAT_DIALOG_H
#define KESTREL_ZIGGURAT_DIALOG_H

#include "shell/dialog_kit.h"

#ifdef __cplusplus
extern "C" {
#endif

/* The dialog's description for the dialog kit. */
KSHELL_HIDDEN extern const KShellDialog kZigguratDialog;

/* The tower generation; takes the parameter block, returns 0 or a host code. */
KSHELL_HIDDEN KResult ziggurat_generate(void* block);

#ifdef __cplusplus
}
#endif

#endif /* KESTREL_ZIGGURAT_DIALOG_H */
