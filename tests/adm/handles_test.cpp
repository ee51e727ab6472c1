// Handle checks: every handle of a dialog goes stale when it closes; null,
// stale and foreign handles and null outputs are refused. Also the Basic
// suite's string reads and alerts.
#include <cstring>

#include "adm_fixture.hpp"

namespace kestrel::test {
namespace {

using Handles = AdmTest;

TEST_F(Handles, EveryHandleOfADialogGoesStaleWhenItCloses) {
    KADMDialog d0 = nullptr;
    KADMItem spin = nullptr, ok = nullptr;
    KADMList l = nullptr;
    KADMEntry e = nullptr;
    KADMNotifier n = nullptr;
    KADMTracker t = nullptr;
    on_init = [&](KADMDialog d) {
        d0 = d;
        spin = add(d, 4, kADMSpinEditType);
        KADMItem popup = add(d, 19, kADMPopupListType);
        item->get_list(popup, &l);
        list->insert_entry(l, 0, &e);
        KADMItem drag = add(d, 40, kADMPicturePushButtonType);
        item->set_track_proc(drag, track_proc);
        ok = add_button(d, 1, "OK");
    };
    on_notify = [&](KADMItem it, KADMNotifier notifier_handle) {
        n = notifier_handle;
        item->default_notify(it, notifier_handle);
    };
    on_track = [&](KADMItem, KADMTracker tracker_handle) { t = tracker_handle; };
    EXPECT_EQ(run("drag 40 1 1; ok"), 1);
    ASSERT_NE(n, nullptr);
    ASSERT_NE(t, nullptr);

    void* data = nullptr;
    KIntRect r{};
    int32_t i = 0;
    KBool b = 0;
    KADMItem got = nullptr;
    KADMEntry got_entry = nullptr;
    KIntPoint p{};
    uint32_t m = 0;
    EXPECT_EQ(dialog->get_user_data(d0, &data), kBadParameterErr);
    EXPECT_EQ(dialog->get_bounds_rect(d0, &r), kBadParameterErr);
    EXPECT_EQ(dialog->get_item(d0, 4, &got), kBadParameterErr);
    EXPECT_EQ(dialog->end_modal(d0, 1), kBadParameterErr);
    EXPECT_EQ(item->set_int_value(spin, 3), kBadParameterErr);
    EXPECT_EQ(item->get_int_value(spin, &i), kBadParameterErr);
    EXPECT_EQ(item->send_notify(ok, kADMUserChangedNotifier), kBadParameterErr);
    EXPECT_EQ(list->count_entries(l, &i), kBadParameterErr);
    EXPECT_EQ(list->get_entry(l, 0, &got_entry), kBadParameterErr);
    EXPECT_EQ(entry->set_id(e, 1), kBadParameterErr);
    EXPECT_EQ(entry->select(e, 1), kBadParameterErr);
    EXPECT_EQ(notifier->get_item(n, &got), kBadParameterErr);
    EXPECT_EQ(notifier->is_notifier_type(n, kADMUserChangedNotifier, &b), kBadParameterErr);
    EXPECT_EQ(tracker->get_point(t, &p), kBadParameterErr);
    EXPECT_EQ(tracker->get_modifiers(t, &m), kBadParameterErr);
    // A new dialog reuses the slots; the old handles stay stale.
    in_dialog([&](KADMDialog d) {
        KADMItem fresh = add(d, 4, kADMSpinEditType);
        EXPECT_NE(fresh, spin);
        EXPECT_EQ(item->get_int_value(spin, &i), kBadParameterErr);
        EXPECT_EQ(dialog->get_user_data(d0, &data), kBadParameterErr);
    });
}

TEST_F(Handles, NullAndForeignHandlesAndNullOutputsAreRefused) {
    in_dialog([&](KADMDialog d) {
        KADMItem spin = add(d, 4, kADMSpinEditType);
        KADMItem popup = add(d, 19, kADMPopupListType);
        KADMList l = nullptr;
        item->get_list(popup, &l);
        KADMEntry e = nullptr;
        list->insert_entry(l, 0, &e);
        int32_t i = 0;
        void* data = nullptr;
        KADMItem got = nullptr;
        // Null handles.
        EXPECT_EQ(dialog->get_user_data(nullptr, &data), kBadParameterErr);
        EXPECT_EQ(item->set_int_value(nullptr, 1), kBadParameterErr);
        EXPECT_EQ(list->count_entries(nullptr, &i), kBadParameterErr);
        EXPECT_EQ(entry->get_id(nullptr, &i), kBadParameterErr);
        EXPECT_EQ(notifier->get_item(nullptr, &got), kBadParameterErr);
        EXPECT_EQ(item->default_notify(spin, nullptr), kBadParameterErr);
        // A handle of one kind where another is expected.
        EXPECT_EQ(dialog->get_user_data(reinterpret_cast<KADMDialog>(spin), &data), kBadParameterErr);
        EXPECT_EQ(list->count_entries(reinterpret_cast<KADMList>(popup), &i), kBadParameterErr);
        EXPECT_EQ(item->get_id(reinterpret_cast<KADMItem>(l), &i), kBadParameterErr);
        EXPECT_EQ(entry->get_id(reinterpret_cast<KADMEntry>(d), &i), kBadParameterErr);
        EXPECT_EQ(item->get_id(reinterpret_cast<KADMItem>(0x1234), &i), kBadParameterErr);
        // Null outputs.
        EXPECT_EQ(dialog->get_user_data(d, nullptr), kBadParameterErr);
        EXPECT_EQ(dialog->get_item(d, 4, nullptr), kBadParameterErr);
        EXPECT_EQ(dialog->get_bounds_rect(d, nullptr), kBadParameterErr);
        EXPECT_EQ(item->get_int_value(spin, nullptr), kBadParameterErr);
        EXPECT_EQ(item->get_float_value(spin, nullptr), kBadParameterErr);
        EXPECT_EQ(item->get_boolean_value(spin, nullptr), kBadParameterErr);
        EXPECT_EQ(item->get_text(spin, nullptr, 10), kBadParameterErr);
        EXPECT_EQ(item->get_dialog(spin, nullptr), kBadParameterErr);
        EXPECT_EQ(item->get_list(spin, nullptr), kBadParameterErr);
        EXPECT_EQ(list->insert_entry(l, 0, nullptr), kBadParameterErr);
        EXPECT_EQ(list->get_active_entry(l, nullptr), kBadParameterErr);
        EXPECT_EQ(entry->get_id(e, nullptr), kBadParameterErr);
        EXPECT_EQ(tracker->get_point(nullptr, nullptr), kBadParameterErr);
        EXPECT_EQ(tracker->get_modifiers(nullptr, nullptr), kBadParameterErr);
        KIntPoint size{};
        EXPECT_EQ(icon->get_icon_size(1, nullptr), kBadParameterErr);
        EXPECT_EQ(icon->get_icon_size(1, &size), kBadParameterErr);  // no icons headless
        EXPECT_EQ(item->set_text(spin, nullptr), kBadParameterErr);
        EXPECT_EQ(item->set_precision(spin, -1), kBadParameterErr);
        // User data is the caller's pointer, unchanged.
        EXPECT_EQ(dialog->get_user_data(d, &data), kNoErr);
        EXPECT_EQ(data, &user_data);
    });
}

TEST_F(Handles, ItemTextIsCutToTheBuffer) {
    in_dialog([&](KADMDialog d) {
        KADMItem label = add(d, 30, kADMTextStaticType);
        item->set_text(label, "Number of copies");
        char buf[8];
        std::memset(buf, 'x', sizeof buf);
        EXPECT_EQ(item->get_text(label, buf, 7), kNoErr);
        EXPECT_STREQ(buf, "Number");
        EXPECT_EQ(buf[7], 'x');
        EXPECT_EQ(item->get_text(label, buf, 0), kBadParameterErr);
    });
}

TEST_F(Handles, BasicSuiteReadsIndexedStringsAndRecordsAlerts) {
    char buf[16];
    std::memset(buf, 'x', sizeof buf);
    EXPECT_EQ(basic->get_indexed_string(nullptr, 16050, 1, buf, sizeof buf), kNoErr);
    EXPECT_STREQ(buf, "-108");
    EXPECT_EQ(basic->get_indexed_string(nullptr, 16050, 2, buf, 5), kNoErr);  // cut to max - 1
    EXPECT_STREQ(buf, "Out ");
    EXPECT_EQ(buf[5], 'x');
    EXPECT_EQ(basic->get_indexed_string(nullptr, 16050, 3, buf, sizeof buf), kNoErr);  // past the end
    EXPECT_STREQ(buf, "");
    EXPECT_EQ(basic->get_indexed_string(nullptr, 999, 0, buf, sizeof buf), kNoErr);  // no such list
    EXPECT_STREQ(buf, "");
    EXPECT_EQ(basic->get_indexed_string(nullptr, 16050, 1, nullptr, 16), kBadParameterErr);
    EXPECT_EQ(basic->get_indexed_string(nullptr, 16050, 1, buf, 0), kBadParameterErr);

    EXPECT_EQ(basic->error_alert("Suite Loading Error: -1, suite: ADM Item Suite, version: 4!"), kNoErr);
    EXPECT_EQ(basic->error_alert(nullptr), kBadParameterErr);
    EXPECT_EQ(host.dialogs().alerts(),
              std::vector<std::string>{"Suite Loading Error: -1, suite: ADM Item Suite, version: 4!"});

    // Without resources for the plug-in there is nothing to read.
    host.dialogs().set_resource_provider([](KPluginRef) { return nullptr; });
    EXPECT_EQ(basic->get_indexed_string(nullptr, 16050, 1, buf, sizeof buf), kBadParameterErr);
}

}  // namespace
}  // namespace kestrel::test
