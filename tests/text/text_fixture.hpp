// text_fixture.hpp: a host with the four text suite tables and helpers that
// make text art with distinct characters, so that a test can tell which
// character a stream reached and whether its neighbours changed.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "ai_text.h"
#include "host/core/host.hpp"
#include "host/document/document.hpp"
#include "host/text/text_objects.hpp"

namespace kh = kestrel::host;

class TextTest : public testing::Test {
protected:
    template <class Suite>
    const Suite* find(const char* name, int version) {
        auto* table = static_cast<const Suite*>(host.suites().find(name, version));
        EXPECT_NE(table, nullptr) << name;
        return table;
    }

    kh::Document& doc() { return host.document(); }
    KArtHandle h(const kh::Art& art) { return doc().handle_of(art); }

    // Point text of n characters 'a', 'b', ...; character i has font size
    // 10 + i and grey fill level i / 100, so every character differs.
    kh::Art& text_art(std::size_t n, std::int16_t type = kTextArt) {
        kh::Art& a = doc().new_art(type, doc().current_layer());
        for (std::size_t i = 0; i < n; ++i) {
            kh::TextChar c;
            c.code = static_cast<char32_t>('a' + i % 26);
            c.style.font_size = static_cast<KReal>(10 + i);
            c.style.horizontal_scale = 1;
            c.style.vertical_scale = 1;
            c.paint.fill_paint = 1;
            c.paint.fill = kh::grey_colour(static_cast<double>(i) / 100.0);
            a.text->chars.push_back(c);
        }
        return a;
    }

    KTextStreamHandle open(const kh::Art& art) {
        KTextStreamHandle s = nullptr;
        EXPECT_EQ(streams->open_stream(h(art), 3, &s), kNoErr);
        return s;
    }

    // The counting loop filters use: step the offset 0, -1, ... in direction
    // +1 until the reported position repeats; N = 1 - last.
    std::int32_t count_chars(KTextStreamHandle s) {
        std::int32_t pos = 0, last = -1;
        do {
            streams->set_position(s, pos, 1);
            std::int32_t cur = 0;
            streams->get_position(s, 1, &cur);
            if (cur == last) break;
            pos = pos - 1;
            last = cur;
        } while (pos > -10000);
        return 1 - last;
    }

    // The code of the character the stream stands on, or 0 when reading fails.
    std::uint16_t char_at(KTextStreamHandle s) {
        std::uint16_t c = 0;
        if (streams->get_char(s, &c) != kNoErr) return 0;
        return c;
    }

    kh::Host host;
    const KTextStreamSuite* streams = find<KTextStreamSuite>(kAITextStreamSuite, kAITextStreamSuiteVersion);
    const KTextSuite* texts = find<KTextSuite>(kAITextSuite, kAITextSuiteVersion);
    const KTextFaceStyleSuite* faces = find<KTextFaceStyleSuite>(kAITextFaceStyleSuite, kAITextFaceStyleSuiteVersion);
    const KDictionarySuite* dicts = find<KDictionarySuite>(kAIDictionarySuite, kAIDictionarySuiteVersion);
};
