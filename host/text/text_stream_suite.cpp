// text_stream_suite.cpp: "AI Text Stream Suite" 5, streams over one text
// object that read and write the attributes of one character at a time.
//
// Positions. The characters of a text of n characters are numbered 0..n-1 in
// reading order, and a stream stands on one of them. Both directions count
// from the first character, each with its own sign:
//   direction +1: offset o names character -o   (offsets 0, -1, ..., -(n-1))
//   direction -1: offset o names character  o   (offsets 0, 1, ..., n-1)
// get_position(direction) reports the current character in the same terms,
// so get_position(+1) after set_position(-k, +1) gives -k. An offset naming no
// character answers "SKSM" (kTextOutOfRangeErr) and leaves the stream where
// it was. A new stream stands before the first character (character -1,
// reported as +1 in direction +1); reading or writing there answers "SKSM".
//
// Consequences that callers rely on: stepping the offset 0, -1, -2, ... in
// direction +1 reports 0, -1, -2, ... up to -(n-1) and then stays there, so
// counting until the report repeats gives n = 1 - last report (an empty text
// keeps reporting +1, so n = 0). Offset p in direction -1 and offset -p in
// direction +1 name the same character p, so a walk with either pair changes
// the same characters and the position number p always means character p.
//
// Every change to a character journals the text art first (will_modify), so
// undoing the command restores the text exactly.
#include <cmath>
#include <cstdint>
#include <string>

#include "host/document/suite_args.hpp"
#include "host/text/font_faces.hpp"
#include "host/text/text_objects.hpp"
#include "host/text/text_suite_tables.hpp"

