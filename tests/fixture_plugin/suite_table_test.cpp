// suite_table_test.cpp: acquisition and release of the suite table: the
// nesting count for calls that arrive inside an outer call, failures before
// and after "ADM Basic Suite", and handlers refusing to call an empty slot.
#include "tests/fixture_plugin/shell_test_support.hpp"

namespace kestrel::test {
namespace {

// ---- Nested calls ------------------------------------------------------------
// The test's "AI Random Suite" sends the plug-in a message of its own on
// every draw, as the host may while a modal dialog of an outer call is open.

struct NestedProbe {
    host::Host* host = nullptr;
    host::Plugin* plugin = nullptr;
    const KRandomSuite* real = nullptr;
    int calls = 0;
    std::int64_t outstanding_before = -1;
    std::int64_t outstanding_after = -1;
    std::int64_t acquisitions = -1;  // acquisitions made by the nested call
    KResult nested_result = -1;
};
NestedProbe g_probe;

KResult nested_float_rnd(KReal* out_r) {
    NestedProbe& p = g_probe;
    ++p.calls;
    p.outstanding_before = p.host->suites().outstanding();
    const auto acquired = p.host->faults().calls("SP Basic/acquire_suite");
    p.nested_result = p.host->plugins().menu(*p.plugin, kAIUpdateSelector);
    p.acquisitions = p.host->faults().calls("SP Basic/acquire_suite") - acquired;
    p.outstanding_after = p.host->suites().outstanding();
    return p.real->float_rnd(out_r);
}

KResult nested_set_seed(int32_t seed) { return g_probe.real->set_seed(seed); }

const KRandomSuite kNestedRandomSuite = {nested_float_rnd, nested_set_seed};

using SuiteNestingTest = ShellTest;

TEST_F(SuiteNestingTest, CallInsideTheDialogAcquiresAndReleasesNothing) {
    g_probe = NestedProbe{};
    g_probe.host = &host;
    g_probe.plugin = plugin;
    g_probe.real = static_cast<const KRandomSuite*>(host.suites().find(kAIRandomSuite, kAIRandomSuiteVersion));
    host.suites().add(kAIRandomSuite, kAIRandomSuiteVersion, &kNestedRandomSuite);
    const std::size_t art_before = host.document().art_count();
    selected_path();

    // The dialog opens with Preview on: its preview draws once, from inside
    // the dialog's notifier.
    host.dialogs().push_script("ok");
    EXPECT_EQ(host.plugins().get_parameters(*filter), kNoErr);

    EXPECT_EQ(g_probe.calls, 1);
    EXPECT_EQ(g_probe.nested_result, kNoErr);
    EXPECT_EQ(g_probe.acquisitions, 0);
    EXPECT_EQ(g_probe.outstanding_before, kSuiteCount);
    EXPECT_EQ(g_probe.outstanding_after, kSuiteCount);
    // The outer call still had its suites after the inner one: the copy was
    // made after the draw.
    EXPECT_EQ(host.document().art_count(), art_before + 2);
    EXPECT_EQ(host.suites().outstanding(), 0);
}

// ---- Acquisition failures ------------------------------------------------------

struct FailureCase {
    const char* suite;
    KResult code;
    const char* alert;          // the alert text, or null for none
    KResult startup_result;
    std::int64_t acquire_calls; // acquisitions tried by "Startup"
    const char* message;        // the error dialog's message, or null for no dialog
    bool registered;
};

std::ostream& operator<<(std::ostream& os, const FailureCase& c) { return os << c.suite << " refused with " << c.code; }

class SuiteFailureTest : public ShellTest, public ::testing::WithParamInterface<FailureCase> {
protected:
    void SetUp() override { load(FIXTURE_PLUGIN_DIR, false); }
};

TEST_P(SuiteFailureTest, StartupFollowsTheWalk) {
    const FailureCase& c = GetParam();
    host.faults().refuse_suite(c.suite, std::nullopt, c.code);
    EXPECT_EQ(host.plugins().startup(*plugin), c.startup_result);

    EXPECT_EQ(host.faults().calls("SP Basic/acquire_suite"), c.acquire_calls);
    if (c.alert == nullptr) {
        EXPECT_TRUE(host.dialogs().alerts().empty());
    } else {
        ASSERT_EQ(host.dialogs().alerts().size(), 1u);
        EXPECT_EQ(host.dialogs().alerts().front(), c.alert);
    }
    if (c.message == nullptr) {
        EXPECT_EQ(count_shown("Error Dialog"), 0u);
    } else {
        const auto* d = last_shown("Error Dialog");
        ASSERT_NE(d, nullptr);
        EXPECT_EQ(item_text(*d, 2), c.message);
    }
    EXPECT_EQ(host.plugins().find_filter("TK57_Fixture") != nullptr, c.registered);
    // Whatever failed, every suite acquired is released again.
    EXPECT_EQ(host.suites().outstanding(), 0);
}

constexpr const char* kMemoryMessage = "The filter cannot complete because there isn't enough memory (RAM) available.";
constexpr int kAll = 6 + 3 + 10;

INSTANTIATE_TEST_SUITE_P(
    Walks, SuiteFailureTest,
    ::testing::Values(
        // Before "ADM Basic Suite": nothing shown, the walk goes on.
        FailureCase{"AI Undo Suite", kSuiteNotFoundErr, nullptr, kNoErr, kAll, nullptr, true},
        FailureCase{"SP Access Suite", kOutOfMemoryErr, nullptr, kNoErr, kAll, nullptr, true},
        // Registration then finds its slot empty and refuses, silently.
        FailureCase{"AI Filter Suite", kOutOfMemoryErr, nullptr, kSuiteNotFoundErr, kAll, nullptr, false},
        FailureCase{"ADM Basic Suite", kSuiteNotFoundErr, nullptr, kSuiteNotFoundErr, kAll, nullptr, false},
        // After it: one alert, the walk stops, the code goes to the host.
        FailureCase{"ADM Dialog Suite", kSuiteNotFoundErr,
                    "Suite Loading Error: 1394689636, suite: ADM Dialog Suite, version: 3!", kSuiteNotFoundErr,
                    6 + 3 + 4, nullptr, false},
        FailureCase{"ADM List Suite", kOutOfMemoryErr, "Suite Loading Error: -108, suite: ADM List Suite, version: 1!",
                    kOutOfMemoryErr, 6 + 3 + 8, kMemoryMessage, false}));

// ---- Handlers and empty slots ------------------------------------------------------

using EmptySlotTest = ShellTest;

TEST_F(EmptySlotTest, GetParametersRefusesWithoutTheUndoSuite) {
    host.faults().refuse_suite(kAIUndoSuite);
    EXPECT_EQ(host.plugins().get_parameters(*filter), kSuiteNotFoundErr);
    EXPECT_TRUE(host.dialogs().shown().empty());
    EXPECT_TRUE(host.dialogs().alerts().empty());
    EXPECT_EQ(filter->parameters, nullptr);
}

TEST_F(EmptySlotTest, GoWithoutTheMemorySuiteMakesNothing) {
    selected_path();
    const std::size_t art = host.document().art_count();
    host.faults().refuse_suite(kAIMdMemorySuite);
    EXPECT_EQ(host.plugins().go(*filter, true), kNoErr);
    EXPECT_EQ(host.document().art_count(), art);
    EXPECT_TRUE(host.dialogs().shown().empty());
}

}  // namespace
}  // namespace kestrel::test
