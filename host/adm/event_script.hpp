// event_script.hpp: the user's events for a headless settings dialog.
//
// A script is a list of events separated by ";" (blanks around them are
// ignored, empty ones skipped), for instance
//   "set 4 30; check 15 1; choose 19 2; click Shuffle; drag 40 60 0; ok".
// split_events() cuts a script into event texts; parse_event() reads one and
// throws ScriptError naming the event when it is not well formed.
#pragma once

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace kestrel::host {

class ScriptError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct ScriptEvent {
    enum class Kind { Set, Check, Choose, Click, Drag, Hover, Ok, Cancel, Move };
    Kind kind = Kind::Ok;
    std::string text;              // the event as written, trimmed
    std::int32_t item_id = 0;      // the item addressed (Ok: 1, Cancel: 2)
    std::optional<std::string> label; // click TEXT: the button's text instead of an id
    double number = 0;             // set: the typed value; check: 0 or 1
    std::int32_t index = 0;        // choose: entry index
    double x = 0, y = 0;           // drag: artwork point, points, y up
    std::int32_t left = 0, top = 0; // move: the dialog's new top-left corner
};

// The event texts of a script, trimmed, without empty ones.
std::vector<std::string> split_events(std::string_view script);
// One event; throws ScriptError ("bad event \"...\": ...").
ScriptEvent parse_event(std::string_view text);

}  // namespace kestrel::host
