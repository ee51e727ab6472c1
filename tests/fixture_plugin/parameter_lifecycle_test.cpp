// parameter_lifecycle_test.cpp: the parameter block around the settings
// dialog and the Go run: creation with defaults, OK, Cancel restoring the
// snapshot, Go keeping or remaking the preview, and the failures.
#include "tests/fixture_plugin/shell_test_support.hpp"

namespace kestrel::test {
namespace {

class ParameterLifecycleTest : public ShellTest {
protected:
    // Open the settings dialog with a script; the dialog must accept it.
    KResult open(const char* script) {
        host.dialogs().push_script(script);
        const KResult r = host.plugins().get_parameters(*filter);
        EXPECT_FALSE(host.dialogs().take_error().has_value()) << script;
        return r;
    }

    std::int64_t duplicates() { return host.faults().calls("AI Art Suite/duplicate_art"); }
};

bool same_block(const FixtureParameters& a, const FixtureParameters& b) { return std::memcmp(&a, &b, sizeof a) == 0; }

TEST_F(ParameterLifecycleTest, FirstDialogCreatesTheBlockAndCancelRestoresTheDefaults) {
    selected_path();
    const std::size_t art = host.document().art_count();
    ASSERT_EQ(filter->parameters, nullptr);

    EXPECT_EQ(open("cancel"), kCanceledErr);
    ASSERT_NE(filter->parameters, nullptr);
    EXPECT_EQ(host.memory().handle_size(filter->parameters), static_cast<std::int32_t>(sizeof(FixtureParameters)));
    // The dialog previewed at once (Preview is on by default); Cancel took
    // that art away and put every field back.
    EXPECT_EQ(duplicates(), 1);
    EXPECT_EQ(host.document().art_count(), art);
    EXPECT_TRUE(same_block(block(), defaults()));
    // "STOP" is never shown; the list is freed.
    EXPECT_EQ(count_shown("Error Dialog"), 0u);
    EXPECT_EQ(host.memory().live_plugin_handles(), 0u);

    // The next dialog opens on the defaults again.
    host.dialogs().set_state_recording(true);
    EXPECT_EQ(open("cancel"), kCanceledErr);
    const auto& states = host.dialogs().recorded_states();
    ASSERT_FALSE(states.empty());
    EXPECT_EQ(states.front()["bounds"], nlohmann::json::array({100, 100, 100 + kFixtureDialogWidth, 100 + kFixtureDialogHeight}));
}

TEST_F(ParameterLifecycleTest, CancelAfterPreviewsRestoresEveryFieldAndTheDocument) {
    selected_path();
    selected_path(30);
    EXPECT_EQ(open("move 300 200; ok"), kNoErr);
    EXPECT_EQ(host.plugins().go(*filter), kNoErr);
    const std::size_t art = host.document().art_count();
    const FixtureParameters before = block();
    ASSERT_EQ(before.dialog_bounds_saved, 1);
    ASSERT_EQ(before.dialog_left, 300);
    ASSERT_EQ(before.dialog_top, 200);

    EXPECT_EQ(open("move 10 20; check 3 0; check 3 1; move 40 50; check 3 0; cancel"), kCanceledErr);
    EXPECT_TRUE(same_block(block(), before));
    EXPECT_EQ(block().preview_flag, 0);
    EXPECT_EQ(host.document().art_count(), art);

    // It opens where it stood before the cancelled opening.
    host.dialogs().set_state_recording(true);
    EXPECT_EQ(open("cancel"), kCanceledErr);
    EXPECT_EQ(host.dialogs().recorded_states().front()["bounds"],
              nlohmann::json::array({300, 200, 300 + kFixtureDialogWidth, 200 + kFixtureDialogHeight}));
}

TEST_F(ParameterLifecycleTest, GoAfterAPreviewKeepsThePreviewArtWithoutNewDraws) {
    selected_path();
    selected_path(30);
    EXPECT_EQ(open("ok"), kNoErr);
    const std::size_t art = host.document().art_count();
    EXPECT_EQ(block().preview_flag, 1);
    const std::int64_t draws = host.random().draws();
    const std::int64_t dups = duplicates();

    EXPECT_EQ(host.plugins().go(*filter), kNoErr);
    EXPECT_EQ(host.random().draws(), draws);
    EXPECT_EQ(duplicates(), dups);
    EXPECT_EQ(host.document().art_count(), art);
    EXPECT_EQ(block().go_flag, 1);
    EXPECT_EQ(block().preview_flag, 0);
    EXPECT_EQ(host.memory().live_plugin_handles(), 0u);
}

TEST_F(ParameterLifecycleTest, GoWithPreviewOffUndoesTheLeftoverPreviewAndGenerates) {
    selected_path();
    selected_path(30);
    const std::size_t art = host.document().art_count();
    // The opening preview stays in the document when Preview is turned off.
    EXPECT_EQ(open("check 3 0; ok"), kNoErr);
    EXPECT_EQ(host.document().art_count(), art + 2);
    EXPECT_EQ(block().preview_flag, 0);
    const std::int64_t draws = host.random().draws();
    const std::int64_t dups = duplicates();

    EXPECT_EQ(host.plugins().go(*filter), kNoErr);
    EXPECT_EQ(host.random().draws() - draws, 2);
    EXPECT_EQ(duplicates() - dups, 2);
    EXPECT_EQ(host.document().art_count(), art + 2);
    EXPECT_EQ(host.memory().live_plugin_handles(), 0u);
}

TEST_F(ParameterLifecycleTest, RepeatedGoRunsAnewWithTheStoredBlock) {
    selected_path();
    const std::size_t art = host.document().art_count();
    EXPECT_EQ(open("ok"), kNoErr);
    EXPECT_EQ(host.plugins().go(*filter), kNoErr);
    // The host repeats the filter without its dialog: a command of its own.
    EXPECT_EQ(host.plugins().go(*filter, true), kNoErr);
    EXPECT_EQ(host.document().art_count(), art + 2);
}

TEST_F(ParameterLifecycleTest, GoWithoutABlockCreatesItWithDefaults) {
    selected_path();
    const std::size_t art = host.document().art_count();
    EXPECT_EQ(host.plugins().go(*filter, true), kNoErr);
    ASSERT_NE(filter->parameters, nullptr);
    FixtureParameters expected = defaults();
    expected.go_flag = 1;
    EXPECT_TRUE(same_block(block(), expected));
    EXPECT_EQ(host.document().art_count(), art + 1);
}

TEST_F(ParameterLifecycleTest, FailedBlockCreationIsReturnedAndShown) {
    host.faults().fail_call("AI MdMemory Suite/new_handle", 1, kOutOfMemoryErr);
    EXPECT_EQ(host.plugins().get_parameters(*filter), kOutOfMemoryErr);
    EXPECT_EQ(filter->parameters, nullptr);
    EXPECT_EQ(count_shown("TK57_Fixture"), 0u);
    const auto* d = last_shown("Error Dialog");
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(item_text(*d, 3), "-108");
}

// A memory suite whose new_handle reports success and gives no handle.
const KMdMemorySuite* g_real_memory = nullptr;
KResult null_new_handle(int32_t, KMemHandle* out_handle) {
    *out_handle = nullptr;
    return kNoErr;
}

TEST_F(ParameterLifecycleTest, NoHandleWithoutAnErrorIsNoParameters) {
    g_real_memory = static_cast<const KMdMemorySuite*>(host.suites().find(kAIMdMemorySuite, kAIMdMemorySuiteVersion));
    static KMdMemorySuite no_handles;
    no_handles = *g_real_memory;
    no_handles.new_handle = null_new_handle;
    host.suites().add(kAIMdMemorySuite, kAIMdMemorySuiteVersion, &no_handles);

    EXPECT_EQ(host.plugins().get_parameters(*filter), kNoParametersErr);
    const auto* d = last_shown("Error Dialog");
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(item_text(*d, 2), "The filter cannot complete because of an unknown error.");
    EXPECT_EQ(item_text(*d, 3), "!MEM");
    host.suites().add(kAIMdMemorySuite, kAIMdMemorySuiteVersion, g_real_memory);
}

TEST_F(ParameterLifecycleTest, FailedUndoOnCancelKeepsTheDialogsValues) {
    selected_path();
    // Undo 1 is the opening preview's head, undo 2 the Cancel's.
    host.faults().fail_call("AI Undo Suite/undo_changes", 2, kOutOfMemoryErr);
    EXPECT_EQ(open("cancel"), kOutOfMemoryErr);
    EXPECT_EQ(block().applies, 1);
    EXPECT_EQ(block().preview_flag, 1);
    EXPECT_EQ(count_shown("Error Dialog"), 1u);
    // The list does not outlive the failed dialog.
    EXPECT_EQ(host.memory().live_plugin_handles(), 0u);
}

TEST_F(ParameterLifecycleTest, ForeignFilterHandleIsNotHandled) {
    host::Filter other = *filter;
    other.handle = reinterpret_cast<KFilterHandle>(std::uintptr_t{0x46} << 56 | 99);
    other.parameters = nullptr;
    EXPECT_EQ(host.plugins().get_parameters(other), kNoErr);
    EXPECT_EQ(other.parameters, nullptr);
    EXPECT_TRUE(host.dialogs().shown().empty());
}

}  // namespace
}  // namespace kestrel::test
