#include "host/plugins/plugin_manager.hpp"

#include <dlfcn.h>

#include <algorithm>
#include <cctype>
#include <cstring>

#include "host/core/call_guard.hpp"
#include "host/core/host.hpp"
#include "host/document/document.hpp"

namespace kestrel::host {
namespace {

// What a plug-in sees as self: a tagged number, never a host pointer.
KPluginRef plugin_ref_for(std::size_t index) {
    return reinterpret_cast<KPluginRef>((std::uintptr_t{0x5e} << 56) | (index + 1));
}

KResult sp_acquire_suite(const char* name, int32_t version, const void** out_suite) {
    return KESTREL_HOST_CALL("SP Basic/acquire_suite", [&](Host& host) -> KResult {
        require(name, "suite name");
        require(out_suite, "output suite");
        *out_suite = nullptr;
        if (KResult refused = host.faults().on_acquire(name, version)) return refused;
        const void* table = host.suites().find(name, version);
        if (table == nullptr) return kSuiteNotFoundErr;
        host.suites().note_acquired(name, version);
        *out_suite = table;
        return kNoErr;
    });
}

KResult sp_release_suite(const char* name, int32_t version) {
    return KESTREL_HOST_CALL("SP Basic/release_suite", [&](Host& host) -> KResult {
        require(name, "suite name");
        return host.suites().note_released(name, version) ? kNoErr : kSuiteNotFoundErr;
    });
}

KBool sp_is_equal(const char* a, const char* b) {
    if (a == nullptr || b == nullptr) return a == b;
    return std::strcmp(a, b) == 0 ? 1 : 0;
}

const KSPBasicSuite kBasicSuite = {sp_acquire_suite, sp_release_suite, sp_is_equal};

std::string lower(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return std::tolower(c); });
    return s;
}

// The reason a property list is refused, or "" when it is right.
std::string check_property_list(const Resources& res) {
    auto it = res.property_lists.find(16000);
    if (it == res.property_lists.end()) return "no plug-in property list (resource 16000)";
    const PropertyList& pl = it->second;
    if (pl.vendor != "ADBE") return "property list vendor is \"" + pl.vendor + "\", not \"ADBE\"";
    if (pl.kind != "SPEA") return "property list kind is \"" + pl.kind + "\", not \"SPEA\"";
    if (pl.interface_version != 2) {
        return "property list interface version is " + std::to_string(pl.interface_version) + ", not 2";
    }
    if (pl.entry_point != "PluginMain") return "property list entry point is \"" + pl.entry_point + "\", not \"PluginMain\"";
    return "";
}

}  // namespace

const KSPBasicSuite* PluginManager::basic_suite() { return &kBasicSuite; }

PluginManager::PluginManager(Host& host) : host_(host) {}

PluginManager::~PluginManager() {
    try {
        shutdown_all();
    } catch (...) {
    }
}

int PluginManager::load_folder(const std::filesystem::path& folder) {
    std::vector<std::filesystem::path> files;
    std::error_code ec;
    for (const auto& entry : std::filesystem::directory_iterator(folder, ec)) {
        if (entry.is_regular_file() && entry.path().extension() == ".so") files.push_back(entry.path());
    }
    if (ec) {
        refused_.push_back({folder, "the plug-ins folder cannot be read: " + ec.message()});
        return 0;
    }
    std::sort(files.begin(), files.end());
    int loaded = 0;
    for (const auto& file : files) loaded += load_file(file) != nullptr ? 1 : 0;
    return loaded;
}

