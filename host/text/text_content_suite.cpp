// text_content_suite.cpp: "AI Text Suite" 4, the whole text of a text art
// object: its length in characters and its content as UTF-8.
#include <string>

#include "host/core/utf8.hpp"
#include "host/document/suite_args.hpp"
#include "host/text/text_suite_tables.hpp"

namespace kestrel::host {
namespace {

const TextBody& text_arg(Host& host, KArtHandle handle) {
    const Art& art = art_arg(host, handle);
    if (!art.is_text() || !art.text) fail(kBadParameterErr, "art is not text");
    return *art.text;
}


KResult get_text_length(KArtHandle text_art, int32_t* out_length) {
    return KESTREL_HOST_CALL("AI Text Suite/get_text_length", [&](Host& host) {
        require(out_length, "output length");
        *out_length = static_cast<int32_t>(text_arg(host, text_art).chars.size());
        return kNoErr;
    });
}

// A text longer than the buffer is cut after the last whole character that
// fits, so the copy is always valid UTF-8 ending with a zero byte.
KResult get_text(KArtHandle text_art, char* out_text, int32_t max_len) {
    return KESTREL_HOST_CALL("AI Text Suite/get_text", [&](Host& host) {
        require(out_text, "output text");
        if (max_len <= 0) fail(kBadParameterErr, "no room for the text");
        const TextBody& text = text_arg(host, text_art);
        const std::size_t room = static_cast<std::size_t>(max_len) - 1;
        std::string utf8;
        for (const TextChar& c : text.chars) {
            const std::size_t before = utf8.size();
            append_utf8(utf8, c.code);
            if (utf8.size() > room) {
                utf8.resize(before);
                break;
            }
        }
        copy_out(utf8, out_text, max_len);
        return kNoErr;
    });
}

}  // namespace

const KTextSuite kTextSuiteTable = {get_text_length, get_text};

}  // namespace kestrel::host
