// text_objects.cpp: handle tables for text streams, dictionaries and keys.
#include "host/text/text_objects.hpp"

#include <deque>
#include <memory>

#include "host/core/handle_table.hpp"

namespace kestrel::host {
namespace {

// Owns the objects behind live handles. The tables outlive every host, so a
// handle from an earlier host is stale (its slot's generation moved on)
// rather than pointing at a reused slot.
template <class T, class H>
class Owned {
public:
    explicit Owned(std::uint8_t tag) : table_(tag) {}

    H make(std::unique_ptr<T> obj) {
        const H handle = table_.template make<H>(obj.get());
        objects_.emplace(handle, std::move(obj));
        return handle;
    }
    T* find(H handle) const { return table_.get(handle); }
    bool release(H handle) {
        if (table_.get(handle) == nullptr) return false;
        table_.release(handle);
        objects_.erase(handle);
        return true;
    }
    void clear() {
        for (auto& [handle, obj] : objects_) table_.release(handle);
        objects_.clear();
    }
    std::size_t live() const { return objects_.size(); }

private:
    HandleTable<T> table_;
    std::map<H, std::unique_ptr<T>> objects_;
};

struct Keys {
    HandleTable<const std::string> table{0x6b};
    std::deque<std::string> names;  // stable addresses
    std::map<std::string, KDictKey, std::less<>> by_name;
};

Owned<TextStream, KTextStreamHandle>& streams() {
    static Owned<TextStream, KTextStreamHandle> instance(0x74);
    return instance;
}

Owned<TextDictionary, KDictionaryHandle>& dictionaries() {
    static Owned<TextDictionary, KDictionaryHandle> instance(0x64);
    return instance;
}

Keys& keys() {
    static Keys instance;
    return instance;
}

}  // namespace

std::size_t live_text_streams() { return streams().live(); }
std::size_t live_dictionaries() { return dictionaries().live(); }

void reset_text_objects() {
    streams().clear();
    dictionaries().clear();
}

KTextStreamHandle open_text_stream(const TextStream& stream) {
    return streams().make(std::make_unique<TextStream>(stream));
}
TextStream* find_text_stream(KTextStreamHandle handle) { return streams().find(handle); }
bool close_text_stream(KTextStreamHandle handle) { return streams().release(handle); }

KDictionaryHandle create_text_dictionary() { return dictionaries().make(std::make_unique<TextDictionary>()); }
TextDictionary* find_text_dictionary(KDictionaryHandle handle) { return dictionaries().find(handle); }
bool release_text_dictionary(KDictionaryHandle handle) { return dictionaries().release(handle); }

KDictKey intern_dictionary_key(std::string_view name) {
    Keys& k = keys();
    if (auto it = k.by_name.find(name); it != k.by_name.end()) return it->second;
    const std::string& stored = k.names.emplace_back(name);
    const KDictKey key = k.table.make<KDictKey>(&stored);
    k.by_name.emplace(stored, key);
    return key;
}

const std::string* dictionary_key_name(KDictKey key) { return keys().table.get(key); }

}  // namespace kestrel::host
