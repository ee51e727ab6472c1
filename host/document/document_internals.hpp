// document_internals.hpp: the private parts of Document shared by its source
// files: the pool that art nodes live in and the undo journal of a command.
// Only host/document/*.cpp include this.
#pragma once

#include <cstddef>
#include <memory>
#include <new>
#include <string>
#include <vector>

#include "host/document/document.hpp"

namespace kestrel::host {

// Art nodes come from fixed-size chunks and go back to a free list, so that
// making and removing tens of thousands of objects per preview costs no
// general-purpose allocation for the nodes themselves.
struct Document::ArtPool {
    static constexpr std::size_t kChunk = 1024;  // nodes per chunk

    Art* allocate() {
        void* slot;
        if (free_ != nullptr) {
            slot = free_;
            free_ = free_->next;
        } else {
            if (chunks_.empty() || used_ == kChunk) {
                chunks_.push_back(std::make_unique<Slot[]>(kChunk));
                used_ = 0;
            }
            slot = &chunks_.back()[used_++];
        }
        return ::new (slot) Art();
    }

    void release(Art* art) {
        art->~Art();
        auto* slot = reinterpret_cast<Slot*>(art);
        slot->next = free_;
        free_ = slot;
    }

    std::size_t capacity() const { return chunks_.size() * kChunk; }

private:
    union Slot {
        Slot() : next(nullptr) {}
        ~Slot() {}
        Slot* next;
        alignas(Art) unsigned char storage[sizeof(Art)];
    };
    std::vector<std::unique_ptr<Slot[]>> chunks_;
    std::size_t used_ = 0;
    Slot* free_ = nullptr;
};

// The data of one art object as it was before the command changed it.
struct SavedArtData {
    ArtPath path;
    std::shared_ptr<const Geom::Path> unwarped;
    KPathStyle style;
    KReal opacity;
    std::int32_t blending_mode;
    std::int32_t attributes;
    std::vector<std::pair<std::string, std::string>> tags;
    EnvelopeWarp warp;
    std::unique_ptr<TextBody> text;
};

// The changes of the current command, oldest first. Undo walks it backwards,
// so every recorded place (parent, layer, the sibling in front) is exactly as
// it was when the change was made.
struct Document::Journal {
    enum class Kind : std::uint8_t {
        art_created,    // art: the root of the new tree
        art_disposed,   // art, layer, parent, before: where it was
        art_moved,      // art, layer, parent, before: where it was
        art_data,       // art, index into data
        layer_created,  // layer
        layer_renamed,  // layer, index into names
        current_layer,  // layer: the current layer before
    };
    struct Entry {
        Kind kind;
        std::uint32_t index = 0;  // into data or names
        Art* art = nullptr;
        Layer* layer = nullptr;
        Art* parent = nullptr;
        Art* before = nullptr;    // the sibling directly in front; null: frontmost
    };

    std::vector<Entry> entries;
    std::vector<SavedArtData> data;
    std::vector<std::string> names;
};

}  // namespace kestrel::host
