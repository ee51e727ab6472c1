// dictionary_suite.cpp: "AI Dictionary Suite" 5, attribute dictionaries of
// named reals, reached through interned keys.
#include <cmath>
#include <cstring>

#include "host/document/suite_args.hpp"
#include "host/text/text_objects.hpp"
#include "host/text/text_suite_tables.hpp"

namespace kestrel::host {
namespace {

TextDictionary& dictionary_arg(KDictionaryHandle handle) {
    TextDictionary* dict = find_text_dictionary(handle);
    if (dict == nullptr) fail(kBadParameterErr, "null, stale or released dictionary");
    return *dict;
}

const std::string& key_arg(KDictKey key) {
    const std::string* name = dictionary_key_name(key);
    if (name == nullptr) fail(kBadParameterErr, "null or foreign dictionary key");
    return *name;
}

KResult create_dictionary(KDictionaryHandle* out_dict) {
    return KESTREL_HOST_CALL("AI Dictionary Suite/create_dictionary", [&](Host&) {
        require(out_dict, "output dictionary");
        *out_dict = create_text_dictionary();
        return kNoErr;
    });
}

KResult release_dictionary(KDictionaryHandle dict) {
    return KESTREL_HOST_CALL("AI Dictionary Suite/release_dictionary", [&](Host&) {
        if (!release_text_dictionary(dict)) fail(kBadParameterErr, "null, stale or released dictionary");
        return kNoErr;
    });
}

KResult get_key(const char* name, KDictKey* out_key) {
    return KESTREL_HOST_CALL("AI Dictionary Suite/get_key", [&](Host&) {
        require(name, "key name");
        require(out_key, "output key");
        if (*name == '\0') fail(kBadParameterErr, "empty key name");
        *out_key = intern_dictionary_key(name);
        return kNoErr;
    });
}

KResult get_real_entry(KDictionaryHandle dict, KDictKey key, KReal* out_value) {
    return KESTREL_HOST_CALL("AI Dictionary Suite/get_real_entry", [&](Host&) {
        require(out_value, "output value");
        const TextDictionary& d = dictionary_arg(dict);
        const auto it = d.entries.find(key_arg(key));
        if (it == d.entries.end()) fail(kBadParameterErr, "no entry under that key");
        *out_value = it->second;
        return kNoErr;
    });
}

// Entries end up in the document's characters (and its files), so they must
// be numbers.
KResult set_real_entry(KDictionaryHandle dict, KDictKey key, KReal value) {
    return KESTREL_HOST_CALL("AI Dictionary Suite/set_real_entry", [&](Host&) {
        TextDictionary& d = dictionary_arg(dict);
        const std::string& name = key_arg(key);
        require_finite(value, "dictionary value");
        d.entries.insert_or_assign(name, value);
        return kNoErr;
    });
}

}  // namespace

const KDictionarySuite kDictionarySuiteTable = {create_dictionary, release_dictionary, get_key, get_real_entry,
                                                set_real_entry};

}  // namespace kestrel::host
