/* sp_basic.h: the plug-in protocol: PluginMain, the message records, and the
 * SP suites ("SP Basic", "SP Blocks Suite", "SP Access Suite").
 *
 * The host calls PluginMain(caller, selector, message). The message always
 * starts with a KSPMessageData; "AI Filter" messages continue as a
 * KFilterMessage. Suites are acquired by name and version through
 * message->basic and released the same way.
 */
#ifndef KESTREL_SP_BASIC_H
#define KESTREL_SP_BASIC_H

#include "kestrel_types.h"

#ifdef __cplusplus
extern "C" {
#endif

/* Callers and selectors sent by the host. */
#define kSPAccessCaller "SP Access"
#define kSPAccessUnloadSelector "Unload"
#define kSPAccessReloadSelector "Reload"
#define kSPInterfaceCaller "SP Interface"
#define kSPInterfaceStartupSelector "Startup"
#define kSPInterfaceShutdownSelector "Shutdown"
#define kSPInterfaceAboutSelector "About"
#define kAIMenuCaller "AI Menu"
#define kAIFilterCaller "AI Filter"
#define kAIGoSelector "AI Go"
#define kAIUpdateSelector "AI Update"
#define kAIGetParametersSelector "AI Get Parameters"

/* "SP Basic": the operations every message carries. */
typedef struct KSPBasicSuite {
    /* Acquire a suite by name and version. out_suite receives the host's
     * table, valid until the matching release. Fails with kSuiteNotFoundErr
     * (unknown name or version). */
    KResult (*acquire_suite)(const char *name, int32_t version, const void **out_suite);
    /* Release a suite acquired before. kSuiteNotFoundErr when it was not. */
    KResult (*release_suite)(const char *name, int32_t version);
    /* 1 when the two zero-terminated texts are equal, else 0. */
    KBool (*is_equal)(const char *a, const char *b);
} KSPBasicSuite;

/* Every message starts with this record. */
typedef struct KSPMessageData {
    int32_t reserved;            /* the host's; never read by plug-ins */
    KPluginRef self;             /* this plug-in, passed to calls that need to know who asks */
    void *globals;               /* the globals block handed over at "Unload", back at "Reload" */
    const KSPBasicSuite *basic;  /* SP Basic, owned by the host */
} KSPMessageData;

/* "AI Filter" messages. */
typedef struct KFilterMessage {
    KSPMessageData d;            /* the common head */
    KFilterHandle filter;        /* the registered filter the message is for */
    KMemHandle parameters;       /* the filter's parameter block; null until the plug-in makes it.
                                    The plug-in writes this field in place; the host keeps the
                                    handle with the filter and frees it at the end of the session. */
} KFilterMessage;

/* The only export of every plug-in. Never lets an exception escape. */
typedef KResult (*KPluginMainProc)(const char *caller, const char *selector, void *message);

#define kSPBlocksSuite "SP Blocks Suite"
#define kSPBlocksSuiteVersion 2

/* "SP Blocks Suite" 2: named blocks of memory, owned by whoever allocates
 * them until freed. */
typedef struct KSPBlocksSuite {
    /* Allocate size bytes (zeroed) under a debugging name. -108 when out of memory. */
    KResult (*allocate_block)(int32_t size, const char *name, void **out_block);
    /* Free a block from allocate_block. kBadParameterErr for an unknown block. */
    KResult (*free_block)(void *block);
    /* Resize a block, keeping its contents. */
    KResult (*reallocate_block)(void *block, int32_t new_size, const char *name, void **out_block);
} KSPBlocksSuite;

#define kSPAccessSuite "SP Access Suite"
#define kSPAccessSuiteVersion 3

/* "SP Access Suite" 3: what the host knows of a plug-in. Acquired by every
 * deliverable, called by none. */
typedef struct KSPAccessSuite {
    /* Copy the plug-in's file name (zero-terminated, at most max_len bytes with the zero). */
    KResult (*get_plugin_file_name)(KPluginRef plugin, char *out_name, int32_t max_len);
    /* 1 when the plug-in's library is loaded now. */
    KResult (*is_plugin_loaded)(KPluginRef plugin, KBool *out_loaded);
} KSPAccessSuite;

#ifdef __cplusplus
}
#endif

#endif /* KESTREL_SP_BASIC_H */
