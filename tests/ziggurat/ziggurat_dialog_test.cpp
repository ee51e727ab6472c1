// ziggurat_dialog_test.cpp: the three-page settings dialog played by
// scripts: what it shows at opening, the page buttons, the enable rules,
// presets, "Tumble", the drag buttons, view zoom, Cancel and OK.
#include <cstring>

#include "tests/ziggurat/ziggurat_test_support.hpp"

namespace kestrel::test {
namespace {

using ZigguratDialogTest = ZigguratTest;

// Items of each page.
const std::vector<int> kBaseItems = {5, 6, 20, 70, 90, 91};
const std::vector<int> kFloorsItems = {7, 8, 21, 72, 92, 93};
const std::vector<int> kSettingsItems = {30, 31, 32, 33, 34, 35, 36, 37, 38, 39, 40, 41, 42, 43, 44};
// Items on every page.
const std::vector<int> kFixedItems = {1, 2, 3, 9, 22, 50, 51, 60, 61, 62, 63, 64, 65};

TEST_F(ZigguratDialogTest, OpensOnTheBasePageWithTheDefaultsAndPreviewsAtOnce) {
    selected_rect(0, 0, 30, 20);
    host.dialogs().set_state_recording(true);
    const std::size_t art = host.document().art_count();
    EXPECT_EQ(open("cancel"), kCanceledErr);

    EXPECT_EQ(host.dialogs().shown().back().caption, "Ziggurat Plug-in");
    const auto& opened = host.dialogs().recorded_states().front();
    EXPECT_EQ(opened["bounds"][2].get<int>() - opened["bounds"][0].get<int>(), 410);
    EXPECT_EQ(opened["bounds"][3].get<int>() - opened["bounds"][1].get<int>(), 220);
    EXPECT_EQ(item_state(opened, 5)["value"], 7);
    EXPECT_EQ(item_state(opened, 5)["min"], 1);
    EXPECT_EQ(item_state(opened, 5)["max"], 100);
    EXPECT_EQ(item_state(opened, 6)["value"], 40.0);
    EXPECT_EQ(item_state(opened, 6)["precision"], 2);
    EXPECT_EQ(item_state(opened, 7)["value"], 1);
    EXPECT_EQ(item_state(opened, 7)["max"], 50);
    EXPECT_EQ(item_state(opened, 8)["value"], 40.0);
    EXPECT_EQ(item_state(opened, 9)["value"], 100.0);
    EXPECT_EQ(item_state(opened, 3)["value"], true);
    EXPECT_EQ(item_state(opened, 1)["enabled"], false);

    const auto blocks = item_state(opened, 20);
    ASSERT_EQ(blocks["entries"].size(), 15u);
    EXPECT_EQ(blocks["entries"][0]["text"], " Gap between blocks");
    EXPECT_EQ(blocks["entries"][14]["text"], " Threes");
    EXPECT_EQ(blocks["entries"][14]["id"], 14);
    EXPECT_EQ(blocks["selected"], 0);
    const auto floors = item_state(opened, 21);
    ASSERT_EQ(floors["entries"].size(), 15u);
    EXPECT_EQ(floors["entries"][5]["text"], " Decreasing alternative spacing");
    const auto presets = item_state(opened, 22);
    ASSERT_EQ(presets["entries"].size(), 2u);
    EXPECT_EQ(presets["entries"][0]["text"], " Reset");
    EXPECT_EQ(presets["entries"][1]["text"], " Crunched tower");
    EXPECT_EQ(presets["selected"], 0);

    // The base page shows, its caption in the bold font.
    for (int id : kBaseItems) EXPECT_EQ(item_state(opened, id)["visible"], true) << id;
    for (int id : kFloorsItems) EXPECT_EQ(item_state(opened, id)["visible"], false) << id;
    for (int id : kSettingsItems) EXPECT_EQ(item_state(opened, id)["visible"], false) << id;
    for (int id : kFixedItems) EXPECT_EQ(item_state(opened, id)["visible"], true) << id;
    EXPECT_EQ(item_state(opened, 63)["font"], 5);
    EXPECT_EQ(item_state(opened, 64)["font"], 0);
    EXPECT_EQ(item_state(opened, 65)["font"], 0);
    // The shadow options wait for "Drop shadow".
    for (int id : {41, 42, 43, 44}) EXPECT_EQ(item_state(opened, id)["enabled"], false) << id;
    EXPECT_EQ(item_state(opened, 8)["enabled"], true);

    // One tower of 8 + 7 + ... + 1 copies was previewed before any event,
    // and Cancel took it away again.
    EXPECT_EQ(calls("AI Art Suite/duplicate_art"), 36);
    EXPECT_EQ(host.document().art_count(), art);
    EXPECT_EQ(block().page, 1);
    EXPECT_EQ(block().dialog_bounds_saved, 0);
}

struct PageCase {
    const char* script;
    int32_t page;
    const std::vector<int>* shown;
    int caption;
};

class ZigguratPageTest : public ZigguratDialogTest, public ::testing::WithParamInterface<PageCase> {};

TEST_P(ZigguratPageTest, PageButtonShowsItsItemsAndIsRememberedAtTheNextOpening) {
    const PageCase& c = GetParam();
    selected_rect(0, 0, 30, 20);
    ASSERT_EQ(open(std::string(c.script) + "; ok"), kNoErr);
    EXPECT_EQ(block().page, c.page);
    // The page buttons make no preview: only the opening one ran.
    EXPECT_EQ(calls("AI Art Suite/duplicate_art"), 36);

    host.dialogs().set_state_recording(true);
    EXPECT_EQ(open("cancel"), kCanceledErr);
    const auto& opened = host.dialogs().recorded_states().front();
    for (const auto* page : {&kBaseItems, &kFloorsItems, &kSettingsItems}) {
        for (int id : *page) EXPECT_EQ(item_state(opened, id)["visible"], page == c.shown) << id;
    }
    for (int id : kFixedItems) EXPECT_EQ(item_state(opened, id)["visible"], true) << id;
    for (int caption : {63, 64, 65}) EXPECT_EQ(item_state(opened, caption)["font"], caption == c.caption ? 5 : 0);
}

INSTANTIATE_TEST_SUITE_P(Buttons, ZigguratPageTest,
                         ::testing::Values(PageCase{"click 61", 2, &kFloorsItems, 64},
                                           PageCase{"click 62", 3, &kSettingsItems, 65},
                                           PageCase{"click 62; click 60", 1, &kBaseItems, 63}));

TEST_F(ZigguratDialogTest, LinkGapDisablesTheFloorRuleAndDropShadowEnablesItsOptions) {
    selected_rect(0, 0, 30, 20);
    host.dialogs().set_state_recording(true);
    ASSERT_EQ(open("click 62; check 37 1; check 40 1; check 37 0; check 40 0; ok"), kNoErr);
    const auto& states = host.dialogs().recorded_states();
    ASSERT_EQ(states.size(), 7u);  // opening, five events, OK
    EXPECT_EQ(item_state(states[2], 21)["enabled"], false);
    EXPECT_EQ(item_state(states[2], 8)["enabled"], false);
    for (int id : {41, 42, 43, 44}) EXPECT_EQ(item_state(states[3], id)["enabled"], true) << id;
    EXPECT_EQ(item_state(states[4], 21)["enabled"], true);
    EXPECT_EQ(item_state(states[4], 8)["enabled"], true);
    for (int id : {41, 42, 43, 44}) EXPECT_EQ(item_state(states[5], id)["enabled"], false) << id;
    // The opening and each check box change previewed: 36 copies, and 36
    // shadows more while "Drop shadow" was on.
    EXPECT_EQ(calls("AI Art Suite/duplicate_art"), 36 + 36 + 72 + 72 + 36);
}

TEST_F(ZigguratDialogTest, CrunchedTowerSetsItsValuesAndKeepsPageZoomAndPosition) {
    host.dialogs().set_state_recording(true);
    ASSERT_EQ(open("move 40 30; set 9 50; click 62; check 30 1; check 40 1; check 3 0; click 61; set 7 3; "
                   "choose 21 5; choose 22 1; ok"),
              kNoErr);
    const ZigguratParameters& p = block();
    EXPECT_EQ(p.preset, 1);
    EXPECT_EQ(p.blocks, 14);
    EXPECT_FLOAT_EQ(p.block_gap, 32.0f);
    EXPECT_EQ(p.block_gap_method, 4);
    EXPECT_FLOAT_EQ(p.floor_gap, 68.0f);
    EXPECT_EQ(p.reduce, 1);
    EXPECT_EQ(p.floor_gap_method, 0);
    EXPECT_EQ(p.fill, 0);
    EXPECT_EQ(p.drop_shadow, 0);
    EXPECT_EQ(p.preview, 1);  // ticked again by the preset
    EXPECT_EQ(p.page, 2);
    EXPECT_FLOAT_EQ(p.view_zoom, 50.0f);
    EXPECT_EQ(p.dialog_left, 40);
    EXPECT_EQ(p.dialog_top, 30);
    const auto& after = host.dialogs().recorded_states().back();
    EXPECT_EQ(item_state(after, 20)["selected"], 4);
    EXPECT_EQ(item_state(after, 21)["selected"], 0);
    EXPECT_EQ(item_state(after, 5)["value"], 14);
    EXPECT_EQ(item_state(after, 30)["value"], false);
    EXPECT_EQ(item_state(after, 7)["visible"], true);  // the floors page stays shown

    // " Reset" afterwards brings back the defaults.
    ASSERT_EQ(open("choose 22 0; ok"), kNoErr);
    EXPECT_EQ(block().preset, 0);
    EXPECT_EQ(block().blocks, 7);
    EXPECT_FLOAT_EQ(block().block_gap, 40.0f);
    EXPECT_FLOAT_EQ(block().floor_gap, 40.0f);
    EXPECT_EQ(block().block_gap_method, 0);
    EXPECT_EQ(block().page, 2);
}

struct TumbleCase {
    std::vector<float> draws;
    int32_t blocks;  // as the blocks item reports it back
    float block_gap;
    int32_t block_method, reduce;
    float floor_gap;
    int32_t floor_method;
    KBool alternate;
};

class ZigguratTumbleTest : public ZigguratDialogTest, public ::testing::WithParamInterface<TumbleCase> {};

TEST_P(ZigguratTumbleTest, TumbleDrawsTheSpacingAndKeepsTheStyling) {
    const TumbleCase& c = GetParam();
    // No selection, so the previews draw nothing.
    host.random().script(c.draws);
    host.random().reset_count();
    ASSERT_EQ(open("click 62; check 30 1; check 37 1; click 51; ok"), kNoErr);
    EXPECT_EQ(host.random().draws(), static_cast<std::int64_t>(c.draws.size()));
    const ZigguratParameters& p = block();
    EXPECT_EQ(p.blocks, c.blocks);
    EXPECT_FLOAT_EQ(p.block_gap, c.block_gap);
    EXPECT_EQ(p.block_gap_method, c.block_method);
    EXPECT_EQ(p.reduce, c.reduce);
    EXPECT_FLOAT_EQ(p.floor_gap, c.floor_gap);
    EXPECT_EQ(p.floor_gap_method, c.floor_method);
    EXPECT_EQ(p.alternate, c.alternate);
    EXPECT_EQ(p.fill, 1);  // styling and link gap are left alone
    EXPECT_EQ(p.link_gap, 1);
    EXPECT_EQ(p.preset, 0);
    EXPECT_EQ(p.page, 3);
}

INSTANTIATE_TEST_SUITE_P(
    Draws, ZigguratTumbleTest,
    ::testing::Values(
        // Every test passes: nine draws.
        TumbleCase{{0.35f, 0.5f, 0.8f, 0.5f, 0.61f, 0.5f, 0.2f, 0.4f, 0.9f}, 7, 50, 7, 3, 20, 0, 1},
        // Products of exactly 70 and 80 fail their tests: seven draws.
        TumbleCase{{0.5f, 0.25f, 0.70f, 0.1f, 0.3f, 0.70f, 0.80f}, 10, 25, 0, 1, 30, 0, 0},
        // The method draws are capped at 14; reduce 0 is held at 1 by its item.
        TumbleCase{{0.99f, 0.0f, 0.99f, 0.9999f, 0.99f, 0.01f, 0.5f, 0.99f, 0.9999f, 0.1f}, 19, 0, 14, 1, 50, 14,
                   0},
        // blocks 0 is held at 1 by its item.
        TumbleCase{{0.01f, 0.4f, 0.1f, 0.1f, 0.4f, 0.1f, 0.1f}, 1, 40, 0, 1, 40, 0, 0}));

struct DragCase {
    const char* script;
    int32_t blocks, reduce;
    float block_gap, floor_gap;
};

class ZigguratDragTest : public ZigguratDialogTest, public ::testing::WithParamInterface<DragCase> {};

TEST_P(ZigguratDragTest, DragButtonSetsItsSpinEditFromThePointer) {
    const DragCase& c = GetParam();
    selected_rect(0, 0, 30, 20);
    ASSERT_EQ(open(std::string(c.script) + "; ok"), kNoErr);
    const ZigguratParameters& p = block();
    EXPECT_EQ(p.blocks, c.blocks);
    EXPECT_EQ(p.reduce, c.reduce);
    EXPECT_FLOAT_EQ(p.block_gap, c.block_gap);
    EXPECT_FLOAT_EQ(p.floor_gap, c.floor_gap);
    // Every track, with or without the button down, previews again.
    EXPECT_EQ(host.document().redraw_count(), 2);
}

INSTANTIATE_TEST_SUITE_P(Buttons, ZigguratDragTest,
                         ::testing::Values(DragCase{"drag 90 100 0", 11, 1, 40, 40},
                                           DragCase{"drag 90 -30 0", 1, 1, 40, 40},  // -2 held at 1 by the item
                                           DragCase{"drag 91 60 0", 7, 1, 20, 40},
                                           DragCase{"click 61; drag 92 0 40", 7, 5, 40, 40},
                                           DragCase{"click 61; drag 93 0 30", 7, 1, 40, 10},
                                           DragCase{"hover 90", 7, 1, 40, 40}));

TEST_F(ZigguratDialogTest, ViewZoomZoomsTheViewWithoutPreview) {
    selected_rect(0, 0, 30, 20);
    ASSERT_EQ(open("set 9 250; ok"), kNoErr);
    EXPECT_FLOAT_EQ(block().view_zoom, 250.0f);
    EXPECT_NEAR(host.document().view(0).zoom, 2.5, 1e-6);
    EXPECT_EQ(calls("AI Art Suite/duplicate_art"), 36);  // the opening preview only
    EXPECT_EQ(block().preview_flag, 1);
}

TEST_F(ZigguratDialogTest, CancelAfterSeveralPreviewsRestoresEveryFieldAndTheDocument) {
    selected_rect(0, 0, 30, 20);
    ASSERT_EQ(open("move 300 200; set 5 3; ok"), kNoErr);
    // Cancel brings every field back but the preview flag, which it clears:
    // the preview it undoes is gone.
    ZigguratParameters before = block();
    before.preview_flag = 0;
    const std::size_t art = host.document().art_count();

    EXPECT_EQ(open("move 10 20; set 5 9; set 6 12; click 62; check 40 1; check 35 1; choose 22 1; click 51; cancel"),
              kCanceledErr);
    EXPECT_EQ(std::memcmp(&before, &block(), sizeof before), 0);
    EXPECT_EQ(host.document().art_count(), art);
    EXPECT_EQ(host.memory().live_plugin_handles(), 0u);

    host.dialogs().set_state_recording(true);
    EXPECT_EQ(open("cancel"), kCanceledErr);
    EXPECT_EQ(host.dialogs().recorded_states().front()["bounds"][0], 300);
    EXPECT_EQ(host.dialogs().recorded_states().front()["bounds"][1], 200);
}

TEST_F(ZigguratDialogTest, OkRightAfterAPreviewKeepsThePreviewAndDeletesTheSources) {
    host::Art& source = selected_rect(0, 0, 30, 20);
    host.random().set_seed(7);
    ASSERT_EQ(open("click 62; check 30 1; check 33 1; check 40 1; check 41 1; ok"), kNoErr);
    EXPECT_EQ(block().preview_flag, 1);
    std::vector<std::pair<Geom::Rect, KPathStyle>> previewed;
    for (host::Art* a : layer_art()) {
        if (a != &source) previewed.emplace_back(bounds(*a), a->style);
    }
    host.random().reset_count();

    EXPECT_EQ(host.plugins().go(*filter), kNoErr);
    EXPECT_EQ(host.random().draws(), 0);
    EXPECT_FALSE(source.in_document());
    EXPECT_EQ(block().preview_flag, 0);
    const auto after = layer_art();
    ASSERT_EQ(after.size(), previewed.size());
    for (std::size_t i = 0; i < after.size(); ++i) {
        EXPECT_EQ(bounds(*after[i]), previewed[i].first) << i;
        EXPECT_EQ(std::memcmp(&after[i]->style, &previewed[i].second, sizeof(KPathStyle)), 0) << i;
    }
    EXPECT_EQ(host.memory().live_plugin_handles(), 0u);  // the list was freed
}

}  // namespace
}  // namespace kestrel::test
