// shell_test_support.hpp: a host with the TK57_Fixture plug-in loaded and
// started, and the small helpers the shell tests share (selected art, the
// plug-in's globals block, the last dialog shown).
#pragma once

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "host/adm/dialog_manager.hpp"
#include "host/core/host.hpp"
#include "host/document/document.hpp"
#include "host/plugins/plugin_manager.hpp"
#include "shell/kestrel_shell.h"
#include "tests/fixture_plugin/fixture_parameters.h"

namespace kestrel::test {

// The text of item id in a shown dialog; "" when it has none.
inline std::string item_text(const host::DialogManager::ShownDialog& d, int id) {
    for (const auto& [item, text] : d.item_texts) {
        if (item == id) return text;
    }
    return "";
}

class ShellTest : public ::testing::Test {
protected:
    // folder: the plug-ins to load; start: send "Startup" at once.
    void load(const char* folder = FIXTURE_PLUGIN_DIR, bool start = true) {
        ASSERT_EQ(host.plugins().load_folder(folder), 1);
        plugin = host.plugins().plugins().front().get();
        if (start) host.plugins().start_all();
        filter = host.plugins().find_filter("TK57_Fixture");
    }

    void SetUp() override { load(); }

    // After "Shutdown" nothing the plug-in allocated may be live.
    void TearDown() override {
        host.faults().clear_faults();
        host.plugins().shutdown_all();
        EXPECT_EQ(host.memory().live_plugin_handles(), 0u);
        EXPECT_EQ(host.memory().live_blocks(), 0u);
        EXPECT_EQ(host.suites().outstanding(), 0);
    }

    // A selected rectangle path on the current layer.
    host::Art& selected_path(double x = 0) {
        host::Document& doc = host.document();
        host::Art& art = doc.new_art(kPathArt, doc.current_layer());
        Geom::Path p(Geom::Point(x, 0));
        p.appendNew<Geom::LineSegment>(Geom::Point(x + 10, 0));
        p.appendNew<Geom::LineSegment>(Geom::Point(x + 10, 10));
        p.close();
        doc.set_path(art, p);
        doc.set_selected(art, true);
        return art;
    }

    // A selected compound path of two member paths.
    host::Art& selected_compound(double x = 0) {
        host::Document& doc = host.document();
        host::Art& compound = doc.new_art(kCompoundPathArt, doc.current_layer());
        for (int i = 0; i < 2; ++i) {
            host::Art& member = doc.new_art(kPathArt, kPlaceInsideOnTop, &compound);
            Geom::Path p(Geom::Point(x + 20 * i, 50));
            p.appendNew<Geom::LineSegment>(Geom::Point(x + 20 * i + 5, 55));
            doc.set_path(member, p);
        }
        doc.set_selected(compound, true);
        return compound;
    }

    // The plug-in's globals block as the host receives it at "Unload"; the
    // library is reloaded straight after, so the block stays in use.
    KShellGlobals globals_snapshot() {
        KShellGlobals g{};
        EXPECT_EQ(host.plugins().unload(*plugin), kNoErr);
        if (plugin->globals != nullptr) std::memcpy(&g, plugin->globals, sizeof g);
        EXPECT_EQ(host.plugins().reload(*plugin), kNoErr);
        return g;
    }

    FixtureParameters& block() { return *reinterpret_cast<FixtureParameters*>(*filter->parameters); }

    // The fixture's defaults as a freshly created block holds them.
    static FixtureParameters defaults() {
        FixtureParameters p{};
        p.preview = 1;
        p.view_zoom = 100.0f;
        p.page = 1;
        return p;
    }

    const host::DialogManager::ShownDialog* last_shown(const std::string& name) {
        const auto& shown = host.dialogs().shown();
        for (auto it = shown.rbegin(); it != shown.rend(); ++it) {
            if (it->name == name) return &*it;
        }
        return nullptr;
    }

    std::size_t count_shown(const std::string& name) {
        std::size_t n = 0;
        for (const auto& d : host.dialogs().shown()) n += d.name == name ? 1 : 0;
        return n;
    }

    // The number of suites in the fixture's table.
    static constexpr int kSuiteCount = 6 + 3 + 10;

    host::Host host;
    host::Plugin* plugin = nullptr;
    host::Filter* filter = nullptr;
};

}  // namespace kestrel::test
