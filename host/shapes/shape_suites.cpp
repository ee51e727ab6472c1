// shape_suites.cpp: "AI Shape Construction Suite" 4. Placeholder table:
// every operation answers kNotImplementedErr until shapes are built.
#include "ai_shape.h"
#include "host/core/call_guard.hpp"

namespace kestrel::host {
namespace {
#define KESTREL_SHAPE_STUB(fn, ...)                                                       \
    KResult fn(__VA_ARGS__, KArtHandle* out) {                                            \
        return KESTREL_HOST_CALL("AI Shape Construction Suite/" #fn, [&](Host&) {        \
            if (out) *out = nullptr;                                                      \
            return kNotImplementedErr;                                                    \
        });                                                                               \
    }
KESTREL_SHAPE_STUB(new_centred_rect, KReal, KReal, KReal, KReal, KBool)
KESTREL_SHAPE_STUB(new_centred_rounded_rect, KReal, KReal, KReal, KReal, KReal, KReal, KBool)
KESTREL_SHAPE_STUB(new_centred_oval_inscribed, KReal, KReal, KReal, KReal, KBool)
KESTREL_SHAPE_STUB(new_centred_oval_circumscribed, KReal, KReal, KReal, KReal, KBool)
KESTREL_SHAPE_STUB(new_centred_star, int32_t, KReal, KReal, KReal, KReal, KBool)
KESTREL_SHAPE_STUB(new_centred_polygon, int32_t, KReal, KReal, KReal, KBool)
KESTREL_SHAPE_STUB(new_spiral, const KRealPoint*, const KRealPoint*, KReal, int32_t, KBool)
#undef KESTREL_SHAPE_STUB
const KShapeConstructionSuite kShapeSuite = {new_centred_rect, new_centred_rounded_rect, new_centred_oval_inscribed,
                                             new_centred_oval_circumscribed, new_centred_star, new_centred_polygon,
                                             new_spiral};
}  // namespace

void register_shape_suites(SuiteRegistry& registry) {
    registry.add(kAIShapeConstructionSuite, kAIShapeConstructionSuiteVersion, &kShapeSuite);
}
}  // namespace kestrel::host
