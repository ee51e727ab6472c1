// random_suites.cpp: "AI Random Suite" 3 over the host's random service.
#include "ai_document.h"
#include "host/core/call_guard.hpp"

namespace kestrel::host {
namespace {

KResult float_rnd(KReal* out_r) {
    return KESTREL_HOST_CALL("AI Random Suite/float_rnd", [&](Host& host) {
        require(out_r, "output real");
        *out_r = host.random().next();
        return kNoErr;
    });
}

KResult set_seed(int32_t seed) {
    return KESTREL_HOST_CALL("AI Random Suite/set_seed", [&](Host& host) {
        host.random().set_seed(static_cast<std::uint32_t>(seed));
        return kNoErr;
    });
}

const KRandomSuite kRandomSuite = {float_rnd, set_seed};

}  // namespace

void register_random_suites(SuiteRegistry& registry) {
    registry.add(kAIRandomSuite, kAIRandomSuiteVersion, &kRandomSuite);
}

}  // namespace kestrel::host
