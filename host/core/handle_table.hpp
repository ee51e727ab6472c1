// handle_table.hpp: opaque handles that the host can always check.
//
// A handle encodes a slot index, the slot's generation and a table tag, so a
// null, stale (released) or foreign handle is recognised by lookup and
// answered with an error code; a handle is never dereferenced as a pointer.
#pragma once

#include <cstdint>
#include <vector>

namespace kestrel::host {

template <class T>
class HandleTable {
public:
    // tag: 1..255, different for every kind of handle, so that a handle of
    // one kind passed where another is expected is refused.
    explicit HandleTable(std::uint8_t tag) : tag_(tag) {}

    // A new handle for obj (owned elsewhere).
    template <class H>
    H make(T* obj) {
        std::uint32_t index;
        if (!free_.empty()) {
            index = free_.back();
            free_.pop_back();
        } else {
            index = static_cast<std::uint32_t>(slots_.size());
            slots_.push_back({nullptr, 1});
        }
        slots_[index].object = obj;
        return encode<H>(index, slots_[index].generation);
    }

    // The object behind a handle, or nullptr for a null, stale or foreign one.
    template <class H>
    T* get(H handle) const {
        const auto bits = reinterpret_cast<std::uintptr_t>(handle);
        if (bits == 0 || ((bits >> 56) & 0xff) != tag_) return nullptr;
        const std::uint32_t index = static_cast<std::uint32_t>(bits & 0xffffffffu) - 1;
        const std::uint32_t generation = static_cast<std::uint32_t>((bits >> 32) & 0xffffffu);
        if (index >= slots_.size() || slots_[index].generation != generation) return nullptr;
        return slots_[index].object;
    }

    // Make the handle stale; its slot is reused with a new generation.
    template <class H>
    void release(H handle) {
        const auto bits = reinterpret_cast<std::uintptr_t>(handle);
        if (get(handle) == nullptr) return;
        const std::uint32_t index = static_cast<std::uint32_t>(bits & 0xffffffffu) - 1;
        slots_[index].object = nullptr;
        slots_[index].generation = (slots_[index].generation + 1) & 0xffffffu;
        if (slots_[index].generation == 0) slots_[index].generation = 1;
        free_.push_back(index);
    }

    // Re-point a live handle at another object (used when undo restores one).
    template <class H>
    bool rebind(H handle, T* obj) {
        if (get(handle) == nullptr) return false;
        const auto bits = reinterpret_cast<std::uintptr_t>(handle);
        slots_[static_cast<std::uint32_t>(bits & 0xffffffffu) - 1].object = obj;
        return true;
    }

    std::size_t live() const { return slots_.size() - free_.size(); }

private:
    struct Slot {
        T* object;
        std::uint32_t generation;
    };
    template <class H>
    H encode(std::uint32_t index, std::uint32_t generation) const {
        const std::uintptr_t bits = (static_cast<std::uintptr_t>(tag_) << 56) |
                                    (static_cast<std::uintptr_t>(generation) << 32) |
                                    (static_cast<std::uintptr_t>(index) + 1);
        return reinterpret_cast<H>(bits);
    }

    std::uint8_t tag_;
    std::vector<Slot> slots_;
    std::vector<std::uint32_t> free_;
};

}  // namespace kestrel::host
