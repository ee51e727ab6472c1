// mirror_pattern.cpp: three mirror images of an object about a point, for
// the four-fold "Basic pattern".
#include "shell/mirror_pattern.h"

namespace {

// Image i is moved by move * 2 (centre - its own centre), then flipped:
// across the vertical line, through the point, across the horizontal line.
constexpr KReal kMoveX[3] = {1.0f, 1.0f, 0.0f};
constexpr KReal kMoveY[3] = {0.0f, 1.0f, 1.0f};
constexpr KReal kFlipX[3] = {-1.0f, -1.0f, 1.0f};
constexpr KReal kFlipY[3] = {1.0f, -1.0f, -1.0f};

}  // namespace

KResult shell_mirror_images(KArtHandle art, const KShellMirrorOptions* options) {
    KArtHandle images[3] = {nullptr, nullptr, nullptr};
    KReal bx = 0.0f;
    KReal by = 0.0f;
    for (int i = 0; i < 3; ++i) {
        KResult result = gArtSuite->duplicate_art(art, kPlaceAboveAll, art, &images[i]);
        if (result != kNoErr) return result;
        if (i == 0 || options->bounds_each == 1) {
            result = shell_art_centre(images[i], &bx, &by);
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
        KResult result = shell_art_centre(images[i], &ex, &ey);
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
