// kestrel plugins: each loaded deliverable and each refused library.
#include <iostream>

#include "commands.hpp"
#include "host/core/host.hpp"
#include "host/plugins/plugin_manager.hpp"

namespace kestrel::tool {
namespace {

// The version line of a plug-in's About box resource, or "".
std::string version_line(const host::Resources& resources) {
    if (const host::DialogResource* about = resources.dialog(16050)) {
        for (const auto& item : about->items) {
            if (item.text.rfind("Version Number:", 0) == 0) return item.text;
        }
    }
    return "";
}

int run_plugins(const CommonOptions& common) {
    host::Host host;
    host.plugins().load_folder(common.plugin_dir);
    host.plugins().start_all();
    for (const auto& plugin : host.plugins().plugins()) {
        std::cout << plugin->file.filename().string() << "\n";
        if (plugin->startup_result != 0) std::cout << "  start-up failed with code " << plugin->startup_result << "\n";
        for (const host::Filter* f : plugin->filters) {
            std::cout << "  filter:   " << f->name << "\n"
                      << "  menu:     " << f->category << " > " << f->title << "\n";
        }
        const std::string version = version_line(plugin->resources);
        if (!version.empty()) std::cout << "  version:  " << version << "\n";
    }
    for (const auto& refused : host.plugins().refused()) {
        std::cout << refused.file.filename().string() << "\n  refused:  " << refused.reason << "\n";
    }
    host.plugins().shutdown_all();
    return 0;
}

}  // namespace

Action add_plugins_command(CLI::App& app, const CommonOptions& common) {
    app.add_subcommand("plugins", "List the plug-ins: file, filter, menu category and title, version; refused libraries with the reason");
    return [&common] { return run_plugins(common); };
}

}  // namespace kestrel::tool
