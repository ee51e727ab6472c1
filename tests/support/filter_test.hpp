// filter_test.hpp: a host with one deliverable loaded and started, and what
// the deliverables' tests share: selected shapes, the parameter block the
// host keeps, dialog runs, scripted draws and the art of the current layer
// in paint order.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host/adm/dialog_manager.hpp"
#include "host/core/host.hpp"
#include "host/document/document.hpp"
#include "host/plugins/plugin_manager.hpp"

namespace kestrel::test {

// Block is the deliverable's parameter record; name its file and filter name.
template <typename Block>
class FilterTest : public ::testing::Test {
protected:
    explicit FilterTest(std::string name) : name_(std::move(name)) {}

    void SetUp() override {
        plugin = host.plugins().load_file(std::string(KESTREL_PLUGIN_DIR) + "/lib" + name_ + ".so");
        ASSERT_NE(plugin, nullptr);
        host.plugins().start_all();
        filter = host.plugins().find_filter(name_);
        ASSERT_NE(filter, nullptr);
    }

    // After "Shutdown" nothing the plug-in allocated may be live.
    void TearDown() override {
        host.faults().clear_faults();
        host.plugins().shutdown_all();
        EXPECT_EQ(host.memory().live_plugin_handles(), 0u);
        EXPECT_EQ(host.memory().live_blocks(), 0u);
        EXPECT_EQ(host.suites().outstanding(), 0);
    }

    // A selected path through the points, closed, on the current layer.
    host::Art& selected_polygon(const std::vector<Geom::Point>& points) {
        host::Document& doc = host.document();
        host::Art& art = doc.new_art(kPathArt, doc.current_layer());
        Geom::Path p(points.front());
        for (std::size_t i = 1; i < points.size(); ++i) p.appendNew<Geom::LineSegment>(points[i]);
        p.close();
        doc.set_path(art, p);
        doc.set_selected(art, true);
        return art;
    }

    // A selected w by h rectangle with its lower left corner at (x, y).
    host::Art& selected_rect(double x, double y, double w, double h) {
        return selected_polygon({{x, y}, {x + w, y}, {x + w, y + h}, {x, y + h}});
    }

    // Run the settings dialog with a script; the script must play cleanly.
    KResult open(const std::string& script) {
        host.dialogs().push_script(script);
        const KResult r = host.plugins().get_parameters(*filter);
        EXPECT_FALSE(host.dialogs().take_error().has_value()) << script;
        return r;
    }

    // Create the block through a dialog with Preview off (check box 3) and
    // confirm it; operation counts start again after it. With art selected
    // the dialog previews as it opens; that art stays until the next Go of
    // the same command undoes it, so a second dialog before a Go keeps it.
    void confirm_without_preview() {
        ASSERT_EQ(open("check 3 0; ok"), kNoErr);
        host.faults().reset_counts();
    }
    // Script the draws, then run "AI Go".
    void go_with_draws(const std::vector<float>& draws) {
        host.random().script(draws);
        host.random().reset_count();
        EXPECT_EQ(host.plugins().go(*filter), kNoErr);
    }

    Block& block() { return *reinterpret_cast<Block*>(*filter->parameters); }

    // Top-level art of the current layer, back to front.
    std::vector<host::Art*> layer_art() {
        std::vector<host::Art*> out;
        for (host::Art& a : host::top_level(host.document().current_layer())) out.push_back(&a);
        return out;
    }

    Geom::Rect bounds(const host::Art& art) { return *host.document().geometric_bounds(art); }

    std::vector<Geom::Point> nodes(const host::Art& art) {
        std::vector<Geom::Point> out;
        for (const auto& c : art.path) out.push_back(c.initialPoint());
        return out;
    }

    std::int64_t calls(const char* op) { return host.faults().calls(op); }

    // The state of item id in a recorded dialog state.
    static nlohmann::json item_state(const nlohmann::json& state, int id) {
        for (const auto& item : state["items"]) {
            if (item["id"] == id) return item;
        }
        ADD_FAILURE() << "no item " << id;
        return {};
    }

    host::Host host;
    host::Plugin* plugin = nullptr;
    host::Filter* filter = nullptr;

private:
    std::string name_;
};

// Points and rectangles compared to float precision.
inline void expect_near(Geom::Point a, Geom::Point b, const std::string& what = "") {
    EXPECT_NEAR(a.x(), b.x(), 1e-3) << what;
    EXPECT_NEAR(a.y(), b.y(), 1e-3) << what;
}
// l, b, r, t in y-up terms: the rectangle's left, bottom, right and top.
inline void expect_rect(const Geom::Rect& r, double l, double b, double rt, double t, const std::string& what = "") {
    EXPECT_NEAR(r.left(), l, 1e-3) << what;
    EXPECT_NEAR(r.top(), b, 1e-3) << what;  // 2geom: top is the smaller y
    EXPECT_NEAR(r.right(), rt, 1e-3) << what;
    EXPECT_NEAR(r.bottom(), t, 1e-3) << what;
}

}  // namespace kestrel::test
