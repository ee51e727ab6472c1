// routing_test.cpp: PluginMain's routing of (caller, selector) pairs, the
// About box, and unload and reload of the library keeping the globals block.
#include "tests/fixture_plugin/shell_test_support.hpp"

namespace kestrel::test {
namespace {

struct RouteCase {
    const char* caller;
    const char* selector;
    KResult result;
    bool acquires;          // the suite table is acquired for the call
    const char* dialog;     // the dialog shown, or null
};

std::ostream& operator<<(std::ostream& os, const RouteCase& c) {
    return os << '"' << c.caller << "\" / \"" << c.selector << '"';
}

class RoutingTest : public ShellTest, public ::testing::WithParamInterface<RouteCase> {};
using ShellRoutingTest = ShellTest;

TEST_P(RoutingTest, AnswersAndShowsAsTheTableSays) {
    const RouteCase& c = GetParam();
    ASSERT_NE(filter, nullptr);
    const auto acquisitions = host.faults().calls("SP Basic/acquire_suite");
    const std::size_t shown = host.dialogs().shown().size();

    KResult result;
    if (std::strcmp(c.caller, kAIFilterCaller) == 0) {
        result = host.plugins().filter_message(*filter, c.selector);
    } else {
        KFilterMessage m{};
        m.d.self = plugin->ref;
        m.d.globals = plugin->globals;
        m.d.basic = host::PluginManager::basic_suite();
        m.filter = filter->handle;
        result = host.plugins().send(*plugin, c.caller, c.selector, &m);
    }

    EXPECT_EQ(result, c.result);
    EXPECT_EQ(host.faults().calls("SP Basic/acquire_suite") - acquisitions, c.acquires ? kSuiteCount : 0);
    EXPECT_EQ(host.suites().outstanding(), 0);
    if (c.dialog == nullptr) {
        EXPECT_EQ(host.dialogs().shown().size(), shown);
    } else {
        ASSERT_EQ(host.dialogs().shown().size(), shown + 1);
        EXPECT_EQ(host.dialogs().shown().back().name, c.dialog);
    }
    EXPECT_TRUE(host.dialogs().alerts().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Routes, RoutingTest,
    ::testing::Values(RouteCase{"SP Access", "Something", kNoErr, false, nullptr},
                      RouteCase{"SP Interface", "Something", kNoErr, true, nullptr},
                      RouteCase{"SP Interface", "About", kNoErr, true, "About Dialog"},
                      RouteCase{"AI Menu", "AI Go", kBadSelectionErr, true, "Error Dialog"},
                      RouteCase{"AI Menu", "AI Update", kNoErr, true, nullptr},
                      RouteCase{"AI Menu", "Something", kNoErr, true, nullptr},
                      RouteCase{"AI Filter", "Something", kNoErr, true, nullptr},
                      RouteCase{"Some Caller", "AI Go", kNoErr, true, nullptr},
                      RouteCase{"Some Caller", "Startup", kNoErr, true, nullptr}));

TEST_F(ShellRoutingTest, MenuGoShowsTheSelectionMessage) {
    KSPMessageData m{};
    m.self = plugin->ref;
    m.basic = host::PluginManager::basic_suite();
    EXPECT_EQ(host.plugins().send(*plugin, kAIMenuCaller, kAIGoSelector, &m), kBadSelectionErr);
    const auto* d = last_shown("Error Dialog");
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(item_text(*d, 2), "The selection is not valid for this filter.");
    EXPECT_EQ(item_text(*d, 3), "!sel");
}

TEST_F(ShellRoutingTest, FilterGoAnswersZeroWhenTheGenerationFails) {
    selected_path();
    host.faults().fail_call("AI Art Suite/duplicate_art", 1, kOutOfMemoryErr);
    EXPECT_EQ(host.plugins().go(*filter, true), kNoErr);
    EXPECT_EQ(host.dialogs().shown().size(), 0u);
}

TEST_F(ShellRoutingTest, AboutBoxIsTheDeliverablesOwn) {
    EXPECT_EQ(host.plugins().about(*plugin), kNoErr);
    const auto* d = last_shown("About Dialog");
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(d->resource_id, 16050);
    EXPECT_EQ(d->caption, "Fixture Plug-in About");
    EXPECT_EQ(d->ended_with, 1);
}

TEST_F(ShellRoutingTest, UnloadAndReloadKeepTheSameGlobalsBlock) {
    ASSERT_EQ(host.plugins().unload(*plugin), kNoErr);
    void* block = plugin->globals;
    ASSERT_NE(block, nullptr);
    EXPECT_TRUE(host.memory().is_block(block));
    // "Unload" and "Reload" touch no suite.
    const auto acquisitions = host.faults().calls("SP Basic/acquire_suite");
    ASSERT_EQ(host.plugins().reload(*plugin), kNoErr);
    EXPECT_EQ(host.faults().calls("SP Basic/acquire_suite"), acquisitions);

    KShellGlobals g{};
    std::memcpy(&g, block, sizeof g);
    EXPECT_EQ(g.filter, filter->handle);
    EXPECT_EQ(g.filter_count, 1);
    EXPECT_EQ(g.basic, host::PluginManager::basic_suite());
    EXPECT_EQ(g.selection, nullptr);
    EXPECT_EQ(g.selection_count, -1);

    // The reloaded library runs from the same block: it still knows its
    // filter (the dialog opens), and its nesting count starts again at 0
    // (the call acquires the whole table).
    host.dialogs().push_script("ok");
    const auto before = host.faults().calls("SP Basic/acquire_suite");
    EXPECT_EQ(host.plugins().get_parameters(*filter), kNoErr);
    EXPECT_EQ(host.faults().calls("SP Basic/acquire_suite") - before, kSuiteCount);
    EXPECT_NE(last_shown("TK57_Fixture"), nullptr);
    EXPECT_FALSE(host.dialogs().take_error().has_value());
    EXPECT_EQ(globals_snapshot().filter, filter->handle);
}

TEST_F(ShellRoutingTest, ShutdownFreesTheGlobalsBlockAndClearsTheSlot) {
    EXPECT_EQ(host.memory().live_blocks(), 1u);
    EXPECT_EQ(host.plugins().shutdown(*plugin), kNoErr);
    EXPECT_EQ(plugin->globals, nullptr);
    EXPECT_EQ(host.memory().live_blocks(), 0u);
    EXPECT_EQ(host.suites().outstanding(), 0);
}

}  // namespace
}  // namespace kestrel::test
