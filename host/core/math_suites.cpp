// math_suites.cpp: "AI Real Math Suite" 1 and "AI User Suite" 5.
//
// Matrices follow the convention of the interface: every concatenation
// applies after the operations already in the matrix, so
// set_translate(-c); concat_scale(s); concat_translate(c) scales about c.
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "ai_real_math.h"
#include "ai_user.h"
#include "host/core/call_guard.hpp"

namespace kestrel::host {
namespace {

constexpr double kPi = 3.14159265358979323846;

// out = first m, then n (n after m): the linear parts multiply as n * m.
KMatrix then(const KMatrix& m, const KMatrix& n) {
    KMatrix r;
    r.a = n.a * m.a + n.c * m.b;
    r.b = n.b * m.a + n.d * m.b;
    r.c = n.a * m.c + n.c * m.d;
    r.d = n.b * m.c + n.d * m.d;
    r.tx = n.a * m.tx + n.c * m.ty + n.tx;
    r.ty = n.b * m.tx + n.d * m.ty + n.ty;
    return r;
}

KMatrix translation(KReal tx, KReal ty) { return {1, 0, 0, 1, tx, ty}; }
KMatrix scaling(KReal sx, KReal sy) { return {sx, 0, 0, sy, 0, 0}; }
KMatrix rotation(KReal radians) {
    const KReal c = static_cast<KReal>(std::cos(static_cast<double>(radians)));
    const KReal s = static_cast<KReal>(std::sin(static_cast<double>(radians)));
    return {c, s, -s, c, 0, 0};
}

// Replace *m by f(*m), refusing a null matrix.
template <class F>
KResult update_matrix(KMatrix* m, F&& f) {
    require(m, "matrix");
    *m = f(*m);
    return kNoErr;
}

KResult set_identity(KMatrix* m) {
    return KESTREL_HOST_CALL("AI Real Math Suite/matrix_set_identity", [&](Host&) {
        return update_matrix(m, [](const KMatrix&) { return translation(0, 0); });
    });
}
KResult set_translate(KMatrix* m, KReal tx, KReal ty) {
    return KESTREL_HOST_CALL("AI Real Math Suite/matrix_set_translate", [&](Host&) {
        return update_matrix(m, [&](const KMatrix&) { return translation(tx, ty); });
    });
}
KResult set_scale(KMatrix* m, KReal sx, KReal sy) {
    return KESTREL_HOST_CALL("AI Real Math Suite/matrix_set_scale", [&](Host&) {
        return update_matrix(m, [&](const KMatrix&) { return scaling(sx, sy); });
    });
}
KResult set_rotate(KMatrix* m, KReal radians) {
    return KESTREL_HOST_CALL("AI Real Math Suite/matrix_set_rotate", [&](Host&) {
        return update_matrix(m, [&](const KMatrix&) { return rotation(radians); });
    });
}
KResult concat_translate(KMatrix* m, KReal tx, KReal ty) {
    return KESTREL_HOST_CALL("AI Real Math Suite/matrix_concat_translate", [&](Host&) {
        return update_matrix(m, [&](const KMatrix& x) { return then(x, translation(tx, ty)); });
    });
}
KResult concat_scale(KMatrix* m, KReal sx, KReal sy) {
    return KESTREL_HOST_CALL("AI Real Math Suite/matrix_concat_scale", [&](Host&) {
        return update_matrix(m, [&](const KMatrix& x) { return then(x, scaling(sx, sy)); });
    });
}
KResult concat_rotate(KMatrix* m, KReal radians) {
    return KESTREL_HOST_CALL("AI Real Math Suite/matrix_concat_rotate", [&](Host&) {
        return update_matrix(m, [&](const KMatrix& x) { return then(x, rotation(radians)); });
    });
}
KResult concat(const KMatrix* a, const KMatrix* b, KMatrix* out) {
    return KESTREL_HOST_CALL("AI Real Math Suite/matrix_concat", [&](Host&) {
        require(a, "matrix");
        require(b, "matrix");
        require(out, "output matrix");
        *out = then(*a, *b);
        return kNoErr;
    });
}
KResult transform_point(const KMatrix* m, const KRealPoint* p, KRealPoint* out) {
    return KESTREL_HOST_CALL("AI Real Math Suite/transform_point", [&](Host&) {
        require(m, "matrix");
        require(p, "point");
        require(out, "output point");
        const KRealPoint in = *p;
        out->h = m->a * in.h + m->c * in.v + m->tx;
        out->v = m->b * in.h + m->d * in.v + m->ty;
        return kNoErr;
    });
}

template <class F>
KResult real_out(KReal* out, F&& f) {
    require(out, "output real");
    *out = static_cast<KReal>(f());
    return kNoErr;
}

KResult degrees_to_radians(KReal degrees, KReal* out) {
    return KESTREL_HOST_CALL("AI Real Math Suite/degrees_to_radians", [&](Host&) {
        return real_out(out, [&] { return static_cast<double>(degrees) * kPi / 180.0; });
    });
}
KResult radians_to_degrees(KReal radians, KReal* out) {
    return KESTREL_HOST_CALL("AI Real Math Suite/radians_to_degrees", [&](Host&) {
        return real_out(out, [&] { return static_cast<double>(radians) * 180.0 / kPi; });
    });
}
KResult sine(KReal radians, KReal* out) {
    return KESTREL_HOST_CALL("AI Real Math Suite/sine", [&](Host&) {
        return real_out(out, [&] { return std::sin(static_cast<double>(radians)); });
    });
}
KResult cosine(KReal radians, KReal* out) {
    return KESTREL_HOST_CALL("AI Real Math Suite/cosine", [&](Host&) {
        return real_out(out, [&] { return std::cos(static_cast<double>(radians)); });
    });
}
KResult point_angle(const KRealPoint* a, const KRealPoint* b, KReal* out) {
    return KESTREL_HOST_CALL("AI Real Math Suite/point_angle", [&](Host&) {
        require(a, "point");
        require(b, "point");
        return real_out(out, [&] {
            return std::atan2(static_cast<double>(b->v) - a->v, static_cast<double>(b->h) - a->h);
        });
    });
}
KResult interpolate(KReal centre, KReal edge, KReal t, KReal* out) {
    return KESTREL_HOST_CALL("AI Real Math Suite/interpolate", [&](Host&) {
        return real_out(out, [&] { return edge + t * (centre - edge); });
    });
}

// ---- AI User Suite ----------------------------------------------------------

KResult string_to_real(const unsigned char* text, KReal* out_value) {
    return KESTREL_HOST_CALL("AI User Suite/string_to_real", [&](Host&) {
        require(text, "text");
        require(out_value, "output real");
        *out_value = 0;
        const std::string s(reinterpret_cast<const char*>(text + 1), text[0]);
        const char* begin = s.c_str();
        while (*begin == ' ') ++begin;
        char* end = nullptr;
        errno = 0;
        const double v = std::strtod(begin, &end);
        if (end == begin || errno == ERANGE) return kBadParameterErr;
        while (*end == ' ') ++end;
        if (*end != '\0') return kBadParameterErr;
        *out_value = static_cast<KReal>(v);
        return kNoErr;
    });
}

KResult real_to_string(KReal value, int16_t decimals, unsigned char* out_text) {
    return KESTREL_HOST_CALL("AI User Suite/real_to_string", [&](Host&) {
        require(out_text, "output text");
        if (decimals < 0 || decimals > 10) return kBadParameterErr;
        char buf[400];
        int n = std::snprintf(buf, sizeof buf, "%.*f", static_cast<int>(decimals), static_cast<double>(value));
        if (n < 0) return kBadParameterErr;
        if (n > 255) n = 255;
        // "-0" for a small negative value cut to no decimals reads as "0".
        if (std::strcmp(buf, "-0") == 0) {
            buf[0] = '0';
            buf[1] = '\0';
            n = 1;
        }
        out_text[0] = static_cast<unsigned char>(n);
        std::memcpy(out_text + 1, buf, static_cast<std::size_t>(n));
        return kNoErr;
    });
}

const KRealMathSuite kRealMathSuite = {
    set_identity,   set_translate,      set_scale,          set_rotate, concat_translate, concat_scale,
    concat_rotate,  concat,             transform_point,    degrees_to_radians, radians_to_degrees,
    sine,           cosine,             point_angle,        interpolate};
const KUserSuite kUserSuite = {string_to_real, real_to_string};

}  // namespace

void register_math_suites(SuiteRegistry& registry) {
    registry.add(kAIRealMathSuite, kAIRealMathSuiteVersion, &kRealMathSuite);
    registry.add(kAIUserSuite, kAIUserSuiteVersion, &kUserSuite);
}

}  // namespace kestrel::host
