// text_objects.hpp: the text streams, attribute dictionaries and dictionary
// keys that the text suites hand to plug-ins, behind checked handles.
//
// Streams and dictionaries belong to the current host: a new host starts with
// none, and any left from an earlier one go stale. Tests check for leaks with
// live_text_streams() and live_dictionaries() after a plug-in has run.
#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <string_view>

#include "kestrel_types.h"

namespace kestrel::host {

class Document;

// A stream over one text object, standing on one character (or on none).
struct TextStream {
    KArtHandle art = nullptr;           // the text art the stream was opened on
    const Document* document = nullptr; // the document that art belongs to
    std::int32_t index = -1;            // reading-order index of the current character; -1: none yet
};

// An attribute dictionary: named reals.
struct TextDictionary {
    std::map<std::string, KReal, std::less<>> entries;  // name -> value
};

// Streams and dictionaries open now (made and not yet closed or released).
std::size_t live_text_streams();
std::size_t live_dictionaries();

// ---- used by the text suites ----

// Forget every stream and dictionary (their handles go stale); called when a
// new host registers the text suites.
void reset_text_objects();

KTextStreamHandle open_text_stream(const TextStream& stream);
// Null for a null, stale or foreign handle.
TextStream* find_text_stream(KTextStreamHandle handle);
// False when the handle is not live.
bool close_text_stream(KTextStreamHandle handle);

KDictionaryHandle create_text_dictionary();
TextDictionary* find_text_dictionary(KDictionaryHandle handle);
bool release_text_dictionary(KDictionaryHandle handle);

// The key of a name; the same name always gives the same key.
KDictKey intern_dictionary_key(std::string_view name);
// The name of a key; null for a key the host never made.
const std::string* dictionary_key_name(KDictKey key);

}  // namespace kestrel::host
