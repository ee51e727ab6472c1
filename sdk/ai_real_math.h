/* ai_real_math.h: "AI Real Math Suite" 1: matrices, angles and interpolation.
 *
 * Matrix idiom: set a matrix to a translation, then concatenate
 * translations, scales and rotations; each concatenation applies after the
 * operations already in the matrix. Angles are radians unless named degrees.
 */
#ifndef KESTREL_AI_REAL_MATH_H
#define KESTREL_AI_REAL_MATH_H

#include "kestrel_types.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kAIRealMathSuite "AI Real Math Suite"
#define kAIRealMathSuiteVersion 1

typedef struct KRealMathSuite {
    KResult (*matrix_set_identity)(KMatrix *m);
    KResult (*matrix_set_translate)(KMatrix *m, KReal tx, KReal ty);
    KResult (*matrix_set_scale)(KMatrix *m, KReal sx, KReal sy);
    KResult (*matrix_set_rotate)(KMatrix *m, KReal radians);
    /* m = m then translate(tx, ty). */
    KResult (*matrix_concat_translate)(KMatrix *m, KReal tx, KReal ty);
    /* m = m then scale(sx, sy) about the origin. */
    KResult (*matrix_concat_scale)(KMatrix *m, KReal sx, KReal sy);
    /* m = m then a rotation by radians (counter-clockwise, y up) about the origin. */
    KResult (*matrix_concat_rotate)(KMatrix *m, KReal radians);
    /* out = first a, then b. */
    KResult (*matrix_concat)(const KMatrix *a, const KMatrix *b, KMatrix *out);
    /* Apply m to a point. */
    KResult (*transform_point)(const KMatrix *m, const KRealPoint *p, KRealPoint *out);
    KResult (*degrees_to_radians)(KReal degrees, KReal *out_radians);
    KResult (*radians_to_degrees)(KReal radians, KReal *out_degrees);
    KResult (*sine)(KReal radians, KReal *out);
    KResult (*cosine)(KReal radians, KReal *out);
    /* Angle of the vector from a to b, radians in (-pi, pi]. */
    KResult (*point_angle)(const KRealPoint *a, const KRealPoint *b, KReal *out_radians);
    /* Linear interpolation: edge + t * (centre - edge), so edge at t = 0, centre at t = 1. */
    KResult (*interpolate)(KReal centre, KReal edge, KReal t, KReal *out);
} KRealMathSuite;

#ifdef __cplusplus
}
#endif

#endif /* KESTREL_AI_REAL_MATH_H */
