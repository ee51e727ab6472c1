/* ai_memory.h: "AI MdMemory Suite" 1, the host's relocatable memory handles.
 *
 * A handle reaches its data by one dereference: (*h)[0] is the first byte.
 * Whoever makes a handle owns it until it is disposed of; the parameter block
 * is the exception (made by the plug-in, owned by the host from then on).
 */
#ifndef KESTREL_AI_MEMORY_H
#define KESTREL_AI_MEMORY_H

#include "kestrel_types.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kAIMdMemorySuite "AI MdMemory Suite"
#define kAIMdMemorySuiteVersion 1

typedef struct KMdMemorySuite {
    /* A new zeroed handle of size bytes. -108 when out of memory. */
    KResult (*new_handle)(int32_t size, KMemHandle *out_handle);
    /* Dispose of a handle. kBadParameterErr for a null or unknown handle. */
    KResult (*dispose_handle)(KMemHandle handle);
    /* The size in bytes of the handle's data. */
    KResult (*get_handle_size)(KMemHandle handle, int32_t *out_size);
    /* Resize, keeping the contents; the data may move ((*handle) changes). */
    KResult (*set_handle_size)(KMemHandle handle, int32_t new_size);
} KMdMemorySuite;

#ifdef __cplusplus
}
#endif

#endif /* KESTREL_AI_MEMORY_H */