namespace kestrel::host {
namespace {

constexpr const char* kOpacityName = "Opacity";

TextStream& stream_arg(Host& host, KTextStreamHandle handle) {
    TextStream* stream = find_text_stream(handle);
    if (stream == nullptr) fail(kBadParameterErr, "null, stale or foreign text stream");
    if (stream->document != &host.document()) fail(kBadParameterErr, "text stream of another document");
    return *stream;
}

TextDictionary& dictionary_arg(KDictionaryHandle handle) {
    TextDictionary* dict = find_text_dictionary(handle);
    if (dict == nullptr) fail(kBadParameterErr, "null, stale or released dictionary");
    return *dict;
}

Art& text_art_arg(Host& host, KArtHandle handle) {
    Art& art = art_arg(host, handle);
    if (!art.is_text() || !art.text) fail(kBadParameterErr, "art is not text");
    return art;
}

void require_direction(std::int32_t direction) {
    if (direction != 1 && direction != -1) fail(kBadParameterErr, "direction is neither +1 nor -1");
}

// The character the stream stands on, for reading.
const TextChar& current_char(Host& host, const TextStream& stream) {
    const Art& art = text_art_arg(host, stream.art);
    if (stream.index < 0 || static_cast<std::size_t>(stream.index) >= art.text->chars.size())
        fail(kTextOutOfRangeErr, "the stream stands on no character");
    return art.text->chars[static_cast<std::size_t>(stream.index)];
}

// The character the stream stands on, journaled for a change.
TextChar& char_to_change(Host& host, const TextStream& stream) {
    Art& art = text_art_arg(host, stream.art);
    if (stream.index < 0 || static_cast<std::size_t>(stream.index) >= art.text->chars.size())
        fail(kTextOutOfRangeErr, "the stream stands on no character");
    host.document().will_modify(art);
    return art.text->chars[static_cast<std::size_t>(stream.index)];
}

KResult is_text_locked(KArtHandle text_art, int32_t /*mode*/, KBool* out_yes) {
    return KESTREL_HOST_CALL("AI Text Stream Suite/is_text_locked", [&](Host& host) {
        require(out_yes, "output answer");
        const Art& art = text_art_arg(host, text_art);
        *out_yes = (art.attributes & (kArtLocked | kArtHidden)) != 0 ? 1 : 0;
        return kNoErr;
    });
}

KResult open_stream(KArtHandle text_art, int32_t /*mode*/, KTextStreamHandle* out_stream) {
    return KESTREL_HOST_CALL("AI Text Stream Suite/open_stream", [&](Host& host) {
        require(out_stream, "output stream");
        text_art_arg(host, text_art);
        *out_stream = open_text_stream(TextStream{text_art, &host.document(), -1});
        return kNoErr;
    });
}

KResult close_stream(KTextStreamHandle stream) {
    return KESTREL_HOST_CALL("AI Text Stream Suite/close_stream", [&](Host&) {
        if (!close_text_stream(stream)) fail(kBadParameterErr, "null, stale or foreign text stream");
        return kNoErr;
    });
}

KResult set_position(KTextStreamHandle stream, int32_t offset, int32_t direction) {
    return KESTREL_HOST_CALL("AI Text Stream Suite/set_position", [&](Host& host) {
        TextStream& s = stream_arg(host, stream);
        require_direction(direction);
        const Art& art = text_art_arg(host, s.art);
        const std::int64_t index = direction == 1 ? -static_cast<std::int64_t>(offset) : offset;
        if (index < 0 || index >= static_cast<std::int64_t>(art.text->chars.size())) return kTextOutOfRangeErr;
        s.index = static_cast<std::int32_t>(index);
        return kNoErr;
    });
}

KResult get_position(KTextStreamHandle stream, int32_t direction, int32_t* out_position) {
    return KESTREL_HOST_CALL("AI Text Stream Suite/get_position", [&](Host& host) {
        require(out_position, "output position");
        const TextStream& s = stream_arg(host, stream);
        require_direction(direction);
        *out_position = direction == 1 ? -s.index : s.index;
        return kNoErr;
    });
}

// Code points beyond 16 bits have no single 16-bit unit; they read as the
// replacement character U+FFFD.
KResult get_char(KTextStreamHandle stream, uint16_t* out_char) {
    return KESTREL_HOST_CALL("AI Text Stream Suite/get_char", [&](Host& host) {
        require(out_char, "output character");
        const char32_t code = current_char(host, stream_arg(host, stream)).code;
        *out_char = code <= 0xffff ? static_cast<uint16_t>(code) : static_cast<uint16_t>(0xfffd);
        return kNoErr;
    });
}

KResult get_char_style(KTextStreamHandle stream, KCharStyle* out_style) {
    return KESTREL_HOST_CALL("AI Text Stream Suite/get_char_style", [&](Host& host) {
        require(out_style, "output style");
        *out_style = current_char(host, stream_arg(host, stream)).style;
        return kNoErr;
    });
}

// The reals of a character style feed the text layout and bounds, so they
// must be numbers; the record is refused whole otherwise.
KResult set_char_style(KTextStreamHandle stream, const KCharStyle* style) {
    return KESTREL_HOST_CALL("AI Text Stream Suite/set_char_style", [&](Host& host) {
        require(style, "style");
        const TextStream& s = stream_arg(host, stream);
        for (KReal v : {style->font_size, style->baseline_shift, style->horizontal_scale, style->vertical_scale,
                        style->leading})
            require_finite(v, "character style value");
        char_to_change(host, s).style = *style;
        return kNoErr;
    });
}

KResult get_face(KTextStreamHandle stream, KFaceHandle* out_face) {
    return KESTREL_HOST_CALL("AI Text Stream Suite/get_face", [&](Host& host) {
        require(out_face, "output face");
        const KFaceHandle face = font_face_handle(current_char(host, stream_arg(host, stream)).face);
        if (face == nullptr) fail(kBadParameterErr, "the character's face is not in the host's face list");
        *out_face = face;
        return kNoErr;
    });
}

KResult set_face(KTextStreamHandle stream, KFaceHandle face) {
    return KESTREL_HOST_CALL("AI Text Stream Suite/set_face", [&](Host& host) {
        const TextStream& s = stream_arg(host, stream);
        const std::int32_t index = font_face_index(face);
        if (index < 0) fail(kBadParameterErr, "null or foreign face handle");
        char_to_change(host, s).face = index;
        return kNoErr;
    });
}

KResult get_path_style(KTextStreamHandle stream, KPathStyle* out_style) {
    return KESTREL_HOST_CALL("AI Text Stream Suite/get_path_style", [&](Host& host) {
        require(out_style, "output style");
        *out_style = current_char(host, stream_arg(host, stream)).paint;
        return kNoErr;
    });
}

KResult set_path_style(KTextStreamHandle stream, const KPathStyle* style) {
    return KESTREL_HOST_CALL("AI Text Stream Suite/set_path_style", [&](Host& host) {
        require(style, "style");
        char_to_change(host, stream_arg(host, stream)).paint = *style;
        return kNoErr;
    });
}

// The dictionary's content is replaced, not merged, so entries of the
// character visited before never carry over to this one. Characters are
// opaque unless they say otherwise: a missing "Opacity" reads as 1.0.
KResult get_char_dictionary(KTextStreamHandle stream, KDictionaryHandle dict) {
    return KESTREL_HOST_CALL("AI Text Stream Suite/get_char_dictionary", [&](Host& host) {
        const TextStream& s = stream_arg(host, stream);
        TextDictionary& d = dictionary_arg(dict);
        const TextChar& c = current_char(host, s);
        d.entries.clear();
        for (const auto& [name, value] : c.reals) d.entries.emplace(name, value);
        d.entries.try_emplace(kOpacityName, KReal{1});
        return kNoErr;
    });
}

// Every entry of the dictionary is written to the character; the
// character's other named reals stay.
KResult apply_char_dictionary(KTextStreamHandle stream, KDictionaryHandle dict) {
    return KESTREL_HOST_CALL("AI Text Stream Suite/apply_char_dictionary", [&](Host& host) {
        const TextStream& s = stream_arg(host, stream);
        const TextDictionary& d = dictionary_arg(dict);
        TextChar& c = char_to_change(host, s);
        for (const auto& [name, value] : d.entries) c.reals.insert_or_assign(name, value);
        return kNoErr;
    });
}

// The one-character span brackets the reads and writes of one character. It
// changes nothing here; the calls are checked and counted like any other.
KResult begin_span(KTextStreamHandle stream, int32_t* value, int16_t* out_state) {
    return KESTREL_HOST_CALL("AI Text Stream Suite/begin_span", [&](Host& host) {
        stream_arg(host, stream);
        require(value, "span value");
        require(out_state, "output span state");
        *out_state = 0;
        return kNoErr;
    });
}

KResult set_span(KTextStreamHandle stream, int32_t* value) {
    return KESTREL_HOST_CALL("AI Text Stream Suite/set_span", [&](Host& host) {
        stream_arg(host, stream);
        require(value, "span value");
        return kNoErr;
    });
}

KResult end_span(KTextStreamHandle stream, int32_t* value, int16_t* state) {
    return KESTREL_HOST_CALL("AI Text Stream Suite/end_span", [&](Host& host) {
        stream_arg(host, stream);
        require(value, "span value");
        require(state, "span state");
        return kNoErr;
    });
}

}  // namespace

const KTextStreamSuite kTextStreamSuiteTable = {
    is_text_locked, open_stream,    close_stream,   set_position,        get_position,          get_char,
    get_char_style, set_char_style, get_face,       set_face,            get_path_style,        set_path_style,
    get_char_dictionary, apply_char_dictionary, begin_span, set_span, end_span};

}  // namespace kestrel::host
