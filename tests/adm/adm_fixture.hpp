// adm_fixture.hpp: a host with hand-made dialog resources and the eight ADM
// suites, for driving the dialog manager the way a plug-in does.
//
// Init, notify and track procs are plain functions that forward to the
// fixture's on_init / on_notify / on_track, so each test writes its dialog
// as lambdas:
//   on_init = [&](KADMDialog d) { add(d, 4, kADMSpinEditType); };
//   EXPECT_EQ(run("set 4 3; ok"), 1);
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "adm.h"
#include "host/adm/dialog_manager.hpp"
#include "host/core/host.hpp"
#include "host/plugins/resources.hpp"

namespace kestrel::test {

namespace kh = kestrel::host;

constexpr int kSettingsDialog = 16100;

class AdmTest : public ::testing::Test {
protected:
    AdmTest() {
        current_ = this;
        basic = suite<KADMBasicSuite>(kADMBasicSuite, kADMBasicSuiteVersion);
        dialog = suite<KADMDialogSuite>(kADMDialogSuite, kADMDialogSuiteVersion);
        item = suite<KADMItemSuite>(kADMItemSuite, kADMItemSuiteVersion);
        icon = suite<KADMIconSuite>(kADMIconSuite, kADMIconSuiteVersion);
        notifier = suite<KADMNotifierSuite>(kADMNotifierSuite, kADMNotifierSuiteVersion);
        list = suite<KADMListSuite>(kADMListSuite, kADMListSuiteVersion);
        entry = suite<KADMEntrySuite>(kADMEntrySuite, kADMEntrySuiteVersion);
        tracker = suite<KADMTrackerSuite>(kADMTrackerSuite, kADMTrackerSuiteVersion);

        kh::DialogResource settings;
        settings.id = kSettingsDialog;
        settings.caption = "Test Settings";
        settings.width = 200;
        settings.height = 100;
        resources.dialogs[settings.id] = settings;

        kh::DialogResource about;
        about.id = kh::kAboutDialogResource;
        about.caption = "Test Plugin About";
        about.width = 300;
        about.height = 160;
        about.items = {{1, "button", {120, 140, 160, 154}, "&OK", true},
                       {65535, "static", {9, 10, 280, 37}, "Plugin Name: Test", false}};
        resources.dialogs[about.id] = about;

        kh::DialogResource error;
        error.id = kh::kErrorDialogResource;
        error.caption = "Plug-in Error";
        error.width = 185;
        error.height = 92;
        error.items = {{1, "button", {127, 65, 177, 79}, "OK", true},
                       {2, "static", {43, 12, 169, 40}, "Message", false},
                       {3, "static", {13, 66, 43, 74}, "Code", false},
                       {4, "frame", {10, 10, 28, 30}, "", false}};
        resources.dialogs[error.id] = error;

        resources.string_lists[16050] = {"<Mac strings begin at index 1>", "-108", "Out of memory."};
        host.dialogs().set_resource_provider([this](KPluginRef) { return &resources; });
    }
    ~AdmTest() override { current_ = nullptr; }

    template <class Suite>
    const Suite* suite(const char* name, int version) {
        auto* table = static_cast<const Suite*>(host.suites().find(name, version));
        EXPECT_NE(table, nullptr) << name;
        return table;
    }

    static KResult init_proc(KADMDialog d) {
        if (current_->on_init) current_->on_init(d);
        return current_->init_result;
    }
    static void notify_proc(KADMItem i, KADMNotifier n) {
        if (current_->on_notify) current_->on_notify(i, n);
    }
    static KBool track_proc(KADMItem i, KADMTracker t) {
        if (current_->on_track) current_->on_track(i, t);
        return 1;
    }

    // Open the settings dialog with a script; answers the item that ended it.
    int32_t run(const std::string& script, int resource_id = kSettingsDialog, const char* name = "TK57_Test") {
        host.dialogs().push_script(script);
        return open(resource_id, name);
    }
    // Open a dialog without pushing a script.
    int32_t open(int resource_id, const char* name) {
        int32_t ended = -1;
        EXPECT_EQ(dialog->modal(nullptr, name, resource_id, 0, init_proc, &user_data, &ended), kNoErr);
        return ended;
    }

    // Run body inside the init proc of an open dialog, then close it with OK.
    void in_dialog(const std::function<void(KADMDialog)>& body) {
        on_init = [&](KADMDialog d) {
            body(d);
            EXPECT_EQ(dialog->end_modal(d, 1), kNoErr);
        };
        EXPECT_EQ(run(""), 1);
        EXPECT_EQ(error(), "");
        on_init = nullptr;
    }

    KADMItem add(KADMDialog d, int32_t id, const char* type, KIntRect rect = {10, 10, 60, 30}) {
        KADMItem it = nullptr;
        EXPECT_EQ(dialog->create_item(d, id, type, &rect, &it), kNoErr);
        return it;
    }
    // A push button with the fixture's notify proc and a text.
    KADMItem add_button(KADMDialog d, int32_t id, const char* text, bool with_proc = true) {
        KADMItem it = add(d, id, kADMTextPushButtonType);
        EXPECT_EQ(item->set_text(it, text), kNoErr);
        if (with_proc) {
            EXPECT_EQ(item->set_notify_proc(it, notify_proc), kNoErr);
        }
        return it;
    }
    int32_t id_of(KADMItem it) {
        int32_t id = -1;
        EXPECT_EQ(item->get_id(it, &id), kNoErr);
        return id;
    }
    std::string text_of(KADMItem it) {
        char buf[256] = {};
        EXPECT_EQ(item->get_text(it, buf, sizeof buf), kNoErr);
        return buf;
    }
    KReal real_of(KADMItem it) {
        KReal v = -999;
        EXPECT_EQ(item->get_float_value(it, &v), kNoErr);
        return v;
    }
    int32_t int_of(KADMItem it) {
        int32_t v = -999;
        EXPECT_EQ(item->get_int_value(it, &v), kNoErr);
        return v;
    }
    std::string error() { return host.dialogs().take_error().value_or(""); }

    kh::Host host;
    kh::Resources resources;
    int user_data = 0;
    KResult init_result = kNoErr;
    std::function<void(KADMDialog)> on_init;
    std::function<void(KADMItem, KADMNotifier)> on_notify;
    std::function<void(KADMItem, KADMTracker)> on_track;

    const KADMBasicSuite* basic = nullptr;
    const KADMDialogSuite* dialog = nullptr;
    const KADMItemSuite* item = nullptr;
    const KADMIconSuite* icon = nullptr;
    const KADMNotifierSuite* notifier = nullptr;
    const KADMListSuite* list = nullptr;
    const KADMEntrySuite* entry = nullptr;
    const KADMTrackerSuite* tracker = nullptr;

private:
    static inline AdmTest* current_ = nullptr;
};

}  // namespace kestrel::test
