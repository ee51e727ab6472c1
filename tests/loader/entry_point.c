/* A PluginMain that answers 0 to everything: enough for the loader to find. */
#include <stdint.h>
__attribute__((visibility("default"))) int32_t PluginMain(const char *caller, const char *selector, void *message) {
    (void)caller;
    (void)selector;
    (void)message;
    return 0;
}
