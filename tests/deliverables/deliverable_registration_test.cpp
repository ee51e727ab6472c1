// deliverable_registration_test.cpp: each finished deliverable, loaded by
// the real loader, registers its one filter under its menu and shows its own
// About box.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host/adm/dialog_manager.hpp"
#include "host/core/host.hpp"
#include "host/plugins/plugin_manager.hpp"

namespace kestrel::test {
namespace {

struct Deliverable {
    const char* name;
    const char* category;
    const char* title;
    const char* about_caption;
    const char* name_line;
    const char* version_line;
    const char* ok_text;
};

class DeliverableTest : public ::testing::TestWithParam<Deliverable> {};

TEST_P(DeliverableTest, RegistersItsFilterAndShowsItsAboutBox) {
    const Deliverable& d = GetParam();
    host::Host host;
    host::Plugin* plugin = host.plugins().load_file(std::string(KESTREL_PLUGIN_DIR) + "/lib" + d.name + ".so");
    ASSERT_NE(plugin, nullptr);
    host.plugins().start_all();
    host::Filter* filter = host.plugins().find_filter(d.name);
    ASSERT_NE(filter, nullptr);
    EXPECT_EQ(filter->category, d.category);
    EXPECT_EQ(filter->title, d.title);
    EXPECT_TRUE(filter->auto_enabled);
    EXPECT_EQ(filter->enable_action, 1);
    const std::int32_t words[6] = {0, 0, 0, 0, 1, 0};
    for (int i = 0; i < 6; ++i) EXPECT_EQ(filter->enable_words[i], words[i]) << i;

    EXPECT_EQ(host.plugins().about(*plugin), kNoErr);
    const auto& about = host.dialogs().shown().back();
    EXPECT_EQ(about.name, "About Dialog");
    EXPECT_EQ(about.caption, d.about_caption);
    std::vector<std::string> lines;
    std::string ok;
    for (const auto& [id, text] : about.item_texts) {
        if (id == 65535) lines.push_back(text);
        if (id == 1) ok = text;
    }
    ASSERT_EQ(lines.size(), 8u);
    EXPECT_EQ(lines[2], d.name_line);
    EXPECT_EQ(lines[3], d.version_line);
    EXPECT_EQ(lines[4], "Release Date: September 2006");
    EXPECT_EQ(ok, d.ok_text);
    host.plugins().shutdown_all();
}

INSTANTIATE_TEST_SUITE_P(
    Finished, DeliverableTest,
    ::testing::Values(Deliverable{"TK57_Wanderlust", "Kestrel <Paths>", "Wanderlust...", "Wanderlust  Plug-in About",
                                  "Plugin Name: Wanderlust", "Version Number: Vol 20.2", "&OK"},
                      Deliverable{"TK57_Ziggurat", "Kestrel <Paths>", "Ziggurat...", "Ziggurat Plugin About",
                                  "Plugin Name: Ziggurat Plugin", "Version Number: Vol 20.2", "OK"},
                      Deliverable{"TK57_Scatterbox", "Kestrel <Create>", "Scatterbox...", "Scatterbox Plug-in About",
                                  "Plugin Name: Scatterbox", "Version Number: 20.2", "&OK"}),
    [](const ::testing::TestParamInfo<Deliverable>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace kestrel::test
