// filter_suites.cpp: "AI Filter Suite" 2 and "AI Menu Suite" 7, and the SP
// suites other than SP Basic ("SP Access Suite" 3).
#include <cstring>
#include <string>

#include "ai_filter.h"
#include "host/core/call_guard.hpp"
#include "host/plugins/plugin_manager.hpp"
#include "sp_basic.h"

namespace kestrel::host {
namespace {

std::string from_length_prefixed(const unsigned char* text) {
    if (text == nullptr) fail(kBadParameterErr, "null text");
    return std::string(reinterpret_cast<const char*>(text + 1), text[0]);
}

Filter& filter_of_menu_item(Host& host, KMenuItemHandle item) {
    for (Filter* f : host.plugins().filters()) {
        if (f->menu_item == item && item != nullptr) return *f;
    }
    fail(kBadParameterErr, "unknown menu item");
}

KResult add_filter(KPluginRef self, const char* name, const KPlatformFilterData* data, int32_t options,
                   KFilterHandle* out_filter) {
    return KESTREL_HOST_CALL("AI Filter Suite/add_filter", [&](Host& host) {
        require(name, "filter name");
        require(data, "filter data");
        require(out_filter, "output filter");
        Plugin* plugin = host.plugins().find_plugin(self);
        if (plugin == nullptr) return kBadParameterErr;
        Filter& f = host.plugins().add_filter(*plugin, name, from_length_prefixed(data->category),
                                              from_length_prefixed(data->title), options);
        *out_filter = f.handle;
        return kNoErr;
    });
}

KResult get_filter_menu_item(KFilterHandle filter, KMenuItemHandle* out_item) {
    return KESTREL_HOST_CALL("AI Filter Suite/get_filter_menu_item", [&](Host& host) {
        require(out_item, "output menu item");
        Filter* f = host.plugins().find_filter(filter);
        if (f == nullptr) return kBadParameterErr;
        *out_item = f->menu_item;
        return kNoErr;
    });
}

KResult count_filters(int32_t* out_count) {
    return KESTREL_HOST_CALL("AI Filter Suite/count_filters", [&](Host& host) {
        require(out_count, "output count");
        *out_count = static_cast<int32_t>(host.plugins().filters().size());
        return kNoErr;
    });
}

KResult update_menu_item_automatically(KMenuItemHandle item, int32_t action, int32_t if_type, int32_t if_not_type,
                                       int32_t if_selected, int32_t if_not_selected, int32_t if_is, int32_t if_not_is) {
    return KESTREL_HOST_CALL("AI Menu Suite/update_menu_item_automatically", [&](Host& host) {
        Filter& f = filter_of_menu_item(host, item);
        f.auto_enabled = true;
        f.enable_action = action;
        const int32_t words[6] = {if_type, if_not_type, if_selected, if_not_selected, if_is, if_not_is};
        std::memcpy(f.enable_words, words, sizeof words);
        return kNoErr;
    });
}

KResult set_item_enabled(KMenuItemHandle item, KBool enabled) {
    return KESTREL_HOST_CALL("AI Menu Suite/set_item_enabled", [&](Host& host) {
        (void)enabled;
        filter_of_menu_item(host, item);
        return kNoErr;
    });
}

KResult get_plugin_file_name(KPluginRef plugin, char* out_name, int32_t max_len) {
    return KESTREL_HOST_CALL("SP Access Suite/get_plugin_file_name", [&](Host& host) {
        require(out_name, "output name");
        Plugin* p = host.plugins().find_plugin(plugin);
        if (p == nullptr || max_len <= 0) return kBadParameterErr;
        const std::string name = p->file.filename().string();
        const std::size_t n = std::min<std::size_t>(name.size(), static_cast<std::size_t>(max_len - 1));
        std::memcpy(out_name, name.data(), n);
        out_name[n] = '\0';
        return kNoErr;
    });
}

KResult is_plugin_loaded(KPluginRef plugin, KBool* out_loaded) {
    return KESTREL_HOST_CALL("SP Access Suite/is_plugin_loaded", [&](Host& host) {
        require(out_loaded, "output flag");
        Plugin* p = host.plugins().find_plugin(plugin);
        if (p == nullptr) return kBadParameterErr;
        *out_loaded = p->library != nullptr ? 1 : 0;
        return kNoErr;
    });
}

const KFilterSuite kFilterSuite = {add_filter, get_filter_menu_item, count_filters};
const KMenuSuite kMenuSuite = {update_menu_item_automatically, set_item_enabled};
const KSPAccessSuite kAccessSuite = {get_plugin_file_name, is_plugin_loaded};

}  // namespace

void register_filter_suites(SuiteRegistry& registry) {
    registry.add(kAIFilterSuite, kAIFilterSuiteVersion, &kFilterSuite);
    registry.add(kAIMenuSuite, kAIMenuSuiteVersion, &kMenuSuite);
}

void register_sp_suites(SuiteRegistry& registry) {
    registry.add(kSPAccessSuite, kSPAccessSuiteVersion, &kAccessSuite);
}

}  // namespace kestrel::host
