// event_script.cpp: cutting and reading the events of a dialog script.
#include "host/adm/event_script.hpp"

#include <charconv>
#include <cmath>

namespace kestrel::host {
namespace {

constexpr std::string_view kBlanks = " \t\r\n";

std::string_view trim(std::string_view s) {
    const auto first = s.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) return {};
    const auto last = s.find_last_not_of(kBlanks);
    return s.substr(first, last - first + 1);
}

std::vector<std::string_view> words(std::string_view s) {
    std::vector<std::string_view> out;
    std::size_t at = 0;
    while (true) {
        at = s.find_first_not_of(kBlanks, at);
        if (at == std::string_view::npos) break;
        std::size_t end = s.find_first_of(kBlanks, at);
        if (end == std::string_view::npos) end = s.size();
        out.push_back(s.substr(at, end - at));
        at = end;
    }
    return out;
}

[[noreturn]] void bad(std::string_view event, std::string_view why) {
    throw ScriptError("bad event \"" + std::string(event) + "\": " + std::string(why));
}

std::optional<std::int32_t> to_int(std::string_view w) {
    std::int32_t v = 0;
    const auto [end, ec] = std::from_chars(w.data(), w.data() + w.size(), v);
    if (ec != std::errc() || end != w.data() + w.size()) return std::nullopt;
    return v;
}

std::optional<double> to_real(std::string_view w) {
    double v = 0;
    const auto [end, ec] = std::from_chars(w.data(), w.data() + w.size(), v);
    if (ec != std::errc() || end != w.data() + w.size() || !std::isfinite(v)) return std::nullopt;
    return v;
}

std::int32_t int_word(std::string_view event, std::string_view w, std::string_view what) {
    auto v = to_int(w);
    if (!v) bad(event, std::string(what) + " \"" + std::string(w) + "\" is not an integer");
    return *v;
}

double real_word(std::string_view event, std::string_view w, std::string_view what) {
    auto v = to_real(w);
    if (!v) bad(event, std::string(what) + " \"" + std::string(w) + "\" is not a number");
    return *v;
}

}  // namespace

std::vector<std::string> split_events(std::string_view script) {
    std::vector<std::string> out;
    std::size_t at = 0;
    while (at <= script.size()) {
        std::size_t end = script.find(';', at);
        if (end == std::string_view::npos) end = script.size();
        const std::string_view event = trim(script.substr(at, end - at));
        if (!event.empty()) out.emplace_back(event);
        at = end + 1;
    }
    return out;
}

ScriptEvent parse_event(std::string_view text) {
    const std::string_view event = trim(text);
    const std::vector<std::string_view> w = words(event);
    if (w.empty()) bad(event, "empty event");
    ScriptEvent e;
    e.text = std::string(event);
    const std::string_view verb = w[0];
    auto expect_words = [&](std::size_t n, const char* form) {
        if (w.size() != n) bad(event, std::string("expected \"") + form + "\"");
    };
    if (verb == "set") {
        expect_words(3, "set ID VALUE");
        e.kind = ScriptEvent::Kind::Set;
        e.item_id = int_word(event, w[1], "item id");
        e.number = real_word(event, w[2], "value");
    } else if (verb == "check") {
        expect_words(3, "check ID 0|1");
        e.kind = ScriptEvent::Kind::Check;
        e.item_id = int_word(event, w[1], "item id");
        if (w[2] != "0" && w[2] != "1") bad(event, "a check box takes 0 or 1");
        e.number = w[2] == "1" ? 1 : 0;
    } else if (verb == "choose") {
        expect_words(3, "choose ID N");
        e.kind = ScriptEvent::Kind::Choose;
        e.item_id = int_word(event, w[1], "item id");
        e.index = int_word(event, w[2], "entry index");
        if (e.index < 0) bad(event, "an entry index is 0 or more");
    } else if (verb == "click") {
        if (w.size() < 2) bad(event, "expected \"click ID\" or \"click TEXT\"");
        e.kind = ScriptEvent::Kind::Click;
        // Everything after the verb: a button text may hold blanks.
        const std::string_view rest = trim(event.substr(w[1].data() - event.data()));
        if (auto id = to_int(rest)) {
            e.item_id = *id;
        } else {
            e.label = std::string(rest);
        }
    } else if (verb == "drag") {
        expect_words(4, "drag ID X Y");
        e.kind = ScriptEvent::Kind::Drag;
        e.item_id = int_word(event, w[1], "item id");
        e.x = real_word(event, w[2], "x");
        e.y = real_word(event, w[3], "y");
    } else if (verb == "hover") {
        expect_words(2, "hover ID");
        e.kind = ScriptEvent::Kind::Hover;
        e.item_id = int_word(event, w[1], "item id");
    } else if (verb == "ok") {
        expect_words(1, "ok");
        e.kind = ScriptEvent::Kind::Ok;
        e.item_id = 1;
    } else if (verb == "cancel") {
        expect_words(1, "cancel");
        e.kind = ScriptEvent::Kind::Cancel;
        e.item_id = 2;
    } else if (verb == "move") {
        expect_words(3, "move LEFT TOP");
        e.kind = ScriptEvent::Kind::Move;
        e.left = int_word(event, w[1], "left");
        e.top = int_word(event, w[2], "top");
    } else {
        bad(event, "unknown event \"" + std::string(verb) + "\"");
    }
    return e;
}

}  // namespace kestrel::host
