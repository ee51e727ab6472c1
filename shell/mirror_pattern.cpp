// mirror_pattern.cpp: three mirror images of an object about a point, for
// the four-fold "Basic pattern".
#include "shell/mirror_pattern.h"

namespace {

constexpr int32_t kTransformOptions = 15;
constexpr KReal kLineScale = 1.0f;

// Image i is moved by move * 2 (centre - its own centre), then flipped:
// across the vertical line, through the point, across the horizontal line.
constexpr KReal kMoveX[3] = {1.0f, 1.0f, 0.0f};
constexpr KReal kMoveY[3] = {0.0f, 1.0f, 1.0f};
constexpr KReal kFlipX[3] = {-1.0f, -1.0f, 1.0f};
constexpr KReal kFlipY[3] = {1.0f, -1.0f, -1.0f};

KResult centre_of(KArtHandle art, KReal* x, KReal* y) {
    KRealRect bounds{};
    const KResult result = gArtSuite->get_bounds(art, &bounds);
    if (result == kNoErr) shell_bounds_centre(&bounds, x, y);
    return result;
}

}  // namespace

void shell_bounds_centre(const KRealRect* r, KReal* out_x, KReal* out_y) {
    *out_x = r->left + (r->right - r->left) * 0.5f;
    *out_y = r->bottom + (r->top - r->bottom) * 0.5f;
}

KResult shell_transform(KArtHandle art, const KMatrix* matrix, KBool per_member) {
    int16_t type = kUnknownArt;
    if (per_member == 1) gArtSuite->get_art_type(art, &type);
    if (type != kCompoundPathArt) return gTransformArtSuite->transform_art(art, matrix, kLineScale, kTransformOptions);
    KArtHandle child = nullptr;
    KResult result = gArtSuite->get_first_child(art, &child);
    while (result == kNoErr && child != nullptr) {
        result = gTransformArtSuite->transform_art(child, matrix, kLineScale, kTransformOptions);
        if (result == kNoErr) result = gArtSuite->get_next_sibling(child, &child);
    }
    return result;
}

KResult shell_mirror_images(KArtHandle art, const KShellMirrorOptions* options) {
    KArtHandle images[3] = {nullptr, nullptr, nullptr};
    KReal bx = 0.0f;
    KReal by = 0.0f;
    for (int i = 0; i < 3; ++i) {
        KResult result = gArtSuite->duplicate_art(art, kPlaceAboveAll, art, &images[i]);
        if (result != kNoErr) return result;
        if (i == 0 || options->bounds_each == 1) {
            result = centre_of(images[i], &bx, &by);
            if (result != kNoErr) return result;
        }
        // Composed as translations by -b, b and the offset, which amount to
        // the offset.
        KMatrix matrix{};
        gRealMathSuite->matrix_set_translate(&matrix, -bx, -by);
        gRealMathSuite->matrix_concat_translate(&matrix, bx, by);
        gRealMathSuite->matrix_concat_translate(&matrix, kMoveX[i] * (2.0f * (options->centre_x - bx)),
                                                kMoveY[i] * (2.0f * (options->centre_y - by)));
        result = shell_transform(images[i], &matrix, options->per_member);
        if (result != kNoErr) return result;
    }
    for (int i = 0; i < 3; ++i) {
        KReal ex = 0.0f;
        KReal ey = 0.0f;
        KResult result = centre_of(images[i], &ex, &ey);
        if (result != kNoErr) return result;
        KMatrix matrix{};
        gRealMathSuite->matrix_set_translate(&matrix, -ex, -ey);
        gRealMathSuite->matrix_concat_scale(&matrix, kFlipX[i], kFlipY[i]);
        gRealMathSuite->matrix_concat_translate(&matrix, ex, ey);
        result = shell_transform(images[i], &matrix, options->per_member);
        if (result != kNoErr) return result;
    }
    return kNoErr;
}
