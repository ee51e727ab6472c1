// envelope_suites.cpp: "AI Envelope Suite" 1. Placeholder table: every
// operation answers kNotImplementedErr until envelopes are built.
#include "ai_envelope.h"
#include "host/core/call_guard.hpp"

namespace kestrel::host {
namespace {
KResult make_envelope(KArtHandle*, int32_t, KArtHandle, const KEnvelopeOptions*, KArtHandle* out) {
    return KESTREL_HOST_CALL("AI Envelope Suite/make_envelope", [&](Host&) {
        if (out) *out = nullptr;
        return kNotImplementedErr;
    });
}
KResult apply_warp(KArtHandle, int32_t, KReal, KReal, KReal, KBool) {
    return KESTREL_HOST_CALL("AI Envelope Suite/apply_warp", [&](Host&) { return kNotImplementedErr; });
}
const KEnvelopeSuite kEnvelopeSuite = {make_envelope, apply_warp};
}  // namespace

void register_envelope_suites(SuiteRegistry& registry) {
    registry.add(kAIEnvelopeSuite, kAIEnvelopeSuiteVersion, &kEnvelopeSuite);
}
}  // namespace kestrel::host