Plugin* PluginManager::load_file(const std::filesystem::path& file) {
    auto refuse = [&](std::string reason) -> Plugin* {
        refused_.push_back({file, std::move(reason)});
        return nullptr;
    };
    Resources resources;
    try {
        const std::string section = read_resource_section(file);
        if (section.empty()) return refuse("no plug-in property list (resource 16000)");
        resources = parse_resources(section);
    } catch (const ResourceError& e) {
        return refuse(std::string("resources: ") + e.what());
    }
    if (std::string reason = check_property_list(resources); !reason.empty()) return refuse(reason);

    void* library = dlopen(file.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (library == nullptr) {
        const char* why = dlerror();
        return refuse(std::string("cannot be loaded: ") + (why ? why : "unknown reason"));
    }
    auto main = reinterpret_cast<KPluginMainProc>(dlsym(library, "PluginMain"));
    if (main == nullptr) {
        dlclose(library);
        return refuse("PluginMain does not resolve");
    }
    auto plugin = std::make_unique<Plugin>();
    plugin->file = file;
    plugin->resources = std::move(resources);
    plugin->library = library;
    plugin->main = main;
    plugin->ref = plugin_ref_for(plugins_.size());
    plugins_.push_back(std::move(plugin));
    return plugins_.back().get();
}

KResult PluginManager::send(Plugin& plugin, const char* caller, const char* selector, void* message) {
    if (plugin.main == nullptr) return kBadParameterErr;
    return plugin.main(caller, selector, message);
}

namespace {
KSPMessageData base_message(const Plugin& plugin) {
    KSPMessageData m{};
    m.reserved = 0;
    m.self = plugin.ref;
    m.globals = plugin.globals;
    m.basic = PluginManager::basic_suite();
    return m;
}
}  // namespace

void PluginManager::start_all() {
    for (auto& p : plugins_) {
        if (!p->started && p->library != nullptr) startup(*p);
    }
}

void PluginManager::shutdown_all() {
    for (auto& p : plugins_) {
        if (p->started) shutdown(*p);
        if (p->library != nullptr) {
            dlclose(p->library);
            p->library = nullptr;
            p->main = nullptr;
        }
    }
    // The host owns the parameter blocks it kept with the filters.
    for (auto& f : filter_store_) {
        if (f->parameters != nullptr && host_.memory().is_handle(f->parameters)) {
            host_.memory().dispose_handle(f->parameters);
        }
        f->parameters = nullptr;
    }
}

KResult PluginManager::startup(Plugin& plugin) {
    KSPMessageData m = base_message(plugin);
    const KResult r = send(plugin, kSPInterfaceCaller, kSPInterfaceStartupSelector, &m);
    plugin.startup_result = r;
    plugin.started = true;  // a failed start-up still gets its shut-down
    return r;
}

KResult PluginManager::shutdown(Plugin& plugin) {
    KSPMessageData m = base_message(plugin);
    const KResult r = send(plugin, kSPInterfaceCaller, kSPInterfaceShutdownSelector, &m);
    plugin.globals = m.globals;
    plugin.started = false;
    return r;
}

KResult PluginManager::about(Plugin& plugin) {
    KSPMessageData m = base_message(plugin);
    return send(plugin, kSPInterfaceCaller, kSPInterfaceAboutSelector, &m);
}

KResult PluginManager::unload(Plugin& plugin) {
    if (plugin.library == nullptr) return kBadParameterErr;
    KSPMessageData m = base_message(plugin);
    const KResult r = send(plugin, kSPAccessCaller, kSPAccessUnloadSelector, &m);
    plugin.globals = m.globals;
    dlclose(plugin.library);
    plugin.library = nullptr;
    plugin.main = nullptr;
    return r;
}

KResult PluginManager::reload(Plugin& plugin) {
    if (plugin.library != nullptr) return kBadParameterErr;
    plugin.library = dlopen(plugin.file.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (plugin.library == nullptr) return kBadParameterErr;
    plugin.main = reinterpret_cast<KPluginMainProc>(dlsym(plugin.library, "PluginMain"));
    if (plugin.main == nullptr) return kBadParameterErr;
    KSPMessageData m = base_message(plugin);
    return send(plugin, kSPAccessCaller, kSPAccessReloadSelector, &m);
}

KResult PluginManager::menu(Plugin& plugin, const char* selector) {
    KSPMessageData m = base_message(plugin);
    return send(plugin, kAIMenuCaller, selector, &m);
}

KResult PluginManager::send_filter(Filter& filter, const char* selector) {
    Plugin& plugin = *filter.plugin;
    KFilterMessage m{};
    m.d = base_message(plugin);
    m.filter = filter.handle;
    m.parameters = filter.parameters;
    const KResult r = send(plugin, kAIFilterCaller, selector, &m);
    // The plug-in writes the parameter-block handle in place; from now on the
    // host keeps it with the filter.
    if (m.parameters != filter.parameters && m.parameters != nullptr && host_.memory().is_handle(m.parameters)) {
        filter.parameters = m.parameters;
        host_.memory().mark_host_owned(filter.parameters, true);
    }
    return r;
}

KResult PluginManager::get_parameters(Filter& filter) {
    host_.document().begin_command();
    return send_filter(filter, kAIGetParametersSelector);
}

KResult PluginManager::go(Filter& filter, bool new_command) {
    if (new_command) host_.document().begin_command();
    return send_filter(filter, kAIGoSelector);
}

KResult PluginManager::filter_message(Filter& filter, const char* selector) { return send_filter(filter, selector); }

std::vector<Filter*> PluginManager::filters() const {
    std::vector<Filter*> out;
    for (const auto& f : filter_store_) out.push_back(f.get());
    return out;
}

Filter* PluginManager::find_filter(const std::string& name) const {
    const std::string wanted = lower(name);
    for (const auto& f : filter_store_) {
        const std::string full = lower(f->name);
        if (full == wanted) return f.get();
        const auto underscore = full.find('_');
        if (underscore != std::string::npos && full.substr(underscore + 1) == wanted) return f.get();
    }
    return nullptr;
}

Plugin* PluginManager::find_plugin(KPluginRef ref) const {
    for (const auto& p : plugins_) {
        if (p->ref == ref) return p.get();
    }
    return nullptr;
}

Filter* PluginManager::find_filter(KFilterHandle handle) const {
    for (const auto& f : filter_store_) {
        if (f->handle == handle) return f.get();
    }
    return nullptr;
}

Filter& PluginManager::add_filter(Plugin& plugin, std::string name, std::string category, std::string title,
                                  std::int32_t options) {
    auto f = std::make_unique<Filter>();
    f->name = std::move(name);
    f->category = std::move(category);
    f->title = std::move(title);
    f->options = options;
    f->plugin = &plugin;
    const std::size_t n = filter_store_.size() + 1;
    f->handle = reinterpret_cast<KFilterHandle>((std::uintptr_t{0x46} << 56) | n);
    f->menu_item = reinterpret_cast<KMenuItemHandle>((std::uintptr_t{0x4d} << 56) | n);
    plugin.filters.push_back(f.get());
    filter_store_.push_back(std::move(f));
    return *filter_store_.back();
}

}  // namespace kestrel::host
