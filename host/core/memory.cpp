#include "host/core/memory.hpp"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <new>

#include "host/core/call_guard.hpp"

namespace kestrel::host {
namespace {

// Upper bound for one allocation: a plug-in asking for more is refused as
// out of memory rather than taking the machine.
constexpr std::int32_t kMaxAllocation = 1 << 30;

char* allocate_zeroed(std::int32_t size) {
    if (size < 0 || size > kMaxAllocation) fail(kOutOfMemoryErr, "allocation size out of range");
    void* p = std::calloc(static_cast<std::size_t>(size > 0 ? size : 1), 1);
    if (p == nullptr) fail(kOutOfMemoryErr, "out of memory");
    return static_cast<char*>(p);
}

}  // namespace

Memory::~Memory() {
    for (auto& [handle, cell] : handles_) {
        std::free(cell->data);
        delete cell;
    }
    for (auto& [block, info] : blocks_) std::free(block);
}

KMemHandle Memory::new_handle(std::int32_t size) {
    char* data = allocate_zeroed(size);
    auto* cell = new HandleCell{data, size, false};
    handles_.emplace(&cell->data, cell);
    return &cell->data;
}

void Memory::dispose_handle(KMemHandle handle) {
    auto it = handles_.find(handle);
    if (it == handles_.end()) fail(kBadParameterErr, "unknown memory handle");
    std::free(it->second->data);
    delete it->second;
    handles_.erase(it);
}

std::int32_t Memory::handle_size(KMemHandle handle) const {
    auto it = handles_.find(handle);
    if (it == handles_.end()) fail(kBadParameterErr, "unknown memory handle");
    return it->second->size;
}

void Memory::set_handle_size(KMemHandle handle, std::int32_t size) {
    auto it = handles_.find(handle);
    if (it == handles_.end()) fail(kBadParameterErr, "unknown memory handle");
    char* data = allocate_zeroed(size);
    HandleCell* cell = it->second;
    std::memcpy(data, cell->data, static_cast<std::size_t>(std::min(size, cell->size)));
    std::free(cell->data);
    cell->data = data;
    cell->size = size;
}

bool Memory::is_handle(KMemHandle handle) const { return handles_.count(handle) != 0; }

void Memory::mark_host_owned(KMemHandle handle, bool host_owned) {
    auto it = handles_.find(handle);
    if (it != handles_.end()) it->second->host_owned = host_owned;
}

std::size_t Memory::live_plugin_handles() const {
    std::size_t n = 0;
    for (const auto& [handle, cell] : handles_) n += cell->host_owned ? 0 : 1;
    return n;
}

void* Memory::allocate_block(std::int32_t size, const std::string& name) {
    char* data = allocate_zeroed(size);
    blocks_.emplace(data, Block{size, name});
    return data;
}

void Memory::free_block(void* block) {
    auto it = blocks_.find(block);
    if (it == blocks_.end()) fail(kBadParameterErr, "unknown block");
    std::free(block);
    blocks_.erase(it);
}

void* Memory::reallocate_block(void* block, std::int32_t size, const std::string& name) {
    auto it = blocks_.find(block);
    if (it == blocks_.end()) fail(kBadParameterErr, "unknown block");
    char* data = allocate_zeroed(size);
    std::memcpy(data, block, static_cast<std::size_t>(std::min(size, it->second.size)));
    std::free(block);
    blocks_.erase(it);
    blocks_.emplace(data, Block{size, name});
    return data;
}

bool Memory::is_block(void* block) const { return blocks_.count(block) != 0; }

}  // namespace kestrel::host
