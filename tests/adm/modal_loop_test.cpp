// The headless modal loop: notification and default handling, tracking,
// events that address items, script errors, nested dialogs, and the About
// and error dialogs that close at once.
#include <string>
#include <vector>

#include "adm_fixture.hpp"
#include "host/document/document.hpp"

namespace kestrel::test {
namespace {

using ModalLoop = AdmTest;

TEST_F(ModalLoop, AnEventUpdatesTheValueBeforeTheNotifyProcRuns) {
    std::vector<std::string> log;
    on_init = [&](KADMDialog d) {
        KADMItem spin = add(d, 4, kADMSpinEditType);
        item->set_notify_proc(spin, notify_proc);
        KADMItem box = add(d, 3, kADMTextCheckBoxType);
        item->set_notify_proc(box, notify_proc);
        add_button(d, 1, "OK");
    };
    on_notify = [&](KADMItem it, KADMNotifier n) {
        KADMItem of = nullptr;
        KBool user_changed = 0, other = 1;
        EXPECT_EQ(notifier->get_item(n, &of), kNoErr);
        EXPECT_EQ(of, it);
        EXPECT_EQ(notifier->is_notifier_type(n, kADMUserChangedNotifier, &user_changed), kNoErr);
        EXPECT_EQ(notifier->is_notifier_type(n, "ADM Bounds Changed Notifier", &other), kNoErr);
        EXPECT_EQ(user_changed, 1);
        EXPECT_EQ(other, 0);
        KBool b = 0;
        item->get_boolean_value(it, &b);
        log.push_back(std::to_string(id_of(it)) + "=" + std::to_string(int_of(it)) + "/" + std::to_string(b));
        item->default_notify(it, n);
    };
    EXPECT_EQ(run("set 4 30; check 3 1; check 3 0; ok"), 1);
    EXPECT_EQ(error(), "");
    EXPECT_EQ(log, (std::vector<std::string>{"4=30/1", "3=1/1", "3=0/0", "1=0/0"}));
}

TEST_F(ModalLoop, DefaultHandlingEndsTheDialogOnlyForOkAndCancel) {
    std::vector<std::string> log;
    on_init = [&](KADMDialog d) {
        add_button(d, 1, "OK", false);
        add_button(d, 2, "Cancel", false);
        add_button(d, 7, "Other", false);
        add_button(d, 20, "Shuffle");  // its proc runs the default handling, then logs
    };
    on_notify = [&](KADMItem it, KADMNotifier n) {
        item->default_notify(it, n);
        log.push_back(text_of(it));
    };
    // Buttons without a notify proc: 7 does nothing, 2 ends the dialog.
    EXPECT_EQ(run("click 7; click Shuffle; cancel"), 2);
    EXPECT_EQ(error(), "");
    EXPECT_EQ(run("click Other; ok"), 1);
    EXPECT_EQ(error(), "");
    EXPECT_EQ(log, std::vector<std::string>{"Shuffle"});
}

TEST_F(ModalLoop, OkNotifierKeepsRunningAfterTheDefaultHandlingEndedTheDialog) {
    int after_default = 0;
    on_init = [&](KADMDialog d) { add_button(d, 1, "OK"); };
    on_notify = [&](KADMItem it, KADMNotifier n) {
        EXPECT_EQ(item->default_notify(it, n), kNoErr);
        // The dialog is ending but its items still answer.
        KADMDialog d = nullptr;
        KIntRect r{};
        EXPECT_EQ(item->get_dialog(it, &d), kNoErr);
        EXPECT_EQ(dialog->get_bounds_rect(d, &r), kNoErr);
        ++after_default;
    };
    EXPECT_EQ(run("ok"), 1);
    EXPECT_EQ(after_default, 1);
}

TEST_F(ModalLoop, SendNotifyRunsTheNotifyProcAtOnceOrTheDefaultHandling) {
    std::vector<std::string> log;
    on_init = [&](KADMDialog d) {
        KADMItem copies = add(d, 4, kADMSpinEditType);
        item->set_notify_proc(copies, notify_proc);
        item->set_int_value(copies, 20);
        log.push_back("before");
        EXPECT_EQ(item->send_notify(copies, kADMUserChangedNotifier), kNoErr);
        log.push_back("after");
        EXPECT_EQ(item->send_notify(copies, nullptr), kBadParameterErr);
        // A button without a notify proc gets the default handling: OK ends the dialog.
        KADMItem ok = add_button(d, 1, "OK", false);
        EXPECT_EQ(item->send_notify(ok, kADMUserChangedNotifier), kNoErr);
    };
    on_notify = [&](KADMItem it, KADMNotifier n) {
        KBool yes = 0;
        notifier->is_notifier_type(n, kADMUserChangedNotifier, &yes);
        log.push_back("notify " + std::to_string(id_of(it)) + " " + std::to_string(int_of(it)) + " " +
                      std::to_string(yes));
    };
    EXPECT_EQ(run(""), 1);
    EXPECT_EQ(error(), "");
    EXPECT_EQ(log, (std::vector<std::string>{"before", "notify 4 20 1", "after"}));
}

TEST_F(ModalLoop, DragAndHoverRunTheTrackProcWithThePointAndTheButtonBit) {
    struct Seen {
        int32_t id;
        uint32_t modifiers;        // asked with no tracker
        uint32_t tracker_modifiers; // asked with the tracker given
        KIntPoint point;
        KRealPoint artwork;
    };
    std::vector<Seen> seen;
    on_init = [&](KADMDialog d) {
        KADMItem drag = add(d, 40, kADMPicturePushButtonType, {250, 20, 270, 40});
        item->set_track_proc(drag, track_proc);
        add(d, 41, kADMPicturePushButtonType);  // no track proc: default tracking
        add_button(d, 1, "OK", false);
    };
    on_track = [&](KADMItem it, KADMTracker t) {
        Seen s{id_of(it), 0, 0, {}, {}};
        EXPECT_EQ(tracker->get_modifiers(nullptr, &s.modifiers), kNoErr);
        EXPECT_EQ(tracker->get_modifiers(t, &s.tracker_modifiers), kNoErr);
        EXPECT_EQ(tracker->get_point(nullptr, &s.point), kNoErr);
        EXPECT_EQ(item->default_track(it, t), kNoErr);
        s.artwork = host.document().view_to_artwork(s.point);
        seen.push_back(s);
    };
    EXPECT_EQ(run("drag 40 60 0; drag 41 10 10; hover 40; drag 40 -30 25; ok"), 1);
    EXPECT_EQ(error(), "");
    ASSERT_EQ(seen.size(), 3u);
    const KIntPoint at60 = host.document().artwork_to_view({60, 0});
    EXPECT_EQ(seen[0].modifiers, static_cast<uint32_t>(kADMButtonDownModifier));
    EXPECT_EQ(seen[0].tracker_modifiers, static_cast<uint32_t>(kADMButtonDownModifier));
    EXPECT_EQ(seen[0].point.h, at60.h);
    EXPECT_EQ(seen[0].point.v, at60.v);
    EXPECT_EQ(seen[0].artwork.h, 60.0f);  // the drag tracker gets the artwork point back
    // hover: the pointer is over the button, not pressed; it stays where button 41 left it.
    const KIntPoint at10 = host.document().artwork_to_view({10, 10});
    EXPECT_EQ(seen[1].modifiers, 0u);
    EXPECT_EQ(seen[1].tracker_modifiers, 0u);
    EXPECT_EQ(seen[1].point.h, at10.h);
    EXPECT_EQ(seen[1].point.v, at10.v);
    EXPECT_EQ(seen[2].artwork.h, -30.0f);
    EXPECT_EQ(seen[2].artwork.v, 25.0f);
    // Outside any tracking the button is up.
    uint32_t modifiers = 99;
    EXPECT_EQ(tracker->get_modifiers(nullptr, &modifiers), kNoErr);
    EXPECT_EQ(modifiers, 0u);
}

TEST_F(ModalLoop, ClickByTextPicksOneOfTwoItemsSharingAnId) {
    std::vector<std::string> log;
    KADMItem first = nullptr, found = nullptr;
    on_init = [&](KADMDialog d) {
        first = add_button(d, 20, "Shuffle");
        add_button(d, 20, "Tumble");
        add_button(d, 1, "&OK", false);
        EXPECT_EQ(dialog->get_item(d, 20, &found), kNoErr);
        KADMItem missing = reinterpret_cast<KADMItem>(1);
        EXPECT_EQ(dialog->get_item(d, 99, &missing), kNoErr);
        EXPECT_EQ(missing, nullptr);
    };
    on_notify = [&](KADMItem it, KADMNotifier) { log.push_back(text_of(it)); };
    EXPECT_EQ(run("click Tumble; click 20; click Shuffle; click OK"), 1);
    EXPECT_EQ(error(), "");
    EXPECT_EQ(found, first);  // get_item answers the first
    EXPECT_EQ(log, (std::vector<std::string>{"Tumble", "Shuffle", "Shuffle"}));
}

TEST_F(ModalLoop, ScriptErrorsEndTheDialogWithCancelAndNameTheCause) {
    struct Case {
        const char* script;
        const char* error;
    };
    const Case cases[] = {
        {"click 9; ok", "event \"click 9\": no item 9"},
        {"click Frob; ok", "event \"click Frob\": no push button \"Frob\""},
        {"set 6 3; ok", "event \"set 6 3\": item 6 is hidden"},
        {"check 7 1; ok", "event \"check 7 1\": item 7 is disabled"},
        {"drag 7 0 0; ok", "event \"drag 7 0 0\": item 7 is disabled"},
        {"cancel", "event \"cancel\": item 2 is disabled"},
        {"check 4 1; ok", "event \"check 4 1\": item 4 is not a check box"},
        {"set 1 1; ok", "event \"set 1 1\": item 1 is not a spin edit"},
        {"click 4; ok", "event \"click 4\": item 4 is not a push button"},
        {"set 4 5; frob 3; ok", "bad event \"frob 3\": unknown event \"frob\""},
        {"set 4 5", "events ended while the dialog was open"},
        {"", "events ended while the dialog was open"},
    };
    std::vector<int32_t> values;
    for (const Case& c : cases) {
        values.clear();
        on_init = [&](KADMDialog d) {
            KADMItem spin = add(d, 4, kADMSpinEditType);
            item->set_notify_proc(spin, notify_proc);
            item->show(add(d, 6, kADMSpinEditType), 0);
            item->enable(add(d, 7, kADMTextCheckBoxType), 0);
            item->enable(add_button(d, 2, "Cancel"), 0);
            add_button(d, 1, "OK");
        };
        on_notify = [&](KADMItem it, KADMNotifier n) {
            values.push_back(int_of(it));
            item->default_notify(it, n);
        };
        EXPECT_EQ(run(c.script), 2) << c.script;
        EXPECT_EQ(error(), c.error) << c.script;
        EXPECT_EQ(error(), "") << "taking the error clears it";
        // Nothing after the faulty event ran (OK would have logged 0).
        for (int32_t v : values) EXPECT_EQ(v, 5) << c.script;
    }
}

TEST_F(ModalLoop, AMissingScriptAndEventsAfterTheEndAreErrors) {
    on_init = [&](KADMDialog d) { add_button(d, 1, "OK", false); };
    EXPECT_EQ(open(kSettingsDialog, "TK57_Test"), 2);
    EXPECT_EQ(error(), "no events were given for the dialog \"TK57_Test\"");
    // The dialog keeps the result it ended with; the rest is reported.
    EXPECT_EQ(run("ok; click 1"), 1);
    EXPECT_EQ(error(), "events left after the dialog closed: \"click 1\"");
}

TEST_F(ModalLoop, OkStaysUsableWhileDisabled) {
    on_init = [&](KADMDialog d) {
        KADMItem ok = add_button(d, 1, "OK", false);
        EXPECT_EQ(item->enable(ok, 0), kNoErr);  // as every init proc does
    };
    EXPECT_EQ(run("ok"), 1);
    EXPECT_EQ(error(), "");
    EXPECT_EQ(run("click 1"), 1);
    EXPECT_EQ(error(), "");
    EXPECT_EQ(run("click OK"), 1);
    EXPECT_EQ(error(), "");
}

TEST_F(ModalLoop, NestedModalDialogsEachTakeTheirOwnScript) {
    std::vector<std::string> log;
    KADMItem outer_spin = nullptr;
    on_init = [&](KADMDialog d) {
        if (host.dialogs().open_dialogs() == 1) {
            outer_spin = add(d, 4, kADMSpinEditType);
            add_button(d, 20, "Nest");
            add_button(d, 1, "OK", false);
        } else {
            add_button(d, 1, "OK", false);
            KADMItem inner_spin = add(d, 4, kADMSpinEditType);
            item->set_notify_proc(inner_spin, notify_proc);
        }
    };
    on_notify = [&](KADMItem it, KADMNotifier) {
        if (text_of(it) == "Nest") {
            // A notifier re-enters the plug-in, which opens a settings dialog
            // and then reports an error.
            log.push_back("nest " + std::to_string(host.dialogs().open_dialogs()));
            int32_t ended = 0;
            EXPECT_EQ(dialog->modal(nullptr, "Inner", kSettingsDialog, 0, init_proc, nullptr, &ended), kNoErr);
            log.push_back("inner ended " + std::to_string(ended));
            EXPECT_EQ(dialog->modal(nullptr, "Error Dialog", 16051, 0, nullptr, nullptr, &ended), kNoErr);
            log.push_back("error ended " + std::to_string(ended));
            // The outer dialog's items still answer.
            EXPECT_EQ(item->set_int_value(outer_spin, 9), kNoErr);
        } else {
            log.push_back("inner set " + std::to_string(int_of(it)) + " open " +
                          std::to_string(host.dialogs().open_dialogs()));
        }
    };
    host.dialogs().push_script("click Nest; ok");
    host.dialogs().push_script("set 4 3; ok");
    EXPECT_EQ(host.dialogs().scripts_left(), 2u);
    EXPECT_EQ(open(kSettingsDialog, "Outer"), 1);
    EXPECT_EQ(error(), "");
    EXPECT_EQ(host.dialogs().scripts_left(), 0u);
    EXPECT_EQ(host.dialogs().open_dialogs(), 0);
    EXPECT_EQ(log, (std::vector<std::string>{"nest 1", "inner set 3 open 2", "inner ended 1", "error ended 1"}));
    const auto& shown = host.dialogs().shown();
    ASSERT_EQ(shown.size(), 3u);
    EXPECT_EQ(shown[0].name, "Outer");
    EXPECT_EQ(shown[1].name, "Inner");
    EXPECT_EQ(shown[2].name, "Error Dialog");
    for (const auto& s : shown) EXPECT_EQ(s.ended_with, 1) << s.name;
}

TEST_F(ModalLoop, AboutAndErrorDialogsAreRecordedAndClosedAtOnce) {
    host.dialogs().push_script("cancel");  // meant for a settings dialog, left alone
    int ok_notified = 0;
    on_init = [&](KADMDialog d) {
        KADMItem ok = nullptr;
        dialog->get_item(d, 1, &ok);
        item->set_notify_proc(ok, notify_proc);
    };
    on_notify = [&](KADMItem it, KADMNotifier n) {
        ++ok_notified;
        item->default_notify(it, n);
    };
    EXPECT_EQ(open(16050, "About Dialog"), 1);
    EXPECT_EQ(ok_notified, 1);

    // The error dialog: its init proc fills the message and code; item 1's
    // notify proc here forgets the default handling, yet the dialog closes.
    on_init = [&](KADMDialog d) {
        KADMItem it = nullptr;
        dialog->get_item(d, 1, &it);
        item->set_notify_proc(it, notify_proc);
        dialog->get_item(d, 2, &it);
        item->set_text(it, "The filter cannot complete because of an unknown error.");
        dialog->get_item(d, 3, &it);
        item->set_text(it, "!MEM");
    };
    on_notify = [&](KADMItem, KADMNotifier) { ++ok_notified; };
    EXPECT_EQ(open(16051, "Error Dialog"), 1);
    EXPECT_EQ(ok_notified, 2);
    EXPECT_EQ(error(), "");
    EXPECT_EQ(host.dialogs().scripts_left(), 1u);

    const auto& shown = host.dialogs().shown();
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[0].name, "About Dialog");
    EXPECT_EQ(shown[0].resource_id, 16050);
    EXPECT_EQ(shown[0].caption, "Test Plugin About");
    EXPECT_EQ(shown[0].item_texts,
              (std::vector<std::pair<int, std::string>>{{1, "&OK"}, {65535, "Plugin Name: Test"}}));
    EXPECT_EQ(shown[1].caption, "Plug-in Error");
    EXPECT_EQ(shown[1].item_texts,
              (std::vector<std::pair<int, std::string>>{
                  {1, "OK"}, {2, "The filter cannot complete because of an unknown error."}, {3, "!MEM"}, {4, ""}}));
    EXPECT_EQ(shown[1].ended_with, 1);
}

TEST_F(ModalLoop, ModalRefusesUnknownResourcesAndTypesAndPassesOnAFailedInit) {
    int32_t ended = -1;
    EXPECT_EQ(dialog->modal(nullptr, "TK57_Test", 16999, 0, init_proc, nullptr, &ended), kBadParameterErr);
    EXPECT_EQ(dialog->modal(nullptr, "TK57_Test", kSettingsDialog, 0, init_proc, nullptr, nullptr),
              kBadParameterErr);
    EXPECT_TRUE(host.dialogs().shown().empty());

    on_init = [&](KADMDialog d) {
        KADMItem it = reinterpret_cast<KADMItem>(1);
        const KIntRect r{0, 0, 10, 10};
        EXPECT_EQ(dialog->create_item(d, 5, "ADM Slider Type", &r, &it), kBadParameterErr);
        EXPECT_EQ(dialog->create_item(d, 5, kADMSpinEditType, nullptr, &it), kBadParameterErr);
        EXPECT_EQ(dialog->create_item(d, 5, kADMSpinEditType, &r, nullptr), kBadParameterErr);
    };
    init_result = kOutOfMemoryErr;
    host.dialogs().push_script("ok");
    EXPECT_EQ(dialog->modal(nullptr, "TK57_Test", kSettingsDialog, 0, init_proc, nullptr, &ended), kOutOfMemoryErr);
    EXPECT_EQ(ended, 2);
    EXPECT_EQ(host.dialogs().open_dialogs(), 0);
}

}  // namespace
}  // namespace kestrel::test
