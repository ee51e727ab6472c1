// kestrel about NAME: the lines of a plug-in's About box.
#include <iostream>
#include <memory>

#include "commands.hpp"
#include "host/adm/dialog_manager.hpp"
#include "host/core/host.hpp"
#include "host/plugins/plugin_manager.hpp"

namespace kestrel::tool {
namespace {

int run_about(const CommonOptions& common, const std::string& name) {
    host::Host host;
    host.plugins().load_folder(common.plugin_dir);
    host.plugins().start_all();
    host::Filter* filter = host.plugins().find_filter(name);
    if (filter == nullptr) {
        std::cerr << "kestrel: no filter named \"" << name << "\"; the loaded filters are:";
        for (const host::Filter* f : host.plugins().filters()) std::cerr << " " << f->name;
        std::cerr << "\n";
        return 2;
    }
    const std::size_t before = host.dialogs().shown().size();
    host.plugins().about(*filter->plugin);
    const auto& shown = host.dialogs().shown();
    if (shown.size() == before) {
        std::cerr << "kestrel: " << filter->name << " showed no About box\n";
        return 1;
    }
    const auto& box = shown.back();
    std::cout << box.caption << "\n";
    for (const auto& [id, text] : box.item_texts) {
        if (id != 1) std::cout << text << "\n";
    }
    host.plugins().shutdown_all();
    return 0;
}

}  // namespace

Action add_about_command(CLI::App& app, const CommonOptions& common) {
    auto* sub = app.add_subcommand("about", "Show the lines of a filter's About box");
    auto name = std::make_shared<std::string>();
    sub->add_option("NAME", *name,
                    "A loaded filter by product name (wanderlust, ziggurat, scatterbox; any case) or filter name, "
                    "such as TK57_Ziggurat")
        ->required();
    return [&common, name] { return run_about(common, *name); };
}

}  // namespace kestrel::tool
