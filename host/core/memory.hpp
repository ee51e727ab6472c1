// memory.hpp: "AI MdMemory Suite" handles and "SP Blocks Suite" blocks,
// with accounting: a test can ask how many of each are live.
#pragma once

#include <cstdint>
#include <string>
#include <unordered_map>

#include "kestrel_types.h"

namespace kestrel::host {

class Memory {
public:
    Memory() = default;
    ~Memory();
    Memory(const Memory&) = delete;
    Memory& operator=(const Memory&) = delete;

    // Memory handles: (*handle) is the data. Throw HostError on failure.
    KMemHandle new_handle(std::int32_t size);
    void dispose_handle(KMemHandle handle);
    std::int32_t handle_size(KMemHandle handle) const;
    void set_handle_size(KMemHandle handle, std::int32_t size);
    bool is_handle(KMemHandle handle) const;

    // Named blocks.
    void* allocate_block(std::int32_t size, const std::string& name);
    void free_block(void* block);
    void* reallocate_block(void* block, std::int32_t size, const std::string& name);
    bool is_block(void* block) const;

    std::size_t live_handles() const { return handles_.size(); }
    std::size_t live_blocks() const { return blocks_.size(); }

    // Handles the host itself keeps (parameter blocks) are not the plug-in's:
    // mark one so that live_plugin_handles() leaves it out.
    void mark_host_owned(KMemHandle handle, bool host_owned);
    std::size_t live_plugin_handles() const;

private:
    struct HandleCell {
        char* data;
        std::int32_t size;
        bool host_owned;
    };
    struct Block {
        std::int32_t size;
        std::string name;
    };
    // The cell that (*handle) refers to lives in this map's node, whose
    // address is stable; the handle is the address of HandleCell::data.
    std::unordered_map<char**, HandleCell*> handles_;
    std::unordered_map<void*, Block> blocks_;
};

}  // namespace kestrel::host
