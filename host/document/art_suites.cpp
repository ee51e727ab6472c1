// art_suites.cpp: "AI Art Suite" 9, "AI Path Suite" 4, "AI Matching Art
// Suite" 4 and "AI Tag Suite" 2 over the document's art tree; the paint and
// transform suites are in style_suites.cpp and registered from here.
#include <limits>

#include "ai_art.h"
#include "host/core/memory.hpp"
#include "host/document/path_segments.hpp"
#include "host/document/style_suites.hpp"
#include "host/document/suite_args.hpp"

namespace kestrel::host {
namespace {

// ---- AI Art Suite ---------------------------------------------------------------

KResult get_art_type(KArtHandle art, int16_t* out_type) {
    return KESTREL_HOST_CALL("AI Art Suite/get_art_type", [&](Host& host) {
        require(out_type, "output type");
        *out_type = art_arg(host, art).type();
        return kNoErr;
    });
}

KResult get_first_child(KArtHandle art, KArtHandle* out_child) {
    return KESTREL_HOST_CALL("AI Art Suite/get_first_child", [&](Host& host) {
        require(out_child, "output art");
        const Art* child = art_arg(host, art).first_child();
        *out_child = child != nullptr ? host.document().handle_of(*child) : nullptr;
        return kNoErr;
    });
}

KResult get_next_sibling(KArtHandle art, KArtHandle* out_sibling) {
    return KESTREL_HOST_CALL("AI Art Suite/get_next_sibling", [&](Host& host) {
        require(out_sibling, "output art");
        const Art* next = art_arg(host, art).next();
        *out_sibling = next != nullptr ? host.document().handle_of(*next) : nullptr;
        return kNoErr;
    });
}

KResult get_parent(KArtHandle art, KArtHandle* out_parent) {
    return KESTREL_HOST_CALL("AI Art Suite/get_parent", [&](Host& host) {
        require(out_parent, "output art");
        const Art* parent = art_arg(host, art).parent();
        *out_parent = parent != nullptr ? host.document().handle_of(*parent) : nullptr;
        return kNoErr;
    });
}

KResult get_bounds(KArtHandle art, KRealRect* out_bounds) {
    return KESTREL_HOST_CALL("AI Art Suite/get_bounds", [&](Host& host) {
        require(out_bounds, "output rectangle");
        *out_bounds = host.document().exact_bounds(art_arg(host, art));
        return kNoErr;
    });
}

KResult duplicate_art(KArtHandle art, int16_t paint_order, KArtHandle reference, KArtHandle* out_new) {
    return KESTREL_HOST_CALL("AI Art Suite/duplicate_art", [&](Host& host) {
        require(out_new, "output art");
        *out_new = nullptr;
        Art& source = art_arg(host, art);
        Art* ref = reference != nullptr ? &art_arg(host, reference) : nullptr;
        Document& doc = host.document();
        *out_new = doc.handle_of(doc.duplicate(source, paint_order, ref));
        return kNoErr;
    });
}

KResult dispose_art(KArtHandle art) {
    return KESTREL_HOST_CALL("AI Art Suite/dispose_art", [&](Host& host) {
        host.document().dispose(art_arg(host, art));
        return kNoErr;
    });
}

KResult get_art_user_attr(KArtHandle art, int32_t which_attr, int32_t* out_attr) {
    return KESTREL_HOST_CALL("AI Art Suite/get_art_user_attr", [&](Host& host) {
        require(out_attr, "output attributes");
        *out_attr = art_arg(host, art).attributes & which_attr;
        return kNoErr;
    });
}

KResult set_art_user_attr(KArtHandle art, int32_t which_attr, int32_t attr) {
    return KESTREL_HOST_CALL("AI Art Suite/set_art_user_attr", [&](Host& host) {
        host.document().set_attributes(art_arg(host, art), which_attr, attr);
        return kNoErr;
    });
}

KResult new_art(int16_t type, int16_t paint_order, KArtHandle reference, KArtHandle* out_new) {
    return KESTREL_HOST_CALL("AI Art Suite/new_art", [&](Host& host) {
        require(out_new, "output art");
        *out_new = nullptr;
        Art* ref = reference != nullptr ? &art_arg(host, reference) : nullptr;
        Document& doc = host.document();
        *out_new = doc.handle_of(doc.new_art(type, paint_order, ref));
        return kNoErr;
    });
}

KResult get_layer_of_art(KArtHandle art, KLayerHandle* out_layer) {
    return KESTREL_HOST_CALL("AI Art Suite/get_layer_of_art", [&](Host& host) {
        require(out_layer, "output layer");
        *out_layer = host.document().handle_of(*art_arg(host, art).layer());
        return kNoErr;
    });
}

const KArtSuite kArtSuite = {get_art_type,  get_first_child,   get_next_sibling,  get_parent,
                             get_bounds,    duplicate_art,     dispose_art,       get_art_user_attr,
                             set_art_user_attr, new_art,       get_layer_of_art};

// ---- AI Path Suite ----------------------------------------------------------------

Art& path_arg(Host& host, KArtHandle art) {
    Art& path = art_arg(host, art);
    if (path.type() != kPathArt) fail(kBadParameterErr, "art is not a path");
    return path;
}

KResult get_path_segment_count(KArtHandle path, int16_t* out_count) {
    return KESTREL_HOST_CALL("AI Path Suite/get_path_segment_count", [&](Host& host) {
        require(out_count, "output count");
        const std::size_t n = segments_of(path_arg(host, path).path).size();
        *out_count = static_cast<int16_t>(std::min<std::size_t>(n, std::numeric_limits<int16_t>::max()));
        return kNoErr;
    });
}

KResult get_path_segments(KArtHandle path, int16_t first, int16_t count, KPathSegment* out_segments) {
    return KESTREL_HOST_CALL("AI Path Suite/get_path_segments", [&](Host& host) {
        const std::vector<KPathSegment> segments = segments_of(path_arg(host, path).path);
        if (first < 0 || count < 0 || static_cast<std::size_t>(first) + count > segments.size())
            fail(kBadParameterErr, "segments outside the path");
        if (count > 0) require(out_segments, "output segments");
        std::copy_n(segments.begin() + first, count, out_segments);
        return kNoErr;
    });
}

KResult set_path_segments(KArtHandle path, int16_t first, int16_t count, const KPathSegment* segments) {
    return KESTREL_HOST_CALL("AI Path Suite/set_path_segments", [&](Host& host) {
        Art& art = path_arg(host, path);
        std::vector<KPathSegment> anchors = segments_of(art.path);
        // Segments may replace anchors and extend the path at its end, not leave a gap.
        if (first < 0 || count < 0 || static_cast<std::size_t>(first) > anchors.size())
            fail(kBadParameterErr, "segments outside the path");
        if (count > 0) require(segments, "segments");
        for (int16_t i = 0; i < count; ++i) {
            const KPathSegment& s = segments[i];
            require_finite(s.p.h + s.p.v + s.in.h + s.in.v + s.out.h + s.out.v, "segment coordinate");
        }
        if (static_cast<std::size_t>(first) + count > anchors.size()) anchors.resize(static_cast<std::size_t>(first) + count);
        std::copy_n(segments, count, anchors.begin() + first);
        host.document().set_path(art, path_from_segments(anchors, art.path.closed()));
        return kNoErr;
    });
}

KResult get_path_closed(KArtHandle path, KBool* out_closed) {
    return KESTREL_HOST_CALL("AI Path Suite/get_path_closed", [&](Host& host) {
        require(out_closed, "output flag");
        *out_closed = path_arg(host, path).path.closed() ? 1 : 0;
        return kNoErr;
    });
}

KResult set_path_closed(KArtHandle path, KBool closed) {
    return KESTREL_HOST_CALL("AI Path Suite/set_path_closed", [&](Host& host) {
        Art& art = path_arg(host, path);
        host.document().set_path(art, path_from_segments(segments_of(art.path), closed != 0));
        return kNoErr;
    });
}

const KPathSuite kPathSuite = {get_path_segment_count, get_path_segments, set_path_segments, get_path_closed,
                               set_path_closed};

// ---- AI Matching Art Suite ------------------------------------------------------------

KResult get_matching_art(const KArtSpec* specs, int16_t spec_count, KMemHandle* out_matches, int32_t* out_count) {
    return KESTREL_HOST_CALL("AI Matching Art Suite/get_matching_art", [&](Host& host) {
        require(out_matches, "output handle");
        require(out_count, "output count");
        *out_matches = nullptr;
        *out_count = 0;
        if (spec_count < 0) fail(kBadParameterErr, "negative spec count");
        if (spec_count > 0) require(specs, "specs");
        Document& doc = host.document();
        const std::vector<Art*> found =
            doc.matching_art(std::span<const KArtSpec>(specs, static_cast<std::size_t>(spec_count)));
        if (found.empty()) return kNoErr;
        if (found.size() > static_cast<std::size_t>(std::numeric_limits<int32_t>::max()) / sizeof(KArtHandle))
            fail(kOutOfMemoryErr, "too many matches");
        KMemHandle list = host.memory().new_handle(static_cast<std::int32_t>(found.size() * sizeof(KArtHandle)));
        auto* entries = reinterpret_cast<KArtHandle*>(*list);
        for (std::size_t i = 0; i < found.size(); ++i) entries[i] = doc.handle_of(*found[i]);
        *out_matches = list;
        *out_count = static_cast<int32_t>(found.size());
        return kNoErr;
    });
}

const KMatchingArtSuite kMatchingArtSuite = {get_matching_art};

// ---- AI Tag Suite --------------------------------------------------------------------------

KResult set_tag(KArtHandle art, const char* name, const char* value) {
    return KESTREL_HOST_CALL("AI Tag Suite/set_tag", [&](Host& host) {
        require(name, "tag name");
        require(value, "tag value");
        host.document().set_tag(art_arg(host, art), name, value);
        return kNoErr;
    });
}

KResult get_tag(KArtHandle art, const char* name, char* out_value, int32_t max_len) {
    return KESTREL_HOST_CALL("AI Tag Suite/get_tag", [&](Host& host) {
        require(name, "tag name");
        const Art& a = art_arg(host, art);
        copy_out(host.document().tag(a, name), out_value, max_len);
        return kNoErr;
    });
}

const KTagSuite kTagSuite = {set_tag, get_tag};

}  // namespace

void register_art_suites(SuiteRegistry& registry) {
    registry.add(kAIArtSuite, kAIArtSuiteVersion, &kArtSuite);
    registry.add(kAIPathSuite, kAIPathSuiteVersion, &kPathSuite);
    registry.add(kAIMatchingArtSuite, kAIMatchingArtSuiteVersion, &kMatchingArtSuite);
    registry.add(kAITagSuite, kAITagSuiteVersion, &kTagSuite);
    register_style_suites(registry);
}

}  // namespace kestrel::host
