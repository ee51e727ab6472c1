// wanderlust_dialog_test.cpp: the settings dialog played by scripts: what it
// shows at opening, Preview, OK and Cancel, the jitter-y rule, view zoom,
// presets, "Tumble" and the drag buttons.
#include <cstring>

#include "tests/wanderlust/wanderlust_test_support.hpp"

namespace kestrel::test {
namespace {

using WanderlustDialogTest = WanderlustTest;

TEST_F(WanderlustDialogTest, OpensOnTheDefaultsAndPreviewsAtOnce) {
    selected_square();
    selected_square(50, 0);
    host.dialogs().set_state_recording(true);
    const std::size_t art = host.document().art_count();
    EXPECT_EQ(open("cancel"), kCanceledErr);

    EXPECT_EQ(host.dialogs().shown().back().caption, "Wanderlust Plug-in");
    const auto& opened = host.dialogs().recorded_states().front();
    EXPECT_EQ(opened["bounds"][2].get<int>() - opened["bounds"][0].get<int>(), 490);
    EXPECT_EQ(opened["bounds"][3].get<int>() - opened["bounds"][1].get<int>(), 220);
    EXPECT_EQ(item_state(opened, 4)["value"], 20);
    EXPECT_EQ(item_state(opened, 4)["min"], 3);
    EXPECT_EQ(item_state(opened, 4)["max"], 2000);
    EXPECT_EQ(item_state(opened, 5)["value"], 10.0);
    EXPECT_EQ(item_state(opened, 6)["value"], 10.0);
    EXPECT_EQ(item_state(opened, 6)["enabled"], true);
    EXPECT_EQ(item_state(opened, 8)["value"], 100.0);
    EXPECT_EQ(item_state(opened, 8)["precision"], 2);
    EXPECT_EQ(item_state(opened, 7)["value"], 100.0);
    EXPECT_EQ(item_state(opened, 3)["value"], true);
    EXPECT_EQ(item_state(opened, 21)["text"], "Tumble");
    const auto presets = item_state(opened, 19);
    EXPECT_EQ(presets["selected"], 0);
    ASSERT_EQ(presets["entries"].size(), 7u);
    EXPECT_EQ(presets["entries"][6].dump().find(" Repeat random direction random fill") != std::string::npos, true);
    EXPECT_EQ(item_state(opened, 1)["enabled"], false);
    // Twenty copies of each object were previewed before any event.
    EXPECT_EQ(calls("AI Art Suite/duplicate_art"), 40);
    // Cancel took the preview away and freed the list.
    EXPECT_EQ(host.document().art_count(), art);
    EXPECT_EQ(block().copies, 20);
    EXPECT_EQ(block().preview, 1);
    EXPECT_EQ(block().dialog_bounds_saved, 0);
    EXPECT_EQ(host.memory().live_plugin_handles(), 0u);
}

TEST_F(WanderlustDialogTest, PreviewOffThenOkUndoesTheOldPreviewAndGeneratesTheNewCopies) {
    host::Art& source = selected_square();
    ASSERT_EQ(open("check 3 0; set 4 5; ok"), kNoErr);
    EXPECT_EQ(layer_art().size(), 21u);  // the opening preview stays while Preview is off
    EXPECT_EQ(block().preview_flag, 0);
    EXPECT_EQ(block().copies, 5);
    EXPECT_EQ(host.plugins().go(*filter), kNoErr);
    EXPECT_FALSE(source.in_document());
    EXPECT_EQ(layer_art().size(), 5u);
}

TEST_F(WanderlustDialogTest, CancelRestoresTheBlockTheDocumentAndThePosition) {
    selected_square();
    ASSERT_EQ(open("move 300 200; set 4 7; ok"), kNoErr);
    ASSERT_EQ(host.plugins().go(*filter), kNoErr);
    const WanderlustParameters before = block();
    const std::size_t art = host.document().art_count();
    for (host::Art* a : layer_art()) host.document().set_selected(*a, true);

    EXPECT_EQ(open("move 10 20; check 15 1; set 5 50; check 16 1; cancel"), kCanceledErr);
    EXPECT_EQ(std::memcmp(&before, &block(), sizeof before), 0);
    EXPECT_EQ(host.document().art_count(), art);

    host.dialogs().set_state_recording(true);
    EXPECT_EQ(open("cancel"), kCanceledErr);
    EXPECT_EQ(host.dialogs().recorded_states().front()["bounds"][0], 300);
    EXPECT_EQ(host.dialogs().recorded_states().front()["bounds"][1], 200);
}

TEST_F(WanderlustDialogTest, RandomDirectionDisablesJitterYAndPreviewsAgain) {
    selected_square();
    host.dialogs().set_state_recording(true);
    ASSERT_EQ(open("check 15 1; check 15 0; ok"), kNoErr);
    const auto& states = host.dialogs().recorded_states();
    ASSERT_EQ(states.size(), 4u);
    EXPECT_EQ(item_state(states[1], 6)["enabled"], false);
    EXPECT_EQ(item_state(states[2], 6)["enabled"], true);
    EXPECT_EQ(calls("AI Art Suite/duplicate_art"), 60);
}

TEST_F(WanderlustDialogTest, ViewZoomZoomsTheViewWithoutPreview) {
    selected_square();
    ASSERT_EQ(open("set 7 250; ok"), kNoErr);
    EXPECT_FLOAT_EQ(block().view_zoom, 250.0f);
    EXPECT_NEAR(host.document().view(0).zoom, 2.5, 1e-6);
    EXPECT_EQ(calls("AI Art Suite/duplicate_art"), 20);  // the opening preview only
    EXPECT_EQ(block().preview_flag, 1);
}

struct PresetCase {
    const char* script;
    int32_t preset, copies;
    float jitter_x, jitter_y, scale_step;
    KBool basic_pattern, random_direction, random_fill_colour;
};

class WanderlustPresetTest : public WanderlustDialogTest, public ::testing::WithParamInterface<PresetCase> {};

TEST_P(WanderlustPresetTest, PresetSetsTheBlockAndTheItems) {
    const PresetCase& c = GetParam();
    // Start from settings every preset must clear.
    ASSERT_EQ(open(std::string("set 7 50; check 12 1; check 13 1; check 11 1; check 14 1; check 3 0; ") + c.script +
                   "; ok"),
              kNoErr);
    const WanderlustParameters& p = block();
    EXPECT_EQ(p.preset, c.preset);
    EXPECT_EQ(p.copies, c.copies);
    EXPECT_FLOAT_EQ(p.jitter_x, c.jitter_x);
    EXPECT_FLOAT_EQ(p.jitter_y, c.jitter_y);
    EXPECT_FLOAT_EQ(p.scale_step, c.scale_step);
    EXPECT_EQ(p.basic_pattern, c.basic_pattern);
    EXPECT_EQ(p.random_direction, c.random_direction);
    EXPECT_EQ(p.random_fill_colour, c.random_fill_colour);
    EXPECT_EQ(p.random_stroke_colour, 0);
    EXPECT_EQ(p.random_width, 0);
    EXPECT_EQ(p.random_fill_swatch, 0);
    EXPECT_EQ(p.random_stroke_swatch, 0);
    EXPECT_EQ(p.preview, 1);  // ticked again by every preset
    EXPECT_FLOAT_EQ(p.view_zoom, 50.0f);
}

INSTANTIATE_TEST_SUITE_P(
    Entries, WanderlustPresetTest,
    ::testing::Values(PresetCase{"choose 19 0", 0, 20, 10, 10, 100, 0, 0, 0},
                      PresetCase{"choose 19 1", 1, 50, 10, 10, 97, 0, 0, 0},
                      PresetCase{"choose 19 2", 2, 50, 30, 10, 100, 0, 1, 0},
                      PresetCase{"choose 19 3", 3, 20, 0, 30, 100, 0, 0, 0},
                      PresetCase{"choose 19 4", 4, 20, 0, -30, 100, 0, 0, 0},
                      PresetCase{"choose 19 5", 5, 50, 30, 10, 100, 1, 1, 0},
                      PresetCase{"choose 19 6", 6, 50, 30, 10, 97, 1, 1, 1},
                      PresetCase{"choose 19 2; choose 19 3", 3, 20, 0, 30, 100, 0, 0, 0}));

struct TumbleCase {
    std::vector<float> draws;
    int32_t copies;  // as the copies item reports it back
    float jitter_x, jitter_y, scale_step;
};

class WanderlustTumbleTest : public WanderlustDialogTest, public ::testing::WithParamInterface<TumbleCase> {};

TEST_P(WanderlustTumbleTest, TumbleDrawsCopiesJitterAndSometimesTheScale) {
    const TumbleCase& c = GetParam();
    // No selection, so the previews draw nothing.
    host.random().script(c.draws);
    host.random().reset_count();
    ASSERT_EQ(open("check 16 1; click Tumble; ok"), kNoErr);
    EXPECT_EQ(host.random().draws(), static_cast<std::int64_t>(c.draws.size()));
    const WanderlustParameters& p = block();
    EXPECT_EQ(p.copies, c.copies);
    EXPECT_FLOAT_EQ(p.jitter_x, c.jitter_x);
    EXPECT_FLOAT_EQ(p.jitter_y, c.jitter_y);
    EXPECT_FLOAT_EQ(p.scale_step, c.scale_step);
    EXPECT_EQ(p.basic_pattern, 1);  // the booleans are left alone
    EXPECT_EQ(p.preset, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Draws, WanderlustTumbleTest,
    ::testing::Values(TumbleCase{{0.5f, 0.5f, 0.5f, 0.9f, 0.5f, 0.25f}, 51, 50, 50, 105},
                      TumbleCase{{0.255f, 0.1f, 0.99f, 0.70f}, 26, -70, 197, 100},  // 0.70: no scale draws
                      TumbleCase{{0.01f, 0.0f, 0.0f, 0.1f}, 3, -100, -100, 100}));  // copies 2, held at 3 by the item

struct DragCase {
    const char* script;
    int32_t copies;
    float jitter_x, jitter_y, scale_step;
};

class WanderlustDragTest : public WanderlustDialogTest, public ::testing::WithParamInterface<DragCase> {};

TEST_P(WanderlustDragTest, DragButtonSetsItsSpinEditFromThePointer) {
    const DragCase& c = GetParam();
    selected_square();
    ASSERT_EQ(open(std::string(c.script) + "; ok"), kNoErr);
    const WanderlustParameters& p = block();
    EXPECT_EQ(p.copies, c.copies);
    EXPECT_FLOAT_EQ(p.jitter_x, c.jitter_x);
    EXPECT_FLOAT_EQ(p.jitter_y, c.jitter_y);
    EXPECT_FLOAT_EQ(p.scale_step, c.scale_step);
    // Every track, with or without the button down, previews again.
    EXPECT_EQ(host.document().redraw_count(), 2);
}

INSTANTIATE_TEST_SUITE_P(Buttons, WanderlustDragTest,
                         ::testing::Values(DragCase{"drag 40 60 0", 13, 10, 10, 100},
                                           DragCase{"drag 40 -30 0", 3, 10, 10, 100},  // -2 held at 3 by the item
                                           DragCase{"drag 41 30 0", 20, -40, 10, 100},
                                           DragCase{"drag 42 0 -60", 20, 10, -70, 100},
                                           DragCase{"drag 43 300 0", 20, 10, 10, 100},
                                           DragCase{"drag 43 291 0", 20, 10, 10, 97},
                                           DragCase{"hover 40", 20, 10, 10, 100}));

}  // namespace
}  // namespace kestrel::test
