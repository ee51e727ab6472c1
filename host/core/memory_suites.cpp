// memory_suites.cpp: "AI MdMemory Suite" 1 and "SP Blocks Suite" 2 over the
// host's accounted memory.
#include "ai_memory.h"
#include "host/core/call_guard.hpp"
#include "sp_basic.h"

namespace kestrel::host {
namespace {

KResult new_handle(int32_t size, KMemHandle* out_handle) {
    return KESTREL_HOST_CALL("AI MdMemory Suite/new_handle", [&](Host& host) {
        require(out_handle, "output handle");
        *out_handle = nullptr;
        *out_handle = host.memory().new_handle(size);
        return kNoErr;
    });
}

KResult dispose_handle(KMemHandle handle) {
    return KESTREL_HOST_CALL("AI MdMemory Suite/dispose_handle", [&](Host& host) {
        host.memory().dispose_handle(handle);
        return kNoErr;
    });
}

KResult get_handle_size(KMemHandle handle, int32_t* out_size) {
    return KESTREL_HOST_CALL("AI MdMemory Suite/get_handle_size", [&](Host& host) {
        require(out_size, "output size");
        *out_size = host.memory().handle_size(handle);
        return kNoErr;
    });
}

KResult set_handle_size(KMemHandle handle, int32_t size) {
    return KESTREL_HOST_CALL("AI MdMemory Suite/set_handle_size", [&](Host& host) {
        host.memory().set_handle_size(handle, size);
        return kNoErr;
    });
}

KResult allocate_block(int32_t size, const char* name, void** out_block) {
    return KESTREL_HOST_CALL("SP Blocks Suite/allocate_block", [&](Host& host) {
        require(out_block, "output block");
        *out_block = nullptr;
        *out_block = host.memory().allocate_block(size, name ? name : "");
        return kNoErr;
    });
}

KResult free_block(void* block) {
    return KESTREL_HOST_CALL("SP Blocks Suite/free_block", [&](Host& host) {
        host.memory().free_block(block);
        return kNoErr;
    });
}

KResult reallocate_block(void* block, int32_t size, const char* name, void** out_block) {
    return KESTREL_HOST_CALL("SP Blocks Suite/reallocate_block", [&](Host& host) {
        require(out_block, "output block");
        *out_block = host.memory().reallocate_block(block, size, name ? name : "");
        return kNoErr;
    });
}

const KMdMemorySuite kMemorySuite = {new_handle, dispose_handle, get_handle_size, set_handle_size};
const KSPBlocksSuite kBlocksSuite = {allocate_block, free_block, reallocate_block};

}  // namespace

void register_memory_suites(SuiteRegistry& registry) {
    registry.add(kAIMdMemorySuite, kAIMdMemorySuiteVersion, &kMemorySuite);
    registry.add(kSPBlocksSuite, kSPBlocksSuiteVersion, &kBlocksSuite);
}

}  // namespace kestrel::host
