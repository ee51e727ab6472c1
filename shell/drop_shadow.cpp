// drop_shadow.cpp: a shadow directly behind an object, coloured for the
// document's colour model, offset and optionally faded and squashed.
#include "shell/drop_shadow.h"

#include "shell/art_geometry.h"

namespace {

// The fixed offset, points: right and down.
constexpr KReal kShadowOffset = 20.0f;

// -1 for a draw above one half, else +1.
KReal sign_of_draw() { return shell_draw() > 0.5f ? -1.0f : 1.0f; }

// Squash the shadow vertically by a draw, onto its own bottom edge.
KResult squash(KArtHandle shadow) {
    KRealRect bounds{};
    KResult result = gArtSuite->get_bounds(shadow, &bounds);
    if (result != kNoErr) return result;
    const KReal px = static_cast<KReal>(bounds.left + (static_cast<double>(bounds.right) - bounds.left) / 2.0);
    const KReal py = bounds.bottom;
    const KReal factor = shell_draw();
    KMatrix matrix{};
    gRealMathSuite->matrix_set_translate(&matrix, -px, -py);
    gRealMathSuite->matrix_concat_scale(&matrix, 1.0f, factor);
    gRealMathSuite->matrix_concat_translate(&matrix, px, py);
    return shell_transform_art(shadow, &matrix);
}

}  // namespace

void shell_shadow_colour(KColour* fill, int16_t model, KBool half_fill) {
    const bool half = half_fill == 1;
    switch (model) {
        case kGreyModel:
            fill->kind = kGreyColour;
            fill->body[0] = half ? fill->body[0] * 0.5f : 0.0f;
            break;
        case kRGBModel:
            fill->kind = kRGBColour;
            for (int c = 0; c < 3; ++c) fill->body[c] = half ? fill->body[c] * 0.5f : 0.0f;
            break;
        case kCMYKModel:
            fill->kind = kProcessColour;
            for (int c = 0; c < 4; ++c) fill->body[c] = half ? fill->body[c] * 0.5f : 1.0f;
            break;
        default: break;
    }
}

KResult shell_drop_shadow(KArtHandle art, const KShellShadowOptions* options, KArtHandle* out_shadow) {
    if (out_shadow != nullptr) *out_shadow = nullptr;
    KArtHandle shadow = nullptr;
    KResult result = gArtSuite->duplicate_art(art, kPlaceBelow, art, &shadow);
    if (result != kNoErr) return result;
    if (out_shadow != nullptr) *out_shadow = shadow;

    KPathStyle style{};
    gPathStyleSuite->get_path_style(art, &style);
    int16_t model = -1;
    gDocumentSuite->get_document_colour_model(&model);
    shell_shadow_colour(&style.fill, model, options->half_fill);
    gPathStyleSuite->set_path_style(shadow, &style);

    KReal dx = kShadowOffset;
    KReal dy = -kShadowOffset;
    if (options->random_direction == 1) {
        const KReal sx = sign_of_draw();
        dx = shell_draw() * sx * kShadowOffset;
        const KReal sy = sign_of_draw();
        dy = shell_draw() * sy * -kShadowOffset;
    }
    if (options->random_opacity == 1 && gBlendStyleSuite != nullptr) gBlendStyleSuite->set_opacity(shadow, shell_draw());

    KMatrix matrix{};
    gRealMathSuite->matrix_set_translate(&matrix, dx, dy);
    result = shell_transform_art(shadow, &matrix);
    if (result != kNoErr) return result;
    if (options->random_scaling == 1) return squash(shadow);
    return kNoErr;
}
