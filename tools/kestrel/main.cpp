// kestrel: runs the Kestrel filter plug-ins on documents from the command line.
#include <cstdlib>
#include <iostream>
#include <vector>

#include "commands.hpp"

namespace kestrel::tool {

std::filesystem::path default_plugin_dir() {
    if (const char* env = std::getenv("KESTREL_PLUGIN_DIR"); env != nullptr && *env != '\0') return env;
    return KESTREL_DEFAULT_PLUGIN_DIR;
}

}  // namespace kestrel::tool

int main(int argc, char** argv) {
    using namespace kestrel::tool;
    CLI::App app{"kestrel: the command-line host of the Kestrel filter plug-ins"};
    app.require_subcommand(1);
    CommonOptions common;
    common.plugin_dir = default_plugin_dir();
    common.args.assign(argv, argv + argc);
    app.add_option("--plugins", common.plugin_dir, "Folder of plug-in libraries")
        ->capture_default_str()
        ->check(CLI::ExistingDirectory);

    std::vector<std::pair<CLI::App*, Action>> actions;
    auto add = [&](Action action) { actions.emplace_back(app.get_subcommands({}).back(), std::move(action)); };
    add(add_plugins_command(app, common));
    add(add_about_command(app, common));
    add(add_run_command(app, common));


    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        return app.exit(e);
    }
    try {
        for (auto& [sub, action] : actions) {
            if (sub->parsed()) return action();
        }
    } catch (const std::exception& e) {
        std::cerr << "kestrel: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
