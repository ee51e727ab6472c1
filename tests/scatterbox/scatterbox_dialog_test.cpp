// scatterbox_dialog_test.cpp: the three-page settings dialog played by
// scripts: what it shows at opening, the shape page routine for every
// kind, pages, enable rules, presets, "Tumble" and "Shuffle", the drag
// button, view zoom, Cancel and the position memory.
#include <cstring>
#include <functional>
#include <ostream>

#include "tests/scatterbox/scatterbox_test_support.hpp"

namespace kestrel::test {
namespace {

class ScatterboxDialogTest : public ScatterboxTest {
protected:
    // The recorded state of item id (the first with that id).
    static nlohmann::json item_state(const nlohmann::json& state, int id) {
        for (const auto& item : state["items"]) {
            if (item["id"] == id) return item;
        }
        ADD_FAILURE() << "no item " << id;
        return {};
    }
    static bool visible(const nlohmann::json& state, int id) { return item_state(state, id)["visible"].get<bool>(); }

    // Open with state recording; the states of this opening: after the init
    // and after each event.
    nlohmann::json states_of(const std::string& script) {
        host.dialogs().set_state_recording(true);
        const std::size_t before = host.dialogs().recorded_states().size();
        open(script);
        nlohmann::json out = nlohmann::json::array();
        const auto& all = host.dialogs().recorded_states();
        for (std::size_t i = before; i < all.size(); ++i) out.push_back(all[i]);
        return out;
    }
};

TEST_F(ScatterboxDialogTest, OpensOnTheShapesPageWithTheDefaultsAndPreviewsAtOnce) {
    const std::size_t art = host.document().art_count();
    const auto states = states_of("cancel");
    EXPECT_EQ(host.dialogs().shown().back().caption, "Scatterbox Plug-in");
    const auto& s = states.front();
    EXPECT_EQ(s["bounds"][2].get<int>() - s["bounds"][0].get<int>(), 440);
    EXPECT_EQ(s["bounds"][3].get<int>() - s["bounds"][1].get<int>(), 250);
    EXPECT_EQ(item_state(s, 4)["value"], 40);
    EXPECT_EQ(item_state(s, 4)["min"], 2);
    EXPECT_EQ(item_state(s, 4)["max"], 1000);
    const auto shapes = item_state(s, 82);
    ASSERT_EQ(shapes["entries"].size(), 5u);
    EXPECT_EQ(shapes["entries"][4]["text"], "Circles");
    EXPECT_EQ(shapes["selected"], 0);
    const auto regions = item_state(s, 81);
    ASSERT_EQ(regions["entries"].size(), 10u);
    EXPECT_EQ(regions["entries"][0]["text"], " Fill document");
    EXPECT_EQ(regions["entries"][8]["text"], " Frame ");
    EXPECT_EQ(regions["selected"], 0);
    const auto presets = item_state(s, 80);
    ASSERT_EQ(presets["entries"].size(), 14u);
    EXPECT_EQ(presets["entries"][0]["text"], "Reset");
    EXPECT_EQ(presets["entries"][13]["text"], "Shadow + pattern");
    EXPECT_EQ(presets["selected"], 0);
    EXPECT_EQ(item_state(s, 45)["text"], "Rectangles");
    EXPECT_EQ(item_state(s, 45)["value"], true);
    EXPECT_FALSE(visible(s, 46));
    EXPECT_EQ(item_state(s, 30)["text"], "Vertical");
    EXPECT_EQ(item_state(s, 33)["text"], "");
    EXPECT_EQ(item_state(s, 5)["value"], 40.0);
    EXPECT_EQ(item_state(s, 6)["value"], 100.0);
    EXPECT_EQ(item_state(s, 10)["max"], 30.0);
    EXPECT_FALSE(visible(s, 11));
    EXPECT_FALSE(visible(s, 12));
    EXPECT_EQ(item_state(s, 17)["value"], 100.0);
    EXPECT_EQ(item_state(s, 17)["precision"], 2);
    EXPECT_EQ(item_state(s, 5)["precision"], 2);
    EXPECT_EQ(item_state(s, 103)["font"], 5);
    EXPECT_EQ(item_state(s, 104)["font"], 0);
    for (int id : {13, 16, 35, 53, 63}) EXPECT_FALSE(visible(s, id)) << id;
    // The rotation centre is the view's centre; it and the shadow options
    // are disabled while their flags are off.
    EXPECT_EQ(item_state(s, 15)["value"], 306.0);
    EXPECT_EQ(item_state(s, 16)["value"], 396.0);
    for (int id : {15, 16, 59, 60, 61, 62}) EXPECT_EQ(item_state(s, id)["enabled"], false) << id;
    EXPECT_EQ(item_state(s, 1)["enabled"], false);
    EXPECT_EQ(shape_calls().size(), 40u);

    // Cancel took the preview and its layer away and restored the defaults.
    EXPECT_EQ(host.document().art_count(), art);
    EXPECT_EQ(host.document().layers().size(), 1u);
    EXPECT_EQ(block().number_of_shapes, 40);
    EXPECT_EQ(block().preview_flag, 0);
    EXPECT_EQ(block().dialog_bounds_saved, 0);
}

struct Row {
    const char* label;
    double min, max;  // the block's values
    double low, high; // the items' limits
};

struct KindCase {
    int index;
    const char* name;
    std::vector<Row> rows;
    const char* option;  // item 46; null: hidden
    friend std::ostream& operator<<(std::ostream& os, const KindCase& c) { return os << c.name; }
};

class ScatterboxShapePageTest : public ScatterboxDialogTest, public ::testing::WithParamInterface<KindCase> {};

TEST_P(ScatterboxShapePageTest, ShapesPopupShowsTheKindsRowsWithoutAPreview) {
    const KindCase& c = GetParam();
    const auto states = states_of("choose 82 " + std::to_string(c.index) + "; ok");
    const auto& s = states.at(1);
    EXPECT_EQ(item_state(s, 45)["text"], c.name);
    EXPECT_EQ(item_state(s, 45)["value"], true);
    for (std::size_t r = 0; r < 4; ++r) {
        const int left = 5 + 2 * static_cast<int>(r), right = left + 1, label = 30 + static_cast<int>(r);
        if (r >= c.rows.size()) {
            EXPECT_EQ(item_state(s, label)["text"], "") << r;
            EXPECT_FALSE(visible(s, left)) << r;
            EXPECT_FALSE(visible(s, right)) << r;
            continue;
        }
        const Row& row = c.rows[r];
        EXPECT_EQ(item_state(s, label)["text"], row.label);
        for (int id : {left, right}) {
            EXPECT_TRUE(visible(s, id)) << id;
            EXPECT_EQ(item_state(s, id)["min"], row.low) << id;
            EXPECT_EQ(item_state(s, id)["max"], row.high) << id;
        }
        EXPECT_EQ(item_state(s, left)["value"], row.min);
        EXPECT_EQ(item_state(s, right)["value"], row.max);
    }
    EXPECT_EQ(visible(s, 46), c.option != nullptr);
    if (c.option != nullptr) {
        EXPECT_EQ(item_state(s, 46)["text"], c.option);
        EXPECT_EQ(item_state(s, 46)["value"], true);
    }
    EXPECT_EQ(shape_calls().size(), 40u);  // the opening preview only
    EXPECT_EQ(block().shape_page, c.index);
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, ScatterboxShapePageTest,
    ::testing::Values(
        KindCase{0, "Rectangles", {{"Vertical", 40, 100, 1, 3000}, {"Horizontal", 40, 100, 1, 3000}, {"Rounded", 0, 0, 0, 30}},
                 nullptr},
        KindCase{1, "Polygons", {{"Points", 3, 10, 2, 70}, {"Radius", 50, 100, 1, 3000}}, nullptr},
        KindCase{2, "Stars",
                 {{"Points", 4, 16, 2, 70}, {"Inner Radius", 20, 100, 1, 3000}, {"Outer Radius", 20, 100, 1, 3000}},
                 nullptr},
        KindCase{3, "Spirals",
                 {{"1/4 Turns", 2, 20, 1, 50},
                  {"Arc (x)", 20, 50, 1, 1000},
                  {"Arc (y)", 20, 50, 1, 1000},
                  {"Decay", 50, 100, 1, 1000}},
                 "Clockwise"},
        KindCase{4, "Circles", {{"Vertical Size", 40, 100, 1, 3000}, {"Horizontal Size", 40, 100, 1, 3000}},
                 "Inscribed"}));

TEST_F(ScatterboxDialogTest, RowsChangeOnlyTheKindShown) {
    ASSERT_EQ(open("choose 82 2; set 5 7.6; set 8 55; check 45 0; choose 82 3; check 46 0; "
                   "choose 82 4; check 46 0; set 7 33; ok"),
              kNoErr);
    const ScatterboxParameters& p = block();
    EXPECT_EQ(p.star_points_min, 7);  // an integer row
    EXPECT_EQ(p.star_points_max, 16);
    EXPECT_FLOAT_EQ(p.star_inner_radius_max, 55);
    EXPECT_EQ(p.stars, 0);
    EXPECT_EQ(p.clockwise, 0);
    EXPECT_EQ(p.inscribed, 0);
    EXPECT_FLOAT_EQ(p.circle_horizontal_min, 33);
    EXPECT_EQ(p.spirals, 1);
    EXPECT_EQ(p.circles, 1);
    EXPECT_EQ(p.rectangles, 1);
    EXPECT_FLOAT_EQ(p.rectangle_vertical_min, 40);
    EXPECT_FLOAT_EQ(p.rectangle_horizontal_min, 40);
    EXPECT_EQ(p.polygon_points_min, 3);
    EXPECT_EQ(p.shape_page, 4);
    // The opening preview and one per change of a value; none for the popup.
    EXPECT_EQ(calls("AI Document Suite/redraw_document"), 1 + 6);
}

TEST_F(ScatterboxDialogTest, PagesShowTheirItemsAndTheLastPageReopens) {
    const auto states = states_of("choose 82 3; click 101; click 102; click 100; click 102; ok");
    const auto& rotate = states.at(2);
    EXPECT_EQ(item_state(rotate, 103)["font"], 0);
    EXPECT_EQ(item_state(rotate, 104)["font"], 5);
    for (int id : {13, 14, 15, 16, 35, 36}) EXPECT_TRUE(visible(rotate, id)) << id;
    for (int id : {4, 5, 34, 45, 46, 81, 82, 110, 52}) EXPECT_FALSE(visible(rotate, id)) << id;
    const auto& settings = states.at(3);
    EXPECT_EQ(item_state(settings, 105)["font"], 5);
    for (int id : {47, 48, 49, 50, 51, 52, 53, 54, 55, 56, 57, 58, 59, 60, 61, 62, 63, 64}) {
        EXPECT_TRUE(visible(settings, id)) << id;
    }
    EXPECT_FALSE(visible(settings, 13));
    // Back on the shapes page, the kind last chosen: the spiral rows.
    const auto& shapes = states.at(4);
    for (int id : {4, 34, 81, 82, 110, 45, 46, 11, 12}) EXPECT_TRUE(visible(shapes, id)) << id;
    EXPECT_EQ(item_state(shapes, 33)["text"], "Decay");
    EXPECT_FALSE(visible(shapes, 13));
    EXPECT_EQ(block().page, 3);

    const auto reopened = states_of("cancel");
    const auto& s = reopened.back();
    EXPECT_EQ(item_state(s, 105)["font"], 5);
    EXPECT_TRUE(visible(s, 53));
    for (int id : {4, 5, 45, 46, 82, 13}) EXPECT_FALSE(visible(s, id)) << id;
}

TEST_F(ScatterboxDialogTest, DefinedCentreAndShadowOptionsFollowTheirFlags) {
    const auto states = states_of("click 102; check 51 1; check 58 1; check 51 0; check 58 0; ok");
    const auto enabled = [&](std::size_t state, int id) { return item_state(states.at(state), id)["enabled"].get<bool>(); };
    EXPECT_TRUE(enabled(2, 15));
    EXPECT_TRUE(enabled(2, 16));
    EXPECT_FALSE(enabled(2, 59));
    for (int id : {59, 60, 61, 62}) EXPECT_TRUE(enabled(3, id)) << id;
    EXPECT_FALSE(enabled(4, 15));
    EXPECT_FALSE(enabled(4, 16));
    EXPECT_TRUE(enabled(4, 62));
    for (int id : {59, 60, 61, 62}) EXPECT_FALSE(enabled(5, id)) << id;
}

struct PresetCase {
    int id;
    const char* kinds;  // letters R P S X C of the kinds left enabled
    int32_t region, number, star_points, polygon_points;
    float circle_size, rotation_max;
    KBool path_centre, defined_centre;
    float centre_x, centre_y;
    KBool opacity, drop_shadow;
};

class ScatterboxPresetTest : public ScatterboxDialogTest, public ::testing::WithParamInterface<PresetCase> {};

TEST_P(ScatterboxPresetTest, PresetResetsAllButZoomPageAndPosition) {
    const PresetCase& c = GetParam();
    // Start from settings every preset must clear.
    ASSERT_EQ(open("set 17 50; click 102; check 53 1; check 63 1; check 49 0; check 3 0; click 101; set 14 200; "
                   "set 13 10; click 100; choose 82 2; set 5 9; check 45 0; set 4 7; choose 81 3; move 40 50; choose 80 " +
                   std::to_string(c.id) + "; ok"),
              kNoErr);
    const ScatterboxParameters& p = block();
    EXPECT_EQ(p.preset, c.id);
    const std::string kinds = c.kinds;
    EXPECT_EQ(p.rectangles, kinds.find('R') != std::string::npos);
    EXPECT_EQ(p.polygons, kinds.find('P') != std::string::npos);
    EXPECT_EQ(p.stars, kinds.find('S') != std::string::npos);
    EXPECT_EQ(p.spirals, kinds.find('X') != std::string::npos);
    EXPECT_EQ(p.circles, kinds.find('C') != std::string::npos);
    EXPECT_EQ(p.region, c.region);
    EXPECT_EQ(p.number_of_shapes, c.number);
    EXPECT_EQ(p.star_points_min, c.star_points);
    EXPECT_EQ(p.star_points_max, c.star_points == 6 ? 6 : 16);
    EXPECT_EQ(p.polygon_points_min, c.polygon_points);
    EXPECT_FLOAT_EQ(p.circle_vertical_min, c.circle_size);
    EXPECT_FLOAT_EQ(p.circle_horizontal_max, c.circle_size == 50 ? 50 : 100);
    EXPECT_FLOAT_EQ(p.rotation_min, 0);
    EXPECT_FLOAT_EQ(p.rotation_max, c.rotation_max);
    EXPECT_EQ(p.rotate_about_path_centre, c.path_centre);
    EXPECT_EQ(p.rotate_about_defined_centre, c.defined_centre);
    EXPECT_FLOAT_EQ(p.centre_x, c.centre_x);
    EXPECT_FLOAT_EQ(p.centre_y, c.centre_y);
    EXPECT_EQ(p.opacity, c.opacity);
    EXPECT_EQ(p.drop_shadow, c.drop_shadow);
    EXPECT_EQ(p.basic_pattern, 0);  // "Shadow + pattern" too
    EXPECT_EQ(p.fill, 0);
    EXPECT_EQ(p.create_new_layer, 1);
    EXPECT_EQ(p.preview, 1);
    EXPECT_EQ(p.shape_page, 0);
    // What the reset leaves.
    EXPECT_FLOAT_EQ(p.view_zoom, 50);
    EXPECT_EQ(p.page, 1);
    EXPECT_EQ(p.dialog_left, 40);
}

INSTANTIATE_TEST_SUITE_P(
    Entries, ScatterboxPresetTest,
    ::testing::Values(PresetCase{0, "RPSXC", 0, 40, 4, 3, 40, 0, 0, 0, 306, 396, 0, 0},
                      PresetCase{1, "S", 0, 40, 4, 3, 40, 0, 0, 0, 306, 396, 0, 0},
                      PresetCase{2, "RPSXC", 8, 40, 4, 3, 40, 0, 0, 0, 306, 396, 0, 0},
                      PresetCase{3, "S", 0, 40, 6, 3, 40, 0, 0, 0, 306, 396, 0, 0},
                      PresetCase{4, "C", 0, 40, 4, 3, 40, 0, 0, 0, 306, 396, 0, 0},
                      PresetCase{5, "C", 0, 40, 4, 3, 50, 0, 0, 0, 306, 396, 0, 0},
                      PresetCase{6, "P", 0, 40, 4, 6, 40, 0, 0, 0, 306, 396, 0, 0},
                      PresetCase{7, "RPSXC", 0, 40, 4, 3, 40, 90, 0, 1, 0, 0, 0, 0},
                      PresetCase{8, "RPSXC", 0, 40, 4, 3, 40, 360, 0, 1, 0, 0, 0, 0},
                      PresetCase{9, "RPSXC", 0, 40, 4, 3, 40, 360, 1, 0, 306, 396, 0, 0},
                      PresetCase{10, "RPSXC", 0, 40, 4, 3, 40, 0, 0, 0, 306, 396, 1, 0},
                      PresetCase{11, "RPSXC", 9, 100, 4, 3, 40, 0, 0, 0, 306, 396, 1, 0},
                      PresetCase{12, "RPSXC", 0, 40, 4, 3, 40, 0, 0, 0, 306, 396, 0, 1},
                      PresetCase{13, "RPSXC", 0, 40, 4, 3, 40, 0, 0, 0, 306, 396, 0, 1}));

TEST_F(ScatterboxDialogTest, PresetShowsTheRectangleRowsWithTheirOwnLimits) {
    // From the spirals (rows held to 1 and up) back to the rectangles, whose
    // "Rounded" row holds 0: the apply of the refresh reads 0, not 1.
    const auto states = states_of("choose 82 3; choose 80 6; ok");
    const auto& s = states.at(2);
    EXPECT_EQ(item_state(s, 82)["selected"], 0);
    EXPECT_EQ(item_state(s, 45)["text"], "Rectangles");
    EXPECT_EQ(item_state(s, 45)["value"], false);  // "Hexagons only"
    EXPECT_EQ(item_state(s, 32)["text"], "Rounded");
    EXPECT_EQ(item_state(s, 9)["value"], 0.0);
    EXPECT_EQ(item_state(s, 9)["min"], 0.0);
    EXPECT_FALSE(visible(s, 11));
    EXPECT_FALSE(visible(s, 46));
    EXPECT_FLOAT_EQ(block().rounded_min, 0);
    EXPECT_EQ(block().polygon_points_min, 6);

    // On another page the rows stay hidden; the page stays.
    const auto settings = states_of("click 102; choose 80 2; ok");
    for (int id : {5, 6, 45, 82}) EXPECT_FALSE(visible(settings.at(2), id)) << id;
    EXPECT_EQ(block().page, 3);
    EXPECT_EQ(block().region, 8);
}

struct TumbleCase {
    const char* name;
    std::vector<float> draws;
    std::function<void(const ScatterboxParameters&)> check;
    friend std::ostream& operator<<(std::ostream& os, const TumbleCase& c) { return os << c.name; }
};

class ScatterboxTumbleTest : public ScatterboxDialogTest, public ::testing::WithParamInterface<TumbleCase> {};

TEST_P(ScatterboxTumbleTest, TumbleDrawsInOrder) {
    const TumbleCase& c = GetParam();
    confirm_without_preview();  // so that no preview draws
    host.random().script(c.draws);
    host.random().reset_count();
    ASSERT_EQ(open("click 102; check 63 1; check 53 1; click 100; click Tumble; ok"), kNoErr);
    EXPECT_EQ(host.random().draws(), static_cast<std::int64_t>(c.draws.size()));
    const ScatterboxParameters& p = block();
    EXPECT_EQ(p.basic_pattern, 1);  // the styling flags stay
    EXPECT_EQ(p.fill, 1);
    EXPECT_EQ(p.shape_page, 0);
    c.check(p);
}

INSTANTIATE_TEST_SUITE_P(
    Draws, ScatterboxTumbleTest,
    ::testing::Values(
        TumbleCase{"every test passes",
                   {0.5f,                        // count 75
                    0.77f, 0.95f,                // region 9
                    0.81f, 0.1f, 0.9f, 0.2f, 0.85f,  // rectangles, stars and circles off
                    0.1f, 0.2f, 0.3f, 0.4f,      // rectangle sizes
                    0.9f, 0.5f, 0.25f,           // rounded 10, 5
                    0.5f, 0.5f,                  // polygon points 8, 9
                    0.1f, 0.2f,                  // polygon radius
                    0.0f, 0.99f,                 // star points 1, 20
                    0.5f, 0.5f, 0.1f, 0.1f,      // star radii
                    0.2f, 0.4f, 0.6f, 0.8f,      // arcs
                    0.5f, 0.5f, 0.5f,            // decay 55, 100 + 5 - 15
                    0.5f, 0.5f,                  // quarter turns 8, 16
                    0.6f, 0.4f,                  // clockwise 1, inscribed 0
                    0.1f, 0.2f, 0.3f, 0.4f,      // ellipse sizes
                    0.81f, 0.5f, 0.25f,          // rotation max 180, min 90
                    0.51f, 0.71f,                // both rotate flags
                    0.5f, 0.25f, 0.1f, 0.6f},    // centre (306 + 100 - 50, 396 + 20 - 120)
                   [](const ScatterboxParameters& p) {
                       EXPECT_EQ(p.number_of_shapes, 75);
                       EXPECT_EQ(p.region, 9);
                       EXPECT_EQ(p.rectangles, 0);
                       EXPECT_EQ(p.polygons, 1);
                       EXPECT_EQ(p.stars, 0);
                       EXPECT_EQ(p.spirals, 1);
                       EXPECT_EQ(p.circles, 0);
                       EXPECT_FLOAT_EQ(p.rectangle_vertical_min, 30);
                       EXPECT_FLOAT_EQ(p.rectangle_horizontal_max, 120);
                       EXPECT_FLOAT_EQ(p.rounded_min, 10);
                       EXPECT_FLOAT_EQ(p.rounded_max, 5);
                       EXPECT_EQ(p.polygon_points_min, 8);
                       EXPECT_EQ(p.polygon_points_max, 9);
                       EXPECT_FLOAT_EQ(p.polygon_radius_max, 60);
                       EXPECT_EQ(p.star_points_min, 1);
                       EXPECT_EQ(p.star_points_max, 20);
                       EXPECT_FLOAT_EQ(p.star_inner_radius_min, 150);
                       EXPECT_FLOAT_EQ(p.star_outer_radius_max, 30);
                       EXPECT_FLOAT_EQ(p.arc_x_max, 40);
                       EXPECT_FLOAT_EQ(p.arc_y_min, 60);
                       EXPECT_FLOAT_EQ(p.decay_min, 55);
                       EXPECT_FLOAT_EQ(p.decay_max, 90);
                       EXPECT_EQ(p.spiral_turns_min, 8);
                       EXPECT_EQ(p.spiral_turns_max, 16);
                       EXPECT_EQ(p.clockwise, 1);
                       EXPECT_EQ(p.inscribed, 0);
                       EXPECT_FLOAT_EQ(p.circle_vertical_max, 60);
                       EXPECT_FLOAT_EQ(p.circle_horizontal_min, 90);
                       EXPECT_FLOAT_EQ(p.rotation_max, 180);
                       EXPECT_FLOAT_EQ(p.rotation_min, 90);
                       EXPECT_EQ(p.rotate_about_path_centre, 1);
                       EXPECT_EQ(p.rotate_about_defined_centre, 1);
                       EXPECT_FLOAT_EQ(p.centre_x, 356);
                       EXPECT_FLOAT_EQ(p.centre_y, 296);
                   }},
        TumbleCase{"no test passes",
                   {0.0f,                            // count 0
                    0.2f,                            // region kept
                    0.2f, 0.2f, 0.2f, 0.2f, 0.2f,    // kinds kept
                    0.0f, 0.0f, 0.0f, 0.0f,          // rectangle sizes 0
                    0.2f,                            // rounded kept
                    0.0f, 0.0f, 0.0f, 0.0f,          // polygons
                    0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f,  // stars
                    0.0f, 0.0f, 0.0f, 0.0f,          // arcs
                    0.0f, 0.0f, 0.0f,                // decay 10, 100
                    0.0f, 0.0f,                      // quarter turns
                    0.5f, 0.5f,                      // exactly 50: clockwise and inscribed 0
                    0.0f, 0.0f, 0.0f, 0.0f,          // ellipse sizes
                    0.2f,                            // rotation kept
                    0.5f, 0.2f,                      // neither rotate flag
                    0.0f, 0.0f, 0.0f, 0.0f},         // centre: the view's
                   [](const ScatterboxParameters& p) {
                       // The spin edits hold values to their ranges and the
                       // refresh reads the count and the rectangle rows back.
                       EXPECT_EQ(p.number_of_shapes, 2);
                       EXPECT_FLOAT_EQ(p.rectangle_vertical_min, 1);
                       EXPECT_EQ(p.region, 0);
                       EXPECT_EQ(p.rectangles + p.polygons + p.stars + p.spirals + p.circles, 5);
                       EXPECT_FLOAT_EQ(p.rounded_max, 0);
                       EXPECT_EQ(p.polygon_points_min, 1);
                       EXPECT_FLOAT_EQ(p.star_outer_radius_min, 0);
                       EXPECT_FLOAT_EQ(p.decay_min, 10);
                       EXPECT_FLOAT_EQ(p.decay_max, 100);
                       EXPECT_EQ(p.clockwise, 0);
                       EXPECT_EQ(p.inscribed, 0);
                       EXPECT_FLOAT_EQ(p.rotation_max, 0);
                       EXPECT_EQ(p.rotate_about_path_centre, 0);
                       EXPECT_EQ(p.rotate_about_defined_centre, 0);
                       EXPECT_FLOAT_EQ(p.centre_x, 306);
                       EXPECT_FLOAT_EQ(p.centre_y, 396);
                   }}));

TEST_F(ScatterboxDialogTest, ShuffleAndTumbleShareTheirIdAndShuffleOnlyPreviewsAgain) {
    const auto states = states_of("click Shuffle; click 70; cancel");
    int seventy = 0;
    for (const auto& item : states.front()["items"]) {
        if (item["id"] == 70) {
            EXPECT_EQ(item["text"], seventy == 0 ? "Shuffle" : "Tumble");
            ++seventy;
        }
    }
    EXPECT_EQ(seventy, 2);
    // "click 70" is the first of them: two new previews, the block as it was.
    EXPECT_EQ(shape_calls().size(), 3u * 40u);
    EXPECT_EQ(block().number_of_shapes, 40);
}

TEST_F(ScatterboxDialogTest, DragButtonSetsTheNumberOfShapes) {
    struct Case {
        const char* script;
        int32_t number;
    };
    for (const Case c : {Case{"drag 110 100 0", 22}, Case{"drag 110 -30 0", 2}, Case{"hover 110", 40}}) {
        shape_calls().clear();
        ASSERT_EQ(open(std::string(c.script) + "; ok"), kNoErr);
        EXPECT_EQ(block().number_of_shapes, c.number) << c.script;
        // The opening preview, and the refresh of every track.
        EXPECT_EQ(shape_calls().size(), 40u + static_cast<std::size_t>(c.number)) << c.script;
        block().number_of_shapes = 40;
    }
}

TEST_F(ScatterboxDialogTest, ViewZoomZoomsWithoutAPreview) {
    ASSERT_EQ(open("set 17 250; ok"), kNoErr);
    EXPECT_FLOAT_EQ(block().view_zoom, 250);
    EXPECT_NEAR(host.document().view(0).zoom, 2.5, 1e-6);
    EXPECT_EQ(shape_calls().size(), 40u);
    EXPECT_EQ(block().preview_flag, 1);
}

TEST_F(ScatterboxDialogTest, OnlyOkSavesThePositionAndCancelRestoresEverything) {
    // The apply notifier does not read the bounds: OK's read is the first.
    ASSERT_EQ(open("move 300 200; set 4 7; check 3 1; ok"), kNoErr);
    EXPECT_EQ(calls("ADM Dialog Suite/get_bounds_rect"), 1);
    EXPECT_EQ(block().dialog_left, 300);
    EXPECT_EQ(block().dialog_bounds_saved, 1);
    ASSERT_EQ(host.plugins().go(*filter), kNoErr);
    const ScatterboxParameters before = block();
    const std::size_t art = host.document().art_count();
    const std::size_t layers = host.document().layers().size();

    EXPECT_EQ(open("move 10 20; set 4 9; click 102; check 63 1; click Tumble; cancel"), kCanceledErr);
    EXPECT_EQ(std::memcmp(&before, &block(), sizeof before), 0);
    EXPECT_EQ(host.document().art_count(), art);
    EXPECT_EQ(host.document().layers().size(), layers);

    const auto states = states_of("cancel");
    EXPECT_EQ(states.front()["bounds"][0], 300);
    EXPECT_EQ(states.front()["bounds"][1], 200);
}

}  // namespace
}  // namespace kestrel::test
