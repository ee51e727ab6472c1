// envelope_suites.cpp: "AI Envelope Suite" 1: wrapping art in envelopes and
// warping the envelopes' content.
//
// An envelope is an art of type kEnvelopeArt whose children are the wrapped
// art; its warp parameters live in Art::warp. A warp distorts the content's
// paths for real (warp_geometry.cpp); each warped path keeps its outline
// before the warp (Art::unwarped) so that a later warp starts again from it,
// and any other change of its outline makes that the unwarped one. Text and
// placed art inside an envelope keep their geometry: only paths warp. Every
// change goes through the document's journalled operations, so undo reverts
// envelopes and warps, the unwarped outlines included.
#include <algorithm>
#include <memory>
#include <unordered_set>
#include <vector>

#include "ai_envelope.h"
#include "host/document/path_bounds.hpp"
#include "host/document/suite_args.hpp"
#include "host/envelope/warp_geometry.hpp"

namespace kestrel::host {
namespace {

bool has_ancestor_in(const Art& art, const std::unordered_set<const Art*>& set) {
    for (const Art* p = art.parent(); p != nullptr; p = p->parent())
        if (set.contains(p)) return true;
    return false;
}

// The wrapped objects must be distinct, none inside another, and the shape
// (consumed afterwards) neither one of them nor around or inside one.
KResult make_envelope(KArtHandle* art, int32_t count, KArtHandle shape, const KEnvelopeOptions* options,
                      KArtHandle* out_envelope) {
    return KESTREL_HOST_CALL("AI Envelope Suite/make_envelope", [&](Host& host) {
        require(out_envelope, "output envelope");
        *out_envelope = nullptr;
        require(art, "art array");
        if (count < 1) fail(kBadParameterErr, "no art to wrap");
        Document& doc = host.document();

        std::vector<Art*> content;
        content.reserve(static_cast<std::size_t>(count));
        std::unordered_set<const Art*> set;
        for (int32_t k = 0; k < count; ++k) {
            Art& a = art_arg(host, art[k]);
            if (!set.insert(&a).second) fail(kBadParameterErr, "art given twice");
            content.push_back(&a);
        }
        for (const Art* a : content)
            if (has_ancestor_in(*a, set)) fail(kBadParameterErr, "art inside other wrapped art");
        Art* shape_art = nullptr;
        if (shape != nullptr) {
            shape_art = &art_arg(host, shape);
            if (set.contains(shape_art) || has_ancestor_in(*shape_art, set))
                fail(kBadParameterErr, "envelope shape is wrapped art or inside it");
            const std::unordered_set<const Art*> shape_set{shape_art};
            for (const Art* a : content)
                if (has_ancestor_in(*a, shape_set)) fail(kBadParameterErr, "wrapped art inside the envelope shape");
        }
        const std::int32_t fidelity = options != nullptr ? std::clamp(options->fidelity, 0, 100) : 50;

        // The envelope goes directly above the first object, which then moves
        // inside: the envelope takes its place. The objects keep the order of
        // the array, the first backmost.
        Art& envelope = doc.new_art(kEnvelopeArt, kPlaceAbove, content.front());
        doc.will_modify(envelope);
        envelope.warp = EnvelopeWarp{};
        envelope.warp.fidelity = fidelity;
        for (Art* a : content) doc.move(*a, kPlaceInsideOnTop, &envelope);
        if (shape_art != nullptr) doc.dispose(*shape_art);
        *out_envelope = doc.handle_of(envelope);
        return kNoErr;
    });
}

// The paths inside art, depth first in paint order.
void collect_paths(Art& art, std::vector<Art*>& out) {
    for (Art& child : children(art)) {
        if (child.type() == kPathArt) out.push_back(&child);
        else if (child.is_container()) collect_paths(child, out);
    }
}

KResult apply_warp(KArtHandle envelope, int32_t style, KReal bend, KReal horizontal_distortion,
                   KReal vertical_distortion, KBool rotate) {
    return KESTREL_HOST_CALL("AI Envelope Suite/apply_warp", [&](Host& host) {
        Art& env = art_arg(host, envelope);
        if (env.type() != kEnvelopeArt) fail(kBadParameterErr, "not an envelope");
        require_finite(bend, "bend");
        require_finite(horizontal_distortion, "horizontal distortion");
        require_finite(vertical_distortion, "vertical distortion");
        Document& doc = host.document();

        std::vector<Art*> paths;
        collect_paths(env, paths);

        // Each path's outline before the last warp (the document drops it as
        // soon as anything else changes the path), otherwise the outline it has.
        std::vector<std::shared_ptr<const Geom::Path>> originals;
        originals.reserve(paths.size());
        Geom::OptRect bounds;
        for (Art* p : paths) {
            originals.push_back(p->unwarped != nullptr ? p->unwarped : std::make_shared<const Geom::Path>(p->path.get()));
            bounds.unionWith(exact_path_bounds(*originals.back()));
        }

        // A style outside 1..15 is the plain envelope.
        WarpParams params;
        if (is_warp_style(style)) {
            params = WarpParams{style, std::clamp<double>(bend, -1, 1), std::clamp<double>(horizontal_distortion, -1, 1),
                                std::clamp<double>(vertical_distortion, -1, 1), rotate != 0};
        }
        doc.will_modify(env);
        env.warp.style = params.style;
        env.warp.bend = static_cast<KReal>(params.bend);
        env.warp.horizontal_distortion = static_cast<KReal>(params.horizontal_distortion);
        env.warp.vertical_distortion = static_cast<KReal>(params.vertical_distortion);
        env.warp.rotate = params.rotate;

        const Warp warp(params, bounds ? *bounds : Geom::Rect(0, 0, 1, 1));
        for (std::size_t k = 0; k < paths.size(); ++k) {
            if (!bounds || warp.identity()) {
                if (paths[k]->unwarped != nullptr) doc.set_path(*paths[k], *originals[k]);
            } else {
                Geom::Path warped = warp_path(*originals[k], warp);
                doc.set_warped_path(*paths[k], std::move(warped), std::move(originals[k]));
            }
        }
        return kNoErr;
    });
}

const KEnvelopeSuite kEnvelopeSuite = {make_envelope, apply_warp};
}  // namespace

void register_envelope_suites(SuiteRegistry& registry) {
    registry.add(kAIEnvelopeSuite, kAIEnvelopeSuiteVersion, &kEnvelopeSuite);
}
}  // namespace kestrel::host
