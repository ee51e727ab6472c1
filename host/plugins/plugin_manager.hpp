// plugin_manager.hpp: loads plug-in libraries from a folder and sends them
// the host's messages.
//
// Each library is checked before it is used: its property list 16000 must
// say vendor "ADBE", kind "SPEA", interface version 2 and entry point
// "PluginMain", and PluginMain must resolve. A library that fails is refused
// with the reason and the others go on. Typical use:
//
//   host.plugins().load_folder(dir);          // dlopen, check, keep
//   host.plugins().start_all();               // "SP Interface" / "Startup"
//   Filter* f = host.plugins().find_filter("TK57_Wanderlust");
//   host.plugins().get_parameters(*f);        // "AI Filter" / "AI Get Parameters"
//   host.plugins().go(*f);                    // "AI Filter" / "AI Go"
//   host.plugins().shutdown_all();            // "SP Interface" / "Shutdown"
#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "host/plugins/resources.hpp"
#include "sp_basic.h"

namespace kestrel::host {

class Host;

// A library that could not be used, and why.
struct RefusedPlugin {
    std::filesystem::path file;
    std::string reason;
};

// A filter a plug-in registered through "AI Filter Suite".
struct Filter {
    std::string name;                 // "TK57_Wanderlust"
    std::string category;             // menu category, "Kestrel <Paths>"
    std::string title;                // menu title, "Wanderlust..."
    std::int32_t options = 0;         // registration options
    struct Plugin* plugin = nullptr;  // the plug-in that registered it
    KFilterHandle handle = nullptr;   // what the plug-in holds
    KMenuItemHandle menu_item = nullptr;
    bool auto_enabled = false;        // automatic enabling was given
    std::int32_t enable_action = 0;   // its action
    std::int32_t enable_words[6] = {0, 0, 0, 0, 0, 0}; // its six condition words
    KMemHandle parameters = nullptr;  // the parameter block the host keeps between invocations
};

// One loaded plug-in library.
struct Plugin {
    std::filesystem::path file;
    Resources resources;
    void* library = nullptr;          // dlopen handle; null while unloaded
    KPluginMainProc main = nullptr;
    KPluginRef ref = nullptr;         // what the plug-in sees as self
    void* globals = nullptr;          // kept by the host between "Unload" and "Reload"
    bool started = false;             // "Startup" answered 0
    KResult startup_result = 0;
    std::vector<Filter*> filters;
};

class PluginManager {
public:
    explicit PluginManager(Host& host);
    ~PluginManager();

    // Load every library (*.so) of a folder, in file-name order; returns the
    // number loaded. Refused ones are listed by refused().
    int load_folder(const std::filesystem::path& folder);
    // Load one library; null when refused (see refused()).
    Plugin* load_file(const std::filesystem::path& file);

    // "SP Interface" / "Startup" to every loaded plug-in not started yet.
    void start_all();
    // "SP Interface" / "Shutdown" to every started plug-in, then dlclose.
    void shutdown_all();

    // One message to a plug-in: the result of PluginMain.
    KResult send(Plugin& plugin, const char* caller, const char* selector, void* message);
    // The common messages.
    KResult startup(Plugin& plugin);
    KResult shutdown(Plugin& plugin);
    KResult about(Plugin& plugin);
    // "SP Access" / "Unload", then dlclose; "Reload" after dlopen again.
    KResult unload(Plugin& plugin);
    KResult reload(Plugin& plugin);
    // "AI Menu" with a selector.
    KResult menu(Plugin& plugin, const char* selector);
    // "AI Filter" / "AI Get Parameters": starts a new command (the undo
    // boundary); the "AI Go" after it belongs to the same command.
    KResult get_parameters(Filter& filter);
    // "AI Filter" / "AI Go". new_command: the host repeats the filter without
    // its dialog, which starts a command of its own.
    KResult go(Filter& filter, bool new_command = false);
    // Any "AI Filter" selector (tests of the routing).
    KResult filter_message(Filter& filter, const char* selector);

    const std::vector<std::unique_ptr<Plugin>>& plugins() const { return plugins_; }
    const std::vector<RefusedPlugin>& refused() const { return refused_; }
    std::vector<Filter*> filters() const;
    // By filter name (exact) or by the product word, any case ("wanderlust").
    Filter* find_filter(const std::string& name) const;
    Plugin* find_plugin(KPluginRef ref) const;
    Filter* find_filter(KFilterHandle handle) const;

    // Called by "AI Filter Suite": a new filter of a plug-in.
    Filter& add_filter(Plugin& plugin, std::string name, std::string category, std::string title, std::int32_t options);

    // The SP Basic suite every message carries.
    static const KSPBasicSuite* basic_suite();

private:
    KResult send_filter(Filter& filter, const char* selector);

    Host& host_;
    std::vector<std::unique_ptr<Plugin>> plugins_;
    std::vector<std::unique_ptr<Filter>> filter_store_;
    std::vector<RefusedPlugin> refused_;
};

}  // namespace kestrel::host
