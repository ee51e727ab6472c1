// commands.hpp: the subcommands of the kestrel command-line host. Each adds
// itself to the CLI11 application and runs when chosen.
#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include <CLI/CLI.hpp>

namespace kestrel::tool {

// Options every command shares.
struct CommonOptions {
    std::filesystem::path plugin_dir;  // where the plug-in libraries are
    std::vector<std::string> args;     // the whole command line, for options whose order matters
};

// The plug-ins folder: --plugins, else $KESTREL_PLUGIN_DIR, else the build's.
std::filesystem::path default_plugin_dir();

// Each returns the action to run when its subcommand was chosen; the action
// returns the process exit code.
using Action = std::function<int()>;
Action add_plugins_command(CLI::App& app, const CommonOptions& common);
Action add_about_command(CLI::App& app, const CommonOptions& common);
Action add_run_command(CLI::App& app, const CommonOptions& common);

}  // namespace kestrel::tool
