// Reading dialog scripts: cutting a script into events and the syntax of
// each event.
#include <gtest/gtest.h>

#include "host/adm/event_script.hpp"

namespace kh = kestrel::host;
using Kind = kh::ScriptEvent::Kind;

namespace {

TEST(EventScript, SplitsOnSemicolonsTrimmingBlanksAndSkippingEmptyEvents) {
    EXPECT_EQ(kh::split_events("  set 4 30 ;check 3 1;; \t ok ;"),
              (std::vector<std::string>{"set 4 30", "check 3 1", "ok"}));
    EXPECT_TRUE(kh::split_events(" ; ").empty());
}

TEST(EventScript, ReadsEveryKindOfEvent) {
    kh::ScriptEvent e = kh::parse_event(" set 5 -12.345 ");
    EXPECT_EQ(e.kind, Kind::Set);
    EXPECT_EQ(e.text, "set 5 -12.345");
    EXPECT_EQ(e.item_id, 5);
    EXPECT_DOUBLE_EQ(e.number, -12.345);

    e = kh::parse_event("check 15 1");
    EXPECT_EQ(e.kind, Kind::Check);
    EXPECT_EQ(e.number, 1);

    e = kh::parse_event("choose 19 6");
    EXPECT_EQ(e.kind, Kind::Choose);
    EXPECT_EQ(e.index, 6);

    e = kh::parse_event("click 20");
    EXPECT_EQ(e.kind, Kind::Click);
    EXPECT_EQ(e.item_id, 20);
    EXPECT_FALSE(e.label.has_value());

    e = kh::parse_event("click  Fill swatches [R] ");  // a text may hold blanks
    ASSERT_TRUE(e.label.has_value());
    EXPECT_EQ(*e.label, "Fill swatches [R]");

    e = kh::parse_event("drag 40 60.5 -3");
    EXPECT_EQ(e.kind, Kind::Drag);
    EXPECT_EQ(e.item_id, 40);
    EXPECT_DOUBLE_EQ(e.x, 60.5);
    EXPECT_DOUBLE_EQ(e.y, -3);

    e = kh::parse_event("hover 41");
    EXPECT_EQ(e.kind, Kind::Hover);
    EXPECT_EQ(e.item_id, 41);

    e = kh::parse_event("ok");
    EXPECT_EQ(e.kind, Kind::Ok);
    EXPECT_EQ(e.item_id, 1);
    e = kh::parse_event("cancel");
    EXPECT_EQ(e.kind, Kind::Cancel);
    EXPECT_EQ(e.item_id, 2);

    e = kh::parse_event("move -20 300");
    EXPECT_EQ(e.kind, Kind::Move);
    EXPECT_EQ(e.left, -20);
    EXPECT_EQ(e.top, 300);
}

TEST(EventScript, MalformedEventsAreRefusedNamingTheEvent) {
    const char* bad[] = {"frob 3",      "set 4",         "set 4 abc",   "set x 4",   "set 4 nan",
                         "set 4 inf",   "check 3 2",     "check 3",     "choose 19 -1", "choose 19 1.5",
                         "click",       "drag 40 60",    "drag 40 a 0", "hover",     "ok now",
                         "cancel 2",    "move 10",       "move 1.5 2",  "set 4 3 5"};
    for (const char* text : bad) {
        try {
            kh::parse_event(text);
            ADD_FAILURE() << "accepted: " << text;
        } catch (const kh::ScriptError& e) {
            EXPECT_NE(std::string(e.what()).find(std::string("bad event \"") + text + "\""), std::string::npos)
                << e.what();
        }
    }
}

}  // namespace
