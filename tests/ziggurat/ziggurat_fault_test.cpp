// ziggurat_fault_test.cpp: host operations that fail in the middle of a
// tower. Each aborting operation ends the run at once, in a Go run and in a
// preview; a failed preview gives up its list and is not kept by the Go that
// follows it; deletions stop at the first failure; a failed collection
// gives no art.
#include <ostream>
#include <vector>

#include "tests/ziggurat/ziggurat_test_support.hpp"

namespace kestrel::test {
namespace {

struct FailureCase {
    const char* operation;
    int nth;  // the call of the generation that fails
    friend std::ostream& operator<<(std::ostream& os, const FailureCase& c) {
        return os << c.operation << " call " << c.nth;
    }
};

class ZigguratFaultTest : public ZigguratTest, public ::testing::WithParamInterface<FailureCase> {
protected:
    // A selected compound path of two 10 by 10 squares, 30 by 10 overall.
    host::Art& selected_compound() {
        host::Document& doc = host.document();
        host::Art& compound = doc.new_art(kCompoundPathArt, doc.current_layer());
        for (double left : {0.0, 20.0}) doc.move(selected_rect(left, 0, 10, 10), kPlaceInsideOnTop, &compound);
        doc.set_selected(compound, true);
        return compound;
    }

    // Two copies, each with a squashed drop shadow and a warped envelope, so
    // that a copy makes, in order: duplicate 1, first child 1, transform 1,
    // next sibling 1, transform 2, next sibling 2 (none left); the shadow's
    // duplicate 2, transform 3, bounds read 2 (1 is the source's),
    // transform 4; the envelope shape's duplicate 3, make envelope 1 and
    // apply warp 1.
    void shadowed_warped_pair() {
        block().blocks = 1;
        block().reduce = 2;
        block().drop_shadow = 1;
        block().shadow_scaling = 1;
        block().warp = 1;
        // 0.3 everywhere: warp style 5, signs +1.
        host.random().script(std::vector<float>(200, 0.3f));
    }

    bool error_shown() {
        for (const auto& d : host.dialogs().shown()) {
            if (d.name == "Error Dialog") return true;
        }
        return false;
    }
};

TEST_P(ZigguratFaultTest, GoRunEndsAtTheFailureAndKeepsTheSource) {
    const FailureCase& c = GetParam();
    host::Art& source = selected_compound();
    confirm_without_preview();
    shadowed_warped_pair();
    host.faults().fail_call(c.operation, c.nth, kOutOfMemoryErr);
    EXPECT_EQ(host.plugins().go(*filter), kNoErr);
    // Not one more call of the operation, no deletion, nothing shown.
    EXPECT_EQ(calls(c.operation), c.nth);
    EXPECT_EQ(calls("AI Art Suite/dispose_art"), 0);
    EXPECT_TRUE(source.in_document());
    EXPECT_FALSE(error_shown());
    EXPECT_EQ(host.memory().live_plugin_handles(), 0u);
}

TEST_P(ZigguratFaultTest, FailedPreviewFreesItsListAndTheGoAfterItStartsAgain) {
    const FailureCase& c = GetParam();
    // The block is made while nothing is selected, so no art is left over.
    confirm_without_preview();
    host::Art& source = selected_compound();
    shadowed_warped_pair();
    // The calls an opening makes before any preview (its collection of the
    // selection reads bounds, type and the compound path's children).
    ASSERT_EQ(open("ok"), kNoErr);
    const std::int64_t opening = calls(c.operation);
    host.faults().reset_counts();

    host.faults().fail_call(c.operation, opening + c.nth, kOutOfMemoryErr);
    ASSERT_EQ(open("check 3 1; ok"), kNoErr);
    EXPECT_EQ(calls(c.operation), opening + c.nth);
    // OK normally keeps the list for the Go; the failed preview has freed it.
    EXPECT_EQ(host.memory().live_plugin_handles(), 0u);
    EXPECT_EQ(block().preview_flag, 0);
    EXPECT_TRUE(source.in_document());
    EXPECT_FALSE(error_shown());

    // The Go does not take the broken preview for its result: it undoes it,
    // collects the selection again and builds the whole tower.
    host.faults().clear_faults();
    go_with_draws(std::vector<float>(200, 0.3f));
    EXPECT_FALSE(source.in_document());
    const auto art = layer_art();
    ASSERT_EQ(art.size(), 4u);  // per copy: its shadow and its envelope
    for (std::size_t n = 1; n < art.size(); n += 2) EXPECT_EQ(art[n]->type(), kEnvelopeArt) << n;
}

INSTANTIATE_TEST_SUITE_P(Aborts, ZigguratFaultTest,
                         ::testing::Values(FailureCase{"AI Undo Suite/undo_changes", 1},
                                           FailureCase{"AI Art Suite/get_bounds", 1},             // the source's
                                           FailureCase{"AI Art Suite/get_bounds", 2},             // the shadow's
                                           FailureCase{"AI Art Suite/duplicate_art", 1},          // the copy
                                           FailureCase{"AI Art Suite/duplicate_art", 2},          // its shadow
                                           FailureCase{"AI Art Suite/duplicate_art", 3},          // its envelope shape
                                           FailureCase{"AI Art Suite/duplicate_art", 4},          // the second copy
                                           FailureCase{"AI Art Suite/get_first_child", 1},
                                           FailureCase{"AI Art Suite/get_next_sibling", 1},
                                           FailureCase{"AI Art Suite/get_next_sibling", 2},       // the last one
                                           FailureCase{"AI Transform Art Suite/transform_art", 1},  // a member path
                                           FailureCase{"AI Transform Art Suite/transform_art", 3},  // the shadow's offset
                                           FailureCase{"AI Transform Art Suite/transform_art", 4},  // the squash
                                           FailureCase{"AI Envelope Suite/make_envelope", 1},
                                           FailureCase{"AI Envelope Suite/apply_warp", 1}),
                         [](const auto& info) { return std::to_string(info.index); });

class ZigguratFinishFaultTest : public ZigguratTest {};

TEST_F(ZigguratFinishFaultTest, DeletionStopsAtTheFirstFailure) {
    host::Art& first = selected_rect(0, 0, 30, 20);
    host::Art& second = selected_rect(100, 0, 30, 20);
    confirm_without_preview();
    block().blocks = 0;
    host.faults().fail_call("AI Art Suite/dispose_art", 2, kOutOfMemoryErr);
    go_with_draws({});
    // The sources go from the first list entry on; the second fails and the
    // run ends with both towers made.
    EXPECT_EQ(calls("AI Art Suite/dispose_art"), 2);
    EXPECT_FALSE(first.in_document());
    EXPECT_TRUE(second.in_document());
    EXPECT_EQ(layer_art().size(), 3u);
}

TEST_F(ZigguratFinishFaultTest, FailedCollectionGivesNoArtAndDeletesNothing) {
    // The host repeats the filter without its dialog: no list is held, so
    // the run collects the selection itself.
    confirm_without_preview();
    host::Art& source = selected_rect(0, 0, 30, 20);
    host.faults().fail_call("AI Matching Art Suite/get_matching_art", 1, kOutOfMemoryErr);
    EXPECT_EQ(host.plugins().go(*filter, /*new_command=*/true), kNoErr);
    EXPECT_EQ(calls("AI Matching Art Suite/get_matching_art"), 1);
    EXPECT_EQ(calls("AI Art Suite/duplicate_art"), 0);
    EXPECT_TRUE(source.in_document());
    EXPECT_EQ(layer_art().size(), 1u);
}

}  // namespace
}  // namespace kestrel::test
