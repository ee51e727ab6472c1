// selection_list_test.cpp: the selection list the shell collects for the
// filter: the child pass over compound paths, an empty selection, failures,
// and freeing twice.
#include <vector>

#include "tests/fixture_plugin/shell_test_support.hpp"

namespace kestrel::test {
namespace {

class SelectionListTest : public ShellTest {
protected:
    // The entries of the list held now (null entries included).
    std::vector<KArtHandle> held_entries() {
        const KShellGlobals g = globals_snapshot();
        std::vector<KArtHandle> out;
        if (g.selection == nullptr || g.selection_count <= 0) return out;
        const KArtHandle* arts = reinterpret_cast<const KArtHandle*>(*g.selection);
        out.assign(arts, arts + g.selection_count);
        return out;
    }

    KArtHandle handle(const host::Art& art) { return host.document().handle_of(art); }
};

TEST_F(SelectionListTest, ChildPassNullsTheMembersOfEachSelectedCompoundPath) {
    host::Art& first = selected_compound(0);
    host::Art& path = selected_path(100);
    host::Art& second = selected_compound(200);
    const std::size_t art = host.document().art_count();

    host.dialogs().push_script("ok");
    ASSERT_EQ(host.plugins().get_parameters(*filter), kNoErr);
    // The query returns each compound path before its members; the members
    // are nulled, the count stays as the host gave it.
    const std::vector<KArtHandle> expected = {handle(first), nullptr, nullptr, handle(path),
                                              handle(second), nullptr, nullptr};
    EXPECT_EQ(held_entries(), expected);

    // Each compound path is copied whole, once; its members are not copied
    // on their own.
    EXPECT_EQ(host.faults().calls("AI Art Suite/duplicate_art"), 3);
    EXPECT_EQ(host.document().art_count(), art + 3 + 1 + 3);
    ASSERT_EQ(host.plugins().go(*filter), kNoErr);
    EXPECT_EQ(globals_snapshot().selection_count, -1);
    EXPECT_EQ(host.memory().live_plugin_handles(), 0u);
}

TEST_F(SelectionListTest, NothingSelectedHoldsNoList) {
    host.dialogs().push_script("ok");
    ASSERT_EQ(host.plugins().get_parameters(*filter), kNoErr);
    const KShellGlobals g = globals_snapshot();
    EXPECT_EQ(g.selection, nullptr);
    EXPECT_EQ(g.selection_count, -1);
    EXPECT_EQ(host.memory().live_plugin_handles(), 0u);
    EXPECT_EQ(host.plugins().go(*filter), kNoErr);
    EXPECT_EQ(host.faults().calls("AI Art Suite/duplicate_art"), 0);
}

TEST_F(SelectionListTest, FailedChildPassFreesTheList) {
    selected_compound();
    host.faults().fail_call("AI Art Suite/get_art_type", 1, kBadParameterErr, true);
    host.dialogs().push_script("ok");
    ASSERT_EQ(host.plugins().get_parameters(*filter), kNoErr);
    EXPECT_EQ(globals_snapshot().selection_count, -1);
    EXPECT_EQ(host.memory().live_plugin_handles(), 0u);
    // The generation took the failed collection as an empty selection.
    EXPECT_EQ(host.faults().calls("AI Art Suite/duplicate_art"), 0);
}

TEST_F(SelectionListTest, FreeingTwiceDisposesOnce) {
    selected_path();
    // The opening preview fails and frees the list; Cancel frees it again.
    host.faults().fail_call("AI Art Suite/duplicate_art", 1, kOutOfMemoryErr);
    host.dialogs().push_script("cancel");
    EXPECT_EQ(host.plugins().get_parameters(*filter), kCanceledErr);
    EXPECT_EQ(host.faults().calls("AI MdMemory Suite/dispose_handle"), 1);
    EXPECT_EQ(host.memory().live_plugin_handles(), 0u);
}

TEST_F(SelectionListTest, ShutdownFreesAListStillHeld) {
    selected_path();
    // Confirmed, but the host never sends the Go run.
    host.dialogs().push_script("ok");
    ASSERT_EQ(host.plugins().get_parameters(*filter), kNoErr);
    EXPECT_EQ(globals_snapshot().selection_count, 1);
    EXPECT_EQ(host.memory().live_plugin_handles(), 1u);
    EXPECT_EQ(host.plugins().shutdown(*plugin), kNoErr);
    EXPECT_EQ(host.memory().live_plugin_handles(), 0u);
    EXPECT_EQ(host.memory().live_blocks(), 0u);
}

}  // namespace
}  // namespace kestrel::test
