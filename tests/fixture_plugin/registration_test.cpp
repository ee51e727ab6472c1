// registration_test.cpp: start-up: the globals block, the filter registered
// from string list 16000 with its automatic enabling, and the failures that
// leave no filter registered.
#include "tests/fixture_plugin/shell_test_support.hpp"

namespace kestrel::test {
namespace {

using RegistrationTest = ShellTest;

TEST_F(RegistrationTest, RegistersOneFilterFromTheStringList) {
    ASSERT_NE(filter, nullptr);
    EXPECT_EQ(plugin->startup_result, kNoErr);
    EXPECT_EQ(host.plugins().filters().size(), 1u);
    EXPECT_EQ(filter->name, "TK57_Fixture");
    EXPECT_EQ(filter->category, "Kestrel <Tests>");
    EXPECT_EQ(filter->title, "Fixture...");
    EXPECT_EQ(filter->options, 0);
    EXPECT_TRUE(filter->auto_enabled);
    EXPECT_EQ(filter->enable_action, 1);
    const std::int32_t words[6] = {0, 0, 0, 0, 1, 0};
    for (int i = 0; i < 6; ++i) EXPECT_EQ(filter->enable_words[i], words[i]) << "condition word " << i;

    const KShellGlobals g = globals_snapshot();
    EXPECT_EQ(g.filter, filter->handle);
    EXPECT_EQ(g.filter_count, 1);
    EXPECT_EQ(g.selection, nullptr);
    EXPECT_EQ(g.selection_count, -1);
    EXPECT_TRUE(host.dialogs().shown().empty());
}

struct StartupFailure {
    const char* operation;  // the host call that fails
    bool filter_exists;     // the host has the filter (it failed after add_filter)
};

std::ostream& operator<<(std::ostream& os, const StartupFailure& c) { return os << c.operation; }

class StartupFailureTest : public ShellTest, public ::testing::WithParamInterface<StartupFailure> {
protected:
    void SetUp() override { load(FIXTURE_PLUGIN_DIR, false); }
};

TEST_P(StartupFailureTest, ReturnsTheCodeShowsItAndStoresNoCount) {
    const StartupFailure& c = GetParam();
    host.faults().fail_call(c.operation, 1, kOutOfMemoryErr);
    EXPECT_EQ(host.plugins().startup(*plugin), kOutOfMemoryErr);
    EXPECT_EQ(!host.plugins().filters().empty(), c.filter_exists);
    const auto* d = last_shown("Error Dialog");
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(item_text(*d, 2), "The filter cannot complete because there isn't enough memory (RAM) available.");
    EXPECT_EQ(item_text(*d, 3), "-108");
    if (std::strcmp(c.operation, "SP Blocks Suite/allocate_block") == 0) {
        EXPECT_EQ(host.memory().live_blocks(), 0u);
    } else {
        EXPECT_EQ(globals_snapshot().filter_count, 0);
    }
}

INSTANTIATE_TEST_SUITE_P(Calls, StartupFailureTest,
                         ::testing::Values(StartupFailure{"SP Blocks Suite/allocate_block", false},
                                           StartupFailure{"AI Filter Suite/add_filter", false},
                                           StartupFailure{"AI Filter Suite/get_filter_menu_item", true},
                                           StartupFailure{"AI Menu Suite/update_menu_item_automatically", true}));

class EmptyRegistrationTest : public ShellTest {
protected:
    void SetUp() override { load(FIXTURE_EMPTY_REGISTRATION_DIR); }
};

TEST_F(EmptyRegistrationTest, EmptyCategoryRegistersNothingAndSucceeds) {
    EXPECT_EQ(plugin->startup_result, kNoErr);
    EXPECT_TRUE(host.plugins().filters().empty());
    EXPECT_EQ(host.faults().calls("AI Filter Suite/add_filter"), 0);
    const KShellGlobals g = globals_snapshot();
    EXPECT_EQ(g.filter_count, 0);
    EXPECT_EQ(g.filter, nullptr);
    EXPECT_TRUE(host.dialogs().shown().empty());
}

}  // namespace
}  // namespace kestrel::test
