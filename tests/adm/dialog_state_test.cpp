// The JSON state recorded after the init proc and after each event.
#include <nlohmann/json.hpp>

#include "adm_fixture.hpp"

namespace kestrel::test {
namespace {

using DialogState = AdmTest;

TEST_F(DialogState, RecordsEveryItemAfterInitAndAfterEachEvent) {
    on_init = [&](KADMDialog d) {
        dialog->set_size(d, 490, 220);
        KADMItem copies = add(d, 4, kADMSpinEditType, {180, 20, 240, 40});
        item->set_int_value(copies, 20);
        item->set_min_int_value(copies, 3);
        item->set_max_int_value(copies, 2000);
        KADMItem jitter = add(d, 5, kADMSpinEditType, {180, 42, 240, 62});
        item->set_float_value(jitter, 10.5f);
        item->set_min_float_value(jitter, -200);
        item->set_max_float_value(jitter, 200);
        item->set_precision(jitter, 2);
        KADMItem preview = add(d, 3, kADMTextCheckBoxType, {400, 130, 480, 144});
        item->set_boolean_value(preview, 1);
        item->set_text(preview, "Preview");
        KADMItem presets = add(d, 19, kADMPopupListType, {400, 155, 480, 175});
        KADMList l = nullptr;
        item->get_list(presets, &l);
        const char* texts[] = {" Reset", " Frame "};
        for (int32_t i = 0; i < 2; ++i) {
            KADMEntry e = nullptr;
            list->insert_entry(l, i, &e);
            entry->set_text(e, texts[i]);
            entry->set_id(e, i);
        }
        KADMItem caption = add(d, 30, kADMTextStaticType, {10, 20, 148, 40});
        item->set_font(caption, 5);
        item->show(caption, 0);
        KADMItem ok = add_button(d, 1, "OK", false);
        item->enable(ok, 0);
    };
    host.dialogs().set_state_recording(true);
    EXPECT_EQ(run("set 4 30; choose 19 1; move 0 0; ok"), 1);
    EXPECT_EQ(error(), "");

    const nlohmann::json& states = host.dialogs().recorded_states();
    ASSERT_TRUE(states.is_array());
    ASSERT_EQ(states.size(), 5u);
    const nlohmann::json expected_after_init = nlohmann::json::parse(R"({
      "dialog": "TK57_Test", "bounds": [100, 100, 590, 320],
      "items": [
        {"id": 4, "type": "ADM Spin Edit Type", "rect": [180, 20, 240, 40], "text": "", "value": 20,
         "min": 3, "max": 2000, "precision": 0, "units": 0, "visible": true, "enabled": true, "font": 0},
        {"id": 5, "type": "ADM Spin Edit Type", "rect": [180, 42, 240, 62], "text": "", "value": 10.5,
         "min": -200.0, "max": 200.0, "precision": 2, "units": 0, "visible": true, "enabled": true, "font": 0},
        {"id": 3, "type": "ADM Text Check Box Type", "rect": [400, 130, 480, 144], "text": "Preview",
         "value": true, "min": null, "max": null, "precision": 0, "units": 0, "visible": true,
         "enabled": true, "font": 0},
        {"id": 19, "type": "ADM Popup List Type", "rect": [400, 155, 480, 175], "text": "", "value": 0,
         "min": null, "max": null, "precision": 0, "units": 0, "visible": true, "enabled": true, "font": 0,
         "entries": [{"text": " Reset", "id": 0}, {"text": " Frame ", "id": 1}], "selected": -1},
        {"id": 30, "type": "ADM Text Static Type", "rect": [10, 20, 148, 40], "text": "", "value": 0,
         "min": null, "max": null, "precision": 0, "units": 0, "visible": false, "enabled": true, "font": 5},
        {"id": 1, "type": "ADM Text Push Button Type", "rect": [10, 10, 60, 30], "text": "OK", "value": 0,
         "min": null, "max": null, "precision": 0, "units": 0, "visible": true, "enabled": false, "font": 0}
      ]})");
    EXPECT_EQ(states[0], expected_after_init) << states[0].dump(2);
    // Value types follow the item: integers, reals, booleans.
    EXPECT_TRUE(states[0]["items"][0]["value"].is_number_integer());
    EXPECT_TRUE(states[0]["items"][1]["value"].is_number_float());
    EXPECT_TRUE(states[0]["items"][2]["value"].is_boolean());

    EXPECT_FALSE(states[0].contains("event"));
    EXPECT_EQ(states[1]["event"], "set 4 30");
    EXPECT_EQ(states[1]["items"][0]["value"], 30);
    EXPECT_EQ(states[2]["event"], "choose 19 1");
    EXPECT_EQ(states[2]["items"][3]["selected"], 1);
    EXPECT_EQ(states[3]["bounds"], nlohmann::json::parse("[0, 0, 490, 220]"));
    EXPECT_EQ(states[4]["event"], "ok");

    // The About box and the error dialog are not recorded; shown() has them.
    on_init = nullptr;
    EXPECT_EQ(open(16050, "About Dialog"), 1);
    EXPECT_EQ(host.dialogs().recorded_states().size(), 5u);
}

}  // namespace
}  // namespace kestrel::test
