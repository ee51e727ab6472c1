// style_suites.cpp: "AI Path Style Suite" 5, "AI Blend Style Suite" 2 and
// "AI Transform Art Suite" 1: the paint, opacity, blending mode and geometry
// of art objects.
#include "host/document/style_suites.hpp"

#include "ai_art.h"
#include "host/document/suite_args.hpp"

namespace kestrel::host {
namespace {

// ---- AI Path Style Suite ------------------------------------------------------

KResult get_path_style(KArtHandle art, KPathStyle* out_style) {
    return KESTREL_HOST_CALL("AI Path Style Suite/get_path_style", [&](Host& host) {
        require(out_style, "output style");
        *out_style = host.document().style_of(art_arg(host, art));
        return kNoErr;
    });
}

KResult set_path_style(KArtHandle art, const KPathStyle* style) {
    return KESTREL_HOST_CALL("AI Path Style Suite/set_path_style", [&](Host& host) {
        require(style, "style");
        host.document().set_style(art_arg(host, art), *style);
        return kNoErr;
    });
}

const KPathStyleSuite kPathStyleSuite = {get_path_style, set_path_style};

// ---- AI Blend Style Suite --------------------------------------------------------

KResult get_opacity(KArtHandle art, KReal* out_opacity) {
    return KESTREL_HOST_CALL("AI Blend Style Suite/get_opacity", [&](Host& host) {
        require(out_opacity, "output opacity");
        *out_opacity = art_arg(host, art).opacity;
        return kNoErr;
    });
}

KResult set_opacity(KArtHandle art, KReal opacity) {
    return KESTREL_HOST_CALL("AI Blend Style Suite/set_opacity", [&](Host& host) {
        host.document().set_opacity(art_arg(host, art), opacity);
        return kNoErr;
    });
}

KResult get_blending_mode(KArtHandle art, int32_t* out_mode) {
    return KESTREL_HOST_CALL("AI Blend Style Suite/get_blending_mode", [&](Host& host) {
        require(out_mode, "output mode");
        *out_mode = art_arg(host, art).blending_mode;
        return kNoErr;
    });
}

KResult set_blending_mode(KArtHandle art, int32_t mode) {
    return KESTREL_HOST_CALL("AI Blend Style Suite/set_blending_mode", [&](Host& host) {
        host.document().set_blending_mode(art_arg(host, art), mode);
        return kNoErr;
    });
}

const KBlendStyleSuite kBlendStyleSuite = {get_opacity, set_opacity, get_blending_mode, set_blending_mode};

// ---- AI Transform Art Suite ---------------------------------------------------------

KResult transform_art(KArtHandle art, const KMatrix* matrix, KReal line_scale, int32_t options) {
    return KESTREL_HOST_CALL("AI Transform Art Suite/transform_art", [&](Host& host) {
        require(matrix, "matrix");
        Art& target = art_arg(host, art);
        const KMatrix& m = *matrix;
        for (KReal v : {m.a, m.b, m.c, m.d, m.tx, m.ty}) require_finite(v, "matrix entry");
        const bool scale_lines = (options & kScaleLines) != 0;
        if (scale_lines) require_finite(line_scale, "line scale");
        // x' = a x + c y + tx, y' = b x + d y + ty: lib2geom's coefficient order.
        host.document().transform(target, Geom::Affine(m.a, m.b, m.c, m.d, m.tx, m.ty), line_scale, scale_lines);
        return kNoErr;
    });
}

const KTransformArtSuite kTransformArtSuite = {transform_art};

}  // namespace

void register_style_suites(SuiteRegistry& registry) {
    registry.add(kAIPathStyleSuite, kAIPathStyleSuiteVersion, &kPathStyleSuite);
    registry.add(kAIBlendStyleSuite, kAIBlendStyleSuiteVersion, &kBlendStyleSuite);
    registry.add(kAITransformArtSuite, kAITransformArtSuiteVersion, &kTransformArtSuite);
}

}  // namespace kestrel::host
