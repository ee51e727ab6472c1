// Item values: range clamping, integer and real reads, typed values rounded
// to the item's decimals, popup entries, and the dialog's bounds.
#include <cmath>

#include "adm_fixture.hpp"

namespace kestrel::test {
namespace {

using ItemValues = AdmTest;

TEST_F(ItemValues, SettersClampToTheRangeAndARangeChangeClampsTheValueHeld) {
    in_dialog([&](KADMDialog d) {
        KADMItem copies = add(d, 4, kADMSpinEditType);
        // The recipe: the value first, then the range, which clamps it.
        EXPECT_EQ(item->set_int_value(copies, 1), kNoErr);
        EXPECT_EQ(int_of(copies), 1);
        EXPECT_EQ(item->set_min_int_value(copies, 3), kNoErr);
        EXPECT_EQ(int_of(copies), 3);
        EXPECT_EQ(item->set_max_int_value(copies, 2000), kNoErr);
        EXPECT_EQ(item->set_int_value(copies, 2500), kNoErr);
        EXPECT_EQ(int_of(copies), 2000);
        EXPECT_EQ(item->set_int_value(copies, -2), kNoErr);
        EXPECT_EQ(int_of(copies), 3);
        EXPECT_EQ(item->set_int_value(copies, 900), kNoErr);
        EXPECT_EQ(item->set_max_int_value(copies, 500), kNoErr);
        EXPECT_EQ(int_of(copies), 500);
        // A minimum above the maximum carries the maximum with it.
        EXPECT_EQ(item->set_min_int_value(copies, 800), kNoErr);
        EXPECT_EQ(int_of(copies), 800);
        EXPECT_EQ(item->set_int_value(copies, 900), kNoErr);
        EXPECT_EQ(int_of(copies), 800);

        KADMItem jitter = add(d, 5, kADMSpinEditType);
        EXPECT_EQ(item->set_float_value(jitter, 250.5f), kNoErr);
        EXPECT_EQ(item->set_min_float_value(jitter, -200), kNoErr);
        EXPECT_EQ(item->set_max_float_value(jitter, 200), kNoErr);
        EXPECT_EQ(real_of(jitter), 200.0f);
        EXPECT_EQ(item->set_float_value(jitter, -200.25f), kNoErr);
        EXPECT_EQ(real_of(jitter), -200.0f);
        EXPECT_EQ(item->set_float_value(jitter, NAN), kBadParameterErr);
        EXPECT_EQ(real_of(jitter), -200.0f);
    });
}

TEST_F(ItemValues, IntegerReadsOfARealCutTowardZeroAndCheckBoxesHoldBooleans) {
    in_dialog([&](KADMDialog d) {
        KADMItem real = add(d, 5, kADMSpinEditType);
        const struct {
            KReal set;
            int32_t read;
        } cases[] = {{2.7f, 2}, {-2.7f, -2}, {-0.5f, 0}, {1e12f, INT32_MAX}, {-1e12f, INT32_MIN}};
        for (const auto& c : cases) {
            EXPECT_EQ(item->set_float_value(real, c.set), kNoErr);
            EXPECT_EQ(int_of(real), c.read) << c.set;
            EXPECT_EQ(real_of(real), c.set);
        }
        KADMItem box = add(d, 3, kADMTextCheckBoxType);
        KBool b = -1;
        EXPECT_EQ(item->set_boolean_value(box, 7), kNoErr);
        EXPECT_EQ(item->get_boolean_value(box, &b), kNoErr);
        EXPECT_EQ(b, 1);
        EXPECT_EQ(item->set_boolean_value(box, 0), kNoErr);
        EXPECT_EQ(item->get_boolean_value(box, &b), kNoErr);
        EXPECT_EQ(b, 0);
    });
}

TEST_F(ItemValues, TypedValuesAreRoundedToTheItemsDecimalsThenClamped) {
    struct Case {
        bool real;
        int32_t precision;
        double min, max;
        const char* typed;
        double expected;
    };
    const Case cases[] = {
        {true, 2, -200, 200, "12.345", 12.35},   // a decimal half rounds away from zero
        {true, 2, -200, 200, "-12.345", -12.35},
        {true, 2, -200, 200, "1.004", 1.0},
        {true, 1, -200, 200, "0.04", 0.0},
        {true, 0, -200, 200, "2.5", 3.0},
        {true, 2, -200, 200, "250.129", 200.0},  // rounded, then clamped
        {true, 2, 1, 500, "0.996", 1.0},
        {false, 2, 3, 2000, "7.6", 8.0},         // an integer item keeps no decimals
        {false, 0, -10, 10, "-7.5", -8.0},
        {false, 0, 3, 2000, "1", 3.0},
        {false, 0, -10, 10, "2.5", 3.0},
    };
    for (const Case& c : cases) {
        double seen = NAN;
        on_init = [&](KADMDialog d) {
            KADMItem it = add(d, 4, kADMSpinEditType);
            if (c.real) {
                item->set_min_float_value(it, static_cast<KReal>(c.min));
                item->set_max_float_value(it, static_cast<KReal>(c.max));
            } else {
                item->set_min_int_value(it, static_cast<int32_t>(c.min));
                item->set_max_int_value(it, static_cast<int32_t>(c.max));
            }
            item->set_precision(it, c.precision);
            item->set_notify_proc(it, notify_proc);
            add_button(d, 1, "OK", false);
        };
        on_notify = [&](KADMItem it, KADMNotifier) { seen = real_of(it); };
        EXPECT_EQ(run(std::string("set 4 ") + c.typed + "; ok"), 1);
        EXPECT_EQ(error(), "");
        EXPECT_FLOAT_EQ(static_cast<float>(seen), static_cast<float>(c.expected))
            << (c.real ? "real" : "integer") << " precision " << c.precision << " typed " << c.typed;
    }
}

TEST_F(ItemValues, PopupEntriesInsertSelectAndChoose) {
    std::vector<int32_t> chosen_ids;
    on_init = [&](KADMDialog d) {
        KADMItem popup = add(d, 19, kADMPopupListType);
        item->set_notify_proc(popup, notify_proc);
        KADMList l = nullptr;
        ASSERT_EQ(item->get_list(popup, &l), kNoErr);
        ASSERT_NE(l, nullptr);
        // Appending at the end, then one entry put in front of the rest.
        const char* texts[] = {" Reset", " Frame ", " Dense"};
        for (int32_t i = 0; i < 3; ++i) {
            KADMEntry e = nullptr;
            ASSERT_EQ(list->insert_entry(l, i, &e), kNoErr);
            entry->set_text(e, texts[i]);
            entry->set_id(e, i + 10);
        }
        KADMEntry first = nullptr;
        ASSERT_EQ(list->insert_entry(l, 0, &first), kNoErr);
        entry->set_text(first, " First");
        entry->set_id(first, 9);
        KADMEntry none = reinterpret_cast<KADMEntry>(1);
        EXPECT_EQ(list->insert_entry(l, 5, &none), kBadParameterErr);
        int32_t count = 0;
        EXPECT_EQ(list->count_entries(l, &count), kNoErr);
        EXPECT_EQ(count, 4);
        EXPECT_EQ(list->get_entry(l, 4, &none), kNoErr);
        EXPECT_EQ(none, nullptr);
        EXPECT_EQ(list->get_entry(l, -1, &none), kNoErr);
        EXPECT_EQ(none, nullptr);

        KADMEntry active = reinterpret_cast<KADMEntry>(1);
        EXPECT_EQ(list->get_active_entry(l, &active), kNoErr);
        EXPECT_EQ(active, nullptr);
        // Selecting one entry unselects the one chosen before.
        KADMEntry second = nullptr, third = nullptr;
        list->get_entry(l, 1, &second);
        list->get_entry(l, 2, &third);
        EXPECT_EQ(entry->select(second, 1), kNoErr);
        EXPECT_EQ(entry->select(third, 1), kNoErr);
        EXPECT_EQ(list->get_active_entry(l, &active), kNoErr);
        EXPECT_EQ(active, third);
        EXPECT_EQ(entry->select(third, 0), kNoErr);
        EXPECT_EQ(list->get_active_entry(l, &active), kNoErr);
        EXPECT_EQ(active, nullptr);

        // Items other than popups have no list.
        KADMList other = reinterpret_cast<KADMList>(1);
        EXPECT_EQ(item->get_list(add(d, 4, kADMSpinEditType), &other), kNoErr);
        EXPECT_EQ(other, nullptr);
        add_button(d, 1, "OK", false);
    };
    on_notify = [&](KADMItem popup, KADMNotifier) {
        KADMList l = nullptr;
        KADMEntry active = nullptr;
        int32_t id = -1;
        item->get_list(popup, &l);
        EXPECT_EQ(list->get_active_entry(l, &active), kNoErr);
        EXPECT_EQ(entry->get_id(active, &id), kNoErr);
        chosen_ids.push_back(id);
    };
    EXPECT_EQ(run("choose 19 3; choose 19 0; ok"), 1);
    EXPECT_EQ(error(), "");
    EXPECT_EQ(chosen_ids, (std::vector<int32_t>{12, 9}));

    EXPECT_EQ(run("choose 19 4; ok"), 2);
    EXPECT_EQ(error(), "event \"choose 19 4\": item 19 has no entry 4");
}

TEST_F(ItemValues, BoundsStartFromTheResourceSizeAndMoveKeepsTheSize) {
    std::vector<KIntRect> seen;
    on_init = [&](KADMDialog d) {
        KIntRect r{};
        EXPECT_EQ(dialog->get_bounds_rect(d, &r), kNoErr);
        seen.push_back(r);
        EXPECT_EQ(dialog->set_size(d, 490, 220), kNoErr);  // keeps left and top
        dialog->get_bounds_rect(d, &r);
        seen.push_back(r);
        const KIntRect saved{30, 40, 520, 260};
        EXPECT_EQ(dialog->set_bounds_rect(d, &saved), kNoErr);
        const KIntRect inverted{30, 40, 20, 260};
        EXPECT_EQ(dialog->set_bounds_rect(d, &inverted), kBadParameterErr);
        EXPECT_EQ(dialog->set_size(d, -1, 10), kBadParameterErr);
        KADMItem ok = add_button(d, 1, "OK");
        (void)ok;
    };
    on_notify = [&](KADMItem it, KADMNotifier n) {
        KADMDialog d = nullptr;
        KIntRect r{};
        item->get_dialog(it, &d);
        dialog->get_bounds_rect(d, &r);
        seen.push_back(r);
        item->default_notify(it, n);
    };
    EXPECT_EQ(run("move 5 -7; ok"), 1);
    ASSERT_EQ(seen.size(), 3u);
    auto as_tuple = [](const KIntRect& r) { return std::make_tuple(r.left, r.top, r.right, r.bottom); };
    EXPECT_EQ(as_tuple(seen[0]), std::make_tuple(100, 100, 300, 200));
    EXPECT_EQ(as_tuple(seen[1]), std::make_tuple(100, 100, 590, 320));
    EXPECT_EQ(as_tuple(seen[2]), std::make_tuple(5, -7, 495, 213));
}

}  // namespace
}  // namespace kestrel::test
