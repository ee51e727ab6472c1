// utf8.hpp: writing code points as UTF-8, for the host's text output.
#pragma once

#include <string>

namespace kestrel::host {

// Append one code point as UTF-8; surrogates and values beyond U+10FFFF,
// which no UTF-8 text may hold, become U+FFFD.
inline void append_utf8(std::string& out, char32_t c) {
    if ((c >= 0xd800 && c <= 0xdfff) || c > 0x10ffff) c = 0xfffd;
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xc0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3f));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xe0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3f));
        out += static_cast<char>(0x80 | (c & 0x3f));
    } else {
        out += static_cast<char>(0xf0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3f));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3f));
        out += static_cast<char>(0x80 | (c & 0x3f));
    }
}

}  // namespace kestrel::host
