// art_geometry.cpp: bounds centres and the transforms every generation
// makes.
#include "shell/art_geometry.h"

namespace {

constexpr int32_t kTransformOptions = 15;
constexpr KReal kLineScale = 1.0f;

}  // namespace

KResult shell_art_centre(KArtHandle art, KReal* out_x, KReal* out_y) {
    KRealRect r{};
    const KResult result = gArtSuite->get_bounds(art, &r);
    if (result == kNoErr) {
        *out_x = r.left + (r.right - r.left) * 0.5f;
        *out_y = r.bottom + (r.top - r.bottom) * 0.5f;
    }
    return result;
}

KResult shell_transform_art(KArtHandle art, const KMatrix* matrix) {
    return gTransformArtSuite->transform_art(art, matrix, kLineScale, kTransformOptions);
}

KResult shell_transform(KArtHandle art, const KMatrix* matrix, KBool per_member) {
    int16_t type = kUnknownArt;
    if (per_member == 1) gArtSuite->get_art_type(art, &type);
    if (type != kCompoundPathArt) return shell_transform_art(art, matrix);
    KArtHandle child = nullptr;
    KResult result = gArtSuite->get_first_child(art, &child);
    while (result == kNoErr && child != nullptr) {
        result = shell_transform_art(child, matrix);
        if (result == kNoErr) result = gArtSuite->get_next_sibling(child, &child);
    }
    return result;
}
