/* A library with a correct property list but no PluginMain. */
__attribute__((visibility("default"))) int not_the_entry_point(void) { return 1; }
